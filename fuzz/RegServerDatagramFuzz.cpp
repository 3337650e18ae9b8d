// Datagrams from a registration server as the UDP socket's listing takes
// them: the input is cut into datagrams (a 2-byte length before each), each
// put into the receive buffer where the socket would receive it.
#include "link/RegServerSocket.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{

class CCheckingTarget : public CRegServerRecordTarget
{
public:
    void OnRegServerRecord(ZPT_NODE* pNode) override
    {
        // Every text handed on ends within its field.
        if (strnlen(pNode->szName, sizeof pNode->szName) == sizeof pNode->szName
            || strnlen(pNode->szMac, sizeof pNode->szMac) == sizeof pNode->szMac)
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CCheckingTarget target;
    CRegServerSocket socket; // never created: page requests fail and end the listing
    socket.Reset(&target);
    socket.m_strServerAddress = "127.0.0.1";
    size_t pos = 0;
    while (pos + 2 <= size) {
        size_t length = size_t(data[pos]) << 8 | data[pos + 1];
        pos += 2;
        length = std::min(length, size - pos);
        int room = socket.m_nRoom - socket.m_nFillPos;
        if (room <= 0)
            std::abort();
        // A datagram longer than the room is cut, as the receive cuts it.
        int taken = int(std::min<size_t>(length, size_t(room)));
        std::memcpy(socket.m_buffer + socket.m_nFillPos, data + pos, size_t(taken));
        pos += length;
        socket.m_nLastBytes = taken;
        if (taken > 0)
            socket.TakeReceived();
        if (socket.m_nFillPos < 0 || socket.m_nFillPos >= socket.m_nUnitLength)
            std::abort();
    }
    return 0;
}
