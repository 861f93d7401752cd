#pragma once
#include <QString>
#include <stdexcept>

namespace platform {

// A failure raised by a platform service: a number and the text the user is shown.
class Error : public std::runtime_error {
public:
    Error(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

// The number a dialog reports when the user cancels it.
constexpr int kCancelError = 32755;

} // namespace platform
