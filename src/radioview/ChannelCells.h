#pragma once
// What the channel grid and the default-channel frame show of one channel page.
#include <QByteArray>
#include <cstdint>

class CPageImage;

namespace orvview {

// The radio frequency of a channel page in Hz: the stored frequency word less the intermediate
// frequency, 0 when the word holds no frequency (step code 7, or no divider).
int64_t channelFrequency(const QByteArray& page, int32_t intermediateFrequency);
// The CTCSS tone code of a channel page (byte 2 high, byte 1 low).
int32_t channelToneCode(const QByteArray& page);
// The flag under which the grid shows deviation and reference as 0 (bit 7 of byte 7).
bool channelFlagged(const QByteArray& page);
// Byte `byte` of a page.
uint8_t pageByte(const QByteArray& page, int byte);

// Every page of a document, one after the other: to tell whether a command changed any.
QByteArray imageBytes(const CPageImage& doc);

} // namespace orvview
