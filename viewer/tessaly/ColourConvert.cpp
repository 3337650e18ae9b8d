#include "viewer/tessaly/ColourConvert.h"

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
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

void RowRGB32(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    int x = 0;
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
