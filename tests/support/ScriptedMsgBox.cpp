#include "support/ScriptedMsgBox.h"

#include "platform/Help.h"
#include "platform/ui/HelpWindow.h"

#include <QPagedPaintDevice>
#include <QStringList>
#include <gtest/gtest.h>

namespace testsupport {

void installUnexpectedDialogGuards()
{
    platform::setMsgBoxHandler([](const platform::MsgBoxRequest& r) {
        ADD_FAILURE() << "unexpected message box: [" << r.title.toStdString() << "] " << r.prompt.toStdString();
        return platform::vbCancel;
    });
    platform::setFileDialogHandler([](const platform::FileDialogRequest& r) -> std::optional<QString> {
        ADD_FAILURE() << "unexpected file dialog for " << r.fileName.toStdString();
        return std::nullopt;
    });
    // The help window is the program's own; tests look at it directly.
    platform::setHelpHandler(platform::HelpWindow::show);
    platform::setPrinterHandler([]() -> std::unique_ptr<QPagedPaintDevice> {
        ADD_FAILURE() << "unexpected printer dialog";
        return nullptr;
    });
}

ScriptedMsgBox::ScriptedMsgBox()
{
    previous_ = platform::setMsgBoxHandler([this](const platform::MsgBoxRequest& r) {
        shown_ << r;
        if (!expected_.isEmpty()) {
            const Expectation e = expected_.takeFirst();
            EXPECT_TRUE(r.prompt.contains(e.text))
                << "message box \"" << r.prompt.toStdString() << "\" where \"" << e.text.toStdString()
                << "\" was expected";
            return e.answer;
        }
        if (answerAll_)
            return *answerAll_;
        ADD_FAILURE() << "unexpected message box: [" << r.title.toStdString() << "] " << r.prompt.toStdString();
        return platform::vbCancel;
    });
}

ScriptedMsgBox::~ScriptedMsgBox()
{
    platform::setMsgBoxHandler(previous_);
    for (const Expectation& e : expected_)
        ADD_FAILURE() << "expected message box never shown: " << e.text.toStdString();
}

ScriptedMsgBox& ScriptedMsgBox::expect(const QString& text, platform::MsgResult answer)
{
    expected_ << Expectation{text, answer};
    return *this;
}

ScriptedMsgBox& ScriptedMsgBox::answerAll(platform::MsgResult answer)
{
    answerAll_ = answer;
    return *this;
}

QStringList ScriptedMsgBox::texts() const
{
    QStringList out;
    for (const auto& r : shown_)
        out << r.prompt;
    return out;
}

ScriptedFileDialogs::ScriptedFileDialogs()
{
    previous_ = platform::setFileDialogHandler([this](const platform::FileDialogRequest& r) -> std::optional<QString> {
        requests_ << r;
        if (answers_.isEmpty()) {
            ADD_FAILURE() << "unexpected file dialog for " << r.fileName.toStdString();
            return std::nullopt;
        }
        const Answer a = answers_.takeFirst();
        if (!a.path || r.kind != platform::FileDialogRequest::Save)
            return a.path;
        return platform::withFilterExtension(*a.path, r.filter, a.filterIndex, r.endings);
    });
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    platform::setFileDialogHandler(previous_);
    if (!answers_.isEmpty())
        ADD_FAILURE() << answers_.size() << " file dialog answer(s) never asked for";
}

ScriptedFileDialogs& ScriptedFileDialogs::answer(std::optional<QString> path, int filterIndex)
{
    answers_ << Answer{std::move(path), filterIndex};
    return *this;
}

} // namespace testsupport
