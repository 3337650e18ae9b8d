// Message costs of the framework layer: a send on the window's own thread
// (map lookup and call), a post dispatched through the Qt loop, and a send
// that crosses to a framework thread and waits for its answer.
#include "platform/msg/Sync.h"
#include "platform/msg/WinThread.h"
#include "platform/msg/WndBase.h"

#include <benchmark/benchmark.h>

namespace
{

constexpr UINT WM_BENCH = WM_USER + 300;
constexpr UINT WM_BENCH_BASE = WM_USER + 301;

class CBenchBase : public CWndBase
{
public:
    int64_t count = 0;

protected:
    LRESULT OnBase(WPARAM w, LPARAM) { return LRESULT(w); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchBase, CWndBase)
ON_MESSAGE(WM_BENCH_BASE, OnBase)
END_MESSAGE_MAP()

// A map of typical size, so that the lookup walks some entries.
class CBenchWnd : public CBenchBase
{
    LRESULT OnBench(WPARAM w, LPARAM)
    {
        ++count;
        return LRESULT(w + 1);
    }
    void OnOther() { }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchWnd, CBenchBase)
ON_BN_CLICKED(1001, OnOther)
ON_BN_CLICKED(1002, OnOther)
ON_BN_CLICKED(1003, OnOther)
ON_EN_CHANGE(1004, OnOther)
ON_CBN_SELCHANGE(1005, OnOther)
ON_COMMAND(1006, OnOther)
ON_MESSAGE(WM_BENCH, OnBench)
END_MESSAGE_MAP()

void BM_SendSameThread(benchmark::State& state)
{
    CBenchWnd wnd;
    wnd.CreateMessageWindow();
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(::SendMessage(wnd.m_hWnd, WM_BENCH, i++));
    wnd.DestroyWindow();
}
BENCHMARK(BM_SendSameThread);

void BM_SendToBaseClassHandler(benchmark::State& state)
{
    CBenchWnd wnd;
    wnd.CreateMessageWindow();
    for (auto _ : state)
        benchmark::DoNotOptimize(::SendMessage(wnd.m_hWnd, WM_BENCH_BASE, 1));
    wnd.DestroyWindow();
}
BENCHMARK(BM_SendToBaseClassHandler);

void BM_PostAndDispatch(benchmark::State& state)
{
    CBenchWnd wnd;
    wnd.CreateMessageWindow();
    const int batch = int(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < batch; ++i)
            ::PostMessage(wnd.m_hWnd, WM_BENCH, WPARAM(i));
        PumpWaitingMessages();
    }
    state.SetItemsProcessed(state.iterations() * batch);
    wnd.DestroyWindow();
}
BENCHMARK(BM_PostAndDispatch)->Arg(1)->Arg(100);

class CBenchThread : public CWinThread
{
public:
    CBenchWnd wnd;
    CEvent ready { FALSE, TRUE };
    BOOL InitInstance() override
    {
        wnd.CreateMessageWindow();
        ready.SetEvent();
        return TRUE;
    }
};

void BM_SendAcrossThreads(benchmark::State& state)
{
    auto* thread = new CBenchThread;
    thread->m_bAutoDelete = FALSE;
    thread->CreateThread();
    WaitForSingleObject(thread->ready, INFINITE);
    HWND target = thread->wnd.m_hWnd;
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(::SendMessage(target, WM_BENCH, i++));
    thread->PostThreadMessage(WM_QUIT, 0, 0);
    WaitForSingleObject(thread->m_hThread, INFINITE);
    delete thread;
}
BENCHMARK(BM_SendAcrossThreads)->UseRealTime();

} // namespace
