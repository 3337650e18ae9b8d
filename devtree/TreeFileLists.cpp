#include "devtree/TreeFileLists.h"

#include <new>

namespace
{

template <class ListNode, class Record>
bool Append(ListNode*& head, ListNode*& tail, bool& first, const Record& record)
{
    ListNode* node = new (std::nothrow) ListNode { record, nullptr };
    if (!node)
        return false;
    if (first) {
        head = node;
        first = false;
    } else {
        tail->pNext = node;
    }
    tail = node;
    return true;
}

template <class ListNode> void Free(ListNode*& head, ListNode*& tail, bool& first)
{
    while (head) {
        ListNode* next = head->pNext;
        delete head;
        head = next;
    }
    tail = nullptr;
    first = true;
}

} // namespace

bool CTreeFileLists::AllocLlist(const FILE_NODE& node)
{
    return Append(m_pHead, m_pTail, m_bFirstNode, node);
}

bool CTreeFileLists::AllocYemLlist(const FILE_YEM_NODE& node)
{
    return Append(m_pYemHead, m_pYemTail, m_bFirstYemNode, node);
}

void CTreeFileLists::DeleteLlist()
{
    Free(m_pHead, m_pTail, m_bFirstNode);
    Free(m_pYemHead, m_pYemTail, m_bFirstYemNode);
}
