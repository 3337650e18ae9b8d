#include "platform/msg/Sync.h"

#include "platform/msg/KernelObject.h"
#include "platform/msg/ThreadState.h"

#include <algorithm>

using msgcore::ThreadState;

void KernelObject::Signal()
{
    std::vector<std::shared_ptr<ThreadState>> waiters;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        signalled = true;
        waiters = m_waiters;
    }
    for (const auto& w : waiters)
        w->Notify();
}

void KernelObject::Reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    signalled = false;
}

bool KernelObject::TryAcquire()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!signalled)
        return false;
    if (!manualReset)
        signalled = false;
    return true;
}

bool KernelObject::IsSignalled()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return signalled;
}

void KernelObject::AddWaiter(const std::shared_ptr<ThreadState>& waiter)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_waiters.push_back(waiter);
}

void KernelObject::RemoveWaiter(const std::shared_ptr<ThreadState>& waiter)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = std::find(m_waiters.begin(), m_waiters.end(), waiter);
    if (it != m_waiters.end())
        m_waiters.erase(it);
}

namespace
{

bool Valid(HANDLE h)
{
    return h && h != INVALID_HANDLE_VALUE;
}

} // namespace

HANDLE CreateEvent(void*, BOOL bManualReset, BOOL bInitialState, LPCTSTR)
{
    return new KernelObject(bManualReset != FALSE, bInitialState != FALSE);
}

BOOL SetEvent(HANDLE hEvent)
{
    if (!Valid(hEvent))
        return FALSE;
    hEvent->Signal();
    return TRUE;
}

BOOL ResetEvent(HANDLE hEvent)
{
    if (!Valid(hEvent))
        return FALSE;
    hEvent->Reset();
    return TRUE;
}

BOOL CloseHandle(HANDLE h)
{
    if (!Valid(h))
        return FALSE;
    h->Release();
    return TRUE;
}

HANDLE DuplicateHandle(HANDLE h)
{
    if (!Valid(h))
        return nullptr;
    h->AddRef();
    return h;
}

DWORD WaitForSingleObject(HANDLE h, DWORD milliseconds)
{
    return WaitForMultipleObjects(1, &h, FALSE, milliseconds);
}

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL bWaitAll, DWORD milliseconds)
{
    if (count == 0 || !handles)
        return WAIT_FAILED;
    for (DWORD i = 0; i < count; ++i)
        if (!Valid(handles[i]))
            return WAIT_FAILED;
    const std::shared_ptr<ThreadState>& self = ThreadState::Current();
    for (DWORD i = 0; i < count; ++i) {
        handles[i]->AddRef();
        handles[i]->AddWaiter(self);
    }
    DWORD result = WAIT_TIMEOUT;
    auto ready = [&] {
        if (bWaitAll) {
            for (DWORD i = 0; i < count; ++i)
                if (!handles[i]->IsSignalled())
                    return false;
            for (DWORD i = 0; i < count; ++i)
                handles[i]->TryAcquire();
            result = WAIT_OBJECT_0;
            return true;
        }
        for (DWORD i = 0; i < count; ++i)
            if (handles[i]->TryAcquire()) {
                result = WAIT_OBJECT_0 + i;
                return true;
            }
        return false;
    };
    bool infinite = milliseconds == INFINITE;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(infinite ? 0 : milliseconds);
    self->WaitServingSends(ready, deadline, infinite);
    for (DWORD i = 0; i < count; ++i) {
        handles[i]->RemoveWaiter(self);
        handles[i]->Release();
    }
    return result;
}

void InitializeCriticalSection(LPCRITICAL_SECTION) { }
void DeleteCriticalSection(LPCRITICAL_SECTION) { }
void EnterCriticalSection(LPCRITICAL_SECTION cs)
{
    cs->mutex.lock();
}
void LeaveCriticalSection(LPCRITICAL_SECTION cs)
{
    cs->mutex.unlock();
}
BOOL TryEnterCriticalSection(LPCRITICAL_SECTION cs)
{
    return cs->mutex.try_lock() ? TRUE : FALSE;
}

BOOL CCriticalSection::Lock(DWORD)
{
    EnterCriticalSection(&m_sect);
    return TRUE;
}

BOOL CCriticalSection::Unlock()
{
    LeaveCriticalSection(&m_sect);
    return TRUE;
}

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCTSTR name, void* security)
    : m_hObject(CreateEvent(security, bManualReset, bInitiallyOwn, name))
{
}

CEvent::~CEvent()
{
    CloseHandle(m_hObject);
}
BOOL CEvent::SetEvent()
{
    return ::SetEvent(m_hObject);
}
BOOL CEvent::ResetEvent()
{
    return ::ResetEvent(m_hObject);
}
BOOL CEvent::Lock(DWORD dwTimeout)
{
    return WaitForSingleObject(m_hObject, dwTimeout) == WAIT_OBJECT_0;
}

CSingleLock::CSingleLock(CSyncObject* object, BOOL bInitialLock)
    : m_pObject(object)
{
    if (bInitialLock)
        Lock();
}

CSingleLock::~CSingleLock()
{
    Unlock();
}

BOOL CSingleLock::Lock(DWORD dwTimeout)
{
    if (!m_bAcquired && m_pObject)
        m_bAcquired = m_pObject->Lock(dwTimeout);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (m_bAcquired && m_pObject)
        m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}
