/* The plug-in on Windows: the global heap the installer frees its stack entries with, the system's
 * program search, CreateProcess and an entry procedure that only reports success. */
#include <windows.h>

#include "nsis_platform.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}

void *nsis_heap_alloc(size_t size)
{
    return (void *)GlobalAlloc(GPTR, size);
}

void nsis_heap_free(void *block)
{
    if (block)
        GlobalFree((HGLOBAL)block);
}

int nsis_program_exists(const char *name)
{
    if (!*name)
        return 0;
    /* Where the system looks for a program, with .exe added to a name without an extension. A path
     * longer than the buffer is reported by the length it needs; a shorter one is checked for being a
     * folder. */
    char found[MAX_PATH];
    DWORD length = SearchPathA(NULL, name, ".exe", sizeof found, found, NULL);
    if (length == 0)
        return 0;
    if (length >= sizeof found)
        return 1;
    DWORD attributes = GetFileAttributesA(found);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

nsis_run_result nsis_run_and_wait(char *command_line)
{
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    if (!CreateProcessA(NULL, command_line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return NSIS_RUN_NOT_STARTED;
    DWORD waited = WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0 ? NSIS_RUN_ENDED : NSIS_RUN_WAIT_FAILED;
}
