/* A Windows program that plays the installer for BrenlowNSIS.dll: loads the
 * DLL beside it, builds the string stack as the installer builds it (entries
 * from the global heap with room for the string size, the first argument on
 * top), calls both exports with the string size and the variables, and checks
 * what they leave. Run under wine by tests/nsisplugin/wine_harness_test.sh,
 * with marker.exe, "my app\marker.exe" and my.exe beside it.
 *   usage: harness.exe   (exit status 0 when every check held) */
#include <windows.h>

#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "nsis_api.h"
#include "version_cases.h"

#define STRING_SIZE 1024
#define VARIABLES 25 /* $0-$9, $R0-$R9, $CMDLINE, $INSTDIR, $OUTDIR, $EXEDIR, $LANGUAGE */
#define MAX_RESULTS 4

static int failures;
static nsis_stack_node* stacktop;
static char variables[VARIABLES * STRING_SIZE];
static char folder[MAX_PATH];

#define CHECK(cond, ...)                                                                                               \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            printf("  FAILED %s:%d: ", __FILE__, __LINE__);                                                            \
            printf(__VA_ARGS__);                                                                                       \
            printf("\n");                                                                                              \
            ++failures;                                                                                                \
        }                                                                                                              \
    } while (0)

static void push(const char* text)
{
    nsis_stack_node* node = (nsis_stack_node*)GlobalAlloc(GPTR, offsetof(nsis_stack_node, text) + STRING_SIZE);
    lstrcpynA(node->text, text, STRING_SIZE);
    node->next = stacktop;
    stacktop = node;
}

/* Pushes the arguments so that the first is on top, calls the function, and
 * pops everything then on the stack into results, top first; returns how many. */
static int call(nsis_function* function, const char* const* args, int count, char results[][STRING_SIZE])
{
    for (int i = count - 1; i >= 0; --i)
        push(args[i]);
    function(NULL, STRING_SIZE, variables, &stacktop);
    int n = 0;
    while (stacktop) {
        nsis_stack_node* node = stacktop;
        if (n < MAX_RESULTS)
            lstrcpynA(results[n], node->text, STRING_SIZE);
        ++n;
        stacktop = node->next;
        GlobalFree((HGLOBAL)node);
    }
    return n;
}

/* One word back, and nothing else left on the stack. */
static void expect_one(nsis_function* function, const char* const* args, int count, const char* expected,
                       const char* what)
{
    char results[MAX_RESULTS][STRING_SIZE];
    int n = call(function, args, count, results);
    CHECK(n == 1 && strcmp(results[0], expected) == 0, "%s: %d results, the first \"%s\"; expected \"%s\"", what, n,
          n ? results[0] : "", expected);
}

static void versions(nsis_function* compare)
{
    for (size_t i = 0; i < VERSION_CASES; ++i) {
        const struct version_case* c = &version_cases[i];
        const char *forward[] = {c->a, c->b}, *backward[] = {c->b, c->a};
        const char* mirrored = !strcmp(c->result, "GREATER") ? "LESSER"
            : !strcmp(c->result, "LESSER")                   ? "GREATER"
                                                             : "EQUAL";
        char what[128];
        snprintf(what, sizeof what, "\"%s\" against \"%s\"", c->a, c->b);
        expect_one(compare, forward, 2, c->result, what);
        snprintf(what, sizeof what, "\"%s\" against \"%s\"", c->b, c->a);
        expect_one(compare, backward, 2, mirrored, what);
    }
    const char* alone[] = {"1.2"};
    expect_one(compare, alone, 1, "GREATER", "one version alone");
    expect_one(compare, NULL, 0, "EQUAL", "no version");

    /* The two arguments are taken, what lies below them stays. */
    char results[MAX_RESULTS][STRING_SIZE];
    push("below");
    const char* two[] = {"3", "2"};
    int n = call(compare, two, 2, results);
    CHECK(n == 2 && !strcmp(results[0], "GREATER") && !strcmp(results[1], "below"),
          "an entry below the arguments: %d results", n);
}

static int file_exists(const char* name)
{
    char path[MAX_PATH + 64];
    snprintf(path, sizeof path, "%s\\%s", folder, name);
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

/* The first line of a file the marker program wrote: its name as started. */
static void first_line(const char* name, char* line, size_t size)
{
    char path[MAX_PATH + 64];
    snprintf(path, sizeof path, "%s\\%s", folder, name);
    line[0] = '\0';
    FILE* fp = fopen(path, "r");
    if (!fp)
        return;
    if (fgets(line, (int)size, fp))
        line[strcspn(line, "\r\n")] = '\0';
    fclose(fp);
}

/* Launches the marker program by the command line given, which names the
 * marker program `program` (in this folder) and the file `out` it writes:
 * "OK" must come back only once the program has ended, so the file, written
 * after 200 ms, is there when the call returns, naming the program started. */
static void expect_marker_run(nsis_function* launch, const char* command, const char* program, const char* out)
{
    const char* args[] = {command};
    char what[MAX_PATH + 32], line[MAX_PATH + 64], expected[MAX_PATH + 64];
    snprintf(what, sizeof what, "launch of %s", program);
    expect_one(launch, args, 1, "OK", what);
    CHECK(file_exists(out), "%s: LaunchAppAndWait returned before the program ended, or it did not start", program);
    first_line(out, line, sizeof line);
    snprintf(expected, sizeof expected, "%s\\%s", folder, program);
    CHECK(strcmp(line, expected) == 0, "%s was started as \"%s\"", program, line);
}

static void launches(nsis_function* launch)
{
    char command[3 * MAX_PATH];
    snprintf(command, sizeof command, "\"%s\\marker.exe\" \"%s\\marker.txt\" one", folder, folder);
    expect_marker_run(launch, command, "marker.exe", "marker.txt");
    /* Unquoted with a blank: the whole path, not my.exe. */
    snprintf(command, sizeof command, "%s\\my app\\marker.exe %s\\space.txt", folder, folder);
    expect_marker_run(launch, command, "my app\\marker.exe", "space.txt");

    const char* args[] = {command};
    snprintf(command, sizeof command, "\"%s\\missing.exe\" \"%s\\missing.txt\"", folder, folder);
    expect_one(launch, args, 1, "CreateProcess() Failed", "launch of a missing program");
    CHECK(!file_exists("missing.txt"), "something wrote missing.txt");
    expect_one(launch, NULL, 0, "No path specified", "launch with an empty stack");
}

int main(void)
{
    setvbuf(stdout, NULL, _IONBF, 0);
    DWORD length = GetModuleFileNameA(NULL, folder, sizeof folder);
    if (length == 0 || length >= sizeof folder || !strrchr(folder, '\\')) {
        printf("FAILED: the harness cannot tell its own folder\n");
        return 1;
    }
    *strrchr(folder, '\\') = '\0';
    HMODULE dll = LoadLibraryA("BrenlowNSIS.dll");
    if (!dll) {
        printf("FAILED: BrenlowNSIS.dll cannot be loaded (error %lu)\n", (unsigned long)GetLastError());
        return 1;
    }
    nsis_function* compare = (nsis_function*)(void*)GetProcAddress(dll, "CompareVersions");
    nsis_function* launch = (nsis_function*)(void*)GetProcAddress(dll, "LaunchAppAndWait");
    if (!compare || !launch) {
        printf("FAILED: BrenlowNSIS.dll lacks CompareVersions or LaunchAppAndWait\n");
        return 1;
    }
    int before = failures;
    versions(compare);
    printf("%s CompareVersions: %u comparisons both ways, one and no argument, an entry below\n",
           failures == before ? "ok  " : "FAIL", (unsigned)VERSION_CASES);
    before = failures;
    launches(launch);
    printf("%s LaunchAppAndWait: quoted, spaced, missing, empty stack\n", failures == before ? "ok  " : "FAIL");
    FreeLibrary(dll);
    return failures ? 1 : 0;
}
