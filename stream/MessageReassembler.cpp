#include "stream/MessageReassembler.h"

#include <cstring>

CMessageReassembler::CMessageReassembler(uint32_t room)
    : m_buffer(new uint8_t[room])
    , m_room(room)
{
}

uint8_t* CMessageReassembler::FreeSpace()
{
    Compact();
    return m_buffer.get() + m_end;
}

uint32_t CMessageReassembler::FreeRoom()
{
    Compact();
    return m_room - m_end;
}

CMessageReassembler::Result CMessageReassembler::Front(NET_MSG_HEADER* header, const uint8_t** body) const
{
    const uint32_t buffered = m_end - m_start;
    if (buffered < NET_MSG_HEADER_SIZE)
        return NeedMore;
    WireReader r(m_buffer.get() + m_start, NET_MSG_HEADER_SIZE);
    header->msgId = r.U16();
    header->word2 = r.U16();
    header->length = r.U32();
    if (header->length > m_room - NET_MSG_HEADER_SIZE)
        return TooLarge;
    if (buffered - NET_MSG_HEADER_SIZE < header->length)
        return NeedMore;
    *body = m_buffer.get() + m_start + NET_MSG_HEADER_SIZE;
    return Whole;
}

void CMessageReassembler::Consume()
{
    NET_MSG_HEADER header;
    const uint8_t* body = nullptr;
    if (Front(&header, &body) == Whole)
        m_start += NET_MSG_HEADER_SIZE + header.length;
}

bool CMessageReassembler::Commit(uint32_t n, const Handler& handler)
{
    Added(n);
    for (;;) {
        NET_MSG_HEADER header;
        const uint8_t* body = nullptr;
        switch (Front(&header, &body)) {
        case NeedMore:
            return true;
        case TooLarge:
            Reset();
            return false;
        case Whole:
            handler(header, body);
            Consume();
            break;
        }
    }
}

void CMessageReassembler::Compact()
{
    if (m_start == 0)
        return;
    std::memmove(m_buffer.get(), m_buffer.get() + m_start, m_end - m_start);
    m_end -= m_start;
    m_start = 0;
}
