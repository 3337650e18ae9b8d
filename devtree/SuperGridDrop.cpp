// The structural edits the user makes with the mouse: the end of a rename
// and the drop of a dragged node, with the rules between the roots.
#include "devtree/SuperGridCtrl.h"

#include "devtree/TreeFileIdentity.h"
#include "devtree/TreeStrings.h"
#include "link/DeviceHelpers.h"

#include <cstring>
#include <memory>
#include <string>

namespace
{

constexpr int IMAGE_OPEN_FOLDER = 0;
constexpr int IMAGE_CLOSED_FOLDER = 1;
constexpr int IMAGE_ONLINE = 2;
constexpr int IMAGE_OFFLINE = 3;

std::string Lower(const char* text)
{
    std::string s(text ? text : "");
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string MacText(const uint8_t mac[6])
{
    char text[24];
    FormatMacText(mac, text, sizeof(text));
    return text;
}

} // namespace

BOOL CSuperGridCtrl::IsProtectedRoot(const CTreeItem* pItem) const
{
    if (!pItem)
        return FALSE;
    if (pItem == m_pMyRoot || pItem == m_pLocalRoot)
        return TRUE;
    return IsGroupA() && pItem == m_pServerRoot;
}

void CSuperGridCtrl::FinishStructuralChange()
{
    RenumberRows();
    SetRedraw(TRUE);
    // The owner saves the tree file on this message.
    if (m_hWnd) {
        SendMessage(WM_DEVICE_SAVE_TREE, 0, 0);
    } else {
        LRESULT result = 0;
        OnWndMsg(WM_DEVICE_SAVE_TREE, 0, 0, &result);
    }
}

void CSuperGridCtrl::ReopenExpandedFolders(CTreeItem* pItem)
{
    for (CTreeItem* child : pItem->m_listChild) {
        CItemInfo* info = child->m_lpNodeInfo;
        if (!info || !info->m_bFolder)
            continue;
        if (info->m_bExpanded) {
            info->SetImage(IMAGE_OPEN_FOLDER);
            const int row = RowOfNode(child);
            if (row >= 0)
                ExpandNode(child, row);
            ReopenExpandedFolders(child);
        } else {
            info->SetImage(IMAGE_CLOSED_FOLDER);
        }
    }
}

void CSuperGridCtrl::EndLabelEdit(int nRow, const char* text)
{
    m_bSuppressDrag = 1;
    m_bEditing = 0;
    s_pEdit = nullptr; // the edit deletes itself once it has reported
    if (m_bDelayedEdit)
        m_bSkipDragOnce = 1;
    CTreeItem* node = NodeAtRow(nRow);
    if (text && node && node->m_lpNodeInfo) {
        CTreeItem* parent = node->m_pParent;
        bool refused = text[0] == 0; // an empty name could not be loaded again
        if (parent) {
            for (const CTreeItem* sibling : parent->m_listChild)
                if (sibling != node && std::strcmp(sibling->m_lpNodeInfo->GetItemText(), text) == 0)
                    refused = true;
        } else {
            for (const CTreeItem* root : m_RootItems)
                if (root != node && std::strcmp(root->m_lpNodeInfo->GetItemText(), text) == 0)
                    refused = true;
        }
        if (refused) {
            SelectRow(nRow);
            RenumberRows();
            SetRedraw(TRUE);
            return;
        }
        LVITEM lvi {};
        lvi.mask = LVIF_TEXT;
        lvi.iItem = nRow;
        lvi.pszText = const_cast<char*>(text);
        OnUpdateListViewItem(node, &lvi);
        m_bSkipDragOnce = 0;
        if (parent) {
            SortChildren(parent, TRUE);
            SetRedraw(FALSE);
            if (OnCollapsing(parent)) {
                CollapseNode(parent);
                OnItemCollapsed(parent);
            }
            parent->m_bHideChildren = 1;
            ExpandNode(parent, RowOfNode(parent));
            ReopenExpandedFolders(parent);
            if (!IsProtectedRoot(parent)) {
                parent->m_lpNodeInfo->m_bExpanded = 1;
                parent->m_lpNodeInfo->SetImage(IMAGE_OPEN_FOLDER);
                const int row = RowOfNode(node);
                if (row >= 0 && node->m_bHideChildren)
                    ExpandNode(node, row);
            }
        }
        SelectRow(RowOfNode(node));
        RenumberRows();
    }
    FinishStructuralChange();
}

BOOL CSuperGridCtrl::DropAllowed(
    const CTreeItem* pSource, CTreeItem* pSourceRoot, CTreeItem* pTargetRoot) const
{
    const bool folder = pSource->m_lpNodeInfo->m_bFolder;
    const bool fromMy = pSourceRoot == m_pMyRoot;
    const bool fromLocal = pSourceRoot == m_pLocalRoot;
    const bool fromServer = pSourceRoot == m_pServerRoot && m_pServerRoot;
    const bool toLocal = pTargetRoot == m_pLocalRoot;
    const bool toServer = pTargetRoot == m_pServerRoot && m_pServerRoot;
    if (!IsGroupA())
        return !(folder && fromMy && toLocal);
    if (folder) {
        if (fromMy)
            return !(toLocal || toServer);
        return !fromServer;
    }
    if (fromServer)
        return !(toServer || toLocal);
    if (fromMy || fromLocal)
        return !toServer;
    return FALSE;
}

BOOL CSuperGridCtrl::MergeLookupDevice(CTreeItem* pTargetRoot, CItemInfo* src)
{
    const std::string key = Lower(src->m_szKey);
    for (CTreeItem* node = NextNode(pTargetRoot, pTargetRoot); node != pTargetRoot;) {
        CItemInfo* info = node->m_lpNodeInfo;
        if (info && !info->m_bFolder) {
            const std::string own
                = Lower(info->m_bLookup ? std::string(info->m_szKey, strnlen(info->m_szKey, 24)).c_str()
                                        : MacText(info->m_byMac).c_str());
            if (own == key) {
                std::memcpy(info->m_szLookupHost, src->m_szLookupHost, sizeof(info->m_szLookupHost));
                std::memcpy(info->m_byLookup, src->m_byLookup, sizeof(info->m_byLookup));
                std::memcpy(
                    info->m_byServerPassword, src->m_byServerPassword, sizeof(info->m_byServerPassword));
                std::memcpy(info->m_szKey, src->m_szKey, sizeof(info->m_szKey));
                std::memcpy(info->m_szModel, src->m_szModel, sizeof(info->m_szModel));
                std::memcpy(info->m_szVersion1, src->m_szVersion1, sizeof(info->m_szVersion1));
                std::memcpy(info->m_szVersion2, src->m_szVersion2, sizeof(info->m_szVersion2));
                std::memcpy(info->m_szSerial, src->m_szSerial, sizeof(info->m_szSerial));
                std::memcpy(info->m_szAddress, src->m_szAddress, sizeof(info->m_szAddress));
                info->m_dwIpAddress = src->m_dwIpAddress;
                info->m_dwHttpPort = src->m_dwHttpPort;
                info->m_dwStreamPort = src->m_dwStreamPort;
                info->m_dwConfigPort = src->m_dwConfigPort;
                info->SetImage(IMAGE_ONLINE);
                info->m_bFolder = 0;
                info->m_bLookup = 1;
                ReindexNode(node);
                if (node->m_pParent && node->m_pParent->m_bHideChildren)
                    ExpandNode(node->m_pParent, RowOfNode(node->m_pParent));
                SelectRow(RowOfNode(node));
                m_pCurItem = m_pPrevItem = node;
                auto rec = std::make_unique<SELECTED_DEVICE>();
                BuildSelectedDevice(info, rec.get());
                CItemInfo::SetText(rec->szModel, sizeof(rec->szModel), info->m_szModel);
                CItemInfo::SetText(rec->szVersion1, sizeof(rec->szVersion1), info->m_szVersion1);
                CItemInfo::SetText(rec->szVersion2, sizeof(rec->szVersion2), info->m_szVersion2);
                CItemInfo::SetText(rec->szInfo, sizeof(rec->szInfo), info->m_szInfo);
                std::memset(rec->szLookupHost, 0, sizeof(rec->szLookupHost));
                std::memset(rec->dwLookup, 0, sizeof(rec->dwLookup));
                std::memset(rec->szKey, 0, sizeof(rec->szKey));
                SendToOwner(WM_DEVICE_SELECT, WPARAM(rec.get()), 0);
                FinishStructuralChange();
                return TRUE;
            }
        }
        CTreeItem* next = NextNode(pTargetRoot, node);
        if (next == node)
            break;
        node = next;
    }
    return FALSE;
}

void CSuperGridCtrl::PrepareMove(CTreeItem* pSource, CTreeItem* pTarget, CTreeItem* pTargetRoot)
{
    CItemInfo* src = pSource->m_lpNodeInfo;
    if (src->m_bFolder) {
        auto close = [](auto& self, CTreeItem* node) -> void {
            if (node->m_lpNodeInfo->m_bFolder) {
                node->m_lpNodeInfo->SetImage(IMAGE_CLOSED_FOLDER);
                node->m_lpNodeInfo->m_bExpanded = 0;
            }
            for (CTreeItem* child : node->m_listChild)
                self(self, child);
        };
        close(close, pSource);
    } else if (pTargetRoot == m_pLocalRoot) {
        src->SetItemText(FormatIpAddress(src->m_dwIpAddress).c_str());
    }
    if (!IsProtectedRoot(pTarget)) {
        pTarget->m_lpNodeInfo->SetImage(IMAGE_OPEN_FOLDER);
        pTarget->m_lpNodeInfo->m_bExpanded = 1;
    }
    CTreeItem* parent = pSource->m_pParent;
    if (parent && !IsProtectedRoot(parent) && parent->m_listChild.size() == 1) {
        parent->m_lpNodeInfo->SetImage(IMAGE_CLOSED_FOLDER);
        parent->m_lpNodeInfo->m_bExpanded = 0;
    }
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::CopySubtree(CTreeItem* pTarget, CTreeItem* pSource)
{
    // The copy is shown when its new parent is open; what lies below it
    // starts hidden.
    auto copyInto = [&](auto& self, CTreeItem* into, CTreeItem* from, BOOL shown) -> CTreeItem* {
        CItemInfo* info = CopyData(from->m_lpNodeInfo);
        if (!info)
            info = new CItemInfo(*from->m_lpNodeInfo);
        CTreeItem* node = InsertNode(into, info, shown);
        if (!node) {
            delete info;
            return nullptr;
        }
        for (CTreeItem* child : from->m_listChild)
            self(self, node, child, FALSE);
        return node;
    };
    return copyInto(copyInto, pTarget, pSource, !pTarget->m_bHideChildren && RowOfNode(pTarget) >= 0);
}

void CSuperGridCtrl::DropOnRow(int nDragRow, int nTargetRow)
{
    DropNode(nDragRow >= 0 ? NodeAtRow(nDragRow) : nullptr, nTargetRow);
}

void CSuperGridCtrl::DropNode(CTreeItem* source, int nTargetRow)
{
    m_bDragBegan = 0;
    m_bIsDragging = 0;
    if (m_nDropTarget >= 0)
        SetItemState(-1, 0, LVIS_DROPHILITED);
    m_nDropTarget = -1;
    m_pDragNode = nullptr;
    CTreeItem* target = nTargetRow >= 0 ? NodeAtRow(nTargetRow) : nullptr;
    if (!source || !target || target == source || !source->m_lpNodeInfo || !target->m_lpNodeInfo)
        return;
    CTreeItem* sourceRoot = TopOfNode(source);
    CTreeItem* targetRoot = TopOfNode(target);
    if (IsRootNode(source) || target == source->m_pParent)
        return;
    // A drop on a device goes to the device's folder.
    if (!target->m_lpNodeInfo->m_bFolder && !IsRootNode(target)) {
        target = target->m_pParent;
        if (!target || target == source->m_pParent)
            return;
    }
    if (!DropAllowed(source, sourceRoot, targetRoot))
        return;
    CItemInfo* src = source->m_lpNodeInfo;
    const bool fromServerToMy = m_pServerRoot && sourceRoot == m_pServerRoot && targetRoot == m_pMyRoot;
    if (IsGroupA() && fromServerToMy && !src->m_bFolder)
        DeleteCamNotRoot(src->m_byMac);

    // The source keeps its text; a text changed below travels with the copy only.
    const CString keptText = src->GetItemText();
    if (!src->m_bFolder && src->m_bLookup && sourceRoot != targetRoot && MergeLookupDevice(targetRoot, src))
        return;
    if (!src->m_bLookup && ChildByText(target, src->GetItemText()))
        return;
    if (IsInSubtree(source, target))
        return;

    SetRedraw(FALSE);
    PrepareMove(source, target, targetRoot);
    const uint32_t ports[3] = { src->m_dwHttpPort, src->m_dwStreamPort, src->m_dwConfigPort };
    auto giveUp = [&]() {
        src->m_dwHttpPort = ports[0];
        src->m_dwStreamPort = ports[1];
        src->m_dwConfigPort = ports[2];
        src->SetItemText(keptText);
        ReindexNode(source);
        SetRedraw(TRUE);
    };
    if (sourceRoot == m_pMyRoot && m_pServerRoot && targetRoot == m_pServerRoot) {
        if (!AskPortAssignment(src)) {
            giveUp();
            return;
        }
        ReindexNode(source);
        // The dragged device itself is still under "My DVR"; only another
        // device with the same address and port is a duplicate.
        if (FindMyDevice(src->m_dwIpAddress, src->m_dwConfigPort, source)) {
            giveUp();
            ShowAlreadyExists();
            return;
        }
    }
    const bool skipCopy = sourceRoot == m_pLocalRoot && targetRoot == m_pMyRoot && src->m_bLookup;
    if (!skipCopy) {
        CTreeItem* copy = CopySubtree(target, source);
        if (!copy) {
            giveUp();
            return;
        }
        const int row = RowOfNode(copy);
        if (row >= 0)
            SelectRow(row);
        m_pPrevItem = m_pCurItem = copy;
        m_nDragItem = -1;
        CItemInfo* info = copy->m_lpNodeInfo;
        if (!info->m_bFolder && !info->m_bOnline && info->GetImage() == IMAGE_OFFLINE) {
            auto rec = std::make_unique<SELECTED_DEVICE>();
            std::memset(rec.get(), 0, sizeof(SELECTED_DEVICE));
            CopySerial(rec->szSerial, info->m_szSerial);
            rec->dwIpAddress = info->m_dwIpAddress;
            std::memcpy(rec->byMac, info->m_byMac, 6);
            SendToOwner(WM_DEVICE_INFO, WPARAM(rec.get()), 0);
        } else if (info->m_bFolder) {
            SendToOwner(WM_DEVICE_CLEAR, WPARAM(copy), 0);
        } else {
            if (TopOfNode(copy) == m_pMyRoot) {
                info->m_bKnown = 1;
            } else {
                info->m_bLookup = 0;
                info->m_bKnown = 0;
                std::memset(info->m_szUser, 0, sizeof(info->m_szUser));
                std::memset(info->m_byPassword, 0, sizeof(info->m_byPassword));
            }
            SendDeviceSelect(info);
        }
    }
    src->SetItemText(keptText);
    if (!fromServerToMy) {
        const int row = RowOfNode(source);
        if (row >= 0) {
            DeleteItem(row);
            HideSubtree(source, TRUE, row);
        }
        DeleteNodeAndRows(source);
    }
    FinishStructuralChange();
}
