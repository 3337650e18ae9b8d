// Events, critical sections and waits. Events and threads are kernel
// objects behind a HANDLE; WaitForSingleObject takes either. A thread that
// waits keeps answering SendMessage calls that other threads aim at its
// windows, so a worker that sends to the window thread while that thread
// waits for the worker cannot lock both up.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/Types.h"

#include <mutex>

constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
constexpr DWORD WAIT_ABANDONED = 0x00000080;
constexpr DWORD WAIT_TIMEOUT = 0x00000102;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// Security attributes are accepted and ignored.
PLATFORM_API HANDLE CreateEvent(void* security, BOOL bManualReset, BOOL bInitialState, LPCTSTR name);
PLATFORM_API BOOL SetEvent(HANDLE hEvent);
PLATFORM_API BOOL ResetEvent(HANDLE hEvent);
PLATFORM_API BOOL CloseHandle(HANDLE h);
// A second handle of the same event or thread, which the caller closes with
// CloseHandle: it stays waitable when the first is closed (a self-deleting
// thread object closes its own). Null for no handle.
PLATFORM_API HANDLE DuplicateHandle(HANDLE h);
PLATFORM_API DWORD WaitForSingleObject(HANDLE h, DWORD milliseconds);
// Waits for one (bWaitAll false: gives WAIT_OBJECT_0 + index) or all.
PLATFORM_API DWORD WaitForMultipleObjects(
    DWORD count, const HANDLE* handles, BOOL bWaitAll, DWORD milliseconds);

struct CRITICAL_SECTION {
    std::recursive_mutex mutex;
};
using LPCRITICAL_SECTION = CRITICAL_SECTION*;
PLATFORM_API void InitializeCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API void DeleteCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API void EnterCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API void LeaveCriticalSection(LPCRITICAL_SECTION cs);
PLATFORM_API BOOL TryEnterCriticalSection(LPCRITICAL_SECTION cs);

class PLATFORM_API CSyncObject
{
public:
    virtual ~CSyncObject() = default;
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};

// A re-entrant lock.
class PLATFORM_API CCriticalSection : public CSyncObject
{
public:
    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;
    CRITICAL_SECTION m_sect;
};

class PLATFORM_API CEvent : public CSyncObject
{
public:
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR name = nullptr,
        void* security = nullptr);
    ~CEvent() override;
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;
    BOOL SetEvent();
    BOOL ResetEvent();
    // Waits for the event; false on time-out.
    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override { return TRUE; }
    operator HANDLE() const { return m_hObject; }
    HANDLE m_hObject;
};

// Holds a sync object for a scope.
class PLATFORM_API CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* object, BOOL bInitialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
    BOOL Lock(DWORD dwTimeout = INFINITE);
    BOOL Unlock();
    BOOL IsLocked() const { return m_bAcquired; }

private:
    CSyncObject* m_pObject;
    BOOL m_bAcquired = FALSE;
};
