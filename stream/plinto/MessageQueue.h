// The request queue between a camera client's owner and its network thread:
// the owner's calls append, the network thread takes the first and sends it.
// The queue flag (a manual-reset event) is signalled exactly while entries
// wait.
#pragma once

#include "plintoExport.h"
#include "stream/plinto/PlintoTypes.h"

#include "platform/msg/Sync.h"

#include <vector>

namespace plinto
{

class PLINTO_EXPORT CMessageQueue
{
public:
    CMessageQueue();
    ~CMessageQueue();
    // The queue owns its messages; a copy would free them twice.
    CMessageQueue(const CMessageQueue&) = delete;
    CMessageQueue& operator=(const CMessageQueue&) = delete;

    void BlockQueue();
    void UnBlockQueue();

    // Append and give the count before; AddMessage and InsertMessage take
    // no lock themselves (the caller holds it when another thread may use
    // the queue), AddSingleMessage does.
    int AddMessage(tagOnLineMsgType* pMsg, MSG_PRIORITY priority);
    int AddSingleMessage(tagOnLineMsgType* pMsg, MSG_PRIORITY priority);
    int InsertMessage(int index, tagOnLineMsgType* pMsg, MSG_PRIORITY priority);

    // Takes the entry out and gives its message, which the caller then owns;
    // null for an index outside the queue.
    tagOnLineMsgType* GetMessageA(int index);
    tagOnLineMsgType* PeekMessageA(int index);
    // GetMessageA(0) under the lock.
    tagOnLineMsgType* GetFirstMessage();

    int GetMsgCount();
    int IsMsgValid(int index);
    void DeleteMessage(int index); // out of the queue, not freed
    void RemoveMessage(int index); // out of the queue and freed
    void DeleteAllMessages();
    void RemoveAllMessages();

    void SetQueueFlag();
    HANDLE GetQueueFlag() { return m_hQueueFlag; }
    int IsQueueFull();

private:
    struct Entry {
        MSG_PRIORITY priority;
        tagOnLineMsgType* pMsg;
    };
    bool Valid(int index) const { return index >= 0 && size_t(index) < m_entries.size(); }

    std::vector<Entry> m_entries;
    CRITICAL_SECTION m_lock;
    HANDLE m_hQueueFlag;
};

} // namespace plinto
