#include "explorer/PortQuerySocket.h"

#include "explorer/MorrikResources.h"
#include "link/ByteOrder.h"
#include "platform/base/Services.h"
#include "platform/base/Time.h"
#include "resources/morrik/Resource.h"

#include <cstring>

namespace morrik
{

namespace
{

constexpr int kReplyBuffer = 1024;
constexpr uint16_t kReplyOffset = 0x1000;
constexpr int kCallLimit = 300;
constexpr int kSecondsLimit = 3;
constexpr char kSocketError[] = "Socket error!";

// A credential field of the caller: a text of at most 15 characters in its
// 16 bytes.
void CopyField(char (&field)[16], const char* text)
{
    CopyFixedText(field, sizeof field, text ? text : "", sizeof field - 1);
}

} // namespace

CPortQuerySocket::CPortQuerySocket()
    : m_bFirstChunk(FALSE)
    , m_nCalls(0)
    , m_tStart(0)
    , m_nCallLimit(kCallLimit)
    , m_nSecondsLimit(kSecondsLimit)
{
}

CPortQuerySocket::~CPortQuerySocket() = default;

BOOL CPortQuerySocket::QueryExtraPort(
    DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress, const char* pUser, const char* pPassword)
{
    return Query(MSG_EXTRA_PORT, pReply, nPort, lpszAddress, pUser, pPassword);
}

BOOL CPortQuerySocket::QueryPortPair(
    DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress, const char* pUser, const char* pPassword)
{
    return Query(MSG_PORT_PAIR, pReply, nPort, lpszAddress, pUser, pPassword);
}

BOOL CPortQuerySocket::Query(uint16_t code, DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress,
    const char* pUser, const char* pPassword)
{
    m_bFirstChunk = TRUE;
    if (m_hSocket != INVALID_SOCKET)
        Close();
    if (!Create(0, SOCK_STREAM, FD_ALL_EVENTS))
        return FALSE;
    m_nCalls = 0;
    m_tStart = 0;
    m_nCallLimit = kCallLimit;
    m_nSecondsLimit = kSecondsLimit;
    if (!Connect(lpszAddress, nPort)) {
        Close();
        return FALSE;
    }

    DEVICE_REQUEST request {};
    request.wCode = code;
    request.dwLength = PORT_QUERY_LENGTH;
    CopyField(request.szUser, pUser);
    CopyField(request.szPassword, pPassword);
    uint8_t wire[64];
    uint32_t cursor = 0;
    size_t size = EncodeDeviceMessage(wire, sizeof wire, &cursor, request);
    if (size == 0 || !SendAll(wire, int(size))) {
        Close();
        return FALSE;
    }

    uint8_t buffer[kReplyBuffer];
    int received = ReceiveReply(buffer, sizeof buffer);
    Close();
    if (received == 0)
        return FALSE;
    // Decoded into a scratch record: a reply that is short, or answers
    // another question, leaves the caller's record as it was.
    DEVICE_REPLY reply = *pReply;
    cursor = 0;
    if (DecodeDeviceMessage(buffer, size_t(received), &cursor, &reply) == 0
        || reply.wCode != code + kReplyOffset)
        return FALSE;
    *pReply = reply;
    return reply.wStatus == 0;
}

BOOL CPortQuerySocket::SendAll(const uint8_t* data, int size)
{
    int sent = 0;
    while (sent < size) {
        int n = Send(data + sent, size - sent);
        if (n == SOCKET_ERROR || n == 0)
            return FALSE;
        sent += n;
    }
    return TRUE;
}

int CPortQuerySocket::ReceiveReply(uint8_t* buffer, int capacity)
{
    int expected = int(NET_MSG_HEADER_SIZE);
    int received = 0;
    while (received < expected) {
        // Never more than the reply still owes, never past the buffer.
        int n = Receive(buffer + received, expected - received);
        if (n == 0) {
            MorrikMessageBox(IDS_CONNECTION_CLOSED);
            return 0;
        }
        if (n == SOCKET_ERROR) {
            AfxMessageBox(kSocketError);
            return 0;
        }
        received += n;
        if (m_bFirstChunk && received >= int(NET_MSG_HEADER_SIZE)) {
            m_bFirstChunk = FALSE;
            // The low half of the length word says how much body follows.
            uint32_t body = 0;
            NetPeekU16(buffer, 6, &body);
            expected += int(body);
            // A reply that cannot fit the buffer is refused unread.
            if (expected > capacity)
                return 0;
        }
    }
    return received;
}

BOOL CPortQuerySocket::OnMessagePending()
{
    const time_t now = CTime::GetCurrentTime().GetTime();
    if (m_nCalls++ == 0)
        m_tStart = now;
    if (m_nCalls >= m_nCallLimit || now - m_tStart > m_nSecondsLimit)
        Close(); // ends the blocking call with an error
    return CSocket::OnMessagePending();
}

} // namespace morrik
