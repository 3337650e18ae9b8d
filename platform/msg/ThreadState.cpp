#include "platform/msg/ThreadState.h"

#include "platform/msg/WndBase.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <map>
#include <sys/syscall.h>
#include <unistd.h>

namespace msgcore
{

namespace
{

std::mutex g_registryMutex;
std::map<DWORD, std::weak_ptr<ThreadState>> g_registry;

// Ends the thread's state when the thread ends.
struct ThreadStateHolder {
    std::shared_ptr<ThreadState> state;
    ~ThreadStateHolder()
    {
        if (state)
            ThreadState::ReleaseCurrent();
    }
};

thread_local ThreadStateHolder t_holder;

class WakeEvent : public QEvent
{
public:
    WakeEvent()
        : QEvent(QEvent::Type(WakeEventType))
    {
    }
};

} // namespace

bool QueueObject::event(QEvent* e)
{
    switch (int(e->type())) {
    case PostedMessageEventType: {
        auto* posted = static_cast<PostedMessageEvent*>(e);
        if (DeliverPosted(posted->msg))
            posted->release = nullptr;
        return true;
    }
    case WakeEventType:
        m_state->ProcessIncomingSends();
        return true;
    case TimerEventType:
        DeliverTimerEvent(e);
        return true;
    default:
        return QObject::event(e);
    }
}

ThreadState::~ThreadState() = default;

const std::shared_ptr<ThreadState>& ThreadState::Current()
{
    if (!t_holder.state) {
        auto id = DWORD(::syscall(SYS_gettid));
        t_holder.state = std::make_shared<ThreadState>(id);
        std::lock_guard<std::mutex> lock(g_registryMutex);
        g_registry[id] = t_holder.state;
    }
    return t_holder.state;
}

std::shared_ptr<ThreadState> ThreadState::FromThreadId(DWORD threadId)
{
    std::lock_guard<std::mutex> lock(g_registryMutex);
    auto it = g_registry.find(threadId);
    return it == g_registry.end() ? nullptr : it->second.lock();
}

void ThreadState::ReleaseCurrent()
{
    std::shared_ptr<ThreadState> state = std::move(t_holder.state);
    if (!state)
        return;
    {
        std::lock_guard<std::mutex> lock(g_registryMutex);
        auto it = g_registry.find(state->threadId);
        if (it != g_registry.end() && it->second.lock() == state)
            g_registry.erase(it);
    }
    state->Shutdown();
}

void ThreadState::Shutdown()
{
    KillTimersOfThread(this);
    std::deque<SentItem*> pending;
    QueueObject* queue = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        m_alive = false;
        pending.swap(m_incoming);
        queue = m_queue;
        m_queue = nullptr;
    }
    for (SentItem* item : pending) {
        std::lock_guard<std::mutex> lock(item->sender->mutex);
        item->done = true;
        item->sender->cv.notify_all();
    }
    delete queue;
}

QueueObject* ThreadState::Queue()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!m_queue && m_alive) {
        // A thread not started by Qt gets its event dispatcher here, so
        // that timers and socket notifiers work on it before its loop runs.
        if (QCoreApplication::instance()) {
            QEventLoop ensureDispatcher;
        }
        m_queue = new QueueObject(this);
    }
    return m_queue;
}

bool ThreadState::HasQueue()
{
    std::lock_guard<std::mutex> lock(mutex);
    return m_queue != nullptr;
}

bool ThreadState::Post(QEvent* event, int priority)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!m_alive || !m_queue) {
        delete event;
        return false;
    }
    QCoreApplication::postEvent(m_queue, event, priority);
    return true;
}

bool ThreadState::EnqueueSend(SentItem* item)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!m_alive)
            return false;
        m_incoming.push_back(item);
        if (m_queue)
            // Sent messages go ahead of posted ones, as the caller waits.
            QCoreApplication::postEvent(m_queue, new WakeEvent, Qt::HighEventPriority);
    }
    cv.notify_all();
    return true;
}

void ThreadState::ProcessIncomingSends()
{
    for (;;) {
        SentItem* item = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (m_incoming.empty())
                return;
            item = m_incoming.front();
            m_incoming.pop_front();
        }
        LRESULT result = 0;
        if (CWndBase* wnd = ObjectOnThisThread(item->hwnd))
            result = wnd->WindowProc(item->message, item->wParam, item->lParam);
        std::shared_ptr<ThreadState> sender = item->sender;
        std::lock_guard<std::mutex> lock(sender->mutex);
        item->result = result;
        item->done = true;
        sender->cv.notify_all();
    }
}

bool ThreadState::WaitServingSends(
    const std::function<bool()>& ready, std::chrono::steady_clock::time_point deadline, bool infinite)
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        if (ready())
            return true;
        if (!m_incoming.empty()) {
            lock.unlock();
            ProcessIncomingSends();
            lock.lock();
            continue;
        }
        if (infinite)
            cv.wait(lock);
        else if (cv.wait_until(lock, deadline) == std::cv_status::timeout)
            return ready();
    }
}

void ThreadState::Notify()
{
    std::lock_guard<std::mutex> lock(mutex);
    cv.notify_all();
}

bool DeliverPosted(MSG& msg)
{
    if (msg.hwnd) {
        CWndBase* wnd = ObjectOnThisThread(msg.hwnd);
        if (!wnd)
            return false;
        wnd->WindowProc(msg.message, msg.wParam, msg.lParam);
        return true;
    }
    const std::shared_ptr<ThreadState>& state = ThreadState::Current();
    if (msg.message == WM_QUIT) {
        state->quitPosted = true;
        state->quitCode = int(msg.wParam);
        if (state->runLoop)
            state->runLoop->exit(int(msg.wParam));
        else if (QCoreApplication::instance()
            && QThread::currentThread() == QCoreApplication::instance()->thread())
            QCoreApplication::exit(int(msg.wParam));
        return true;
    }
    if (!state->sink)
        return false;
    state->sink->OnThreadMessage(msg);
    return true;
}

} // namespace msgcore
