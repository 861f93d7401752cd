/* chronox32 on Windows: the performance counter, DllMain as the entry and
 * exit procedure, Notepad for showing the report and GDI for printing it. */
#include <windows.h>

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    if (reason == DLL_PROCESS_ATTACH)
        hrt_init();
    /* Unloaded by FreeLibrary (reserved is NULL) with events still armed: their
     * timers would go on calling code that is no longer there. When the
     * process ends instead, its other threads are gone already and nothing
     * is to be stopped. */
    if (reason == DLL_PROCESS_DETACH && reserved == NULL)
        hrt_event_unload();
    return TRUE;
}

int hrt_plat_supported(void)
{
    DWORD version = GetVersion();
    return !(version & 0x80000000u) || (version & 0xC0000000u) == 0xC0000000u;
}

int64_t hrt_plat_frequency(void)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
}

int64_t hrt_plat_counter(void)
{
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return c.QuadPart;
}

int64_t hrt_plat_calendar_time(void)
{
    return (int64_t)time(NULL);
}

int hrt_plat_localtime(int64_t calendar_time, struct tm *local)
{
    time_t t = (time_t)calendar_time;
    struct tm *r = localtime(&t);
    if (!r)
        return 0;
    *local = *r;
    return 1;
}

static void file_error(const char *path)
{
    fprintf(stderr, "chronox32: cannot write the timer report %s: error %lu\n", path, (unsigned long)GetLastError());
}

int hrt_plat_out_open(hrt_outfile *out, const char *name)
{
    memset(out, 0, sizeof *out);
    if (!name || !*name) {
        char dir[MAX_PATH + 1];
        DWORD n = GetTempPathA(sizeof dir, dir);
        if (n == 0 || n > sizeof dir || !GetTempFileNameA(dir, "hrt", 0, out->path)) {
            file_error(dir);
            return 0;
        }
        out->temporary = 1;
        out->fp = fopen(out->path, "w");
        if (!out->fp) {
            file_error(out->path);
            DeleteFileA(out->path);
            return 0;
        }
        return 1;
    }
    size_t len = strlen(name);
    if (len + 2 > sizeof out->path) {
        file_error(name);
        return 0;
    }
    memcpy(out->path, name, len + 1);
    snprintf(out->work, sizeof out->work, "%s~", name);
    out->fp = fopen(out->work, "w");
    if (!out->fp) {
        file_error(name);
        out->work[0] = '\0';
        return 0;
    }
    return 1;
}

int hrt_plat_out_close(hrt_outfile *out)
{
    int ok = !ferror(out->fp);
    if (fflush(out->fp) != 0)
        ok = 0;
    if (fclose(out->fp) != 0)
        ok = 0;
    out->fp = NULL;
    if (ok && out->work[0] &&
        !MoveFileExA(out->work, out->path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok = 0;
    if (!ok) {
        file_error(out->path);
        DeleteFileA(out->work[0] ? out->work : out->path);
    }
    out->work[0] = '\0';
    return ok;
}

void hrt_plat_remove(const char *path)
{
    DeleteFileA(path);
}

int hrt_plat_show(const char *path)
{
    char command[HRT_PATH_MAX + 16];
    snprintf(command, sizeof command, "notepad.exe %s", path);
    STARTUPINFOA si;
    PROCESS_INFORMATION pi;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, NORMAL_PRIORITY_CLASS, NULL, NULL, &si, &pi))
        return 0;
    WaitForInputIdle(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 1;
}

/* The next field of a profile entry: up to a ',' (or, with blank_ends, a blank). */
static char *next_field(char **cursor, int blank_ends)
{
    char *start = *cursor;
    if (!start || !*start)
        return NULL;
    char *end = start;
    while (*end && *end != ',' && !(blank_ends && *end == ' '))
        ++end;
    if (*end) {
        *end = '\0';
        *cursor = end + 1;
    } else {
        *cursor = end;
    }
    return *start ? start : NULL;
}

int hrt_plat_print(const char *path)
{
    FILE *fp = fopen(path, "r");
    if (!fp)
        return 0;
    char device[81];
    GetProfileStringA("windows", "device", "", device, sizeof device);
    char *cursor = device;
    char *printer = next_field(&cursor, 0);
    char *driver = next_field(&cursor, 1);
    char *port = next_field(&cursor, 1);
    HDC dc = (printer && driver && port) ? CreateDCA(driver, printer, port, NULL) : NULL;
    if (!dc) {
        fclose(fp);
        return 0;
    }
    SetMapMode(dc, MM_TEXT);
    int page_height = GetDeviceCaps(dc, VERTRES);
    SIZE extent;
    GetTextExtentPoint32A(dc, "H", 1, &extent);
    int line_height = extent.cy;
    HFONT font = CreateFontA(0, GetDeviceCaps(dc, HORZRES) / 85, 0, 0, 400, FALSE, FALSE, FALSE, 0, 3, 2, 1, 0x21,
                             NULL);
    if (!font) {
        fclose(fp);
        DeleteDC(dc);
        return 0;
    }
    HGDIOBJ old_font = SelectObject(dc, font);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    DOCINFOA doc;
    memset(&doc, 0, sizeof doc);
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "Horvale Print Job";
    int ok = StartDocA(dc, &doc) > 0 && StartPage(dc) > 0;
    if (ok) {
        char line[81];
        int y = 0;
        while (fgets(line, sizeof line, fp)) {
            size_t len = strcspn(line, "\r\n");
            TextOutA(dc, 0, y, line, (int)len);
            y += line_height;
            if (y + line_height > page_height) {
                EndPage(dc);
                StartPage(dc);
                y = 0;
            }
        }
        ok = EndPage(dc) > 0 && EndDoc(dc) > 0;
        if (!ok)
            AbortDoc(dc);
    }
    SelectObject(dc, old_font);
    DeleteObject(font);
    DeleteDC(dc);
    fclose(fp);
    return ok;
}

void hrt_plat_message(const char *title, const char *text)
{
    MessageBoxA(NULL, text, title, MB_OK | MB_ICONWARNING);
}

void *hrt_plat_c_numbers_begin(void)
{
    return NULL;
}

void hrt_plat_c_numbers_end(void *saved)
{
    (void)saved;
}
