#include "platform/msg/WndBase.h"

#include "platform/base/Services.h"
#include "platform/msg/ThreadState.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <map>
#include <unistd.h>

using msgcore::ThreadState;

namespace
{

struct WndRecord {
    CWndBase* object;
    std::shared_ptr<ThreadState> owner;
    HWND parent;
    int id;
    uint64_t order;
};

std::mutex g_tableMutex;
std::map<HWND, WndRecord> g_table;
uintptr_t g_nextHandle = 0x10000;
uint64_t g_nextOrder = 0;

bool Lookup(HWND hWnd, WndRecord& out)
{
    std::lock_guard<std::mutex> lock(g_tableMutex);
    auto it = g_table.find(hWnd);
    if (it == g_table.end())
        return false;
    out = it->second;
    return true;
}

// Handles whose record passes `pick`, in creation order.
template <class Pick> std::vector<HWND> HandlesWhere(Pick pick)
{
    std::vector<std::pair<uint64_t, HWND>> found;
    {
        std::lock_guard<std::mutex> lock(g_tableMutex);
        for (const auto& [h, rec] : g_table)
            if (pick(rec))
                found.emplace_back(rec.order, h);
    }
    std::sort(found.begin(), found.end());
    std::vector<HWND> handles;
    for (const auto& f : found)
        handles.push_back(f.second);
    return handles;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    return HandlesWhere([parent](const WndRecord& rec) { return rec.parent == parent; });
}

} // namespace

namespace msgcore
{

std::shared_ptr<ThreadState> OwnerOf(HWND hWnd)
{
    WndRecord rec;
    return Lookup(hWnd, rec) ? rec.owner : nullptr;
}

CWndBase* ObjectOnThisThread(HWND hWnd)
{
    WndRecord rec;
    if (!Lookup(hWnd, rec) || rec.owner != ThreadState::Current())
        return nullptr;
    return rec.object;
}

} // namespace msgcore

CWndBase::~CWndBase()
{
    // A window object deleted with its handle still alive takes the handle
    // with it, and the child handles it still has, so that no message
    // reaches a dead object. Derived handlers are gone by now, so no
    // WM_DESTROY is sent to this object. A handle that another object has
    // taken over stays with that object.
    HWND hWnd = m_hWnd;
    if (!hWnd || FromHandlePermanent(hWnd) != this)
        return;
    if (msgcore::ObjectOnThisThread(hWnd) == this)
        for (HWND child : ChildrenOf(hWnd))
            ::DestroyWindow(child);
    msgcore::KillTimersOf(hWnd);
    std::lock_guard<std::mutex> lock(g_tableMutex);
    auto it = g_table.find(hWnd);
    if (it != g_table.end() && it->second.object == this)
        g_table.erase(it);
}

CWndBase* CWndBase::FromHandlePermanent(HWND hWnd)
{
    WndRecord rec;
    return Lookup(hWnd, rec) ? rec.object : nullptr;
}

BOOL CWndBase::CreateHandle(CREATESTRUCT& cs)
{
    if (m_hWnd)
        return FALSE;
    const std::shared_ptr<ThreadState>& owner = ThreadState::Current();
    if (QCoreApplication::instance())
        owner->Queue();
    {
        std::lock_guard<std::mutex> lock(g_tableMutex);
        m_hWnd = reinterpret_cast<HWND>(g_nextHandle);
        g_nextHandle += 4;
        g_table[m_hWnd]
            = { this, owner, cs.hwndParent, int(reinterpret_cast<uintptr_t>(cs.hMenu)), g_nextOrder++ };
    }
    if (WindowProc(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == FALSE
        || WindowProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CWndBase::CreateMessageWindow(HWND hWndParent, UINT nID)
{
    CREATESTRUCT cs {};
    cs.hwndParent = hWndParent;
    cs.hMenu = reinterpret_cast<HMENU>(uintptr_t(nID));
    return CreateHandle(cs);
}

BOOL CWndBase::Attach(HWND hWnd)
{
    if (m_hWnd || !hWnd)
        return FALSE;
    std::lock_guard<std::mutex> lock(g_tableMutex);
    auto it = g_table.find(hWnd);
    if (it == g_table.end() || it->second.owner != ThreadState::Current())
        return FALSE;
    it->second.object = this;
    m_hWnd = hWnd;
    return TRUE;
}

BOOL CWndBase::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd || msgcore::ObjectOnThisThread(hWnd) != this)
        return FALSE;
    WindowProc(WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(hWnd))
        ::DestroyWindow(child);
    msgcore::KillTimersOf(hWnd);
    WindowProc(WM_NCDESTROY, 0, 0);
    {
        std::lock_guard<std::mutex> lock(g_tableMutex);
        g_table.erase(hWnd);
    }
    m_hWnd = nullptr;
    OnHandleDestroyed();
    PostNcDestroy();
    return TRUE;
}

LRESULT CWndBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWndBase::DefWindowProc(UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    default:
        return 0;
    }
}

BOOL CWndBase::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        return hdr && OnNotify(wParam, lParam, pResult);
    }
    return DispatchMapEntries(message, 0, 0, wParam, lParam, pResult);
}

BOOL CWndBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl) {
        CWndBase* child = msgcore::ObjectOnThisThread(hWndCtrl);
        LRESULT ignored = 0;
        if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, wParam, lParam, nullptr);
}

BOOL CWndBase::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr->hwndFrom) {
        CWndBase* child = msgcore::ObjectOnThisThread(hdr->hwndFrom);
        if (child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lParam, pResult))
            return TRUE;
    }
    return DispatchMapEntries(WM_NOTIFY, hdr->code, UINT(hdr->idFrom), 0, lParam, pResult);
}

BOOL CWndBase::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT code = 0;
    if (message == WM_COMMAND)
        code = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        code = reinterpret_cast<NMHDR*>(lParam)->code;
    else
        return FALSE;
    return DispatchMapEntries(WM_REFLECT_BASE + message, code, 0, wParam, lParam, pResult);
}

LRESULT CWndBase::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWndBase::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWndBase::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWndBase::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

HWND CWndBase::GetParentHandle() const
{
    return ::GetParent(m_hWnd);
}

int CWndBase::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWndBase::SetDlgCtrlID(int nID)
{
    std::lock_guard<std::mutex> lock(g_tableMutex);
    auto it = g_table.find(m_hWnd);
    if (it == g_table.end())
        return 0;
    int old = it->second.id;
    it->second.id = nID;
    return old;
}

HWND CWndBase::GetDlgItemHandle(int nID) const
{
    return ::GetDlgItem(m_hWnd, nID);
}

void CWndBase::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (HWND child : ChildrenOf(m_hWnd)) {
        ::SendMessage(child, message, wParam, lParam);
        if (bDeep)
            if (CWndBase* wnd = msgcore::ObjectOnThisThread(child))
                wnd->SendMessageToDescendants(message, wParam, lParam, TRUE);
    }
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WndRecord rec;
    if (!Lookup(hWnd, rec))
        return 0;
    const std::shared_ptr<ThreadState>& self = ThreadState::Current();
    if (rec.owner == self)
        return rec.object->WindowProc(message, wParam, lParam);
    // Across threads: the owner runs it; meanwhile this thread keeps
    // answering sends aimed at it, so that two threads sending to each
    // other do not lock up.
    msgcore::SentItem item { hWnd, message, wParam, lParam, 0, false, self };
    if (!rec.owner->EnqueueSend(&item))
        return 0;
    self->WaitServingSends([&] { return item.done; }, {}, true);
    return item.result;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Without a window the message goes to the calling thread.
    if (!hWnd) {
        if (QCoreApplication::instance())
            ThreadState::Current()->Queue();
        return PostThreadMessage(GetCurrentThreadId(), message, wParam, lParam);
    }
    return PostMessageOwning(hWnd, message, wParam, lParam, nullptr);
}

BOOL PostMessageOwning(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, PostedDataRelease release)
{
    std::shared_ptr<ThreadState> owner = hWnd ? msgcore::OwnerOf(hWnd) : nullptr;
    if (!owner) {
        if (release)
            release(wParam, lParam);
        return FALSE;
    }
    MSG msg { hWnd, message, wParam, lParam, GetTickCount(), { 0, 0 } };
    // A refused post deletes the event, which frees the data.
    return owner->Post(new msgcore::PostedMessageEvent(msg, release)) ? TRUE : FALSE;
}

BOOL PostThreadMessage(DWORD idThread, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<ThreadState> state = ThreadState::FromThreadId(idThread);
    if (!state)
        return FALSE;
    MSG msg { nullptr, message, wParam, lParam, GetTickCount(), { 0, 0 } };
    return state->Post(new msgcore::PostedMessageEvent(msg)) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode)
{
    const std::shared_ptr<ThreadState>& self = ThreadState::Current();
    if (QCoreApplication::instance())
        self->Queue();
    MSG msg { nullptr, WM_QUIT, WPARAM(exitCode), 0, GetTickCount(), { 0, 0 } };
    self->Post(new msgcore::PostedMessageEvent(msg));
}

BOOL IsWindow(HWND hWnd)
{
    WndRecord rec;
    return hWnd && Lookup(hWnd, rec) ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND hWnd)
{
    CWndBase* wnd = msgcore::ObjectOnThisThread(hWnd);
    return wnd ? wnd->DestroyWindow() : FALSE;
}

HWND GetParent(HWND hWnd)
{
    WndRecord rec;
    return Lookup(hWnd, rec) ? rec.parent : nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    WndRecord rec;
    return Lookup(hWnd, rec) ? rec.id : 0;
}

HWND GetDlgItem(HWND hWndParent, int nID)
{
    if (!hWndParent)
        return nullptr;
    for (HWND child : ChildrenOf(hWndParent))
        if (GetDlgCtrlID(child) == nID)
            return child;
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* processId)
{
    std::shared_ptr<ThreadState> owner = msgcore::OwnerOf(hWnd);
    if (processId)
        *processId = owner ? GetCurrentProcessId() : 0;
    return owner ? owner->threadId : 0;
}

DWORD GetCurrentThreadId()
{
    return ThreadState::Current()->threadId;
}

DWORD GetCurrentProcessId()
{
    return DWORD(::getpid());
}

std::vector<HWND> GetThreadWindows()
{
    std::shared_ptr<ThreadState> self = ThreadState::Current();
    return HandlesWhere([&self](const WndRecord& rec) { return rec.owner == self; });
}

void PumpWaitingMessages()
{
    const std::shared_ptr<ThreadState>& self = ThreadState::Current();
    self->ProcessIncomingSends();
    if (QCoreApplication::instance()) {
        self->Queue();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    const std::shared_ptr<ThreadState>& self = ThreadState::Current();
    if (QCoreApplication::instance())
        self->Queue();
    // The loop runs at least once, and `done` is asked once more after the
    // time is up: a thread that the machine kept waiting past the deadline
    // still gets what was queued meanwhile.
    while (!done()) {
        self->ProcessIncomingSends();
        if (QCoreApplication::instance()) {
            // A short timer bounds the wait; posts and sends wake it earlier.
            QEventLoop loop;
            QTimer tick;
            tick.start(5);
            loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        if (deadline.hasExpired())
            return done();
    }
    return true;
}
