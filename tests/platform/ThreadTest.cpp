#include "platform/msg/Sync.h"
#include "platform/msg/WinThread.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{

constexpr UINT WM_FETCH = WM_USER + 110;
constexpr UINT WM_RECORD = WM_USER + 111;
constexpr UINT WM_ASK = WM_USER + 5;
constexpr UINT WM_SELF = WM_USER + 7;

// Lives on the worker: answers sends from other threads.
class CWorkerWnd : public CWndBase
{
    LRESULT OnAsk(WPARAM w, LPARAM) { return LRESULT(w + GetCurrentThreadId()); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWorkerWnd, CWndBase)
ON_MESSAGE(WM_ASK, OnAsk)
END_MESSAGE_MAP()

class CReceiverWnd : public CWndBase
{
public:
    std::vector<WPARAM> records;
    std::vector<DWORD> threads;

private:
    LRESULT OnRecord(WPARAM w, LPARAM)
    {
        records.push_back(w);
        threads.push_back(GetCurrentThreadId());
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReceiverWnd, CWndBase)
ON_MESSAGE(WM_RECORD, OnRecord)
END_MESSAGE_MAP()

struct Probe {
    std::atomic<bool> initRan { false };
    std::atomic<DWORD> initThread { 0 };
    std::atomic<int> exitRan { 0 };
    std::atomic<bool> destroyed { false };
    std::atomic<HWND> workerWnd { nullptr };
    std::atomic<bool> selfPosted { false };
};

class CFetchThread : public CWinThread
{
public:
    CFetchThread(HWND owner, Probe* probe)
        : m_owner(owner)
        , m_probe(probe)
    {
        CreateThread(CREATE_SUSPENDED);
    }
    ~CFetchThread() override { m_probe->destroyed = true; }

    BOOL InitInstance() override
    {
        m_probe->initThread = GetCurrentThreadId();
        m_wnd.CreateMessageWindow();
        m_pMainWnd = &m_wnd;
        m_probe->workerWnd = m_wnd.m_hWnd;
        m_probe->initRan = true;
        // A post without a window is a message to this thread.
        ::PostMessage(nullptr, WM_SELF, 0, 0);
        return TRUE;
    }
    int ExitInstance() override
    {
        m_wnd.DestroyWindow();
        ++m_probe->exitRan;
        return CWinThread::ExitInstance();
    }

private:
    void OnFetch(WPARAM w, LPARAM)
    {
        for (WPARAM i = 0; i < w; ++i)
            ::PostMessage(m_owner, WM_RECORD, i);
    }
    void OnSelf(WPARAM, LPARAM) { m_probe->selfPosted = true; }
    HWND m_owner;
    Probe* m_probe;
    CWorkerWnd m_wnd;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFetchThread, CWinThread)
ON_THREAD_MESSAGE(WM_FETCH, OnFetch)
ON_THREAD_MESSAGE(WM_SELF, OnSelf)
END_MESSAGE_MAP()

TEST(WinThread, StartsSuspendedRunsInitInstanceWhenResumedAndEndsOnQuit)
{
    CReceiverWnd receiver;
    ASSERT_TRUE(receiver.CreateMessageWindow());
    Probe probe;
    auto* thread = new CFetchThread(receiver.m_hWnd, &probe);
    thread->m_bAutoDelete = FALSE;
    ASSERT_NE(thread->m_nThreadID, 0u);
    // Messages posted before the resume wait for the thread.
    EXPECT_TRUE(thread->PostThreadMessage(WM_FETCH, 3, 0));
    EXPECT_EQ(WaitForSingleObject(thread->m_hThread, 50), WAIT_TIMEOUT);
    EXPECT_FALSE(probe.initRan);

    EXPECT_EQ(thread->ResumeThread(), 1u);
    EXPECT_EQ(thread->ResumeThread(), 0u);
    ASSERT_TRUE(PumpMessagesUntil([&] { return receiver.records.size() == 3 && probe.selfPosted; }, 30000));
    EXPECT_EQ(probe.initThread, thread->m_nThreadID);
    EXPECT_EQ(receiver.records, (std::vector<WPARAM> { 0, 1, 2 }));
    for (DWORD t : receiver.threads)
        EXPECT_EQ(t, GetCurrentThreadId());

    // A send from this thread is answered on the worker's own loop.
    EXPECT_EQ(::SendMessage(probe.workerWnd, WM_ASK, 5), LRESULT(5 + thread->m_nThreadID));

    EXPECT_TRUE(thread->PostThreadMessage(WM_QUIT, 0, 0));
    EXPECT_EQ(WaitForSingleObject(thread->m_hThread, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(probe.exitRan, 1);
    EXPECT_FALSE(probe.destroyed);
    EXPECT_FALSE(IsWindow(probe.workerWnd));
    EXPECT_FALSE(thread->PostThreadMessage(WM_FETCH, 1, 0));
    delete thread;
    receiver.DestroyWindow();
}

TEST(WinThread, AutoDeleteThreadDeletesItselfAfterQuit)
{
    Probe probe;
    auto* thread = new CFetchThread(nullptr, &probe);
    HANDLE handle = thread->m_hThread;
    DWORD id = thread->m_nThreadID;
    thread->ResumeThread();
    PostThreadMessage(id, WM_QUIT, 0, 0);
    for (int i = 0; i < 3000 && !probe.destroyed; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(probe.destroyed);
    EXPECT_EQ(probe.exitRan, 1);
    (void)handle;
}

TEST(WinThread, PlainThreadHandleIsSignalledWithItsExitCode)
{
    HANDLE h = CreateThread(
        nullptr, 0, [](LPVOID p) -> DWORD { return DWORD(reinterpret_cast<uintptr_t>(p)); },
        reinterpret_cast<LPVOID>(uintptr_t(77)), CREATE_SUSPENDED, nullptr);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(h, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    ResumeThread(h);
    EXPECT_EQ(WaitForSingleObject(h, 30000), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeThread(h, &code));
    EXPECT_EQ(code, 77u);
    CloseHandle(h);
}

TEST(Sync, AutoAndManualResetEvents)
{
    CEvent autoReset(FALSE, FALSE);
    CEvent manual(FALSE, TRUE);
    EXPECT_EQ(WaitForSingleObject(autoReset, 0), WAIT_TIMEOUT);
    autoReset.SetEvent();
    EXPECT_EQ(WaitForSingleObject(autoReset, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(autoReset, 0), WAIT_TIMEOUT);
    manual.SetEvent();
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    manual.ResetEvent();
    HANDLE both[2] = { autoReset, manual };
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        manual.SetEvent();
    });
    EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 30000), WAIT_OBJECT_0 + 1);
    setter.join();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForSingleObject(autoReset, 60), WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(55));

    CCriticalSection cs;
    {
        CSingleLock outer(&cs, TRUE);
        CSingleLock inner(&cs, TRUE); // re-entrant on one thread
        EXPECT_TRUE(inner.IsLocked());
    }
}

TEST(Sync, AWaitingThreadStillAnswersSendsToItsWindows)
{
    CReceiverWnd receiver;
    ASSERT_TRUE(receiver.CreateMessageWindow());
    HWND h = receiver.m_hWnd;
    CEvent done(FALSE, TRUE);
    std::thread worker([&] {
        ::SendMessage(h, WM_RECORD, 9);
        done.SetEvent();
    });
    EXPECT_EQ(WaitForSingleObject(done, 30000), WAIT_OBJECT_0);
    worker.join();
    EXPECT_EQ(receiver.records, (std::vector<WPARAM> { 9 }));
    receiver.DestroyWindow();
}

} // namespace

namespace
{

constexpr UINT WM_ASK_BACK = WM_USER + 6;

// On the worker: asks the main thread's window while the main thread is
// itself waiting for this answer.
class CAskBackWnd : public CWndBase
{
public:
    HWND mainWnd = nullptr;

private:
    LRESULT OnAskBack(WPARAM w, LPARAM) { return ::SendMessage(mainWnd, WM_RECORD, w) + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAskBackWnd, CWndBase)
ON_MESSAGE(WM_ASK_BACK, OnAskBack)
END_MESSAGE_MAP()

class CAskBackThread : public CWinThread
{
public:
    CAskBackWnd wnd;
    CEvent ready { FALSE, TRUE };
    BOOL InitInstance() override
    {
        wnd.CreateMessageWindow();
        ready.SetEvent();
        return TRUE;
    }
};

TEST(WinThread, TwoThreadsSendingToEachOtherDoNotLockUp)
{
    CReceiverWnd receiver;
    ASSERT_TRUE(receiver.CreateMessageWindow());
    auto* thread = new CAskBackThread;
    thread->m_bAutoDelete = FALSE;
    thread->wnd.mainWnd = receiver.m_hWnd;
    ASSERT_TRUE(thread->CreateThread());
    ASSERT_EQ(WaitForSingleObject(thread->ready, 30000), WAIT_OBJECT_0);
    HWND workerWnd = thread->wnd.m_hWnd;
    EXPECT_EQ(::SendMessage(workerWnd, WM_ASK_BACK, 41), 1);
    EXPECT_EQ(receiver.records, (std::vector<WPARAM> { 41 }));
    EXPECT_EQ(receiver.threads, (std::vector<DWORD> { GetCurrentThreadId() }));
    thread->PostThreadMessage(WM_QUIT, 0, 0);
    ASSERT_EQ(WaitForSingleObject(thread->m_hThread, 30000), WAIT_OBJECT_0);
    // The window the thread left behind ended with it.
    EXPECT_FALSE(IsWindow(workerWnd));
    delete thread;
    receiver.DestroyWindow();
}

} // namespace
