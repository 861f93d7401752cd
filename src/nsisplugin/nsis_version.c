/* Version texts, and CompareVersions. */
#include "nsis_version.h"

#include <limits.h>
#include <string.h>

#include "BrenlowNSIS.h"
#include "nsis_platform.h"
#include "nsis_stack.h"

/* The leading decimal number of piece (up to its end), as atoi reads it but held within int. */
static int read_field(const char *piece, const char *end)
{
    while (piece < end && (*piece == ' ' || (*piece >= '\t' && *piece <= '\r')))
        piece++;
    int negative = 0;
    if (piece < end && (*piece == '+' || *piece == '-'))
        negative = *piece++ == '-';
    long long limit = negative ? -(long long)INT_MIN : INT_MAX;
    long long value = 0;
    for (; piece < end && *piece >= '0' && *piece <= '9'; piece++) {
        value = value * 10 + (*piece - '0');
        if (value > limit)
            value = limit;
    }
    return (int)(negative ? -value : value);
}

void NormalizeVersion(const char *text, int fields[NSIS_VERSION_FIELDS])
{
    int count = 0;
    while (count < NSIS_VERSION_FIELDS) {
        text += strspn(text, ".");
        if (!*text)
            break;
        const char *end = text + strcspn(text, ".");
        fields[count++] = read_field(text, end);
        text = end;
    }
    while (count < NSIS_VERSION_FIELDS)
        fields[count++] = 0;
}

int nsis_compare_versions(const char *a, const char *b)
{
    int fa[NSIS_VERSION_FIELDS], fb[NSIS_VERSION_FIELDS];
    NormalizeVersion(a, fa);
    NormalizeVersion(b, fb);
    for (int i = 0; i < NSIS_VERSION_FIELDS; i++) {
        if (fa[i] != fb[i])
            return fa[i] < fb[i] ? -1 : 1;
    }
    return 0;
}

void NSIS_CALL CompareVersions(void *parent_window, int string_size, char *variables,
                               nsis_stack_node **stacktop)
{
    (void)parent_window;
    (void)variables;
    nsis_stack_attach(string_size, stacktop);

    size_t capacity = nsis_string_capacity();
    /* Zero-filled: a version that cannot be popped stays the empty version. */
    char *a = nsis_heap_alloc(capacity);
    char *b = nsis_heap_alloc(capacity);
    if (a && b) {
        if (PopString(a) == 0)
            PopString(b);
        int order = nsis_compare_versions(a, b);
        PushString(order == 0 ? "EQUAL" : order < 0 ? "LESSER" : "GREATER");
    }
    nsis_heap_free(a);
    nsis_heap_free(b);
}
