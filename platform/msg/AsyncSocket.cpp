#include "platform/msg/AsyncSocket.h"

#include "platform/msg/ThreadState.h"
#include "platform/msg/WinSockInternal.h"
#include "platform/msg/WndBase.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace
{

enum class StreamState { Idle, Connecting, Connected, Listening };

bool ParseAddress(LPCTSTR host, UINT port, sockaddr_in& out)
{
    std::memset(&out, 0, sizeof out);
    out.sin_family = AF_INET;
    out.sin_port = htons(uint16_t(port));
    if (!host || !*host) {
        out.sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    if (inet_pton(AF_INET, host, &out.sin_addr) == 1)
        return true;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) {
        WSASetLastError(WSAHOST_NOT_FOUND);
        return false;
    }
    out.sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

CString AddressText(const sockaddr_in& a)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    return text;
}

int SocketType(SOCKET s)
{
    int type = 0, len = sizeof type;
    ws::getsockopt(s, SOL_SOCKET, SO_TYPE, &type, &len);
    return type;
}

} // namespace

// Watches the socket on its owner thread and turns readiness into the
// notification calls, one per event until re-armed.
class CAsyncSocket::Notifier : public QObject
{
public:
    Notifier(CAsyncSocket* owner, const ws_internal::Pinned& pin, int type, StreamState state)
        : m_owner(owner)
        , m_pin(pin)
        , m_type(type)
        , m_state(state)
        , m_read(pin.fd, QSocketNotifier::Read)
        , m_write(pin.fd, QSocketNotifier::Write)
    {
        m_read.setEnabled(false);
        m_write.setEnabled(false);
        connect(&m_read, &QSocketNotifier::activated, this, [this] { OnReadable(); });
        connect(&m_write, &QSocketNotifier::activated, this, [this] { OnWritable(); });
    }

    bool OnOwnerThread() const { return QThread::currentThread() == thread(); }

    void Start(long events)
    {
        m_events = events;
        if (m_type == SOCK_DGRAM || m_state == StreamState::Connected || m_state == StreamState::Listening)
            m_read.setEnabled((events & (FD_READ | FD_ACCEPT | FD_CLOSE)) != 0);
        // A datagram socket and a connected one can send from the start.
        if ((m_type == SOCK_DGRAM || m_state == StreamState::Connected) && (events & FD_WRITE))
            m_write.setEnabled(true);
    }

    void Rearm(long events)
    {
        if (!OnOwnerThread())
            return;
        if (m_blocked) {
            m_rearmRead = m_rearmRead || (events & (FD_READ | FD_ACCEPT));
            return;
        }
        if (events & (FD_READ | FD_ACCEPT))
            m_read.setEnabled(m_events & (FD_READ | FD_ACCEPT | FD_CLOSE));
        if (events & FD_WRITE)
            m_write.setEnabled(m_events & FD_WRITE);
    }

    void ConnectStarted()
    {
        m_state = StreamState::Connecting;
        if (OnOwnerThread())
            m_write.setEnabled(true);
    }
    void Listening()
    {
        m_state = StreamState::Listening;
        Rearm(FD_ACCEPT);
    }

    // A blocking call waits on the descriptor itself; the notifiers rest
    // and pick up afterwards.
    void Block(bool blocked)
    {
        if (!OnOwnerThread())
            return;
        m_blocked = blocked;
        if (blocked) {
            m_wasReading = m_read.isEnabled();
            m_rearmRead = false;
            m_read.setEnabled(false);
            m_write.setEnabled(false);
        } else if (m_wasReading || m_rearmRead) {
            m_read.setEnabled((m_events & (FD_READ | FD_ACCEPT | FD_CLOSE)) != 0);
        }
    }

    // A blocking connect finished.
    void SetConnected()
    {
        m_state = StreamState::Connected;
        m_wasReading = true;
    }

    void Detach() { m_owner = nullptr; }

private:
    void OnReadable()
    {
        m_read.setEnabled(false);
        CAsyncSocket* owner = m_owner;
        if (!owner)
            return;
        if (m_state == StreamState::Listening) {
            if (m_events & FD_ACCEPT)
                owner->OnAccept(0);
            return;
        }
        if (m_type == SOCK_STREAM) {
            char byte;
            ssize_t n = ::recv(m_pin.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                m_read.setEnabled(true);
                return;
            }
            if (n <= 0) {
                m_state = StreamState::Idle;
                if (m_events & FD_CLOSE)
                    owner->OnClose(n == 0 ? 0 : WSAErrorFromErrno(errno));
                return;
            }
        }
        if (m_events & FD_READ)
            owner->OnReceive(0);
    }

    void OnWritable()
    {
        m_write.setEnabled(false);
        CAsyncSocket* owner = m_owner;
        if (!owner)
            return;
        if (m_state == StreamState::Connecting) {
            int error = 0;
            socklen_t len = sizeof error;
            ::getsockopt(m_pin.fd, SOL_SOCKET, SO_ERROR, &error, &len);
            m_state = error ? StreamState::Idle : StreamState::Connected;
            if (m_events & FD_CONNECT)
                owner->OnConnect(WSAErrorFromErrno(error));
            if (error || m_owner != owner)
                return;
            m_read.setEnabled((m_events & (FD_READ | FD_CLOSE)) != 0);
        }
        if (m_events & FD_WRITE)
            owner->OnSend(0);
    }

    std::atomic<CAsyncSocket*> m_owner;
    ws_internal::Pinned m_pin;
    int m_type;
    StreamState m_state;
    long m_events = 0;
    bool m_blocked = false;
    bool m_wasReading = false;
    bool m_rearmRead = false;
    QSocketNotifier m_read;
    QSocketNotifier m_write;
};

CAsyncSocket::CAsyncSocket() = default;

CAsyncSocket::~CAsyncSocket()
{
    CAsyncSocket::Close();
}

BOOL CAsyncSocket::Create(UINT nSocketPort, int nSocketType, long lEvent, LPCTSTR lpszSocketAddress)
{
    if (!Socket(nSocketType, lEvent))
        return FALSE;
    if (Bind(nSocketPort, lpszSocketAddress))
        return TRUE;
    int error = WSAGetLastError();
    Close();
    WSASetLastError(error);
    return FALSE;
}

BOOL CAsyncSocket::Socket(int nSocketType, long lEvent, int nProtocolType, int nAddressFormat)
{
    if (m_hSocket != INVALID_SOCKET) {
        WSASetLastError(WSAEINVAL);
        return FALSE;
    }
    SOCKET s = ws::socket(nAddressFormat, nSocketType, nProtocolType);
    if (s == INVALID_SOCKET)
        return FALSE;
    Attach(s, lEvent);
    return TRUE;
}

void CAsyncSocket::Attach(SOCKET s, long lEvent)
{
    m_hSocket = s;
    AsyncSelect(lEvent);
}

BOOL CAsyncSocket::AsyncSelect(long lEvent)
{
    if (m_hSocket == INVALID_SOCKET) {
        WSASetLastError(WSAENOTSOCK);
        return FALSE;
    }
    unsigned long nonBlocking = lEvent ? 1 : 0;
    ws::ioctlsocket(m_hSocket, FIONBIO, &nonBlocking);
    m_lEvent = lEvent;
    if (!lEvent || !QCoreApplication::instance()) {
        m_notifier.reset();
        return TRUE;
    }
    if (!m_notifier) {
        ws_internal::Pinned pin;
        if (!ws_internal::Pin(m_hSocket, pin))
            return FALSE;
        msgcore::ThreadState::Current()->Queue();
        StreamState state = StreamState::Idle;
        sockaddr_in peer {};
        int len = sizeof peer;
        if (ws::getpeername(m_hSocket, reinterpret_cast<sockaddr*>(&peer), &len) == 0)
            state = StreamState::Connected;
        m_notifier = std::make_unique<Notifier>(this, pin, SocketType(m_hSocket), state);
    }
    m_notifier->Start(lEvent);
    return TRUE;
}

void CAsyncSocket::Rearm(long lEvent)
{
    if (m_notifier)
        m_notifier->Rearm(lEvent);
}

void CAsyncSocket::BlockNotifications(bool blocked, bool connected)
{
    if (!m_notifier)
        return;
    if (connected)
        m_notifier->SetConnected();
    m_notifier->Block(blocked);
}

BOOL CAsyncSocket::Bind(UINT nSocketPort, LPCTSTR lpszSocketAddress)
{
    sockaddr_in a;
    if (!ParseAddress(lpszSocketAddress, nSocketPort, a))
        return FALSE;
    return Bind(reinterpret_cast<const SOCKADDR*>(&a), sizeof a);
}

BOOL CAsyncSocket::Bind(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    return ws::bind(m_hSocket, lpSockAddr, nSockAddrLen) == 0;
}

BOOL CAsyncSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    sockaddr_in a;
    if (!lpszHostAddress || !ParseAddress(lpszHostAddress, nHostPort, a)) {
        if (!lpszHostAddress)
            WSASetLastError(WSAEINVAL);
        return FALSE;
    }
    return Connect(reinterpret_cast<const SOCKADDR*>(&a), sizeof a);
}

BOOL CAsyncSocket::Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    int r = ws::connect(m_hSocket, lpSockAddr, nSockAddrLen);
    bool started = r == 0 || WSAGetLastError() == WSAEWOULDBLOCK;
    if (started && m_notifier && ws_internal::IsNonBlocking(m_hSocket))
        m_notifier->ConnectStarted();
    if (r == 0 && ws_internal::IsNonBlocking(m_hSocket)) {
        // The connection is reported through OnConnect all the same.
        WSASetLastError(WSAEWOULDBLOCK);
        return FALSE;
    }
    return r == 0;
}

BOOL CAsyncSocket::Listen(int nConnectionBacklog)
{
    if (ws::listen(m_hSocket, nConnectionBacklog) != 0)
        return FALSE;
    if (m_notifier)
        m_notifier->Listening();
    return TRUE;
}

BOOL CAsyncSocket::Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr, int* lpSockAddrLen)
{
    if (rConnectedSocket.m_hSocket != INVALID_SOCKET) {
        WSASetLastError(WSAEINVAL);
        return FALSE;
    }
    SOCKET s = ws::accept(m_hSocket, lpSockAddr, lpSockAddrLen);
    int error = WSAGetLastError();
    Rearm(FD_ACCEPT);
    if (s == INVALID_SOCKET) {
        WSASetLastError(error);
        return FALSE;
    }
    // The accepted socket reports the events of the listening one.
    rConnectedSocket.Attach(s, m_lEvent);
    return TRUE;
}

int CAsyncSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    int n = ws::send(m_hSocket, static_cast<const char*>(lpBuf), nBufLen, nFlags);
    if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
        Rearm(FD_WRITE);
    return n;
}

int CAsyncSocket::Receive(void* lpBuf, int nBufLen, int nFlags)
{
    int n = ws::recv(m_hSocket, static_cast<char*>(lpBuf), nBufLen, nFlags);
    int error = WSAGetLastError();
    Rearm(FD_READ);
    WSASetLastError(error);
    return n;
}

int CAsyncSocket::SendTo(const void* lpBuf, int nBufLen, UINT nHostPort, LPCTSTR lpszHostAddress, int nFlags)
{
    sockaddr_in a;
    if (!ParseAddress(lpszHostAddress, nHostPort, a))
        return SOCKET_ERROR;
    if (!lpszHostAddress)
        a.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    return SendTo(lpBuf, nBufLen, reinterpret_cast<const SOCKADDR*>(&a), sizeof a, nFlags);
}

int CAsyncSocket::SendTo(
    const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags)
{
    int n = ws::sendto(m_hSocket, static_cast<const char*>(lpBuf), nBufLen, nFlags, lpSockAddr, nSockAddrLen);
    if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
        Rearm(FD_WRITE);
    return n;
}

int CAsyncSocket::ReceiveFrom(
    void* lpBuf, int nBufLen, CString& rSocketAddress, UINT& rSocketPort, int nFlags)
{
    sockaddr_in a {};
    int len = sizeof a;
    int n = ReceiveFrom(lpBuf, nBufLen, reinterpret_cast<SOCKADDR*>(&a), &len, nFlags);
    if (n != SOCKET_ERROR || WSAGetLastError() == WSAEMSGSIZE) {
        rSocketAddress = AddressText(a);
        rSocketPort = ntohs(a.sin_port);
    }
    return n;
}

int CAsyncSocket::ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags)
{
    int n = ws::recvfrom(m_hSocket, static_cast<char*>(lpBuf), nBufLen, nFlags, lpSockAddr, lpSockAddrLen);
    int error = WSAGetLastError();
    Rearm(FD_READ);
    WSASetLastError(error);
    return n;
}

BOOL CAsyncSocket::SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel)
{
    return ws::setsockopt(m_hSocket, nLevel, nOptionName, lpOptionValue, nOptionLen) == 0;
}

BOOL CAsyncSocket::GetSockOpt(int nOptionName, void* lpOptionValue, int* lpOptionLen, int nLevel)
{
    return ws::getsockopt(m_hSocket, nLevel, nOptionName, lpOptionValue, lpOptionLen) == 0;
}

namespace
{

BOOL AddressOf(int (*query)(SOCKET, sockaddr*, int*), SOCKET s, CString& rAddress, UINT& rPort)
{
    sockaddr_in a {};
    int len = sizeof a;
    if (query(s, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        return FALSE;
    rAddress = AddressText(a);
    rPort = ntohs(a.sin_port);
    return TRUE;
}

} // namespace

BOOL CAsyncSocket::GetSockName(CString& rSocketAddress, UINT& rSocketPort)
{
    return AddressOf(ws::getsockname, m_hSocket, rSocketAddress, rSocketPort);
}

BOOL CAsyncSocket::GetPeerName(CString& rPeerAddress, UINT& rPeerPort)
{
    return AddressOf(ws::getpeername, m_hSocket, rPeerAddress, rPeerPort);
}

BOOL CAsyncSocket::IOCtl(long lCommand, DWORD* lpArgument)
{
    if (!lpArgument) {
        WSASetLastError(WSAEFAULT);
        return FALSE;
    }
    unsigned long arg = *lpArgument;
    if (ws::ioctlsocket(m_hSocket, (unsigned long)lCommand, &arg) != 0)
        return FALSE;
    *lpArgument = DWORD(arg);
    return TRUE;
}

BOOL CAsyncSocket::ShutDown(int nHow)
{
    return ws::shutdown(m_hSocket, nHow) == 0;
}

void CAsyncSocket::Close()
{
    if (m_notifier) {
        m_notifier->Detach();
        if (m_notifier->OnOwnerThread())
            m_notifier.reset();
        else
            m_notifier.release()->deleteLater();
    }
    if (m_hSocket != INVALID_SOCKET) {
        ws::closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
    }
}

void CAsyncSocket::OnReceive(int) { }
void CAsyncSocket::OnSend(int) { }
void CAsyncSocket::OnOutOfBandData(int) { }
void CAsyncSocket::OnAccept(int) { }
void CAsyncSocket::OnConnect(int) { }
void CAsyncSocket::OnClose(int) { }

CSocket::CSocket()
    : m_cancelFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

CSocket::~CSocket()
{
    CSocket::Close();
    if (m_cancelFd >= 0)
        ::close(m_cancelFd);
}

void CSocket::CancelBlockingCall()
{
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(m_cancelFd, &one, sizeof one);
}

BOOL CSocket::OnMessagePending()
{
    PumpWaitingMessages();
    return FALSE;
}

bool CSocket::WaitRounds(short events)
{
    for (;;) {
        ws_internal::Pinned pin;
        if (m_hSocket == INVALID_SOCKET || !ws_internal::Pin(m_hSocket, pin)) {
            WSASetLastError(WSAEINTR);
            return false;
        }
        pollfd fds[3] = { { pin.fd, events, 0 }, { pin.wakeFd, POLLIN, 0 }, { m_cancelFd, POLLIN, 0 } };
        int n = ::poll(fds, 3, int(m_nPendingInterval));
        if (n < 0 && errno != EINTR) {
            WSASetLastError(WSAErrorFromErrno(errno));
            return false;
        }
        if (fds[1].revents || fds[2].revents) {
            WSASetLastError(WSAEINTR);
            return false;
        }
        if (n > 0 && fds[0].revents)
            return true;
        pin = {};
        OnMessagePending();
    }
}

template <class Op> int CSocket::BlockingCall(short events, Op op)
{
    if (m_bBlocking) {
        WSASetLastError(WSAEINPROGRESS);
        return SOCKET_ERROR;
    }
    uint64_t drained;
    while (::read(m_cancelFd, &drained, sizeof drained) > 0) { }
    m_bBlocking = true;
    BlockNotifications(true);
    int result;
    for (;;) {
        result = op();
        if (result != SOCKET_ERROR || WSAGetLastError() != WSAEWOULDBLOCK)
            break;
        if (!WaitRounds(events)) {
            result = SOCKET_ERROR;
            break;
        }
    }
    int error = WSAGetLastError();
    BlockNotifications(false);
    m_bBlocking = false;
    WSASetLastError(error);
    return result;
}

BOOL CSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    return CAsyncSocket::Connect(lpszHostAddress, nHostPort);
}

BOOL CSocket::Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    bool started = false;
    int r = BlockingCall(POLLOUT, [&]() -> int {
        if (!started) {
            started = true;
            return ws::connect(m_hSocket, lpSockAddr, nSockAddrLen);
        }
        int error = 0, len = sizeof error;
        ws::getsockopt(m_hSocket, SOL_SOCKET, SO_ERROR, &error, &len);
        WSASetLastError(error);
        return error ? SOCKET_ERROR : 0;
    });
    if (r != 0)
        return FALSE;
    BlockNotifications(false, true);
    return TRUE;
}

BOOL CSocket::Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr, int* lpSockAddrLen)
{
    return BlockingCall(POLLIN, [&] {
        return CAsyncSocket::Accept(rConnectedSocket, lpSockAddr, lpSockAddrLen) ? 0 : SOCKET_ERROR;
    }) == 0;
}

int CSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    // Sends everything, as a blocking send does.
    int sent = 0;
    while (sent < nBufLen) {
        int n = BlockingCall(POLLOUT, [&] {
            return ws::send(m_hSocket, static_cast<const char*>(lpBuf) + sent, nBufLen - sent, nFlags);
        });
        if (n == SOCKET_ERROR)
            return SOCKET_ERROR;
        sent += n;
    }
    return sent;
}

int CSocket::Receive(void* lpBuf, int nBufLen, int nFlags)
{
    return BlockingCall(POLLIN, [&] { return CAsyncSocket::Receive(lpBuf, nBufLen, nFlags); });
}

int CSocket::SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags)
{
    return BlockingCall(
        POLLOUT, [&] { return CAsyncSocket::SendTo(lpBuf, nBufLen, lpSockAddr, nSockAddrLen, nFlags); });
}

int CSocket::ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags)
{
    return BlockingCall(
        POLLIN, [&] { return CAsyncSocket::ReceiveFrom(lpBuf, nBufLen, lpSockAddr, lpSockAddrLen, nFlags); });
}

void CSocket::Close()
{
    if (m_bBlocking)
        CancelBlockingCall();
    CAsyncSocket::Close();
}
