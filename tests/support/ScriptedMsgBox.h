#pragma once
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"

#include <QList>
#include <QString>
#include <optional>

namespace testsupport {

// Makes every message box and file dialog that no script expects fail the running test;
// puts the program's own help window in place.
void installUnexpectedDialogGuards();

// Answers message boxes in the order the test expects them and records every box shown.
// A box that no expectation is left for fails the test; expectations left over fail it too.
class ScriptedMsgBox {
public:
    ScriptedMsgBox();
    ~ScriptedMsgBox();
    ScriptedMsgBox(const ScriptedMsgBox&) = delete;
    ScriptedMsgBox& operator=(const ScriptedMsgBox&) = delete;

    // The next box's text must contain `text`; it is answered with `answer`.
    ScriptedMsgBox& expect(const QString& text, platform::MsgResult answer = platform::vbOK);
    // Every box from now on is answered with `answer` and recorded, none fails the test.
    ScriptedMsgBox& answerAll(platform::MsgResult answer = platform::vbOK);

    const QList<platform::MsgBoxRequest>& shown() const { return shown_; }
    QStringList texts() const;
    int pending() const { return static_cast<int>(expected_.size()); }

private:
    struct Expectation {
        QString text;
        platform::MsgResult answer;
    };
    QList<Expectation> expected_;
    QList<platform::MsgBoxRequest> shown_;
    std::optional<platform::MsgResult> answerAll_;
    platform::MsgBoxHandler previous_;
};

// Answers file dialogs in order: a path, or nothing for Cancel. Records every request.
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The user chooses `path` with filter `filterIndex` (from 1) selected; a Save dialog hands it
    // back with that filter's extension as the program's dialog does (FileDialogRequest::endings).
    ScriptedFileDialogs& answer(std::optional<QString> path, int filterIndex = 1);
    const QList<platform::FileDialogRequest>& requests() const { return requests_; }

private:
    struct Answer {
        std::optional<QString> path;
        int filterIndex;
    };
    QList<Answer> answers_;
    QList<platform::FileDialogRequest> requests_;
    platform::FileDialogHandler previous_;
};

} // namespace testsupport
