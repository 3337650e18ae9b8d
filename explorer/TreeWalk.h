// Walks over the rows of the device tree's branches.
#pragma once

#include "explorer/SuperGridCtrl.h"

namespace morrik
{

// A device: neither a folder nor a channel of a recorder.
inline bool IsDeviceRow(const CItemInfo* info)
{
    return info && !info->m_bFolder && !info->m_nChannel;
}

// Every row of `root`'s subtree in pre-order, the root excluded.
template <class Visit> void EachRow(CSuperGridCtrl::CTreeItem* root, Visit visit)
{
    if (!root)
        return;
    for (CSuperGridCtrl::CTreeItem* child : root->m_listChild) {
        visit(child);
        EachRow(child, visit);
    }
}

// The first row of `root`'s subtree (pre-order, root excluded) whose data
// `match` accepts.
template <class Match> CSuperGridCtrl::CTreeItem* FirstRow(CSuperGridCtrl::CTreeItem* root, Match match)
{
    if (!root)
        return nullptr;
    for (CSuperGridCtrl::CTreeItem* child : root->m_listChild) {
        if (child->m_lpNodeInfo && match(*child->m_lpNodeInfo))
            return child;
        if (CSuperGridCtrl::CTreeItem* found = FirstRow(child, match))
            return found;
    }
    return nullptr;
}

} // namespace morrik
