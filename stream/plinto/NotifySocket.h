// A socket that reports its connect, read and close events as the message
// WM_STREAM_SOCKET posted to a stream object's hidden window, as a socket
// under asynchronous selection does: wParam = event | error << 16 (event
// FD_CONNECT, FD_READ or FD_CLOSE, error a WSA code or 0), lParam = the tag
// the owner gave the socket, so that a report of a socket it has closed
// since can be told apart. The owner handles the event in its window
// procedure, where it may close or replace the socket.
#pragma once

#include "stream/plinto/PlintoTypes.h"

#include "link/WindowMessages.h"
#include "platform/msg/AsyncSocket.h"
#include "platform/msg/WndBase.h"

#include <functional>
#include <memory>

namespace plinto
{

class CNotifySocket : public CAsyncSocket
{
public:
    CNotifySocket(HWND hWnd, LPARAM tag)
        : m_hWnd(hWnd)
        , m_tag(tag)
    {
    }

    // A TCP socket bound to any local address, with the given receive buffer
    // (0 keeps the system's); false when it cannot be made.
    bool Open(int receiveBuffer)
    {
        if (!Create(0, SOCK_STREAM, FD_CONNECT | FD_READ | FD_CLOSE))
            return false;
        return receiveBuffer == 0 || SetSockOpt(SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }

    LPARAM Tag() const { return m_tag; }

    void OnConnect(int nErrorCode) override { Report(FD_CONNECT, nErrorCode); }
    void OnReceive(int nErrorCode) override { Report(FD_READ, nErrorCode); }
    void OnClose(int nErrorCode) override { Report(FD_CLOSE, nErrorCode); }

private:
    void Report(long event, int error)
    {
        ::PostMessage(m_hWnd, WM_STREAM_SOCKET, WPARAM(DWORD(event) | DWORD(error) << 16), m_tag);
    }

    HWND m_hWnd;
    LPARAM m_tag;
};

// A socket of the window's that has started connecting to host:port (port
// 1..65535), or null when it could not be made or the connect failed at once.
inline std::unique_ptr<CNotifySocket> ConnectNotifySocket(
    HWND hWnd, LPARAM tag, const char* host, int port, int receiveBuffer)
{
    if (!host || port <= 0 || port > 0xFFFF)
        return nullptr;
    auto socket = std::make_unique<CNotifySocket>(hWnd, tag);
    if (!socket->Open(receiveBuffer))
        return nullptr;
    if (!socket->Connect(host, UINT(port)) && WSAGetLastError() != WSAEWOULDBLOCK)
        return nullptr;
    return socket;
}

// The handlers of a socket's events.
struct SocketHandlers {
    std::function<void()> received, connected, closed;
    std::function<void(WORD code)> error;
};

// Hands one reported event to its handler; a read or connect that carries
// an error becomes error(0xF403) or error(0xF401).
inline void DispatchSocketEvent(WPARAM wParam, const SocketHandlers& h)
{
    const bool failed = HIWORD(wParam) != 0;
    switch (LOWORD(wParam)) {
    case FD_READ:
        failed ? h.error(ERR_SEND_RECEIVE) : h.received();
        break;
    case FD_CONNECT:
        failed ? h.error(ERR_CONNECT_FAILED) : h.connected();
        break;
    case FD_CLOSE:
        h.closed();
        break;
    }
}

} // namespace plinto
