#include "platform/FileDialogs.h"

#include <QPagedPaintDevice>
#include <QRegularExpression>
#include <QStringList>

namespace platform {
namespace {

FileDialogHandler& fileHandler()
{
    static FileDialogHandler h;
    return h;
}

PrinterHandler& printerHandler()
{
    static PrinterHandler h;
    return h;
}

} // namespace

std::optional<QString> ShowFileDialog(const FileDialogRequest& request)
{
    if (!fileHandler())
        return std::nullopt;
    return fileHandler()(request);
}

std::unique_ptr<QPagedPaintDevice> ShowPrinter()
{
    if (!printerHandler())
        return nullptr;
    return printerHandler()();
}

QString withFilterExtension(const QString& path, const QString& filter, int filterIndex, const QStringList& endings)
{
    if (endings.isEmpty())
        return path;
    for (const QString& ending : endings)
        if (path.endsWith(ending, Qt::CaseInsensitive))
            return path;
    const QStringList parts = filter.split(QLatin1Char('|'));
    const int patternAt = 2 * filterIndex - 1;
    if (filterIndex < 1 || patternAt >= parts.size())
        return path;
    // The first pattern of the filter, when it names one extension: "*.bin" or "*.bin;*.BIN".
    static const QRegularExpression oneExtension(QStringLiteral("^\\*(\\.\\w+)$"));
    const QRegularExpressionMatch m = oneExtension.match(parts.at(patternAt).split(QLatin1Char(';')).first().trimmed());
    return m.hasMatch() ? path + m.captured(1) : path;
}

QString toNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (!name.contains(pattern, Qt::CaseInsensitive))
            name += QStringLiteral(" (") + pattern + QLatin1Char(')');
        out << name;
    }
    return out.join(QStringLiteral(";;"));
}

FileDialogHandler setFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler old = fileHandler();
    fileHandler() = std::move(handler);
    return old;
}

PrinterHandler setPrinterHandler(PrinterHandler handler)
{
    PrinterHandler old = printerHandler();
    printerHandler() = std::move(handler);
    return old;
}

} // namespace platform
