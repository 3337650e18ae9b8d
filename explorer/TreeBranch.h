// Between a branch of the tree-grid and the lists of its tree file: the
// rows built from the records, and the records built from the rows.
#pragma once

#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFile.h"
#include "morrikExport.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace morrik
{

// The pre-order walk of a branch: rows numbered 1, 2, 3 ... each with its
// parent's number (0 under the root). Channel rows take a number but give
// no record: a channel row is known by its own data, never by its name.
MORRIK_EXPORT void ConsistLlist(
    const CSuperGridCtrl& grid, const CSuperGridCtrl::CTreeItem* root, TreeFileLists* lists);
// The same for the registration-server branch.
MORRIK_EXPORT void ConsistYemLlist(
    const CSuperGridCtrl& grid, const CSuperGridCtrl::CTreeItem* root, TreeFileLists* lists);

// The row of a device or folder record as the tree shows it after a read:
// folders closed, devices not seen yet with their three sub-items.
MORRIK_EXPORT CItemInfo* NewRowOfFileNode(const FILE_NODE& node, int tree);
// The row of a registration-server or group-id record: a container with
// the record's flags, server text (as stored) and group settings.
MORRIK_EXPORT CItemInfo* NewRowOfYemNode(const FILE_YEM_NODE& node, int tree);

// Rows under `root` from records in file order, each under the row of its
// parent number (0: the root): `insert`(parent, record) makes the row, null
// when it refuses it. The first record whose parent is not there ends the
// branch. Gives the number of rows made.
template <class Node, class Insert>
int BuildBranch(CSuperGridCtrl::CTreeItem* root, const std::vector<Node>& nodes, Insert insert)
{
    std::unordered_map<uint32_t, CSuperGridCtrl::CTreeItem*> byNumber;
    int made = 0;
    for (const Node& node : nodes) {
        CSuperGridCtrl::CTreeItem* parent = root;
        if (node.dwParentNo) {
            const auto it = byNumber.find(node.dwParentNo);
            if (it == byNumber.end())
                break;
            parent = it->second;
        }
        if (CSuperGridCtrl::CTreeItem* item = insert(parent, node)) {
            byNumber.emplace(node.dwNo, item);
            ++made;
        }
    }
    return made;
}

// Rows under `root` from the device list: each under the row whose record
// number is its parent's (the root for 0); the first record whose parent is
// not there ends the branch. Folders get the closed image, devices the
// not-seen image and their three sub-items. Gives the number of rows made.
MORRIK_EXPORT int CreateBranch(
    CSuperGridCtrl& grid, CSuperGridCtrl::CTreeItem* root, const TreeFileLists& lists);

} // namespace morrik
