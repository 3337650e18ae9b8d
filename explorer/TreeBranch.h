// Between a branch of the tree-grid and the lists of its tree file: the
// rows built from the records, and the records built from the rows.
#pragma once

#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFile.h"
#include "morrikExport.h"

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

// Rows under `root` from the device list: each under the row whose record
// number is its parent's (the root for 0); the first record whose parent is
// not there ends the branch. Folders get the closed image, devices the
// not-seen image and their three sub-items. Gives the number of rows made.
MORRIK_EXPORT int CreateBranch(
    CSuperGridCtrl& grid, CSuperGridCtrl::CTreeItem* root, const TreeFileLists& lists);

} // namespace morrik
