#include "platform/base/Services.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <mutex>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

constexpr UINT WM_TEST_A = WM_USER + 100;
constexpr UINT WM_TEST_B = WM_USER + 101;
constexpr UINT WM_TEST_BASE_ONLY = WM_USER + 102;
constexpr int IDC_APPLY = 1271;
constexpr int IDC_LIST = 1300;

class CBaseWnd : public CWndBase
{
public:
    std::vector<CString> log;
    std::vector<DWORD> threads;

protected:
    LRESULT OnBaseOnly(WPARAM w, LPARAM) { return LRESULT(w * 2); }
    LRESULT OnTestA(WPARAM w, LPARAM)
    {
        CString s;
        s.Format("base A %u", unsigned(w));
        log.push_back(s);
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWndBase)
ON_MESSAGE(WM_TEST_BASE_ONLY, OnBaseOnly)
ON_MESSAGE(WM_TEST_A, OnTestA)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
    std::vector<UINT_PTR> timers;

private:
    LRESULT OnTestA(WPARAM w, LPARAM l)
    {
        CString s;
        s.Format("A %u", unsigned(w));
        log.push_back(s);
        threads.push_back(GetCurrentThreadId());
        return LRESULT(w + l);
    }
    LRESULT OnTestB(WPARAM w, LPARAM)
    {
        CString s;
        s.Format("B %u", unsigned(w));
        log.push_back(s);
        threads.push_back(GetCurrentThreadId());
        return 0;
    }
    void OnButtonApply() { log.push_back("apply"); }
    void OnListClick(NMHDR* hdr, LRESULT* result)
    {
        log.push_back("parent click");
        *result = LRESULT(hdr->idFrom);
    }
    void OnTimer(UINT_PTR id) { timers.push_back(id); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_TEST_A, OnTestA)
ON_MESSAGE(WM_TEST_B, OnTestB)
ON_BN_CLICKED(IDC_APPLY, OnButtonApply)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnListClick)
ON_WM_TIMER()
END_MESSAGE_MAP()

// A control that handles its own clicks (reflection) and lets double
// clicks go on to the parent.
class CReflectingList : public CWndBase
{
public:
    std::vector<CString>* log = nullptr;

private:
    void OnClickReflect(NMHDR*, LRESULT* result)
    {
        log->push_back("list click");
        *result = 7;
    }
    BOOL OnDblClkReflect(NMHDR*, LRESULT*)
    {
        log->push_back("list dblclk");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingList, CWndBase)
ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClkReflect)
END_MESSAGE_MAP()

class CParentWnd : public CWndBase
{
public:
    std::vector<CString> log;

private:
    void OnClick(NMHDR*, LRESULT*) { log.push_back("parent click"); }
    void OnDblClk(NMHDR*, LRESULT* result)
    {
        log.push_back("parent dblclk");
        *result = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWndBase)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnClick)
ON_NOTIFY(NM_DBLCLK, IDC_LIST, OnDblClk)
END_MESSAGE_MAP()

// Standard handlers with their parameters cracked from wParam and lParam.
class CInputWnd : public CWndBase
{
public:
    std::vector<CString> log;
    int createResult = 0;

private:
    int OnCreate(LPCREATESTRUCT cs)
    {
        CString s;
        s.Format("create %d", int(reinterpret_cast<uintptr_t>(cs->hMenu)));
        log.push_back(s);
        return createResult;
    }
    void OnDestroy() { log.push_back("destroy"); }
    void OnSize(UINT type, int cx, int cy) { Add("size", int(type), cx, cy); }
    void OnMove(int x, int y) { Add("move", x, y, 0); }
    void OnLButtonDown(UINT flags, CPoint pt) { Add("lbutton", int(flags), pt.x, pt.y); }
    void OnMouseMove(UINT flags, CPoint pt) { Add("mousemove", int(flags), pt.x, pt.y); }
    BOOL OnMouseWheel(UINT flags, short delta, CPoint pt)
    {
        Add("wheel", int(flags), delta, pt.x);
        return TRUE;
    }
    void OnKeyDown(UINT ch, UINT repeat, UINT flags) { Add("keydown", int(ch), int(repeat), int(flags)); }
    void OnGetMinMaxInfo(MINMAXINFO* info) { info->ptMinTrackSize = { 800, 634 }; }
    void OnSizing(UINT side, LPRECT rect)
    {
        Add("sizing", int(side), rect->right, 0);
        rect->right = 800;
    }
    BOOL OnNcActivate(BOOL active)
    {
        Add("ncactivate", active, 0, 0);
        return TRUE;
    }
    void OnNcLButtonDblClk(UINT hit, CPoint pt) { Add("ncdblclk", int(hit), pt.x, pt.y); }
    void OnSysColorChange() { log.push_back("syscolor"); }
    void OnCommandRange(UINT id) { Add("range", int(id), 0, 0); }
    void OnNotifyRange(UINT id, NMHDR* hdr, LRESULT* result)
    {
        Add("notify", int(id), int(hdr->code == NM_RCLICK), 0);
        *result = 5;
    }
    void Add(const char* what, int a, int b, int c)
    {
        CString s;
        s.Format("%s %d %d %d", what, a, b, c);
        log.push_back(s);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInputWnd, CWndBase)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_GETMINMAXINFO()
ON_WM_SIZING()
ON_WM_NCACTIVATE()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_SYSCOLORCHANGE()
ON_COMMAND_RANGE(2000, 2004, OnCommandRange)
ON_NOTIFY_RANGE(NM_RCLICK, 3000, 3009, OnNotifyRange)
END_MESSAGE_MAP()

// A button that handles its own clicks.
class CReflectingButton : public CWndBase
{
public:
    int clicks = 0;

private:
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWndBase)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

std::vector<CString> Texts(std::initializer_list<const char*> list)
{
    return { list.begin(), list.end() };
}

TEST(Messages, SendsRunAtOnceAndPostsKeepTheirOrder)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    wnd.PostMessage(WM_TEST_A, 1);
    wnd.PostMessage(WM_TEST_B, 2);
    EXPECT_EQ(wnd.SendMessage(WM_TEST_A, 3, 4), 7);
    wnd.PostMessage(WM_TEST_A, 5);
    EXPECT_EQ(wnd.log, Texts({ "A 3" }));
    PumpWaitingMessages();
    EXPECT_EQ(wnd.log, Texts({ "A 3", "A 1", "B 2", "A 5" }));
    wnd.DestroyWindow();
}

TEST(Messages, MessageMapFindsHandlersInTheBaseClass)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    EXPECT_EQ(wnd.SendMessage(WM_TEST_BASE_ONLY, 21), 42);
    // The derived class's own entry hides the base's for the same message.
    wnd.SendMessage(WM_TEST_A, 1);
    EXPECT_EQ(wnd.log, Texts({ "A 1" }));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, EN_CHANGE), 0);
    EXPECT_EQ(wnd.log, Texts({ "A 1", "apply" }));
    // Unhandled messages go to the default processing.
    EXPECT_EQ(wnd.SendMessage(WM_USER + 999), 0);
    wnd.DestroyWindow();
}

TEST(Messages, CrossThreadSendBlocksAndReturnsTheHandlersResult)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    HWND h = wnd.m_hWnd;
    std::atomic<LRESULT> result { -1 };
    std::atomic<bool> returned { false };
    std::thread worker([&] {
        result = ::SendMessage(h, WM_TEST_A, 40, 2);
        returned = true;
    });
    // The worker waits until this thread runs the handler.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(returned);
    EXPECT_TRUE(PumpMessagesUntil([&] { return returned.load(); }, 30000));
    worker.join();
    EXPECT_EQ(result, 42);
    ASSERT_EQ(wnd.threads.size(), 1u);
    EXPECT_EQ(wnd.threads[0], GetCurrentThreadId());
    wnd.DestroyWindow();
}

TEST(Messages, PostsFromWorkersArriveOnTheOwnerThreadInOrder)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    HWND h = wnd.m_hWnd;
    constexpr int kWorkers = 4, kPosts = 50;
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back([h, w] {
            for (int i = 0; i < kPosts; ++i)
                ::PostMessage(h, WM_TEST_B, WPARAM(w * 1000 + i));
        });
    for (auto& t : workers)
        t.join();
    PumpMessagesUntil([&] { return wnd.log.size() == size_t(kWorkers * kPosts); }, 30000);
    ASSERT_EQ(wnd.log.size(), size_t(kWorkers * kPosts));
    std::vector<int> next(kWorkers, 0);
    for (const CString& s : wnd.log) {
        int v = atoi(s.Mid(2));
        EXPECT_EQ(v % 1000, next[v / 1000]++) << "posts of one worker out of order";
    }
    for (DWORD tid : wnd.threads)
        EXPECT_EQ(tid, GetCurrentThreadId());
    wnd.DestroyWindow();
}

TEST(Messages, PostsToADestroyedWindowAreDropped)
{
    auto* wnd = new CDerivedWnd;
    ASSERT_TRUE(wnd->CreateMessageWindow());
    HWND h = wnd->m_hWnd;
    EXPECT_TRUE(::PostMessage(h, WM_TEST_A, 1));
    wnd->DestroyWindow();
    delete wnd;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(::PostMessage(h, WM_TEST_A, 2));
    EXPECT_EQ(::SendMessage(h, WM_TEST_A, 2), 0);
    PumpWaitingMessages(); // must not reach the deleted object
}

std::mutex g_releasedLock;
std::vector<WPARAM> g_released;

void RecordRelease(WPARAM wParam, LPARAM)
{
    std::lock_guard lock(g_releasedLock);
    g_released.push_back(wParam);
}

std::vector<WPARAM> TakeReleased()
{
    std::lock_guard lock(g_releasedLock);
    return std::exchange(g_released, {});
}

TEST(Messages, DataOfAPostThatNoWindowTakesIsReleasedOnce)
{
    // Taken by the window: its handler owns the data.
    CDerivedWnd taker;
    ASSERT_TRUE(taker.CreateMessageWindow());
    EXPECT_TRUE(PostMessageOwning(taker.m_hWnd, WM_TEST_A, 1, 0, &RecordRelease));
    PumpWaitingMessages();
    EXPECT_EQ(taker.log, Texts({ "A 1" }));
    EXPECT_TRUE(TakeReleased().empty());

    // The window goes before its loop runs.
    auto* gone = new CDerivedWnd;
    ASSERT_TRUE(gone->CreateMessageWindow());
    const HWND goneHandle = gone->m_hWnd;
    EXPECT_TRUE(PostMessageOwning(goneHandle, WM_TEST_A, 2, 0, &RecordRelease));
    gone->DestroyWindow();
    delete gone;
    EXPECT_TRUE(TakeReleased().empty()) << "released only when the message comes up";
    PumpWaitingMessages();
    EXPECT_EQ(TakeReleased(), std::vector<WPARAM>({ 2 }));

    // No such window: refused, released at once.
    EXPECT_FALSE(PostMessageOwning(goneHandle, WM_TEST_A, 3, 0, &RecordRelease));
    EXPECT_FALSE(PostMessageOwning(nullptr, WM_TEST_A, 4, 0, &RecordRelease));
    EXPECT_EQ(TakeReleased(), std::vector<WPARAM>({ 3, 4 }));

    // The window's thread ends without running its loop again.
    std::atomic<HWND> remote { nullptr };
    std::atomic<bool> created { false }, posted { false };
    std::thread owner([&] {
        CDerivedWnd wnd;
        if (wnd.CreateMessageWindow())
            remote = wnd.m_hWnd;
        created = true;
        while (!posted)
            std::this_thread::yield();
    });
    while (!created)
        std::this_thread::yield();
    EXPECT_TRUE(PostMessageOwning(remote, WM_TEST_A, 5, 0, &RecordRelease));
    posted = true;
    owner.join();
    EXPECT_EQ(TakeReleased(), std::vector<WPARAM>({ 5 }));
    EXPECT_EQ(taker.log, Texts({ "A 1" }));
    taker.DestroyWindow();
}

TEST(Messages, NotificationsAreReflectedToTheControlFirst)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateMessageWindow());
    CReflectingList list;
    list.log = &parent.log;
    ASSERT_TRUE(list.CreateMessageWindow(parent.m_hWnd, IDC_LIST));
    EXPECT_EQ(GetDlgItem(parent.m_hWnd, IDC_LIST), list.m_hWnd);

    NMHDR click { list.m_hWnd, IDC_LIST, NM_CLICK };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&click)), 7);
    EXPECT_EQ(parent.log, Texts({ "list click" }));

    NMHDR dbl { list.m_hWnd, IDC_LIST, NM_DBLCLK };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&dbl)), 9);
    EXPECT_EQ(parent.log, Texts({ "list click", "list dblclk", "parent dblclk" }));

    // Destroying the parent takes the child handle with it.
    parent.DestroyWindow();
    EXPECT_FALSE(IsWindow(list.m_hWnd));
}

TEST(Messages, DeletingAWindowObjectTakesItsChildHandlesAlong)
{
    auto* parent = new CInputWnd;
    ASSERT_TRUE(parent->CreateMessageWindow());
    auto* child = new CInputWnd;
    ASSERT_TRUE(child->CreateMessageWindow(parent->m_hWnd, 5));
    HWND parentHandle = parent->m_hWnd, childHandle = child->m_hWnd;
    delete parent;
    EXPECT_FALSE(IsWindow(parentHandle));
    EXPECT_FALSE(IsWindow(childHandle));
    EXPECT_EQ(child->log.back(), "destroy");
    EXPECT_EQ(child->m_hWnd, nullptr);
    delete child;
}

TEST(Messages, StandardHandlersGetTheirParameters)
{
    CInputWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow(nullptr, 17));
    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(800, 634));
    wnd.SendMessage(WM_MOVE, 0, MAKELPARAM(WORD(-17), 40));
    wnd.SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(WORD(-3), 250));
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 20));
    EXPECT_EQ(wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), MAKELPARAM(5, 6)), TRUE);
    wnd.SendMessage(WM_KEYDOWN, 0x28, MAKELPARAM(1, 0x50));
    MINMAXINFO info {};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 800);
    CRect sizing(0, 0, 640, 480);
    wnd.SendMessage(WM_SIZING, 2, reinterpret_cast<LPARAM>(static_cast<LPRECT>(sizing)));
    EXPECT_EQ(sizing.right, 800);
    EXPECT_EQ(wnd.SendMessage(WM_NCACTIVATE, TRUE), TRUE);
    wnd.SendMessage(WM_NCLBUTTONDBLCLK, 2, MAKELPARAM(300, 5));
    wnd.SendMessage(WM_SYSCOLORCHANGE);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(2004, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(2005, 0), 0);
    NMHDR hdr { nullptr, 3003, NM_RCLICK };
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 3003, reinterpret_cast<LPARAM>(&hdr)), 5);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.log,
        Texts({ "create 17", "size 2 800 634", "move -17 40 0", "lbutton 1 -3 250", "mousemove 0 10 20",
            "wheel 0 -120 5", "keydown 40 1 80", "sizing 2 640 0", "ncactivate 1 0 0", "ncdblclk 2 300 5",
            "syscolor", "range 2004 0 0", "notify 3003 1 0", "destroy" }));
}

TEST(Messages, CreateFailsWhenOnCreateSaysSo)
{
    CInputWnd wnd;
    wnd.createResult = -1;
    EXPECT_FALSE(wnd.CreateMessageWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.log, Texts({ "create 0", "destroy" }));
}

TEST(Messages, CommandNotificationsAreReflectedToo)
{
    CDerivedWnd parent;
    ASSERT_TRUE(parent.CreateMessageWindow());
    CReflectingButton button;
    ASSERT_TRUE(button.CreateMessageWindow(parent.m_hWnd, IDC_APPLY));
    parent.SendMessage(
        WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(button.clicks, 1);
    EXPECT_TRUE(parent.log.empty()); // the button kept it
    // Without the control's handle there is nothing to reflect to.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), 0);
    EXPECT_EQ(parent.log, Texts({ "apply" }));
    parent.DestroyWindow();
}

// True when the thread sleeps in the kernel (state S).
bool Sleeps(pid_t threadId)
{
    std::ifstream stat("/proc/self/task/" + std::to_string(threadId) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t name = line.rfind(')');
    return name != std::string::npos && name + 2 < line.size() && line[name + 2] == 'S';
}

TEST(Messages, SentMessagesGoAheadOfPostedOnes)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    HWND h = wnd.m_hWnd;
    ::PostMessage(h, WM_TEST_B, 1);
    std::atomic<pid_t> senderId { 0 };
    std::thread sender([h, &senderId] {
        senderId = pid_t(::syscall(SYS_gettid));
        ::SendMessage(h, WM_TEST_A, 2);
    });
    // Wait until the send is queued (the sender sleeps, waiting for its
    // answer), then let the loop run.
    for (int i = 0; i < 20000 && !(senderId && Sleeps(senderId)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    PumpMessagesUntil([&] { return wnd.log.size() == 2; }, 30000);
    sender.join();
    EXPECT_EQ(wnd.log, Texts({ "A 2", "B 1" }));
    wnd.DestroyWindow();
}

TEST(Timers, FireWithTheirIdsAndStopOnKillTimer)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    EXPECT_EQ(wnd.SetTimer(4137, 200), 4137u);
    EXPECT_EQ(wnd.SetTimer(7, 1000), 7u);
    clock.Advance(199);
    PumpWaitingMessages();
    EXPECT_TRUE(wnd.timers.empty());
    clock.Advance(1);
    PumpWaitingMessages();
    EXPECT_EQ(wnd.timers, (std::vector<UINT_PTR> { 4137 }));
    // A busy thread sees one WM_TIMER however many periods passed.
    clock.Advance(800);
    PumpWaitingMessages();
    ASSERT_EQ(wnd.timers.size(), 3u);
    EXPECT_EQ(std::count(wnd.timers.begin(), wnd.timers.end(), 4137u), 2);
    EXPECT_EQ(std::count(wnd.timers.begin(), wnd.timers.end(), 7u), 1);
    EXPECT_TRUE(wnd.KillTimer(4137));
    EXPECT_FALSE(wnd.KillTimer(4137));
    clock.Advance(1000);
    PumpWaitingMessages();
    ASSERT_EQ(wnd.timers.size(), 4u);
    EXPECT_EQ(wnd.timers.back(), 7u);
    wnd.DestroyWindow();
    clock.Advance(1000);
    PumpWaitingMessages();
    EXPECT_EQ(wnd.timers.size(), 4u);
}

TEST(Timers, TimerMessagesComeAfterPostedMessages)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    wnd.SetTimer(9, 100);
    clock.Advance(100);
    wnd.PostMessage(WM_TEST_B, 1);
    PumpWaitingMessages();
    EXPECT_EQ(wnd.log, Texts({ "B 1" }));
    EXPECT_EQ(wnd.timers, (std::vector<UINT_PTR> { 9 }));
    // Setting a timer again with its id restarts it.
    clock.Advance(50);
    wnd.SetTimer(9, 100);
    clock.Advance(60);
    PumpWaitingMessages();
    EXPECT_EQ(wnd.timers.size(), 1u);
    clock.Advance(40);
    PumpWaitingMessages();
    EXPECT_EQ(wnd.timers.size(), 2u);
    wnd.DestroyWindow();
}

TEST(Timers, RealTimerDeliversThroughTheLoop)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    wnd.SetTimer(3, 10);
    EXPECT_TRUE(PumpMessagesUntil([&] { return wnd.timers.size() >= 2; }, 30000));
    wnd.KillTimer(3);
    EXPECT_EQ(wnd.timers[0], 3u);
    wnd.DestroyWindow();
}

} // namespace
