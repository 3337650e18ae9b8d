// CWndBase: a window object with a handle and a window procedure, without
// any widget. Plain message windows (hidden client and notification windows
// of the stream libraries) use it as it is; platform/ui's CWnd derives from
// it and owns a QWidget beside the handle.
//
// How platform/ui plugs in:
//  - CWnd::CreateEx builds its widget, fills a CREATESTRUCT and calls
//    CreateHandle, which registers the handle on the calling thread and sends
//    WM_CREATE (a result of -1 destroys the handle again and fails).
//  - DestroyWindow sends WM_DESTROY, destroys the child handles, sends
//    WM_NCDESTROY, forgets the handle and calls PostNcDestroy, where a
//    widget window releases its widget and self-deleting windows delete
//    themselves. Override OnHandleDestroyed to drop the widget before that.
//  - DefWindowProc is the default processing; CWnd overrides it for the
//    messages its widget answers (WM_SETTEXT, WM_GETTEXT, ...).
//  - WM_COMMAND and WM_NOTIFY from a child are first offered to the child
//    (OnChildNotify, reflection), then to the command routing (OnCmdMsg).
//
// A handle belongs to the thread that created it: SendMessage from that
// thread calls WindowProc directly; from another thread it waits until the
// owner thread has handled the message. PostMessage queues the message to
// the owner thread's event loop. Timers keep the caller's ids and arrive as
// WM_TIMER through the window procedure.
#pragma once

#include "platform/base/String.h"
#include "platform/msg/CmdTarget.h"

#include <functional>
#include <vector>

class PLATFORM_API CWndBase : public CCmdTarget
{
public:
    CWndBase() = default;
    ~CWndBase() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object of a handle created on any thread, or null.
    static CWndBase* FromHandlePermanent(HWND hWnd);

    // A hidden window that only receives messages (parent may be null).
    BOOL CreateMessageWindow(HWND hWndParent = nullptr, UINT nID = 0);
    // Makes this object the window object of a live handle of this thread,
    // as a class takes over a control that a dialog template created; the
    // previous object no longer receives its messages.
    BOOL Attach(HWND hWnd);
    virtual BOOL DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches through the message map; false when no entry handled it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification from this window, offered back to it before its parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    HWND GetParentHandle() const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    // The child handle with the given control id, or null.
    HWND GetDlgItemHandle(int nID) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE);

protected:
    // Registers a new handle for this object on the calling thread and sends
    // WM_NCCREATE and WM_CREATE; cs.hMenu carries a child's control id.
    BOOL CreateHandle(CREATESTRUCT& cs);
    virtual void OnHandleDestroyed() { }
    virtual void PostNcDestroy() { }
};

// The classic free functions on handles. PostMessage with no window posts a
// thread message to the calling thread.
PLATFORM_API LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
PLATFORM_API BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
PLATFORM_API BOOL PostThreadMessage(DWORD idThread, UINT message, WPARAM wParam, LPARAM lParam);
// Posts a message whose parameters carry data that the window's handler
// frees. The data is taken in every case: when the post cannot be made, or
// the message never reaches a window procedure (the window is gone by the
// time it comes up, or its thread ends first), `release` frees it instead.
PLATFORM_API BOOL PostMessageOwning(
    HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, PostedDataRelease release);
PLATFORM_API void PostQuitMessage(int exitCode);
PLATFORM_API BOOL IsWindow(HWND hWnd);
PLATFORM_API BOOL DestroyWindow(HWND hWnd);
PLATFORM_API HWND GetParent(HWND hWnd);
PLATFORM_API int GetDlgCtrlID(HWND hWnd);
PLATFORM_API HWND GetDlgItem(HWND hWndParent, int nID);
PLATFORM_API DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId);
PLATFORM_API DWORD GetCurrentThreadId();
PLATFORM_API DWORD GetCurrentProcessId();
PLATFORM_API UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer);
PLATFORM_API BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent);
// Handles on this thread, children first, in creation order; for tests.
PLATFORM_API std::vector<HWND> GetThreadWindows();

// Runs everything this thread's loop has queued (posted messages, timers
// that fell due, socket notifications) without waiting; for tests and for
// loops that must stay responsive.
PLATFORM_API void PumpWaitingMessages();
// Pumps until `done` is true or `timeoutMs` passes; gives `done`.
PLATFORM_API bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);
