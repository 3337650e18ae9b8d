#include "stream/ferrock/OneShot.h"

#include "link/ByteOrder.h"
#include "platform/base/Services.h"
#include "platform/msg/WinSock.h"
#include "stream/ferrock/DVrOnNetCtrl.h"
#include "stream/ferrock/DvrRequest.h"

#include <cstring>

namespace ferrock
{

namespace
{

constexpr int kConnectWaitMs = 5000;
constexpr DWORD kBlockTimeoutMs = 5000;

struct Reply {
    NET_MSG_HEADER header {};
    std::vector<uint8_t> body;
};

// Sends a request and reads its reply; the result of the exchange, 0 when
// there is a reply to read.
int Exchange(intptr_t sock, const DvrRequest& request, Reply* reply)
{
    const std::vector<uint8_t> bytes = MarshalLiveRequest(request);
    if (ws::send(SOCKET(sock), reinterpret_cast<const char*>(bytes.data()), int(bytes.size()), 0)
        != int(bytes.size()))
        return kOneShotSendFailed;
    uint8_t head[NET_MSG_HEADER_SIZE];
    if (!SockBlockRead(sock, head, sizeof head))
        return kOneShotReceiveFailed;
    uint32_t o = 0;
    NetGetHeader(head, &o, &reply->header);
    if (reply->header.length > kOneShotReplyRoom)
        return kOneShotReceiveFailed;
    reply->body.assign(reply->header.length, 0);
    if (reply->header.length && !SockBlockRead(sock, reply->body.data(), int(reply->header.length)))
        return kOneShotReceiveFailed;
    return 0;
}

// One blocking connection to the DVR for the record's credentials, closed
// when the exchange is over.
class OneShotLink
{
public:
    OneShotLink(const char* host, const tagDVrInfo& info)
        : m_info(info)
    {
        BlockConnect(m_sock, host, info.nPort);
    }
    ~OneShotLink() { BlockDisConnect(m_sock); }
    bool IsOpen() const { return m_sock != 0; }
    int Ask(uint16_t id, Reply* reply)
    {
        DvrRequest request;
        request.wId = id;
        CopyCredentialField(request.credentials.user, m_info.user.user);
        CopyCredentialField(request.credentials.password, m_info.user.password);
        return Exchange(m_sock, request, reply);
    }
    void Close() { BlockDisConnect(m_sock); }

private:
    const tagDVrInfo& m_info;
    intptr_t m_sock = 0;
};

} // namespace

bool ReadContentList(const uint8_t* body, size_t length, tagContentList* pList)
{
    WireReader in(body, length);
    pList->contents.clear();
    pList->wValue = in.U16();
    const uint16_t count = in.U16();
    // Each content: information word, data length, data.
    for (uint16_t i = 0; i < count && !in.Short(); ++i) {
        tagContentEntry entry;
        entry.wInfo = in.U16();
        entry.nKind = entry.wInfo >> 10;
        entry.nFlag = (entry.wInfo >> 9) & 1;
        entry.byLow = uint8_t(entry.wInfo & 0xFF);
        const uint16_t size = in.U16();
        if (size > in.Remaining())
            return false;
        entry.data.assign(body + in.Offset(), body + in.Offset() + size);
        in.Skip(size);
        pList->contents.push_back(std::move(entry));
    }
    for (uint32_t& w : pList->dwServices)
        w = in.U32();
    if (in.Short())
        return false;
    CorrectServiceWords(pList->dwServices);
    return true;
}

void CorrectServiceWords(uint32_t words[32])
{
    uint32_t as[32], meant[32];
    int i = 0;
    as[i] = meant[i] = 0x1200;
    ++i;
    for (uint32_t w : { 0x1000u, 0x1001u, 0x1002u, 0x1003u, 0x1003u })
        as[i++] = w;
    for (uint32_t w = 0x1004; w <= 0x100F; ++w)
        as[i++] = w;
    for (int k = 0; k < 10; ++k)
        as[i++] = 0xFFFFFFFF;
    for (uint32_t w : { 0x6000u, 0x1600u, 0xFFFFFFFFu, 0xFFFFFFFFu })
        as[i++] = w;
    i = 1;
    for (uint32_t w = 0x1000; w <= 0x100F; ++w)
        meant[i++] = w;
    for (int k = 0; k < 11; ++k)
        meant[i++] = 0xFFFFFFFF;
    for (uint32_t w : { 0x6000u, 0x1600u, 0xFFFFFFFFu, 0xFFFFFFFFu })
        meant[i++] = w;
    if (std::memcmp(words, as, sizeof as) == 0)
        std::memcpy(words, meant, sizeof meant);
}

bool BlockConnect(intptr_t& sock, const char* host, int port)
{
    sock = 0;
    const SOCKET s = ws::socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET || !host)
        return false;
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    if (inet_pton(AF_INET, host, &a.sin_addr) != 1) {
        ws::closesocket(s);
        return false;
    }
    unsigned long on = 1, off = 0;
    ws::ioctlsocket(s, FIONBIO, &on);
    ws::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a);
    ws::SelectResult ready;
    int error = 0, length = sizeof error;
    if (ws::select(s, false, true, true, kConnectWaitMs, &ready) <= 0 || !ready.writable
        || ws::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error) {
        ws::closesocket(s);
        return false;
    }
    ws::ioctlsocket(s, FIONBIO, &off);
    const DWORD timeout = kBlockTimeoutMs;
    ws::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ws::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sock = intptr_t(s);
    return true;
}

void BlockDisConnect(intptr_t& sock)
{
    if (sock)
        ws::closesocket(SOCKET(sock));
    sock = 0;
}

int SockBlockRead(intptr_t sock, uint8_t* buffer, int n)
{
    int got = 0;
    while (got < n) {
        const int r = ws::recv(SOCKET(sock), reinterpret_cast<char*>(buffer + got), n - got, 0);
        if (r == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
            continue;
        if (r <= 0)
            return 0;
        got += r;
    }
    return n;
}

int GetContentList(const char* host, tagDVrInfo* pInfo)
{
    if (!pInfo)
        return kOneShotConnectFailed;
    OneShotLink link(host, *pInfo);
    if (!link.IsOpen())
        return kOneShotConnectFailed;
    Reply reply;
    const int result = link.Ask(kReqContentList, &reply);
    link.Close();
    if (result)
        return result;
    if (!ReadContentList(reply.body.data(), reply.body.size(), &pInfo->list))
        return kOneShotReceiveFailed;
    return reply.header.word2;
}

int GetChannelName(const char* host, tagDVrInfo* pInfo, int bWithVersion)
{
    if (!pInfo)
        return kOneShotConnectFailed;
    OneShotLink link(host, *pInfo);
    if (!link.IsOpen())
        return kOneShotConnectFailed;
    Reply reply;
    int result = link.Ask(kReqLogin, &reply);
    if (result || reply.header.word2)
        return result ? result : reply.header.word2;
    WireReader login(reply.body.data(), reply.body.size());
    pInfo->wLoginValue = login.U16();
    pInfo->wLoginFlag = login.U16();
    if (bWithVersion) {
        if ((result = link.Ask(kReqVersion, &reply)) != 0)
            return result;
        WireReader version(reply.body.data(), reply.body.size());
        // Kept the other way round.
        version.Bytes(pInfo->version2, sizeof pInfo->version2);
        version.Bytes(pInfo->version1, sizeof pInfo->version1);
        char text[33] = {};
        std::memcpy(text, pInfo->version1, sizeof pInfo->version1);
        if (IsNewerDvrVersion(text)) {
            if ((result = link.Ask(kReqExtended, &reply)) != 0)
                return result;
            WireReader extended(reply.body.data(), reply.body.size());
            pInfo->bExtendedClear = (extended.U16() & 0x2000) == 0;
        }
    }
    result = link.Ask(kReqChannelNames, &reply);
    link.Close();
    if (result)
        return result;
    WireReader in(reply.body.data(), reply.body.size());
    const uint16_t count = in.U16();
    if (count > kMaxChannelNames) {
        AfxMessageBox("Get CHANNEL NAME MAX_NUMBER ERROR");
        return kOneShotReceiveFailed;
    }
    if (in.RecordsLeft(24) < count)
        return kOneShotReceiveFailed;
    for (int i = 0; i < count; ++i)
        in.Bytes(pInfo->channelNames[i], 24);
    pInfo->nChannelCount = count;
    pInfo->bNamesValid = 1;
    return reply.header.word2;
}

} // namespace ferrock
