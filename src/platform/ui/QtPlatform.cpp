#include "platform/ui/QtPlatform.h"

#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/ui/HelpWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace platform {
namespace {

// Dialogs open over whatever modal dialog is up, so that dialog stays open behind them.
QWidget* dialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

MsgResult messageBox(const MsgBoxRequest& r)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(r.title);
    box.setText(r.prompt);
    switch (r.icon()) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct B {
        QMessageBox::StandardButton button;
        MsgResult result;
    };
    QList<B> buttons;
    switch (r.buttons()) {
    case vbOKCancel: buttons = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbAbortRetryIgnore:
        buttons = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
        break;
    case vbYesNoCancel: buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbYesNo: buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
    case vbRetryCancel: buttons = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
    default: buttons = {{QMessageBox::Ok, vbOK}}; break;
    }
    QMessageBox::StandardButtons set;
    for (const B& b : buttons)
        set |= b.button;
    box.setStandardButtons(set);
    const int defaultIndex = (r.style & vbDefaultButton3) ? 2 : (r.style & vbDefaultButton2) ? 1 : 0;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex].button);
    const int answer = box.exec();
    for (const B& b : buttons)
        if (answer == b.button)
            return b.result;
    // Closed with the window's close box: the box's escape answer.
    return buttons.size() == 1 ? vbOK : (r.buttons() == vbYesNo ? vbNo : vbCancel);
}

// What the one file dialog keeps from one use to the next, for the run: the folder of the last
// file chosen and the filter last selected (from 1).
struct FileDialogMemory {
    QString folder;
    int filterIndex = 1;
};

FileDialogMemory& fileDialogMemory()
{
    static FileDialogMemory memory;
    return memory;
}

// The file dialog; a Save dialog gives a name the extension of the chosen filter (see
// FileDialogRequest::endings) before it asks about replacing a file of that name.
class FileDialog : public QFileDialog {
public:
    FileDialog(const FileDialogRequest& request) : QFileDialog(dialogParent(), request.title), request_(request) {}

    // The path with the extension of the filter selected now.
    QString named(const QString& path) const
    {
        const int filterIndex = static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
        return withFilterExtension(path, request_.filter, filterIndex, request_.endings);
    }

    void accept() override
    {
        if (acceptMode() == AcceptSave && !selectedFiles().isEmpty()) {
            const QString path = selectedFiles().first();
            if (const QString full = named(path); full != path)
                selectFile(full);
        }
        QFileDialog::accept();
    }

private:
    const FileDialogRequest& request_;
};

std::optional<QString> fileDialog(const FileDialogRequest& r)
{
    FileDialogMemory& memory = fileDialogMemory();
    FileDialog dlg(r);
    const QStringList filters = toNameFilters(r.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    dlg.setNameFilters(filters);
    if (r.filterIndex > 0)
        memory.filterIndex = r.filterIndex;
    if (!filters.isEmpty())
        dlg.selectNameFilter(filters.at(std::clamp<qsizetype>(memory.filterIndex, 1, filters.size()) - 1));
    dlg.setAcceptMode(r.kind == FileDialogRequest::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.kind == FileDialogRequest::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QFileInfo proposed(r.fileName);
    if (proposed.isAbsolute())
        dlg.setDirectory(proposed.absolutePath());
    else if (!memory.folder.isEmpty())
        dlg.setDirectory(memory.folder);
    dlg.selectFile(proposed.fileName());
    const bool chosen = dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty();
    if (const qsizetype selected = filters.indexOf(dlg.selectedNameFilter()); selected >= 0)
        memory.filterIndex = static_cast<int>(selected) + 1;
    if (!chosen)
        return std::nullopt;
    const QString path = r.kind == FileDialogRequest::Save ? dlg.named(dlg.selectedFiles().first())
                                                           : dlg.selectedFiles().first();
    memory.folder = QFileInfo(path).absolutePath();
    return path;
}

std::unique_ptr<QPagedPaintDevice> printerDialog()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dlg(printer.get(), dialogParent());
    if (dlg.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

} // namespace

void installWidgetServices()
{
    setMsgBoxHandler(messageBox);
    setFileDialogHandler(fileDialog);
    setPrinterHandler(printerDialog);
    setHelpHandler(HelpWindow::show);
}

} // namespace platform
