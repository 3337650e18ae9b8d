// The network thread of one camera stream: it owns the camera client
// (created on the thread, so that the client's window and socket events
// belong to it) and the queue of the client's requests, which it sends one
// after the other.
//
// Owner's start: new CNetThread, ResumeThread, wait (with a bound) on
// m_hReadyEvent, then m_pOnNetCtrl->startService(...). Owner's end:
// CNetThread::EndThread(pThread, bound), after which the object is gone:
// the thread deletes itself with its client and any queued requests.
#pragma once

#include "plintoExport.h"
#include "stream/plinto/MessageQueue.h"

#include "platform/msg/WinThread.h"

#include <atomic>

namespace plinto
{

class COstraOnNetCtrl;

class PLINTO_EXPORT CNetThread : public CWinThread
{
public:
    // Created suspended; the owner resumes it.
    CNetThread();
    // The destructor writes 1 through pFinished.
    explicit CNetThread(int* pFinished);
    ~CNetThread() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Asks the thread to end: nothing queued is sent any more; the thread
    // ends once WM_QUIT reaches it.
    void StopThread();

    // Stops the thread, posts WM_QUIT to it and waits until it has ended,
    // on a handle of the caller's own (the object deletes itself and its
    // handle as it ends, so it is not touched after WM_QUIT). TRUE when the
    // thread ended within dwMilliseconds.
    static BOOL EndThread(CNetThread* pThread, DWORD dwMilliseconds);

    COstraOnNetCtrl* m_pOnNetCtrl = nullptr;
    HANDLE m_hReadyEvent;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void Start();
    // The client queued requests: send them while it is connected, drop
    // them when it is not.
    void OnSendQueued(WPARAM, LPARAM);

    CMessageQueue m_queue;
    std::atomic<int> m_nRun { 1 };
    int* m_pFinished = nullptr;
};

} // namespace plinto
