/* chronox32 on POSIX systems: the monotonic clock as the counter, a load-time
 * constructor as the entry procedure, the desktop's viewer and lp for the
 * report, stderr for messages. */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <fcntl.h>
#include <locale.h>
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

extern char **environ;

__attribute__((constructor)) static void hrt_process_attach(void)
{
    hrt_init();
}

int hrt_plat_supported(void)
{
    struct timespec ts;
    return clock_getres(CLOCK_MONOTONIC, &ts) == 0 && clock_gettime(CLOCK_MONOTONIC, &ts) == 0;
}

int64_t hrt_plat_frequency(void)
{
    return 1000000000;
}

int64_t hrt_plat_counter(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

int64_t hrt_plat_calendar_time(void)
{
    return (int64_t)time(NULL);
}

int hrt_plat_localtime(int64_t calendar_time, struct tm *local)
{
    time_t t = (time_t)calendar_time;
    return localtime_r(&t, local) != NULL;
}

static void file_error(const char *path)
{
    fprintf(stderr, "chronox32: cannot write the timer report %s: %s\n", path, strerror(errno));
}

static int open_temporary(hrt_outfile *out)
{
    const char *dir = getenv("TMPDIR");
    if (!dir || !*dir)
        dir = "/tmp";
    int n = snprintf(out->path, sizeof out->path, "%s/hrtXXXXXX", dir);
    if (n < 0 || (size_t)n >= sizeof out->path) {
        errno = ENAMETOOLONG;
        file_error(dir);
        return 0;
    }
    int fd = mkstemp(out->path);
    if (fd < 0) {
        file_error(out->path);
        return 0;
    }
    out->temporary = 1;
    out->fp = fdopen(fd, "w");
    if (!out->fp) {
        file_error(out->path);
        close(fd);
        unlink(out->path);
        return 0;
    }
    return 1;
}

/* A new file beside the target, created with the target's permissions (or
 * the usual ones for a new file), to be renamed over it when complete. */
static int open_beside(hrt_outfile *out, const struct stat *target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        int n = snprintf(out->work, sizeof out->work, "%s.%ld-%d~", out->path, (long)getpid(), attempt);
        if (n < 0 || (size_t)n >= sizeof out->work) {
            errno = ENAMETOOLONG;
            break;
        }
        int fd = open(out->work, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        if (target)
            fchmod(fd, target->st_mode & 07777);
        out->fp = fdopen(fd, "w");
        if (out->fp)
            return 1;
        close(fd);
        unlink(out->work);
        break;
    }
    file_error(out->path);
    out->work[0] = '\0';
    return 0;
}

int hrt_plat_out_open(hrt_outfile *out, const char *name)
{
    memset(out, 0, sizeof *out);
    if (!name || !*name)
        return open_temporary(out);
    size_t len = strlen(name);
    if (len >= sizeof out->path) {
        errno = ENAMETOOLONG;
        file_error(name);
        return 0;
    }
    memcpy(out->path, name, len + 1);
    struct stat st;
    if (lstat(name, &st) != 0)
        return open_beside(out, NULL);
    if (S_ISREG(st.st_mode))
        return open_beside(out, &st);
    /* A device, a pipe or a link is written where it is. */
    out->fp = fopen(name, "w");
    if (!out->fp) {
        file_error(name);
        return 0;
    }
    return 1;
}

int hrt_plat_out_close(hrt_outfile *out)
{
    int ok = !ferror(out->fp);
    if (fflush(out->fp) != 0)
        ok = 0;
    if (ok && fsync(fileno(out->fp)) != 0 && errno != EINVAL && errno != EROFS)
        ok = 0;
    int saved = errno;
    if (fclose(out->fp) != 0) {
        if (ok)
            saved = errno;
        ok = 0;
    }
    out->fp = NULL;
    if (ok && out->work[0] && rename(out->work, out->path) != 0) {
        saved = errno;
        ok = 0;
    }
    if (!ok) {
        errno = saved;
        file_error(out->path);
        if (out->work[0])
            unlink(out->work);
        else if (out->temporary)
            unlink(out->path);
    }
    out->work[0] = '\0';
    return ok;
}

void hrt_plat_remove(const char *path)
{
    unlink(path);
}

/* Runs program with one file argument and waits for it; 1 when it exits with 0. */
static int run_and_wait(const char *program, const char *path)
{
    char arg[HRT_PATH_MAX + 2];
    /* A name that starts with '-' must not be taken for an option. */
    snprintf(arg, sizeof arg, "%s%s", path[0] == '-' ? "./" : "", path);
    char *argv[] = {(char *)program, arg, NULL};
    pid_t pid;
    if (posix_spawnp(&pid, program, NULL, NULL, argv, environ) != 0)
        return 0;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return 0;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int hrt_plat_show(const char *path)
{
    const char *viewer = getenv("CHRONOX32_VIEWER");
    return run_and_wait(viewer && *viewer ? viewer : "xdg-open", path);
}

int hrt_plat_print(const char *path)
{
    const char *lp = getenv("CHRONOX32_LP");
    return run_and_wait(lp && *lp ? lp : "lp", path);
}

void hrt_plat_message(const char *title, const char *text)
{
    fprintf(stderr, "%s: %s\n", title, text);
}

typedef struct {
    locale_t c;
    locale_t previous;
} numbers_locale;

static numbers_locale numbers;

void *hrt_plat_c_numbers_begin(void)
{
    numbers.c = newlocale(LC_NUMERIC_MASK, "C", (locale_t)0);
    if (numbers.c == (locale_t)0)
        return NULL;
    numbers.previous = uselocale(numbers.c);
    return &numbers;
}

void hrt_plat_c_numbers_end(void *saved)
{
    numbers_locale *n = saved;
    if (!n)
        return;
    uselocale(n->previous);
    freelocale(n->c);
    n->c = (locale_t)0;
}
