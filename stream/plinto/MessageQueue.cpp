#include "stream/plinto/MessageQueue.h"

namespace plinto
{

namespace
{

constexpr size_t kInitialRoom = 20;

} // namespace

CMessageQueue::CMessageQueue()
    : m_hQueueFlag(CreateEvent(nullptr, TRUE, FALSE, nullptr))
{
    m_entries.reserve(kInitialRoom);
    InitializeCriticalSection(&m_lock);
}

CMessageQueue::~CMessageQueue()
{
    RemoveAllMessages();
    DeleteCriticalSection(&m_lock);
    CloseHandle(m_hQueueFlag);
}

void CMessageQueue::BlockQueue()
{
    EnterCriticalSection(&m_lock);
}

void CMessageQueue::UnBlockQueue()
{
    LeaveCriticalSection(&m_lock);
}

int CMessageQueue::AddMessage(tagOnLineMsgType* pMsg, MSG_PRIORITY priority)
{
    const int before = int(m_entries.size());
    m_entries.push_back({ priority, pMsg });
    SetQueueFlag();
    return before;
}

int CMessageQueue::AddSingleMessage(tagOnLineMsgType* pMsg, MSG_PRIORITY priority)
{
    BlockQueue();
    const int before = AddMessage(pMsg, priority);
    UnBlockQueue();
    return before;
}

int CMessageQueue::InsertMessage(int index, tagOnLineMsgType* pMsg, MSG_PRIORITY priority)
{
    if (index < 0)
        index = 0;
    if (size_t(index) > m_entries.size())
        index = int(m_entries.size());
    m_entries.insert(m_entries.begin() + index, { priority, pMsg });
    SetQueueFlag();
    return index;
}

tagOnLineMsgType* CMessageQueue::GetMessageA(int index)
{
    if (!Valid(index))
        return nullptr;
    tagOnLineMsgType* msg = m_entries[size_t(index)].pMsg;
    m_entries.erase(m_entries.begin() + index);
    SetQueueFlag();
    return msg;
}

tagOnLineMsgType* CMessageQueue::PeekMessageA(int index)
{
    return Valid(index) ? m_entries[size_t(index)].pMsg : nullptr;
}

tagOnLineMsgType* CMessageQueue::GetFirstMessage()
{
    BlockQueue();
    tagOnLineMsgType* msg = GetMessageA(0);
    UnBlockQueue();
    return msg;
}

int CMessageQueue::GetMsgCount()
{
    return int(m_entries.size());
}

int CMessageQueue::IsMsgValid(int index)
{
    return Valid(index) ? 1 : 0;
}

void CMessageQueue::DeleteMessage(int index)
{
    if (!Valid(index))
        return;
    m_entries.erase(m_entries.begin() + index);
    SetQueueFlag();
}

void CMessageQueue::RemoveMessage(int index)
{
    delete GetMessageA(index);
}

void CMessageQueue::DeleteAllMessages()
{
    m_entries.clear();
    SetQueueFlag();
}

void CMessageQueue::RemoveAllMessages()
{
    for (const Entry& e : m_entries)
        delete e.pMsg;
    DeleteAllMessages();
}

void CMessageQueue::SetQueueFlag()
{
    if (m_entries.empty())
        ResetEvent(m_hQueueFlag);
    else
        SetEvent(m_hQueueFlag);
}

int CMessageQueue::IsQueueFull()
{
    return WaitForSingleObject(m_hQueueFlag, 0) == WAIT_OBJECT_0 ? 1 : 0;
}

} // namespace plinto
