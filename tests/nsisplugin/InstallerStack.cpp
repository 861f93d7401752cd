#include "InstallerStack.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "nsis_platform.h"

namespace {
std::size_t g_inUse = 0;
std::size_t g_allowed = std::numeric_limits<std::size_t>::max();
}

namespace installer_heap {
std::size_t inUse()
{
    return g_inUse;
}
void allowOnly(std::size_t count)
{
    g_allowed = count;
}
void allowAll()
{
    g_allowed = std::numeric_limits<std::size_t>::max();
}
}

extern "C" void *nsis_heap_alloc(std::size_t size)
{
    if (g_allowed == 0)
        return nullptr;
    if (g_allowed != std::numeric_limits<std::size_t>::max())
        --g_allowed;
    void *block = std::calloc(1, size);
    if (block)
        ++g_inUse;
    return block;
}

extern "C" void nsis_heap_free(void *block)
{
    if (!block)
        return;
    --g_inUse;
    std::free(block);
}

InstallerStack::~InstallerStack()
{
    while (pop()) {
    }
}

void InstallerStack::push(const std::string &text)
{
    auto *node = static_cast<nsis_stack_node *>(
        nsis_heap_alloc(offsetof(nsis_stack_node, text) + static_cast<std::size_t>(stringSize_)));
    std::strncpy(node->text, text.c_str(), static_cast<std::size_t>(stringSize_) - 1);
    node->next = top_;
    top_ = node;
}

std::optional<std::string> InstallerStack::pop()
{
    if (!top_)
        return std::nullopt;
    nsis_stack_node *node = top_;
    std::string text(node->text);
    top_ = node->next;
    nsis_heap_free(node);
    return text;
}

std::size_t InstallerStack::depth() const
{
    std::size_t n = 0;
    for (const nsis_stack_node *node = top_; node; node = node->next)
        ++n;
    return n;
}

std::vector<std::string> InstallerStack::call(nsis_function *function, const std::vector<std::string> &args)
{
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        push(*it);
    function(nullptr, stringSize_, nullptr, &top_);
    std::vector<std::string> left;
    while (auto text = pop())
        left.push_back(*text);
    return left;
}
