// Copy and paste of grid cells through the clipboard, as text a spreadsheet reads and writes:
// cells separated by TAB, rows by line breaks.
#include "radioview/frmOrvView.h"

#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "radioview/ChannelCells.h"
#include "radioview/ViewNumbers.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

using namespace orvview;

void frmOrvView::MNUChannelPopupCopy_Click()
{
    radiodoc::trapped([&]() -> int16_t {
        const int firstRow = intSelRowBound(1);
        if (firstRow < 1)
            return 0;
        QString text;
        for (int row = firstRow; row <= intSelRowBound(2); ++row) {
            if (row > firstRow)
                text += QStringLiteral("\r\n");
            for (int col = intSelColBound(1); col <= intSelColBound(2); ++col) {
                if (col > intSelColBound(1))
                    text += QLatin1Char('\t');
                text += TextMatrix(row, col);
            }
        }
        QGuiApplication::clipboard()->setText(text);
        return 0;
    });
}

void frmOrvView::MNUChannelPopupPaste_Click()
{
    radiodoc::trapped([&]() -> int16_t {
        const QString text = QGuiApplication::clipboard()->text();
        if (text.isEmpty() || intSelRowBound(1) < 1)
            return 0;
        CLASSOrvDocument& doc = document();
        const QByteArray before = imageBytes(doc);
        QString cell;
        int16_t row = 1;
        int16_t col = 1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\t')) {
                intClipBoardEdit(cell, row, col);
                cell.clear();
                ++col;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                // CR LF, LF alone and CR alone each end a row.
                intClipBoardEdit(cell, row, col);
                cell.clear();
                ++row;
                col = 1;
                if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
            } else {
                cell += c;
            }
        }
        intClipBoardEdit(cell, row, col);
        if (imageBytes(doc) != before)
            doc.fModified = true;
        const int first = intSelRowBound(1);
        reshowRows(first, std::min(intSelRowBound(2), first + row - 1));
        return 0;
    });
}

int16_t frmOrvView::intClipBoardEdit(const QString& strText, int16_t intRow, int16_t intCol)
{
    return radiodoc::trapped([&]() -> int16_t {
        const int row = intSelRowBound(1) + intRow - 1;
        const int col = intSelColBound(1) + intCol - 1;
        CLASSOrvDocument& doc = document();
        // The pasted block is clipped to the selection and to the channels in use.
        if (row > intSelRowBound(2) || col > intSelColBound(2) || row < 1 || row > doc.intMaxchannel)
            return 0;
        double x = 0;
        if (!parseNumber(strText, x))
            return 0;
        const auto channel = static_cast<int16_t>(row);
        if (col == intColFrequency) {
            const int32_t hz = floorToInteger(x * 1000000.0 + 0.1, 32);
            doc.intEditFrequency(channel, doc.intRxTxEx != 0 ? hz : floorToInteger(double(hz) + doc.lngIntFreq, 32));
        } else if (col == intColCTCSS) {
            doc.intEditCTCSS(channel, x);
        } else if (col == intColDeviation) {
            doc.intEditDeviation(channel, static_cast<int16_t>(floorToInteger(x, 16)));
        } else if (col == intColReference) {
            doc.intEditReference(channel, static_cast<int16_t>(floorToInteger(x, 16)));
        } else {
            const int16_t pinColumns[8] = {intColPin1, intColPin2, intColPin3, intColPin4,
                                           intColPin5, intColPin6, intColPin7, intColPin8};
            for (int16_t bit = 0; bit < 8; ++bit)
                if (col == pinColumns[bit] && col >= 0)
                    doc.intEditPin(channel, static_cast<int16_t>(floorToInteger(x, 16)), bit);
        }
        return 0;
    });
}
