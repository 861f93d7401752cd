// The channel buttons and the grid's mouse and key events: Edit, Delete, Default Chan and the
// popup menu. A selection only ever reaches the channels in use: the spare row below the last
// channel and rows beyond the channel count never change a page.
#include "radioview/frmOrvView.h"

#include "link/TransferGuard.h"
#include "docwindow/WindowTransfer.h"
#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "radioview/ChannelCells.h"
#include "radioview/frmEditChannelData.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kEnterKey = 13;
constexpr int kRightButton = 2;

} // namespace

void frmOrvView::cmdEditChannel_Click()
{
    CLASSOrvDocument& doc = document();
    const int first = intSelRowBound(1);
    if (first < 1 || first > doc.intMaxchannel)
        return;
    const int last = std::min(intSelRowBound(2), static_cast<int>(doc.intMaxchannel));
    auto dialog = std::make_unique<frmEditChannelData>(this);
    dialog->ShowForm(doc, static_cast<int16_t>(first), static_cast<int16_t>(last - first));
    platform::DoEvents();
    if (!dialog->Cancelled)
        reshowRows(dialog->StartChannel, dialog->EndChannel);
}

void frmOrvView::cmdDeleteChannel_Click()
{
    radiodoc::trapped([&]() -> int16_t {
        CLASSOrvDocument& doc = document();
        const int first = intSelRowBound(1);
        const int last = intSelRowBound(2);
        if (first < 1)
            return 0;
        const QByteArray before = orvview::imageBytes(doc);
        for (int row = first; row <= std::min(last, static_cast<int>(doc.intMaxchannel)); ++row)
            doc.DeleteChannel(static_cast<int16_t>(row));
        if (orvview::imageBytes(doc) != before)
            doc.fModified = true;
        reshowRows(first, last);
        return 0;
    });
}

void frmOrvView::cmdDefaultChannel_Click()
{
    CLASSOrvDocument& doc = document();
    const int oldRow = doc.intCurrentchannel + 1;
    const int newRow = intSelRowBound(1);
    if (newRow < 1 || newRow > doc.intMaxchannel)
        return;
    const int16_t previousDefault = doc.intCurrentchannel;
    doc.intCurrentchannel = static_cast<int16_t>(newRow - 1);
    [&] {
        if (reshowRows(oldRow, oldRow) != 0)
            return;  // the old default lay outside the grid: the new one is kept, not written
        platform::BusyCursor busy;
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired()) {
            doc.intCurrentchannel = previousDefault;
            reshowRows(oldRow, oldRow);
            return;
        }
        if (doc.WriteDefault(doc.intCurrentchannel) != 0) {
            if (TransferGuard::message(QStringLiteral("The unit is not responding. Do you want to continue?"),
                                       platform::vbYesNo | platform::vbQuestion, QStringLiteral("Warning"))
                == platform::vbNo) {
                doc.intCurrentchannel = previousDefault;
                if (reshowRows(oldRow, oldRow) != 0 && !binHexLayout())
                    return;
            }
            doc.WriteDefault(doc.intCurrentchannel);
        }
        reshowRows(doc.intCurrentchannel + 1, doc.intCurrentchannel + 1);
    }();
    if (doc.intCurrentchannel != previousDefault)
        doc.fModified = true;
}

void frmOrvView::grdChannel_DblClick()
{
    if (grdChannel->currentRow() >= 0)
        cmdEditChannel_Click();
}

void frmOrvView::grdChannel_KeyDown(int KeyCode, int)
{
    if (KeyCode == kEnterKey && grdChannel->currentRow() >= 0)
        cmdEditChannel_Click();
}

void frmOrvView::grdChannel_MouseDown(int Button, int, int, int)
{
    if (Button != kRightButton)
        return;
    MNUChannelPopupPaste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    MNUChannelPopup->popup(QCursor::pos());
}
