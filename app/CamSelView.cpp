#include "app/CamSelView.h"

#include "app/CamSelSettings.h"
#include "app/ConfigView.h"
#include "app/MainFrame.h"
#include "devtree/TreeFile.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "link/ThreadZpt.h"
#include "link/WindowMessages.h"
#include "platform/base/Services.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WinApp.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(CCamSelView, CView)

BEGIN_MESSAGE_MAP(CCamSelView, CView)
ON_WM_CREATE()
ON_WM_TIMER()
ON_WM_SIZE()
ON_BN_CLICKED(IDC_FAMILY_BUTTON_FIRST + 0, OnFamily0)
ON_BN_CLICKED(IDC_FAMILY_BUTTON_FIRST + 1, OnFamily1)
ON_BN_CLICKED(IDC_FAMILY_BUTTON_FIRST + 2, OnFamily2)
ON_BN_CLICKED(IDC_FAMILY_BUTTON_FIRST + 3, OnFamily3)
ON_BN_CLICKED(IDC_FAMILY_BUTTON_FIRST + 4, OnFamily4)
ON_COMMAND(ID_CAMSEL_ADD_DEVICE, OnAddDevice)
ON_COMMAND(ID_CAMSEL_DELETE_DEVICE, OnDeleteDevice)
ON_COMMAND(ID_CAMSEL_RESTART_DISCOVERY, OnRestartDiscovery)
ON_MESSAGE(WM_DEVICE_CLEAR, OnDeviceClear)
ON_MESSAGE(WM_DEVICE_SELECT, OnDeviceSelect)
ON_MESSAGE(WM_DEVICE_INFO, OnDeviceInfo)
ON_MESSAGE(WM_DEVICE_REPLY, OnDeviceReply)
ON_MESSAGE(WM_DEVICE_UPDATE, OnDeviceUpdate)
ON_MESSAGE(WM_DEVICE_SELECT_IN_FAMILY, OnDeviceSelectInFamily)
ON_MESSAGE(WM_DEVICE_CHANGE_IP, OnDeviceChangeIp)
ON_MESSAGE(WM_REGSERVER_RECORD, OnRetYemMsg)
END_MESSAGE_MAP()

namespace
{

const char* const kFamilyCaptions[FAMILY_COUNT] = { "TOR592", "Module", "Z3PAL", "K386", "DVR" };

// Model keys of the camera families, matched as parts of the lower-cased model.
const char* const kFamily1Keys[] = { "nc-4" };
const char* const kFamily2Keys[] = { "sv-", "z3pal", "stream", "ss-", "sv4", "sv2" };
const char* const kFamily3Keys[] = { "vs-", "k386", "vs1" };

template <size_t N> bool MatchesAny(const std::string& model, const char* const (&keys)[N])
{
    return std::any_of(std::begin(keys), std::end(keys),
        [&](const char* key) { return model.find(key) != std::string::npos; });
}

} // namespace

CCamSelView::CCamSelView() = default;

CCamSelView::~CCamSelView()
{
    delete m_pThreadZpt;
}

int CCamSelView::ClassifyModel(const char* model)
{
    std::string lower(model ? model : "");
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (MatchesAny(lower, kFamily1Keys))
        return 1;
    if (MatchesAny(lower, kFamily2Keys))
        return 2;
    if (MatchesAny(lower, kFamily3Keys))
        return 3;
    return ModelNameToRecorderModel(lower) >= 0 ? FAMILY_DVR : 0;
}

int CCamSelView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dwLastFamily = ReadCamSelSettings();
    m_ButtonFont.CreateFont(16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    const RECT empty { 0, 0, 0, 0 };
    for (int family = 0; family < FAMILY_COUNT; ++family) {
        m_FamilyButton[family].Create(kFamilyCaptions[family], WS_CHILD | WS_VISIBLE, empty, this,
            IDC_FAMILY_BUTTON_FIRST + UINT(family));
        m_FamilyButton[family].SetFont(&m_ButtonFont);
        // Families 1 and 2 have no registration-server branch.
        CMySuperGrid& tree = m_Tree[family];
        tree.m_bHasServer = family == 1 || family == 2 ? 0 : 1;
        tree.m_nFamily = uint32_t(family);
        tree.SetInstallFolder(g_szInstallDir);
        tree.SetOwnerView(this);
        tree.SetProbeView(this);
        tree.Create(
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, empty, this, IDC_DEVICE_TREE);
        tree.InitializeGrid();
    }
    // This build shows the DVR family only, whatever was stored.
    m_dwLastFamily = FAMILY_DVR;
    m_nCurrentFamily = FAMILY_DVR;
    // Menus and dialogs read the family before any device is selected.
    g_CurrentDevice.dwFamily = FAMILY_DVR;
    if (CConfigView* view = ConfigView())
        view->m_nRequestedFamily = FAMILY_DVR;
    LayoutPane();
    return 0;
}

void CCamSelView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    LayoutPane();
}

void CCamSelView::LayoutPane()
{
    m_nCurrentFamily = FAMILY_DVR;
    RECT client;
    GetClientRect(&client);
    const int width = client.right - client.left;
    for (int family = 0; family < FAMILY_COUNT; ++family) {
        CButton& button = m_FamilyButton[family];
        if (!button.GetSafeHwnd())
            continue;
        if (family == FAMILY_DVR) {
            button.MoveWindow(-1, -1, width + 2, 19);
            button.ShowWindow(SW_SHOW);
            CMySuperGrid& tree = m_Tree[family];
            if (tree.GetSafeHwnd()) {
                tree.MoveWindow(
                    -2, int(client.top) + 16, width + 3, std::max(int(client.bottom - client.top) - 16, 0));
                tree.SetColumnWidth(0, std::max(width - 4, 0));
                tree.ShowWindow(SW_SHOW);
            }
        } else {
            button.MoveWindow(-2, 0, 1, 0);
            button.ShowWindow(SW_HIDE);
            if (m_Tree[family].GetSafeHwnd())
                m_Tree[family].ShowWindow(SW_HIDE);
        }
    }
}

void CCamSelView::OnDraw(CDC* pDC)
{
    RECT client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
}

CConfigView* CCamSelView::ConfigView() const
{
    auto* frame = dynamic_cast<CMainFrame*>(g_pMainWnd ? g_pMainWnd : AfxGetMainWnd());
    return frame ? frame->m_pConfigView : nullptr;
}

void CCamSelView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    g_pMainWnd = AfxGetMainWnd();
    if (m_dwLastFamily <= FAMILY_DVR) {
        InitPane();
        if (m_dwLastFamily >= 1)
            SetFamily(int(m_dwLastFamily));
    }
    SetTimer(TIMER_RESTART, 1000);
}

void CCamSelView::InitPane()
{
    CreateAdapterSockets();
    CreateRegServerSocket();
    for (int family = 0; family < FAMILY_COUNT; ++family) {
        CMySuperGrid& tree = m_Tree[family];
        // The DVR tree's file exists from the first start on.
        tree.ResetFileIfNoFileIs(family);
        tree.ReadTreeFileAndConsistLlist();
        tree.OpenLastCam(0);
        tree.m_bRedrawNeeded = 1;
    }
    StartDiscovery();
    SetTimer(TIMER_FIRST_SEARCH_END, 3000);
    m_Tree[0].SendYemMsg();
    m_pIpChangeWaiter = nullptr;
    m_strIpChangeAddress.clear();
}

void CCamSelView::CreateAdapterSockets()
{
    for (auto& socket : m_pAdapterSocket)
        socket.reset();
    std::memset(m_szAdapterAddress, 0, sizeof m_szAdapterAddress);
    m_nAdapterCount = 0;
    for (const AdapterInfo& adapter : Service<INetworkEnvironment>().GetAdapters()) {
        if (m_nAdapterCount == MAX_ADAPTERS)
            break;
        std::strncpy(
            m_szAdapterAddress[m_nAdapterCount], adapter.ipAddress.c_str(), sizeof m_szAdapterAddress[0] - 1);
        ++m_nAdapterCount;
    }
    if (m_nAdapterCount == 0) {
        std::strcpy(m_szAdapterAddress[0], "0.0.0.0");
        m_nAdapterCount = 1;
    }
    for (int i = 0; i < m_nAdapterCount; ++i) {
        auto socket = std::make_unique<CMsgSocket>();
        // A socket that cannot be made stays out and sends nothing.
        if (socket->Create(0, SOCK_DGRAM, FD_READ | FD_WRITE, m_szAdapterAddress[i])) {
            socket->Init(this);
            m_pAdapterSocket[i] = std::move(socket);
        }
    }
}

void CCamSelView::StartDiscovery()
{
    m_Tree[m_nCurrentFamily].ClearOnlineFlags();
    m_nFirstRedraws = 0;
    SetTimer(TIMER_FIRST_REDRAWS, 300);
    ReqDiscoveryMsg();
    m_Tree[m_nCurrentFamily].SendIpMsgOfMyOvel();
    SetTimer(TIMER_REBROADCAST, REBROADCAST_PERIOD_MS);
}

BOOL CCamSelView::ReqDiscoveryMsg()
{
    BOOL sent = TRUE;
    for (int i = 0; i < m_nAdapterCount; ++i) {
        if (m_pAdapterSocket[i] && !m_pAdapterSocket[i]->ReqDiscoveryMsg())
            sent = FALSE;
    }
    return sent;
}

BOOL CCamSelView::CreateRegServerSocket()
{
    m_RegServerSocket.Close();
    if (!m_RegServerSocket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, nullptr)) {
        AfxMessageBox("UDP Socket Creation Fails");
        return FALSE;
    }
    m_RegServerSocket.Reset(this);
    return TRUE;
}

bool CCamSelView::ReqUniQuestMsg(const char* address)
{
    for (int i = 0; i < m_nAdapterCount; ++i) {
        if (m_pAdapterSocket[i] && !m_pAdapterSocket[i]->ReqUniQuestMsg(address))
            return false;
    }
    return true;
}

BOOL CCamSelView::ReqChangeIpMsg(const BYTE* password16, const BYTE* mac, DWORD dwNewAddress)
{
    m_bIpChangeSent = true;
    for (int i = 0; i < m_nAdapterCount; ++i) {
        if (m_pAdapterSocket[i] && !m_pAdapterSocket[i]->ReqChngIPAddrMsg(password16, mac, dwNewAddress))
            return FALSE;
    }
    return TRUE;
}

void CCamSelView::Rebroadcast()
{
    CMySuperGrid& tree = m_Tree[m_nCurrentFamily];
    // Devices that did not answer since the last round go offline.
    tree.EndDiscoveryCycle();
    tree.ClearOnlineFlags();
    ReqDiscoveryMsg();
    tree.SendIpMsgOfMyOvel();
}

void CCamSelView::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_REBROADCAST:
        Rebroadcast();
        break;
    case TIMER_REDRAW:
        if (m_Tree[m_nCurrentFamily].m_bRedrawNeeded) {
            m_Tree[m_nCurrentFamily].m_bRedrawNeeded = 0;
            m_Tree[m_nCurrentFamily].Invalidate(FALSE);
        }
        break;
    case TIMER_SEARCH_END:
        KillTimer(TIMER_SEARCH_END);
        SetTimer(TIMER_REDRAW, 1000);
        break;
    case TIMER_FIRST_SEARCH_END:
        KillTimer(TIMER_FIRST_SEARCH_END);
        break;
    case TIMER_FIRST_REDRAWS:
        m_Tree[m_nCurrentFamily].Invalidate(FALSE);
        if (m_nFirstRedraws++ == 3) {
            KillTimer(TIMER_FIRST_REDRAWS);
            SetTimer(TIMER_REDRAW, 1000);
            m_bRedrawTimerRuns = true;
        }
        break;
    case TIMER_RESTART:
        KillTimer(TIMER_RESTART);
        RestartDiscovery();
        break;
    default:
        break;
    }
}

void CCamSelView::RestartDiscovery()
{
    m_bFirstRun = false;
    SetTimer(TIMER_SEARCH_END, 5000);
    SetTimer(TIMER_REDRAW, 200);
    m_bRedrawTimerRuns = true;
    KillTimer(TIMER_REBROADCAST);
    // A download still running belongs to the last round.
    delete m_pThreadZpt;
    m_pThreadZpt = nullptr;
    Rebroadcast();
    m_Tree[m_nCurrentFamily].SendYemMsg();
    SetTimer(TIMER_REBROADCAST, REBROADCAST_PERIOD_MS);
}

BOOL CCamSelView::ReqFindMsg(const RegServerRecord& query)
{
    if (!m_pThreadZpt) {
        m_pThreadZpt = new CThreadZpt(this);
        m_pThreadZpt->ResumeThread();
    }
    if (m_pThreadZpt->m_bBusy)
        return TRUE;
    RegServerRecord record = query;
    record.dwProtocol = m_nCurrentFamily == 2 ? 0x0202 : m_nCurrentFamily == FAMILY_DVR ? 0x0502 : 0x0501;
    const int slot = m_pThreadZpt->AddRecord(&record);
    return m_pThreadZpt->PostThreadMessage(WM_REGSERVER_FETCH, WPARAM(slot), 3);
}

LRESULT CCamSelView::OnRetYemMsg(WPARAM wParam, LPARAM)
{
    auto* node = reinterpret_cast<ZPT_NODE*>(wParam);
    if (!node)
        return 1;
    TakeRegServerRecord(node);
    std::free(node);
    return 1;
}

void CCamSelView::OnRegServerRecord(ZPT_NODE* pNode)
{
    if (pNode)
        TakeRegServerRecord(pNode);
}

void CCamSelView::TakeRegServerRecord(ZPT_NODE* node)
{
    ParseDirectoryReply(node);
    char model[17] = {};
    std::memcpy(model, node->szModel, 16);
    m_Tree[ClassifyModel(model)].RetYemMsg(node);
}

void CCamSelView::OnAddDevice()
{
    m_Tree[m_nCurrentFamily].OnAddCam();
}

void CCamSelView::OnDeleteDevice()
{
    m_Tree[m_nCurrentFamily].OnDelete();
}

void CCamSelView::SetFamily(int family)
{
    if (family != m_nCurrentFamily) {
        m_nCurrentFamily = family;
        if (CConfigView* view = ConfigView())
            view->m_nRequestedFamily = family;
        LayoutPane();
    }
    RestartDiscovery();
    if (CConfigView* view = ConfigView())
        view->m_nRequestedFamily = family;
}

void CCamSelView::OnFamilyButton(int family)
{
    CConfigView* view = ConfigView();
    if (view && view->HasSheet()) {
        RestartDiscovery();
        if (family != m_nCurrentFamily)
            AfxMessageBox(LoadResourceString(IDS_CLOSE_TAB_FIRST).c_str());
    } else {
        SetFamily(family);
        WriteLastTreeNo(DWORD(m_nCurrentFamily));
    }
    g_CurrentDevice.dwFamily = uint32_t(family);
}

void CCamSelView::ResDiscoverProc(RES_DISCOVER_OVEL* pReply)
{
    if (!pReply || ClassifyModel(pReply->model) != m_nCurrentFamily)
        return;
    if (m_pAddDvrDlg && m_dwAwaitedAddress && pReply->ipAddress == m_dwAwaitedAddress) {
        m_pAddDvrDlg->OnProbeReply(*pReply);
        return;
    }
    const std::string from = FormatIpAddress(pReply->ipAddress);
    if (m_pIpChangeWaiter && from == m_strIpChangeAddress) {
        CConfigView* waiter = m_pIpChangeWaiter;
        m_pIpChangeWaiter = nullptr;
        m_strIpChangeAddress.clear();
        m_bIpChangeSent = false;
        waiter->OnIpChangeReply(pReply);
        return;
    }
    m_Tree[m_nCurrentFamily].ResDiscoverProc(pReply);
    // The rebooted device is back: the tree has put it on line again.
    if (m_pRebootWaiter && from == m_strRebootAddress) {
        IRebootWaiter* waiter = m_pRebootWaiter;
        m_pRebootWaiter = nullptr;
        m_strRebootAddress.clear();
        waiter->OnDeviceReturned();
    }
}

void CCamSelView::SetChangedIp()
{
    // The device took its new address: the selected node learns it, so that
    // its answer from there is known as this device's.
    CConfigView* view = ConfigView();
    if (view && view->IsIpChanging())
        m_Tree[m_nCurrentFamily].SetChangedIp(view->NewAddress());
}

BOOL CCamSelView::IsIpChangePending()
{
    return m_bIpChangeSent && m_pIpChangeWaiter;
}

void CCamSelView::DoLogin()
{
    if (CConfigView* view = ConfigView())
        view->OnButtonLogin();
}

void CCamSelView::RequestLogin()
{
    if (CConfigView* view = ConfigView())
        view->LoginIfLoggedOut();
}

void CCamSelView::ReqUniQuestMsg(const char* address, bool isProbe)
{
    if (isProbe)
        m_dwAwaitedAddress = ParseIpAddress(address ? address : "");
    ReqUniQuestMsg(address);
}

namespace
{

RegServerRecord ServerQuery(const char* server)
{
    RegServerRecord query;
    std::memset(&query, 0, sizeof query);
    CopyFixedText(query.szServerAddress, sizeof query.szServerAddress, server ? server : "", 64);
    return query;
}

} // namespace

void CCamSelView::RequestLookup(
    const char* host, const uint8_t lookup[16], const char* serial, const char* key)
{
    RegServerRecord query = ServerQuery(host);
    CopyFixedText(query.szKey32, sizeof query.szKey32, serial ? serial : "", 24);
    CopyFixedText(query.szMac, sizeof query.szMac, key ? key : "", 24);
    if (lookup)
        std::memcpy(query.szText16, lookup, sizeof query.szText16);
    ReqFindMsg(query);
}

void CCamSelView::FetchGroup(const char* serverAddress, const char* groupId)
{
    RegServerRecord query = ServerQuery(serverAddress);
    // A group id fills its 16 bytes; it need not end in a terminator.
    std::strncpy(query.szText16, groupId ? groupId : "", sizeof query.szText16);
    ReqFindMsg(query);
}

void CCamSelView::RegistrationAddress(const char*) { }

void CCamSelView::ClearProbe()
{
    m_pAddDvrDlg = nullptr;
    m_dwAwaitedAddress = 0;
}

void CCamSelView::DialUp()
{
    CConfigView::DialUpLogin();
}

void CCamSelView::HangUp()
{
    CConfigView::HangUpDialUp();
}

void CCamSelView::ClearAddressChanged()
{
    if (CConfigView* view = ConfigView())
        view->ClearAddressChanged();
}

void CCamSelView::WaitForReboot(IRebootWaiter* pWaiter, const char* address)
{
    m_pRebootWaiter = pWaiter;
    m_strRebootAddress = pWaiter && address ? address : "";
}

void CCamSelView::WaitForAddressChange(CConfigView* pWaiter, const char* address)
{
    m_pIpChangeWaiter = pWaiter;
    m_strIpChangeAddress = address ? address : "";
    if (!pWaiter)
        m_bIpChangeSent = false; // the change ended
}

LRESULT CCamSelView::OnDeviceClear(WPARAM wParam, LPARAM lParam)
{
    if (CConfigView* view = ConfigView())
        view->OnDeviceClear(wParam, lParam);
    return 1;
}

LRESULT CCamSelView::OnDeviceSelect(WPARAM wParam, LPARAM lParam)
{
    if (CConfigView* view = ConfigView())
        view->OnDeviceSelect(wParam, lParam);
    return 1;
}

LRESULT CCamSelView::OnDeviceInfo(WPARAM wParam, LPARAM lParam)
{
    if (CConfigView* view = ConfigView())
        view->OnDeviceInfo(wParam, lParam);
    return 1;
}

LRESULT CCamSelView::OnDeviceReply(WPARAM wParam, LPARAM lParam)
{
    if (CConfigView* view = ConfigView())
        view->OnDeviceReply(wParam, lParam);
    return 1;
}

LRESULT CCamSelView::OnDeviceUpdate(WPARAM wParam, LPARAM lParam)
{
    auto* record = reinterpret_cast<SELECTED_DEVICE*>(wParam);
    CConfigView* view = ConfigView();
    if (view && record && int(record->dwFamily) == m_nCurrentFamily)
        view->OnDeviceUpdate(wParam, lParam != 0);
    return 1;
}

LRESULT CCamSelView::OnDeviceSelectInFamily(WPARAM wParam, LPARAM lParam)
{
    auto* record = reinterpret_cast<SELECTED_DEVICE*>(wParam);
    CConfigView* view = ConfigView();
    if (view && record && int(record->dwFamily) == m_nCurrentFamily)
        view->OnDeviceSelect(wParam, lParam);
    return 1;
}

LRESULT CCamSelView::OnDeviceChangeIp(WPARAM wParam, LPARAM lParam)
{
    if (CConfigView* view = ConfigView())
        view->StartIpChange(DWORD(wParam), reinterpret_cast<LPCTSTR>(lParam));
    return 1;
}
