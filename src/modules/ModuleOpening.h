#pragma once
// What the module dialogs share when they put modules into document windows: the serial number
// of a typed or listed text, opening a module in a new window of its type, and the unlink flag held
// off while windows open.
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

class IDocumentWindow;

namespace moduleopen {

// The value of a text of decimal digits, blanks around them allowed; nothing for an empty text,
// any other character, or more than 9 digits.
std::optional<long> digitsValue(const QString& text);
// The same for a serial number: nothing also for a value above 16777215.
std::optional<long> serialValue(const QString& text);

// Opens a module of type code `typeCode` in a new document window of its kind (tone remote, or
// radio for every other code) through `opener`, one of the window's intInitFrom... members, which
// shows the window and reports its own failures. The opener's status.
int16_t intOpenInWindow(int16_t typeCode, const std::function<int16_t(IDocumentWindow&)>& opener);

// Keeps the document windows from unlinking while the dialogs create and fill them: clears
// basVelmar::gUnlinkOnViewClose and puts the saved value back when it goes, on every path.
class UnlinkOnViewCloseOff {
public:
    UnlinkOnViewCloseOff();
    ~UnlinkOnViewCloseOff();
    UnlinkOnViewCloseOff(const UnlinkOnViewCloseOff&) = delete;
    UnlinkOnViewCloseOff& operator=(const UnlinkOnViewCloseOff&) = delete;

private:
    bool saved_;
};

} // namespace moduleopen
