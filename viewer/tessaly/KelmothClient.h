// CKelmothClient: the viewer client of the streaming-server family. Play
// logs in with a challenge and a digest token, then a receive thread takes
// media frames off the connection, decodes their MPEG-4 video and draws each
// picture into the video window; a connection that breaks after login is
// reported to the notify window with WM_STREAM_FAILED. Callers reach it
// through its constructor and its virtual operations, which begin with the
// deleting destructor, Play and Stop, in that order.
#pragma once

#include "platform/msg/WinSock.h"
#include "tessalyExport.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace tessaly
{

struct CMediaFrame;
class CMpeg4Decoder;
class CVideoRenderer;

class TESSALY_EXPORT CKelmothClient
{
public:
    CKelmothClient(HWND hVideoWnd, HWND hNotifyWnd);
    // Copying a client would share its socket, thread and buffers.
    CKelmothClient(const CKelmothClient&) = delete;
    CKelmothClient& operator=(const CKelmothClient&) = delete;

    virtual ~CKelmothClient();
    // 0 = playing; 1024 = no connection, a failed send or a connection
    // broken during login; any other value = the server's refusal.
    virtual int Play(char* address, char* name, char* password, unsigned short port);
    // Ends playing and paints the video window black; gives 1.
    virtual int Stop();
    // Redraws the last picture at the window's current size; gives 1.
    virtual int UpdateBounds();

    // The body of the receive thread.
    unsigned long Run();

    // What the receive thread has done, for the page and for tests.
    int FramesProcessed() const { return m_nFramesProcessed; }
    bool IsDecoderReady() const { return m_bDecoderReady != 0; }
    int PictureWidth() const { return m_nWidth; }
    int PictureHeight() const { return m_nHeight; }

protected:
    virtual int Disconnect();
    virtual int Connect();
    virtual void DisplayFrame(
        unsigned char* y, unsigned char* u, unsigned char* v, int yStride, int uvStride);
    virtual void OnRecvFrame(CMediaFrame* frame);

private:
    int SendLogin();
    int ReadReply();
    bool RecvAll(SOCKET s, uint8_t* buffer, uint32_t n);
    void StreamFailed();
    bool SetUpDecoder(const uint8_t* headers, size_t size);
    void ShowPicture(const struct DecodedPicture* picture);

    std::atomic<int> m_bDecoderReady { 0 };
    std::atomic<SOCKET> m_socket { 0 };
    HWND m_hNotifyWnd;
    HWND m_hVideoWnd;
    HANDLE m_hStopEvent = nullptr;
    std::atomic<int> m_bStop { 0 };
    std::atomic<int> m_bConnected { 0 };
    int64_t m_nStartTime = 0; // ms since 1970
    HANDLE m_hThread = nullptr;
    sockaddr_in m_serverAddress {};
    char m_szStreamName[128] = {};
    int m_bHeldBack = 0;
    int m_bHeldBackShowable = 0;
    std::unique_ptr<CMpeg4Decoder> m_pDecoder;
    std::atomic<int> m_nFramesProcessed { 0 };
    CVideoRenderer* m_pRenderer = nullptr;
    std::atomic<int> m_nWidth { 0 };
    std::atomic<int> m_nHeight { 0 };
    char m_szToken[64] = {};
    char m_szChallenge[33] = {};
    // After a broken VOP the next one is decoded afresh; each client keeps
    // its own, so one stream's break does not touch another's.
    int m_bResync = 1;
    uint8_t m_reply[8 + 1024] = {};
};

} // namespace tessaly
