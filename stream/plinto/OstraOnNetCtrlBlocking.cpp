// The camera client's blocking one-shot exchanges: one request and one
// reply on a connection of their own, each read exact and bounded in time,
// callable from any thread.
#include "stream/plinto/OstraOnNetCtrl.h"

#include "stream/plinto/SocketIo.h"
#include "stream/plinto/StreamCodec.h"

#include "link/ByteOrder.h"
#include "link/Deadline.h"

#include <algorithm>
#include <cstring>

namespace plinto
{

namespace
{

// How long the connect may take, per exchange, and how long each further
// send or receive may wait.
constexpr DWORD kVersionConnectMs = 90000;
constexpr DWORD kShortConnectMs = 2000;
constexpr DWORD kExchangeMs = 90000;
// The largest reply body a one-shot exchange accepts: a channel-information
// record of CHINFO_ROOM bytes behind its length, with room to spare.
constexpr uint32_t kReplyRoom = 2 + CHINFO_ROOM + 1022;

struct Reply {
    MsgHeader header;
    uint8_t body[kReplyRoom];
};

enum class Outcome { Done, NoSocket, Failed, TimedOut };

// Connects, sends the request whole, reads the reply's header and then
// exactly the body it announces; a body larger than the room fails.
Outcome Exchange(
    const char* host, int port, DWORD connectMs, const uint8_t* request, uint32_t size, Reply* reply)
{
    bool made = false;
    const CDeadline connectBy(connectMs);
    SOCKET s = ConnectBefore(host, port ? port : DEFAULT_STREAM_PORT, connectBy, kExchangeMs, &made);
    if (s == INVALID_SOCKET)
        return !made                            ? Outcome::NoSocket
            : WSAGetLastError() == WSAETIMEDOUT ? Outcome::TimedOut
                                                : Outcome::Failed;
    const CDeadline replyBy(kExchangeMs);
    uint8_t head[HEADER_SIZE];
    Outcome outcome = Outcome::Failed;
    if (SendAll(s, request, size) && RecvExactly(s, head, HEADER_SIZE, replyBy)) {
        reply->header = GetHeader(head);
        if (reply->header.length <= kReplyRoom && RecvExactly(s, reply->body, reply->header.length, replyBy))
            outcome = Outcome::Done;
    }
    if (outcome != Outcome::Done && WSAGetLastError() == WSAETIMEDOUT)
        outcome = Outcome::TimedOut;
    ws::closesocket(s);
    return outcome;
}

uint32_t UserRequest(WORD id, const UserInfoParm& user, uint8_t* out)
{
    tagOnLineMsgType msg {};
    msg.wMsgId = id;
    msg.parm.user = user;
    return MarshalRequest(msg, out);
}

} // namespace

int COstraOnNetCtrl::getServerVersion(tagONLINEVERSION2* pVersion, UserInfoParm* pUser, char* host, int port)
{
    if (!pVersion || !pUser || !host)
        return 0;
    uint8_t request[REQUEST_ROOM];
    const uint32_t size = UserRequest(MSG_VERSION, *pUser, request);
    auto reply = std::make_unique<Reply>();
    const Outcome o = Exchange(host, port, kVersionConnectMs, request, size, reply.get());
    if (o != Outcome::Done || reply->header.length == 0) {
        m_dwLastError = o == Outcome::TimedOut ? ERR_TIME_OUT : ERR_CONNECT_FAILED;
        return 0;
    }
    ParseVersion(reply->body, reply->header.length, pVersion);
    return 1;
}

int COstraOnNetCtrl::changePassword(tagReqPasswordParm* pParm, char* host, int port)
{
    if (!pParm || !host)
        return ERR_CONNECT_FAILED;
    uint8_t request[REQUEST_ROOM];
    const uint32_t size = MarshalPasswordRequest(*pParm, request);
    auto reply = std::make_unique<Reply>();
    switch (Exchange(host, port, kShortConnectMs, request, size, reply.get())) {
    case Outcome::Done:
        return reply->header.status ? ERR_PASSWORD_REFUSED : 0;
    case Outcome::NoSocket:
        return ERR_SEND_RECEIVE;
    case Outcome::TimedOut:
        m_dwLastError = ERR_TIME_OUT;
        return ERR_CONNECT_FAILED;
    case Outcome::Failed:
        break;
    }
    m_dwLastError = ERR_CONNECT_FAILED;
    return ERR_CONNECT_FAILED;
}

int COstraOnNetCtrl::getCHInfoSet(tagCHINFOSET* pInfo, UserInfoParm* pUser, char* host, int port)
{
    if (!pInfo || !pUser || !host)
        return 0;
    uint8_t request[REQUEST_ROOM];
    const uint32_t size = UserRequest(MSG_CHANNEL_INFO, *pUser, request);
    auto reply = std::make_unique<Reply>();
    const Outcome o = Exchange(host, port, kShortConnectMs, request, size, reply.get());
    if (o != Outcome::Done || reply->header.length < 2) {
        m_dwLastError = o == Outcome::TimedOut ? ERR_TIME_OUT : ERR_CONNECT_FAILED;
        return 0;
    }
    WireReader r(reply->body, reply->header.length);
    const uint32_t announced = r.U16();
    // No more than the record holds and the body carries.
    const uint32_t n = std::min<uint32_t>({ announced, CHINFO_ROOM, uint32_t(r.Remaining()) });
    pInfo->wLength = WORD(n);
    r.Bytes(pInfo->byInfo, n);
    return 1;
}

} // namespace plinto
