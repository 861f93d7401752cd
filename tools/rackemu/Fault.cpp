#include "Fault.h"

namespace rackemu {

bool parseFault(const QString& text, Fault& fault, QString& error)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString name = (colon < 0 ? text : text.left(colon)).trimmed().toLower();
    const QString argText = colon < 0 ? QString() : text.mid(colon + 1).trimmed();

    struct Name {
        const char* text;
        FaultKind kind;
        bool takesArg;
        bool needsArg;
    };
    static const Name names[] = {
        {"silence", FaultKind::Silence, false, false},
        {"badcheck", FaultKind::BadCheck, false, false},
        {"short", FaultKind::ShortReply, true, false},
        {"shortreply", FaultKind::ShortReply, true, false},
        {"garbage", FaultKind::Garbage, false, false},
        {"late", FaultKind::LateReply, true, false},
        {"latereply", FaultKind::LateReply, true, false},
        {"echo", FaultKind::EchoAsReply, false, false},
        {"echoasreply", FaultKind::EchoAsReply, false, false},
        {"stopafter", FaultKind::StopAfter, true, true},
    };
    const Name* found = nullptr;
    for (const Name& n : names)
        if (name == QLatin1String(n.text))
            found = &n;
    if (!found) {
        error = QStringLiteral("unknown fault \"%1\" (silence, badcheck, short[:bytes], garbage, "
                               "late[:ms], echo, stopafter:commands)").arg(name);
        return false;
    }
    Fault f = Fault::make(found->kind);
    if (colon >= 0 && !found->takesArg) {
        error = QStringLiteral("the fault \"%1\" takes no argument").arg(name);
        return false;
    }
    if (found->needsArg && argText.isEmpty()) {
        error = QStringLiteral("the fault \"%1\" needs a number, as in %1:3").arg(name);
        return false;
    }
    if (!argText.isEmpty()) {
        bool ok = false;
        f.arg = argText.toInt(&ok);
        if (!ok || f.arg < 0 || (f.kind == FaultKind::ShortReply && f.arg == 0)) {
            error = QStringLiteral("bad number \"%1\" for the fault \"%2\"").arg(argText, name);
            return false;
        }
    } else if (f.kind == FaultKind::LateReply) {
        f.arg = Fault::kDefaultLateMs;
    }
    fault = f;
    return true;
}

} // namespace rackemu
