// Encoder of the frame601 format (FrameFormat.h), for the simulator, the
// tests and the benchmarks; no part of the program encodes frames.
#pragma once

#include "platform/decoder/FrameFormat.h"

#include <vector>

namespace frame601
{

// A picture of width x height pixels, blue, green, red, rows top to bottom
// without padding.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgr;

    Picture() = default;
    Picture(int w, int h)
        : width(w)
        , height(h)
        , bgr(size_t(w) * size_t(h) * 3)
    {
    }
    uint8_t* Pixel(int x, int y) { return &bgr[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
    const uint8_t* Pixel(int x, int y) const { return &bgr[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
};

// The payload of the picture in the given coding (solid takes the first
// pixel's colour); empty when the picture's size is outside 1..kMaxSide.
std::vector<uint8_t> Encode(Coding coding, const Picture& picture, uint32_t flags, uint32_t flags2 = 0);
// The shortest payload of the three codings (solid only for a picture of
// one colour).
std::vector<uint8_t> EncodeSmallest(const Picture& picture, uint32_t flags, uint32_t flags2 = 0);

} // namespace frame601
