#include "link/Md4.h"

#include "link/BitConverters.h"

#include <cstring>

namespace
{

uint32_t MD4RotateLeft(uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}
uint32_t MD4F(uint32_t x, uint32_t y, uint32_t z)
{
    return (x & y) | (~x & z);
}
uint32_t MD4G(uint32_t x, uint32_t y, uint32_t z)
{
    return (x & y) | (x & z) | (y & z);
}
uint32_t MD4H(uint32_t x, uint32_t y, uint32_t z)
{
    return x ^ y ^ z;
}

void MD4Round1Step(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, int s)
{
    a = MD4RotateLeft(a + MD4F(b, c, d) + x, s);
}

void MD4Round2Step(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, int s)
{
    a = MD4RotateLeft(a + MD4G(b, c, d) + x + 0x5A827999u, s);
}

void MD4Round3Step(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, int s)
{
    a = MD4RotateLeft(a + MD4H(b, c, d) + x + 0x6ED9EBA1u, s);
}

void MD4Block(uint32_t state[4], const uint8_t* block)
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = GetLE32(block + 4 * i);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];

    for (int i = 0; i < 16; i += 4) {
        MD4Round1Step(a, b, c, d, x[i], 3);
        MD4Round1Step(d, a, b, c, x[i + 1], 7);
        MD4Round1Step(c, d, a, b, x[i + 2], 11);
        MD4Round1Step(b, c, d, a, x[i + 3], 19);
    }
    for (int i = 0; i < 4; ++i) {
        MD4Round2Step(a, b, c, d, x[i], 3);
        MD4Round2Step(d, a, b, c, x[i + 4], 5);
        MD4Round2Step(c, d, a, b, x[i + 8], 9);
        MD4Round2Step(b, c, d, a, x[i + 12], 13);
    }
    static const int order3[4] = { 0, 2, 1, 3 };
    for (int i : order3) {
        MD4Round3Step(a, b, c, d, x[i], 3);
        MD4Round3Step(d, a, b, c, x[i + 8], 9);
        MD4Round3Step(c, d, a, b, x[i + 4], 11);
        MD4Round3Step(b, c, d, a, x[i + 12], 15);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

} // namespace

bool MD4Digest(const uint8_t* data, size_t length, uint8_t digest[16])
{
    uint32_t state[4] = { 0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u };
    size_t whole = length / 64 * 64;
    for (size_t off = 0; off < whole; off += 64)
        MD4Block(state, data + off);

    // The tail, the 0x80 byte and the bit count fill one or two blocks.
    uint8_t tail[128] = {};
    size_t rest = length - whole;
    if (rest)
        std::memcpy(tail, data + whole, rest);
    tail[rest] = 0x80;
    size_t tailSize = rest < 56 ? 64 : 128;
    const uint64_t bits = static_cast<uint64_t>(length) * 8;
    PutLE32(static_cast<uint32_t>(bits), tail + tailSize - 8);
    PutLE32(static_cast<uint32_t>(bits >> 32), tail + tailSize - 4);
    MD4Block(state, tail);
    if (tailSize == 128)
        MD4Block(state, tail + 64);

    for (int i = 0; i < 4; ++i)
        PutLE32(state[i], digest + 4 * i);
    return true;
}
