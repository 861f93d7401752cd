/* The string stack of the current call. */
#include "nsis_stack.h"

#include <string.h>

#include "nsis_platform.h"

static int g_string_size;
static nsis_stack_node **g_stacktop;

void nsis_stack_attach(int string_size, nsis_stack_node **stacktop)
{
    g_string_size = string_size;
    g_stacktop = stacktop;
}

size_t nsis_string_capacity(void)
{
    return g_string_size > 1 ? (size_t)g_string_size : 1;
}

int PopString(char *buffer)
{
    if (!g_stacktop || !*g_stacktop)
        return 1;
    nsis_stack_node *top = *g_stacktop;
    size_t length = strnlen(top->text, nsis_string_capacity() - 1);
    memcpy(buffer, top->text, length);
    buffer[length] = '\0';
    *g_stacktop = top->next;
    nsis_heap_free(top);
    return 0;
}

void PushString(const char *text)
{
    if (!g_stacktop)
        return;
    size_t capacity = nsis_string_capacity();
    nsis_stack_node *node = nsis_heap_alloc(offsetof(nsis_stack_node, text) + capacity);
    if (!node)
        return;
    memcpy(node->text, text, strnlen(text, capacity - 1));
    node->next = *g_stacktop;
    *g_stacktop = node;
}
