#include "link/basChronox.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace basChronox {
namespace {

constexpr char kLibraryName[] = "chronox32";

struct Binding {
    QLibrary library;
    AlarmFunctions functions;
    bool bound = false;
};

Binding& binding()
{
    static Binding b;
    return b;
}

QStringList candidates()
{
    const QString name = QString::fromLatin1(kLibraryName);
    QStringList list;
    list << QDir(platform::programFolder()).filePath(name);
    if (QCoreApplication::instance())
        list << QDir(QCoreApplication::applicationDirPath()).filePath(name);
    list << name;  // the system's library path
    list.removeDuplicates();
    return list;
}

template <typename F>
bool resolve(QLibrary& lib, const char* symbol, F& out, QString* why)
{
    out = reinterpret_cast<F>(lib.resolve(symbol));
    if (out)
        return true;
    if (why)
        *why = QStringLiteral("The timer library %1 has no function %2.")
                   .arg(lib.fileName(), QString::fromLatin1(symbol));
    return false;
}

} // namespace

const AlarmFunctions* alarmFunctions(QString* why)
{
    Binding& b = binding();
    if (b.bound)
        return &b.functions;

    QString loadError;
    bool loaded = false;
    for (const QString& path : candidates()) {
        b.library.setFileName(path);
        if (b.library.load()) {
            loaded = true;
            break;
        }
        loadError = b.library.errorString();
    }
    if (!loaded) {
        if (why)
            *why = QStringLiteral("The timer library %1 cannot be loaded: %2")
                       .arg(QString::fromLatin1(kLibraryName), loadError);
        return nullptr;
    }

    AlarmFunctions f;
    if (!resolve(b.library, "hrt_alarm_alloc", f.alloc, why) || !resolve(b.library, "hrt_alarm_set", f.set, why) ||
        !resolve(b.library, "hrt_alarm_check", f.check, why) || !resolve(b.library, "hrt_alarm_free", f.free, why)) {
        b.library.unload();
        return nullptr;
    }
    b.functions = f;
    b.bound = true;
    return &b.functions;
}

} // namespace basChronox
