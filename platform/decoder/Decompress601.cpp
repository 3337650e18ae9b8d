#include "platform/decoder/Decompress601.h"

#include "platform/decoder/FrameFormat.h"

#include <cstring>
#include <new>
#include <vector>

namespace
{

// The largest picture a caller may ask for; a header beyond it is no
// picture buffer anybody allocated.
constexpr LONG kMaxOutputSide = 4096;

struct Decoder601 {
    std::vector<uint8_t> scratch; // a run-length picture at its own size
    std::vector<uint32_t> columns; // source byte offset of each output column
};

// Expands the runs into width x height pixels; false unless they cover the
// picture exactly.
bool ExpandRuns(const uint8_t* data, uint32_t length, uint32_t pixels, uint8_t* out)
{
    uint32_t filled = 0;
    for (uint32_t at = 0; at < length; at += 5) {
        uint32_t count = frame601::GetLe16(data + at);
        if (count == 0 || count > pixels - filled)
            return false;
        uint8_t* p = out + size_t(filled) * 3;
        for (uint32_t i = 0; i < count; ++i, p += 3)
            std::memcpy(p, data + at + 2, 3);
        filled += count;
    }
    return filled == pixels;
}

// Nearest-neighbour scaling of a top-down source into the caller's rows.
void Scale(Decoder601& d, const uint8_t* src, int sw, int sh, uint8_t* out, LONG dw, LONG dh, bool bottomUp,
    size_t stride)
{
    d.columns.resize(size_t(dw));
    for (LONG x = 0; x < dw; ++x)
        d.columns[size_t(x)] = uint32_t((int64_t(x) * sw / dw) * 3);
    const size_t srcStride = size_t(sw) * 3;
    for (LONG y = 0; y < dh; ++y) {
        const uint8_t* row = src + size_t(int64_t(y) * sh / dh) * srcStride;
        uint8_t* dst = out + size_t(bottomUp ? dh - 1 - y : y) * stride;
        if (sw == dw) {
            std::memcpy(dst, row, srcStride);
        } else {
            for (LONG x = 0; x < dw; ++x)
                std::memcpy(dst + size_t(x) * 3, row + d.columns[size_t(x)], 3);
        }
        std::memset(dst + size_t(dw) * 3, 0, stride - size_t(dw) * 3);
    }
}

void Fill(const uint8_t* bgr, uint8_t* out, LONG dw, LONG dh, size_t stride)
{
    for (LONG y = 0; y < dh; ++y) {
        uint8_t* dst = out + size_t(y) * stride;
        for (LONG x = 0; x < dw; ++x)
            std::memcpy(dst + size_t(x) * 3, bgr, 3);
        std::memset(dst + size_t(dw) * 3, 0, stride - size_t(dw) * 3);
    }
}

} // namespace

extern "C" HDECOMPRESS601 decompress601_open()
{
    return new (std::nothrow) Decoder601;
}

extern "C" int decompress601_ex(HDECOMPRESS601 handle, tagDecodeParm* parm)
{
    if (!handle || !parm || !parm->pDecodeInfo || !parm->pPayload || !parm->pBitmapHeader || !parm->pOutput)
        return DECOMPRESS601_BAD_ARGUMENT;
    auto& d = *static_cast<Decoder601*>(handle);
    BITMAPINFOHEADER& bih = *parm->pBitmapHeader;
    const LONG dw = bih.biWidth;
    const bool bottomUp = bih.biHeight > 0;
    // Written so that the most negative height cannot overflow.
    const LONG dh = bottomUp ? bih.biHeight : bih.biHeight < -kMaxOutputSide ? 0 : -bih.biHeight;
    if (bih.biBitCount != 24 || dw < 1 || dw > kMaxOutputSide || dh < 1 || dh > kMaxOutputSide)
        return DECOMPRESS601_BAD_PICTURE;
    const int32_t length = parm->pDecodeInfo[5];
    frame601::Header h;
    if (length < 0 || !frame601::ReadHeader(parm->pPayload, size_t(length), &h))
        return DECOMPRESS601_BAD_HEADER;
    const uint8_t* data = parm->pPayload + h.headerSize;
    const size_t stride = (size_t(dw) * 3 + 3) & ~size_t(3);
    switch (h.coding) {
    case frame601::Solid:
        Fill(data, parm->pOutput, dw, dh, stride);
        break;
    case frame601::RunLength: {
        const uint32_t pixels = uint32_t(h.width) * uint32_t(h.height);
        d.scratch.resize(size_t(pixels) * 3);
        if (!ExpandRuns(data, h.dataLength, pixels, d.scratch.data()))
            return DECOMPRESS601_BAD_DATA;
        Scale(d, d.scratch.data(), h.width, h.height, parm->pOutput, dw, dh, bottomUp, stride);
        break;
    }
    case frame601::Raw:
        Scale(d, data, h.width, h.height, parm->pOutput, dw, dh, bottomUp, stride);
        break;
    }
    bih.biSizeImage = DWORD(stride * size_t(dh));
    return 0;
}

extern "C" void decompress601_close(HDECOMPRESS601 handle)
{
    delete static_cast<Decoder601*>(handle);
}
