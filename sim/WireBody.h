// Builds a reply body field by field in network byte order, as a device
// writes it.
#pragma once

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace sim
{

using Bytes = std::vector<uint8_t>;

class Body
{
public:
    Body& U8(uint8_t v) { return Raw(&v, 1); }
    Body& U16(uint16_t v)
    {
        uint8_t b[2];
        uint32_t o = 0;
        NetPutU16(b, &o, v);
        return Raw(b, 2);
    }
    Body& U32(uint32_t v)
    {
        uint8_t b[4];
        uint32_t o = 0;
        NetPutU32(b, &o, v);
        return Raw(b, 4);
    }
    // Zero-padded to the field's width, cut when longer.
    Body& Text(const std::string& s, size_t width)
    {
        std::string field = s.substr(0, width);
        field.resize(width, '\0');
        return Raw(field.data(), width);
    }
    Body& Zero(size_t n)
    {
        bytes.insert(bytes.end(), n, 0);
        return *this;
    }
    Body& Raw(const void* p, size_t n)
    {
        size_t at = bytes.size();
        bytes.resize(at + n);
        if (n)
            std::memcpy(bytes.data() + at, p, n);
        return *this;
    }
    Bytes bytes;
};

// The 8-byte header of a device message.
inline Bytes MessageHeader(uint16_t id, uint16_t status, uint32_t length)
{
    return Body().U16(id).U16(status).U32(length).bytes;
}

// The MD4 digest of a text in a zeroed 16-byte field, as credentials travel.
inline void DigestText(const std::string& text, uint8_t out[16])
{
    uint8_t field[16] = {};
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), 16));
    MD4Digest(field, sizeof field, out);
}

} // namespace sim
