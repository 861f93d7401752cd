#pragma once

namespace platform {

// The hourglass for the lifetime of the guard; restored on every path out of the scope.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};

} // namespace platform
