// The time limit of a whole exchange, on the program's clock. Per-receive
// time-outs alone let a peer that trickles its answer one byte at a time
// hold the caller for as long as it likes; a deadline ends the exchange at
// its limit however the bytes arrive.
#pragma once

#include "platform/base/Types.h"
#include "platform/msg/WinSock.h"

class CDeadline
{
public:
    // The limit runs from now.
    explicit CDeadline(DWORD milliseconds = 0);
    // Milliseconds left; 0 once the limit has passed.
    DWORD Remaining() const;

private:
    DWORD m_dwStart;
    DWORD m_dwLength;
};

// One receive that ends at the deadline: the bytes received, 0 when the peer
// closed, SOCKET_ERROR on a socket error or when the deadline passed first
// (WSAETIMEDOUT).
int RecvBefore(SOCKET s, char* buffer, int length, const CDeadline& deadline);
