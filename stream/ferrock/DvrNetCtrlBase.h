// What the live and the playback client of the DVR dialect share: the owner
// link, the hidden window for socket notifications and the keepalive timer,
// the connection thread that sends queued requests and reads the socket,
// reassembly, frame delivery and error reporting. Each client adds its
// requests and its reply handling.
#pragma once

#include "stream/MessageReassembler.h"
#include "stream/ferrock/FrameParser.h"
#include "stream/ferrock/NetMsgQueue.h"
#include "stream/ferrock/NotifySocket.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace ferrock
{

class FERROCK_EXPORT CDvrNetCtrlBase : public CWndBase
{
public:
    struct Dialect {
        uint16_t wLogin;
        uint16_t wLogout;
        uint16_t wKeepAlive; // sent every 10 s while connected
        FrameDialect frames;
        int nRecvBuffer;
        int nSendBuffer; // 0: left as the system sets it
        uint16_t wShortSendError;
    };

    ~CDvrNetCtrlBase() override;

    // Connects and asks for the login; the outcome comes later as the
    // dialect's login reply or WM_STREAM_ERROR.
    BOOL Login(const UserInfoParm* pUser, const char* host, int port);
    // Asks for the logout when logged in.
    BOOL Logout();
    BOOL Connect(const char* host, int port);
    void DisConnect();
    // The code of the last error (0 while none).
    uint16_t GetLastErrorCode() const { return m_wLastError.load(); }
    bool IsConnected() const { return m_bConnected.load(); }
    bool IsLoggedIn() const { return m_bLoggedIn.load(); }

protected:
    CDvrNetCtrlBase(const tagMsgHandlerInfo& owner, const Dialect& dialect);

    // The wire message of a request; empty when the dialect has none.
    virtual std::vector<uint8_t> Marshal(const DvrRequest& request) const = 0;
    // One complete reply, on the connection thread.
    virtual void UnmarshallMsg(const NET_MSG_HEADER& header, const uint8_t* body) = 0;

    // Ends the connection thread, sends what is queued and closes the
    // socket; each client calls it first in its destructor, while its reply
    // handling and marshalling still stand.
    void EndConnection();
    void Queue(std::unique_ptr<DvrRequest> request);
    std::unique_ptr<DvrRequest> MakeRequest(uint16_t wId) const;
    // Stores the code and, when bPost, tells the owner.
    void ErrorHandler(uint16_t wCode, bool bPost = true);
    void PostOwner(UINT message, WPARAM wParam, LPARAM lParam);
    // Posts a record made with new; the owner frees it, or `release` does
    // when the post cannot be made.
    void PostOwnerOwning(UINT message, WPARAM wParam, LPARAM lParam, PostedDataRelease release);
    // Frame messages, parsed and handed to the callback or posted.
    void HandleFrames(const NET_MSG_HEADER& header, const uint8_t* body);

    LRESULT OnSocketMsg(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);

    tagMsgHandlerInfo m_owner;
    UserInfoParm m_userInfo {};
    std::atomic<bool> m_bLoggedIn { false };
    CNetMsgQueue m_queue;

    DECLARE_MESSAGE_MAP()

private:
    class Sink;
    void OnConnected();
    void StopThread();
    void Run(SOCKET s);
    bool OnReceived(SOCKET s);
    bool SendMessageBytes(SOCKET s, const std::vector<uint8_t>& bytes);
    // Sends what waits in the queue before the connection is closed.
    void FlushQueue();
    void LinkLost(uint16_t wCode);

    Dialect m_dialect;
    CNotifySocket m_socket;
    std::string m_host;
    int m_port = 0;
    std::atomic<bool> m_bConnected { false };
    std::atomic<bool> m_bStop { false };
    std::atomic<uint16_t> m_wLastError { 0 };
    std::thread m_thread;
    CMessageReassembler m_reassembler { kReceiveRoom }; // the connection thread's alone
};

constexpr UINT_PTR kKeepAliveTimer = 10000;

} // namespace ferrock
