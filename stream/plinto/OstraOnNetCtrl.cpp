#include "stream/plinto/OstraOnNetCtrl.h"

#include "stream/MessageReassembler.h"
#include "stream/plinto/MessageQueue.h"
#include "stream/plinto/NotifySocket.h"
#include "stream/plinto/SocketIo.h"
#include "stream/plinto/StreamCodec.h"

#include "link/ByteOrder.h"
#include "link/WindowMessages.h"
#include "platform/msg/WinThread.h"

#include <cstring>

namespace plinto
{

namespace
{

constexpr int kReceiveBuffer = 6144;
// A version reply is two 32-byte texts; the room leaves a device space for
// more without letting it announce any size it likes.
constexpr uint32_t kInfoRoom = 1024;

// Device statuses and local codes after which the connection is of no use.
bool EndsConnection(WORD code)
{
    switch (code) {
    case 0xF301:
    case 0xF302:
    case 0xF305:
    case 0xF306:
    case 0xF307:
    case 0xF30B:
    case ERR_CONNECT_FAILED:
    case ERR_CONNECTION_CLOSED:
    case ERR_SEND_RECEIVE:
    case ERR_TIME_OUT:
        return true;
    default:
        return false;
    }
}

void ReleasePtzInfo(WPARAM, LPARAM lParam)
{
    FreePtzInfo(reinterpret_cast<tagPTZINFO*>(lParam));
}

} // namespace

BEGIN_MESSAGE_MAP(COstraOnNetCtrl, CWndBase)
ON_MESSAGE(WM_STREAM_SOCKET, OnSocketMsg)
ON_MESSAGE(WM_STREAM_CALL, OnCall)
END_MESSAGE_MAP()

struct COstraOnNetCtrl::Receive {
    CMessageReassembler stream { RECEIVE_ROOM };
    CMessageReassembler info { kInfoRoom };
};

COstraOnNetCtrl::COstraOnNetCtrl()
    : m_pReceive(new Receive)
    , m_pFrames(new tagONLINEFRAME[FRAME_RING_SLOTS] {})
    , m_dwThreadId(GetCurrentThreadId())
{
    CreateMessageWindow();
}

COstraOnNetCtrl::~COstraOnNetCtrl()
{
    m_pSocket.reset();
    m_pInfoSocket.reset();
    delete[] m_pFrames;
    DestroyWindow();
}

void COstraOnNetCtrl::PostNcDestroy()
{
    // The network thread deletes the client; its window going away does not.
    CWndBase::PostNcDestroy();
}

int COstraOnNetCtrl::OnOwnThread(const std::function<int()>& call)
{
    if (GetCurrentThreadId() == m_dwThreadId)
        return call();
    if (!m_hWnd)
        return 0;
    return int(::SendMessage(m_hWnd, WM_STREAM_CALL, 0, reinterpret_cast<LPARAM>(&call)));
}

LRESULT COstraOnNetCtrl::OnCall(WPARAM, LPARAM lParam)
{
    return (*reinterpret_cast<const std::function<int()>*>(lParam))();
}

void COstraOnNetCtrl::PostOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hOwner)
        return;
    if (m_nOwnerIsThread)
        ::PostThreadMessage(DWORD(m_hOwner), message, wParam, lParam);
    else
        ::PostMessage(reinterpret_cast<HWND>(m_hOwner), message, wParam, lParam);
}

void COstraOnNetCtrl::PostPtzInfo(WORD status, tagPTZINFO* info)
{
    if (!info || !m_hOwner) {
        FreePtzInfo(info);
        PostOwner(WM_PTZ_INFO, status, 0);
    } else if (m_nOwnerIsThread) {
        if (!::PostThreadMessage(DWORD(m_hOwner), WM_PTZ_INFO, status, LPARAM(info)))
            FreePtzInfo(info);
    } else {
        // The record is the receiver's; one that never arrives is freed.
        PostMessageOwning(
            reinterpret_cast<HWND>(m_hOwner), WM_PTZ_INFO, status, LPARAM(info), ReleasePtzInfo);
    }
}

SOCKET COstraOnNetCtrl::getOnlineSocket() const
{
    return m_pSocket && m_pSocket->m_hSocket != INVALID_SOCKET ? m_pSocket->m_hSocket : 0;
}

// --- the live service -------------------------------------------------

int COstraOnNetCtrl::startService(tagReqServiceParm parm)
{
    return startService(parm, DEFAULT_STREAM_PORT);
}

int COstraOnNetCtrl::startService(tagReqServiceParm parm, int port)
{
    return OnOwnThread([&] { return DoStartService(parm, port); });
}

int COstraOnNetCtrl::DoStartService(const tagReqServiceParm& parm, int port)
{
    m_pReceive->stream.Reset();
    m_nOwnerIsThread = parm.nOwnerIsThread;
    m_hOwner = parm.hOwner;
    m_byChannel = parm.byChannel;
    m_service = parm;
    m_nFramesOut = 0;
    // Requests of an earlier service mean nothing to the new one.
    if (m_pQueue) {
        m_pQueue->BlockQueue();
        m_pQueue->RemoveAllMessages();
        m_pQueue->UnBlockQueue();
    }
    // The address field may be filled to its last byte.
    char host[sizeof parm.szIpAddr + 1] = {};
    std::memcpy(host, parm.szIpAddr, sizeof parm.szIpAddr);
    return connectToServer(host, port);
}

int COstraOnNetCtrl::connectToServer(const char* host, int port)
{
    CloseStream();
    if (!host)
        return 0;
    std::memset(m_szHost, 0, sizeof m_szHost);
    std::strncpy(m_szHost, host, sizeof m_szHost - 1);
    m_nPort = port;
    m_pSocket = ConnectNotifySocket(m_hWnd, m_nextTag++, m_szHost, port, kReceiveBuffer);
    return m_pSocket ? 1 : 0;
}

void COstraOnNetCtrl::CloseStream()
{
    m_nConnected = 0;
    m_pSocket.reset();
}

int COstraOnNetCtrl::stopService()
{
    return OnOwnThread([this] { return DoStopService(); });
}

int COstraOnNetCtrl::DoStopService()
{
    if (!m_hWnd)
        return 1;
    int result = 1;
    if (m_nConnected && m_pSocket) {
        tagOnLineMsgType stop {};
        stop.wMsgId = MSG_STOP_SERVICE;
        if (!SendMessageNow(stop)) {
            errorHandler(ERR_SEND_RECEIVE, 0);
            result = 0;
        }
    }
    CloseStream();
    return result;
}

LRESULT COstraOnNetCtrl::OnSocketMsg(WPARAM wParam, LPARAM lParam)
{
    if (m_pInfoSocket && lParam == m_pInfoSocket->Tag()) {
        OnInfoEvent(long(LOWORD(wParam)), int(HIWORD(wParam)));
        return 0;
    }
    // Reports of a socket closed since are stale.
    if (m_pSocket && lParam == m_pSocket->Tag())
        DispatchSocketEvent(wParam,
            { [this] { OnReceived(); }, [this] { OnConnected(); }, [this] { OnClosed(); },
                [this](WORD code) { errorHandler(code, 0); } });
    return 0;
}

void COstraOnNetCtrl::OnConnected()
{
    m_nConnected = 1;
    auto* start = new tagOnLineMsgType {};
    start->wMsgId = MSG_START_SERVICE;
    start->parm.service = m_service;
    Request(start);
}

void COstraOnNetCtrl::OnClosed()
{
    m_pReceive->stream.Reset();
    errorHandler(ERR_CONNECTION_CLOSED, 0);
}

void COstraOnNetCtrl::OnReceived()
{
    if (!m_nConnected)
        return;
    CMessageReassembler& in = m_pReceive->stream;
    const int n = m_pSocket->Receive(in.FreeSpace(), int(in.FreeRoom()));
    // Nothing there yet, or the end of the connection, which FD_CLOSE reports.
    if (n <= 0)
        return;
    in.Added(uint32_t(n));
    for (;;) {
        NET_MSG_HEADER h;
        const uint8_t* body = nullptr;
        const CMessageReassembler::Result r = in.Front(&h, &body);
        if (r == CMessageReassembler::NeedMore)
            return;
        if (r == CMessageReassembler::TooLarge) {
            in.Reset();
            errorHandler(ERR_SEND_RECEIVE, 0);
            return;
        }
        UNMARSHALL_MSG(h.msgId, h.word2, body, h.length);
        // A fatal reply closed the connection: what follows it is void.
        if (!m_pSocket) {
            in.Reset();
            return;
        }
        in.Consume();
    }
}

void COstraOnNetCtrl::UNMARSHALL_MSG(WORD id, WORD status, const uint8_t* body, uint32_t length)
{
    WireReader r(body, length);
    switch (id) {
    case MSG_VERSION + REPLY_OFFSET:
        if (m_pVersion)
            ParseVersion(body, length, m_pVersion);
        PostOwner(WM_STREAM_VERSION, status, 0);
        break;
    case MSG_START_SERVICE + REPLY_OFFSET:
    case MSG_CHANGE_SERVICE + REPLY_OFFSET:
    case MSG_STOP_SERVICE + REPLY_OFFSET:
    case MSG_CHANGE_PASSWORD + REPLY_OFFSET:
        if (status)
            errorHandler(status, 0);
        else
            ackHandler(id, 0);
        break;
    case MSG_CHANNEL_INFO + REPLY_OFFSET:
        break;
    case MSG_OUTPUT_CONTROL + REPLY_OFFSET:
        PostOwner(WM_STREAM_DOUT, status, length == 4 ? LPARAM(r.U32()) : 0);
        break;
    case MSG_INSTALL_INFO + REPLY_OFFSET:
        PostOwner(WM_STREAM_INSTALL_INFO, 0, LPARAM(r.U32()));
        break;
    case MSG_PTZ_INFO + REPLY_OFFSET:
        // Lists whose counts do not fit the body reach the owner as none.
        PostPtzInfo(status, status || length == 0 ? nullptr : ParsePtzInfo(body, length));
        break;
    case MSG_FRAME:
        OnFrame(status, body, length);
        break;
    default:
        errorHandler(status, 0);
        break;
    }
}

void COstraOnNetCtrl::OnFrame(WORD status, const uint8_t* body, uint32_t length)
{
    // Every slot is still the owner's: the device sent frames unasked.
    if (m_nFramesOut >= FRAME_RING_SLOTS)
        return;
    if (status) {
        ++m_nFramesOut;
        PostOwner(WM_STREAM_FRAME, status, 0);
        return;
    }
    if (m_nRingIndex >= FRAME_RING_SLOTS)
        m_nRingIndex = 0;
    tagONLINEFRAME* slot = &m_pFrames[m_nRingIndex];
    if (!ParseFrame(body, length, slot)) {
        errorHandler(ERR_SEND_RECEIVE, 0);
        return;
    }
    ++m_nFramesOut;
    PostOwner(WM_STREAM_FRAME, 0, reinterpret_cast<LPARAM>(slot));
    ++m_nRingIndex;
}

void COstraOnNetCtrl::ackHandler(WORD id, int)
{
    if (id == MSG_CHANGE_SERVICE + REPLY_OFFSET) {
        // A reconnect restarts the service with the changed parameters.
        m_service.byChannel = m_pendingChange.byChannel;
        m_service.byParm1 = m_pendingChange.byParm1;
        m_service.byParm2 = m_pendingChange.byParm2;
        m_service.dwParm3 = m_pendingChange.dwParm3;
        m_service.dwParm4 = m_pendingChange.dwParm4;
        m_service.wParm5 = m_pendingChange.wParm5;
    }
    PostOwner(WM_STREAM_ACK, id, 0);
}

void COstraOnNetCtrl::errorHandler(WORD code, int)
{
    m_dwLastError = code;
    if (EndsConnection(code))
        CloseStream();
    PostOwner(WM_STREAM_ERROR, code, 0);
}

// --- requests ------------------------------------------------------------

int COstraOnNetCtrl::Request(tagOnLineMsgType* msg)
{
    if (m_pQueue) {
        m_pQueue->AddSingleMessage(msg, MSG_PRIORITY_NORMAL);
        ::PostThreadMessage(m_dwThreadId, WM_STREAM_SEND_QUEUED, 0, 0);
        return 1;
    }
    const int sent = OnOwnThread([&] {
        if (SendMessageNow(*msg))
            return 1;
        errorHandler(ERR_SEND_RECEIVE, 0);
        return 0;
    });
    delete msg;
    return sent;
}

bool COstraOnNetCtrl::SendMessageNow(const tagOnLineMsgType& msg)
{
    uint8_t out[REQUEST_ROOM];
    const uint32_t n = MarshalRequest(msg, out);
    if (n == 0)
        return true;
    const SOCKET s = getOnlineSocket();
    return s && SendAll(s, out, n);
}

void COstraOnNetCtrl::sendQueued(const tagOnLineMsgType& msg)
{
    if (m_nConnected && !SendMessageNow(msg))
        errorHandler(ERR_SEND_RECEIVE, 0);
}

int COstraOnNetCtrl::reqNextFrame()
{
    for (int out = m_nFramesOut; out > 0 && !m_nFramesOut.compare_exchange_weak(out, out - 1);) { }
    return sendAck(MSG_FRAME);
}

int COstraOnNetCtrl::sendAck(WORD id)
{
    auto* msg = new tagOnLineMsgType {};
    msg->wMsgId = MSG_FRAME_ACK;
    msg->parm.wValue = id;
    return Request(msg);
}

int COstraOnNetCtrl::changeService(tagReqChangeParm parm)
{
    if (!m_nConnected)
        return 0;
    OnOwnThread([&] {
        m_pendingChange = parm;
        return 1;
    });
    auto* msg = new tagOnLineMsgType {};
    msg->wMsgId = MSG_CHANGE_SERVICE;
    msg->parm.change = parm;
    Request(msg);
    return 1;
}

int COstraOnNetCtrl::reqDout(DWORD value)
{
    auto* msg = new tagOnLineMsgType {};
    msg->wMsgId = MSG_OUTPUT_CONTROL;
    msg->parm.dwValue = value;
    return Request(msg);
}

int COstraOnNetCtrl::reqInstallInfo()
{
    auto* msg = new tagOnLineMsgType {};
    msg->wMsgId = MSG_INSTALL_INFO;
    return Request(msg);
}

void COstraOnNetCtrl::reqPtzInfo(DWORD value)
{
    auto* msg = new tagOnLineMsgType {};
    msg->wMsgId = MSG_PTZ_INFO;
    msg->parm.dwValue = value;
    Request(msg);
}

// --- the asynchronous version query --------------------------------------

int COstraOnNetCtrl::getServerVersionByNonBlocking(
    tagONLINEVERSION2* pVersion, UserInfoParm* pUser, char* host, int port)
{
    if (!pVersion || !pUser || !host)
        return 0;
    return OnOwnThread([&] {
        m_nInfoMode = 1;
        m_pInfoSocket.reset();
        // Kept per client object: a query of another client does not
        // redirect this one's reply.
        m_pVersion = pVersion;
        m_infoUser = *pUser;
        m_pReceive->info.Reset();
        auto socket = std::make_unique<CNotifySocket>(m_hWnd, m_nextTag++);
        if (!socket->Open(kReceiveBuffer))
            return 0;
        if (!socket->Connect(host, UINT(port ? port : DEFAULT_STREAM_PORT))
            && WSAGetLastError() != WSAEWOULDBLOCK)
            return 0;
        m_pInfoSocket = std::move(socket);
        return 1;
    });
}

void COstraOnNetCtrl::OnInfoEvent(long event, int error)
{
    // The query's own connection: its failures end it and tell the owner,
    // and leave the live service alone.
    auto fail = [this](WORD code) {
        m_pInfoSocket.reset();
        m_dwLastError = code;
        PostOwner(WM_STREAM_ERROR, code, 0);
    };
    if (event == FD_CONNECT) {
        if (error)
            return fail(ERR_CONNECT_FAILED);
        tagOnLineMsgType msg {};
        msg.wMsgId = MSG_VERSION;
        msg.parm.user = m_infoUser;
        uint8_t out[REQUEST_ROOM];
        const uint32_t n = MarshalRequest(msg, out);
        if (!SendAll(m_pInfoSocket->m_hSocket, out, n))
            fail(ERR_SEND_RECEIVE);
        return;
    }
    if (event == FD_CLOSE) {
        m_pInfoSocket.reset();
        return;
    }
    CMessageReassembler& in = m_pReceive->info;
    const int n = m_pInfoSocket->Receive(in.FreeSpace(), int(in.FreeRoom()));
    if (n <= 0)
        return;
    in.Added(uint32_t(n));
    NET_MSG_HEADER h;
    const uint8_t* body = nullptr;
    switch (in.Front(&h, &body)) {
    case CMessageReassembler::NeedMore:
        return;
    case CMessageReassembler::TooLarge:
        return fail(ERR_SEND_RECEIVE);
    case CMessageReassembler::Whole:
        if (h.msgId == MSG_VERSION + REPLY_OFFSET) {
            ParseVersion(body, h.length, m_pVersion);
            PostOwner(WM_STREAM_VERSION, h.word2, 0);
        }
        // One exchange per connection.
        m_pInfoSocket.reset();
        in.Reset();
        return;
    }
}

} // namespace plinto
