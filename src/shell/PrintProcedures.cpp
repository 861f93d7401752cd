#include "shell/PrintProcedures.h"

#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "shell/PrintJob.h"

#include <cmath>

namespace basVelmar {
namespace {

constexpr double kRowGap = 20;
constexpr double kPageMargin = 1000;
constexpr double kHeaderTop = 100;

// Whole twips, as the layout's positions are printed (halves to the even number).
double whole(double v) { return std::nearbyint(v); }

// Shows a failure; a failed printer is shown once for the whole report.
int16_t reportFailure(PrintJob& job, const platform::Error& e)
{
    if (job.failed()) {
        if (job.failureShown())
            return -1;
        job.setFailureShown();
    }
    platform::MsgBox(e.description(), platform::vbOKOnly);
    return -1;
}

void printText(PrintJob& job, double left, double top, const PrintFont& font, const QString& text)
{
    job.setCurrentX(whole(left));
    job.setCurrentY(whole(top));
    job.setFont(font);
    job.print(text);
}

} // namespace

int16_t intPrintLabel(PrintJob& job, const PrintLabel& label)
{
    if (!label.visible)
        return 0;
    try {
        printText(job, label.left, label.top, label.font, label.caption);
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

int16_t intPrintTextBox(PrintJob& job, const PrintTextBox& textBox)
{
    try {
        printText(job, textBox.left, textBox.top, textBox.font, textBox.text);
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

int16_t intPrintTextBoxLines(PrintJob& job, PrintTextBox& textBox)
{
    try {
        printText(job, textBox.left, textBox.top, textBox.font, textBox.text);
        textBox.top += textBox.height + kRowGap;
        if (textBox.top + textBox.height + kPageMargin >= job.pageHeight()) {
            textBox.top = kPageMargin;
            return 1;
        }
        return 0;
    } catch (const platform::Error&) {
        return -1;
    }
}

int16_t intPrintLine(PrintJob& job, const PrintLine& line)
{
    try {
        job.setDrawWidth(line.borderWidth);
        job.line(QPointF(whole(line.x1), whole(line.y1)), QPointF(whole(line.x2), whole(line.y2)), Qt::black);
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

int16_t intPrintImage(PrintJob& job, const PrintImage& image)
{
    try {
        job.paintPicture(image.picture,
                         QRectF(whole(image.left), whole(image.top), whole(image.width), whole(image.height)));
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

int16_t intPrintNewPage(PrintJob& job)
{
    try {
        job.newPage();
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

int16_t intPrintNewPage(PrintJob& job, ChannelTableHeader& header)
{
    if (intPrintNewPage(job) != 0)
        return -1;
    const double shift = whole(header.Lin1.y1 - kHeaderTop);
    if (header.Lin1.y1 > shift) {
        for (PrintLine* l : {&header.Lin1, &header.Lin2}) {
            l->y1 -= shift;
            l->y2 -= shift;
        }
        for (PrintLabel* l : {&header.lblChannel, &header.lblSwitch, &header.lblFrequency, &header.lblCTCSS,
                              &header.lblPin, &header.lblDeviation, &header.lblReference})
            l->top -= shift;
    }
    int16_t result = 0;
    for (const PrintLabel* l : {&header.lblChannel, &header.lblSwitch, &header.lblFrequency, &header.lblCTCSS,
                                &header.lblPin, &header.lblDeviation, &header.lblReference})
        if (intPrintLabel(job, *l) != 0)
            result = -1;
    for (const PrintLine* l : {&header.Lin1, &header.Lin2})
        if (intPrintLine(job, *l) != 0)
            result = -1;
    return result;
}

int16_t intPrintEnd(PrintJob& job)
{
    try {
        job.endDoc();
        return 0;
    } catch (const platform::Error& e) {
        return reportFailure(job, e);
    }
}

} // namespace basVelmar
