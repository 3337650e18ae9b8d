#include "stream/ferrock/Reassembler.h"

#include "stream/ferrock/DvrRequest.h"

#include <cstring>

namespace ferrock
{

Reassembler::Reassembler()
    : m_buffer(kRoom)
{
    UseNetByteOrder();
}

bool Reassembler::Commit(size_t n, const Handler& handler)
{
    m_have += n;
    size_t at = 0;
    bool ok = true;
    while (m_have - at >= NET_MSG_HEADER_SIZE) {
        NET_MSG_HEADER header;
        uint32_t o = static_cast<uint32_t>(at);
        NetGetHeader(m_buffer.data(), &o, &header);
        if (header.length > kRoom - NET_MSG_HEADER_SIZE) {
            ok = false;
            break;
        }
        if (m_have - at < NET_MSG_HEADER_SIZE + header.length)
            break;
        handler(header, m_buffer.data() + at + NET_MSG_HEADER_SIZE);
        at += NET_MSG_HEADER_SIZE + header.length;
    }
    if (!ok) {
        m_have = 0;
        return false;
    }
    if (at) {
        std::memmove(m_buffer.data(), m_buffer.data() + at, m_have - at);
        m_have -= at;
    }
    return true;
}

} // namespace ferrock
