/* What the plug-in asks of the system; nsis_platform_win32.c in the Windows DLL, nsis_platform_posix.c
 * on Linux. */
#ifndef NSIS_PLATFORM_H
#define NSIS_PLATFORM_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The heap the installer makes and frees its stack entries with: a zero-filled block, NULL when no
 * memory is left. In the Windows DLL it is the global heap; on Linux the host that calls the exported
 * functions (the installer, or a test playing it) supplies these two. */
void *nsis_heap_alloc(size_t size);
void nsis_heap_free(void *block); /* NULL is let be */

/* 1 when name is a program the system would start for it (a path, or a name it searches for), else 0. */
int nsis_program_exists(const char *name);

typedef enum {
    NSIS_RUN_ENDED,       /* started, and it has ended */
    NSIS_RUN_NOT_STARTED, /* the system could not start it */
    NSIS_RUN_WAIT_FAILED  /* started, but waiting for its end failed */
} nsis_run_result;

/* Starts command_line (the program first, a program name with blanks in double quotes, then its
 * arguments) with the installer's environment and current folder, and waits without time limit until
 * the program has ended. The system may write into command_line. */
nsis_run_result nsis_run_and_wait(char *command_line);

#ifdef __cplusplus
}
#endif

#endif
