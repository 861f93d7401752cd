/* Timer events. This version has no event timer: every event export refuses
 * (allocation 0, arming 0) and the event pool offers no slot. */
#include "hrt_internal.h"

int16_t HRT_CALL hrt_event_alloc(int16_t flags, int16_t type)
{
    (void)flags;
    (void)type;
    return 0;
}

void HRT_CALL hrt_event_free(int16_t handle)
{
    (void)handle;
}

int16_t HRT_CALL hrt_event_setcallback(int16_t handle, uint32_t period, hrt_event_fn function, uint32_t value)
{
    (void)handle;
    (void)period;
    (void)function;
    (void)value;
    return 0;
}

int16_t HRT_CALL hrt_event_setmessage(int16_t handle, uint32_t period, void *window, uint32_t message,
                                      uint32_t value)
{
    (void)handle;
    (void)period;
    (void)window;
    (void)message;
    (void)value;
    return 0;
}

int16_t HRT_CALL hrt_event_clockcallback(int16_t handle, int16_t hour, int16_t minute, int16_t second,
                                         hrt_event_fn function, uint32_t value)
{
    (void)handle;
    (void)hour;
    (void)minute;
    (void)second;
    (void)function;
    (void)value;
    return 0;
}

int16_t HRT_CALL hrt_event_clockmsg(int16_t handle, int16_t hour, int16_t minute, int16_t second, void *window,
                                    uint32_t message, uint32_t value)
{
    (void)handle;
    (void)hour;
    (void)minute;
    (void)second;
    (void)window;
    (void)message;
    (void)value;
    return 0;
}

void HRT_CALL hrt_event_cancel(int16_t handle)
{
    (void)handle;
}

int16_t HRT_CALL hrt_event_reset(int16_t handle)
{
    (void)handle;
    return 0;
}

int16_t HRT_CALL hrt_event_pending(int16_t handle)
{
    (void)handle;
    return 0;
}

uint16_t HRT_CALL hrt_event_inuse(void)
{
    return hrt_state.events_in_use;
}

uint16_t HRT_CALL hrt_event_avail(void)
{
    return 0;
}

uint16_t HRT_CALL hrt_event_minperiod(void)
{
    return (uint16_t)hrt_state.event_min_period;
}

uint16_t HRT_CALL hrt_event_maxperiod(void)
{
    return (uint16_t)hrt_state.event_max_period;
}
