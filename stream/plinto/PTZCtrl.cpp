#include "stream/plinto/PTZCtrl.h"

#include "stream/MessageReassembler.h"
#include "stream/plinto/NotifySocket.h"
#include "stream/plinto/SocketIo.h"
#include "stream/plinto/StreamCodec.h"

#include "link/ByteOrder.h"

#include <cstring>

namespace plinto
{

namespace
{

// PTZ replies are short; the room bounds what a device may announce.
constexpr uint32_t kReplyRoom = 1024;
// The reply of the auxiliary output of the other dialect, ignored here.
constexpr WORD kIgnoredReply = 0xE890;

bool EndsConnection(WORD code)
{
    switch (code) {
    case 0xF301:
    case 0xF302:
    case 0xF305:
    case ERR_CONNECT_FAILED:
    case ERR_SEND_RECEIVE:
    case ERR_TIME_OUT:
        return true;
    default:
        return false;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CPTZCtrl, CWndBase)
ON_MESSAGE(WM_STREAM_SOCKET, OnSocketMsg)
END_MESSAGE_MAP()

CPTZCtrl::CPTZCtrl()
    : m_pReceive(std::make_unique<CMessageReassembler>(kReplyRoom))
{
    CreateMessageWindow();
}

CPTZCtrl::~CPTZCtrl()
{
    m_pSocket.reset();
    DestroyWindow();
}

void CPTZCtrl::PostNcDestroy()
{
    // The owner deletes the client; its window going away does not.
    CWndBase::PostNcDestroy();
}

int CPTZCtrl::open_ptz(int camera, char* user, char* password, char* host, int port)
{
    CloseSocket();
    if (!host)
        return 0;
    std::memset(m_szHost, 0, sizeof m_szHost);
    std::strncpy(m_szHost, host, sizeof m_szHost - 1);
    std::memset(m_szUser, 0, sizeof m_szUser);
    std::memset(m_szPassword, 0, sizeof m_szPassword);
    if (user)
        std::memcpy(m_szUser, user, strnlen(user, sizeof m_szUser));
    if (password)
        std::memcpy(m_szPassword, password, strnlen(password, sizeof m_szPassword));
    m_nCamera = camera;
    m_nPort = port;
    m_pSocket = ConnectNotifySocket(m_hWnd, m_nextTag++, m_szHost, port, 0);
    return m_pSocket ? 1 : 0;
}

int CPTZCtrl::close_ptz()
{
    if (!m_pSocket)
        return 1;
    uint8_t logout[HEADER_SIZE];
    PutHeader(logout, MSG_PTZ_LOGOUT, 0, 0);
    return SendAll(m_pSocket->m_hSocket, logout, sizeof logout) ? 1 : 0;
}

int CPTZCtrl::encode_msg(uint8_t* buffer, int* pLength, req_eptz_act_move_t* pReq)
{
    uint32_t at = HEADER_SIZE;
    NetPutU16(buffer, &at, WORD(m_nCamera));
    NetPutU16(buffer, &at, pReq->wSelector);
    NetPutU8(buffer, &at, pReq->byValue1);
    NetPutU8(buffer, &at, pReq->byValue2);
    PutHeader(buffer, pReq->wOpcode, 0, at - HEADER_SIZE);
    if (pLength)
        *pLength = int(at);
    return int(at);
}

int CPTZCtrl::move(req_eptz_act_move_t* pReq)
{
    if (!pReq)
        return 0;
    pReq->wCamera = WORD(m_nCamera);
    uint8_t out[16];
    const int n = encode_msg(out, nullptr, pReq);
    Send(out, uint32_t(n));
    return n;
}

void CPTZCtrl::SendPreset(WORD action, WORD preset)
{
    uint8_t out[16];
    uint32_t at = HEADER_SIZE;
    NetPutU16(out, &at, WORD(m_nCamera));
    NetPutU16(out, &at, action);
    NetPutU16(out, &at, preset);
    PutHeader(out, MSG_PTZ_PRESET, 0, at - HEADER_SIZE);
    Send(out, at);
}

void CPTZCtrl::goto_preset(WORD preset)
{
    SendPreset(0, preset);
}

void CPTZCtrl::set_preset(int preset)
{
    SendPreset(1, WORD(preset));
}

void CPTZCtrl::clear_preset(int preset)
{
    SendPreset(2, WORD(preset));
}

void CPTZCtrl::aux_control(WORD value, BYTE on)
{
    uint8_t out[16];
    uint32_t at = HEADER_SIZE;
    NetPutU16(out, &at, WORD(m_nCamera));
    NetPutU16(out, &at, on ? 257 : 256);
    NetPutU16(out, &at, value);
    PutHeader(out, MSG_PTZ_AUX, 0, at - HEADER_SIZE);
    Send(out, at);
}

bool CPTZCtrl::Send(const uint8_t* data, uint32_t size)
{
    if (m_pSocket && SendAll(m_pSocket->m_hSocket, data, size))
        return true;
    errorHandler(ERR_SEND_RECEIVE);
    return false;
}

LRESULT CPTZCtrl::OnSocketMsg(WPARAM wParam, LPARAM lParam)
{
    // Reports of a socket closed since are stale.
    if (m_pSocket && lParam == m_pSocket->Tag())
        DispatchSocketEvent(wParam,
            { [this] { OnReceived(); }, [this] { OnConnected(); }, [this] { OnClosed(); },
                [this](WORD code) { errorHandler(code); } });
    return 0;
}

void CPTZCtrl::OnConnected()
{
    m_nConnected = 1;
    m_pReceive->Reset();
    uint8_t login[HEADER_SIZE + 33];
    uint32_t at = HEADER_SIZE;
    uint8_t digest[16];
    char field[17] = {};
    std::memcpy(field, m_szUser, sizeof m_szUser);
    DigestField(field, digest);
    NetPutBytes(login, &at, digest, 16);
    std::memcpy(field, m_szPassword, sizeof m_szPassword);
    DigestField(field, digest);
    NetPutBytes(login, &at, digest, 16);
    NetPutU8(login, &at, BYTE(m_nCamera));
    PutHeader(login, MSG_PTZ_LOGIN, 0, at - HEADER_SIZE);
    Send(login, at);
}

void CPTZCtrl::OnReceived()
{
    if (!m_nConnected)
        return;
    const int n = m_pSocket->Receive(m_pReceive->FreeSpace(), int(m_pReceive->FreeRoom()));
    if (n <= 0)
        return;
    m_pReceive->Added(uint32_t(n));
    // Each reply by its header's length, however the bytes arrive.
    for (;;) {
        NET_MSG_HEADER h;
        const uint8_t* body = nullptr;
        const CMessageReassembler::Result r = m_pReceive->Front(&h, &body);
        if (r == CMessageReassembler::NeedMore)
            return;
        if (r == CMessageReassembler::TooLarge) {
            errorHandler(ERR_SEND_RECEIVE);
            return;
        }
        m_pReceive->Consume();
        if (h.word2)
            errorHandler(h.word2);
        else if (h.msgId != kIgnoredReply)
            ::PostMessage(m_hMsgHandler, WM_PTZ_ACK, h.msgId, 0);
        if (!m_pSocket)
            return;
    }
}

void CPTZCtrl::OnClosed()
{
    CloseSocket();
    ::PostMessage(m_hMsgHandler, WM_PTZ_ERROR, ERR_CONNECTION_CLOSED, 0);
}

void CPTZCtrl::errorHandler(WORD code)
{
    if (EndsConnection(code))
        CloseSocket();
    ::PostMessage(m_hMsgHandler, WM_PTZ_ERROR, code, 0);
}

void CPTZCtrl::CloseSocket()
{
    m_nConnected = 0;
    m_pSocket.reset();
    m_pReceive->Reset();
}

} // namespace plinto
