// Internal: the per-thread message state behind handles, posts, cross-thread
// sends, timers and waits. Not for use outside platform/msg.
#pragma once

#include "platform/msg/Messages.h"

#include <QEvent>
#include <QObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QEventLoop;
class CWndBase;

namespace msgcore
{

class ThreadState;

// A SendMessage waiting for the owner thread of its window.
struct SentItem {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    bool done = false;
    std::shared_ptr<ThreadState> sender;
};

// Receives thread messages (posted with no window) on a framework thread.
class ThreadMessageSink
{
public:
    virtual ~ThreadMessageSink() = default;
    virtual void OnThreadMessage(MSG& msg) = 0;
};

// Lives on its thread and receives the Qt events that carry posted
// messages, timer ticks and wake-ups for pending sends.
class QueueObject : public QObject
{
public:
    explicit QueueObject(ThreadState* state)
        : m_state(state)
    {
    }
    bool event(QEvent* e) override;

private:
    ThreadState* m_state;
};

class ThreadState : public std::enable_shared_from_this<ThreadState>
{
public:
    explicit ThreadState(DWORD threadId)
        : threadId(threadId)
    {
    }
    ~ThreadState();

    // The state of the calling thread, created on first use.
    static const std::shared_ptr<ThreadState>& Current();
    static std::shared_ptr<ThreadState> FromThreadId(DWORD threadId);
    // Ends the calling thread's state early (a framework thread that is
    // about to finish): pending sends are answered with 0, posts dropped.
    static void ReleaseCurrent();

    const DWORD threadId;

    // The Qt receiver of this thread, made on first use; call on this thread.
    QueueObject* Queue();
    // Queues a Qt event to this thread; false when the thread has no queue
    // or has ended. Takes ownership of the event.
    bool Post(QEvent* event, int priority = Qt::NormalEventPriority);
    bool HasQueue();

    // Called from another thread: hands over a send; false when this
    // thread has ended.
    bool EnqueueSend(SentItem* item);
    // Runs the sends that other threads are waiting on.
    void ProcessIncomingSends();
    // Blocks until ready() is true (checked with `mutex` held) or the
    // deadline passes, serving sends of other threads meanwhile. `ready` is
    // re-checked whenever Notify() is called. Gives ready().
    bool WaitServingSends(
        const std::function<bool()>& ready, std::chrono::steady_clock::time_point deadline, bool infinite);
    // Wakes a WaitServingSends of this thread.
    void Notify();

    std::mutex mutex;
    std::condition_variable cv;

    // Set by the framework thread object; null on plain threads.
    ThreadMessageSink* sink = nullptr;
    // The loop that a WM_QUIT ends (a framework thread's Run).
    QEventLoop* runLoop = nullptr;
    bool quitPosted = false;
    int quitCode = 0;

private:
    void Shutdown();

    std::deque<SentItem*> m_incoming;
    QueueObject* m_queue = nullptr;
    bool m_alive = true;
};

// Qt event types of our queue objects.
enum : int {
    PostedMessageEventType = QEvent::User + 0x401,
    WakeEventType,
    TimerEventType,
};

class PostedMessageEvent : public QEvent
{
public:
    explicit PostedMessageEvent(const MSG& m, PostedDataRelease r = nullptr)
        : QEvent(QEvent::Type(PostedMessageEventType))
        , msg(m)
        , release(r)
    {
    }
    // A message that never reached its window frees the data it carries;
    // Qt deletes the events still queued to a queue object that goes away.
    ~PostedMessageEvent() override
    {
        if (release)
            release(msg.wParam, msg.lParam);
    }
    MSG msg;
    // Cleared once a window procedure has taken the message.
    PostedDataRelease release;
};

// Handle table access for the other parts of msg.
std::shared_ptr<ThreadState> OwnerOf(HWND hWnd);
CWndBase* ObjectOnThisThread(HWND hWnd);
// False when nobody took the message (its window is gone).
bool DeliverPosted(MSG& msg);
// Called when a handle goes away; timers of the handle are killed.
void KillTimersOf(HWND hWnd);
// Called when a thread's state ends: its timers go with its queue.
void KillTimersOfThread(const ThreadState* state);
// Timer events delivered to the queue object.
void DeliverTimerEvent(QEvent* e);

} // namespace msgcore
