#include "stream/plinto/Reassembler.h"

#include <cstring>

namespace plinto
{

CReassembler::CReassembler(uint32_t room)
    : m_buffer(new uint8_t[room])
    , m_room(room)
{
}

CReassembler::Result CReassembler::Front(MsgHeader* header, const uint8_t** body) const
{
    if (m_buffered < HEADER_SIZE)
        return NeedMore;
    *header = GetHeader(m_buffer.get());
    if (header->length > m_room - HEADER_SIZE)
        return TooLarge;
    if (m_buffered - HEADER_SIZE < header->length)
        return NeedMore;
    *body = m_buffer.get() + HEADER_SIZE;
    return Whole;
}

void CReassembler::Consume()
{
    MsgHeader h = GetHeader(m_buffer.get());
    const uint32_t size = HEADER_SIZE + h.length;
    std::memmove(m_buffer.get(), m_buffer.get() + size, m_buffered - size);
    m_buffered -= size;
}

} // namespace plinto
