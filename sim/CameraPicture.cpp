#include "sim/CameraPicture.h"

#include "sim/WireBody.h"

#include <algorithm>

namespace sim
{

namespace
{

constexpr int kBars = 8;
constexpr int kBits = 16;
const uint8_t kBarColours[kBars][3] = { { 255, 255, 255 }, { 0, 255, 255 }, { 255, 255, 0 }, { 0, 255, 0 },
    { 255, 0, 255 }, { 0, 0, 255 }, { 255, 0, 0 }, { 0, 0, 0 } };

// The side of one square of the frame number, by picture width.
int Square(int width)
{
    return std::max(2, width / 45);
}

void FillRect(frame601::Picture& p, int x0, int y0, int w, int h, const uint8_t* bgr)
{
    for (int y = std::max(0, y0); y < std::min(p.height, y0 + h); ++y) {
        for (int x = std::max(0, x0); x < std::min(p.width, x0 + w); ++x)
            std::copy(bgr, bgr + 3, p.Pixel(x, y));
    }
}

} // namespace

uint8_t AdjustedLevel(uint8_t value, int brightness, int contrast)
{
    const int stretched = (int(value) - 128) * (128 + contrast) / 128 + 128;
    return uint8_t(std::clamp(stretched + brightness, 0, 255));
}

void CameraPictureSize(const CameraPictureSettings& settings, int* width, int* height)
{
    static const int kWidth[] = { 92, 180, 360, 720, 720 };
    static const int kPal[] = { 72, 144, 288, 288, 576 };
    static const int kNtsc[] = { 60, 121, 243, 243, 486 };
    const int kind = std::min<int>(settings.kind, 4);
    *width = kWidth[kind];
    *height = settings.pal ? kPal[kind] : kNtsc[kind];
}

frame601::Picture CameraPattern(const CameraPictureSettings& settings, uint32_t number)
{
    int width = 0, height = 0;
    CameraPictureSize(settings, &width, &height);
    frame601::Picture p(width, height);
    const int bar = std::max(1, width / kBars);
    const int shift = int(number / 8 % kBars);
    auto adjusted = [&](const uint8_t* colour, uint8_t* out) {
        for (int i = 0; i < 3; ++i)
            out[i] = AdjustedLevel(colour[i], settings.brightness, settings.contrast);
    };
    uint8_t bars[kBars][3];
    for (int b = 0; b < kBars; ++b)
        adjusted(kBarColours[b], bars[b]);
    for (int x = 0; x < width; ++x) {
        const uint8_t* colour = bars[(x / bar + shift) % kBars];
        for (int y = 0; y < height; ++y)
            std::copy(colour, colour + 3, p.Pixel(x, y));
    }
    const uint8_t white[3] = { 255, 255, 255 }, black[3] = { 0, 0, 0 }, grey[3] = { 128, 128, 128 };
    uint8_t block[3];
    adjusted(white, block);
    const int s = Square(width);
    // A grey band behind the number, so it reads on any bar.
    FillRect(p, 0, 0, s * (kBits + 2), s * 3, grey);
    for (int bit = 0; bit < kBits; ++bit)
        FillRect(p, s * (bit + 1), s, s, s, (number >> (kBits - 1 - bit)) & 1 ? white : black);
    FillRect(p, int(number * 4 % uint32_t(width)), height - s * 2, s * 2, s * 2, block);
    if (settings.rotated) {
        // Sent turned by 180 degrees; the viewer turns it back.
        frame601::Picture turned(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                std::copy(p.Pixel(x, y), p.Pixel(x, y) + 3, turned.Pixel(width - 1 - x, height - 1 - y));
        }
        return turned;
    }
    return p;
}

int64_t ReadPatternNumber(
    const uint8_t* bgr, int width, int height, int stride, bool bottomUp, int sourceWidth, int sourceHeight)
{
    const int s = Square(sourceWidth);
    if (sourceHeight < s * 3 || sourceWidth < s * (kBits + 2) || width < 1 || height < 1)
        return -1;
    const int y = (s + s / 2) * height / sourceHeight;
    const uint8_t* row = bgr + size_t(bottomUp ? height - 1 - y : y) * size_t(stride);
    int64_t number = 0;
    for (int bit = 0; bit < kBits; ++bit) {
        const int x = (s * (bit + 1) + s / 2) * width / sourceWidth;
        const uint8_t* px = row + size_t(x) * 3;
        const bool on = px[0] > 200 && px[1] > 200 && px[2] > 200;
        const bool off = px[0] < 50 && px[1] < 50 && px[2] < 50;
        if (!on && !off)
            return -1;
        number = number << 1 | (on ? 1 : 0);
    }
    return number;
}

std::vector<uint8_t> CameraFrameBody(
    const CameraPictureSettings& settings, uint8_t channel, uint32_t number, int64_t payloadLengthLie)
{
    const uint32_t flags = frame601::Flags(settings.kind, settings.pal, settings.rotated, settings.ptz);
    std::vector<uint8_t> payload = frame601::EncodeSmallest(CameraPattern(settings, number), flags);
    const uint32_t announced = payloadLengthLie >= 0 ? uint32_t(payloadLengthLie) : uint32_t(payload.size());
    Body b;
    b.U16(32).U32(number).U8(channel).U8(settings.kind).U16(0).U8(0).U8(0).U8(0).U8(0);
    b.U32(number).U32(0).U32(number * 40).U32(announced).U16(0).U16(0);
    b.Raw(payload.data(), payload.size());
    return b.bytes;
}

} // namespace sim
