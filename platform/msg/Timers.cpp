// Window timers. With the real clock each timer is a QTimer on the owner
// thread; with a manual clock (tests) timers fall due when the clock is
// advanced and are queued to the owner thread as one WM_TIMER each, however
// many periods passed, as a busy thread sees them.
#include "platform/base/Services.h"
#include "platform/msg/ThreadState.h"
#include "platform/msg/WndBase.h"

#include <QTimer>

#include <map>

using msgcore::ThreadState;

namespace
{

struct TimerRecord {
    UINT elapse;
    DWORD due;
    QTimer* qtimer;
    bool pending;
    uint64_t generation;
    std::shared_ptr<ThreadState> owner;
};

using TimerKey = std::pair<HWND, UINT_PTR>;

std::mutex g_timerMutex;
std::map<TimerKey, TimerRecord> g_timers;
uint64_t g_generation = 0;

class TimerEvent : public QEvent
{
public:
    TimerEvent(TimerKey k, uint64_t g)
        : QEvent(QEvent::Type(msgcore::TimerEventType))
        , key(k)
        , generation(g)
    {
    }
    TimerKey key;
    uint64_t generation;
};

void Fire(TimerKey key, uint64_t generation)
{
    {
        std::lock_guard<std::mutex> lock(g_timerMutex);
        auto it = g_timers.find(key);
        if (it == g_timers.end() || it->second.generation != generation)
            return;
        it->second.pending = false;
    }
    if (CWndBase* wnd = msgcore::ObjectOnThisThread(key.first))
        wnd->WindowProc(WM_TIMER, WPARAM(key.second), 0);
}

bool IsDue(DWORD due, DWORD now)
{
    return int32_t(now - due) >= 0;
}

void OnClockAdvanced()
{
    DWORD now = GetTickCount();
    std::lock_guard<std::mutex> lock(g_timerMutex);
    for (auto& [key, t] : g_timers) {
        if (t.qtimer || !IsDue(t.due, now))
            continue;
        while (IsDue(t.due, now))
            t.due += t.elapse;
        // WM_TIMER comes after the messages already posted.
        if (!t.pending && t.owner->Post(new TimerEvent(key, t.generation), Qt::LowEventPriority))
            t.pending = true;
    }
}

void DropTimer(std::map<TimerKey, TimerRecord>::iterator it)
{
    // QTimers belong to the owner thread, where KillTimer is called.
    delete it->second.qtimer;
    g_timers.erase(it);
}

} // namespace

namespace msgcore
{

void DeliverTimerEvent(QEvent* e)
{
    auto* te = static_cast<TimerEvent*>(e);
    Fire(te->key, te->generation);
}

void KillTimersOf(HWND hWnd)
{
    std::lock_guard<std::mutex> lock(g_timerMutex);
    for (auto it = g_timers.lower_bound({ hWnd, 0 }); it != g_timers.end() && it->first.first == hWnd;)
        DropTimer(it++);
}

void KillTimersOfThread(const ThreadState* state)
{
    std::lock_guard<std::mutex> lock(g_timerMutex);
    for (auto it = g_timers.begin(); it != g_timers.end();)
        if (it->second.owner.get() == state)
            DropTimer(it++);
        else
            ++it;
}

} // namespace msgcore

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse, void*)
{
    // Timers are set by the window's own thread.
    if (!msgcore::ObjectOnThisThread(hWnd))
        return 0;
    static const bool hookSet = (SetClockAdvancedHook(&OnClockAdvanced), true);
    (void)hookSet;
    const std::shared_ptr<ThreadState>& owner = ThreadState::Current();
    if (!owner->Queue())
        return 0;
    UINT elapse = std::max(nElapse, 10u);
    TimerKey key { hWnd, nIDEvent };
    std::lock_guard<std::mutex> lock(g_timerMutex);
    auto old = g_timers.find(key);
    if (old != g_timers.end())
        DropTimer(old);
    uint64_t generation = ++g_generation;
    QTimer* qtimer = nullptr;
    if (!Service<IClock>().IsManual()) {
        qtimer = new QTimer(owner->Queue());
        QObject::connect(qtimer, &QTimer::timeout, [key, generation] { Fire(key, generation); });
        qtimer->start(int(elapse));
    }
    g_timers[key] = { elapse, GetTickCount() + elapse, qtimer, false, generation, owner };
    return nIDEvent ? nIDEvent : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent)
{
    std::lock_guard<std::mutex> lock(g_timerMutex);
    auto it = g_timers.find({ hWnd, nIDEvent });
    if (it == g_timers.end() || it->second.owner != ThreadState::Current())
        return FALSE;
    DropTimer(it);
    return TRUE;
}
