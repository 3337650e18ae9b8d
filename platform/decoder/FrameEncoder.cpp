#include "platform/decoder/FrameEncoder.h"

#include <algorithm>
#include <cstring>

namespace frame601
{

namespace
{

bool SizeFits(const Picture& p)
{
    return p.width >= 1 && p.width <= kMaxSide && p.height >= 1 && p.height <= kMaxSide
        && p.bgr.size() == size_t(p.width) * size_t(p.height) * 3;
}

std::vector<uint8_t> WithHeader(Coding coding, const Picture& p, uint32_t flags, uint32_t flags2, size_t data)
{
    std::vector<uint8_t> out(kHeaderSize + data);
    std::memcpy(out.data() + kOffsetMagic, kMagic, sizeof kMagic);
    out[kOffsetVersion] = kVersion;
    out[kOffsetCoding] = coding;
    PutLe16(out.data() + kOffsetHeaderSize, uint16_t(kHeaderSize));
    PutLe16(out.data() + kOffsetWidth, uint16_t(p.width));
    PutLe16(out.data() + kOffsetHeight, uint16_t(p.height));
    PutLe32(out.data() + kOffsetFlags, flags);
    PutLe32(out.data() + kOffsetFlags2, flags2);
    PutLe32(out.data() + kOffsetDataLength, uint32_t(data));
    return out;
}

std::vector<uint8_t> Runs(const Picture& p)
{
    std::vector<uint8_t> runs;
    const size_t pixels = size_t(p.width) * size_t(p.height);
    for (size_t i = 0; i < pixels;) {
        const uint8_t* colour = &p.bgr[i * 3];
        size_t n = 1;
        while (i + n < pixels && n < 0xFFFF && std::memcmp(&p.bgr[(i + n) * 3], colour, 3) == 0)
            ++n;
        uint8_t run[5];
        PutLe16(run, uint16_t(n));
        std::memcpy(run + 2, colour, 3);
        runs.insert(runs.end(), run, run + 5);
        i += n;
    }
    return runs;
}

} // namespace

std::vector<uint8_t> Encode(Coding coding, const Picture& picture, uint32_t flags, uint32_t flags2)
{
    if (!SizeFits(picture))
        return {};
    std::vector<uint8_t> data;
    switch (coding) {
    case Solid:
        data.assign(picture.bgr.begin(), picture.bgr.begin() + 3);
        break;
    case RunLength:
        data = Runs(picture);
        break;
    case Raw:
        data = picture.bgr;
        break;
    }
    std::vector<uint8_t> out = WithHeader(coding, picture, flags, flags2, data.size());
    std::copy(data.begin(), data.end(), out.begin() + kHeaderSize);
    return out;
}

std::vector<uint8_t> EncodeSmallest(const Picture& picture, uint32_t flags, uint32_t flags2)
{
    if (!SizeFits(picture))
        return {};
    bool oneColour = true;
    for (size_t i = 3; oneColour && i < picture.bgr.size(); i += 3)
        oneColour = std::memcmp(&picture.bgr[i], picture.bgr.data(), 3) == 0;
    if (oneColour)
        return Encode(Solid, picture, flags, flags2);
    std::vector<uint8_t> runs = Encode(RunLength, picture, flags, flags2);
    if (runs.size() <= kHeaderSize + picture.bgr.size())
        return runs;
    return Encode(Raw, picture, flags, flags2);
}

} // namespace frame601
