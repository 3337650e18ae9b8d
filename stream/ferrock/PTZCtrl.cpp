#include "stream/ferrock/PTZCtrl.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"
#include "link/WindowMessages.h"
#include "stream/ferrock/DvrRequest.h"

#include <cstring>
#include <memory>

namespace ferrock
{

namespace
{

enum : uint16_t {
    kPtzLogin = 0x2010,
    kPtzLogout = 0x2011,
    kPtzKeepAlive = 0x2017,
    kPtzPreset = 0xE014,
    kPtzAux = 0xE090,
    kPtzListRequest = 0x20E0,
    kPtzListReply = 0x21E0,
};

constexpr UINT_PTR kPtzKeepAliveTimer = 10000;
constexpr UINT kPtzKeepAlivePeriodMs = 10000;
constexpr int kReceiveChunk = 1024;
constexpr size_t kPresetSize = 25;
constexpr size_t kTourSize = 32;

void Digest(const char (&field)[16], uint8_t* out)
{
    MD4Digest(reinterpret_cast<const uint8_t*>(field), 16, out);
}

} // namespace

tagPtzList* ReadPtzList(const uint8_t* body, size_t length)
{
    WireReader in(body, length);
    auto list = std::make_unique<tagPtzList>();
    *list = {};
    list->byCount1 = in.U8();
    if (in.Short() || in.RecordsLeft(kPresetSize) < list->byCount1)
        return nullptr;
    if (list->byCount1) {
        list->pList1 = new tagPtzPreset[list->byCount1]();
        for (int i = 0; i < list->byCount1; ++i) {
            in.Bytes(list->pList1[i].name, sizeof list->pList1[i].name);
            list->pList1[i].byValue = in.U8();
        }
    }
    list->byCount2 = in.U8();
    if (in.Short() || in.RecordsLeft(kTourSize) < list->byCount2) {
        FreePtzList(list.release());
        return nullptr;
    }
    if (list->byCount2) {
        list->pList2 = new tagPtzTour[list->byCount2]();
        for (int i = 0; i < list->byCount2; ++i) {
            in.Bytes(list->pList2[i].name, sizeof list->pList2[i].name);
            list->pList2[i].byValue = in.U8();
            in.Skip(3);
            list->pList2[i].dwValue = in.U32();
        }
    }
    return list.release();
}

void FreePtzList(tagPtzList* pList)
{
    if (!pList)
        return;
    delete[] pList->pList1;
    delete[] pList->pList2;
    delete pList;
}

BEGIN_MESSAGE_MAP(CPTZCtrl, CWndBase)
ON_MESSAGE(WM_SOCKET_NOTIFY, OnSocketMsg)
{
    WM_TIMER, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnTimer(UINT_PTR(w)); return true;)
}
,
    END_MESSAGE_MAP()

        CPTZCtrl::CPTZCtrl()
    : m_socket(this)
{
    UseNetByteOrder();
    CreateMessageWindow();
}

CPTZCtrl::~CPTZCtrl()
{
    CloseSocket();
    DestroyWindow();
}

void CPTZCtrl::CloseSocket()
{
    m_socket.Close();
    m_bConnected = false;
    if (m_hWnd)
        KillTimer(kPtzKeepAliveTimer);
}

int CPTZCtrl::open_ptz(int camera, const char* user, const char* password, const char* host, int port)
{
    if (m_socket.m_hSocket != INVALID_SOCKET)
        CloseSocket();
    CopyFixedText(m_host, sizeof m_host, host ? host : "", sizeof m_host);
    CopyCredentialField(m_user, user);
    CopyCredentialField(m_password, password);
    m_nCamera = camera;
    m_nPort = port;
    m_reassembler.Reset();
    if (!m_socket.Create(0, SOCK_STREAM, FD_CONNECT | FD_CLOSE))
        return 0;
    if (!m_socket.Connect(m_host, UINT(port)) && WSAGetLastError() != WSAEWOULDBLOCK) {
        CloseSocket();
        return 0;
    }
    return 1;
}

int CPTZCtrl::close_ptz()
{
    if (m_socket.m_hSocket == INVALID_SOCKET)
        return 1;
    uint8_t header[8];
    uint32_t o = 0;
    NetPutHeader(header, &o, { kPtzLogout, 0, 0 });
    return SendNow(header, sizeof header) ? 1 : 0;
}

int CPTZCtrl::encode_msg(uint8_t* buffer, int* length, const req_eptz_act_move_t* pReq) const
{
    uint32_t o = 0;
    NetPutHeader(buffer, &o, { pReq->wOpcode, 0, 6 });
    NetPutU16(buffer, &o, static_cast<uint16_t>(m_nCamera));
    NetPutU16(buffer, &o, pReq->wSelector);
    NetPutU8(buffer, &o, pReq->byValue1);
    NetPutU8(buffer, &o, pReq->byValue2);
    if (length)
        *length = int(o);
    return int(o);
}

int CPTZCtrl::move(req_eptz_act_move_t* pReq)
{
    if (!pReq)
        return 0;
    pReq->wCamera = static_cast<uint16_t>(m_nCamera);
    uint8_t buffer[16];
    int length = 0;
    encode_msg(buffer, &length, pReq);
    if (!SendNow(buffer, size_t(length)))
        errorHandler(kErrSendReceive);
    return length;
}

void CPTZCtrl::SendShort(uint16_t wId, const uint16_t* words, int count)
{
    uint8_t buffer[8 + 2 * 3];
    uint32_t o = 0;
    NetPutHeader(buffer, &o, { wId, 0, uint32_t(2 * count) });
    for (int i = 0; i < count; ++i)
        NetPutU16(buffer, &o, words[i]);
    if (!SendNow(buffer, o))
        errorHandler(kErrSendReceive);
}

void CPTZCtrl::goto_preset(uint16_t wPreset)
{
    const uint16_t words[3] = { static_cast<uint16_t>(m_nCamera), 0, wPreset };
    SendShort(kPtzPreset, words, 3);
}

void CPTZCtrl::auc_control(uint16_t a, uint16_t b)
{
    const uint16_t words[3] = { static_cast<uint16_t>(m_nCamera), b, a };
    SendShort(kPtzAux, words, 3);
}

int CPTZCtrl::ptz_info(uint16_t wValue)
{
    if (m_socket.m_hSocket == INVALID_SOCKET)
        return 1;
    const uint16_t words[1] = { wValue };
    uint8_t buffer[10];
    uint32_t o = 0;
    NetPutHeader(buffer, &o, { kPtzListRequest, 0, 2 });
    NetPutU16(buffer, &o, words[0]);
    SendNow(buffer, o);
    return 0;
}

bool CPTZCtrl::SendNow(const uint8_t* bytes, size_t n)
{
    if (m_socket.m_hSocket == INVALID_SOCKET)
        return false;
    return m_socket.Send(bytes, int(n)) == int(n);
}

LRESULT CPTZCtrl::OnSocketMsg(WPARAM wParam, LPARAM lParam)
{
    if (m_socket.m_hSocket == INVALID_SOCKET || SOCKET(wParam) != m_socket.m_hSocket)
        return 0;
    const bool failed = SelectError(lParam) != 0;
    switch (SelectEvent(lParam)) {
    case FD_READ:
        if (failed)
            errorHandler(kErrSendReceive);
        else
            OnReceived();
        break;
    case FD_CONNECT:
        if (failed)
            errorHandler(kErrConnectFailed);
        else
            OnConnected();
        break;
    case FD_CLOSE:
        OnClosed();
        break;
    default:
        break;
    }
    return 0;
}

void CPTZCtrl::OnConnected()
{
    m_bConnected = true;
    if (!m_socket.AsyncSelect(FD_READ | FD_CLOSE))
        return;
    uint8_t login[41];
    uint32_t o = 0;
    NetPutHeader(login, &o, { kPtzLogin, 0, 33 });
    Digest(m_user, login + o);
    o += 16;
    Digest(m_password, login + o);
    o += 16;
    NetPutU8(login, &o, static_cast<uint8_t>(m_nCamera));
    if (!SendNow(login, sizeof login)) {
        errorHandler(kErrSendReceive);
        return;
    }
    SetTimer(kPtzKeepAliveTimer, kPtzKeepAlivePeriodMs);
}

void CPTZCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kPtzKeepAliveTimer)
        return;
    uint8_t header[8];
    uint32_t o = 0;
    NetPutHeader(header, &o, { kPtzKeepAlive, 0, 0 });
    if (!m_bConnected || !SendNow(header, sizeof header))
        KillTimer(kPtzKeepAliveTimer);
}

void CPTZCtrl::OnReceived()
{
    if (!m_bConnected)
        return;
    const int room = int(std::min<size_t>(kReceiveChunk, m_reassembler.FreeRoom()));
    const int n = m_socket.Receive(m_reassembler.FreeSpace(), room);
    if (n <= 0)
        return;
    // Replies are taken by their headers' lengths, however the reads fall.
    const bool whole = m_reassembler.Commit(
        uint32_t(n), [this](const NET_MSG_HEADER& header, const uint8_t* body) { OnReply(header, body); });
    if (!whole)
        errorHandler(kErrSendReceive);
}

void CPTZCtrl::OnReply(const NET_MSG_HEADER& header, const uint8_t* body)
{
    if (!m_bConnected)
        return;
    if (header.msgId == kPtzListReply) {
        tagPtzList* list = ReadPtzList(body, header.length);
        if (!list) {
            errorHandler(kErrSendReceive);
            return;
        }
        PostMessageOwning(m_hMsgHandler, WM_PTZ_INFO, header.msgId, reinterpret_cast<LPARAM>(list),
            [](WPARAM, LPARAM l) { FreePtzList(reinterpret_cast<tagPtzList*>(l)); });
        return;
    }
    if (header.word2) {
        errorHandler(header.word2);
        return;
    }
    ::PostMessage(m_hMsgHandler, WM_PTZ_ACK, header.msgId, 0);
}

void CPTZCtrl::OnClosed()
{
    errorHandler(kErrConnectionClosed);
    CloseSocket();
}

void CPTZCtrl::errorHandler(uint16_t wCode)
{
    switch (wCode) {
    case 0xF301:
    case 0xF302:
    case 0xF305:
    case kErrConnectFailed:
    case kErrSendReceive:
    case kErrTimeout:
        CloseSocket();
        break;
    default:
        break;
    }
    ::PostMessage(m_hMsgHandler, WM_PTZ_ERROR, wCode, 0);
}

} // namespace ferrock
