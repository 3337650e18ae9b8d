// Bounded network-order writer for messages built into a fixed buffer.
// A field that would not fit marks the writer failed and writes nothing, so
// the caller can refuse the whole message instead of running past the buffer.
#pragma once

#include "link/ByteOrder.h"

#include <cstddef>
#include <cstdint>

class WireWriter
{
public:
    WireWriter(uint8_t* buf, size_t capacity, uint32_t offset)
        : m_buf(buf)
        , m_capacity(capacity)
        , m_offset(offset)
    {
    }

    void U8(uint8_t v)
    {
        if (Room(1))
            NetPutU8(m_buf, &m_offset, v);
    }
    void U16(uint16_t v)
    {
        if (Room(2))
            NetPutU16(m_buf, &m_offset, v);
    }
    void U32(uint32_t v)
    {
        if (Room(4))
            NetPutU32(m_buf, &m_offset, v);
    }
    void Bytes(const void* src, size_t n)
    {
        if (Room(n))
            NetPutBytes(m_buf, &m_offset, src, static_cast<uint32_t>(n));
    }
    void Zero(size_t n)
    {
        if (Room(n))
            NetZeroFill(m_buf, &m_offset, static_cast<uint32_t>(n));
    }

    uint32_t Offset() const { return m_offset; }
    bool Failed() const { return m_failed; }

private:
    bool Room(size_t n)
    {
        if (m_failed || n > m_capacity || m_offset > m_capacity - n) {
            m_failed = true;
            return false;
        }
        return true;
    }

    uint8_t* m_buf;
    size_t m_capacity;
    uint32_t m_offset;
    bool m_failed = false;
};
