// The converters against the one-pixel arithmetic, for every format, for
// widths that are and are not a whole number of vector steps, top-down and
// bottom-up, with strides wider than the rows.
#include "viewer/tessaly/ColourConvert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace
{

using namespace tessaly;

struct Planes {
    int width, height, yStride, uvStride;
    std::vector<uint8_t> y, cb, cr;
};

Planes RandomPlanes(int width, int height, unsigned seed)
{
    Planes p { width, height, width + 13, (width + 1) / 2 + 7, {}, {}, {} };
    std::mt19937 random(seed);
    auto fill = [&](std::vector<uint8_t>& plane, size_t size) {
        plane.resize(size);
        for (auto& b : plane)
            b = static_cast<uint8_t>(random());
    };
    fill(p.y, size_t(p.yStride) * height);
    fill(p.cb, size_t(p.uvStride) * ((height + 1) / 2));
    fill(p.cr, size_t(p.uvStride) * ((height + 1) / 2));
    // The extremes of every component, where clamping and rounding differ.
    const uint8_t edges[] = { 0, 15, 16, 17, 127, 128, 129, 235, 240, 255 };
    for (size_t i = 0; i < sizeof edges && i < p.y.size(); ++i) {
        p.y[i] = edges[i];
        p.cb[i % p.cb.size()] = edges[(i + 3) % sizeof edges];
        p.cr[i % p.cr.size()] = edges[(i + 7) % sizeof edges];
    }
    return p;
}

using Converter = void (*)(const uint8_t*, int, const uint8_t*, const uint8_t*, int, uint8_t*, int, int, int);

struct Format {
    const char* name;
    Converter convert;
    int bytes;
    void (*reference)(Rgb, uint8_t*);
};

const Format kFormats[] = {
    { "RGB32", YV12ToRGB32, 4, [](Rgb c, uint8_t* p) { p[0] = c.b, p[1] = c.g, p[2] = c.r, p[3] = 0; } },
    { "RGB24", YV12ToRGB24, 3, [](Rgb c, uint8_t* p) { p[0] = c.b, p[1] = c.g, p[2] = c.r; } },
    { "RGB565", YV12ToRGB565, 2,
        [](Rgb c, uint8_t* p) {
            const uint16_t v = PackRgb565(c);
            std::memcpy(p, &v, 2);
        } },
};

class ConverterTest : public testing::TestWithParam<int>
{
};

TEST_P(ConverterTest, EveryFormatMatchesTheScalarArithmeticExactly)
{
    const int width = GetParam();
    for (const Format& format : kFormats) {
        for (int height : { 6, 7, -6 }) {
            SCOPED_TRACE(testing::Message() << format.name << " " << width << " x " << height);
            const int rows = height < 0 ? -height : height;
            Planes p = RandomPlanes(width, rows, unsigned(width * 31 + rows));
            const int outStride = width * format.bytes + 5;
            // A guard byte after every row catches writes past the width.
            std::vector<uint8_t> out(size_t(outStride) * rows, 0xA5);
            format.convert(p.y.data(), p.yStride, p.cb.data(), p.cr.data(), p.uvStride, out.data(), width,
                height, outStride);
            for (int row = 0; row < rows; ++row) {
                const int line = height < 0 ? rows - 1 - row : row;
                for (int x = 0; x < width; ++x) {
                    uint8_t want[4];
                    format.reference(YCbCrToRgb(p.y[size_t(row) * p.yStride + x],
                                         p.cb[size_t(row / 2) * p.uvStride + x / 2],
                                         p.cr[size_t(row / 2) * p.uvStride + x / 2]),
                        want);
                    ASSERT_EQ(
                        0, std::memcmp(want, &out[size_t(line) * outStride + x * format.bytes], format.bytes))
                        << "pixel " << x << " of row " << row;
                }
                for (int guard = width * format.bytes; guard < outStride; ++guard)
                    ASSERT_EQ(0xA5, out[size_t(line) * outStride + guard]) << "row " << row;
            }
        }
    }
}

// 30 takes every kind of step: sixteen pixels (where the processor has the
// wide body), eight, then one at a time.
INSTANTIATE_TEST_SUITE_P(Widths, ConverterTest, testing::Values(1, 7, 30, 176, 180, 352, 720));

TEST(ConverterCombinations, EveryYCbCrTripleMatchesTheScalarArithmetic)
{
    // For each Cr, a picture 512 pixels wide whose chroma row holds every
    // Cb and whose 64 row pairs give each chroma sample every Y: all 2^24
    // triples, through the vector bodies the processor has.
    constexpr int kWidth = 512, kRows = 128;
    std::vector<uint8_t> y(size_t(kWidth) * kRows), cb(kWidth / 2), cr(kWidth / 2);
    for (int i = 0; i < kWidth / 2; ++i)
        cb[size_t(i)] = uint8_t(i);
    for (int row = 0; row < kRows; ++row) {
        for (int x = 0; x < kWidth; ++x)
            y[size_t(row) * kWidth + x] = uint8_t((row / 2) * 4 + (row % 2) * 2 + x % 2);
    }
    for (const Format& format : kFormats) {
        std::vector<uint8_t> out(size_t(kWidth) * kRows * size_t(format.bytes));
        std::vector<uint8_t> want(size_t(kWidth) * size_t(format.bytes));
        for (int v = 0; v < 256; ++v) {
            std::fill(cr.begin(), cr.end(), uint8_t(v));
            // A chroma stride of 0: every row pair reads the same samples.
            format.convert(
                y.data(), kWidth, cb.data(), cr.data(), 0, out.data(), kWidth, kRows, kWidth * format.bytes);
            for (int row = 0; row < kRows; ++row) {
                for (int x = 0; x < kWidth; ++x)
                    format.reference(
                        YCbCrToRgb(y[size_t(row) * kWidth + x], x / 2, v), &want[size_t(x) * format.bytes]);
                ASSERT_EQ(0, std::memcmp(want.data(), &out[size_t(row) * want.size()], want.size()))
                    << format.name << ": Cr " << v << ", row " << row;
            }
        }
    }
}

TEST(ColourArithmetic, KnownColours)
{
    // Video-range black, white and the primaries of BT.601.
    struct Case {
        int y, cb, cr;
        Rgb want;
    } cases[] = {
        { 16, 128, 128, { 0, 0, 0 } },
        { 235, 128, 128, { 255, 255, 255 } },
        { 0, 128, 128, { 0, 0, 0 } },
        { 255, 128, 128, { 255, 255, 255 } },
        { 81, 90, 240, { 255, 0, 0 } },
        { 145, 54, 34, { 0, 255, 0 } },
        { 41, 240, 110, { 0, 0, 255 } },
    };
    for (const Case& c : cases) {
        const Rgb got = YCbCrToRgb(c.y, c.cb, c.cr);
        EXPECT_NEAR(c.want.r, got.r, 2) << c.y << " " << c.cb << " " << c.cr;
        EXPECT_NEAR(c.want.g, got.g, 2) << c.y << " " << c.cb << " " << c.cr;
        EXPECT_NEAR(c.want.b, got.b, 2) << c.y << " " << c.cb << " " << c.cr;
    }
    // 5-6-5 keeps the top five bits of green; the lowest green bit stays 0.
    EXPECT_EQ(0xFFDF, PackRgb565({ 255, 255, 255 }));
    EXPECT_EQ(0x07C0, PackRgb565({ 0, 255, 0 }));
}

} // namespace
