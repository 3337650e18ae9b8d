#include "stream/plinto/NetThread.h"

#include "stream/plinto/OstraOnNetCtrl.h"

#include "link/WindowMessages.h"

namespace plinto
{

BEGIN_MESSAGE_MAP(CNetThread, CWinThread)
ON_THREAD_MESSAGE(WM_STREAM_SEND_QUEUED, OnSendQueued)
END_MESSAGE_MAP()

CNetThread::CNetThread()
    : m_hReadyEvent(CreateEvent(nullptr, TRUE, FALSE, nullptr))
{
    Start();
}

CNetThread::CNetThread(int* pFinished)
    : m_hReadyEvent(CreateEvent(nullptr, TRUE, FALSE, nullptr))
    , m_pFinished(pFinished)
{
    Start();
}

void CNetThread::Start()
{
    CreateThread(CREATE_SUSPENDED);
}

CNetThread::~CNetThread()
{
    if (m_pOnNetCtrl) {
        m_pOnNetCtrl->DestroyWindow();
        delete m_pOnNetCtrl;
    }
    m_queue.RemoveAllMessages();
    CloseHandle(m_hReadyEvent);
    if (m_pFinished)
        *m_pFinished = 1;
}

BOOL CNetThread::InitInstance()
{
    m_pOnNetCtrl = new COstraOnNetCtrl;
    m_pMainWnd = m_pOnNetCtrl;
    m_pOnNetCtrl->setMsgQueue(&m_queue);
    SetEvent(m_hReadyEvent);
    return TRUE;
}

int CNetThread::ExitInstance()
{
    return CWinThread::ExitInstance();
}

void CNetThread::StopThread()
{
    m_nRun = 0;
    m_queue.SetQueueFlag();
}

void CNetThread::OnSendQueued(WPARAM, LPARAM)
{
    while (m_nRun) {
        tagOnLineMsgType* msg = m_queue.GetFirstMessage();
        if (!msg)
            return;
        if (m_pOnNetCtrl->isConnected())
            m_pOnNetCtrl->sendQueued(*msg);
        delete msg;
    }
}

BOOL CNetThread::EndThread(CNetThread* pThread, DWORD dwMilliseconds)
{
    if (!pThread)
        return TRUE;
    HANDLE hEnded = DuplicateHandle(pThread->m_hThread);
    const DWORD id = pThread->m_nThreadID;
    pThread->StopThread();
    // A thread never resumed runs only to see the quit.
    pThread->ResumeThread();
    ::PostThreadMessage(id, WM_QUIT, 0, 0);
    const BOOL ended = WaitForSingleObject(hEnded, dwMilliseconds) == WAIT_OBJECT_0;
    CloseHandle(hEnded);
    return ended;
}

} // namespace plinto
