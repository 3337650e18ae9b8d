// The decoder stand-in on arbitrary payloads: the first two bytes choose the
// caller's picture (width 1..64; height 1..64, top-down when bit 7 is set),
// the rest is the payload. The picture buffer is exactly |height| rows, so a
// write past it shows.
#include "platform/decoder/Decompress601.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 0x20000)
        return 0;
    const LONG width = (data[0] & 63) + 1;
    const LONG rows = (data[1] & 63) + 1;
    BITMAPINFOHEADER header { 40, width, (data[1] & 0x80) ? -rows : rows, 1, 24, 0, 0, 0, 0, 0, 0 };
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> pixels(stride * size_t(rows));
    // The payload in a block of its own size, so a read past it shows.
    std::vector<uint8_t> payload(data + 2, data + size);
    int32_t info[10] = {};
    info[5] = int32_t(payload.size());
    tagDecodeParm parm { 1, 0, 0, info, payload.data(), &header, pixels.data() };
    HDECOMPRESS601 decoder = decompress601_open();
    int result = decompress601_ex(decoder, &parm);
    decompress601_close(decoder);
    if ((result == 0) != (header.biSizeImage == pixels.size()))
        std::abort();
    return 0;
}
