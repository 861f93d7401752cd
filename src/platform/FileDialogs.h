#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace platform {

// The shared file dialog. Filters are written as the program always wrote them:
// "description|pattern|description|pattern", e.g. "access (*.mdb) | *.mdb". The program has one
// such dialog: it keeps, for the run, the folder of the last file chosen and the filter last
// selected.
struct FileDialogRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QString title;
    QString fileName;  // proposed file name or path
    QString filter;
    int filterIndex = 0;  // the filter preselected, from 1; 0: the one the last use preselected
    // Save: a name that does not end in one of these (in any case) gets the extension of the filter
    // chosen in the dialog (".bin" for "*.bin", none for "*.*") before the dialog asks about
    // replacing an existing file. Empty: the name stays as typed.
    QStringList endings = {};
};

// The chosen path, or nothing when the user cancelled (Cancel is "no choice", not an error).
std::optional<QString> ShowFileDialog(const FileDialogRequest& request);
inline std::optional<QString> ShowOpen(const QString& fileName, const QString& filter, int filterIndex = 0)
{
    return ShowFileDialog({FileDialogRequest::Open, QString(), fileName, filter, filterIndex});
}
inline std::optional<QString> ShowSave(const QString& fileName, const QString& filter, int filterIndex = 0)
{
    return ShowFileDialog({FileDialogRequest::Save, QString(), fileName, filter, filterIndex});
}

// The printer dialog: a device to paint the pages on, or null when the user cancelled.
// The program gives a QPrinter; tests give a PDF writer.
std::unique_ptr<QPagedPaintDevice> ShowPrinter();

// `path` as a Save dialog hands it back (see FileDialogRequest::endings): with the extension of
// filter `filterIndex` (from 1) of `filter` when it ends in none of `endings`.
QString withFilterExtension(const QString& path, const QString& filter, int filterIndex, const QStringList& endings);

// "access (*.mdb) | *.mdb" -> "access (*.mdb)" as a widget toolkit filter list (";;" between entries);
// a description that already names its pattern (in any case) shows it once.
QString toNameFilters(const QString& filter);

using FileDialogHandler = std::function<std::optional<QString>(const FileDialogRequest&)>;
using PrinterHandler = std::function<std::unique_ptr<QPagedPaintDevice>()>;
FileDialogHandler setFileDialogHandler(FileDialogHandler handler);
PrinterHandler setPrinterHandler(PrinterHandler handler);

} // namespace platform
