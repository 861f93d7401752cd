// The tone-remote window's commands: store in the database, write to the module, print the
// report, save an archive file; and the question on closing. Each applies every tab first and
// does nothing when a tab refuses its entries.
#include "toneremoteview/frmOrvViewTR.h"

#include "docwindow/DocumentClosing.h"
#include "docwindow/DocumentTexts.h"
#include "docwindow/StoreQuestion.h"
#include "docwindow/WindowTransfer.h"
#include "platform/BusyCursor.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "shell/FailureTrap.h"
#include "shell/PrintJob.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/frmOrvPreviewTR.h"

#include <QPagedPaintDevice>

int16_t frmOrvViewTR::intCommandSave()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intEditApplySystem() != 0 || !docwindow::mayStoreOver(document()))
            return -1;
        return document().intDocument2DB();
    });
}

int16_t frmOrvViewTR::CommandWrite()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired())
            return -1;
        if (intEditApplySystem() != 0)
            return -1;
        if (document().intDocument2Module() != 0) {
            TransferGuard::EventsOpen open;
            platform::MsgBox(doctext::kModuleNotFound, platform::vbOKOnly | platform::vbCritical);
            return -1;
        }
        return 0;
    });
}

int16_t frmOrvViewTR::intCommandPrint()
{
    return basVelmar::trapped([&]() -> int16_t {
        if (intEditApplySystem() != 0)
            return -1;
        std::unique_ptr<QPagedPaintDevice> printer = platform::ShowPrinter();
        if (!printer)
            return -1;
        platform::BusyCursor busy;
        frmOrvPreviewTR preview;
        PrintJob job(std::move(printer));
        return document().intDocument2Printer(preview, job);
    });
}

int16_t frmOrvViewTR::intCommandArchiveSave()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intEditApplySystem() != 0)
            return -1;
        platform::FileDialogRequest request;
        request.kind = platform::FileDialogRequest::Save;
        request.filter = QStringLiteral("Vorn MCF file (*.mcf)|*.mcf|All file (*.*)|*.*");
        request.filterIndex = 1;
        request.endings = {QStringLiteral(".mcf")};
        const std::optional<QString> path = platform::ShowFileDialog(request);
        if (!path)
            return -1;
        // The name keeps its case: the file system tells names apart by it.
        return document().intDocument2Archive(*path);
    });
}

bool frmOrvViewTR::Form_QueryUnload()
{
    // The document is in the middle of a transfer: it cannot go now.
    if (transferRunning_)
        return false;
    if (!document_ || !document_->fModified)
        return true;
    return askToSaveChanges([this] { return intEditApplySystem(); },
                            [this](QString& where) -> int16_t {
                                WindowTransfer transfer(*this, transferRunning_);
                                if (!transfer.acquired())
                                    return -1;
                                // No to replacing another stored module keeps the window open.
                                if (document().savesToDatabase() && !docwindow::mayStoreOver(document()))
                                    return -1;
                                return document().intDocument2Default(where);
                            });
}
