#include "app/FileOpenCommands.h"

#include "db/CLASSOrvDB.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "shell/FailureTrap.h"
#include "shell/ModuleProbes.h"
#include "shell/ModuleType.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace basVelmar {
namespace {

using WindowRegistry::WindowKind;

constexpr int16_t kImportStandard = 1;
constexpr int16_t kImportUser = 2;
constexpr int kFileNotFound = 53;

// A file the user chose: its path and its title, the name without the folder, both as chosen
// (Linux names keep their case; endings compare in any case).
struct ChosenFile {
    QString path;
    QString title;
    bool endsWith(const char* ending) const { return title.endsWith(QLatin1String(ending), Qt::CaseInsensitive); }
};

// `filterIndex`: the filter preselected, from 1; 0 keeps the last use's.
std::optional<ChosenFile> chooseFile(const QString& fileName, const QString& filter, int filterIndex)
{
    const std::optional<QString> path = platform::ShowOpen(fileName, filter, filterIndex);
    if (!path || path->isEmpty())
        return std::nullopt;
    return ChosenFile{*path, QFileInfo(*path).fileName()};
}

// The chosen file must exist and be readable; raises platform::Error with the reason otherwise.
void requireReadable(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw platform::Error(kFileNotFound, QStringLiteral("File not found: ") + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(kFileNotFound, file.errorString() + QStringLiteral(": ") + path);
}

void showCannotOpen(const QString& title)
{
    platform::MsgBox(QStringLiteral("Velmar can not open file ") + title, platform::vbOKOnly | platform::vbCritical,
                     QStringLiteral("Invalid file format."));
}

// An archive file into the editor of its module type; a file that is no archive into the radio
// editor as an MCF file. `mcfStatus` receives the MCF reader's status when it was tried.
int16_t openArchiveOrMCF(const QString& path, int16_t& mcfStatus)
{
    int16_t type = kUnknownModule;
    if (intGetFileModuleType(path, type) == 0) {
        if (!isRadioModule(type) && type != kToneRemote) {
            platform::MsgBox(QStringLiteral("Unknow Module type"), platform::vbOKOnly);
            return -1;
        }
        openInNewDocumentWindow(WindowRegistry::kindForTypeCode(type),
                                [&](IDocumentWindow& w) { return w.intInitFromArchive(path); });
        return 0;
    }
    mcfStatus = openInNewDocumentWindow(WindowKind::Radio, [&](IDocumentWindow& w) { return w.intInitFromMCF(path); });
    return 0;
}

// Import of the models of another database into the catalogue; the import shows its own outcome.
void importModels(int16_t kind, const QString& path)
{
    CLASSOrvDB& db = CLASSOrvDB::instance();
    if (kind == kImportStandard)
        db.intImportStandardDB(path);
    else
        db.intImportUserDB(path);
}

} // namespace

int16_t intOpenArchiveFile()
{
    return trapped([]() -> int16_t {
        const auto file = chooseFile(QString(), QStringLiteral("All files (*.*)|*.*|Vorn MCF file (*.mcf)|*.mcf"), 2);
        if (!file)
            return -1;
        if (file->endsWith("BIN") || file->endsWith("HEX")) {
            showCannotOpen(file->title);
            return -1;
        }
        requireReadable(file->path);
        int16_t mcfStatus = 0;
        if (openArchiveOrMCF(file->path, mcfStatus) != 0)
            return -1;
        if (mcfStatus != 0) {
            showCannotOpen(file->title);
            return -1;
        }
        return 0;
    });
}

int16_t intOpenEPROMFile()
{
    return trapped([]() -> int16_t {
        const auto file = chooseFile(
            QString(), QStringLiteral("Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All Files (*.*)|*.*"), 1);
        if (!file)
            return -1;
        if (file->title.size() <= 4)
            return 0;
        requireReadable(file->path);
        if (file->endsWith(".MCF")) {
            int16_t mcfStatus = 0;
            return openArchiveOrMCF(file->path, mcfStatus);
        }
        if (file->endsWith(".BIN"))
            openInNewDocumentWindow(WindowKind::Radio, [&](IDocumentWindow& w) { return w.intInitFromBIN(file->path); });
        else if (file->endsWith(".HEX"))
            openInNewDocumentWindow(WindowKind::Radio, [&](IDocumentWindow& w) { return w.intInitFromHEX(file->path); });
        else if (file->endsWith(".MDB"))
            importModels(kImportStandard, file->path);
        return 0;
    });
}

int16_t intImportModelsDB(int16_t kind)
{
    return trapped([kind]() -> int16_t {
        const auto file = chooseFile(QStringLiteral("*.mdb"), QStringLiteral("USER.MDB file (*.MDB) | *.mdb |"), 0);
        if (!file)
            return -1;
        if (file->title.size() <= 4)
            return 0;
        requireReadable(file->path);
        if (kind == kImportStandard || kind == kImportUser)
            importModels(kind, file->path);
        return 0;
    });
}

} // namespace basVelmar
