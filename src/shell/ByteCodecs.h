#pragma once
#include <cstdint>

// Integers and BCD packed into page bytes, most significant byte first.
namespace basVelmar {

// 2-byte integers in two's complement: FF FF is -1, 80 00 is -32768. Both return 0.
int16_t intBytesToInteger(int16_t& value, uint8_t hi, uint8_t lo);
int16_t intIntegerToBytes(int16_t value, uint8_t& hi, uint8_t& lo);

// 4-byte integers: a negative value is stored as the complemented bytes of its magnitude
// (one's complement: -1 is FF FF FF FE), so -2147483647..2147483647 can be stored.
// intLongToBytes refuses -2147483648, which that form cannot hold: "Overflow", -1, bytes untouched.
int16_t intBytesToLong(int32_t& value, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4);
int16_t intLongToBytes(int32_t value, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4);

// BCD byte: high nibble tens, low nibble units. The nibbles are not checked (0xFF gives 165).
int16_t intBCDToByte(uint8_t bcd, uint8_t& value);
// -1, bcd untouched, for a value above 99.
int16_t intByteToBCD(uint8_t value, uint8_t& bcd);

} // namespace basVelmar
