#include "platform/msg/WinThread.h"

#include "platform/msg/KernelObject.h"
#include "platform/msg/ThreadState.h"
#include "platform/msg/WndBase.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <condition_variable>
#include <functional>
#include <thread>

using msgcore::ThreadState;

namespace
{

// The handle of a thread: signalled when it ends; holds the start gate of
// a thread created suspended.
struct ThreadObject : KernelObject {
    ThreadObject()
        : KernelObject(true, false)
    {
    }
    std::mutex gateMutex;
    std::condition_variable gateCv;
    bool suspended = false;
    bool started = false;
    DWORD threadId = 0;
    DWORD exitCode = STILL_ACTIVE;
};

ThreadObject* AsThread(HANDLE h)
{
    return h && h != INVALID_HANDLE_VALUE ? dynamic_cast<ThreadObject*>(h) : nullptr;
}

// Starts `body` on a new thread and gives its handle once the thread knows
// its id; `body` runs after the gate opens and gives the exit code.
HANDLE StartThread(bool suspended, std::function<DWORD()> body, const std::function<void()>& atStart)
{
    auto* handle = new ThreadObject;
    handle->suspended = suspended;
    handle->AddRef(); // the thread's own reference
    std::thread([handle, body = std::move(body), atStart] {
        DWORD id = ThreadState::Current()->threadId;
        if (atStart)
            atStart();
        {
            std::unique_lock<std::mutex> lock(handle->gateMutex);
            handle->threadId = id;
            handle->started = true;
            handle->gateCv.notify_all();
            handle->gateCv.wait(lock, [handle] { return !handle->suspended; });
        }
        DWORD code = body();
        // Windows the thread leaves behind end with it.
        for (HWND h : GetThreadWindows())
            ::DestroyWindow(h);
        ThreadState::ReleaseCurrent();
        {
            std::lock_guard<std::mutex> lock(handle->gateMutex);
            handle->exitCode = code;
        }
        handle->Signal();
        handle->Release();
    }).detach();
    std::unique_lock<std::mutex> lock(handle->gateMutex);
    handle->gateCv.wait(lock, [handle] { return handle->started; });
    return handle;
}

} // namespace

class CWinThread::Impl : public msgcore::ThreadMessageSink
{
public:
    explicit Impl(CWinThread* owner)
        : thread(owner)
    {
    }
    void OnThreadMessage(MSG& msg) override
    {
        if (thread && !thread->PreTranslateMessage(&msg))
            thread->DispatchMapEntries(msg.message, 0, 0, msg.wParam, msg.lParam, nullptr);
    }
    CWinThread* thread;
};

CWinThread::CWinThread()
    : m_impl(std::make_shared<Impl>(this))
{
}

CWinThread::~CWinThread()
{
    m_impl->thread = nullptr;
    if (m_hThread)
        CloseHandle(m_hThread);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT, void*)
{
    if (m_hThread)
        return FALSE;
    std::shared_ptr<Impl> impl = m_impl;
    CWinThread* self = this;
    m_hThread = StartThread((dwCreateFlags & CREATE_SUSPENDED) != 0,
        [self, impl]() -> DWORD {
            int code = self->InitInstance() ? self->Run() : self->ExitInstance();
            ThreadState::Current()->sink = nullptr;
            if (self->m_bAutoDelete)
                self->Delete();
            return DWORD(code);
        },
        [impl] {
            const std::shared_ptr<ThreadState>& state = ThreadState::Current();
            state->Queue();
            state->sink = impl.get();
        });
    m_nThreadID = AsThread(m_hThread)->threadId;
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    return ::ResumeThread(m_hThread);
}

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    m_nPriority = nPriority;
    return m_hThread ? TRUE : FALSE;
}

int CWinThread::Run()
{
    const std::shared_ptr<ThreadState>& state = ThreadState::Current();
    if (!state->quitPosted && QCoreApplication::instance()) {
        QEventLoop loop;
        QEventLoop* outer = state->runLoop;
        state->runLoop = &loop;
        m_nExitCode = loop.exec();
        state->runLoop = outer;
    } else {
        m_nExitCode = state->quitCode;
    }
    return ExitInstance();
}

int CWinThread::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinThread::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

void CWinThread::AttachToCurrentThread()
{
    const std::shared_ptr<ThreadState>& state = ThreadState::Current();
    if (QCoreApplication::instance())
        state->Queue();
    state->sink = m_impl.get();
    m_nThreadID = state->threadId;
}

HANDLE CreateThread(
    void*, size_t, LPTHREAD_START_ROUTINE start, LPVOID param, DWORD dwCreateFlags, LPDWORD threadId)
{
    if (!start)
        return nullptr;
    HANDLE h
        = StartThread((dwCreateFlags & CREATE_SUSPENDED) != 0, [start, param] { return start(param); }, {});
    if (threadId)
        *threadId = AsThread(h)->threadId;
    return h;
}

DWORD ResumeThread(HANDLE hThread)
{
    ThreadObject* t = AsThread(hThread);
    if (!t)
        return 0xFFFFFFFF;
    std::lock_guard<std::mutex> lock(t->gateMutex);
    DWORD previous = t->suspended ? 1 : 0;
    t->suspended = false;
    t->gateCv.notify_all();
    return previous;
}

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD exitCode)
{
    ThreadObject* t = AsThread(hThread);
    if (!t || !exitCode)
        return FALSE;
    std::lock_guard<std::mutex> lock(t->gateMutex);
    *exitCode = t->exitCode;
    return TRUE;
}
