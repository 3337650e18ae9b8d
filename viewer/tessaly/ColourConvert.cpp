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

// Thirty-two pixels a step with AVX-512 and its byte-permute and
// dot-product extensions, in fewer operations than the steps above: one
// byte permute lays out each pixel as the pair (Y, Cb) or (Y, Cr) of 16-bit
// words, and one dot product per term gives a component's whole sum for
// sixteen pixels, with the offsets of Y and chroma folded into its start
// value. The sums are those of the one-pixel arithmetic, exact in 32 bits,
// shifted down as above.

// The start values, the offsets times their coefficients; green takes the
// Y term in two halves, one with each chroma pair.
constexpr int kStartB = -(9576 * 16 + 16591 * 128);
constexpr int kStartG = -(9576 * 16 - 3218 * 128 - 6686 * 128);
constexpr int kStartR = -(9576 * 16 + 13123 * 128);

// The permute indices of `(Y, chroma)` pairs for pixels from `first` to
// first + 15 of a step, out of a register that holds the step's 32 Y bytes,
// then its 16 Cb bytes, then its 16 Cr bytes.
[[gnu::target("avx512bw,avx512vbmi")]] inline __m512i PairIndex(int first, int chroma)
{
    alignas(64) uint8_t index[64];
    for (int j = 0; j < 16; ++j) {
        index[4 * j] = uint8_t(first + j);
        index[4 * j + 1] = 0;
        index[4 * j + 2] = uint8_t(chroma + (first + j) / 2);
        index[4 * j + 3] = 0;
    }
    return _mm512_load_si512(index);
}

// The byte shuffle that turns the bytes B, G, R of four pixels in a lane
// (as the packs leave them, R at `red`) into B, G, R, 0 each.
[[gnu::target("avx512bw,avx512vbmi")]] inline __m512i Bgr0Order(int red)
{
    alignas(64) uint8_t index[64];
    for (int lane = 0; lane < 4; ++lane) {
        for (int i = 0; i < 4; ++i) {
            uint8_t* p = index + lane * 16 + i * 4;
            p[0] = uint8_t(i), p[1] = uint8_t(4 + i), p[2] = uint8_t(red + i), p[3] = 0x80; // 0x80 gives 0
        }
    }
    return _mm512_load_si512(index);
}

// A sum shifted down by 13 (in the zero-masked form with every lane set:
// the plain one trips a false uninitialised-value warning in the
// compiler's own header).
[[gnu::target("avx512bw")]] inline __m512i Shift13(__m512i sum)
{
    return _mm512_maskz_srai_epi32(0xFFFF, sum, 13);
}

[[gnu::target("avx512bw,avx512vbmi,avx512vnni")]] int RowRGB32Widest(
    const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int width)
{
    constexpr __mmask64 kWords = 0x5555555555555555ull; // the low byte of each word
    const __m512i yuLow = PairIndex(0, 32), yuHigh = PairIndex(16, 32);
    const __m512i yvLow = PairIndex(0, 48), yvHigh = PairIndex(16, 48);
    const __m512i kB = _mm512_set1_epi32(int(uint32_t(9576) | uint32_t(16591) << 16));
    const __m512i kR = _mm512_set1_epi32(int(uint32_t(9576) | uint32_t(13123) << 16));
    const __m512i kGu = _mm512_set1_epi32(int(uint32_t(4788) | uint32_t(uint16_t(-3218)) << 16));
    const __m512i kGv = _mm512_set1_epi32(int(uint32_t(4788) | uint32_t(uint16_t(-6686)) << 16));
    const __m512i startB = _mm512_set1_epi32(kStartB), startG = _mm512_set1_epi32(kStartG);
    const __m512i startR = _mm512_set1_epi32(kStartR);
    const __m512i orderLow = Bgr0Order(8), orderHigh = Bgr0Order(12);
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        const __m256i chroma = _mm256_inserti128_si256(
            _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(cb + x / 2))),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(cr + x / 2)), 1);
        const __m512i bytes
            = _mm512_mask_broadcast_i64x4(_mm512_maskz_loadu_epi8(0xFFFFFFFFu, y + x), 0xF0, chroma);
        const __m512i yu0 = _mm512_maskz_permutexvar_epi8(kWords, yuLow, bytes);
        const __m512i yu1 = _mm512_maskz_permutexvar_epi8(kWords, yuHigh, bytes);
        const __m512i yv0 = _mm512_maskz_permutexvar_epi8(kWords, yvLow, bytes);
        const __m512i yv1 = _mm512_maskz_permutexvar_epi8(kWords, yvHigh, bytes);
        const __m512i b0 = Shift13(_mm512_dpwssd_epi32(startB, yu0, kB));
        const __m512i b1 = Shift13(_mm512_dpwssd_epi32(startB, yu1, kB));
        const __m512i g0 = Shift13(_mm512_dpwssd_epi32(_mm512_dpwssd_epi32(startG, yu0, kGu), yv0, kGv));
        const __m512i g1 = Shift13(_mm512_dpwssd_epi32(_mm512_dpwssd_epi32(startG, yu1, kGu), yv1, kGv));
        const __m512i r0 = Shift13(_mm512_dpwssd_epi32(startR, yv0, kR));
        const __m512i r1 = Shift13(_mm512_dpwssd_epi32(startR, yv1, kR));
        // Clamped bytes, lane by lane: B, G, R of the first sixteen pixels
        // and R of the second; then B, G of the second with both Rs.
        const __m512i reds = _mm512_packs_epi32(r0, r1);
        const __m512i low = _mm512_packus_epi16(_mm512_packs_epi32(b0, g0), reds);
        const __m512i high = _mm512_packus_epi16(_mm512_packs_epi32(b1, g1), reds);
        _mm512_storeu_si512(out + x * 4, _mm512_shuffle_epi8(low, orderLow));
        _mm512_storeu_si512(out + x * 4 + 64, _mm512_shuffle_epi8(high, orderHigh));
    }
    return x;
}

// The widest body the processor has: 32, 16 or (none here) 8 pixels. An
// AVX-512 processor without the byte permute or the dot product takes 16.
enum class Body { Sse2, Avx2, Avx512 };

Body WideBody()
{
    static const Body body = __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi")
            && __builtin_cpu_supports("avx512vnni")
        ? Body::Avx512
        : __builtin_cpu_supports("avx2") ? Body::Avx2
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
