#include "link/ByteOrder.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstring>

namespace
{

// Set once; a flag never set counts as a little-endian host.
bool g_bHostBigEndian = false;
int g_nHostByteOrderMark = 0; // 1234 little-endian, 4321 big-endian
bool g_bHostByteOrderSet = false;

void EnsureHostByteOrder()
{
    if (!g_bHostByteOrderSet)
        InitHostByteOrder();
}

} // namespace

void InitNetByteOrder()
{
    g_bHostBigEndian = htonl(1) == 1;
}

uint32_t SwapU32(uint32_t value)
{
    if (g_bHostBigEndian)
        return value;
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

uint16_t SwapU16(uint16_t value)
{
    if (g_bHostBigEndian)
        return value;
    return static_cast<uint16_t>((value >> 8) | (value << 8));
}

// The integers are written byte by byte, most significant first, which is
// the same on every host; SwapU16/SwapU32 serve callers that want the
// big-endian image as an integer.
void NetPutU8(uint8_t* buf, uint32_t* offset, uint8_t value)
{
    buf[(*offset)++] = value;
}

void NetGetU8(const uint8_t* buf, uint32_t* offset, uint8_t* value)
{
    *value = buf[(*offset)++];
}

void NetPutU16(uint8_t* buf, uint32_t* offset, uint16_t value)
{
    buf[*offset] = static_cast<uint8_t>(value >> 8);
    buf[*offset + 1] = static_cast<uint8_t>(value);
    *offset += 2;
}

void NetGetU16(const uint8_t* buf, uint32_t* offset, uint16_t* value)
{
    *value = static_cast<uint16_t>((buf[*offset] << 8) | buf[*offset + 1]);
    *offset += 2;
}

void NetPutU32(uint8_t* buf, uint32_t* offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        buf[*offset + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
    *offset += 4;
}

void NetGetU32(const uint8_t* buf, uint32_t* offset, uint32_t* value)
{
    NetPeekU32(buf, *offset, value);
    *offset += 4;
}

void NetPutI32(uint8_t* buf, uint32_t* offset, int32_t value)
{
    NetPutU32(buf, offset, static_cast<uint32_t>(value));
}

void NetGetI32(const uint8_t* buf, uint32_t* offset, int32_t* value)
{
    uint32_t v;
    NetGetU32(buf, offset, &v);
    *value = static_cast<int32_t>(v);
}

void NetPeekU16(const uint8_t* buf, uint32_t offset, uint32_t* value)
{
    *value = (static_cast<uint32_t>(buf[offset]) << 8) | buf[offset + 1];
}

void NetPeekU32(const uint8_t* buf, uint32_t offset, uint32_t* value)
{
    *value = (static_cast<uint32_t>(buf[offset]) << 24) | (static_cast<uint32_t>(buf[offset + 1]) << 16)
        | (static_cast<uint32_t>(buf[offset + 2]) << 8) | buf[offset + 3];
}

void NetPutU64(uint8_t* buf, uint32_t* offset, uint32_t low, uint32_t high)
{
    NetPutU32(buf, offset, high);
    NetPutU32(buf, offset, low);
}

void NetGetU64(const uint8_t* buf, uint32_t* offset, uint32_t* low, uint32_t* high)
{
    NetGetU32(buf, offset, high);
    NetGetU32(buf, offset, low);
}

void NetPutBytes(uint8_t* buf, uint32_t* offset, const void* src, uint32_t n)
{
    if (n)
        std::memcpy(buf + *offset, src, n);
    *offset += n;
}

void NetGetBytes(const uint8_t* buf, uint32_t* offset, void* dst, uint32_t n)
{
    if (n)
        std::memcpy(dst, buf + *offset, n);
    *offset += n;
}

void NetZeroFill(uint8_t* buf, uint32_t* offset, uint32_t n)
{
    if (n)
        std::memset(buf + *offset, 0, n);
    *offset += n;
}

void NetSkip(const uint8_t*, uint32_t* offset, uint32_t n)
{
    *offset += n;
}

void NetPutTime(uint8_t* buf, uint32_t* offset, const NET_TIME& t)
{
    for (int32_t v : { t.year, t.mon, t.mday, t.hour, t.min, t.sec, t.wday, t.yday, t.isdst })
        NetPutI32(buf, offset, v);
}

void NetGetTime(const uint8_t* buf, uint32_t* offset, NET_TIME* t)
{
    for (int32_t* v :
        { &t->year, &t->mon, &t->mday, &t->hour, &t->min, &t->sec, &t->wday, &t->yday, &t->isdst })
        NetGetI32(buf, offset, v);
}

void NetPutHeader(uint8_t* buf, uint32_t* offset, const NET_MSG_HEADER& header)
{
    NetPutU16(buf, offset, header.msgId);
    NetPutU16(buf, offset, header.word2);
    NetPutU32(buf, offset, header.length);
}

void NetGetHeader(const uint8_t* buf, uint32_t* offset, NET_MSG_HEADER* header)
{
    NetGetU16(buf, offset, &header->msgId);
    NetGetU16(buf, offset, &header->word2);
    NetGetU32(buf, offset, &header->length);
}

void InitHostByteOrder()
{
    g_nHostByteOrderMark = htonl(0x12345678) != 0x12345678 ? 1234 : 4321;
    g_bHostByteOrderSet = true;
}

// The host-order family stores values in the host's own order: memcpy of
// the integer is exactly that on every host.
void DirPutU8(uint8_t* buf, uint32_t* offset, uint8_t value)
{
    buf[(*offset)++] = value;
}

void DirGetU8(const uint8_t* buf, uint32_t* offset, uint8_t* value)
{
    *value = buf[(*offset)++];
}

void DirPutU16(uint8_t* buf, uint32_t* offset, uint16_t value)
{
    EnsureHostByteOrder();
    std::memcpy(buf + *offset, &value, 2);
    *offset += 2;
}

void DirGetU16(const uint8_t* buf, uint32_t* offset, uint16_t* value)
{
    EnsureHostByteOrder();
    std::memcpy(value, buf + *offset, 2);
    *offset += 2;
}

void DirPutU32(uint8_t* buf, uint32_t* offset, uint32_t value)
{
    EnsureHostByteOrder();
    std::memcpy(buf + *offset, &value, 4);
    *offset += 4;
}

void DirGetU32(const uint8_t* buf, uint32_t* offset, uint32_t* value)
{
    EnsureHostByteOrder();
    std::memcpy(value, buf + *offset, 4);
    *offset += 4;
}

void DirPutI32(uint8_t* buf, uint32_t* offset, int32_t value)
{
    DirPutU32(buf, offset, static_cast<uint32_t>(value));
}

void DirGetI32(const uint8_t* buf, uint32_t* offset, int32_t* value)
{
    uint32_t v;
    DirGetU32(buf, offset, &v);
    *value = static_cast<int32_t>(v);
}

void DirPutU64(uint8_t* buf, uint32_t* offset, uint32_t low, uint32_t high)
{
    DirPutU32(buf, offset, low);
    DirPutU32(buf, offset, high);
}

void DirGetU64(const uint8_t* buf, uint32_t* offset, uint32_t* low, uint32_t* high)
{
    DirGetU32(buf, offset, low);
    DirGetU32(buf, offset, high);
}

void DirPutBytes(uint8_t* buf, uint32_t* offset, const void* src, uint32_t n)
{
    NetPutBytes(buf, offset, src, n);
}
void DirGetBytes(const uint8_t* buf, uint32_t* offset, void* dst, uint32_t n)
{
    NetGetBytes(buf, offset, dst, n);
}
void DirZeroFill(uint8_t* buf, uint32_t* offset, uint32_t n)
{
    NetZeroFill(buf, offset, n);
}
void DirSkip(const uint8_t* buf, uint32_t* offset, uint32_t n)
{
    NetSkip(buf, offset, n);
}

uint8_t WireReader::U8()
{
    uint8_t v = 0;
    Bytes(&v, 1);
    return v;
}

uint16_t WireReader::U16()
{
    uint8_t b[2];
    Bytes(b, 2);
    if (m_order == Network)
        return static_cast<uint16_t>((b[0] << 8) | b[1]);
    uint16_t v;
    std::memcpy(&v, b, 2);
    return v;
}

uint32_t WireReader::U32()
{
    uint8_t b[4];
    Bytes(b, 4);
    if (m_order == Network) {
        uint32_t v;
        NetPeekU32(b, 0, &v);
        return v;
    }
    uint32_t v;
    std::memcpy(&v, b, 4);
    return v;
}

void WireReader::Bytes(void* dst, size_t n)
{
    size_t have = std::min(n, Remaining());
    if (have)
        std::memcpy(dst, m_data + m_offset, have);
    if (have < n) {
        std::memset(static_cast<uint8_t*>(dst) + have, 0, n - have);
        m_short = true;
    }
    m_offset += n;
}

void WireReader::Text(char* dst, size_t dstSize, size_t width)
{
    size_t have = std::min(width, Remaining());
    CopyFixedText(dst, dstSize, reinterpret_cast<const char*>(m_data + std::min(m_offset, m_size)), have);
    if (have < width)
        m_short = true;
    m_offset += width;
}

void WireReader::Skip(size_t n)
{
    if (n > Remaining())
        m_short = true;
    m_offset += n;
}

void CopyFullField(char* dst, size_t dstSize, const char* src, size_t width)
{
    size_t n = 0;
    size_t limit = std::min(width, dstSize);
    while (n < limit && src[n] != '\0')
        ++n;
    if (n && dst != src)
        std::memmove(dst, src, n);
    std::memset(dst + n, 0, dstSize - n);
}

void CopyFixedText(char* dst, size_t dstSize, const char* src, size_t width)
{
    if (dstSize == 0)
        return;
    size_t n = 0;
    size_t limit = std::min(width, dstSize - 1);
    while (n < limit && src[n] != '\0')
        ++n;
    if (n)
        std::memcpy(dst, src, n);
    std::memset(dst + n, 0, dstSize - n);
}
