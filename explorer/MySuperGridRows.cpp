// The device tree's rows: folders and channels, searches, last cameras,
// selection, the column and the drop-down list of a cell.
#include "explorer/MySuperGrid.h"
#include "explorer/TreeWalk.h"

#include "explorer/GridCellEdit.h"
#include "explorer/TreeFileNotices.h"
#include "explorer/TreeFilePaths.h"
#include "link/HostName.h"
#include "platform/base/Services.h"
#include "platform/ui/DC.h"
#include "resources/morrik/Resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace morrik
{

namespace
{

using Item = CSuperGridCtrl::CTreeItem;

CString MacText(const uint8_t mac[6])
{
    char text[18];
    FormatMac(mac, text);
    return text;
}

} // namespace

// --- Folders and channels ---------------------------------------------------------

Item* CMySuperGrid::HowToInsertFolder(int item, const CString& name)
{
    Item* parent = GetTreeItem(item);
    if (!parent)
        return nullptr;
    auto* info = new CItemInfo;
    info->SetItemText(name);
    info->m_bFolder = true;
    info->m_nTreeNo = m_nTreeNo;
    info->SetImage(IMAGE_CLOSED);
    Item* folder = InsertItem(parent, info, TRUE);
    if (!folder) {
        delete info;
        return nullptr;
    }
    if (!IsRoot(parent))
        parent->m_lpNodeInfo->m_bExpanded = true;
    ConsistLlistAndUpdateFile();
    return folder;
}

Item* CMySuperGrid::InsertToNotRoot(Item* pParent, CItemInfo* info)
{
    m_bFirstInsert = false;
    Item* item = InsertItem(pParent, info, info && !info->m_nChannel);
    ConsistLlistAndUpdateFile();
    return item;
}

Item* CMySuperGrid::InsertChNodeOfListCtrl(Item* dvr, int ch, char* name)
{
    // Channel numbers fit "CH%02d" in the caller's name field.
    if (!dvr || ch < 1 || ch > 99)
        return nullptr;
    char text[8];
    std::snprintf(text, sizeof text, "CH%02d", ch);
    if (name && name[0] == 0)
        std::memcpy(name, text, std::strlen(text) + 1);
    auto* info = new CItemInfo;
    info->SetItemText(name && name[0] ? name : text);
    info->m_nChannel = ch;
    info->m_nTreeNo = m_nTreeNo;
    info->m_bOnline = true;
    info->SetImage(IMAGE_CHANNEL_OFF);
    Item* row = InsertToNotRoot(dvr, info);
    if (!row)
        delete info;
    return row;
}

BOOL CMySuperGrid::CheckOnChannel(Item* dvr) const
{
    if (!dvr)
        return FALSE;
    return std::any_of(dvr->m_listChild.begin(), dvr->m_listChild.end(), [](const Item* child) {
        return child->m_lpNodeInfo && child->m_lpNodeInfo->GetImage() == IMAGE_CHANNEL_ON;
    });
}

int CMySuperGrid::CountDevices(const Item* row) const
{
    if (!row)
        return 0;
    int count = 0;
    for (const Item* child : row->m_listChild)
        count += (IsDeviceRow(child->m_lpNodeInfo) ? 1 : 0) + CountDevices(child);
    return count;
}

void CMySuperGrid::RemoveChannelRows(Item* dvr)
{
    DeleteChildren(dvr);
}

void CMySuperGrid::SetChannelIcons(Item* dvr, bool on)
{
    if (!dvr)
        return;
    for (Item* child : dvr->m_listChild)
        if (child->m_lpNodeInfo)
            child->m_lpNodeInfo->SetImage(on ? IMAGE_CHANNEL_ON : IMAGE_CHANNEL_OFF);
    InvalidateList();
}

void CMySuperGrid::SetChannelStatus(Item* dvr, int ch, bool on)
{
    if (!dvr)
        return;
    for (Item* child : dvr->m_listChild)
        if (child->m_lpNodeInfo && child->m_lpNodeInfo->m_nChannel == ch)
            child->m_lpNodeInfo->SetImage(on ? IMAGE_CHANNEL_ON : IMAGE_CHANNEL_OFF);
    InvalidateList();
}

void CMySuperGrid::SelectDeviceOrChannel(Item* dvr, int ch)
{
    if (!dvr)
        return;
    Item* target = dvr;
    if (ch != -1) {
        target = nullptr;
        for (Item* child : dvr->m_listChild)
            if (child->m_lpNodeInfo && child->m_lpNodeInfo->m_nChannel == ch)
                target = child;
        if (!target)
            return;
    }
    SetBar(target);
}

bool CMySuperGrid::HasSiblingNamed(const Item* row, const char* text) const
{
    if (!row || !text)
        return false;
    const auto& siblings = row->m_pParent ? row->m_pParent->m_listChild : GetRoots();
    return std::any_of(siblings.begin(), siblings.end(), [&](const Item* other) {
        return other != row && other->m_lpNodeInfo && other->m_lpNodeInfo->GetItemText() == text;
    });
}

void CMySuperGrid::DeleteCamNotRoot(BYTE* mac)
{
    Item* row = FirstRow(m_pLocalRoot,
        [&](const CItemInfo& info) { return IsDeviceRow(&info) && std::memcmp(info.m_byMac, mac, 6) == 0; });
    if (row && OnDeleteItem(row, GetCurIndex(row)))
        DeleteItem(row, GetCurIndex(row), FALSE);
}

void CMySuperGrid::DeleteCamNotRoot(UINT ip, int port)
{
    Item* row = FirstRow(m_pLocalRoot, [&](const CItemInfo& info) {
        return IsDeviceRow(&info) && info.m_dwIp == ip && info.m_dwConfigPort == uint32_t(port);
    });
    if (row && OnDeleteItem(row, GetCurIndex(row)))
        DeleteItem(row, GetCurIndex(row), FALSE);
}

void CMySuperGrid::DeleteChildren(Item* row)
{
    if (!row)
        return;
    while (!row->m_listChild.empty()) {
        Item* child = row->m_listChild.back();
        DeleteItem(child, GetCurIndex(child), FALSE);
    }
}

void CMySuperGrid::DeleteRootMem(Item* root)
{
    DeleteChildren(root);
}

void CMySuperGrid::DeleteMem()
{
    DeleteRootMem(m_pMyRoot);
    DeleteRootMem(m_pLocalRoot);
    DeleteRootMem(m_pYemRoot);
}

// --- Last cameras --------------------------------------------------------------------

bool CMySuperGrid::GetLastCam(int i, CItemInfo* row)
{
    FILE_NODE node {};
    if (!row || !morrik::GetLastCam(TreePath(), i, &node))
        return false;
    PutData(row, node);
    return true;
}

CAM_SERIAL_MAC_INFO* CMySuperGrid::GetLastCam(int i)
{
    return morrik::GetLastCamKey(TreePath(), i, &m_CamInfo) ? &m_CamInfo : nullptr;
}

bool CMySuperGrid::SetLastCam(int i, CItemInfo* row)
{
    if (!row)
        return false;
    const std::string path = TreePath();
    const int number = ReadTreeFileAndFindNoOfMacAndSerial(path, row->Identity(), row->m_nChannel != 0);
    return morrik::SetLastCam(path, i, number, row->m_szSerial, row->m_byMac);
}

bool CMySuperGrid::SetLastCam(int i, CAM_SERIAL_MAC_INFO* key)
{
    if (!key)
        return false;
    const std::string path = TreePath();
    return morrik::SetLastCam(
        path, i, ReadTreeFileAndFindNoOfMacAndSerialTelling(path, *key), key->szSerial, key->byMac);
}

bool CMySuperGrid::GetCam(int, char*, char*, CItemInfo* row)
{
    FILE_NODE node {};
    if (!row || !morrik::GetCam(TreePath(), row->Identity(), &node))
        return false;
    // The row keeps the record's address text.
    PutData(row, node);
    std::memcpy(row->m_szAddress, node.szAddress, sizeof row->m_szAddress);
    return true;
}

bool CMySuperGrid::GetLastUser(int, CString&)
{
    return true;
}

void CMySuperGrid::SetLastUser(int, const CString&) { }

void CMySuperGrid::SetPasswd(int, BYTE*) { }

void CMySuperGrid::OpenLastCam(int i)
{
    m_pFindItem = nullptr;
    const CAM_SERIAL_MAC_INFO* key = GetLastCam(i);
    m_strFindMac = key ? MacText(key->byMac) : CString();
    m_bLastCamSearch = key != nullptr;
    if (!m_pMyRoot)
        return;
    const int root = GetCurIndex(m_pMyRoot);
    if (root >= 0 && IsCollapsed(m_pMyRoot))
        Expand(m_pMyRoot, root);
    if (!key || !OpenFolderOfCam(m_pMyRoot)) {
        if (root >= 0)
            Collapse(m_pMyRoot);
        SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_pClicked = GetTreeItem(0);
    }
    InvalidateList();
}

BOOL CMySuperGrid::OpenFolderOfCam(Item* pItem)
{
    if (!pItem)
        return FALSE;
    for (Item* child : pItem->m_listChild) {
        CItemInfo* info = child->m_lpNodeInfo;
        if (!info)
            continue;
        if (IsDeviceRow(info) && MacText(info->m_byMac) == m_strFindMac) {
            info->SetImage(IMAGE_NOT_SEEN);
            m_pFindItem = child;
            SetBar(child);
            return TRUE;
        }
        if (info->m_bFolder && ItemHasChildren(child)) {
            // Open the folder on the way, and close it again when the
            // camera is not inside.
            const bool wasClosed = IsCollapsed(child);
            const int row = GetCurIndex(child);
            if (wasClosed && row >= 0)
                Expand(child, row);
            if (OpenFolderOfCam(child)) {
                info->m_bExpanded = true;
                return TRUE;
            }
            if (wasClosed && row >= 0)
                Collapse(child);
        }
    }
    return FALSE;
}

// --- Searches ------------------------------------------------------------------------

Item* CMySuperGrid::SearchTreeItem(const CString& text) const
{
    return Search(text);
}

CItemInfo* CMySuperGrid::SearchItemOfMac(const BYTE* mac) const
{
    Item* found = FirstRow(m_pMyRoot,
        [&](const CItemInfo& info) { return IsDeviceRow(&info) && std::memcmp(info.m_byMac, mac, 6) == 0; });
    return found ? found->m_lpNodeInfo : nullptr;
}

CItemInfo* CMySuperGrid::SearchItemOfSerialNum(const BYTE* serial) const
{
    const char* wanted = reinterpret_cast<const char*>(serial);
    Item* found = FirstRow(m_pMyRoot, [&](const CItemInfo& info) {
        return IsDeviceRow(&info) && std::strncmp(info.m_szSerial, wanted, sizeof info.m_szSerial) == 0;
    });
    return found ? found->m_lpNodeInfo : nullptr;
}

CItemInfo* CMySuperGrid::SearchItemOfIp(int ip, int port) const
{
    Item* found = FirstRow(m_pMyRoot, [&](const CItemInfo& info) {
        return !info.m_bFolder && info.m_dwIp == uint32_t(ip) && info.m_dwConfigPort == uint32_t(port);
    });
    return found ? found->m_lpNodeInfo : nullptr;
}

Item* CMySuperGrid::Search(const CString& text, const CStringList& subItems) const
{
    auto matches = [&](const CItemInfo& info) {
        if (info.GetItemText() != text)
            return false;
        for (const CString& wanted : subItems) {
            bool held = false;
            for (int k = 0; k < info.GetItemCount() && !held; ++k)
                held = info.GetSubItem(k).CompareNoCase(wanted) == 0;
            if (!held)
                return false;
        }
        return true;
    };
    for (Item* root : GetRoots()) {
        if (root->m_lpNodeInfo && matches(*root->m_lpNodeInfo))
            return root;
        if (Item* found = FirstRow(root, matches))
            return found;
    }
    return nullptr;
}

Item* CMySuperGrid::SearchEx(Item* pItem, const CString& text) const
{
    if (!pItem)
        return nullptr;
    if (pItem->m_lpNodeInfo && pItem->m_lpNodeInfo->GetItemText() == text)
        return pItem;
    return FirstRow(pItem, [&](const CItemInfo& info) { return info.GetItemText() == text; });
}

void CMySuperGrid::SortData()
{
    const int answer
        = AfxMessageBox("Sort roots and all children(Yes)\nor just sort the rootitems(No)", MB_YESNO);
    SortRoots(answer == IDYES);
}

Item* CMySuperGrid::FindTreeItem(const CItemInfo* info) const
{
    if (!info)
        return nullptr;
    for (Item* root : GetRoots()) {
        if (root->m_lpNodeInfo == info)
            return root;
        if (Item* found = FirstRow(root, [&](const CItemInfo& row) { return &row == info; }))
            return found;
    }
    return nullptr;
}

// --- Selection, drawing, the column ---------------------------------------------------

void CMySuperGrid::SetBar(Item* pItem)
{
    if (!pItem)
        return;
    // Reveal the row: its ancestors open.
    std::vector<Item*> path;
    for (Item* up = pItem->m_pParent; up; up = up->m_pParent)
        path.push_back(up);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        if (IsCollapsed(*it) && GetCurIndex(*it) >= 0)
            Expand(*it, GetCurIndex(*it));
    const int row = GetCurIndex(pItem);
    if (row < 0)
        return;
    for (int selected = GetNextItem(-1, LVNI_SELECTED); selected >= 0;
         selected = GetNextItem(selected, LVNI_SELECTED))
        SetItemState(selected, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(row, FALSE);
    m_pClicked = pItem;
}

void CMySuperGrid::SetBar()
{
    Item* selected = GetTreeItem(GetSelectedItem());
    const CItemInfo* info = GetItemInfo(selected);
    if (m_pYemRoot && selected && selected->m_pParent == m_pYemRoot && info && !info->m_bFolder)
        SetBar(m_pYemRoot);
}

void CMySuperGrid::RedrawTree()
{
    SetRedraw(TRUE);
    if (m_bChangePending) {
        m_bChangePending = 0;
        InvalidateList();
    }
}

void CMySuperGrid::SetFirstColumn(int width)
{
    SetColumnWidth(0, width);
}

void CMySuperGrid::UpdateColumn(int width)
{
    SetColumnWidth(0, width);
    InvalidateList();
}

void CMySuperGrid::GetHostByName(const CString& host, CString& out) const
{
    char resolved[128];
    if (ResolveHostName(host.GetString(), resolved) == 0)
        out = resolved;
}

int CMySuperGrid::CalcHorzExtent(CWnd* pWnd, const CStringList* list) const
{
    if (!pWnd || !list)
        return 0;
    CClientDC dc(pWnd);
    CFont* old = dc.SelectObject(pWnd->GetFont());
    int widest = 0;
    for (const CString& text : *list)
        widest = std::max(widest, int(dc.GetTextExtent(text).cx));
    dc.SelectObject(old);
    return widest + 6;
}

void CMySuperGrid::ShowList(int item, int column, const CStringList* list)
{
    const CItemInfo* info = GetItemInfo(GetTreeItem(item));
    if (!info || !list || column < 0 || column >= GetColumnCount())
        return;
    EnsureVisible(item, FALSE);
    CRect cell, client;
    GetSubItemRect(item, column, LVIR_BOUNDS, cell);
    GetListClientRect(&client);
    cell.right = std::min(cell.right, client.right);
    cell.bottom = cell.top + GetRowHeight() * 11;
    auto* combo = new CGridCellCombo(item, column, list);
    if (!combo->Create(
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, cell, this, IDC_GRID_CELL_COMBO)) {
        delete combo;
        return;
    }
    combo->SetHorizontalExtent(UINT(CalcHorzExtent(combo, list)));
    combo->SelectString(-1, column == 0 ? info->GetItemText() : info->GetSubItem(column - 1));
    combo->ShowDropDown();
}

} // namespace morrik
