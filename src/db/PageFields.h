#pragma once
// The byte rules of a module's page image that every kind of module shares, each written once:
// pages in the line's order, 16-bit words, the 24-bit serial number of page 2, the firmware version
// of page 1, texts over pages and date pages.
#include "db/PageImage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace pagefields {

// The serial number: 24 bits in page 2, high byte in byte 7, then bytes 6 and 5.
constexpr int kIdentityPage = 2;
constexpr int kSerialHigh = 7, kSerialMid = 6, kSerialLow = 5;
// The configuration byte of page 2, which tells the module's type (basVelmar::intModuleTypeCode).
constexpr int kConfiguration = 2;
constexpr int32_t kMaxSerial = 0xFFFFFF;
// The highest serial number the user may give a module (the settings tabs and the new-module
// dialog refuse more), and the length of a serial number box.
constexpr int32_t kHighestEnteredSerial = 16777124;
constexpr int kSerialDigits = 8;

// A page's 8 bytes in the other order: from byte i at index i to byte 7 first (the order of the
// line, of the texts and of the dates), and back.
QByteArray reversed(QByteArray page);
// Page `page` of the image with byte 7 first; writes it back from that order.
QByteArray readReversed(const CPageImage& image, int page);
void writeReversed(CPageImage& image, int page, const QByteArray& bytes);

// A byte string's bytes, for the word functions below.
std::span<const uint8_t> bytesOf(const QByteArray& bytes);
std::span<uint8_t> bytesOf(QByteArray& bytes);

// A word of two bytes without sign, high byte first in the line's order: the high byte at index
// `hiByte`, the low byte at `hiByte - 1` (the order of every 16-bit field of a page).
uint16_t word(std::span<const uint8_t> bytes, int hiByte);
void setWord(std::span<uint8_t> bytes, int hiByte, uint16_t value);
// A word of two bytes given apart.
uint16_t word(uint8_t high, uint8_t low);
// The other order, high byte at the lower index: the high byte at `hiByte`, the low byte at
// `hiByte + 1` (a HEX record's load address).
uint16_t bigEndianWord(std::span<const uint8_t> bytes, int hiByte);
void setBigEndianWord(std::span<uint8_t> bytes, int hiByte, uint16_t value);

// The firmware version a module keeps in bytes 7 to 4 of its page 1, each byte as its decimal
// digits: 1, 0, 0, 5 is "10.05"; and the same as the document shows it, "V10.05".
constexpr int kFirmwarePage = 1;
QString firmwareNumber(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4);
QString firmwareVersion(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4);

// Whether a value is a serial number (0 to 16777215).
bool isSerialNumber(qlonglong value);
// The serial number a decimal text gives; nothing when it gives none in range.
std::optional<int32_t> serialNumber(const QString& text);
// The same, raising platform::Error (a type mismatch naming the text) when it gives none; a text
// with a sign gives none unless `signAllowed`.
int32_t serialOfText(const QString& text, bool signAllowed = true);
// The serial number the factory dialogs take: digits only, at most kSerialDigits of them, below
// kHighestEnteredSerial; nothing for any other text.
std::optional<int32_t> factorySerial(const QString& text);
// `value` as a serial number, raising platform::Error (out of range) when it is none.
int32_t serialOfNumber(qlonglong value);
int32_t serial(const CPageImage& image);
// Writes the low 24 bits of `serial`.
void setSerial(CPageImage& image, int32_t serial);

// A text of `chars` characters from page `page` on, one byte a character, the first in byte 7
// of each page; `bytes` written the same way (a part page keeps its other bytes).
QByteArray textBytes(const CPageImage& image, int page, int chars);
void setTextBytes(CPageImage& image, int page, const QByteArray& bytes);

// A date page: eight two-digit bytes (basVelmar::intDateToBytes), the first in byte 7.
double date(const CPageImage& image, int page);
// The page that holds `when` (byte i at index i); nothing, after the codec's message, for a date
// no page can hold.
std::optional<QByteArray> datePage(const QDateTime& when);
// The same written to page `page`: -1 (the page untouched) for a date no page can hold.
int16_t setDate(CPageImage& image, int page, const QDateTime& when);
// The page's day as "dd-mm-yyyy"; today's for a page that holds no date.
QString dayText(const CPageImage& image, int page);

} // namespace pagefields
