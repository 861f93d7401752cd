/* The library's state, its load-time initialisation and the platform flag. */
#include <string.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

hrt_state_t hrt_state;

void hrt_init(void)
{
    memset(&hrt_state, 0, sizeof hrt_state);
    hrt_state.supported = (int16_t)(hrt_plat_supported() ? 1 : 0);
    if (hrt_state.supported) {
        hrt_state.frequency = hrt_plat_frequency();
        hrt_state.ticks_per_usec = (double)hrt_state.frequency / 1000000.0;
        hrt_state.ticks_per_msec = (double)hrt_state.frequency / 1000.0;
        hrt_state.ticks_per_sec = (double)hrt_state.frequency;
    }
    hrt_state.delay_switch_us = 250;
    hrt_state.load_time = hrt_plat_calendar_time();
}

double hrt_ticks_per_unit(int16_t resolution)
{
    switch (resolution) {
    case HRT_RES_USEC:
        return hrt_state.ticks_per_usec;
    case HRT_RES_MSEC:
        return hrt_state.ticks_per_msec;
    case HRT_RES_SEC:
        return hrt_state.ticks_per_sec;
    default:
        return 0.0;
    }
}

int16_t HRT_CALL hrt_supported(void)
{
    return hrt_state.supported;
}
