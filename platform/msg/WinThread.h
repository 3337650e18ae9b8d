// Framework threads. A CWinThread runs its own event loop, so posted
// messages, timers and socket notifications work on it as on the user
// interface thread. Created suspended, it runs nothing until ResumeThread;
// then InitInstance runs on the new thread, Run pumps messages until
// WM_QUIT, and ExitInstance gives the exit code. With m_bAutoDelete set
// (the default) the object deletes itself when the thread ends.
// Thread messages (PostThreadMessage) are bound with ON_THREAD_MESSAGE.
#pragma once

#include "platform/msg/CmdTarget.h"
#include "platform/msg/Sync.h"

#include <memory>

class CWndBase;

constexpr DWORD CREATE_SUSPENDED = 0x00000004;
constexpr DWORD STILL_ACTIVE = 259;
constexpr int THREAD_PRIORITY_LOWEST = -2;
constexpr int THREAD_PRIORITY_BELOW_NORMAL = -1;
constexpr int THREAD_PRIORITY_NORMAL = 0;
constexpr int THREAD_PRIORITY_ABOVE_NORMAL = 1;
constexpr int THREAD_PRIORITY_HIGHEST = 2;

class PLATFORM_API CWinThread : public CCmdTarget
{
public:
    CWinThread();
    ~CWinThread() override;

    // Starts the thread (waiting at its start when CREATE_SUSPENDED is given).
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, void* lpSecurityAttrs = nullptr);
    // Gives the previous suspend count (1 when it was waiting), 0xFFFFFFFF
    // when there is no thread.
    DWORD ResumeThread();
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Recorded only: priorities are a hint the scheduler here does not take.
    BOOL SetThreadPriority(int nPriority);
    int GetThreadPriority() const { return m_nPriority; }

    virtual BOOL InitInstance() { return FALSE; }
    virtual int Run();
    virtual int ExitInstance();
    // Sees each thread message first; TRUE keeps it from the message map.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Deletes the object when m_bAutoDelete is set.
    virtual void Delete();

    operator HANDLE() const { return m_hThread; }

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;
    CWndBase* m_pMainWnd = nullptr;

protected:
    // For the main thread's application object: makes this object receive
    // the calling thread's thread messages.
    void AttachToCurrentThread();

private:
    class Impl;
    std::shared_ptr<Impl> m_impl;
    int m_nPriority = THREAD_PRIORITY_NORMAL;
    int m_nExitCode = 0;
};

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID);
// A plain thread without a framework object; its handle is signalled when
// the routine returns.
PLATFORM_API HANDLE CreateThread(void* security, size_t stackSize, LPTHREAD_START_ROUTINE start, LPVOID param,
    DWORD dwCreateFlags, LPDWORD threadId);
PLATFORM_API DWORD ResumeThread(HANDLE hThread);
PLATFORM_API BOOL GetExitCodeThread(HANDLE hThread, LPDWORD exitCode);
