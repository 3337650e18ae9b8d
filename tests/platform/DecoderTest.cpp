// The decoder stand-in against its encoder: every coding round trip,
// scaling to the caller's picture, and refusal of every malformed payload
// or picture description without a byte written outside the picture.
#include "platform/decoder/Decompress601.h"
#include "platform/decoder/FrameEncoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

using namespace frame601;

namespace
{

// A test picture whose every pixel differs from its neighbours.
Picture Pattern(int w, int h)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.Pixel(x, y);
            px[0] = uint8_t(x * 7 + y);
            px[1] = uint8_t(y * 13 + 1);
            px[2] = uint8_t(x ^ y);
        }
    }
    return p;
}

// Bars of a few colours, as run-length coding likes them.
Picture Bars(int w, int h)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.Pixel(x, y);
            px[0] = uint8_t((x / 8) * 40);
            px[1] = uint8_t(y < h / 2 ? 200 : 20);
            px[2] = 77;
        }
    }
    return p;
}

constexpr uint8_t kCanary = 0xA5;
constexpr size_t kGuard = 64;

// One decode into a caller's picture of w x h (negative h: top-down), with
// a guard area behind the |h| rows that must stay untouched.
struct Target {
    Target(LONG w, LONG h)
    {
        header.biSize = 40;
        header.biWidth = w;
        header.biHeight = h;
        header.biPlanes = 1;
        header.biBitCount = 24;
        stride = (size_t(w > 0 ? w : 0) * 3 + 3) & ~size_t(3);
        rows = size_t(h < 0 ? -int64_t(h) : h);
        buffer.assign(stride * rows + kGuard, kCanary);
    }

    int Decode(const std::vector<uint8_t>& payload) { return Decode(payload, int32_t(payload.size())); }
    // `length` is what the caller's information block claims.
    int Decode(const std::vector<uint8_t>& payload, int32_t length)
    {
        HDECOMPRESS601 decoder = decompress601_open();
        int32_t info[10] = {};
        info[5] = length;
        tagDecodeParm parm { 1, 0, 0, info, payload.data(), &header, buffer.data() };
        int result = decompress601_ex(decoder, &parm);
        decompress601_close(decoder);
        return result;
    }

    // The pixel at (x, y) counted from the top, as the caller sees it.
    const uint8_t* At(int x, int y) const
    {
        size_t row = header.biHeight > 0 ? rows - 1 - size_t(y) : size_t(y);
        return &buffer[row * stride + size_t(x) * 3];
    }

    bool GuardIntact() const
    {
        for (size_t i = stride * rows; i < buffer.size(); ++i) {
            if (buffer[i] != kCanary)
                return false;
        }
        return true;
    }
    bool Untouched() const
    {
        for (uint8_t b : buffer) {
            if (b != kCanary)
                return false;
        }
        return header.biSizeImage == 0;
    }

    BITMAPINFOHEADER header {};
    size_t stride = 0;
    size_t rows = 0;
    std::vector<uint8_t> buffer;
};

void ExpectSamePicture(const Picture& p, const Target& t)
{
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x)
            ASSERT_EQ(0, std::memcmp(p.Pixel(x, y), t.At(x, y), 3)) << "pixel " << x << "," << y;
    }
}

TEST(Decoder, EveryCodingRoundTripsPixelExactInBothRowOrders)
{
    struct Case {
        Coding coding;
        Picture picture;
    };
    Picture solid(37, 21);
    for (size_t i = 0; i < solid.bgr.size(); i += 3) {
        solid.bgr[i] = 10;
        solid.bgr[i + 1] = 20;
        solid.bgr[i + 2] = 30;
    }
    const Case cases[] = { { Solid, solid }, { RunLength, Bars(360, 243) }, { RunLength, Pattern(91, 17) },
        { Raw, Pattern(180, 121) }, { Raw, Pattern(5, 3) } };
    for (const Case& c : cases) {
        for (LONG sign : { 1, -1 }) {
            SCOPED_TRACE(testing::Message() << "coding " << int(c.coding) << " height sign " << sign);
            std::vector<uint8_t> payload = Encode(c.coding, c.picture, Flags(2, false));
            ASSERT_FALSE(payload.empty());
            Target t(c.picture.width, sign * c.picture.height);
            ASSERT_EQ(0, t.Decode(payload));
            ExpectSamePicture(c.picture, t);
            EXPECT_EQ(t.header.biSizeImage, t.stride * t.rows);
            EXPECT_TRUE(t.GuardIntact());
        }
    }
}

TEST(Decoder, RowPaddingIsZeroAndWithinTheStride)
{
    Picture p = Pattern(5, 3); // 15 bytes of pixels in rows of 16
    Target t(5, 3);
    ASSERT_EQ(0, t.Decode(Encode(Raw, p, 0)));
    for (size_t row = 0; row < 3; ++row)
        EXPECT_EQ(0, t.buffer[row * 16 + 15]);
    EXPECT_EQ(48u, t.header.biSizeImage);
    EXPECT_TRUE(t.GuardIntact());
}

TEST(Decoder, ScalesNearestNeighbourToTheCallersPicture)
{
    struct Case {
        int sw, sh;
        LONG dw, dh;
    };
    const Case cases[] = { { 180, 121, 360, 243 }, { 720, 486, 360, 243 }, { 720, 288, 360, -243 },
        { 92, 60, 360, 243 }, { 360, 243, 7, 5 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " to " << c.dw << "x" << c.dh);
        Picture p = Pattern(c.sw, c.sh);
        for (Coding coding : { RunLength, Raw }) {
            Target t(c.dw, c.dh);
            ASSERT_EQ(0, t.Decode(Encode(coding, p, 0)));
            const int rows = int(t.rows);
            for (int y = 0; y < rows; ++y) {
                for (int x = 0; x < c.dw; ++x) {
                    const uint8_t* want
                        = p.Pixel(int(int64_t(x) * c.sw / c.dw), int(int64_t(y) * c.sh / rows));
                    ASSERT_EQ(0, std::memcmp(want, t.At(x, y), 3)) << x << "," << y;
                }
            }
            EXPECT_TRUE(t.GuardIntact());
        }
    }
}

TEST(Decoder, TheBytesCallersPatchDoNotMatter)
{
    // The preview rewrites byte 14 (kind and standard) and clears byte 16
    // before it decodes.
    Picture p = Pattern(92, 60);
    std::vector<uint8_t> payload = Encode(Raw, p, Flags(0, false, true, true), 0xFFFFFFFF);
    payload[14] = 0;
    payload[14] |= 2 | 8;
    payload[16] = 0;
    Target t(92, 60);
    ASSERT_EQ(0, t.Decode(payload));
    ExpectSamePicture(p, t);
}

TEST(Decoder, SmallestEncodingPicksTheCodingThatFits)
{
    Picture solid(360, 243);
    EXPECT_EQ(Solid, EncodeSmallest(solid, 0)[kOffsetCoding]);
    EXPECT_EQ(RunLength, EncodeSmallest(Bars(360, 243), 0)[kOffsetCoding]);
    EXPECT_EQ(Raw, EncodeSmallest(Pattern(64, 64), 0)[kOffsetCoding]);
    EXPECT_TRUE(Encode(Raw, Picture(), 0).empty());
    EXPECT_TRUE(Encode(Raw, Picture(kMaxSide + 1, 1), 0).empty());
}

TEST(Decoder, RefusesEveryMalformedPayloadWithoutWriting)
{
    const Picture p = Pattern(16, 8);
    const std::vector<uint8_t> raw = Encode(Raw, p, 0);
    const std::vector<uint8_t> runs = Encode(RunLength, Bars(16, 8), 0);
    using Edit = std::function<void(std::vector<uint8_t>&)>;
    struct Case {
        const char* what;
        const std::vector<uint8_t>& base;
        Edit edit;
        std::optional<int32_t> length; // what the information block claims; none: the payload's size
    };
    auto le16 = [](size_t at, uint16_t v) { return [=](std::vector<uint8_t>& b) { PutLe16(&b[at], v); }; };
    auto le32 = [](size_t at, uint32_t v) { return [=](std::vector<uint8_t>& b) { PutLe32(&b[at], v); }; };
    auto none = [](std::vector<uint8_t>&) {};
    const Case cases[] = {
        { "empty", raw, [](std::vector<uint8_t>& b) { b.clear(); }, {} },
        { "shorter than the header", raw, [](std::vector<uint8_t>& b) { b.resize(kHeaderSize - 1); }, {} },
        { "foreign magic", raw, [](std::vector<uint8_t>& b) { b[0] = 0; }, {} },
        { "a device's frame", raw, [](std::vector<uint8_t>& b) { std::memset(b.data(), 0, 8); }, {} },
        { "newer version", raw, [](std::vector<uint8_t>& b) { b[kOffsetVersion] = 2; }, {} },
        { "unknown coding", raw, [](std::vector<uint8_t>& b) { b[kOffsetCoding] = 3; }, {} },
        { "header length below 24", raw, le16(kOffsetHeaderSize, 23), {} },
        { "header length past the payload", raw, le16(kOffsetHeaderSize, 0xFFFF), {} },
        { "data length past the payload", raw, le32(kOffsetDataLength, 0xFFFFFFF0), {} },
        { "width 0", raw, le16(kOffsetWidth, 0), {} },
        { "height 0", raw, le16(kOffsetHeight, 0), {} },
        { "width beyond the limit", raw, le16(kOffsetWidth, kMaxSide + 1), {} },
        { "raw data shorter than the picture", raw, le16(kOffsetWidth, 17), {} },
        { "solid data of 4 bytes", raw,
            [](std::vector<uint8_t>& b) {
                b[kOffsetCoding] = Solid;
                PutLe32(&b[kOffsetDataLength], 4);
            },
            {} },
        { "run of 0 pixels", runs, le16(kHeaderSize, 0), {} },
        { "runs past the picture", runs, le16(kHeaderSize, 0xFFFF), {} },
        { "runs short of the picture", runs, le16(kOffsetHeight, 9), {} },
        { "run-length data not whole runs", runs,
            le32(kOffsetDataLength, uint32_t(runs.size() - kHeaderSize - 1)), {} },
        { "payload length below the data", raw, none, int32_t(raw.size() - 1) },
        { "negative payload length", raw, none, -5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> payload = c.base;
        c.edit(payload);
        // A vector of exactly the payload's size, so a read past it shows.
        payload.shrink_to_fit();
        Target t(16, 8);
        EXPECT_NE(0, t.Decode(payload, c.length.value_or(int32_t(payload.size()))));
        EXPECT_TRUE(t.Untouched());
    }
}

TEST(Decoder, RefusesPicturesItCannotWrite)
{
    const std::vector<uint8_t> payload = Encode(Solid, Picture(4, 4), 0);
    struct Case {
        LONG w, h;
        WORD bits;
    };
    const Case cases[] = { { 0, 10, 24 }, { 10, 0, 24 }, { -1, 10, 24 }, { 10, 10, 32 }, { 10, 10, 8 },
        { 4097, 10, 24 }, { 10, -4097, 24 }, { 10, INT32_MIN, 24 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << "x" << c.bits);
        BITMAPINFOHEADER header { 40, c.w, c.h, 1, c.bits, 0, 0, 0, 0, 0, 0 };
        uint8_t pixels[16] = {};
        int32_t info[10] = {};
        info[5] = int32_t(payload.size());
        tagDecodeParm parm { 1, 0, 0, info, payload.data(), &header, pixels };
        HDECOMPRESS601 decoder = decompress601_open();
        EXPECT_EQ(DECOMPRESS601_BAD_PICTURE, decompress601_ex(decoder, &parm));
        decompress601_close(decoder);
        EXPECT_EQ(0u, header.biSizeImage);
    }
}

TEST(Decoder, RefusesMissingArguments)
{
    const std::vector<uint8_t> payload = Encode(Solid, Picture(4, 4), 0);
    BITMAPINFOHEADER header { 40, 4, 4, 1, 24, 0, 0, 0, 0, 0, 0 };
    uint8_t pixels[48] = {};
    int32_t info[10] = {};
    info[5] = int32_t(payload.size());
    HDECOMPRESS601 decoder = decompress601_open();
    ASSERT_NE(nullptr, decoder);
    tagDecodeParm good { 1, 0, 0, info, payload.data(), &header, pixels };
    for (int missing = 0; missing < 4; ++missing) {
        tagDecodeParm parm = good;
        if (missing == 0)
            parm.pDecodeInfo = nullptr;
        if (missing == 1)
            parm.pPayload = nullptr;
        if (missing == 2)
            parm.pBitmapHeader = nullptr;
        if (missing == 3)
            parm.pOutput = nullptr;
        EXPECT_EQ(DECOMPRESS601_BAD_ARGUMENT, decompress601_ex(decoder, &parm));
    }
    EXPECT_EQ(DECOMPRESS601_BAD_ARGUMENT, decompress601_ex(nullptr, &good));
    EXPECT_EQ(DECOMPRESS601_BAD_ARGUMENT, decompress601_ex(decoder, nullptr));
    EXPECT_EQ(0, decompress601_ex(decoder, &good));
    decompress601_close(decoder);
    decompress601_close(nullptr);
}

} // namespace
