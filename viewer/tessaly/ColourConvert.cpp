#include "viewer/tessaly/ColourConvert.h"

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TESSALY_WIDE_BODY 1
#endif

namespace tessaly
{

namespace
{

// The pixels of a row that the vector body leaves, or all of them where
// there is no vector unit.
template <typename Put>
void ConvertTail(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, int from, int width, Put put)
{
    for (int x = from; x < width; ++x)
        put(x, YCbCrToRgb(y[x], cb[x / 2], cr[x / 2]));
}

#if defined(__SSE2__)

constexpr int kStep = 8;

// Two 16-bit coefficients for _mm_madd_epi16: `low` multiplies the first
// value of each pair, `high` the second.
inline __m128i Pair(int low, int high)
{
    return _mm_set1_epi32(static_cast<int>(static_cast<uint32_t>(static_cast<uint16_t>(low))
        | (static_cast<uint32_t>(static_cast<uint16_t>(high)) << 16)));
}

// Division by 8192 toward zero, as the scalar arithmetic does it.
inline __m128i Div8192(__m128i x)
{
    const __m128i bias = _mm_and_si128(_mm_srai_epi32(x, 31), _mm_set1_epi32(8191));
    return _mm_srai_epi32(_mm_add_epi32(x, bias), 13);
}

// Eight pixels as clamped bytes in the low halves of r, g and b.
struct Pixels8 {
    __m128i r, g, b;
};

inline __m128i Chroma4(const uint8_t* c)
{
    int32_t word;
    std::memcpy(&word, c, 4);
    __m128i v = _mm_unpacklo_epi8(_mm_cvtsi32_si128(word), _mm_setzero_si128());
    v = _mm_sub_epi16(v, _mm_set1_epi16(128));
    return _mm_unpacklo_epi16(v, v); // each sample serves two pixels
}

inline __m128i Clamp8(__m128i lo, __m128i hi)
{
    const __m128i words = _mm_packs_epi32(Div8192(lo), Div8192(hi));
    return _mm_packus_epi16(words, words);
}

inline Pixels8 Convert8(const uint8_t* y, const uint8_t* cb, const uint8_t* cr)
{
    const __m128i zero = _mm_setzero_si128();
    __m128i luma = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(y)), zero);
    luma = _mm_sub_epi16(luma, _mm_set1_epi16(16));
    const __m128i u = Chroma4(cb);
    const __m128i v = Chroma4(cr);

    const __m128i yvLo = _mm_unpacklo_epi16(luma, v);
    const __m128i yvHi = _mm_unpackhi_epi16(luma, v);
    const __m128i yuLo = _mm_unpacklo_epi16(luma, u);
    const __m128i yuHi = _mm_unpackhi_epi16(luma, u);
    const __m128i v0Lo = _mm_unpacklo_epi16(v, zero);
    const __m128i v0Hi = _mm_unpackhi_epi16(v, zero);

    const __m128i kR = Pair(9576, 13123);
    const __m128i kG = Pair(9576, -3218);
    const __m128i kGv = Pair(-6686, 0);
    const __m128i kB = Pair(9576, 16591);

    Pixels8 p;
    p.r = Clamp8(_mm_madd_epi16(yvLo, kR), _mm_madd_epi16(yvHi, kR));
    p.g = Clamp8(_mm_add_epi32(_mm_madd_epi16(yuLo, kG), _mm_madd_epi16(v0Lo, kGv)),
        _mm_add_epi32(_mm_madd_epi16(yuHi, kG), _mm_madd_epi16(v0Hi, kGv)));
    p.b = Clamp8(_mm_madd_epi16(yuLo, kB), _mm_madd_epi16(yuHi, kB));
    return p;
}

// Pixels 0-3 and 4-7 as B, G, R, 0.
inline void Bgr0(const Pixels8& p, __m128i* lo, __m128i* hi)
{
    const __m128i bg = _mm_unpacklo_epi8(p.b, p.g);
    const __m128i r0 = _mm_unpacklo_epi8(p.r, _mm_setzero_si128());
    *lo = _mm_unpacklo_epi16(bg, r0);
    *hi = _mm_unpackhi_epi16(bg, r0);
}

#if defined(TESSALY_WIDE_BODY)

// Sixteen pixels a step with AVX2, on processors that have it. The sums are
// those of the one-pixel arithmetic, exact in 32 bits; they are shifted
// down instead of divided toward zero, which differs only below zero, where
// both clamp to 0. The chroma terms are formed once per sample, for the
// two pixels that share it.
[[gnu::target("avx2")]] inline __m256i Component(__m256i lumaLo, __m256i lumaHi, __m256i chroma)
{
    const __m256i lo = _mm256_srai_epi32(_mm256_add_epi32(lumaLo, _mm256_unpacklo_epi32(chroma, chroma)), 13);
    const __m256i hi = _mm256_srai_epi32(_mm256_add_epi32(lumaHi, _mm256_unpackhi_epi32(chroma, chroma)), 13);
    return _mm256_packs_epi32(lo, hi); // pixels in order, 16-bit
}

// Two 16-bit coefficients for _mm256_madd_epi16, as Pair gives them.
[[gnu::target("avx2")]] inline __m256i WidePair(int first, int second)
{
    return _mm256_set1_epi32(int(uint32_t(uint16_t(first)) | uint32_t(uint16_t(second)) << 16));
}

// Converts whole steps of a row; gives the pixels it did.
[[gnu::target("avx2")]] int RowRGB32Wide(
    const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    const __m256i kR = WidePair(0, 13123), kG = WidePair(-3218, -6686), kB = WidePair(16591, 0);
    const __m256i k16 = _mm256_set1_epi16(16), k128 = _mm256_set1_epi16(128), kY = _mm256_set1_epi16(9576);
    const __m256i zero = _mm256_setzero_si256();
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        // Cb and Cr of eight samples as pairs: (Cb0, Cr0) ... (Cb7, Cr7).
        const __m128i u = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cb + x / 2));
        const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cr + x / 2));
        const __m256i uv = _mm256_sub_epi16(_mm256_cvtepu8_epi16(_mm_unpacklo_epi8(u, v)), k128);
        // (Y - 16) x 9576 in 32 bits: pixels 0-3 and 8-11, then 4-7 and 12-15.
        const __m256i luma = _mm256_sub_epi16(
            _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(y + x))), k16);
        const __m256i low = _mm256_mullo_epi16(luma, kY), high = _mm256_mulhi_epi16(luma, kY);
        const __m256i lumaLo = _mm256_unpacklo_epi16(low, high), lumaHi = _mm256_unpackhi_epi16(low, high);
        const __m256i r = Component(lumaLo, lumaHi, _mm256_madd_epi16(uv, kR));
        const __m256i g = Component(lumaLo, lumaHi, _mm256_madd_epi16(uv, kG));
        const __m256i b = Component(lumaLo, lumaHi, _mm256_madd_epi16(uv, kB));
        // Clamped bytes, then B, G, R, 0 for pixels 0-3, 4-7 | 8-11, 12-15.
        const __m256i br = _mm256_packus_epi16(b, r);
        const __m256i g0 = _mm256_packus_epi16(g, zero);
        const __m256i bg = _mm256_unpacklo_epi8(br, g0);
        const __m256i r0 = _mm256_unpackhi_epi8(br, g0);
        const __m256i first = _mm256_unpacklo_epi16(bg, r0);
        const __m256i second = _mm256_unpackhi_epi16(bg, r0);
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(out + x * 4), _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(out + x * 4 + 32), _mm256_permute2x128_si256(first, second, 0x31));
    }
    return x;
}

// Thirty-two pixels a step with AVX-512: the steps above at twice the
// width, in lanes of 128 bits; the output is put back in order across the
// lanes. (One body for both widths would take templates over operations
// of different targets, which compilers refuse, or macros.)
[[gnu::target("avx512bw")]] inline __m512i WidestPair(int first, int second)
{
    return _mm512_set1_epi32(int(uint32_t(uint16_t(first)) | uint32_t(uint16_t(second)) << 16));
}

// (The zero-masked forms with every lane set: the plain ones trip a
// false uninitialised-value warning in the compiler's own header.)
[[gnu::target("avx512bw")]] inline __m512i Component(__m512i lumaLo, __m512i lumaHi, __m512i chroma)
{
    const __mmask16 all = 0xFFFF;
    const __m512i lo = _mm512_maskz_srai_epi32(
        all, _mm512_add_epi32(lumaLo, _mm512_maskz_unpacklo_epi32(all, chroma, chroma)), 13);
    const __m512i hi = _mm512_maskz_srai_epi32(
        all, _mm512_add_epi32(lumaHi, _mm512_maskz_unpackhi_epi32(all, chroma, chroma)), 13);
    return _mm512_packs_epi32(lo, hi);
}

[[gnu::target("avx512bw")]] int RowRGB32Widest(
    const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    const __m512i kR = WidestPair(0, 13123), kG = WidestPair(-3218, -6686), kB = WidestPair(16591, 0);
    const __m512i k16 = _mm512_set1_epi16(16), k128 = _mm512_set1_epi16(128), kY = _mm512_set1_epi16(9576);
    const __m512i zero = _mm512_setzero_si512();
    // 64-bit words of `first` (pixels 0-3, 8-11, 16-19, 24-27) and `second`
    // (4-7, 12-15, 20-23, 28-31) in pixel order.
    const __m512i order0 = _mm512_setr_epi64(0, 1, 8, 9, 2, 3, 10, 11);
    const __m512i order1 = _mm512_setr_epi64(4, 5, 12, 13, 6, 7, 14, 15);
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cb + x / 2));
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cr + x / 2));
        const __m256i pairs = _mm256_inserti128_si256(
            _mm256_castsi128_si256(_mm_unpacklo_epi8(u, v)), _mm_unpackhi_epi8(u, v), 1);
        const __m512i uv = _mm512_sub_epi16(_mm512_cvtepu8_epi16(pairs), k128);
        const __m512i luma = _mm512_sub_epi16(
            _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(y + x))), k16);
        const __m512i low = _mm512_mullo_epi16(luma, kY), high = _mm512_mulhi_epi16(luma, kY);
        const __m512i lumaLo = _mm512_unpacklo_epi16(low, high), lumaHi = _mm512_unpackhi_epi16(low, high);
        const __m512i r = Component(lumaLo, lumaHi, _mm512_madd_epi16(uv, kR));
        const __m512i g = Component(lumaLo, lumaHi, _mm512_madd_epi16(uv, kG));
        const __m512i b = Component(lumaLo, lumaHi, _mm512_madd_epi16(uv, kB));
        const __m512i br = _mm512_packus_epi16(b, r);
        const __m512i g0 = _mm512_packus_epi16(g, zero);
        const __m512i bg = _mm512_unpacklo_epi8(br, g0);
        const __m512i r0 = _mm512_unpackhi_epi8(br, g0);
        const __m512i first = _mm512_unpacklo_epi16(bg, r0);
        const __m512i second = _mm512_unpackhi_epi16(bg, r0);
        _mm512_storeu_si512(out + x * 4, _mm512_permutex2var_epi64(first, order0, second));
        _mm512_storeu_si512(out + x * 4 + 64, _mm512_permutex2var_epi64(first, order1, second));
    }
    return x;
}

// The widest body the processor has: 32, 16 or (none here) 8 pixels.
enum class Body { Sse2, Avx2, Avx512 };

Body WideBody()
{
    static const Body body = __builtin_cpu_supports("avx512bw") ? Body::Avx512
        : __builtin_cpu_supports("avx2")                        ? Body::Avx2
                                                                : Body::Sse2;
    return body;
}

#endif

void RowRGB32(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    int x = 0;
#if defined(TESSALY_WIDE_BODY)
    switch (WideBody()) {
    case Body::Avx512:
        x = RowRGB32Widest(y, cb, cr, out, width);
        [[fallthrough]];
    case Body::Avx2:
        x += RowRGB32Wide(y + x, cb + x / 2, cr + x / 2, out + x * 4, width - x);
        break;
    case Body::Sse2:
        break;
    }
#endif
    for (; x + kStep <= width; x += kStep) {
        __m128i lo, hi;
        Bgr0(Convert8(y + x, cb + x / 2, cr + x / 2), &lo, &hi);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x * 4), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x * 4 + 16), hi);
    }
    ConvertTail(y, cb, cr, x, width, [out](int i, Rgb c) {
        uint8_t* p = out + i * 4;
        p[0] = c.b, p[1] = c.g, p[2] = c.r, p[3] = 0;
    });
}

void RowRGB24(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    int x = 0;
    for (; x + kStep <= width; x += kStep) {
        alignas(16) uint8_t quad[kStep * 4];
        __m128i lo, hi;
        Bgr0(Convert8(y + x, cb + x / 2, cr + x / 2), &lo, &hi);
        _mm_store_si128(reinterpret_cast<__m128i*>(quad), lo);
        _mm_store_si128(reinterpret_cast<__m128i*>(quad + 16), hi);
        for (int i = 0; i < kStep; ++i)
            std::memcpy(out + (x + i) * 3, quad + i * 4, 3);
    }
    ConvertTail(y, cb, cr, x, width, [out](int i, Rgb c) {
        uint8_t* p = out + i * 3;
        p[0] = c.b, p[1] = c.g, p[2] = c.r;
    });
}

void RowRGB565(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    int x = 0;
    const __m128i zero = _mm_setzero_si128();
    const __m128i top5 = _mm_set1_epi16(0xF8);
    for (; x + kStep <= width; x += kStep) {
        const Pixels8 p = Convert8(y + x, cb + x / 2, cr + x / 2);
        const __m128i r = _mm_slli_epi16(_mm_and_si128(_mm_unpacklo_epi8(p.r, zero), top5), 8);
        const __m128i g = _mm_slli_epi16(_mm_and_si128(_mm_unpacklo_epi8(p.g, zero), top5), 3);
        const __m128i b = _mm_srli_epi16(_mm_unpacklo_epi8(p.b, zero), 3);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x * 2), _mm_or_si128(_mm_or_si128(r, g), b));
    }
    ConvertTail(y, cb, cr, x, width, [out](int i, Rgb c) {
        const uint16_t pixel = PackRgb565(c);
        std::memcpy(out + i * 2, &pixel, 2);
    });
}

#else

void RowRGB32(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    ConvertTail(y, cb, cr, 0, width, [out](int i, Rgb c) {
        uint8_t* p = out + i * 4;
        p[0] = c.b, p[1] = c.g, p[2] = c.r, p[3] = 0;
    });
}

void RowRGB24(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    ConvertTail(y, cb, cr, 0, width, [out](int i, Rgb c) {
        uint8_t* p = out + i * 3;
        p[0] = c.b, p[1] = c.g, p[2] = c.r;
    });
}

void RowRGB565(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    ConvertTail(y, cb, cr, 0, width, [out](int i, Rgb c) {
        const uint16_t pixel = PackRgb565(c);
        std::memcpy(out + i * 2, &pixel, 2);
    });
}

#endif

using RowFn = void (*)(const uint8_t*, const uint8_t*, const uint8_t*, uint8_t*, int);

void ConvertPicture(RowFn row, const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr,
    int uvStride, uint8_t* out, int width, int height, int outStride)
{
    if (!y || !cb || !cr || !out || width <= 0 || height == 0)
        return;
    const bool bottomUp = height < 0;
    const int rows = bottomUp ? -height : height;
    for (int i = 0; i < rows; ++i) {
        const std::ptrdiff_t line = bottomUp ? rows - 1 - i : i;
        row(y + std::ptrdiff_t(i) * yStride, cb + std::ptrdiff_t(i / 2) * uvStride,
            cr + std::ptrdiff_t(i / 2) * uvStride, out + line * outStride, width);
    }
}

} // namespace

void YV12ToRGB32(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride)
{
    ConvertPicture(RowRGB32, y, yStride, cb, cr, uvStride, out, width, height, outStride);
}

void YV12ToRGB24(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride)
{
    ConvertPicture(RowRGB24, y, yStride, cb, cr, uvStride, out, width, height, outStride);
}

void YV12ToRGB565(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride)
{
    ConvertPicture(RowRGB565, y, yStride, cb, cr, uvStride, out, width, height, outStride);
}

} // namespace tessaly
