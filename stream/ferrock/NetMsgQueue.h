// The request queue of a DVR stream client: the owner's thread adds, the
// connection thread takes the first and sends it. Every change holds the
// lock; the flag tells the connection thread that something waits without
// taking the lock.
#pragma once

#include "stream/ferrock/DvrRequest.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>

namespace ferrock
{

class CNetMsgQueue
{
public:
    // Every caller queues with the one priority there is.
    static constexpr int kPriorityNormal = 1;

    // Appends; gives the number of messages that waited before.
    size_t AddMessage(std::unique_ptr<DvrRequest> message, int priority = kPriorityNormal);
    // The first message, or null.
    std::unique_ptr<DvrRequest> GetFirstMessage();
    size_t GetMsgCount() const;
    // True while messages wait.
    bool HasMessages() const { return m_waiting.load(); }
    void Clear();

private:
    mutable std::mutex m_lock;
    std::deque<std::pair<int, std::unique_ptr<DvrRequest>>> m_entries;
    std::atomic<bool> m_waiting { false };
};

} // namespace ferrock
