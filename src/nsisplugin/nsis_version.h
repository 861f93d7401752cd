/* Version texts such as 4.10.0.123, as the setup script compares them. */
#ifndef NSIS_VERSION_H
#define NSIS_VERSION_H

#ifdef __cplusplus
extern "C" {
#endif

enum { NSIS_VERSION_FIELDS = 4 };

/* The four fields of a version text. The text is split at dots (several dots in a row part as one,
 * dots at either end are passed over); each of the first four pieces is read as a decimal whole number
 * (leading blanks and a sign allowed, reading stops at the first other character, no digits read as 0,
 * a number beyond the range of int as its nearest end); missing fields are 0. */
void NormalizeVersion(const char *text, int fields[NSIS_VERSION_FIELDS]);

/* -1, 0 or 1 as version a is lower than, equal to or higher than version b, field by field as numbers. */
int nsis_compare_versions(const char *a, const char *b);

#ifdef __cplusplus
}
#endif

#endif
