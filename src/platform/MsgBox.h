#pragma once
#include <QString>
#include <functional>

namespace platform {

// Button sets, icons and answers of a message box, as the program has always numbered them.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

struct MsgBoxRequest {
    QString prompt;
    int style = vbOKOnly;  // buttons + icon + default button
    QString title;         // the program's title when empty

    int buttons() const { return style & 0x0F; }
    int icon() const { return style & 0xF0; }
};

// The program's title, used when a box is given none.
QString appTitle();

// Shows a message box and returns the user's answer. The window layer installs the real box;
// tests install a script.
MsgResult MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

using MsgBoxHandler = std::function<MsgResult(const MsgBoxRequest&)>;
// Installs a handler and returns the previous one.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

} // namespace platform
