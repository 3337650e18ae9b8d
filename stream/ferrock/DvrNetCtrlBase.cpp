#include "stream/ferrock/DvrNetCtrlBase.h"

#include "link/WindowMessages.h"

#include <chrono>

namespace ferrock
{

namespace
{

constexpr UINT kKeepAlivePeriodMs = 10000;
constexpr DWORD kSocketTimeoutMs = 180000;
// A send of one request that cannot go out in this time has failed.
constexpr int kSendWaitMs = 5000;
// Reading off what the DVR still sends when the connection ends.
constexpr int kCloseRounds = 64;
constexpr int kCloseRoundMs = 50;

void ReleaseFrame(WPARAM wParam, LPARAM lParam)
{
    FreeStreamFrame(int(wParam), reinterpret_cast<void*>(lParam));
}

bool Transient(int error)
{
    return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS;
}

} // namespace

// Hands parsed frames to the owner: to the callback on this thread when
// there is one, else as WM_STREAM_FRAME; a status alone goes both ways.
class CDvrNetCtrlBase::Sink : public FrameSink
{
public:
    explicit Sink(CDvrNetCtrlBase& client)
        : m_client(client)
    {
    }
    void Deliver(uint16_t wKind, void* pFrame) override
    {
        const tagMsgHandlerInfo& owner = m_client.m_owner;
        if (owner.pfnCallback)
            owner.pfnCallback(owner.lUserData, wKind, pFrame);
        if (!pFrame)
            m_client.PostOwner(WM_STREAM_FRAME, wKind, 0);
        else if (!owner.pfnCallback)
            m_client.PostOwnerOwning(WM_STREAM_FRAME, wKind, reinterpret_cast<LPARAM>(pFrame), ReleaseFrame);
    }

private:
    CDvrNetCtrlBase& m_client;
};

BEGIN_MESSAGE_MAP(CDvrNetCtrlBase, CWndBase)
ON_MESSAGE(WM_SOCKET_NOTIFY, OnSocketMsg)
{
    WM_TIMER, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnTimer(UINT_PTR(w)); return true;)
}
,
    END_MESSAGE_MAP()

        CDvrNetCtrlBase::CDvrNetCtrlBase(const tagMsgHandlerInfo& owner, const Dialect& dialect)
    : m_owner(owner)
    , m_dialect(dialect)
    , m_socket(this)
{
    UseNetByteOrder();
    CreateMessageWindow();
}

CDvrNetCtrlBase::~CDvrNetCtrlBase()
{
    StopThread();
    m_queue.Clear();
    DisConnect();
    DestroyWindow();
}

void CDvrNetCtrlBase::EndConnection()
{
    StopThread();
    FlushQueue();
    DisConnect();
}

BOOL CDvrNetCtrlBase::Login(const UserInfoParm* pUser, const char* host, int port)
{
    if (pUser) {
        CopyCredentialField(m_userInfo.user, pUser->user);
        CopyCredentialField(m_userInfo.password, pUser->password);
    }
    if (!Connect(host, port))
        return FALSE;
    Queue(MakeRequest(m_dialect.wLogin));
    return TRUE;
}

BOOL CDvrNetCtrlBase::Logout()
{
    if (m_bLoggedIn.exchange(false))
        Queue(MakeRequest(m_dialect.wLogout));
    return TRUE;
}

BOOL CDvrNetCtrlBase::Connect(const char* host, int port)
{
    StopThread();
    DisConnect();
    m_host = host ? host : "";
    m_port = port;
    if (!m_socket.Create(0, SOCK_STREAM, FD_CONNECT)) {
        DisConnect();
        return FALSE;
    }
    if (m_dialect.nSendBuffer > 0)
        m_socket.SetSockOpt(SO_SNDBUF, &m_dialect.nSendBuffer, sizeof m_dialect.nSendBuffer);
    m_socket.SetSockOpt(SO_RCVBUF, &m_dialect.nRecvBuffer, sizeof m_dialect.nRecvBuffer);
    const DWORD timeout = kSocketTimeoutMs;
    m_socket.SetSockOpt(SO_SNDTIMEO, &timeout, sizeof timeout);
    m_socket.SetSockOpt(SO_RCVTIMEO, &timeout, sizeof timeout);
    if (!m_socket.Connect(m_host.c_str(), UINT(port)) && WSAGetLastError() != WSAEWOULDBLOCK) {
        DisConnect();
        return FALSE;
    }
    return TRUE;
}

void CDvrNetCtrlBase::DisConnect()
{
    const SOCKET s = m_socket.m_hSocket;
    if (s != INVALID_SOCKET && m_bConnected) {
        // A hard close would throw away what the DVR has not read yet (the
        // logout among it): the end of sending goes out after the data, and
        // what the DVR still sends is read off until it closes too, briefly.
        ws::shutdown(s, SD_SEND);
        char sink[4096];
        for (int round = 0; round < kCloseRounds; ++round) {
            ws::SelectResult ready;
            if (ws::select(s, true, false, false, kCloseRoundMs, &ready) <= 0
                || ws::recv(s, sink, sizeof sink, 0) <= 0)
                break;
        }
    }
    if (s != INVALID_SOCKET)
        m_socket.Close();
    m_bConnected = false;
    if (m_hWnd)
        KillTimer(kKeepAliveTimer);
}

std::unique_ptr<DvrRequest> CDvrNetCtrlBase::MakeRequest(uint16_t wId) const
{
    auto request = std::make_unique<DvrRequest>();
    request->wId = wId;
    request->credentials = m_userInfo;
    return request;
}

void CDvrNetCtrlBase::Queue(std::unique_ptr<DvrRequest> request)
{
    m_queue.AddMessage(std::move(request));
}

void CDvrNetCtrlBase::ErrorHandler(uint16_t wCode, bool bPost)
{
    m_wLastError = wCode;
    if (bPost)
        PostOwner(WM_STREAM_ERROR, wCode, 0);
}

void CDvrNetCtrlBase::PostOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_owner.nPostToThread)
        ::PostThreadMessage(m_owner.dwThreadId, message, wParam, lParam);
    else if (m_owner.hWnd)
        ::PostMessage(m_owner.hWnd, message, wParam, lParam);
}

void CDvrNetCtrlBase::PostOwnerOwning(UINT message, WPARAM wParam, LPARAM lParam, PostedDataRelease release)
{
    if (!m_owner.nPostToThread) {
        PostMessageOwning(m_owner.hWnd, message, wParam, lParam, release);
        return;
    }
    if (!::PostThreadMessage(m_owner.dwThreadId, message, wParam, lParam))
        release(wParam, lParam);
}

void CDvrNetCtrlBase::HandleFrames(const NET_MSG_HEADER& header, const uint8_t* body)
{
    Sink sink(*this);
    ParseFrameMessage(body, header.length, header.word2, m_dialect.frames, sink);
}

LRESULT CDvrNetCtrlBase::OnSocketMsg(WPARAM wParam, LPARAM lParam)
{
    if (SOCKET(wParam) != m_socket.m_hSocket)
        return 0;
    switch (SelectEvent(lParam)) {
    case FD_CONNECT:
        if (SelectError(lParam))
            ErrorHandler(kErrConnectFailed);
        else
            OnConnected();
        break;
    case FD_CLOSE:
        if (m_bConnected.exchange(false))
            ErrorHandler(kErrConnectionClosed);
        break;
    default:
        break;
    }
    return 0;
}

void CDvrNetCtrlBase::OnConnected()
{
    m_bConnected = true;
    StopThread();
    m_bStop = false;
    const SOCKET s = m_socket.m_hSocket;
    m_thread = std::thread([this, s] { Run(s); });
    SetTimer(kKeepAliveTimer, kKeepAlivePeriodMs);
}

void CDvrNetCtrlBase::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kKeepAliveTimer)
        return;
    if (m_bConnected)
        Queue(MakeRequest(m_dialect.wKeepAlive));
    else
        KillTimer(kKeepAliveTimer);
}

void CDvrNetCtrlBase::StopThread()
{
    if (!m_thread.joinable())
        return;
    m_bStop = true;
    m_thread.join();
}

void CDvrNetCtrlBase::LinkLost(uint16_t wCode)
{
    m_bConnected = false;
    ErrorHandler(wCode);
}

void CDvrNetCtrlBase::Run(SOCKET s)
{
    m_reassembler.Reset();
    while (!m_bStop) {
        if (m_bConnected && !m_queue.HasMessages()) {
            ws::SelectResult ready;
            const int n = ws::select(s, true, false, false, 1, &ready);
            if (n == SOCKET_ERROR && !Transient(WSAGetLastError()))
                LinkLost(kErrConnectionClosed);
            else if (n > 0 && (ready.readable || ready.failed) && !OnReceived(s))
                LinkLost(kErrConnectionClosed);
            continue;
        }
        if (m_bConnected) {
            std::unique_ptr<DvrRequest> request = m_queue.GetFirstMessage();
            if (request && !SendMessageBytes(s, Marshal(*request)))
                LinkLost(m_dialect.wShortSendError);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool CDvrNetCtrlBase::OnReceived(SOCKET s)
{
    const int n
        = ws::recv(s, reinterpret_cast<char*>(m_reassembler.FreeSpace()), int(m_reassembler.FreeRoom()), 0);
    if (n <= 0)
        return n < 0 && Transient(WSAGetLastError());
    const bool whole
        = m_reassembler.Commit(uint32_t(n), [this](const NET_MSG_HEADER& header, const uint8_t* body) {
              if (!m_bStop)
                  UnmarshallMsg(header, body);
          });
    if (whole)
        return true;
    // A message that can never fit: the stream cannot be followed, so the
    // connection ends here rather than waiting for bytes that never fit.
    ws::shutdown(s, SD_BOTH);
    m_bConnected = false;
    ErrorHandler(kErrSendReceive);
    return true;
}

bool CDvrNetCtrlBase::SendMessageBytes(SOCKET s, const std::vector<uint8_t>& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int n
            = ws::send(s, reinterpret_cast<const char*>(bytes.data() + sent), int(bytes.size() - sent), 0);
        if (n > 0) {
            sent += size_t(n);
            continue;
        }
        if (n == SOCKET_ERROR && !Transient(WSAGetLastError()))
            return false;
        ws::SelectResult ready;
        if (ws::select(s, false, true, true, kSendWaitMs, &ready) <= 0 || ready.failed)
            return false;
    }
    return true;
}

void CDvrNetCtrlBase::FlushQueue()
{
    const SOCKET s = m_socket.m_hSocket;
    while (std::unique_ptr<DvrRequest> request = m_queue.GetFirstMessage()) {
        if (m_bConnected && s != INVALID_SOCKET && !SendMessageBytes(s, Marshal(*request)))
            m_bConnected = false;
    }
}

} // namespace ferrock
