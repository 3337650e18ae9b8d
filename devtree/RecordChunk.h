// Sixteen bytes of a record in a vector register where there is one (in
// plain bytes elsewhere): the tree-file reader moves each record into its
// node in such pieces and mends the fields on the way (text tails,
// passwords), so that each byte is loaded and stored once.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace record_chunk
{

#if defined(__SSE2__)
struct Chunk {
    __m128i v;
};
inline Chunk LoadChunk(const uint8_t* p)
{
    return { _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)) };
}
inline void StoreChunk(uint8_t* p, Chunk c)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), c.v);
}
inline Chunk And(Chunk a, Chunk b)
{
    return { _mm_and_si128(a.v, b.v) };
}
inline Chunk Or(Chunk a, Chunk b)
{
    return { _mm_or_si128(a.v, b.v) };
}
inline Chunk Xor(Chunk a, Chunk b)
{
    return { _mm_xor_si128(a.v, b.v) };
}
inline Chunk ZeroChunk()
{
    return { _mm_setzero_si128() };
}
// Bit i set where byte i is zero.
inline uint32_t ZeroBytes(Chunk c)
{
    return uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(c.v, _mm_setzero_si128())));
}
// A byte count (at most 127) in every byte, for BytesBelow.
inline Chunk Limit(int n)
{
    return { _mm_set1_epi8(static_cast<char>(n)) };
}
// All ones in the bytes whose index plus `at` is below the limit, zero in
// the others (0 <= at <= 112).
inline Chunk BytesBelow(Chunk limit, int at)
{
    const __m128i index = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return { _mm_cmpgt_epi8(limit.v, _mm_add_epi8(index, _mm_set1_epi8(static_cast<char>(at)))) };
}
inline Chunk MaskChunk(uint64_t low, uint64_t high)
{
    return { _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low)) };
}
#else
struct Chunk {
    uint8_t b[16];
};
inline Chunk LoadChunk(const uint8_t* p)
{
    Chunk c;
    std::memcpy(c.b, p, 16);
    return c;
}
inline void StoreChunk(uint8_t* p, Chunk c)
{
    std::memcpy(p, c.b, 16);
}
template <class Op> inline Chunk Each(Chunk a, Chunk b, Op op)
{
    for (int i = 0; i < 16; ++i)
        a.b[i] = uint8_t(op(a.b[i], b.b[i]));
    return a;
}
inline Chunk And(Chunk a, Chunk b)
{
    return Each(a, b, [](uint8_t x, uint8_t y) { return x & y; });
}
inline Chunk Or(Chunk a, Chunk b)
{
    return Each(a, b, [](uint8_t x, uint8_t y) { return x | y; });
}
inline Chunk Xor(Chunk a, Chunk b)
{
    return Each(a, b, [](uint8_t x, uint8_t y) { return x ^ y; });
}
inline Chunk ZeroChunk()
{
    return Chunk {};
}
inline uint32_t ZeroBytes(Chunk c)
{
    uint32_t bits = 0;
    for (int i = 0; i < 16; ++i)
        bits |= uint32_t(c.b[i] == 0) << i;
    return bits;
}
inline Chunk Limit(int n)
{
    Chunk c;
    std::memset(c.b, n, 16);
    return c;
}
inline Chunk BytesBelow(Chunk limit, int at)
{
    Chunk c;
    for (int i = 0; i < 16; ++i)
        c.b[i] = i + at < limit.b[0] ? 0xff : 0;
    return c;
}
inline Chunk MaskChunk(uint64_t low, uint64_t high)
{
    Chunk c;
    std::memcpy(c.b, &low, 8);
    std::memcpy(c.b + 8, &high, 8);
    return c;
}
#endif

} // namespace record_chunk
