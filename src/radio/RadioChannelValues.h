#pragma once
// The values of a channel page that the files, the report and the editor carry: the stored
// frequency and the CTCSS tone, in Hz, through the frequency codec and the tone table; the output
// pins and the channel's switch setting as rows of bits.
#include "db/PageFields.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace radiochannel {

// The frequency the page's frequency word holds (the radio frequency plus the intermediate
// frequency), Hz; 0 for no frequency and for a word that does not decode.
int32_t storedFrequency(uint8_t byte7, uint8_t byte6, uint8_t byte5);

// The page's tone code (byte 2 high, byte 1 low).
inline int32_t toneCode(uint8_t byte2, uint8_t byte1) { return pagefields::word(byte2, byte1); }

// The frequency of a tone code, Hz; 0 for code 0 and for a code the tone table does not hold.
double toneFrequency(int32_t code);
// The code of a tone frequency; 0 for no tone and for a frequency the tone table does not hold.
int32_t toneCodeOf(double hz);

// The eight bits of a byte, bit 7 first, written with 1 and 0.
QString bitString(uint8_t value);
// The switch setting of channel n (from 0): the eight bits of the complement of n, most
// significant first ("11111111" for channel 0).
QString switchSetting(int channel);

} // namespace radiochannel
