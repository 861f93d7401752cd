#pragma once
// Shared text procedures of the tone-remote family: model codes, alarm records and function-tone
// actions as the editor and the report show them.
#include <QString>
#include <array>
#include <cstdint>

namespace basVelmarTR {

// ---- Model codes ---------------------------------------------------------------------------
// Mode 0: a stored code that is a number (digits, blanks around) in its display form "Vr" 12-34-5678,
// with leading zeros to 8 digits; any other text unchanged. Mode 1: a display form back to the
// stored code (a text beginning with "Vr" loses it and every "-"), padded with blanks to at least
// 8 characters. Any other mode: an empty text.
QString ConvertModelCode(const QString& strCode, int32_t lngMode);
// The text without every character that occurs in `strSet` (exact comparison).
QString StripChars(const QString& strText, const QString& strSet);
// The text with blanks appended until it is at least `intWidth` long.
QString PadRight(const QString& strText, int16_t intWidth);

// ---- Alarm records -------------------------------------------------------------------------
// The one-line description of a record (record byte 0 the flags byte). Status 0.
int16_t intAlarmToText(const std::array<uint8_t, 8>& bytAlarm, QString& strText);

// ---- Function tones ------------------------------------------------------------------------
// Tone 0..14 in Hz (650 + 100 × tone); -1, frequency untouched, for any other number.
int16_t intGetFnToneFrequency(int16_t intTone, int16_t& intFrequency);
// The text of an action code 0..255; -1, text untouched, for any other code.
int16_t intFnActionToText(int16_t intActionCode, QString& strText);

} // namespace basVelmarTR
