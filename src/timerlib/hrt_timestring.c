/* Seconds as time text H:MM:SS.ffffff. */
#include <stdio.h>

#include "hrt_internal.h"

/* Longest text: 1193046:16:15.999999 and its terminating zero. */
#define TIMESTRING_SIZE 21

char *HRT_CALL hrt_timestring(double seconds, char *buffer)
{
    if (!buffer)
        return buffer;
    unsigned long whole = 0;
    unsigned long millionths = 0;
    if (seconds >= 4294967296.0) {
        whole = 4294967295ul;
    } else if (seconds > 0.0) {
        whole = (unsigned long)(uint32_t)seconds;
        millionths = (unsigned long)((seconds - (double)whole) * 1000000.0);
        if (millionths > 999999ul)
            millionths = 999999ul;
    }
    unsigned long hours = whole / 3600ul;
    whole %= 3600ul;
    unsigned long minutes = whole / 60ul;
    whole %= 60ul;
    snprintf(buffer, TIMESTRING_SIZE, "%lu:%.2lu:%.2lu.%.6lu", hours, minutes, whole, millionths);
    return buffer;
}
