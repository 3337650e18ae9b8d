// CAsyncSocket and CSocket: socket objects whose network events arrive as
// calls of OnReceive, OnSend, OnConnect, OnAccept and OnClose on the thread
// that created them, through that thread's event loop.
//
// Each event is reported once until the call that re-arms it, as the
// system's code expects: after OnReceive, the next one comes only after a
// Receive/ReceiveFrom; after OnAccept, after an Accept; OnSend comes after a
// connection is made (and once for a new datagram socket) and again after a
// Send that failed with WSAEWOULDBLOCK. A stream socket whose peer closed
// gets OnClose instead of OnReceive.
//
// Errors are WSA codes through GetLastError. A socket created with events
// is non-blocking, so Connect gives WSAEWOULDBLOCK and OnConnect follows.
#pragma once

#include "platform/base/String.h"
#include "platform/msg/WinSock.h"

#include <atomic>
#include <memory>

constexpr long FD_READ = 0x01;
constexpr long FD_WRITE = 0x02;
constexpr long FD_OOB = 0x04;
constexpr long FD_ACCEPT = 0x08;
constexpr long FD_CONNECT = 0x10;
constexpr long FD_CLOSE = 0x20;
constexpr long FD_ALL_EVENTS = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;

class PLATFORM_API CAsyncSocket
{
public:
    CAsyncSocket();
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    SOCKET m_hSocket = INVALID_SOCKET;

    // Makes the socket and binds it to the port and address text (any
    // address when null); lEvent 0 leaves it a plain blocking socket.
    BOOL Create(UINT nSocketPort = 0, int nSocketType = SOCK_STREAM, long lEvent = FD_ALL_EVENTS,
        LPCTSTR lpszSocketAddress = nullptr);
    BOOL Socket(int nSocketType = SOCK_STREAM, long lEvent = FD_ALL_EVENTS, int nProtocolType = 0,
        int nAddressFormat = AF_INET);
    BOOL Bind(UINT nSocketPort, LPCTSTR lpszSocketAddress = nullptr);
    BOOL Bind(const SOCKADDR* lpSockAddr, int nSockAddrLen);
    // Dotted IPv4 text or a host name.
    virtual BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort);
    virtual BOOL Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen);
    BOOL Listen(int nConnectionBacklog = 5);
    virtual BOOL Accept(
        CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr = nullptr, int* lpSockAddrLen = nullptr);
    virtual int Send(const void* lpBuf, int nBufLen, int nFlags = 0);
    virtual int Receive(void* lpBuf, int nBufLen, int nFlags = 0);
    int SendTo(
        const void* lpBuf, int nBufLen, UINT nHostPort, LPCTSTR lpszHostAddress = nullptr, int nFlags = 0);
    virtual int SendTo(
        const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags = 0);
    int ReceiveFrom(void* lpBuf, int nBufLen, CString& rSocketAddress, UINT& rSocketPort, int nFlags = 0);
    virtual int ReceiveFrom(
        void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags = 0);
    BOOL SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel = SOL_SOCKET);
    BOOL GetSockOpt(int nOptionName, void* lpOptionValue, int* lpOptionLen, int nLevel = SOL_SOCKET);
    BOOL GetSockName(CString& rSocketAddress, UINT& rSocketPort);
    BOOL GetPeerName(CString& rPeerAddress, UINT& rPeerPort);
    BOOL IOCtl(long lCommand, DWORD* lpArgument);
    BOOL ShutDown(int nHow = SD_SEND);
    // Chooses the events to report; 0 stops them. Makes the socket
    // non-blocking when events are chosen.
    BOOL AsyncSelect(long lEvent = FD_ALL_EVENTS);
    virtual void Close();

    static int GetLastError() { return WSAGetLastError(); }

    virtual void OnReceive(int nErrorCode);
    virtual void OnSend(int nErrorCode);
    virtual void OnOutOfBandData(int nErrorCode);
    virtual void OnAccept(int nErrorCode);
    virtual void OnConnect(int nErrorCode);
    virtual void OnClose(int nErrorCode);

    class Notifier;

protected:
    // Arms the events of `lEvent` again after the call that consumes them.
    void Rearm(long lEvent);
    // Rests the notifications while a blocking call waits on the socket;
    // `connected` records a connection that a blocking connect made.
    void BlockNotifications(bool blocked, bool connected = false);

private:
    friend class Notifier;
    void Attach(SOCKET s, long lEvent);
    std::unique_ptr<Notifier> m_notifier;
    long m_lEvent = 0;
};

// A socket whose Connect, Accept, Send and Receive calls block while the
// thread keeps serving its messages: between waits for the socket it calls
// OnMessagePending once per round (m_nPendingInterval ms, or sooner when
// the socket is ready). CancelBlockingCall, or Close from OnMessagePending,
// ends the call with WSAEINTR.
class PLATFORM_API CSocket : public CAsyncSocket
{
public:
    CSocket();
    ~CSocket() override;

    BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort) override;
    BOOL Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen) override;
    BOOL Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr = nullptr,
        int* lpSockAddrLen = nullptr) override;
    int Send(const void* lpBuf, int nBufLen, int nFlags = 0) override;
    int Receive(void* lpBuf, int nBufLen, int nFlags = 0) override;
    using CAsyncSocket::SendTo;
    int SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen,
        int nFlags = 0) override;
    using CAsyncSocket::ReceiveFrom;
    int ReceiveFrom(
        void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags = 0) override;
    void Close() override;

    BOOL IsBlocking() const { return m_bBlocking; }
    // Ends the blocking call in progress (none: nothing happens); callable
    // from any thread.
    void CancelBlockingCall();
    // One round of a blocking call; the default runs the thread's waiting
    // messages. FALSE is kept for overrides that want to say nothing ran.
    virtual BOOL OnMessagePending();

    UINT m_nPendingInterval = 1000;

private:
    // Waits for `events` (POLLIN/POLLOUT) in rounds; false with the error set
    // when the call was cancelled or the socket closed.
    bool WaitRounds(short events);
    template <class Op> int BlockingCall(short events, Op op);
    std::atomic<bool> m_bBlocking { false };
    int m_cancelFd = -1;
};
