/* Which program a command line starts. */
#include "nsis_command_line.h"

#include <string.h>

#include "nsis_platform.h"

static int is_blank(char c)
{
    return c == ' ' || c == '\t';
}

char *nsis_command_line_for(const char *line)
{
    const char *start = line;
    while (is_blank(*start))
        start++;
    if (!*start)
        return NULL;
    size_t length = strlen(line);
    /* Room for the line and the two quotes around its program. */
    char *result = nsis_heap_alloc(length + 3);
    if (!result)
        return NULL;

    const char *first_word_end = start + strcspn(start, " \t");
    const char *second_word = first_word_end + strspn(first_word_end, " \t");
    if (*start == '"' || !*second_word) {
        memcpy(result, line, length + 1);
        return result;
    }

    /* Readings of the program from the longest (the whole line) down to the first word. */
    const char *end = line + length;
    while (is_blank(end[-1]))
        end--;
    for (;;) {
        size_t n = (size_t)(end - start);
        memcpy(result, start, n);
        result[n] = '\0';
        if (nsis_program_exists(result))
            break;
        if (end == first_word_end) {
            nsis_heap_free(result);
            return NULL;
        }
        while (!is_blank(end[-1]))
            end--;
        while (is_blank(end[-1]))
            end--;
    }

    if (end == first_word_end) {
        memcpy(result, line, length + 1);
        return result;
    }
    size_t n = (size_t)(end - start);
    memmove(result + 1, result, n);
    result[0] = '"';
    result[n + 1] = '"';
    memcpy(result + n + 2, end, strlen(end) + 1);
    return result;
}
