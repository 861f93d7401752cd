/* The plug-in on Linux: programs are looked up as posix_spawnp does, and a command line is split into
 * words at blanks, double quotes holding blanks within a word. The heap comes from the host. */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "nsis_platform.h"

extern char **environ;

static int is_program(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) && access(path, X_OK) == 0;
}

int nsis_program_exists(const char *name)
{
    if (!*name)
        return 0;
    if (strchr(name, '/'))
        return is_program(name);
    const char *search = getenv("PATH");
    if (!search)
        search = "/bin:/usr/bin";
    size_t name_length = strlen(name);
    char *path = malloc(strlen(search) + name_length + 3);
    if (!path)
        return 0;
    int found = 0;
    while (!found) {
        size_t dir_length = strcspn(search, ":");
        if (dir_length == 0) {
            path[0] = '.';
            dir_length = 1;
        } else {
            memcpy(path, search, dir_length);
        }
        path[dir_length] = '/';
        memcpy(path + dir_length + 1, name, name_length + 1);
        found = is_program(path);
        search += strcspn(search, ":");
        if (!*search)
            break;
        search++;
    }
    free(path);
    return found;
}

static int is_blank(char c)
{
    return c == ' ' || c == '\t';
}

nsis_run_result nsis_run_and_wait(char *command_line)
{
    /* The words are written back into command_line, each ended by a zero. */
    char **argv = malloc((strlen(command_line) / 2 + 2) * sizeof *argv);
    if (!argv)
        return NSIS_RUN_NOT_STARTED;
    size_t argc = 0;
    char *read = command_line;
    char *write = command_line;
    for (;;) {
        while (is_blank(*read))
            read++;
        if (!*read)
            break;
        argv[argc++] = write;
        int quoted = 0;
        for (; *read && (quoted || !is_blank(*read)); read++) {
            if (*read == '"')
                quoted = !quoted;
            else
                *write++ = *read;
        }
        if (*read)
            read++;
        *write++ = '\0';
    }
    argv[argc] = NULL;

    pid_t pid;
    int started = argc > 0 && posix_spawnp(&pid, argv[0], NULL, NULL, argv, environ) == 0;
    free(argv);
    if (!started)
        return NSIS_RUN_NOT_STARTED;
    int status;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return NSIS_RUN_WAIT_FAILED;
    }
    return NSIS_RUN_ENDED;
}
