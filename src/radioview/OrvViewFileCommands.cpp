// Opening a radio module from its files (archive, MCF, BIN and HEX EPROM images), printing its
// report and saving it as an MCF file or an EPROM image.
#include "radioview/frmOrvView.h"

#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "platform/FileDialogs.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "radio/frmOrvPreview.h"
#include "shell/PrintJob.h"

#include <QFileInfo>
#include <QPagedPaintDevice>

namespace {

// A file opener: the document reads the file, then the grid of the layout is built and shown.
template <class Read, class Grid, class Show>
int16_t openFile(Read&& read, Grid&& grid, Show&& show)
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        platform::DoEvents();
        // A file the document refused has been reported; no window opens on it.
        if (read() != 0)
            return -1;
        platform::DoEvents();
        if (grid() != 0 || show() != 0)
            return -1;
        return 0;
    });
}

// The Save dialog; a name that ends in none of `endings` gets the extension of the chosen filter.
std::optional<QString> saveDialog(const QString& filter, int filterIndex, const QStringList& endings)
{
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogRequest::Save;
    request.filter = filter;
    request.filterIndex = filterIndex;
    request.endings = endings;
    return platform::ShowFileDialog(request);
}

} // namespace

int16_t frmOrvView::intInitFromArchive(const QString& path)
{
    return openFile([&] { return document().intArchive2Document(path); }, [&] { return intInitGrid(); },
                    [&] { intShowDocument(); return int16_t(0); });
}

int16_t frmOrvView::intInitFromMCF(const QString& path)
{
    return openFile([&] { return document().intMCFFile2Document(path); }, [&] { return intInitGrid(); },
                    [&] { return intShowDocument(); });
}

int16_t frmOrvView::intInitFromBIN(const QString& path)
{
    return openFile([&] { return document().intBINFile2Document(path); }, [&] { return InitBinHexGrid(); },
                    [&] { return ShowBinHexDocument(); });
}

int16_t frmOrvView::intInitFromHEX(const QString& path)
{
    return openFile([&] { return document().intHEXFile2Document(path); }, [&] { return InitBinHexGrid(); },
                    [&] { return ShowBinHexDocument(); });
}

int16_t frmOrvView::intCommandPrint()
{
    return radiodoc::trapped([&]() -> int16_t {
        if (intSystemEditApply() != 0)
            return -1;
        std::unique_ptr<QPagedPaintDevice> printer = platform::ShowPrinter();
        if (!printer)
            return -1;
        platform::BusyCursor busy;
        frmOrvPreview preview;
        PrintJob job(std::move(printer));
        document().intDocument2Printer(preview, job);
        return 0;
    });
}

int16_t frmOrvView::intCommandArchiveSave()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intSystemEditApply() != 0)
            return -1;
        const std::optional<QString> path =
            saveDialog(QStringLiteral("Vorn MCF file (*.MCF)| *.mcf|All files (*.*)|*.*"), 1, {QStringLiteral(".mcf")});
        if (!path)
            return -1;
        return document().intDocument2MCF(*path);
    });
}

int16_t frmOrvView::intCommandSaveEprom()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intSystemEditApply() != 0)
            return -1;
        const std::optional<QString> path =
            saveDialog(QStringLiteral("Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All files (*.*)|*.*"), 1,
                       {QStringLiteral(".bin"), QStringLiteral(".hex"), QStringLiteral(".mcf")});
        if (!path)
            return -1;
        // The ending chooses the format, whatever its case; the path keeps its own case, as the
        // file system tells names apart by it.
        const QString ending = QFileInfo(*path).fileName().size() > 4 ? path->right(4).toUpper() : QString();
        CLASSOrvDocument& doc = document();
        if (ending == QLatin1String(".BIN"))
            return doc.intDocument2BIN(*path);
        if (ending == QLatin1String(".HEX"))
            return doc.intDocument2HEX(*path);
        if (ending == QLatin1String(".MCF"))
            return doc.intDocument2MCF(*path);
        radiodoc::message(QStringLiteral("The file name must end in .bin, .hex or .mcf: the ending chooses the form of the file."),
                          platform::vbOKOnly | platform::vbExclamation);
        return -1;
    });
}
