/* The version comparisons both installer harnesses run: the Linux tests and
 * the Windows program that loads the DLL (plain C, so that both include it). */
#ifndef VERSION_CASES_H
#define VERSION_CASES_H

struct version_case {
    const char* a;
    const char* b;
    const char* result; /* a compared with b; b with a gives the mirror */
};

static const struct version_case version_cases[] = {
    {"1.2", "1.2.0.0", "EQUAL"},
    {"1.10", "1.9", "GREATER"},
    {"2", "10", "LESSER"},
    {"100", "99", "GREATER"},
    {"1.2.3.10000", "1.2.3.9999", "GREATER"},
    {"1.2.3.4.5", "1.2.3.4", "EQUAL"},
    {"1.2a", "1.2", "EQUAL"},
    {"..1..2..", "1.2", "EQUAL"},
    {" 4. +10.0.0123", "4.10.0.123", "EQUAL"},
    {"1.-1", "1.0", "LESSER"},
    {"x.y", "", "EQUAL"},
    {"99999999999", "2147483647", "EQUAL"},
    {"1.2.0.1", "1.2", "GREATER"},
};

#define VERSION_CASES (sizeof version_cases / sizeof version_cases[0])

#endif
