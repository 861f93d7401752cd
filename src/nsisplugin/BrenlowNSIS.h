/* What BrenlowNSIS offers the setup script (BrenlowNSIS.def lists the same two names). */
#ifndef BRENLOWNSIS_H
#define BRENLOWNSIS_H

#include "nsis_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Stack in: version A (top), version B. Stack out: whether A is equal to, lesser or greater than B.
 * A version that is not on the stack counts as the empty version (every field 0). */
nsis_function CompareVersions;

/* Stack in: a command line. Starts it, waits until the program has ended and leaves its outcome: done,
 * the program could not be started, the wait failed, or there was no command line on the stack. */
nsis_function LaunchAppAndWait;

#ifdef __cplusplus
}
#endif

#endif
