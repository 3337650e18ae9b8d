// The device tree: its roots, the rows built from its tree file, the file
// written back after every change, and its answers to the tree-grid's hooks.
#include "explorer/MySuperGrid.h"

#include "explorer/MorrikResources.h"
#include "explorer/TreeBranch.h"
#include "explorer/TreeFileNotices.h"
#include "explorer/TreeFilePaths.h"
#include "platform/ui/ResourceModule.h"
#include "resources/morrik/Resource.h"

#include <cstring>

namespace morrik
{

BEGIN_MESSAGE_MAP(CMySuperGrid, CSuperGridCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_TREE_SAVE, OnConsistLlistAndUpdateFile)
// The context menus and their commands.
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_POPUP_INSERT, OnPopupInsert)
ON_COMMAND(ID_POPUP_DELETE, OnPopupDelete)
ON_COMMAND(ID_POPUP_DELETE_OVEL, OnPopupDeleteOvel)
ON_COMMAND(ID_POPUP_INSERT_OVEL, OnPopupInsertOvel)
ON_COMMAND(ID_POPUP_INSERT_YEM, OnPopupInsertYem)
ON_COMMAND(ID_POPUP_DELETE_YEM, OnPopupDeleteYem)
ON_COMMAND(ID_POPUP_INSERT_YEM_GROUP_ID, OnPopupInsertYemGroupId)
ON_COMMAND(ID_POPUP_DELETE_YEM_GROUP_ID, OnPopupDeleteYemGroupId)
ON_COMMAND(ID_POPUP_RENAME_OVEL, OnPopupRenameOvel)
ON_COMMAND(ID_POPUP_CHANGE_IP, OnPopupChangeIP)
ON_COMMAND(ID_POPUP_RENAME, OnPopupRename)
END_MESSAGE_MAP()

CMySuperGrid::CMySuperGrid() = default;

CMySuperGrid::~CMySuperGrid() = default;

int CMySuperGrid::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSuperGridCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bFirstInsert = true;
    // The rows' icons come from the library's own bitmaps, whatever the
    // host's resources are.
    CResourceScope scope(MorrikModule());
    if (m_image.Create(IDB_TREE_ICONS, 16, 1, RGB(0, 255, 255)))
        SetImageList(&m_image, LVSIL_SMALL);
    if (m_stateImage.Create(IDB_TREE_STATES, 16, 1, RGB(0, 255, 255)))
        SetImageList(&m_stateImage, LVSIL_STATE);
    SetImageSizes(CSize(16, 16), CSize(16, 16));
    m_cxImage = m_cyImage = 16;
    return 0;
}

std::string CMySuperGrid::TreePath() const
{
    // Sample rows have no file.
    return m_bSampleTree ? std::string() : TreeFilePath(m_nTreeNo);
}

// --- Building the tree -------------------------------------------------------

void CMySuperGrid::InitializeGrid()
{
    InsertColumn(0, "", LVCFMT_LEFT, GRID_COLUMN_WIDTH);
    const bool dvr = m_nTreeNo == 2;
    auto root = [&](UINT text, int image) {
        auto* info = new CItemInfo;
        info->SetItemText(MorrikString(text));
        info->m_bFolder = true;
        info->m_nTreeNo = m_nTreeNo;
        info->SetImage(image);
        return InsertRootItem(info);
    };
    m_pMyRoot = root(dvr ? IDS_TREE_MY_DVR : IDS_TREE_MY_CAMERA, IMAGE_MY_ROOT);
    m_pLocalRoot = m_pYemRoot = nullptr;
    if (!m_bMyRootOnly) {
        m_pLocalRoot = root(dvr ? IDS_TREE_LOCAL_DVR : IDS_TREE_LOCAL_CAMERA, IMAGE_LOCAL_ROOT);
        if (m_nTreeNo >= 0 && m_nTreeNo < TREE_COUNT)
            m_pYemRoot = root(IDS_TREE_ZPT, IMAGE_YEM_ROOT);
    }
    SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CMySuperGrid::CreateTreeCtrl()
{
    if (m_pMyRoot)
        BuildBranch(m_pMyRoot, m_lists.nodes,
            [&](CTreeItem* parent, const FILE_NODE& node) { return InsertNodeToListCtrl(parent, &node); });
    if (m_pYemRoot)
        BuildBranch(m_pYemRoot, m_lists.yemNodes, [&](CTreeItem* parent, const FILE_YEM_NODE& node) {
            return InsertYemNodeToListCtrl(parent, &node);
        });
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertNodeToListCtrl(CTreeItem* pParent, const FILE_NODE* node)
{
    CItemInfo* info = NewRowOfFileNode(*node, m_nTreeNo);
    CTreeItem* item = InsertItem(pParent, info);
    if (!item)
        delete info;
    return item;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertYemNodeToListCtrl(
    CTreeItem* pParent, const FILE_YEM_NODE* node)
{
    // Only servers and group ids are kept: the devices of a group come back
    // from the server each time the tree is filled.
    if (!node->bServerFolder && !node->bGroupFolder)
        return nullptr;
    CItemInfo* info = NewRowOfYemNode(*node, m_nTreeNo);
    // A server name that does not resolve keeps its stored text, so that
    // the next write of the file still holds it.
    CString server = info->m_szLookupServer;
    GetHostByName(server, server);
    CutText(info->m_szLookupServer, server.GetString());
    CTreeItem* item = InsertItem(pParent, info);
    if (!item)
        delete info;
    return item;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::SearchPrntNoOfMyTreeCtrl(int number, CTreeItem* root) const
{
    if (number == 0 || !root)
        return root;
    for (CTreeItem* child : root->m_listChild) {
        if (child->m_lpNodeInfo && int(child->m_lpNodeInfo->m_dwRecordNo) == number)
            return child;
        if (CTreeItem* found = SearchPrntNoOfMyTreeCtrl(number, child); found && found != child)
            return found;
    }
    return nullptr;
}

// --- The tree file -------------------------------------------------------------

void CMySuperGrid::ResetFileIfNoFileIs(int tree)
{
    m_nTreeNo = tree;
    const std::string path = TreePath();
    if (!path.empty())
        morrik::ResetFileIfNoFileIs(path);
}

void CMySuperGrid::ReadTreeFileAndConsistLlist()
{
    m_lists = {};
    m_bFirstNode = true;
    const std::string path = TreePath();
    if (!path.empty())
        ReadTreeFileAndConsistLlistTelling(path, &m_lists);
}

void CMySuperGrid::ConsistLlist()
{
    morrik::ConsistLlist(*this, m_pMyRoot, &m_lists);
}

void CMySuperGrid::ConsistYemLlist()
{
    morrik::ConsistYemLlist(*this, m_pYemRoot, &m_lists);
}

void CMySuperGrid::ConsistLlistAndUpdateFile()
{
    ConsistLlist();
    if (m_nTreeNo >= 0 && m_nTreeNo < TREE_COUNT)
        ConsistYemLlist();
    ReadLlistAndUpdateFile();
    DeleteLlist();
}

void CMySuperGrid::ReadLlistAndUpdateFile()
{
    const std::string path = TreePath();
    m_bLastSaveOk = !path.empty()
        && morrik::ReadLlistAndUpdateFile(path, m_lists, m_nTreeNo >= 0 && m_nTreeNo < TREE_COUNT);
}

void CMySuperGrid::DeleteLlist()
{
    m_lists = {};
    m_bFirstNode = true;
}

LRESULT CMySuperGrid::OnConsistLlistAndUpdateFile(WPARAM, LPARAM)
{
    ConsistLlistAndUpdateFile();
    return 1;
}

const CStringList* CMySuperGrid::ComboChoices(int nRow, int nColumn) const
{
    // Column k shows sub-item k - 1, whose editor the row data names.
    const CItemInfo* info = nRow >= 0 ? GetItemInfo(GetTreeItem(nRow)) : nullptr;
    CONTROLTYPE type;
    const CStringList* list = nullptr;
    if (!info || nColumn < 1 || !info->GetControlType(nColumn - 1, type) || type != combobox
        || !info->GetListData(nColumn - 1, list))
        return nullptr;
    return list;
}

// --- Hooks of the tree-grid ------------------------------------------------------

void CMySuperGrid::IsDblclk(CItemInfo* lpInfo)
{
    if (m_pOwner)
        m_pOwner->GetConnectCamAndCloseDlg(lpInfo);
}

void CMySuperGrid::ReqFindMsg(CItemInfo* lpInfo)
{
    if (!lpInfo)
        return;
    m_bYemQuery = true;
    char mac[24] = {};
    if (lpInfo->m_bInFile)
        FormatMac(lpInfo->m_byMac, mac);
    else
        std::memcpy(mac, lpInfo->m_szMacText, sizeof mac - 1);
    if (m_pOwner)
        m_pOwner->ReqFindMsg(lpInfo->m_szLookupServer,
            CString(reinterpret_cast<const char*>(lpInfo->m_byGroupId),
                int(strnlen(reinterpret_cast<const char*>(lpInfo->m_byGroupId), sizeof lpInfo->m_byGroupId))),
            CString(lpInfo->m_szSerial, int(strnlen(lpInfo->m_szSerial, sizeof lpInfo->m_szSerial))), mac);
}

CItemInfo* CMySuperGrid::CopyData(CItemInfo* lpInfo)
{
    auto* copy = new CItemInfo;
    if (lpInfo)
        copy->CopyObjects(lpInfo);
    return copy;
}

int CMySuperGrid::GetIcon(const CTreeItem* pItem)
{
    const CItemInfo* info = GetItemInfo(pItem);
    if (!info)
        return IMAGE_SEEN;
    if (info->GetImage() != -1)
        return info->GetImage();
    if (info->m_bFolder && ItemHasChildren(pItem))
        return IsCollapsed(pItem) ? IMAGE_CLOSED : IMAGE_OPEN;
    return pItem->m_pParent && pItem->m_pParent == m_pMyRoot ? IMAGE_MY_DEVICE : IMAGE_SEEN;
}

COLORREF CMySuperGrid::GetCellRGB()
{
    return RGB(20, 30, 112);
}

void CMySuperGrid::OnControlLButtonDown(UINT, CPoint, LVHITTESTINFO& ht)
{
    if (const CStringList* list = ComboChoices(ht.iItem, ht.iSubItem))
        ShowList(ht.iItem, ht.iSubItem, list);
}

CImageList* CMySuperGrid::CreateDragImageEx(int nRow)
{
    return m_bDragEnabled ? CSuperGridCtrl::CreateDragImageEx(nRow) : nullptr;
}

BOOL CMySuperGrid::OnItemExpanding(CTreeItem*, int)
{
    return TRUE;
}

BOOL CMySuperGrid::OnItemExpanded(CTreeItem* pItem, int)
{
    if (CItemInfo* info = GetItemInfo(pItem); info && info->m_bFolder && !IsRoot(pItem))
        info->m_bExpanded = true;
    return TRUE;
}

BOOL CMySuperGrid::OnCollapsing(CTreeItem*)
{
    return TRUE;
}

BOOL CMySuperGrid::OnItemCollapsed(CTreeItem* pItem)
{
    if (!pItem || IsRoot(pItem))
        return TRUE;
    // A folder opened again shows its subfolders closed.
    auto close = [&](auto& self, CTreeItem* node) -> void {
        for (CTreeItem* child : node->m_listChild)
            if (ItemHasChildren(child)) {
                child->m_bHideChildren = 1;
                self(self, child);
            }
    };
    close(close, pItem);
    return TRUE;
}

BOOL CMySuperGrid::OnDeleteItem(CTreeItem*, int)
{
    return TRUE;
}

BOOL CMySuperGrid::OnVkReturn()
{
    const int row = GetSelectedItem();
    const CStringList* list = ComboChoices(row, GetCurrentColumn());
    if (!list)
        return FALSE;
    ShowList(row, GetCurrentColumn(), list);
    return TRUE;
}

BOOL CMySuperGrid::OnItemLButtonDown(LVHITTESTINFO&)
{
    return TRUE;
}

} // namespace morrik
