// Reassembles the DVR's messages from what the socket gives: a header, then
// the body it announces, any number of messages per read and any split.
#pragma once

#include "link/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace ferrock
{

class Reassembler
{
public:
    using Handler = std::function<void(const NET_MSG_HEADER& header, const uint8_t* body)>;

    // Room of the buffer, header included.
    static constexpr size_t kRoom = 0x20000;

    Reassembler();
    void Reset() { m_have = 0; }
    // Where the next read goes and how much fits there.
    uint8_t* FreeSpace() { return m_buffer.data() + m_have; }
    size_t FreeRoom() const { return kRoom - m_have; }
    // Takes n more bytes and hands every complete message to the handler.
    // False when a header announces a body that can never fit the buffer:
    // the stream cannot be followed any more.
    bool Commit(size_t n, const Handler& handler);

private:
    std::vector<uint8_t> m_buffer;
    size_t m_have = 0;
};

} // namespace ferrock
