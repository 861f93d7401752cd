// The printed configuration report of a radio module: a header block with the module's data and
// its model's band, then one table row per channel, the table's header repeated on every page.
#include "radio/CLASSOrvDocument.h"

#include "radio/RadioChannelValues.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "radio/frmOrvPreview.h"
#include "shell/LocaleNumbers.h"
#include "shell/ModuleType.h"
#include "shell/NumberText.h"
#include "shell/PrintJob.h"
#include "shell/PrintProcedures.h"

#include <cmath>

using namespace radiolayout;

namespace {

// "Reciever", "Transmitter" or "Exciter".
QString kindText(int16_t kind)
{
    return kind == 0 ? QStringLiteral("Reciever") : basVelmar::strModuleTypeText(kind);
}

// Whole MHz.
QString wholeMegahertz(int32_t hz) { return QString::number(std::llround(hz / 1e6)); }

// MHz with six decimals, "." as the separator, and no leading zero before it (as 0.5 MHz gives .500000).
QString megahertz(double mhz) { return basVelmar::formatFixed(mhz, 6, false, QLocale::c()); }

} // namespace

int16_t CLASSOrvDocument::intDocument2Printer(frmOrvPreview& frmPreview, PrintJob& job)
{
    if (intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        frmOrvPreview& f = frmPreview;
        const bool transmitter = intRxTxEx != 0;
        for (const PrintLabel* l : {&f.lbl1, &f.lbl2, &f.lbl3, &f.lbl4, &f.lbl5, &f.lbl6, &f.lblFrequencyRange,
                                    &f.lblChannel, &f.lblSwitch, &f.lblFrequency, &f.lblCTCSS, &f.lblPin})
            basVelmar::intPrintLabel(job, *l);
        f.lblDeviation.visible = transmitter;
        f.lblReference.visible = transmitter;
        basVelmar::intPrintLabel(job, f.lblDeviation);
        basVelmar::intPrintLabel(job, f.lblReference);
        basVelmar::intPrintLine(job, f.Lin1);
        basVelmar::intPrintLine(job, f.Lin2);
        basVelmar::intPrintImage(job, f.ImgLOGO);

        f.TxtDate.text = strLastModified;
        f.TxtCustomType.text = strModuleUsed;
        f.TxtSerial.text = strSerial;
        f.TxtType.text = kindText(intRxTxEx);
        f.TxtUserRemark.text = strUserRemark;
        f.txtFrequencyRange.text = wholeMegahertz(lngLowerFreql) + QLatin1Char('-') + wholeMegahertz(lngUpperFreql);
        for (const PrintTextBox* t : {&f.TxtDate, &f.TxtCustomType, &f.TxtSerial, &f.TxtType, &f.TxtUserRemark,
                                      &f.txtFrequencyRange})
            basVelmar::intPrintTextBox(job, *t);

        for (int i = 0; i < intMaxchannel; ++i) {
            const int page = intPartition + i;
            if (page < kOldPartition || page > kLastPage)
                radiodoc::fail(radiodoc::kOutOfRange,
                               QStringLiteral("Channel %1 lies outside the module's memory.").arg(i));
            f.TxtChannel.text = QString::number(i);
            basVelmar::intPrintTextBoxLines(job, f.TxtChannel);

            const int32_t stored = radiochannel::storedFrequency(at(page, channel::kFreq1), at(page, channel::kFreq2),
                                                                 at(page, channel::kFreq3));
            f.TxtFrequency.text =
                stored != 0 ? megahertz((double(stored) - lngIntFreq) / 1e6) : QStringLiteral("0.000000");
            basVelmar::intPrintTextBoxLines(job, f.TxtFrequency);

            f.TxtCTCSS.text =
                basVelmar::strNumberInvariant(radiochannel::toneFrequency(radiofields::toneCode(pages_[page])));
            basVelmar::intPrintTextBoxLines(job, f.TxtCTCSS);

            f.TxtPin.text = radiochannel::bitString(at(page, channel::kPins));
            basVelmar::intPrintTextBoxLines(job, f.TxtPin);

            if (transmitter) {
                f.txtDeviation.text = QString::number(at(page, channel::kDeviation));
                basVelmar::intPrintTextBoxLines(job, f.txtDeviation);
                f.txtReference.text = QString::number(at(page, channel::kReference));
                basVelmar::intPrintTextBoxLines(job, f.txtReference);
            }

            f.TxtSwitch.text = radiochannel::switchSetting(i);
            const bool pageFull = basVelmar::intPrintTextBoxLines(job, f.TxtSwitch) == 1;
            // A page filled by the last row needs no further page.
            if (pageFull && i + 1 < intMaxchannel)
                basVelmar::intPrintNewPage(job, f);
        }

        basVelmar::intPrintEnd(job);
        TransferGuard::doEvents();
        return 0;
    });
}
