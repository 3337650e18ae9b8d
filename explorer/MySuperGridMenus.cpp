// The device tree's context menus and their commands: folders, devices,
// registration servers and group ids added and deleted, a device edited
// or given a new address by the owner dialog, a channel renamed.
#include "explorer/InsertYem.h"
#include "explorer/InsertYemGroupId.h"
#include "explorer/MorrikResources.h"
#include "explorer/MySuperGrid.h"
#include "explorer/NewFolderDlg.h"
#include "resources/morrik/Resource.h"

#include "platform/ui/Menu.h"
#include "platform/ui/ResourceModule.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace morrik
{

namespace
{

// The popups of the device tree's menu (110) and of the
// registration-server menu (111).
constexpr int kPopupCamera = 0;
constexpr int kPopupDvr = 1;
constexpr int kPopupChannel = 2;
constexpr int kPopupYem = 0;

// Greys every item of the popup but the enabled ones; all of them when
// editing is not allowed.
void EnableOnly(CMenu* popup, std::initializer_list<UINT> enabled, bool allowed)
{
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        const UINT id = popup->GetMenuItemID(i);
        const bool on = allowed && std::find(enabled.begin(), enabled.end(), id) != enabled.end();
        popup->EnableMenuItem(id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    }
}

} // namespace

void CMySuperGrid::OnContextMenu(CWnd*, CPoint point)
{
    const int row = GetSelectedItem();
    CTreeItem* node = row >= 0 ? GetTreeItem(row) : nullptr;
    const CItemInfo* info = GetItemInfo(node);
    if (!m_bEnableMenu || !info)
        return;
    m_pClicked = node;
    const CTreeItem* root = GetRootItem(node);
    // The menus are the library's, whatever the host's resources hold.
    CResourceScope scope(MorrikModule());
    CMenu menu;
    CMenu* popup = nullptr;
    // Rows under the local area have no menu: they become the tree's own
    // only when they are added.
    if (info->m_nChannel) {
        if (menu.LoadMenu(IDR_TREE_POPUP) && (popup = menu.GetSubMenu(kPopupChannel)) != nullptr)
            EnableOnly(
                popup, { ID_POPUP_RENAME }, m_nOwnerMode == 1 || (m_pOwner && m_pOwner->IsRenameEnabled()));
    } else if (m_pYemRoot && root == m_pYemRoot) {
        // The devices of a group have none.
        const bool server = info->m_bYemFolder && !info->m_bGroupFolder && !info->m_bLookup;
        const bool group = info->m_bGroupFolder && !info->m_bLookup;
        if ((node == m_pYemRoot || server || group) && menu.LoadMenu(IDR_YEM_POPUP)
            && (popup = menu.GetSubMenu(kPopupYem)) != nullptr) {
            if (node == m_pYemRoot)
                EnableOnly(popup, { ID_POPUP_INSERT_YEM }, m_bPopupMenu);
            else if (server)
                EnableOnly(popup, { ID_POPUP_DELETE_YEM, ID_POPUP_INSERT_YEM_GROUP_ID }, m_bPopupMenu);
            else
                EnableOnly(popup, { ID_POPUP_DELETE_YEM_GROUP_ID }, m_bPopupMenu);
        }
    } else if (root == m_pMyRoot) {
        if (menu.LoadMenu(IDR_TREE_POPUP)
            && (popup = menu.GetSubMenu(m_nTreeNo == 2 ? kPopupDvr : kPopupCamera)) != nullptr) {
            if (node == m_pMyRoot)
                EnableOnly(popup, { ID_POPUP_INSERT, ID_POPUP_INSERT_OVEL }, m_bPopupMenu);
            else if (info->m_bFolder)
                EnableOnly(popup, { ID_POPUP_INSERT, ID_POPUP_DELETE }, m_bPopupMenu);
            else
                EnableOnly(popup, { ID_POPUP_DELETE_OVEL, ID_POPUP_RENAME_OVEL }, m_bPopupMenu);
        }
    }
    if (popup) {
        if (point.x == -1 && point.y == -1) {
            // From the keyboard: under the row.
            CRect rect;
            GetItemRect(row, &rect, LVIR_LABEL);
            ClientToScreen(&rect);
            point = CPoint(rect.left, rect.bottom);
        }
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    SendToParent(WM_TREE_ITEM_CLICK, 0, 2);
}

// --- Deleting ----------------------------------------------------------------------

void CMySuperGrid::OnDelete(bool folder)
{
    const UINT ask = folder ? IDS_DELETE_FOLDER_ASK
        : m_nTreeNo == 2    ? IDS_DELETE_DVR_ASK
                            : IDS_DELETE_CAMERA_ASK;
    if (MorrikMessageBox(ask, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const int row = GetSelectedItem();
    CTreeItem* node = row >= 0 ? GetTreeItem(row) : nullptr;
    // A channel stands for its device.
    while (node && node->m_lpNodeInfo && node->m_lpNodeInfo->m_nChannel)
        node = node->m_pParent;
    if (!node)
        return;
    if (!node->m_pParent) {
        MorrikMessageBox(IDS_DELETE_ONLY_ITEMS);
        return;
    }
    CTreeItem* parent = node->m_pParent;
    if (parent->m_listChild.size() == 1 && !IsRoot(parent) && parent->m_lpNodeInfo)
        parent->m_lpNodeInfo->m_bExpanded = false;
    if (node != m_pMyRoot && node != m_pLocalRoot && OnDeleteItem(node, GetCurIndex(node))) {
        auto report = [&](auto& self, const CTreeItem* row) -> void {
            NotifyDeleted(row);
            for (const CTreeItem* child : row->m_listChild)
                self(self, child);
        };
        report(report, node);
        DeleteItem(node, GetCurIndex(node));
        SendMessage(WM_TREE_SAVE);
    }
    SetRedraw(TRUE);
    InvalidateList();
}

void CMySuperGrid::ReportedDelete(bool folder)
{
    // The owner hears of every folder and device this delete removes.
    const BOOL previous = m_bDeleteNotify;
    m_bDeleteNotify = TRUE;
    OnDelete(folder);
    m_bDeleteNotify = previous;
}

void CMySuperGrid::OnPopupDelete()
{
    ReportedDelete(true);
}

void CMySuperGrid::OnPopupDeleteOvel()
{
    ReportedDelete(false);
}

void CMySuperGrid::OnPopupDeleteYem()
{
    OnDelete(true);
}

void CMySuperGrid::OnPopupDeleteYemGroupId()
{
    OnDelete(true);
}

// --- Adding ---------------------------------------------------------------------------

void CMySuperGrid::OnPopupInsert()
{
    CNewFolderDlg dlg(this);
    dlg.m_strCaption = MorrikString(IDS_NEW_FOLDER);
    if (dlg.DoModal() == IDOK)
        HowToInsertFolder(GetSelectedItem(), dlg.m_strText);
}

void CMySuperGrid::OnPopupInsertOvel()
{
    SendToParent(WM_TREE_INSERT_DEVICE, 0, 0);
}

void CMySuperGrid::OnPopupInsertYem()
{
    CInsertYem dlg(this);
    if (dlg.DoModal() == IDOK)
        HowToInsertYemFolder(GetTreeItem(GetSelectedItem()), dlg.m_strYem);
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::HowToInsertYemFolder(CTreeItem* pParent, const CString& server)
{
    if (!pParent || !m_pYemRoot)
        return nullptr;
    CString dotted;
    GetHostByName(server, dotted);
    if (dotted.IsEmpty()) {
        // A server whose name does not resolve could never be asked.
        MorrikMessageBox(IDS_HOST_NOT_RESOLVED, MB_ICONEXCLAMATION);
        return nullptr;
    }
    for (const CTreeItem* child : m_pYemRoot->m_listChild)
        if (const CItemInfo* kept = child->m_lpNodeInfo; kept && kept->m_bYemFolder
            && dotted
                == CString(kept->m_szLookupServer,
                    int(strnlen(kept->m_szLookupServer, sizeof kept->m_szLookupServer))))
            return nullptr;
    auto* info = new CItemInfo;
    info->SetItemText(server);
    info->m_bFolder = true;
    info->m_bYemFolder = 1;
    info->m_nTreeNo = m_nTreeNo;
    CutText(info->m_szLookupServer, dotted.GetString());
    // Inserted, the file is rewritten.
    CTreeItem* item = InsertToNotRoot(pParent, info);
    if (!item) {
        delete info;
        return nullptr;
    }
    SetBar(item);
    return item;
}

void CMySuperGrid::OnPopupInsertYemGroupId()
{
    CTreeItem* server = GetTreeItem(GetSelectedItem());
    if (!server || !server->m_lpNodeInfo)
        return;
    CInsertYemGroupId dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    for (const CTreeItem* child : server->m_listChild)
        if (child->m_lpNodeInfo && child->m_lpNodeInfo->m_bGroupFolder
            && child->m_lpNodeInfo->GetItemText() == dlg.m_strGroupId)
            return;
    m_bYemQuery = false;
    HowToInsertYemIdFolder(server, dlg.m_strGroupId);
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::HowToInsertYemIdFolder(CTreeItem* server, const CString& groupId)
{
    if (!server || !server->m_lpNodeInfo)
        return nullptr;
    auto* info = new CItemInfo;
    info->SetItemText(groupId);
    info->m_bFolder = true;
    info->m_bGroupFolder = 1;
    info->m_nTreeNo = m_nTreeNo;
    info->SetImage(1);
    std::memcpy(
        info->m_szLookupServer, server->m_lpNodeInfo->m_szLookupServer, sizeof info->m_szLookupServer);
    // The group settings: the id's first 16 bytes, then 16 zero bytes.
    std::memcpy(info->m_byGroupId, groupId.GetString(),
        std::min(sizeof info->m_byGroupId, size_t(groupId.GetLength())));
    const CString lookupServer(
        info->m_szLookupServer, int(strnlen(info->m_szLookupServer, sizeof info->m_szLookupServer)));
    CTreeItem* item = InsertToNotRoot(server, info);
    if (!item) {
        delete info;
        return nullptr;
    }
    SetBar(item);
    if (m_pOwner)
        m_pOwner->ReqListMsg(lookupServer, groupId);
    return item;
}

// --- Edits the owner carries out -------------------------------------------------------

void CMySuperGrid::OnPopupRenameOvel()
{
    CItemInfo* info = GetItemInfo(GetTreeItem(GetSelectedItem()));
    if (!info)
        return;
    // The owner keeps the copy and frees it.
    SendToParent(WM_TREE_EDIT_ITEM, 0, LPARAM(CopyData(info)));
}

void CMySuperGrid::OnPopupChangeIP()
{
    CItemInfo* info = GetItemInfo(GetTreeItem(GetSelectedItem()));
    if (!info)
        return;
    // The owner keeps the copy and frees it.
    SendToParent(WM_TREE_CHANGE_IP, 0, LPARAM(CopyData(info)));
}

void CMySuperGrid::OnPopupRename()
{
    const int row = GetSelectedItem();
    CItemInfo* info = GetItemInfo(GetTreeItem(row));
    if (!info)
        return;
    CNewFolderDlg dlg(this);
    dlg.m_strCaption = MorrikString(IDS_RENAME_CHANNEL);
    dlg.m_strText = info->GetItemText();
    // As an edit in place ends: the owner hears of the new name.
    if (dlg.DoModal() == IDOK)
        EndEdit(row, 0, dlg.m_strText);
}

} // namespace morrik
