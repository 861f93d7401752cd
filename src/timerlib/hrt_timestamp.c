/* Timestamps: counter values stored in slots of the timestamp pool. */
#include "hrt_arithmetic.h"
#include "hrt_internal.h"
#include "hrt_platform.h"

int16_t HRT_CALL hrt_timestamp_alloc(void)
{
    if (!hrt_state.supported)
        return 0;
    for (int16_t h = 1; h < HRT_TIMESTAMP_SLOTS; ++h) {
        hrt_timestamp_slot *s = &hrt_state.timestamps[h];
        if (!s->in_use) {
            s->in_use = 1;
            s->counter = 0;
            ++hrt_state.timestamps_in_use;
            return h;
        }
    }
    return 0;
}

void HRT_CALL hrt_timestamp_free(int16_t handle)
{
    if (!hrt_timestamp_valid(handle))
        return;
    hrt_state.timestamps[handle].in_use = 0;
    --hrt_state.timestamps_in_use;
}

void HRT_CALL hrt_timestamp_get(int16_t handle)
{
    if (hrt_timestamp_valid(handle))
        hrt_state.timestamps[handle].counter = hrt_plat_counter();
}

uint32_t hrt_stamp_diff(int16_t start, int16_t end, int16_t resolution)
{
    if (!hrt_timestamp_valid(start) || !hrt_timestamp_valid(end))
        return HRT_DIFF_TOO_LARGE;
    return hrt_diff_units(hrt_state.timestamps[start].counter, hrt_state.timestamps[end].counter,
                          hrt_ticks_per_unit(resolution));
}

uint32_t HRT_CALL hrt_timestamp_usecdiff(int16_t start, int16_t end)
{
    return hrt_stamp_diff(start, end, HRT_RES_USEC);
}

uint32_t HRT_CALL hrt_timestamp_msecdiff(int16_t start, int16_t end)
{
    return hrt_stamp_diff(start, end, HRT_RES_MSEC);
}

uint32_t HRT_CALL hrt_timestamp_secdiff(int16_t start, int16_t end)
{
    return hrt_stamp_diff(start, end, HRT_RES_SEC);
}

uint16_t HRT_CALL hrt_timestamp_inuse(void)
{
    return hrt_state.timestamps_in_use;
}

uint16_t HRT_CALL hrt_timestamp_avail(void)
{
    return (uint16_t)(HRT_TIMESTAMP_SLOTS - 1 - hrt_state.timestamps_in_use);
}
