/* The installer's side of a plug-in call, declared here as its published plug-in interface describes it.
 * Every function a plug-in exports is called with the installer's parent window, the size of the
 * installer's strings (in characters, terminator included), the installer's variables and the address of
 * the pointer to the top of the installer's string stack. It takes its arguments from that stack and
 * leaves its results on it. The functions use the C calling convention. */
#ifndef NSIS_API_H
#define NSIS_API_H

#ifdef __cplusplus
extern "C" {
#endif

/* One entry of the string stack: the next entry below it, then the text. The installer makes every
 * entry with room for string_size characters and frees popped entries with its heap
 * (nsis_heap_free). */
typedef struct nsis_stack_node {
    struct nsis_stack_node *next;
    char text[];
} nsis_stack_node;

#if defined(_WIN32)
#define NSIS_CALL __cdecl
#else
#define NSIS_CALL
#endif

/* The shape of an exported function. */
typedef void NSIS_CALL nsis_function(void *parent_window, int string_size, char *variables,
                                     nsis_stack_node **stacktop);

#ifdef __cplusplus
}
#endif

#endif
