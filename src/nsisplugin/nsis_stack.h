/* The installer's string stack as the exported functions see it: every exported function attaches the
 * stack it was called with before it pops or pushes. */
#ifndef NSIS_STACK_H
#define NSIS_STACK_H

#include <stddef.h>

#include "nsis_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Sets the string size and the stack of the current call. */
void nsis_stack_attach(int string_size, nsis_stack_node **stacktop);

/* Bytes a text of the installer takes, terminator included: the string size, at least 1. */
size_t nsis_string_capacity(void);

/* Copies the top text into buffer (nsis_string_capacity() bytes; a longer text is cut), unlinks the
 * entry and frees it: 0. 1 when there is no stack or it is empty; buffer is then untouched. */
int PopString(char *buffer);

/* Puts a copy of text on top (cut to the string size). Without a stack, or when no memory is left,
 * nothing is pushed. */
void PushString(const char *text);

#ifdef __cplusplus
}
#endif

#endif
