#include "explorer/Sel2Dlg.h"

#include "explorer/ModelRules.h"
#include "explorer/MorrikResources.h"
#include "explorer/NewOvel.h"
#include "explorer/TreeMessages.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/DocView.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WindowStyles.h"
#include "resources/morrik/Resource.h"

#include <cctype>
#include <cstring>

namespace morrik
{

BEGIN_MESSAGE_MAP(CSel2Dlg, CExplorerBase)
ON_WM_CREATE()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_PAINT()
ON_BN_CLICKED(IDC_SEL2_BACKUP, OnBtnOpenBackupFile)
ON_BN_CLICKED(IDC_SEL2_TREE0, OnBtnTree)
ON_BN_CLICKED(IDC_SEL2_TREE1, OnBtnTree2)
ON_BN_CLICKED(IDC_SEL2_TREE2, OnBtnTree3)
ON_MESSAGE(WM_TREE_INSERT_DEVICE, OnInsertDevice)
ON_MESSAGE(WM_TREE_EDIT_ITEM, OnEditItem)
ON_MESSAGE(WM_TREE_ITEM_MOVED, OnItemMoved)
ON_MESSAGE(WM_TREE_DELETE_ITEM, OnDeleteItem)
END_MESSAGE_MAP()

namespace
{

// Rounds of timer 400 over the life of the process, as in the pane but
// counted apart.
int g_nSel2Rounds = 0;

constexpr UINT kRediscoverPeriod = 30000;
constexpr int kBar = 18;
const char* const kTreeCaptions[SEL2_TREE_COUNT] = { "TOR592", "K386", "DVR" };

} // namespace

CSel2Dlg::CSel2Dlg(CWnd* pParent)
    : CExplorerBase(IDD_SEL2_DIALOG, pParent)
{
    m_nMode = 1;
    m_bUniQuestStopsOnFailure = true;
    m_bLookupByGroup = false;
    for (int tree = 0; tree < SEL2_TREE_COUNT; ++tree) {
        m_pGrid[tree] = new CMySuperGrid;
        m_pGrid[tree]->m_nTreeNo = tree;
    }
}

CSel2Dlg::~CSel2Dlg()
{
    StopDownload();
    DeleteSockets();
    for (CMySuperGrid*& grid : m_pGrid) {
        delete grid;
        grid = nullptr;
    }
}

INT_PTR CSel2Dlg::DoModal()
{
    CResourceScope scope(MorrikModule());
    return CDialog::DoModal();
}

int CSel2Dlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    const RECT empty { 0, 0, 0, 0 };
    m_ButtonFont.CreateFont(16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    for (int tree = 0; tree < SEL2_TREE_COUNT; ++tree) {
        CMySuperGrid* grid = m_pGrid[tree];
        grid->SetTreeOwner(this);
        grid->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, empty, this, IDC_EXPLORE_GRID);
        grid->m_nOwnerMode = m_nMode;
        grid->ResetFileIfNoFileIs(tree);
        grid->InitializeGrid();
        grid->SetExtendedStyle(0);
        grid->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    }
    return 0;
}

BOOL CSel2Dlg::OnInitDialog()
{
    CExplorerBase::OnInitDialog();
    // The tree buttons: the template's, hidden and disabled there, become
    // the bars of the trees.
    for (int tree = 0; tree < SEL2_TREE_COUNT; ++tree) {
        m_pTreeButton[tree] = GetDlgItem(IDC_SEL2_TREE0 + tree);
        if (!m_pTreeButton[tree])
            return TRUE;
        m_pTreeButton[tree]->SetWindowText(kTreeCaptions[tree]);
        m_pTreeButton[tree]->SetFont(&m_ButtonFont);
        m_pTreeButton[tree]->EnableWindow(TRUE);
    }
    m_nTreeNo = 2;
    OpenTree();
    if (m_nMode == 2)
        if (CWnd* backup = GetDlgItem(IDC_SEL2_BACKUP))
            backup->ShowWindow(SW_HIDE);
    ExecuteTree();
    JobTree(2);
    m_pTreeButton[0]->ShowWindow(SW_HIDE);
    m_pTreeButton[1]->ShowWindow(SW_HIDE);
    return TRUE;
}

void CSel2Dlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    // Minimised: the icon, centred in the client area over its background.
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(HandleOf(&dc)));
    RECT client {};
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

void CSel2Dlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    OpenTree();
}

// --- Layout -----------------------------------------------------------------------

void CSel2Dlg::PlaceButton(int tree, int left, int y, int width)
{
    m_pTreeButton[tree]->MoveWindow(left, y, width, kBar);
    m_pTreeButton[tree]->ShowWindow(SW_SHOW);
}

void CSel2Dlg::OpenTree()
{
    CWnd* frame = GetDlgItem(IDC_SEL2_FRAME);
    if (!frame || !m_pGrid[0]->GetSafeHwnd() || !m_pTreeButton[2])
        return;
    RECT r {};
    frame->GetWindowRect(&r);
    ScreenToClient(&r);
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    for (int tree = 0; tree < SEL2_TREE_COUNT; ++tree)
        m_pGrid[tree]->ShowWindow(tree == m_nTreeNo ? SW_SHOW : SW_HIDE);
    CMySuperGrid* grid = CurrentGrid();
    if (m_nTreeNo == 2) {
        PlaceButton(2, L + 1, T + 2, R - 2 * L + 9);
        grid->MoveWindow(L, T + kBar, R - 2 * L + 11, B - T - kBar);
        m_pTreeButton[0]->MoveWindow(-1, -1, 1, 1);
        m_pTreeButton[1]->MoveWindow(-1, -1, 1, 1);
    } else {
        // An accordion: the bars of the trees before the current one above
        // its grid, the others below it.
        const int width = R - L - 2;
        int top = T + 1;
        for (int tree = 0; tree <= m_nTreeNo; ++tree, top += kBar)
            PlaceButton(tree, L + 1, top, width);
        int bottom = B - 1;
        for (int tree = SEL2_TREE_COUNT - 1; tree > m_nTreeNo; --tree) {
            bottom -= kBar;
            PlaceButton(tree, L + 1, bottom, width);
        }
        grid->MoveWindow(L + 1, top, width, bottom - top);
    }
    grid->SetFirstColumn(R - L - 4);
}

// --- Discovery cycles ---------------------------------------------------------------

void CSel2Dlg::ExecuteTree()
{
    UdpSocket();
    YemSocket();
    for (CMySuperGrid* grid : m_pGrid)
        LoadTree(grid);
    SendUdpMsg();
    for (CMySuperGrid* grid : m_pGrid) {
        grid->m_bDiscovering = true;
        grid->m_bLookupDone = true;
    }
    SetTimer(TIMER_FIRST_SEARCH_END, 3000);
    m_pGrid[0]->SendYemMsg();
    m_bWaitIp = false;
    m_strWaitIp.Empty();
}

void CSel2Dlg::JobTree(int n)
{
    ExeColumnclick(n);
    SetLastTree();
}

void CSel2Dlg::ExeColumnclick(int n)
{
    if (n < 0 || n >= SEL2_TREE_COUNT)
        return;
    if (n != m_nTreeNo) {
        m_nTreeNo = n;
        OpenTree();
    }
    InitAndRefresh();
}

void CSel2Dlg::InitAndRefresh()
{
    CMySuperGrid* grid = CurrentGrid();
    if (m_nTreeNo == 1) {
        grid->m_bFirstOpen = !m_bTreeOpened[1];
        m_bTreeOpened[1] = true;
    } else if (m_nTreeNo == 0) {
        grid->m_bFirstOpen = false;
    }
    grid->SetBar();
    grid->DeleteYem();
    grid->m_bDiscovering = true;
    SetTimer(TIMER_SEARCH_END, 5000);
    KillTimer(TIMER_REDRAW);
    SetTimer(TIMER_REDRAW, 200);
    KillTimer(TIMER_REDISCOVER);
    Refresh();
    SetTimer(TIMER_REDISCOVER, kRediscoverPeriod);
}

void CSel2Dlg::Refresh()
{
    CMySuperGrid* grid = CurrentGrid();
    grid->ConfirmCamOfRoots();
    grid->ResetCamOfRoots();
    ReqDiscoveryMsg();
    grid->SendIpMsgOfMyOvel();
    grid->SendYemMsg();
}

void CSel2Dlg::SendUdpMsg()
{
    CMySuperGrid* grid = CurrentGrid();
    grid->ResetCamOfRoots();
    SetTimer(TIMER_FIRST_ROUNDS, 300);
    ReqDiscoveryMsg();
    for (int i = 0; i < 3; ++i)
        grid->SendIpMsgOfMyOvel();
    SetTimer(TIMER_REDISCOVER, kRediscoverPeriod);
}

void CSel2Dlg::OnTimer(UINT_PTR nIDEvent)
{
    CMySuperGrid* grid = CurrentGrid();
    switch (nIDEvent) {
    case TIMER_ADD_WAIT:
        OnAddWaitTimer();
        Refresh();
        break;
    case TIMER_REDISCOVER:
        grid->ConfirmCamOfRoots();
        grid->ResetCamOfRoots();
        ReqDiscoveryMsg();
        grid->SendIpMsgOfMyOvel();
        break;
    case TIMER_REDRAW:
        // Keeps redrawing the current tree.
        grid->RedrawTree();
        break;
    case TIMER_SEARCH_END:
        OnSearchEnd(grid);
        break;
    case TIMER_FIRST_SEARCH_END:
        for (CMySuperGrid* each : m_pGrid)
            each->m_bDiscovering = false;
        KillTimer(TIMER_FIRST_SEARCH_END);
        break;
    case TIMER_FIRST_ROUNDS:
        OnFirstRound(grid, g_nSel2Rounds);
        break;
    default:
        CDialog::OnTimer(nIDEvent);
    }
}

int CSel2Dlg::FilterModel(const char* model) const
{
    return FilterModelTree(model);
}

void CSel2Dlg::ResDiscoverProc(const RES_DISCOVER_OVEL* record)
{
    // The probed camera answers the add-camera dialog, whatever tree is open.
    if (m_pNewOvel && m_dwProbeAddress && record->ipAddress == m_dwProbeAddress)
        m_pNewOvel->ResUniQuestMsg(record);
    if (FilterModel(record->model) != m_nTreeNo)
        return;
    CMySuperGrid* grid = CurrentGrid();
    if (m_bWaitIp && m_strWaitIp == CString(FormatIpAddress(record->ipAddress).c_str())) {
        m_bWaitIp = false;
        m_strWaitIp.Empty();
        grid->SetYemItem(record);
        return;
    }
    grid->ResDiscoverProc(record);
}

void CSel2Dlg::RetYemMsg(const ZPT_NODE* node)
{
    // A device of no tree goes to none.
    if (CMySuperGrid* grid = Grid(FilterModel(node->szModel)))
        grid->RetYemMsg(node);
}

// --- Messages of the grids ----------------------------------------------------------

LRESULT CSel2Dlg::OnInsertDevice(WPARAM wParam, LPARAM lParam)
{
    return m_pParent ? m_pParent->SendMessage(WM_TREE_INSERT_DEVICE, wParam, lParam) : 0;
}

LRESULT CSel2Dlg::OnEditItem(WPARAM wParam, LPARAM lParam)
{
    if (m_pParent)
        return m_pParent->SendMessage(WM_TREE_EDIT_ITEM, wParam, lParam);
    // Nobody takes the copy.
    delete reinterpret_cast<CItemInfo*>(lParam);
    return 0;
}

LRESULT CSel2Dlg::OnItemMoved(WPARAM wParam, LPARAM lParam)
{
    // A row that came into "My DVR" is edited by the host.
    if (wParam == 1)
        PostMessage(WM_TREE_EDIT_ITEM, 3, lParam);
    return 0;
}

LRESULT CSel2Dlg::OnDeleteItem(WPARAM, LPARAM)
{
    Refresh();
    return 0;
}

// --- Devices ------------------------------------------------------------------------

void CSel2Dlg::ModifyDVR(CItemInfo* treeItem, CItemInfo* edited, bool copy)
{
    if (!treeItem || !edited)
        return;
    CMySuperGrid* grid = CurrentGrid();
    std::memset(edited->m_byMac, 0, sizeof edited->m_byMac);
    std::memset(edited->m_szSerial, 0, sizeof edited->m_szSerial);
    const bool moved = strncmp(treeItem->m_szAddress, edited->m_szAddress, 128) != 0
        || treeItem->m_dwService1Port != edited->m_dwService1Port;
    if (moved && FindItem(edited)) {
        MorrikMessageBox(IDS_TREE_DVR_EXISTS, MB_ICONEXCLAMATION);
        return;
    }
    CItemInfo* row = FindItem(treeItem);
    CSuperGridCtrl::CTreeItem* node = row ? grid->FindTreeItem(row) : nullptr;
    if (!node)
        return;
    if (edited->GetItemText() != row->GetItemText() && grid->HasSiblingNamed(node, edited->GetItemText())) {
        MorrikMessageBox(IDS_TREE_NAME_USED);
        return;
    }
    row->SetItemText(edited->GetItemText());
    if (copy) {
        std::memcpy(row->m_service2, edited->m_service2, sizeof row->m_service2);
        std::memcpy(row->m_login.szUser, edited->m_login.szUser, sizeof row->m_login.szUser);
    }
    const ACCOUNT_ENTRY& pair = edited->m_service1[0];
    for (int kind = 0; kind < 3; ++kind)
        row->SetPasswd(kind, reinterpret_cast<const BYTE*>(pair.szUser), pair.byPassword);
    CopyWhereabouts(*row, *edited);
    CWaitCursor wait;
    SetCapture();
    grid->SendMessage(WM_TREE_SAVE, 0, 0);
    Refresh();
    ReleaseCapture();
}

void CSel2Dlg::GetSelectedCam(CItemInfo* item)
{
    if (!item)
        return;
    if (m_bBackup) {
        item->m_lParam = 2;
        item->SetItemText(m_strBackupTitle);
        std::snprintf(item->m_szAddress, sizeof item->m_szAddress, "%s", m_strBackupPath.GetString());
        return;
    }
    // The device chosen at OK, not whatever is selected now.
    item->CopyObjects(&m_Chosen);
    item->m_lParam = m_Chosen.m_bLookup ? 1 : 0;
    item->m_nTreeNo = m_Chosen.m_nTreeNo;
}

void CSel2Dlg::GetConnectCamAndCloseDlg(CItemInfo* item)
{
    m_bConnect = true;
    m_pConnectItem = item;
    m_pSelected = item;
    OnOK();
}

void CSel2Dlg::OnOK()
{
    if (m_bBackup) {
        EndDialog(IDOK);
        return;
    }
    KillTimer(TIMER_REDISCOVER);
    CItemInfo* chosen = nullptr;
    if (m_bConnect) {
        m_bConnect = false;
        chosen = m_pConnectItem;
        if (!chosen)
            return;
    } else {
        CMySuperGrid* grid = CurrentGrid();
        CSuperGridCtrl::CTreeItem* node = grid->GetTreeItem(grid->GetSelectedItem());
        CItemInfo* row = grid->GetItemInfo(node);
        if (row && row->m_nChannel && node->m_pParent)
            row = grid->GetItemInfo(node->m_pParent);
        if (!row || row->m_bFolder) {
            MorrikMessageBox(IDS_EXPLORE_FOLDER_SELECTED);
            return;
        }
        chosen = row;
    }
    m_pSelected = chosen;
    chosen->m_nTreeNo = m_nTreeNo;
    CallGetAddress(chosen);
    if (chosen->m_bInFile)
        SetLastCam(m_nMode, chosen);
    m_Chosen.CopyObjects(chosen);
    m_Chosen.m_nTreeNo = m_nTreeNo;
    EndDialog(IDOK);
}

void CSel2Dlg::OnBtnOpenBackupFile()
{
    m_strBackupPath.Empty();
    m_strBackupTitle.Empty();
    m_strBackupExt.Empty();
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ENABLESIZING,
        "Backup Files (*.re3;*.vfs2)|*.re3;*.vfs2||", this);
    if (dialog.DoModal() != IDOK)
        return;
    std::string ext = dialog.GetFileExt().GetString();
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (ext != "re3" && ext != "vfs2") {
        CString text;
        text.Format(MorrikString(IDS_EXPLORE_BAD_BACKUP).GetString(), dialog.GetPathName().GetString());
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return;
    }
    m_bBackup = true;
    m_strBackupExt = ext.c_str();
    m_strBackupTitle = dialog.GetFileTitle();
    m_strBackupPath = dialog.GetPathName();
    OnOK();
}

void CSel2Dlg::OnCancel()
{
    KillTimer(TIMER_REDISCOVER);
    EndDialog(IDCANCEL);
}

void CSel2Dlg::DeleteMem()
{
    for (CMySuperGrid* grid : m_pGrid)
        grid->DeleteMem();
}

} // namespace morrik
