#include "devtree/TreeFileLists.h"

#include <algorithm>
#include <new>

namespace
{

constexpr size_t BLOCK_NODES = 256;
// The records read into a block's free nodes fit in the block with its
// spare node, and each node starts at or before its record.
static_assert(BLOCK_NODES * FILE_NODE_SIZE <= (BLOCK_NODES + 1) * sizeof(tagLinkedListNode));
static_assert(sizeof(tagLinkedListNode) <= FILE_NODE_SIZE);

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

template <class ListNode> ListNode* CTreeFileLists::Pool<ListNode>::Free(size_t& count)
{
    if (blocks.empty() || used == BLOCK_NODES) {
        // Not zeroed: every node is filled whole before it is used.
        std::unique_ptr<ListNode[]> block(new (std::nothrow) ListNode[BLOCK_NODES + 1]);
        if (!block)
            return nullptr;
        blocks.push_back(std::move(block));
        used = 0;
    }
    count = std::clamp<size_t>(count, 1, BLOCK_NODES - used);
    return &blocks.back()[used];
}

template <class ListNode> ListNode* CTreeFileLists::Pool<ListNode>::Take()
{
    size_t one = 1;
    ListNode* node = Free(one);
    if (node)
        ++used;
    return node;
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

tagLinkedListNode* CTreeFileLists::LlistRoom(size_t& count)
{
    return m_nodes.Free(count);
}

void CTreeFileLists::AppendLlistRoom(size_t count)
{
    if (!count)
        return;
    tagLinkedListNode* nodes = m_nodes.Free(count);
    for (size_t i = 0; i + 1 < count; ++i)
        nodes[i].pNext = &nodes[i + 1];
    nodes[count - 1].pNext = nullptr;
    if (m_bFirstNode) {
        m_pHead = nodes;
        m_bFirstNode = false;
    } else {
        m_pTail->pNext = nodes;
    }
    m_pTail = &nodes[count - 1];
    m_nodes.Used(count);
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
