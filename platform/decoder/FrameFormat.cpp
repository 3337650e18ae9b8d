#include "platform/decoder/FrameFormat.h"

#include <cstring>

namespace frame601
{

bool ReadHeader(const uint8_t* payload, size_t size, Header* header)
{
    if (!payload || size < kHeaderSize || std::memcmp(payload + kOffsetMagic, kMagic, sizeof kMagic) != 0
        || payload[kOffsetVersion] != kVersion)
        return false;
    Header h;
    uint8_t coding = payload[kOffsetCoding];
    if (coding > Raw)
        return false;
    h.coding = Coding(coding);
    h.headerSize = GetLe16(payload + kOffsetHeaderSize);
    h.width = GetLe16(payload + kOffsetWidth);
    h.height = GetLe16(payload + kOffsetHeight);
    h.flags = GetLe32(payload + kOffsetFlags);
    h.flags2 = GetLe32(payload + kOffsetFlags2);
    h.dataLength = GetLe32(payload + kOffsetDataLength);
    if (h.headerSize < kHeaderSize || h.headerSize > size || h.dataLength > size - h.headerSize)
        return false;
    if (h.width < 1 || h.width > kMaxSide || h.height < 1 || h.height > kMaxSide)
        return false;
    const uint32_t pixels = uint32_t(h.width) * uint32_t(h.height);
    switch (h.coding) {
    case Solid:
        if (h.dataLength != 3)
            return false;
        break;
    case RunLength:
        if (h.dataLength == 0 || h.dataLength % 5 != 0 || h.dataLength / 5 > pixels)
            return false;
        break;
    case Raw:
        if (h.dataLength != pixels * 3)
            return false;
        break;
    }
    *header = h;
    return true;
}

} // namespace frame601
