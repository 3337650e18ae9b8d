// Reassembly of stream messages from what a connection delivers: bytes are
// appended into a buffer of fixed room, and each whole message (8-byte
// header and the body its length announces) is taken from the front. A
// header that announces more than the room can ever hold is a protocol
// error, never a wait for bytes that cannot fit.
#pragma once

#include "stream/plinto/StreamCodec.h"

#include <memory>

namespace plinto
{

class CReassembler
{
public:
    explicit CReassembler(uint32_t room);

    uint8_t* FreeSpace() { return m_buffer.get() + m_buffered; }
    uint32_t FreeRoom() const { return m_room - m_buffered; }
    void Added(uint32_t n) { m_buffered += n; }
    void Reset() { m_buffered = 0; }

    enum Result { NeedMore, Whole, TooLarge };
    // Looks at the front: a whole message (its header and body), more
    // bytes needed, or a message too large for the room.
    Result Front(MsgHeader* header, const uint8_t** body) const;
    // Drops the whole message at the front.
    void Consume();

private:
    std::unique_ptr<uint8_t[]> m_buffer;
    uint32_t m_room;
    uint32_t m_buffered = 0;
};

} // namespace plinto
