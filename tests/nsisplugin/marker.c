/* A program for the launch tests: waits 200 ms, then writes the file named by its first argument: its
 * own name as it was started (argv[0]) and every further argument, one a line. A caller that finds the
 * file has waited for the program's end. Built for Linux and, with mingw-w64, for Windows. */
#ifndef _WIN32
#define _POSIX_C_SOURCE 200809L
#endif
#include <stdio.h>

#ifdef _WIN32
#include <windows.h>
static void wait_200ms(void)
{
    Sleep(200);
}
#else
#include <time.h>
static void wait_200ms(void)
{
    struct timespec t = {0, 200 * 1000 * 1000};
    while (nanosleep(&t, &t) != 0) {
    }
}
#endif

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    wait_200ms();
    FILE *out = fopen(argv[1], "w");
    if (!out)
        return 1;
    fprintf(out, "%s\n", argv[0]);
    for (int i = 2; i < argc; i++)
        fprintf(out, "%s\n", argv[i]);
    return fclose(out) == 0 ? 0 : 1;
}
