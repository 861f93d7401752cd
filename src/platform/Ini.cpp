#include "platform/Ini.h"

#include "platform/AtomicFile.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <optional>

namespace platform::Ini {
namespace {

QStringList readLines(const QString& path, bool* exists = nullptr)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (exists)
            *exists = false;
        return {};
    }
    if (exists)
        *exists = true;
    QString text = QString::fromLatin1(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QString> sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

bool keyLine(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

std::optional<QString> lookup(const QString& section, const QString& key, const QString& path)
{
    bool inSection = false;
    for (const QString& line : readLines(path)) {
        if (auto s = sectionName(line)) {
            inSection = s->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && keyLine(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return std::nullopt;
}

} // namespace

long GetPrivateProfileInt(const QString& section, const QString& key, long defaultValue, const QString& path)
{
    const auto v = lookup(section, key, path);
    if (!v)
        return defaultValue;
    long n = 0;
    for (QChar c : *v) {
        if (!c.isDigit() || c.unicode() > 127)
            break;
        n = n * 10 + (c.unicode() - '0');
        if (n > 0x7FFFFFFFL)
            return 0x7FFFFFFFL;
    }
    return n;
}

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path)
{
    return lookup(section, key, path).value_or(defaultValue);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value, const QString& path,
                               QString* error)
{
    bool exists = false;
    QStringList lines = readLines(path, &exists);
    if (!exists && QFile::exists(path)) {
        // There but unreadable: keep it as it is.
        if (error)
            *error = QStringLiteral("Cannot read the file %1.").arg(QDir::toNativeSeparators(path));
        return false;
    }

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1, sectionEnd = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (auto s = sectionName(lines[i])) {
            if (sectionStart >= 0) {
                sectionEnd = i;
                break;
            }
            if (s->compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = i;
            continue;
        }
        QString k, v;
        if (sectionStart >= 0 && keyLine(lines[i], &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionStart < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            qsizetype at = sectionEnd >= 0 ? sectionEnd : lines.size();
            while (at > sectionStart + 1 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, entry);
        }
    }

    try {
        writeFileAtomically(path, lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        return true;
    } catch (const Error& e) {
        if (error)
            *error = e.description();
        return false;
    }
}

} // namespace platform::Ini
