// Whole sends and bounded exchanges on the clients' sockets.
#pragma once

#include "platform/msg/WinSock.h"

#include <cstdint>

class CDeadline;

namespace plinto
{

// Sends all n bytes, waiting while the socket's buffer is full (at most
// `waitMs` in all); false when the socket fails or stays full.
bool SendAll(SOCKET s, const uint8_t* data, uint32_t n, int waitMs = 5000);
// Receives exactly n bytes before the deadline; false when the peer closes,
// the socket fails or time runs out (WSAETIMEDOUT).
bool RecvExactly(SOCKET s, uint8_t* data, uint32_t n, const CDeadline& deadline);
// A blocking TCP connection to host:port made before the deadline, bound
// to any local address, with send and receive time-outs of `ioTimeoutMs`;
// INVALID_SOCKET when it cannot be made (*made false: no socket at all) or
// connected (WSAETIMEDOUT when time ran out).
SOCKET ConnectBefore(const char* host, int port, const CDeadline& deadline, DWORD ioTimeoutMs, bool* made);

} // namespace plinto
