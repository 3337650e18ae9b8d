#include "link/Deadline.h"

#include "platform/base/Services.h"

#include <algorithm>

namespace
{

// How long one wait lasts before the clock is read again.
constexpr DWORD kSliceMs = 100;

} // namespace

CDeadline::CDeadline(DWORD milliseconds)
    : m_dwStart(GetTickCount())
    , m_dwLength(milliseconds)
{
}

DWORD CDeadline::Remaining() const
{
    // Unsigned difference: right across the wrap of the tick counter.
    const DWORD spent = GetTickCount() - m_dwStart;
    return spent >= m_dwLength ? 0 : m_dwLength - spent;
}

int RecvBefore(SOCKET s, char* buffer, int length, const CDeadline& deadline)
{
    for (;;) {
        const DWORD left = deadline.Remaining();
        if (left == 0) {
            WSASetLastError(WSAETIMEDOUT);
            return SOCKET_ERROR;
        }
        ws::SelectResult ready;
        const int n = ws::select(s, true, false, false, int(std::min(left, kSliceMs)), &ready);
        if (n == SOCKET_ERROR)
            return SOCKET_ERROR;
        if (n > 0)
            return ws::recv(s, buffer, length, 0);
    }
}
