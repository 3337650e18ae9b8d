// The client's connection: login, the receive thread and its end.
#include "viewer/tessaly/KelmothClient.h"

#include "link/WindowMessages.h"
#include "platform/msg/Sync.h"
#include "platform/msg/WinThread.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/WindowBlit.h"
#include "viewer/tessaly/KelmothWire.h"
#include "viewer/tessaly/LoginToken.h"
#include "viewer/tessaly/MediaFrame.h"
#include "viewer/tessaly/Mpeg4Decoder.h"
#include "viewer/tessaly/VideoRenderer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tessaly
{

namespace
{

constexpr int kConnectWaitMs = 5000;
constexpr DWORD kTransferTimeoutMs = 10000;

DWORD ReceiveThread(LPVOID client)
{
    return static_cast<CKelmothClient*>(client)->Run();
}

void ReportClosed()
{
    std::fputs("network connection is closed\n", stdout);
}

} // namespace

CKelmothClient::CKelmothClient(HWND hVideoWnd, HWND hNotifyWnd)
    : m_hNotifyWnd(hNotifyWnd ? hNotifyWnd : hVideoWnd)
    , m_hVideoWnd(hVideoWnd)
{
    AfxSocketInit();
    m_nStartTime = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                       .count();
    m_hStopEvent = CreateEvent(nullptr, FALSE, FALSE, nullptr);
}

CKelmothClient::~CKelmothClient()
{
    // The stop flag first, then the socket: the receive thread then ends
    // at once, whatever call it is in, and reports nothing.
    m_bStop = 1;
    Disconnect();
    if (m_hThread) {
        SetEvent(m_hStopEvent);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    CloseHandle(m_hStopEvent);
    m_pDecoder.reset();
    delete m_pRenderer;
}

int CKelmothClient::Play(char* address, char* name, char* password, unsigned short port)
{
    m_serverAddress = sockaddr_in {};
    m_serverAddress.sin_family = AF_INET;
    m_serverAddress.sin_addr.s_addr = inet_addr(address ? address : "");
    m_serverAddress.sin_port = htons(port);
    // A name longer than the field is cut to it, terminator included.
    std::memset(m_szStreamName, 0, sizeof m_szStreamName);
    if (name)
        std::strncpy(m_szStreamName, name, sizeof m_szStreamName - 1);

    if (!Connect())
        return KELMOTH_FAILURE;
    if (!SendLogin()) {
        Disconnect();
        return KELMOTH_FAILURE;
    }
    if (ReadReply() == KELMOTH_FAILURE) {
        Disconnect();
        return KELMOTH_FAILURE;
    }
    // The challenge: the reply's first 32 bytes, as text up to a zero.
    std::memset(m_szChallenge, 0, sizeof m_szChallenge);
    std::memcpy(m_szChallenge, m_reply + KELMOTH_HEADER_SIZE, KELMOTH_CHALLENGE_FIELD);
    const std::string token = MakeLoginToken(m_szChallenge, password ? password : "");
    std::memset(m_szToken, 0, sizeof m_szToken);
    if (token.size() >= sizeof m_szToken) {
        Disconnect();
        return KELMOTH_FAILURE;
    }
    std::memcpy(m_szToken, token.data(), token.size());
    if (!SendLogin()) {
        Disconnect();
        return KELMOTH_FAILURE;
    }
    const int status = ReadReply();
    if (status != KELMOTH_ACCEPTED) {
        Disconnect();
        return status;
    }

    m_nFramesProcessed = 0;
    m_bResync = 1;
    m_bStop = 0;
    delete m_pRenderer;
    m_pRenderer = new CVideoRenderer;
    m_hThread = CreateThread(nullptr, 0, ReceiveThread, this, 0, nullptr);
    if (!m_hThread) {
        Disconnect();
        return KELMOTH_FAILURE;
    }
    return 0;
}

int CKelmothClient::Stop()
{
    // The flag before the socket, so that the receive thread takes the
    // closed socket for the stop it is and posts no failure.
    m_bStop = 1;
    const int result = Disconnect();
    if (m_hThread) {
        SetEvent(m_hStopEvent);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    m_pDecoder.reset();
    m_bDecoderReady = 0;
    delete m_pRenderer;
    m_pRenderer = nullptr;
    const uint32_t black = 0;
    BlitToWindow(m_hVideoWnd, &black, 1, 1, 4);
    return result;
}

int CKelmothClient::UpdateBounds()
{
    if (m_pRenderer)
        m_pRenderer->Refresh();
    return 1;
}

int CKelmothClient::Connect()
{
    const SOCKET s = ws::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return 0;
    m_socket = s;
    unsigned long nonBlocking = 1;
    ws::ioctlsocket(s, FIONBIO, &nonBlocking);
    if (ws::connect(s, reinterpret_cast<const sockaddr*>(&m_serverAddress), sizeof m_serverAddress)
        == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK && error != WSAEINPROGRESS) {
            Disconnect();
            return 0;
        }
        ws::SelectResult ready;
        if (ws::select(s, true, true, true, kConnectWaitMs, &ready) <= 0) {
            Disconnect();
            return 0;
        }
        // A refused connection reports failure (or only readability): it
        // fails here rather than at the first send.
        int pending = 0;
        int length = sizeof pending;
        if (ready.failed || (ready.readable && !ready.writable)
            || ws::getsockopt(s, SOL_SOCKET, SO_ERROR, &pending, &length) == SOCKET_ERROR || pending) {
            Disconnect();
            return 0;
        }
    }
    unsigned long blocking = 0;
    ws::ioctlsocket(s, FIONBIO, &blocking);
    const DWORD timeout = kTransferTimeoutMs;
    if (ws::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) == SOCKET_ERROR
        || ws::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) == SOCKET_ERROR) {
        Disconnect();
        return 0;
    }
    m_bConnected = 1;
    return 1;
}

int CKelmothClient::Disconnect()
{
    const SOCKET s = m_socket.exchange(0);
    if (s)
        ws::closesocket(s);
    m_bConnected = 0;
    return 1;
}

int CKelmothClient::SendLogin()
{
    uint8_t request[KELMOTH_LOGIN_SIZE];
    BuildLoginRequest(request, m_szToken, m_szStreamName);
    const char* at = reinterpret_cast<const char*>(request);
    int left = int(sizeof request);
    while (left > 0) {
        const int sent = ws::send(m_socket, at, left, 0);
        if (sent <= 0)
            return 0;
        at += sent;
        left -= sent;
    }
    return 1;
}

bool CKelmothClient::RecvAll(SOCKET s, uint8_t* buffer, uint32_t n)
{
    uint32_t got = 0;
    while (got < n) {
        const uint32_t chunk = n - got > 0x10000000u ? 0x10000000u : n - got;
        const int r = ws::recv(s, reinterpret_cast<char*>(buffer + got), int(chunk), 0);
        if (r == 0)
            return false;
        if (r == SOCKET_ERROR) {
            if (WSAGetLastError() == WSAEWOULDBLOCK)
                continue;
            return false;
        }
        got += uint32_t(r);
    }
    return true;
}

int CKelmothClient::ReadReply()
{
    const SOCKET s = m_socket;
    for (;;) {
        uint8_t header[KELMOTH_HEADER_SIZE];
        if (!RecvAll(s, header, sizeof header)) {
            ReportClosed();
            return KELMOTH_FAILURE;
        }
        const KelmothHeader h = ReadKelmothHeader(header);
        if (h.type == KELMOTH_MEDIA && h.length != 0) {
            // A frame ahead of the reply is read and dropped, in pieces,
            // so that its announced length allocates nothing.
            if (h.length > KELMOTH_MEDIA_LIMIT)
                return KELMOTH_FAILURE;
            uint8_t scratch[4096];
            for (uint32_t left = h.length; left > 0;) {
                const uint32_t piece = left < sizeof scratch ? left : uint32_t(sizeof scratch);
                if (!RecvAll(s, scratch, piece))
                    return KELMOTH_FAILURE;
                left -= piece;
            }
            continue;
        }
        if (h.length > KELMOTH_REPLY_LIMIT)
            return KELMOTH_FAILURE;
        std::memset(m_reply, 0, sizeof m_reply);
        std::memcpy(m_reply, header, sizeof header);
        if (h.length && !RecvAll(s, m_reply + KELMOTH_HEADER_SIZE, h.length)) {
            ReportClosed();
            return KELMOTH_FAILURE;
        }
        return h.status;
    }
}

void CKelmothClient::StreamFailed()
{
    // A socket that Stop closed is no failure of the stream.
    if (!m_bStop)
        PostMessage(m_hNotifyWnd, WM_STREAM_FAILED, 0, 0);
}

unsigned long CKelmothClient::Run()
{
    std::vector<uint8_t> buffer(8192);
    int delivered = 0;
    while (!m_bStop) {
        const SOCKET s = m_socket;
        ws::SelectResult ready;
        if (ws::select(s, true, false, false, 1, &ready) == SOCKET_ERROR) {
            const int error = WSAGetLastError();
            if (error == WSAEINPROGRESS || error == WSAEWOULDBLOCK)
                continue;
            StreamFailed();
            break;
        }
        if (!ready.readable)
            continue;
        uint8_t header[KELMOTH_HEADER_SIZE];
        if (!RecvAll(s, header, sizeof header)) {
            StreamFailed();
            break;
        }
        const KelmothHeader h = ReadKelmothHeader(header);
        if (h.length == 0)
            continue;
        if (h.length > KELMOTH_MEDIA_LIMIT) {
            // Nothing after such a length can be read in step again.
            StreamFailed();
            break;
        }
        if (buffer.size() <= size_t(h.length) + KELMOTH_HEADER_SIZE)
            buffer.resize(size_t((size_t(h.length) + KELMOTH_HEADER_SIZE) * 3 / 2));
        if (!RecvAll(s, buffer.data(), h.length)) {
            StreamFailed();
            break;
        }
        if (h.type != KELMOTH_MEDIA)
            continue;
        MediaFrameFields fields;
        if (!ParseMediaFrame(buffer.data(), h.length, &fields))
            continue;
        // Until a first frame has gone through, B frames have no reference.
        if (delivered == 0 && fields.frameType == KELMOTH_FRAME_BIDIRECTIONAL)
            continue;
        ++delivered;
        if (m_bStop)
            break;
        CMediaFrame* frame = NewMediaFrame(fields.video, fields.videoSize,
            double(fields.seconds) + double(fields.fraction) * 1e-7, fields.frameType);
        if (frame)
            OnRecvFrame(frame);
    }
    std::vector<uint8_t>().swap(buffer);
    WaitForSingleObject(m_hStopEvent, INFINITE);
    return 1;
}

} // namespace tessaly
