// The camera client of the stream protocol: one connection to a camera or
// video server, a live service on it, and frames handed to the owner one
// at a time from a ring of six slots. The network thread (CNetThread)
// creates it, so that its hidden window and its socket events belong to
// that thread; owner calls that send go through the thread's queue, and
// startService / stopService, which the owner calls from its own thread,
// run on the network thread too.
//
// Besides the stream it offers blocking one-shot exchanges (version,
// password change, channel information), callable from any thread, and an
// asynchronous version query.
#pragma once

#include "plintoExport.h"
#include "stream/plinto/PlintoTypes.h"

#include "platform/msg/WinSock.h"
#include "platform/msg/WndBase.h"

#include <atomic>
#include <functional>
#include <memory>

namespace plinto
{

class CMessageQueue;
class CNotifySocket;

class PLINTO_EXPORT COstraOnNetCtrl : public CWndBase
{
public:
    COstraOnNetCtrl();
    ~COstraOnNetCtrl() override;

    // Starts the live service: keeps the owner link, the channel and the
    // request, connects (port 0 fails); the start request goes out once the
    // connection is made. 1 when the connect is under way.
    int startService(tagReqServiceParm parm);
    int startService(tagReqServiceParm parm, int port);
    // Sends the stop request when connected and closes the connection; 0
    // when that send failed (0xF403 reported), else 1.
    int stopService();
    // The owner has used the current frame: acknowledge it, so that the
    // device sends the next.
    int reqNextFrame();
    int sendAck(WORD id);
    int changeService(tagReqChangeParm parm);
    int reqDout(DWORD value);
    int reqInstallInfo();
    void reqPtzInfo(DWORD value);

    // Blocking one-shot exchanges on a connection of their own (port 0:
    // 8001). getServerVersion and getCHInfoSet give 1 on success, 0 on
    // failure; changePassword 0 when changed, 0xF308 when refused, 0xF401
    // when the exchange failed, 0xF403 when no socket could be made.
    int getServerVersion(tagONLINEVERSION2* pVersion, UserInfoParm* pUser, char* host, int port = 0);
    int changePassword(tagReqPasswordParm* pParm, char* host, int port = 0);
    int getCHInfoSet(tagCHINFOSET* pInfo, UserInfoParm* pUser, char* host, int port = 0);
    // Asks the version on a second connection; the record (kept per client
    // object) is filled when the reply comes and WM_STREAM_VERSION goes to
    // the owner. 1 when the connect is under way.
    int getServerVersionByNonBlocking(tagONLINEVERSION2* pVersion, UserInfoParm* pUser, char* host, int port);

    int isConnected() const { return m_nConnected; }
    void setProcessingFlag(int flag) { m_nProcessing = flag; }
    // The streaming connection (0 when none); the network thread sends the
    // queued requests on it.
    SOCKET getOnlineSocket() const;
    void setMsgQueue(CMessageQueue* pQueue) { m_pQueue = pQueue; }
    // Marshals one queued request and sends it on the streaming connection
    // (a short send reports 0xF403); the network thread's part.
    void sendQueued(const tagOnLineMsgType& msg);

    void ackHandler(WORD id, int reserved);
    void errorHandler(WORD code, int reserved);
    void LOG(char*) { }

    WORD GetLastErrorCode() const { return WORD(m_dwLastError.load()); }

protected:
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnSocketMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnCall(WPARAM wParam, LPARAM lParam);
    // Runs `call` on the client's own thread (a send when called elsewhere).
    int OnOwnThread(const std::function<int()>& call);

    int connectToServer(const char* host, int port);
    int DoStartService(const tagReqServiceParm& parm, int port);
    int DoStopService();
    void OnConnected();
    void OnReceived();
    void OnClosed();
    void OnInfoEvent(long event, int error);
    void UNMARSHALL_MSG(WORD id, WORD status, const uint8_t* body, uint32_t length);
    void OnFrame(WORD status, const uint8_t* body, uint32_t length);
    // Queues a request, or sends it at once without a queue; 1 when queued
    // or wholly sent.
    int Request(tagOnLineMsgType* msg);
    bool SendMessageNow(const tagOnLineMsgType& msg);
    void PostOwner(UINT message, WPARAM wParam, LPARAM lParam);
    void PostPtzInfo(WORD status, tagPTZINFO* info);
    void CloseStream();

    std::atomic<int> m_nConnected { 0 };
    std::unique_ptr<CNotifySocket> m_pSocket;
    std::unique_ptr<CNotifySocket> m_pInfoSocket;
    LPARAM m_nextTag = 1;
    int m_nInfoMode = 0;
    int m_nProcessing = 0;
    std::atomic<DWORD> m_dwLastError { 0 };
    DWORD m_nOwnerIsThread = 0;
    DWORD_PTR m_hOwner = 0;
    BYTE m_byChannel = 0;
    char m_szHost[32] = {};
    int m_nPort = 0;

    // Reassembly of the streaming connection and of the version query's.
    struct Receive;
    std::unique_ptr<Receive> m_pReceive;

    tagReqServiceParm m_service {};
    tagReqChangeParm m_pendingChange {};
    UserInfoParm m_infoUser {};
    tagONLINEVERSION2* m_pVersion = nullptr;

    tagONLINEFRAME* m_pFrames = nullptr;
    int m_nRingIndex = 0;
    // Frames posted and not yet acknowledged by the owner; a device that
    // sends frames unasked must not overwrite a slot the owner still reads.
    std::atomic<int> m_nFramesOut { 0 };

    CMessageQueue* m_pQueue = nullptr;
    DWORD m_dwThreadId = 0;
};

} // namespace plinto
