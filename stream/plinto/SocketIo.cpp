#include "stream/plinto/SocketIo.h"

#include "link/Deadline.h"

#include <algorithm>
#include <cstring>
#include <netdb.h>

namespace plinto
{

namespace
{

constexpr int kSliceMs = 100;

bool Resolve(const char* host, int port, sockaddr_in* to)
{
    std::memset(to, 0, sizeof *to);
    to->sin_family = AF_INET;
    to->sin_port = htons(uint16_t(port));
    if (inet_pton(AF_INET, host, &to->sin_addr) == 1)
        return true;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found)
        return false;
    to->sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

} // namespace

bool SendAll(SOCKET s, const uint8_t* data, uint32_t n, int waitMs)
{
    uint32_t sent = 0;
    int waited = 0;
    while (sent < n) {
        const int r = ws::send(s, reinterpret_cast<const char*>(data + sent), int(n - sent), 0);
        if (r > 0) {
            sent += uint32_t(r);
            continue;
        }
        if (r == 0 || WSAGetLastError() != WSAEWOULDBLOCK || waited >= waitMs)
            return false;
        ws::SelectResult ready;
        ws::select(s, false, true, false, kSliceMs, &ready);
        waited += kSliceMs;
    }
    return true;
}

bool RecvExactly(SOCKET s, uint8_t* data, uint32_t n, const CDeadline& deadline)
{
    for (uint32_t got = 0; got < n;) {
        const int r = RecvBefore(s, reinterpret_cast<char*>(data + got), int(n - got), deadline);
        if (r <= 0)
            return false;
        got += uint32_t(r);
    }
    return true;
}

SOCKET ConnectBefore(const char* host, int port, const CDeadline& deadline, DWORD ioTimeoutMs, bool* made)
{
    *made = false;
    sockaddr_in to;
    SOCKET s = ws::socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET)
        return INVALID_SOCKET;
    sockaddr_in any {};
    any.sin_family = AF_INET;
    unsigned long nonBlocking = 1;
    if (ws::bind(s, reinterpret_cast<sockaddr*>(&any), sizeof any) != 0
        || ws::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &ioTimeoutMs, sizeof ioTimeoutMs) != 0
        || ws::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &ioTimeoutMs, sizeof ioTimeoutMs) != 0
        || ws::ioctlsocket(s, FIONBIO, &nonBlocking) != 0) {
        ws::closesocket(s);
        return INVALID_SOCKET;
    }
    *made = true;
    bool connected = false;
    if (host && Resolve(host, port, &to)) {
        if (ws::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
            connected = true;
        } else if (WSAGetLastError() == WSAEWOULDBLOCK || WSAGetLastError() == WSAEINPROGRESS) {
            for (DWORD left; !connected && (left = deadline.Remaining()) > 0;) {
                ws::SelectResult ready;
                const int n = ws::select(s, false, true, true, int(std::min<DWORD>(left, kSliceMs)), &ready);
                if (n == SOCKET_ERROR)
                    break;
                if (n > 0) {
                    int error = 0, len = sizeof error;
                    ws::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &len);
                    if (error)
                        break;
                    connected = true;
                }
            }
            if (!connected && deadline.Remaining() == 0)
                WSASetLastError(WSAETIMEDOUT);
        }
    }
    nonBlocking = 0;
    if (!connected || ws::ioctlsocket(s, FIONBIO, &nonBlocking) != 0) {
        ws::closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

} // namespace plinto
