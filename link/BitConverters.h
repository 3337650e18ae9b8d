// Integers to and from byte arrays in a stated byte order, whatever the
// host's own order is. The digest reads its message words and writes its
// result with the little-endian forms; the tree files of the explorer
// library store every integer little-endian with them.
#pragma once

#include <cstdint>

// The low 16 or 32 bits of `value` into 2 or 4 bytes.
void PutBE16(uint32_t value, uint8_t* bytes);
void PutLE16(uint32_t value, uint8_t* bytes);
void PutBE32(uint32_t value, uint8_t* bytes);
void PutLE32(uint32_t value, uint8_t* bytes);
int GetBE16(const uint8_t* bytes);
int GetLE16(const uint8_t* bytes);
uint32_t GetBE32(const uint8_t* bytes);
uint32_t GetLE32(const uint8_t* bytes);
// value / 2^32 into bytes 0 to 3 and the low 32 bits of the value into
// bytes 4 to 7, both most significant byte first (integer parts).
void PutBE64FromDouble(double value, uint8_t* bytes);
// A 32-bit value as 8 bytes, least significant first, the upper half zero.
void PutLE64(uint32_t value, uint8_t* bytes);
double GetBE64AsDouble(const uint8_t* bytes);
double GetLE64AsDouble(const uint8_t* bytes);
// Two's complement negation; Negate16 does not wrap to 16 bits, so that 0
// gives 0x10000.
uint32_t Negate16(uint32_t value);
uint32_t Negate32(uint32_t value);
