#include "link/BitConverters.h"

#include <cmath>

namespace
{

// Byte i of `order` receives bits 8 * order[i] .. 8 * order[i] + 7.
void PutBytes(uint32_t value, uint8_t* bytes, int n, bool bigEndian)
{
    for (int i = 0; i < n; ++i) {
        const int shift = 8 * (bigEndian ? n - 1 - i : i);
        bytes[i] = static_cast<uint8_t>(value >> shift);
    }
}

uint32_t GetBytes(const uint8_t* bytes, int n, bool bigEndian)
{
    uint32_t value = 0;
    for (int i = 0; i < n; ++i) {
        const int shift = 8 * (bigEndian ? n - 1 - i : i);
        value |= static_cast<uint32_t>(bytes[i]) << shift;
    }
    return value;
}

// Every one of the 64 bits has its own weight, summed in floating point.
double Get64(const uint8_t* bytes, bool bigEndian)
{
    double value = 0;
    for (int i = 0; i < 8; ++i) {
        const int byteWeight = bigEndian ? 7 - i : i;
        for (int bit = 7; bit >= 0; --bit)
            if (bytes[i] & (1u << bit))
                value += std::ldexp(1.0, 8 * byteWeight + bit);
    }
    return value;
}

} // namespace

void PutBE16(uint32_t value, uint8_t* bytes)
{
    PutBytes(value, bytes, 2, true);
}
void PutLE16(uint32_t value, uint8_t* bytes)
{
    PutBytes(value, bytes, 2, false);
}
void PutBE32(uint32_t value, uint8_t* bytes)
{
    PutBytes(value, bytes, 4, true);
}
void PutLE32(uint32_t value, uint8_t* bytes)
{
    PutBytes(value, bytes, 4, false);
}
int GetBE16(const uint8_t* bytes)
{
    return static_cast<int>(GetBytes(bytes, 2, true));
}
int GetLE16(const uint8_t* bytes)
{
    return static_cast<int>(GetBytes(bytes, 2, false));
}
uint32_t GetBE32(const uint8_t* bytes)
{
    return GetBytes(bytes, 4, true);
}
uint32_t GetLE32(const uint8_t* bytes)
{
    return GetBytes(bytes, 4, false);
}

void PutBE64FromDouble(double value, uint8_t* bytes)
{
    // Out-of-range values (negative, NaN, beyond 2^64) give zero halves
    // rather than an undefined conversion.
    const double whole = std::floor(value);
    uint32_t high = 0, low = 0;
    if (whole >= 0 && whole < 18446744073709551616.0) {
        high = static_cast<uint32_t>(std::floor(whole / 4294967296.0));
        low = static_cast<uint32_t>(std::fmod(whole, 4294967296.0));
    }
    PutBE32(high, bytes);
    PutBE32(low, bytes + 4);
}

void PutLE64(uint32_t value, uint8_t* bytes)
{
    PutLE32(value, bytes);
    PutLE32(0, bytes + 4);
}

double GetBE64AsDouble(const uint8_t* bytes)
{
    return Get64(bytes, true);
}
double GetLE64AsDouble(const uint8_t* bytes)
{
    return Get64(bytes, false);
}

uint32_t Negate16(uint32_t value)
{
    return (value ^ 0xFFFFu) + 1;
}
uint32_t Negate32(uint32_t value)
{
    return 0u - value;
}
