// Opening a radio module from its files (archive, MCF, BIN and HEX EPROM images), printing its
// report and saving it as an MCF file or an EPROM image.
#include "radioview/frmOrvView.h"

#include "link/TransferGuard.h"
#include "platform/BusyCursor.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "radio/frmOrvPreview.h"
#include "shell/PrintJob.h"

#include <QFileInfo>
#include <functional>

namespace {

// A file opener's show step: the grid of the layout built, then the document shown.
template <class Grid, class Show>
std::function<int16_t()> gridThenShow(Grid grid, Show show)
{
    return [grid, show]() -> int16_t { return grid() != 0 || show() != 0 ? -1 : 0; };
}

} // namespace

// A file the document refused has been reported; no window opens on it.
int16_t frmOrvView::intInitFromArchive(const QString& path)
{
    return runOpener([&] { return document().intArchive2Document(path); },
                     gridThenShow([this] { return intInitGrid(); },
                                  [this] {
                                      intShowDocument();
                                      return int16_t(0);
                                  }));
}

int16_t frmOrvView::intInitFromMCF(const QString& path)
{
    return runOpener([&] { return document().intMCFFile2Document(path); },
                     gridThenShow([this] { return intInitGrid(); }, [this] { return intShowDocument(); }));
}

int16_t frmOrvView::intInitFromBIN(const QString& path)
{
    return runOpener([&] { return document().intBINFile2Document(path); },
                     gridThenShow([this] { return InitBinHexGrid(); }, [this] { return ShowBinHexDocument(); }));
}

int16_t frmOrvView::intInitFromHEX(const QString& path)
{
    return runOpener([&] { return document().intHEXFile2Document(path); },
                     gridThenShow([this] { return InitBinHexGrid(); }, [this] { return ShowBinHexDocument(); }));
}

int16_t frmOrvView::printDocument(PrintJob& job)
{
    frmOrvPreview preview;
    document().intDocument2Printer(preview, job);
    return 0;
}

QString frmOrvView::archiveFilter() const { return QStringLiteral("Vorn MCF file (*.MCF)| *.mcf|All files (*.*)|*.*"); }

int16_t frmOrvView::saveArchive(const QString& path) { return document().intDocument2MCF(path); }

int16_t frmOrvView::intCommandSaveEprom()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intSystemEditApply() != 0)
            return -1;
        const std::optional<QString> path =
            askSavePath(QStringLiteral("Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All files (*.*)|*.*"),
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
        TransferGuard::message(
            QStringLiteral("The file name must end in .bin, .hex or .mcf: the ending chooses the form of the file."),
            platform::vbOKOnly | platform::vbExclamation);
        return -1;
    });
}
