// Conversion of decoded YV12 pictures into the pixel formats of the video
// surface (BT.601 video range, 13-bit fixed point). Every converter takes
// (Y plane, Y stride, Cb plane, Cr plane, chroma stride, output, width,
// height, output stride in bytes); a negative height writes the picture
// bottom-up. One chroma sample serves two pixels of a row and two rows, so
// the chroma planes hold (width + 1) / 2 samples a row and (|height| + 1) / 2
// rows. Any width works: whole groups of pixels go through vector arithmetic
// and the rest of a row through the same arithmetic one pixel at a time.
#pragma once

#include <cstdint>

namespace tessaly
{

// 32-bit pixels, bytes B, G, R, 0.
void YV12ToRGB32(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride);
// 24-bit pixels, bytes B, G, R.
void YV12ToRGB24(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride);
// 16-bit pixels R5 G6 B5 in host order; green keeps its top five bits, so
// the lowest bit of its field stays 0.
void YV12ToRGB565(const uint8_t* y, int yStride, const uint8_t* cb, const uint8_t* cr, int uvStride,
    uint8_t* out, int width, int height, int outStride);

// One pixel's colour, the arithmetic every converter follows; for tests and
// for the pixels at the end of a row.
struct Rgb {
    uint8_t r, g, b;
};
inline Rgb YCbCrToRgb(int y, int cb, int cr)
{
    const int yy = (y - 16) * 9576;
    const int u = cb - 128;
    const int v = cr - 128;
    auto clamp = [](int value) -> uint8_t {
        value /= 8192; // toward zero
        return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    };
    return Rgb { clamp(yy + 13123 * v), clamp(yy - 3218 * u - 6686 * v), clamp(yy + 16591 * u) };
}

inline uint16_t PackRgb565(Rgb c)
{
    return static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 3) << 6) | (c.b >> 3));
}

} // namespace tessaly
