#include "explorer/DlgExplore.h"

#include "explorer/DvrEditDlg.h"
#include "explorer/ModelRules.h"
#include "explorer/MorrikResources.h"
#include "explorer/RegServerSocket.h"
#include "explorer/ThreadZpt.h"
#include "explorer/TreeMessages.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WindowStyles.h"
#include "resources/morrik/Resource.h"

#include <cstring>

namespace morrik
{

BEGIN_MESSAGE_MAP(CDlgExplore, CExplorerBase)
ON_WM_CREATE()
ON_WM_TIMER()
ON_MESSAGE(WM_TREE_ITEM_CLICK, OnItemClick)
ON_MESSAGE(WM_TREE_INSERT_DEVICE, OnInsertDevice)
ON_MESSAGE(WM_TREE_ITEM_MOVED, OnItemMoved)
ON_MESSAGE(WM_TREE_DELETE_ITEM, OnDeleteItem)
ON_MESSAGE(WM_TREE_EDIT_ITEM, OnEditItem)
ON_MESSAGE(WM_TREE_RENAME_CHANNEL, OnRenameChannel)
ON_MESSAGE(WM_TREE_DRAG_BEGIN, OnDragBegin)
ON_MESSAGE(WM_TREE_DROP, OnDrop)
ON_MESSAGE(WM_TREE_CHANGE_IP, OnChangeIp)
ON_MESSAGE(WM_EXPLORE_RENAME_ENABLE, OnRenameEnable)
END_MESSAGE_MAP()

namespace
{

// Rounds of timer 400 over the life of the process.
int g_nExploreRounds = 0;

} // namespace

CDlgExplore::CDlgExplore(CWnd* pParent, bool myListOnly, bool modeZero)
    : CExplorerBase(IDD_EXPLORE_DIALOG, pParent)
    , m_bMyListOnly(myListOnly)
{
    m_nPeriod = 600000;
    m_nMode = modeZero ? 0 : 2;
    m_pGrid = new CMySuperGrid;
    m_pGrid->m_nTreeNo = 2;
    m_pGrid->m_bMyRootOnly = myListOnly;
    // Tree 0 names no file of its own, so there is nothing of it to upgrade.
    m_Adds.Clear();
}

CDlgExplore::~CDlgExplore()
{
    // The thread and the sockets must let go of this dialog before the tree goes.
    StopDownload();
    DeleteSockets();
    m_MyDVR.clear();
    delete m_pGrid;
    m_pGrid = nullptr;
}

BOOL CDlgExplore::Create(CWnd* pParentWnd)
{
    CResourceScope scope(MorrikModule());
    if (pParentWnd)
        m_pParent = pParentWnd;
    return CDialog::Create(IDD_EXPLORE_DIALOG, pParentWnd);
}

int CDlgExplore::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    const RECT empty { 0, 0, 0, 0 };
    m_pGrid->SetTreeOwner(this);
    m_pGrid->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, empty, this, IDC_EXPLORE_GRID);
    m_pGrid->ResetFileIfNoFileIs(2);
    m_pGrid->InitializeGrid();
    m_pGrid->SetExtendedStyle(0);
    m_pGrid->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    m_pGrid->m_nOwnerMode = m_nMode;
    m_nTreeNo = 0;
    m_strBackupPath.Empty();
    m_strBackupTitle.Empty();
    m_bBackup = false;
    m_bConnect = false;
    m_pConnectItem = nullptr;
    return 0;
}

BOOL CDlgExplore::OnInitDialog()
{
    CExplorerBase::OnInitDialog();
    m_nTreeNo = 2;
    OpenTree();
    ExecuteTree();
    JobTree(2);
    return TRUE;
}

// --- Layout -----------------------------------------------------------------------

void CDlgExplore::MoveWindow2(int x, int y, int width, int height)
{
    MoveWindow(x, y, width, height);
    OpenTree();
}

void CDlgExplore::OpenTree()
{
    if (!m_pGrid || !m_pGrid->GetSafeHwnd())
        return;
    RECT r {};
    GetWindowRect(&r);
    ScreenToClient(&r);
    m_pGrid->MoveWindow(r.left, r.top + 2, r.right - 2 * r.left, r.bottom - 2 * (r.top + 2));
    m_pGrid->SetFirstColumn(r.right - r.left - 4);
}

// --- Discovery cycles ---------------------------------------------------------------

void CDlgExplore::ExecuteTree()
{
    UdpSocket();
    YemSocket();
    LoadTree(m_pGrid);
    ResetMyDVR();
    SendUdpMsg();
    m_pGrid->m_bDiscovering = true;
    SetTimer(TIMER_FIRST_SEARCH_END, 3000);
    m_pGrid->SendYemMsg();
    m_pGrid->m_bLookupDone = true;
    m_bWaitIp = false;
    m_strWaitIp.Empty();
    m_Adds.Clear();
}

void CDlgExplore::JobTree(int n)
{
    ExeColumnclick(n);
    SetLastTree();
    if (m_pGrid->m_pMyRoot) {
        const int row = m_pGrid->GetCurIndex(m_pGrid->m_pMyRoot);
        if (row >= 0 && m_pGrid->IsCollapsed(m_pGrid->m_pMyRoot))
            m_pGrid->Expand(m_pGrid->m_pMyRoot, row);
    }
}

void CDlgExplore::ExeColumnclick(int n)
{
    if (n != m_nTreeNo) {
        m_nTreeNo = n;
        OpenTree();
    }
    InitAndRefresh();
}

void CDlgExplore::InitAndRefresh()
{
    m_pGrid->SetBar();
    m_pGrid->DeleteYem();
    m_pGrid->m_bDiscovering = true;
    SetTimer(TIMER_SEARCH_END, 600000);
    KillTimer(TIMER_REDRAW);
    SetTimer(TIMER_REDRAW, 200);
    KillTimer(TIMER_REDISCOVER);
    Refresh();
    if (m_nPeriod)
        SetTimer(TIMER_REDISCOVER, m_nPeriod);
}

void CDlgExplore::Refresh()
{
    m_pGrid->ConfirmCamOfRoots();
    m_pGrid->ResetCamOfRoots();
    ReqDiscoveryMsg();
    m_pGrid->SendYemMsg();
}

void CDlgExplore::SendUdpMsg()
{
    m_pGrid->ResetCamOfRoots();
    SetTimer(TIMER_FIRST_ROUNDS, 300);
    ReqDiscoveryMsg();
    if (m_nPeriod)
        SetTimer(TIMER_REDISCOVER, m_nPeriod);
}

void CDlgExplore::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_ADD_WAIT:
        OnAddWaitTimer();
        break;
    case TIMER_REDISCOVER:
        m_pGrid->ConfirmCamOfRoots();
        m_pGrid->ResetCamOfRoots();
        ReqDiscoveryMsg();
        break;
    case TIMER_REDRAW:
        m_pGrid->RedrawTree();
        KillTimer(TIMER_REDRAW);
        break;
    case TIMER_SEARCH_END:
        OnSearchEnd(m_pGrid);
        break;
    case TIMER_FIRST_SEARCH_END:
        m_pGrid->m_bDiscovering = false;
        KillTimer(TIMER_FIRST_SEARCH_END);
        break;
    case TIMER_FIRST_ROUNDS:
        OnFirstRound(m_pGrid, g_nExploreRounds);
        break;
    default:
        CDialog::OnTimer(nIDEvent);
    }
}

int CDlgExplore::FilterModel(const char* model) const
{
    return morrik::FilterModel(model);
}

void CDlgExplore::ResDiscoverProc(const RES_DISCOVER_OVEL* record)
{
    if (FilterModel(record->model) != 2)
        return;
    if (m_bAddWaiting) {
        const int index = FindNewItemIndx(record->mac, record->ipAddress, int(record->port));
        if (index < 0)
            return;
        CItemInfo& buffer = m_Adds.m_NewItem[index];
        if (buffer.m_bLookup) {
            // A device looked up on a registration server counts by its MAC.
            if (std::memcmp(buffer.m_byMac, record->mac, 6) != 0)
                return;
            ResUniQuestMsg(record, index);
            m_pGrid->SetYemItem(record);
        } else {
            ResUniQuestMsg(record, index);
        }
        return;
    }
    if (m_bWaitIp && m_strWaitIp == CString(FormatIpAddress(record->ipAddress).c_str())) {
        m_bWaitIp = false;
        m_strWaitIp.Empty();
        m_pGrid->SetYemItem(record);
        return;
    }
    m_pGrid->ResDiscoverProc(record);
    if (CSuperGridCtrl::CTreeItem* row = m_pGrid->SearchMacOfMyTreeCtrl(record))
        if (m_pParent)
            m_pParent->SendMessage(WM_EXPLORE_DEVICE_SEEN, 0, LPARAM(m_pGrid->GetItemInfo(row)));
}

void CDlgExplore::RetYemMsg(const ZPT_NODE* node)
{
    m_pGrid->RetYemMsg(node);
}

// --- Messages of the grid ------------------------------------------------------------

LRESULT CDlgExplore::Forward(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_pParent ? m_pParent->SendMessage(message, wParam, lParam) : 0;
}

LRESULT CDlgExplore::OnItemClick(WPARAM wParam, LPARAM lParam)
{
    if (m_nMode == 2)
        return Forward(WM_TREE_ITEM_CLICK, wParam, lParam);
    if (m_nMode == 1 || lParam != 2)
        return Forward(WM_EXPLORE_ITEM_CLICK, wParam, lParam);
    return 0;
}

LRESULT CDlgExplore::OnInsertDevice(WPARAM wParam, LPARAM lParam)
{
    if (m_nMode == 2)
        return Forward(WM_TREE_INSERT_DEVICE, wParam, lParam);
    CDvrEditDlg dialog(this);
    if (dialog.DoModal() == IDOK)
        AddDVR(&dialog.m_item);
    return 0;
}

LRESULT CDlgExplore::OnItemMoved(WPARAM wParam, LPARAM lParam)
{
    ResetMyDVR();
    return m_nMode == 2 ? Forward(WM_TREE_ITEM_MOVED, wParam, lParam) : 0;
}

LRESULT CDlgExplore::OnDeleteItem(WPARAM wParam, LPARAM lParam)
{
    ResetMyDVR();
    if (m_nMode == 2)
        Forward(WM_TREE_DELETE_ITEM, wParam, lParam);
    Refresh();
    return 0;
}

LRESULT CDlgExplore::OnEditItem(WPARAM wParam, LPARAM lParam)
{
    auto* item = reinterpret_cast<CItemInfo*>(lParam);
    if (m_nMode == 2)
        return Forward(WM_TREE_EDIT_ITEM, wParam, lParam); // the host owns the item
    if (item) {
        CDvrEditDlg dialog(this);
        dialog.m_item.CopyObjects(item);
        dialog.m_bEdit = true;
        if (dialog.DoModal() == IDOK)
            ModifyDVR(item, &dialog.m_item, false);
        delete item;
    }
    return 0;
}

LRESULT CDlgExplore::OnRenameChannel(WPARAM wParam, LPARAM lParam)
{
    if (m_nMode == 2)
        return Forward(WM_TREE_RENAME_CHANNEL, wParam, lParam); // the host owns what it carries
    delete reinterpret_cast<CItemInfo*>(lParam);
    return 0;
}

LRESULT CDlgExplore::OnDragBegin(WPARAM wParam, LPARAM lParam)
{
    return m_nMode == 2 ? Forward(WM_TREE_DRAG_BEGIN, wParam, lParam) : 0;
}

LRESULT CDlgExplore::OnDrop(WPARAM wParam, LPARAM lParam)
{
    return Forward(WM_TREE_DROP, wParam, lParam);
}

LRESULT CDlgExplore::OnChangeIp(WPARAM wParam, LPARAM lParam)
{
    Forward(WM_TREE_CHANGE_IP, wParam, lParam);
    delete reinterpret_cast<CItemInfo*>(lParam);
    return 0;
}

LRESULT CDlgExplore::OnRenameEnable(WPARAM wParam, LPARAM)
{
    m_bRenameEnabled = wParam != 0;
    return 0;
}

// --- Devices ------------------------------------------------------------------------

void CDlgExplore::OnDvrAdded(CItemInfo*)
{
    ResetMyDVR();
}

bool CDlgExplore::GetAddress(tagDVrNetInfo* info)
{
    if (!info)
        return false;
    // The host's texts need not end inside their fields.
    char server[sizeof info->szServer + 1] = {};
    std::memcpy(server, info->szServer, sizeof info->szServer);
    char serial[sizeof info->szSerial + 1] = {};
    std::memcpy(serial, info->szSerial, sizeof info->szSerial);
    char mac[sizeof info->szMacText + 1] = {};
    std::memcpy(mac, info->szMacText, sizeof info->szMacText);
    return GetAddress(server, nullptr, serial, mac, info->szAddress, sizeof info->szAddress);
}

bool CDlgExplore::ModifyDVR(CItemInfo* treeItem, CItemInfo* edited, bool copyAll)
{
    if (!treeItem || !edited)
        return false;
    std::memset(edited->m_byMac, 0, sizeof edited->m_byMac);
    std::memset(edited->m_szSerial, 0, sizeof edited->m_szSerial);
    CItemInfo* row = FindItem(treeItem);
    CSuperGridCtrl::CTreeItem* node = RowOf(row);
    if (!row || !node)
        return false;
    if (edited->GetItemText() != row->GetItemText()
        && m_pGrid->HasSiblingNamed(node, edited->GetItemText())) {
        MorrikMessageBox(IDS_TREE_NAME_USED);
        return false;
    }
    row->SetItemText(edited->GetItemText());
    if (m_nMode == 1 || m_nMode == 2) {
        if (copyAll) {
            std::memcpy(row->m_login.szUser, edited->m_login.szUser, sizeof row->m_login.szUser);
            std::memcpy(row->m_service1, edited->m_service1, sizeof row->m_service1);
        }
        std::memcpy(row->m_service2, edited->m_service2, sizeof row->m_service2);
        const ACCOUNT_ENTRY& pair = edited->m_service2[0];
        for (int kind = 0; kind < 3; ++kind)
            row->SetPasswd(kind, reinterpret_cast<const BYTE*>(pair.szUser), pair.byPassword);
    } else {
        if (copyAll) {
            std::memcpy(row->m_service2, edited->m_service2, sizeof row->m_service2);
            std::memcpy(row->m_service1, edited->m_service1, sizeof row->m_service1);
        }
        std::memcpy(row->m_login.szUser, edited->m_login.szUser, sizeof row->m_login.szUser);
        static const BYTE admin[16] = "admin";
        row->SetPasswd(0, admin, edited->m_login.byPassword);
    }
    CopyWhereabouts(*row, *edited);
    m_pGrid->SendMessage(WM_TREE_SAVE, 0, 0);
    m_pGrid->Invalidate();
    return true;
}

CSuperGridCtrl::CTreeItem* CDlgExplore::RowOf(CItemInfo* item)
{
    return item ? m_pGrid->FindTreeItem(item) : nullptr;
}

void CDlgExplore::DeleteItem(CItemInfo* item)
{
    if (!item)
        return;
    CSuperGridCtrl::CTreeItem* node = nullptr;
    if (item->m_bFolder)
        node = m_pGrid->GetTreeItem(m_pGrid->GetSelectedItem());
    else
        node = RowOf(FindItem(item));
    // Roots stay; the host's own delete asks no question.
    if (!node || m_pGrid->IsRoot(node))
        return;
    const int row = m_pGrid->GetCurIndex(node);
    m_pGrid->m_bDeleteNotify = TRUE;
    m_pGrid->DeleteItem(node, row);
    m_pGrid->m_bDeleteNotify = FALSE;
    m_pGrid->SendMessage(WM_TREE_SAVE, 0, 0);
    m_pGrid->RedrawTree();
}

void CDlgExplore::GetSelectedCam(CItemInfo* item)
{
    if (!item)
        return;
    if (m_bBackup) {
        item->m_lParam = 2;
        item->SetItemText(m_strBackupTitle);
        std::snprintf(item->m_szAddress, sizeof item->m_szAddress, "%s", m_strBackupPath.GetString());
        return;
    }
    CSuperGridCtrl::CTreeItem* node = m_pGrid->GetTreeItem(m_pGrid->GetSelectedItem());
    if (!node)
        return;
    CItemInfo* row = m_pGrid->GetItemInfo(node);
    // A channel row stands for its DVR.
    if (row && row->m_nChannel && node->m_pParent)
        row = m_pGrid->GetItemInfo(node->m_pParent);
    if (!row)
        return;
    item->CopyObjects(row);
    item->m_lParam = row->m_bLookup ? 1 : 0;
    item->m_nTreeNo = m_nTreeNo;
}

void CDlgExplore::SetChannel(CItemInfo* item, const DWORD* masks, int count, const char* names)
{
    CSuperGridCtrl::CTreeItem* node = RowOf(FindItem(item));
    if (!node || !masks)
        return;
    m_pGrid->RemoveChannelRows(node);
    // A DVR row holds at most 16 channel rows.
    if (count > 16)
        count = 16;
    for (int i = 0; i < count; ++i) {
        if (!(masks[i / 32] & (1u << (i % 32))))
            continue;
        char name[24] = {};
        if (names && names[i * 24])
            std::memcpy(name, names + i * 24, sizeof name - 1);
        m_pGrid->InsertChNodeOfListCtrl(node, i + 1, name);
    }
}

void CDlgExplore::SetChStatus(CItemInfo* item, int channel, bool on)
{
    if (!item)
        return;
    if (CSuperGridCtrl::CTreeItem* node = m_pGrid->SearchTreeItem(item->GetItemText()))
        m_pGrid->SetChannelStatus(node, channel, on);
}

void CDlgExplore::SetSelectedDVR(CItemInfo* item, int n)
{
    if (!item)
        return;
    if (CSuperGridCtrl::CTreeItem* node = m_pGrid->SearchTreeItem(item->GetItemText()))
        m_pGrid->SelectDeviceOrChannel(node, n);
}

void CDlgExplore::SetDVRStatus(CItemInfo* item, int status)
{
    if (CItemInfo* row = FindItem(item)) {
        row->SetImage(status + 3);
        Invalidate();
        m_pGrid->Invalidate();
    }
}

void CDlgExplore::GetMyDVR(CSuperGridCtrl::CTreeItem* item)
{
    if (!item)
        return;
    for (CSuperGridCtrl::CTreeItem* child : item->m_listChild) {
        CItemInfo* info = m_pGrid->GetItemInfo(child);
        if (!info)
            continue;
        if (info->m_bFolder)
            GetMyDVR(child);
        else if (!info->m_nChannel)
            m_MyDVR.push_back({ info });
    }
}

void CDlgExplore::ResetMyDVR()
{
    m_MyDVR.clear();
    GetMyDVR(m_pGrid->m_pMyRoot);
}

int CDlgExplore::GetMyItemCount() const
{
    return m_pGrid->m_pMyRoot ? m_pGrid->CountDevices(m_pGrid->m_pMyRoot) : 0;
}

void CDlgExplore::SetCntMyDVR(int n)
{
    m_pGrid->SetCntMyDVR(n);
}

void CDlgExplore::SetPopupMenu(bool enable)
{
    m_pGrid->SetPopupMenu(enable);
}

void CDlgExplore::SetEnableMenu(bool enable)
{
    m_pGrid->SetEnableMenu(enable);
}

} // namespace morrik
