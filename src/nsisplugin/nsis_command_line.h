/* Which program a command line starts. */
#ifndef NSIS_COMMAND_LINE_H
#define NSIS_COMMAND_LINE_H

#ifdef __cplusplus
extern "C" {
#endif

/* The command line to start for line, in a new block of nsis_heap_alloc; NULL when line names no
 * program or no memory is left.
 * A quoted program, or a line with one word, is taken as it stands. An unquoted program path may hold
 * blanks, and the system itself would try its shortest reading first ("C:\Program" before
 * "C:\Program Files\App\app.exe"): here the longest leading part of the line that ends at a blank or
 * at the end and names a program is the program, and is put in double quotes when it holds blanks; the
 * rest of the line follows unchanged as its arguments. */
char *nsis_command_line_for(const char *line);

#ifdef __cplusplus
}
#endif

#endif
