#include "stream/ferrock/NetMsgQueue.h"

namespace ferrock
{

size_t CNetMsgQueue::AddMessage(std::unique_ptr<DvrRequest> message, int priority)
{
    std::lock_guard<std::mutex> guard(m_lock);
    const size_t before = m_entries.size();
    m_entries.emplace_back(priority, std::move(message));
    m_waiting = true;
    return before;
}

std::unique_ptr<DvrRequest> CNetMsgQueue::GetFirstMessage()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_entries.empty())
        return nullptr;
    std::unique_ptr<DvrRequest> first = std::move(m_entries.front().second);
    m_entries.pop_front();
    m_waiting = !m_entries.empty();
    return first;
}

size_t CNetMsgQueue::GetMsgCount() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_entries.size();
}

void CNetMsgQueue::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_entries.clear();
    m_waiting = false;
}

} // namespace ferrock
