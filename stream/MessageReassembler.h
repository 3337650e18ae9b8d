// Reassembly of stream messages from what a connection delivers, for both
// dialects of the stream protocol: bytes are appended into a buffer of fixed
// room, and each whole message (8-byte header and the body its length
// announces) is taken from the front. A header that announces more than the
// room can ever hold is a protocol error, never a wait for bytes that
// cannot fit.
#pragma once

#include "link/ByteOrder.h"

#include <cstdint>
#include <functional>
#include <memory>

class CMessageReassembler
{
public:
    explicit CMessageReassembler(uint32_t room);

    // Where the next read goes and how much fits there. Messages taken
    // since the last call are dropped from the buffer first, so a body
    // handed out by Front stays valid until then.
    uint8_t* FreeSpace();
    uint32_t FreeRoom();
    void Added(uint32_t n) { m_end += n; }
    void Reset() { m_start = m_end = 0; }

    enum Result { NeedMore, Whole, TooLarge };
    // Looks at the front: a whole message (its header and body), more
    // bytes needed, or a message too large for the room.
    Result Front(NET_MSG_HEADER* header, const uint8_t** body) const;
    // Takes the whole message at the front.
    void Consume();

    using Handler = std::function<void(const NET_MSG_HEADER& header, const uint8_t* body)>;
    // Takes n more bytes and hands every whole message to the handler. False
    // when a header announces a body that can never fit: the stream cannot
    // be followed any more, and nothing of it is kept.
    bool Commit(uint32_t n, const Handler& handler);

private:
    void Compact();

    std::unique_ptr<uint8_t[]> m_buffer;
    uint32_t m_room;
    uint32_t m_start = 0; // first byte not yet taken
    uint32_t m_end = 0; // end of what was received
};
