#include "explorer/TreeBranch.h"

#include <cstring>
#include <string>

namespace morrik
{

namespace
{

using Item = CSuperGridCtrl::CTreeItem;

template <class Visit> void WalkBranch(const Item* root, Visit visit)
{
    uint32_t counter = 0;
    auto walk = [&](auto& self, const Item* parent, uint32_t parentNo) -> void {
        for (const Item* child : parent->m_listChild) {
            const uint32_t no = ++counter;
            visit(child, no, parentNo);
            self(self, child, no);
        }
    };
    if (root)
        walk(walk, root, 0);
}

} // namespace

void ConsistLlist(const CSuperGridCtrl& grid, const Item* root, TreeFileLists* lists)
{
    lists->nodes.clear();
    WalkBranch(root, [&](const Item* item, uint32_t no, uint32_t parentNo) {
        const CItemInfo* info = grid.GetItemInfo(item);
        if (!info || info->m_nChannel)
            return;
        FILE_NODE& node = lists->nodes.emplace_back();
        std::memset(&node, 0, sizeof node);
        FillFileNode(*info, &node);
        node.dwNo = no;
        node.dwParentNo = parentNo;
    });
}

void ConsistYemLlist(const CSuperGridCtrl& grid, const Item* root, TreeFileLists* lists)
{
    lists->yemNodes.clear();
    WalkBranch(root, [&](const Item* item, uint32_t no, uint32_t parentNo) {
        const CItemInfo* info = grid.GetItemInfo(item);
        // The devices of a group are the server's answer, fetched again
        // whenever the tree is filled: only servers and groups are kept.
        if (!info || (!info->m_bYemFolder && !info->m_bGroupFolder))
            return;
        FILE_YEM_NODE& node = lists->yemNodes.emplace_back();
        std::memset(&node, 0, sizeof node);
        node.dwNo = no;
        node.dwParentNo = parentNo;
        CutText(node.szName, info->GetItemText().GetString());
        node.wKept = info->m_wKept;
        node.bLookup = info->m_bLookup;
        node.bServerFolder = info->m_bYemFolder;
        node.bGroupFolder = info->m_bGroupFolder;
        std::memcpy(node.szServer, info->m_szLookupServer, sizeof node.szServer - 1);
        std::memcpy(node.byGroup, info->m_byGroupId, 16);
        std::memcpy(node.byGroup + 16, info->m_byGroupRest, 16);
    });
}

CItemInfo* NewRowOfFileNode(const FILE_NODE& node, int tree)
{
    auto* info = new CItemInfo;
    if (node.bFolder) {
        info->SetItemText(CString(node.szName, int(strnlen(node.szName, sizeof node.szName))));
        info->m_bLookup = node.bLookup;
        std::memcpy(info->m_szLookupServer, node.szLookupServer, sizeof info->m_szLookupServer);
        std::memcpy(info->m_byGroupId, node.byGroupId, 16);
        std::memcpy(info->m_szAddress, node.szAddress, sizeof info->m_szAddress);
        info->m_wKept = node.wKept;
        info->m_bFolder = true;
        info->SetImage(IMAGE_CLOSED);
    } else {
        PutData(info, node);
        std::memcpy(info->m_szModel, node.szModel, sizeof info->m_szModel);
        std::memcpy(info->m_szVersion2, node.szVersion2, sizeof info->m_szVersion2);
        info->SetImage(IMAGE_NOT_SEEN);
    }
    info->m_dwRecordNo = node.dwNo;
    info->m_nTreeNo = tree;
    return info;
}

CItemInfo* NewRowOfYemNode(const FILE_YEM_NODE& node, int tree)
{
    auto* info = new CItemInfo;
    info->SetItemText(CString(node.szName, int(strnlen(node.szName, sizeof node.szName))));
    info->m_wKept = node.wKept;
    info->m_bLookup = node.bLookup;
    info->m_bYemFolder = node.bServerFolder;
    info->m_bGroupFolder = node.bGroupFolder;
    info->m_bFolder = true;
    CutText(info->m_szLookupServer,
        std::string(node.szServer, strnlen(node.szServer, sizeof node.szServer)).c_str());
    std::memcpy(info->m_byGroupId, node.byGroup, 16);
    std::memcpy(info->m_byGroupRest, node.byGroup + 16, 16);
    info->m_dwRecordNo = node.dwNo;
    info->m_nTreeNo = tree;
    info->SetImage(IMAGE_CLOSED);
    return info;
}

int CreateBranch(CSuperGridCtrl& grid, Item* root, const TreeFileLists& lists)
{
    return BuildBranch(root, lists.nodes, [&](Item* parent, const FILE_NODE& node) -> Item* {
        CItemInfo* info = NewRowOfFileNode(node, grid.m_nTreeNo);
        Item* item = grid.InsertItem(parent, info);
        if (!item)
            delete info;
        return item;
    });
}

} // namespace morrik
