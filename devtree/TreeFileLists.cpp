#include "devtree/TreeFileLists.h"

#include <new>

namespace
{

constexpr size_t BLOCK_NODES = 256;

template <class ListNode> void Link(ListNode*& head, ListNode*& tail, bool& first, ListNode* node)
{
    node->pNext = nullptr;
    if (first) {
        head = node;
        first = false;
    } else {
        tail->pNext = node;
    }
    tail = node;
}

} // namespace

template <class ListNode> ListNode* CTreeFileLists::Pool<ListNode>::Take()
{
    if (blocks.empty() || used == BLOCK_NODES) {
        std::unique_ptr<ListNode[]> block(new (std::nothrow) ListNode[BLOCK_NODES]);
        if (!block)
            return nullptr;
        blocks.push_back(std::move(block));
        used = 0;
    }
    return &blocks.back()[used++];
}

FILE_NODE* CTreeFileLists::AppendLlist()
{
    tagLinkedListNode* node = m_nodes.Take();
    if (!node)
        return nullptr;
    Link(m_pHead, m_pTail, m_bFirstNode, node);
    return &node->node;
}

FILE_YEM_NODE* CTreeFileLists::AppendYemLlist()
{
    tagLinkedYemListNode* node = m_yemNodes.Take();
    if (!node)
        return nullptr;
    Link(m_pYemHead, m_pYemTail, m_bFirstYemNode, node);
    return &node->node;
}

bool CTreeFileLists::AllocLlist(const FILE_NODE& node)
{
    FILE_NODE* slot = AppendLlist();
    if (slot)
        *slot = node;
    return slot != nullptr;
}

bool CTreeFileLists::AllocYemLlist(const FILE_YEM_NODE& node)
{
    FILE_YEM_NODE* slot = AppendYemLlist();
    if (slot)
        *slot = node;
    return slot != nullptr;
}

void CTreeFileLists::DeleteLlist()
{
    m_pHead = m_pTail = nullptr;
    m_bFirstNode = true;
    m_pYemHead = m_pYemTail = nullptr;
    m_bFirstYemNode = true;
    m_nodes = {};
    m_yemNodes = {};
}
