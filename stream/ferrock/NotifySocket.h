// A socket whose network events reach a hidden window as WM_SOCKET_NOTIFY
// (wParam the socket, lParam the event in the low word and the error in the
// high word), as every stream object of the library receives them. They are
// posted, so that a handler may close the socket: the event has left the
// socket's own notification by then.
#pragma once

#include "link/WindowMessages.h"
#include "platform/msg/AsyncSocket.h"
#include "platform/msg/WndBase.h"

namespace ferrock
{

inline long SelectEvent(LPARAM lParam)
{
    return LOWORD(uintptr_t(lParam));
}
inline int SelectError(LPARAM lParam)
{
    return HIWORD(uintptr_t(lParam));
}

class CNotifySocket : public CAsyncSocket
{
public:
    explicit CNotifySocket(CWndBase* target)
        : m_target(target)
    {
    }
    void OnConnect(int nErrorCode) override { Notify(FD_CONNECT, nErrorCode); }
    void OnReceive(int nErrorCode) override { Notify(FD_READ, nErrorCode); }
    void OnClose(int nErrorCode) override { Notify(FD_CLOSE, nErrorCode); }

private:
    void Notify(long event, int error)
    {
        if (m_target->GetSafeHwnd())
            m_target->PostMessage(
                WM_SOCKET_NOTIFY, WPARAM(m_hSocket), MAKELPARAM(WORD(event), WORD(error & 0xFFFF)));
    }
    CWndBase* m_target;
};

} // namespace ferrock
