// Alarm and confirmation records in the page image: one page a record, stored reversed.
#include "toneremote/COrvDocTR.h"

#include "db/PageFields.h"
#include "shell/RecordFields.h"

using namespace trlayout;

int COrvDocTR::alarmPage(int intIndex)
{
    if (intIndex < 1 || intIndex > alarms::kCount)
        return -1;
    return intIndex <= alarms::kLowCount ? alarms::kFirstLowPage + intIndex - 1
                                         : alarms::kFirstHighPage + intIndex - alarms::kLowCount - 1;
}

int16_t COrvDocTR::intSetAlarm(int16_t intIndex, const AlarmRecord& bytAlarm)
{
    const int page = alarmPage(intIndex);
    if (page < 0)
        return -1;
    pagefields::writeReversed(*this, page, recordfields::bytesOf(bytAlarm));
    return 0;
}

int16_t COrvDocTR::intGetAlarm(int16_t intIndex, AlarmRecord& bytAlarm) const
{
    const int page = alarmPage(intIndex);
    if (page < 0)
        return -1;
    bytAlarm = recordfields::recordAt<AlarmRecord>(pagefields::readReversed(*this, page), 0);
    return 0;
}
