#include "platform/base/Services.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
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
    EXPECT_TRUE(PumpMessagesUntil([&] { return returned.load(); }, 5000));
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
    PumpMessagesUntil([&] { return wnd.log.size() == size_t(kWorkers * kPosts); }, 5000);
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

TEST(Timers, RealTimerDeliversThroughTheLoop)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateMessageWindow());
    wnd.SetTimer(3, 10);
    EXPECT_TRUE(PumpMessagesUntil([&] { return wnd.timers.size() >= 2; }, 5000));
    wnd.KillTimer(3);
    EXPECT_EQ(wnd.timers[0], 3u);
    wnd.DestroyWindow();
}

} // namespace
