/* LaunchAppAndWait: starts a program and waits until it has ended. */
#include <stddef.h>

#include "BrenlowNSIS.h"
#include "nsis_command_line.h"
#include "nsis_platform.h"
#include "nsis_stack.h"

void NSIS_CALL LaunchAppAndWait(void *parent_window, int string_size, char *variables,
                                nsis_stack_node **stacktop)
{
    (void)parent_window;
    (void)variables;
    nsis_stack_attach(string_size, stacktop);

    char *line = nsis_heap_alloc(nsis_string_capacity());
    if (!line)
        return;
    if (PopString(line) != 0) {
        nsis_heap_free(line);
        PushString("No path specified");
        return;
    }
    char *command_line = nsis_command_line_for(line);
    nsis_heap_free(line);

    nsis_run_result result = command_line ? nsis_run_and_wait(command_line) : NSIS_RUN_NOT_STARTED;
    nsis_heap_free(command_line);
    switch (result) {
    case NSIS_RUN_ENDED:
        PushString("OK");
        break;
    case NSIS_RUN_WAIT_FAILED:
        PushString("WaitForSingleObject() Failed");
        break;
    case NSIS_RUN_NOT_STARTED:
        PushString("CreateProcess() Failed");
        break;
    }
}
