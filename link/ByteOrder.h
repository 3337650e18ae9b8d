// Byte-order helpers of the device command link.
//
// Two families of the same shape write integers into a byte buffer at a
// moving offset: the network-order family (Net*, most significant byte
// first) for every device message, and the host-order family (Dir*, the
// host's own order) for the registration-server records. The helpers do not
// check the buffer's size; the caller sizes the buffer. Code that reads bytes
// from a device, a server or a file uses the bounded readers below instead.
#pragma once

#include <cstddef>
#include <cstdint>

// The 8-byte header in front of every device message.
struct NET_MSG_HEADER {
    uint16_t msgId; // command code of a request, reply code of a reply
    uint16_t word2; // reply status (0 = success); 22 in requests to a family-4 device
    uint32_t length; // bytes that follow the header
};
constexpr uint32_t NET_MSG_HEADER_SIZE = 8;

// Calendar time in the memory order of the C library's broken-down time.
struct NET_TIME {
    int32_t sec, min, hour, mday, mon, year, wday, yday, isdst;
};
constexpr uint32_t NET_TIME_SIZE = 36;

// Network-order family.
void InitNetByteOrder();
uint32_t SwapU32(uint32_t value);
uint16_t SwapU16(uint16_t value);
void NetPutU8(uint8_t* buf, uint32_t* offset, uint8_t value);
void NetGetU8(const uint8_t* buf, uint32_t* offset, uint8_t* value);
void NetPutU16(uint8_t* buf, uint32_t* offset, uint16_t value);
void NetGetU16(const uint8_t* buf, uint32_t* offset, uint16_t* value);
void NetPutU32(uint8_t* buf, uint32_t* offset, uint32_t value);
void NetGetU32(const uint8_t* buf, uint32_t* offset, uint32_t* value);
void NetPutI32(uint8_t* buf, uint32_t* offset, int32_t value);
void NetGetI32(const uint8_t* buf, uint32_t* offset, int32_t* value);
void NetPeekU16(const uint8_t* buf, uint32_t offset, uint32_t* value);
void NetPeekU32(const uint8_t* buf, uint32_t offset, uint32_t* value);
void NetPutU64(uint8_t* buf, uint32_t* offset, uint32_t low, uint32_t high);
void NetGetU64(const uint8_t* buf, uint32_t* offset, uint32_t* low, uint32_t* high);
void NetPutBytes(uint8_t* buf, uint32_t* offset, const void* src, uint32_t n);
void NetGetBytes(const uint8_t* buf, uint32_t* offset, void* dst, uint32_t n);
void NetZeroFill(uint8_t* buf, uint32_t* offset, uint32_t n);
void NetSkip(const uint8_t* buf, uint32_t* offset, uint32_t n);
void NetPutTime(uint8_t* buf, uint32_t* offset, const NET_TIME& time);
void NetGetTime(const uint8_t* buf, uint32_t* offset, NET_TIME* time);
void NetPutHeader(uint8_t* buf, uint32_t* offset, const NET_MSG_HEADER& header);
void NetGetHeader(const uint8_t* buf, uint32_t* offset, NET_MSG_HEADER* header);

// Host-order family.
void InitHostByteOrder();
void DirPutU8(uint8_t* buf, uint32_t* offset, uint8_t value);
void DirGetU8(const uint8_t* buf, uint32_t* offset, uint8_t* value);
void DirPutU16(uint8_t* buf, uint32_t* offset, uint16_t value);
void DirGetU16(const uint8_t* buf, uint32_t* offset, uint16_t* value);
void DirPutU32(uint8_t* buf, uint32_t* offset, uint32_t value);
void DirGetU32(const uint8_t* buf, uint32_t* offset, uint32_t* value);
void DirPutI32(uint8_t* buf, uint32_t* offset, int32_t value);
void DirGetI32(const uint8_t* buf, uint32_t* offset, int32_t* value);
void DirPutU64(uint8_t* buf, uint32_t* offset, uint32_t low, uint32_t high);
void DirGetU64(const uint8_t* buf, uint32_t* offset, uint32_t* low, uint32_t* high);
void DirPutBytes(uint8_t* buf, uint32_t* offset, const void* src, uint32_t n);
void DirGetBytes(const uint8_t* buf, uint32_t* offset, void* dst, uint32_t n);
void DirZeroFill(uint8_t* buf, uint32_t* offset, uint32_t n);
void DirSkip(const uint8_t* buf, uint32_t* offset, uint32_t n);

// Bounded readers for bytes that come from outside. A field that runs past
// the end reads as zero (the bytes that are there are kept) and marks the
// reader short; nothing is read beyond `size`.
class WireReader
{
public:
    enum Order { Network, Host };
    WireReader(const uint8_t* data, size_t size, Order order = Network, size_t offset = 0)
        : m_data(data)
        , m_size(size)
        , m_offset(offset)
        , m_order(order)
    {
    }

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    // Copies n bytes; missing ones are zero.
    void Bytes(void* dst, size_t n);
    // Copies a fixed-width text field of `width` bytes into dst[dstSize],
    // at most dstSize - 1 characters, always terminated.
    void Text(char* dst, size_t dstSize, size_t width);
    void Skip(size_t n);

    size_t Offset() const { return m_offset; }
    size_t Remaining() const { return m_offset < m_size ? m_size - m_offset : 0; }
    // True once a field ran past the end of the data.
    bool Short() const { return m_short; }
    // How many records of `recordSize` bytes the rest of the data can hold;
    // a count read from the data is bounded by this before it is used.
    size_t RecordsLeft(size_t recordSize) const { return recordSize ? Remaining() / recordSize : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset;
    Order m_order;
    bool m_short = false;
};

// Copies a fixed-width text of at most `width` bytes (it may lack a
// terminator) into dst[dstSize], always terminated.
void CopyFixedText(char* dst, size_t dstSize, const char* src, size_t width);
// Copies a fixed-width field that a text may fill whole (a 24-character
// serial number has no terminator on the wire or in a file): the bytes up
// to the first NUL, at most `width` and `dstSize`, the rest of dst zero.
// Such a field is compared over its width, never read as a C string.
void CopyFullField(char* dst, size_t dstSize, const char* src, size_t width);
// The same from one fixed text field into another of any width.
template <size_t N, size_t M> void CopyField(char (&dst)[N], const char (&src)[M])
{
    CopyFixedText(dst, N, src, M);
}
