#include "link/RegServerSocket.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace
{

constexpr int kHeader = int(REGSERVER_HEADER_SIZE);
constexpr int kRecord = int(REGSERVER_RECORD_WIRE_SIZE);
constexpr int kRoom = 670;
constexpr int kPageSize = 100;
constexpr int kMaxPendingRounds = 5;
constexpr uint32_t kQueryFlags = 49; // name, 32-byte key, MAC text
constexpr uint32_t kListFlags = 1; // name
// The key byte of our requests; the server reads it from byte 13.
constexpr uint8_t kRequestKey = 0x5A;
// A page is a burst of datagrams; room for it in the socket's queue.
constexpr int kReceiveQueue = 1 << 20;

void PutText(uint8_t* buf, uint32_t* pos, const char* text, uint32_t width)
{
    uint8_t field[256] = {};
    CopyFixedText(reinterpret_cast<char*>(field), width, text, width);
    DirPutBytes(buf, pos, field, width);
}

} // namespace

uint32_t EncodeRegServerMessage(uint8_t* buf, uint32_t* pos, const REGSERVER_MESSAGE& message)
{
    const REGSERVER_MSG_HEADER& h = message.header;
    const RegServerRecord& r = message.record;
    if (h.kind != REGSERVER_KIND_REGISTRATION && h.kind != REGSERVER_KIND_QUERY)
        return 0;
    uint8_t* start = buf + *pos;
    EncodeDirHeader(start, h, h.key);
    uint32_t o = REGSERVER_HEADER_SIZE;
    PutText(start, &o, r.szName, 68);
    PutText(start, &o, r.szModel, 16);
    PutText(start, &o, r.szText128, 128);
    PutText(start, &o, r.szText256, 256);
    PutText(start, &o, r.szKey32, 32);
    PutText(start, &o, r.szMac, 24);
    PutText(start, &o, r.szAddress, 24);
    if (h.kind == REGSERVER_KIND_REGISTRATION) {
        PutText(start, &o, r.szKey16, 16);
        DirPutU32(start, &o, r.wNumber1);
        DirPutU32(start, &o, r.wNumber2);
        DirPutU32(start, &o, r.wNumber3);
        DirPutU32(start, &o, r.dwNumber4);
    } else {
        DirPutU32(start, &o, r.wNumber1);
        DirPutU32(start, &o, r.wNumber2);
        DirPutU32(start, &o, r.wNumber3);
        PutText(start, &o, r.szKey16, 16);
        PutText(start, &o, r.szText16, 16);
    }
    ScrambleBytes(start + REGSERVER_HEADER_SIZE, o - REGSERVER_HEADER_SIZE, h.key);
    *pos += o;
    return o;
}

CRegServerSocket::CRegServerSocket()
    : m_pTarget(nullptr)
{
    m_nPendingRounds = 0;
    ResetAll();
}

CRegServerSocket::~CRegServerSocket() = default;

void CRegServerSocket::Reset(CRegServerRecordTarget* pTarget)
{
    m_pTarget = pTarget;
    m_nPendingRounds = 0;
    ResetFlags();
    ResetReceive();
    int room = kReceiveQueue;
    SetSockOpt(SO_RCVBUF, &room, sizeof(room), SOL_SOCKET);
}

void CRegServerSocket::ResetFlags()
{
    m_bFirstPage = 1;
    m_bMorePages = 0;
    m_nSequence = 0;
    m_nTotal = 0;
    m_nPageCount = kPageSize;
    m_nRemaining = 0;
}

void CRegServerSocket::ResetReceive()
{
    m_nUnitLength = kHeader;
    m_nPhase = 0;
    m_nFillPos = 0;
    m_nLastBytes = 0;
    m_nRoom = kRoom;
    m_nPageReceived = 0;
    std::memset(m_buffer, 0, sizeof(m_buffer));
}

void CRegServerSocket::ResetAll()
{
    ResetFlags();
    ResetReceive();
}

BOOL CRegServerSocket::SendRequest(
    LPCTSTR lpszServer, uint32_t flags, uint32_t sequence, uint32_t count, const RegServerRecord& body)
{
    auto message = std::make_unique<REGSERVER_MESSAGE>();
    std::memset(message.get(), 0, sizeof(REGSERVER_MESSAGE));
    REGSERVER_MSG_HEADER& h = message->header;
    h.marker1 = -1;
    h.protocol = REGSERVER_UDP_PROTOCOL;
    h.marker2 = -1;
    h.kind = REGSERVER_KIND_QUERY;
    h.key = kRequestKey;
    h.flags = flags;
    h.bodyLength = REGSERVER_REQUEST_BODY_SIZE;
    h.start = sequence;
    h.count = count;
    message->record = body;
    uint8_t datagram[REGSERVER_HEADER_SIZE + REGSERVER_REQUEST_BODY_SIZE];
    uint32_t pos = 0;
    uint32_t size = EncodeRegServerMessage(datagram, &pos, *message);
    m_nPendingRounds = 0;
    int sent = SendTo(datagram, int(size), REGSERVER_UDP_PORT, lpszServer);
    if (sent == 0)
        Close();
    return sent > 0;
}

BOOL CRegServerSocket::SendListRequest(LPCTSTR lpszServer, LPCTSTR lpszLoginName)
{
    m_strServerAddress = lpszServer;
    m_strLoginName = lpszLoginName;
    auto body = std::make_unique<RegServerRecord>();
    std::memset(body.get(), 0, sizeof(RegServerRecord));
    CopyFixedText(
        body->szName, sizeof(body->szName), lpszLoginName ? lpszLoginName : "", sizeof(body->szName));
    return SendRequest(lpszServer, kListFlags, uint32_t(m_nSequence), kPageSize, *body);
}

int CRegServerSocket::ReceiveDatagram()
{
    UINT port = 0;
    int got = ReceiveFrom(m_buffer + m_nFillPos, m_nRoom - m_nFillPos, m_strFromAddress, port);
    m_nLastBytes = got > 0 ? got : 0;
    return m_nLastBytes;
}

void CRegServerSocket::ConsumeUnit(int nextUnit, int nextPhase)
{
    int surplus = m_nFillPos - m_nUnitLength;
    std::memmove(m_buffer, m_buffer + m_nUnitLength, size_t(surplus));
    m_nFillPos = surplus;
    m_nUnitLength = nextUnit;
    m_nPhase = nextPhase;
}

BOOL CRegServerSocket::Query(
    LPCTSTR lpszServer, const char* name68, const char* key32, const char* mac24, char* address24)
{
    auto body = std::make_unique<RegServerRecord>();
    std::memset(body.get(), 0, sizeof(RegServerRecord));
    CopyFixedText(body->szName, sizeof(body->szName), name68 ? name68 : "", 68);
    CopyFixedText(body->szKey32, sizeof(body->szKey32), key32 ? key32 : "", 32);
    CopyFixedText(body->szMac, sizeof(body->szMac), mac24 ? mac24 : "", 24);
    ResetReceive();
    if (!SendRequest(lpszServer, kQueryFlags, 0, 1, *body))
        return FALSE;
    if (ReceiveDatagram() == 0)
        return FALSE;
    m_nFillPos = m_nLastBytes;
    if (m_nFillPos < kHeader || m_nPhase != 0)
        return FALSE;
    REGSERVER_MSG_HEADER header;
    m_byKey = DecodeDirHeader(m_buffer, &header);
    if (header.total == 0) {
        ResetReceive();
        return FALSE; // no such device
    }
    ConsumeUnit(kRecord, 1);
    if (m_nFillPos < kRecord) {
        if (ReceiveDatagram() == 0)
            return FALSE;
        m_nFillPos += m_nLastBytes;
        if (m_nFillPos < kRecord || m_nPhase != 1)
            return FALSE;
    }
    auto record = std::make_unique<RegServerRecord>();
    DecodeDirRecord(m_buffer, m_byKey, record.get());
    ResetReceive();
    // A record without an address is no answer: the caller keeps the
    // address it has rather than store an empty one.
    if (record->szAddress[0] == '\0')
        return FALSE;
    std::memcpy(address24, record->szAddress, 24);
    return TRUE;
}

void CRegServerSocket::OnReceive(int nErrorCode)
{
    m_nPendingRounds = 0;
    if (ReceiveDatagram() > 0)
        TakeReceived();
    CSocket::OnReceive(nErrorCode);
}

void CRegServerSocket::TakeReceived()
{
    m_nFillPos = std::min(m_nFillPos + m_nLastBytes, kRoom);
    while (m_nFillPos >= m_nUnitLength) {
        if (m_nPhase == 0)
            OnHeader();
        else
            OnRecord();
    }
}

void CRegServerSocket::OnHeader()
{
    REGSERVER_MSG_HEADER header;
    m_byKey = DecodeDirHeader(m_buffer, &header);
    if (header.total == 0) {
        ResetReceive();
        return;
    }
    if (header.start != uint32_t(m_nSequence)) {
        // A page that was not asked for (late or repeated): wait for the right header.
        ResetReceive();
        return;
    }
    m_nTotal = int(std::min<uint32_t>(header.total, INT32_MAX));
    // The server cannot send more records than a page holds; a page with
    // none ends the listing rather than wait for records that never come.
    m_nPageCount = int(std::min<uint32_t>(header.count, kPageSize));
    m_nPageReceived = 0;
    if (m_nPageCount == 0) {
        ResetAll();
        return;
    }
    if (m_bFirstPage) {
        m_nRemaining = m_nTotal - m_nPageCount;
        m_bFirstPage = 0;
    } else {
        m_nRemaining -= m_nPageCount;
    }
    if (m_nRemaining > 0) {
        m_bMorePages = 1;
        m_nSequence += m_nPageCount;
    } else {
        m_bMorePages = 0;
    }
    ConsumeUnit(kRecord, 1);
}

void CRegServerSocket::OnRecord()
{
    ++m_nPageReceived;
    DecodeDirRecord(m_buffer, m_byKey, &m_record);
    bool pageDone = m_nPageReceived >= m_nPageCount;
    ConsumeUnit(pageDone ? kHeader : kRecord, pageDone ? 0 : 1);

    ZPT_NODE node;
    std::memset(&node, 0, sizeof(node));
    // Records nobody asked this socket for come from the server that sent them.
    const CString& from = m_strServerAddress.IsEmpty() ? m_strFromAddress : m_strServerAddress;
    CopyFixedText(node.szServer, sizeof(node.szServer), from.GetString(), sizeof(node.szServer));
    CopyRecordToNode(&node, m_record);
    ParseDirectoryReply(&node);
    if (m_pTarget)
        m_pTarget->OnRegServerRecord(&node);

    if (!pageDone)
        return;
    if (m_bMorePages) {
        // Without a list asked for, the server sends its pages unasked:
        // the next one is awaited, nothing is sent.
        if (m_strServerAddress.IsEmpty())
            return;
        CString server = m_strServerAddress, login = m_strLoginName;
        if (!SendListRequest(server, login))
            ResetAll(); // a failed request ends the listing
    } else {
        ResetAll();
    }
}

BOOL CRegServerSocket::OnMessagePending()
{
    if (++m_nPendingRounds > kMaxPendingRounds)
        Close(); // ends the blocking call with a failure
    return CSocket::OnMessagePending();
}
