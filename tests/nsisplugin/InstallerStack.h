// The installer's side of a plug-in call, played by the tests: its heap (which counts the blocks in use
// and can be told to run out) and its string stack, made and emptied as the installer does.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "nsis_api.h"

namespace installer_heap {
// Blocks allocated and not yet freed.
std::size_t inUse();
// The next `count` allocations succeed and every later one fails, until allowAll().
void allowOnly(std::size_t count);
void allowAll();
}

class InstallerStack {
public:
    explicit InstallerStack(int stringSize = 1024) : stringSize_(stringSize) {}
    ~InstallerStack();
    InstallerStack(const InstallerStack &) = delete;
    InstallerStack &operator=(const InstallerStack &) = delete;

    // An entry with room for the string size, as the installer's Push makes it.
    void push(const std::string &text);
    // The top text, its entry freed; nothing when the stack is empty.
    std::optional<std::string> pop();
    std::size_t depth() const;

    // Pushes args so that the first is on top (as a plug-in call in a script does), calls function
    // and returns everything then on the stack, top first, leaving it empty.
    std::vector<std::string> call(nsis_function *function, const std::vector<std::string> &args);

    int stringSize() const { return stringSize_; }
    nsis_stack_node **top() { return &top_; }

private:
    int stringSize_;
    nsis_stack_node *top_ = nullptr;
};
