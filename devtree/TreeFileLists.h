// The two lists through which a tree passes on its way to and from its file:
// device nodes ("My DVR" folders and devices) and server nodes (registration
// servers and group ids), in file order, passwords in clear. They live only
// during a load or a save; the tree items are the lasting state.
#pragma once

#include "devtree/TreeFileRecords.h"

#include <memory>
#include <vector>

struct tagLinkedListNode {
    FILE_NODE node;
    tagLinkedListNode* pNext;
};

struct tagLinkedYemListNode {
    FILE_YEM_NODE node;
    tagLinkedYemListNode* pNext;
};

class CTreeFileLists
{
public:
    CTreeFileLists() = default;
    CTreeFileLists(const CTreeFileLists&) = delete;
    CTreeFileLists& operator=(const CTreeFileLists&) = delete;
    ~CTreeFileLists() { DeleteLlist(); }

    // Append a copy of a record; false when memory runs out (the caller
    // tells the user and asks the application to quit).
    bool AllocLlist(const FILE_NODE& node);
    bool AllocYemLlist(const FILE_YEM_NODE& node);
    // Append a node for the caller to fill in place (a load decodes into
    // it); null when memory runs out.
    FILE_NODE* AppendLlist();
    FILE_YEM_NODE* AppendYemLlist();
    // Room for `count` records of FILE_NODE_SIZE bytes in the memory of the
    // next nodes, so that a load reads the file straight into it and decodes
    // each record into its node in place; `count` becomes the number that
    // fits (at least one). Null when memory runs out. Node i of the room
    // lies at or before record i (and every later record), never after it.
    tagLinkedListNode* LlistRoom(size_t& count);
    // Appends the first `count` nodes of the room, filled in place, to the
    // list in their order.
    void AppendLlistRoom(size_t count);
    // Frees both lists and sets their "empty" flags.
    void DeleteLlist();

    tagLinkedListNode* m_pHead = nullptr;
    tagLinkedListNode* m_pTail = nullptr;
    bool m_bFirstNode = true;
    tagLinkedYemListNode* m_pYemHead = nullptr;
    tagLinkedYemListNode* m_pYemTail = nullptr;
    bool m_bFirstYemNode = true;

private:
    // Nodes come from blocks, so that a tree of thousands of records costs
    // a few allocations; DeleteLlist frees the blocks. A block has one node
    // more than it hands out: the room for the records of its nodes, which
    // are a little larger than the nodes.
    template <class ListNode> struct Pool {
        std::vector<std::unique_ptr<ListNode[]>> blocks;
        size_t used = 0; // in the last block
        // The next free nodes, at most `count` (which becomes their number).
        ListNode* Free(size_t& count);
        ListNode* Take();
        // The next `count` free nodes are handed out.
        void Used(size_t count) { used += count; }
    };
    Pool<tagLinkedListNode> m_nodes;
    Pool<tagLinkedYemListNode> m_yemNodes;
};

// The save walk (ConsistLlist / ConsistYemLlist): depth first, each item
// before its children, children in display order, numbered 1, 2, 3, ... in
// walk order; a node's parent id is its parent's number, 0 under the root.
//
// `children(item)` gives an item's children in display order (a range of
// items); `fill(item, FILE_NODE&)` fills everything but the two ids. With
// `stopAt(item)` true the walk of that level ends there: that item, its
// children and the later items of its level are not saved.
template <class Item, class Children, class Fill, class Node, class Stop>
bool ConsistTreeLlist(const Item& root, Children children, Fill fill, Stop stopAt,
    bool (CTreeFileLists::*alloc)(const Node&), CTreeFileLists& lists)
{
    uint32_t counter = 0;
    auto walk = [&](auto& self, const Item& parent, uint32_t parentId) -> bool {
        for (const auto& child : children(parent)) {
            if (stopAt(child))
                return true;
            Node node {};
            fill(child, node);
            node.dwId = ++counter;
            node.dwParentId = parentId;
            if (!(lists.*alloc)(node) || !self(self, child, node.dwId))
                return false;
        }
        return true;
    };
    return walk(walk, root, 0);
}

// The "My DVR" branch into the device list; false when memory runs out.
template <class Item, class Children, class Fill>
bool ConsistLlist(const Item& root, Children children, Fill fill, CTreeFileLists& lists)
{
    return ConsistTreeLlist<Item, Children, Fill, FILE_NODE>(
        root, children, fill, [](const auto&) { return false; }, &CTreeFileLists::AllocLlist, lists);
}

// The registration-server branch into the server list, ending each level at
// its first transient item; false when memory runs out.
template <class Item, class Children, class Fill, class Transient>
bool ConsistYemLlist(
    const Item& root, Children children, Fill fill, Transient isTransient, CTreeFileLists& lists)
{
    return ConsistTreeLlist<Item, Children, Fill, FILE_YEM_NODE>(
        root, children, fill, isTransient, &CTreeFileLists::AllocYemLlist, lists);
}
