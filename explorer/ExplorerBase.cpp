#include "explorer/ExplorerBase.h"

#include "explorer/ExplorerRegistry.h"
#include "explorer/ModelRules.h"
#include "explorer/MorrikResources.h"
#include "explorer/MsgSocket.h"
#include "explorer/PortQuerySocket.h"
#include "explorer/RegServerSocket.h"
#include "explorer/ThreadZpt.h"
#include "explorer/TreeMessages.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/ResourceModule.h"
#include "resources/morrik/Resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace morrik
{

BEGIN_MESSAGE_MAP(CExplorerBase, CDialog)
ON_WM_DESTROY()
ON_WM_QUERYDRAGICON()
ON_MESSAGE(WM_RES_DISCOVER, OnResDiscover)
ON_MESSAGE(WM_REGSERVER_RECORD, OnRegServerRecord)
END_MESSAGE_MAP()

CExplorerBase::CExplorerBase(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent)
    , m_pParent(pParent)
{
    OpenRegistry();
    // From the library's own module, whatever module the host uses.
    m_hIcon = ::LoadIcon(MorrikModule(), IDR_EXPLORE_ICON);
}

BOOL CExplorerBase::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

CExplorerBase::~CExplorerBase()
{
    StopDownload();
    DeleteSockets();
}

void CExplorerBase::OnDestroy()
{
    // While the window still takes what the thread and sockets send.
    StopDownload();
    DeleteSockets();
    CDialog::OnDestroy();
}

void CExplorerBase::DeleteMsgSockets()
{
    for (int i = 0; i < MAX_ADAPTERS; ++i) {
        delete m_pMsgSocket[i];
        m_pMsgSocket[i] = nullptr;
        m_bSocketReady[i] = false;
    }
    m_nSocketCount = 0;
}

void CExplorerBase::DeleteSockets()
{
    DeleteMsgSockets();
    delete m_pYemSocket;
    m_pYemSocket = nullptr;
}

void CExplorerBase::StopDownload()
{
    if (!m_pThreadZpt)
        return;
    // Cooperatively: the thread lets go of this dialog, its FTP sockets are
    // closed under a fetch in progress, and it is joined.
    m_pThreadZpt->Stop();
    delete m_pThreadZpt;
    m_pThreadZpt = nullptr;
}

// --- Model rules and registry ---------------------------------------------------

bool CExplorerBase::IsItQARN(char* text)
{
    return morrik::IsItQARN(text);
}

bool CExplorerBase::IsItModule(char* text)
{
    return morrik::IsItModule(text);
}

bool CExplorerBase::IsItZ3PAL(char* text)
{
    return morrik::IsItZ3PAL(text);
}

bool CExplorerBase::IsItK386(char* text)
{
    return morrik::IsItK386(text);
}

void CExplorerBase::OpenRegistry()
{
    m_nTreeNo = OpenExplorerRegistry();
}

void CExplorerBase::SetLastTree()
{
    WriteLastTree(m_nTreeNo);
}

// --- Discovery ------------------------------------------------------------------

void CExplorerBase::UdpSocket()
{
    DeleteMsgSockets();
    m_nSocketCount = ReadAdapterAddresses(m_szAdapterAddress);
    for (int i = 0; i < m_nSocketCount; ++i) {
        // A socket that cannot be made stays in the table and never sends.
        m_pMsgSocket[i] = new CMsgSocket;
        m_bSocketReady[i] = m_pMsgSocket[i]->Create(0, SOCK_DGRAM, FD_READ, m_szAdapterAddress[i]);
        if (m_bSocketReady[i])
            m_pMsgSocket[i]->Init(this);
    }
}

BOOL CExplorerBase::ReqDiscoveryMsg()
{
    for (int i = 0; i < m_nSocketCount; ++i)
        if (m_bSocketReady[i])
            m_pMsgSocket[i]->ReqDiscoveryMsg();
    return TRUE;
}

bool CExplorerBase::ReqUniQuestMsg(const CString& address)
{
    CString target = address;
    bool sent = true;
    for (int i = 0; i < m_nSocketCount; ++i) {
        if (!m_bSocketReady[i])
            continue;
        if (!m_pMsgSocket[i]->ReqUniQuestMsg(target)) {
            sent = false;
            if (m_bUniQuestStopsOnFailure)
                return false;
        }
    }
    return sent;
}

LRESULT CExplorerBase::OnResDiscover(WPARAM wParam, LPARAM)
{
    if (!wParam)
        return 0;
    // The record lives only for the sender's call.
    RES_DISCOVER_OVEL record = *reinterpret_cast<const RES_DISCOVER_OVEL*>(wParam);
    ResDiscoverProc(&record);
    return 0;
}

// --- Registration server ----------------------------------------------------------

void CExplorerBase::YemSocket()
{
    delete m_pYemSocket;
    m_pYemSocket = new CRegServerSocket;
    if (!m_pYemSocket->Create(0, SOCK_DGRAM, FD_READ | FD_WRITE | FD_CLOSE)) {
        delete m_pYemSocket;
        m_pYemSocket = nullptr;
        AfxMessageBox("ZPT_UDP_CREATE_FAIL");
        return;
    }
    m_pYemSocket->Attach(this);
}

bool CExplorerBase::ReqFindMsg(
    const CString& server, const CString& name, const CString& text, const CString& mac)
{
    return morrik::ReqFindMsg(m_pThreadZpt, this, GetZPTFtpModelNo(), server.GetString(), name.GetString(),
        text.GetString(), mac.GetString());
}

bool CExplorerBase::ReqListMsg(const CString& server, const CString& name)
{
    return ReqFindMsg(server, name, CString(), CString());
}

LRESULT CExplorerBase::OnRegServerRecord(WPARAM wParam, LPARAM)
{
    auto* received = reinterpret_cast<ZPT_NODE*>(wParam);
    if (!received)
        return 0;
    // The receiver frees the sender's node.
    ZPT_NODE node = *received;
    std::free(received);
    RetYemMsg(&node);
    return 1; // taken
}

bool CExplorerBase::GetAddress(const char* server, const char* groupId, const char* serial,
    const char* macText, char* result, size_t resultSize)
{
    (void)groupId; // the server finds a device by its MAC and serial
    return GetRegServerAddress(server, GetZPTFtpModelNo(), macText, serial, result, resultSize);
}

void CExplorerBase::CallGetAddress(CItemInfo* item)
{
    if (!item)
        return;
    FormatMacText(item->m_byMac, item->m_szMacText, sizeof item->m_szMacText);
    if (!item->m_bLookup)
        return;
    char group[sizeof item->m_byGroupId + 1] = {};
    std::memcpy(group, item->m_byGroupId, sizeof item->m_byGroupId);
    char serial[sizeof item->m_szSerial + 1] = {};
    std::memcpy(serial, item->m_szSerial, sizeof item->m_szSerial);
    GetAddress(item->m_szLookupServer, group, serial, item->m_szMacText, item->m_szAddress,
        sizeof item->m_szAddress);
}

void CExplorerBase::GetPort(CItemInfo* item, const BYTE* user16, const BYTE* password16)
{
    if (!item)
        return;
    // The ports are asked of the configuration port, the third of the three.
    CPortQuerySocket query;
    DEVICE_REPLY reply {};
    const char* user = reinterpret_cast<const char*>(user16);
    const char* password = reinterpret_cast<const char*>(password16);
    if (!query.QueryExtraPort(&reply, item->m_dwConfigPort, item->m_szAddress, user, password))
        return;
    if (reply.dwValue1 == 1) {
        item->m_dwConfigPort = item->m_dwService1Port = item->m_dwService2Port = reply.dwValue2;
        return;
    }
    DEVICE_REPLY pair {};
    if (!query.QueryPortPair(&pair, item->m_dwConfigPort, item->m_szAddress, user, password))
        return;
    item->m_dwService1Port = pair.dwValue1;
    item->m_dwService2Port = pair.dwValue2;
}

// --- Adding devices ----------------------------------------------------------------

ACCOUNT_ENTRY& CExplorerBase::Pair(CItemInfo& item, int pair)
{
    if (pair == 1)
        return item.m_service1[0];
    if (pair == 2)
        return item.m_service2[0];
    return item.m_login;
}

void CExplorerBase::AddDVR(CItemInfo* item)
{
    if (!item)
        return;
    if (item->m_bLookup) {
        char group[sizeof item->m_byGroupId + 1] = {};
        std::memcpy(group, item->m_byGroupId, sizeof item->m_byGroupId);
        // The lookup takes the MAC as the text the server keeps.
        char mac[24] = {};
        FormatMacText(item->m_byMac, mac, sizeof mac);
        ReqFindMsg(item->m_szLookupServer, m_bLookupByGroup ? CString(group) : CString(), CString(), mac);
    } else {
        ReqUniQuestMsg(
            item->m_dwIp ? CString(FormatIpAddress(item->m_dwIp).c_str()) : CString(item->m_szAddress));
    }
    const int index = FindEmptyNewItemBuf();
    if (index < 0) {
        if (m_pParent)
            m_pParent->SendMessage(WM_TREE_INSERT_DEVICE, 0, 0);
        return;
    }
    m_Adds.Fill(index, *item, m_nTreeNo == 2 ? 2 : m_nTreeNo);
    if (!m_bAddWaiting) {
        SetCapture();
        BeginWaitCursor();
        m_bAddWaiting = true;
    }
    SetTimer(TIMER_ADD_WAIT, AddWaitPeriod());
}

void CExplorerBase::ResUniQuestMsg(const RES_DISCOVER_OVEL* record, int index)
{
    AddDVRToTree(record, index);
    m_Adds.Release(index);
    // The wait goes on while another add has not answered.
    if (!m_Adds.AnyWaiting())
        OnAddWaitTimer();
}

void CExplorerBase::LoadTree(CMySuperGrid* grid)
{
    grid->SetRedraw(FALSE);
    grid->ReadTreeFileAndConsistLlist();
    grid->CreateTreeCtrl();
    grid->DeleteLlist();
    grid->OpenLastCam(m_nMode);
    grid->SetRedraw(TRUE);
    grid->RedrawTree();
}

void CExplorerBase::OnSearchEnd(CMySuperGrid* grid)
{
    grid->m_bDiscovering = false;
    KillTimer(TIMER_SEARCH_END);
    SetTimer(TIMER_REDRAW, 1000);
}

void CExplorerBase::OnFirstRound(CMySuperGrid* grid, int& rounds)
{
    // The first discovery of a process is followed by four quick rounds,
    // every later one by one.
    constexpr int kFirstRounds = 3;
    grid->RedrawTree();
    ReqDiscoveryMsg();
    if (rounds == kFirstRounds) {
        KillTimer(TIMER_FIRST_ROUNDS);
        SetTimer(TIMER_REDRAW, 1000);
    } else {
        ++rounds;
    }
}

void CExplorerBase::OnAddWaitTimer()
{
    KillTimer(TIMER_ADD_WAIT);
    AddDvrNoRes();
    if (m_bAddWaiting) {
        m_bAddWaiting = false;
        EndWaitCursor();
        ReleaseCapture();
    }
}

void CExplorerBase::AddDVRToTree(const RES_DISCOVER_OVEL* record, int index)
{
    CMySuperGrid* grid = CurrentGrid();
    if (!grid || index < 0 || index >= PENDING_ADD_COUNT)
        return;
    CItemInfo& buffer = m_Adds.m_NewItem[index];
    CItemInfo* row = grid->InsertDVR(record, buffer.GetItemText());
    if (row) {
        row->m_nTreeNo = m_nTreeNo;
        row->SetItemText(buffer.GetItemText());
        ACCOUNT_ENTRY& pair = Pair(buffer, m_nMode);
        row->SetPasswd(m_nMode, reinterpret_cast<const BYTE*>(pair.szUser), pair.byPassword);
        row->m_bLookup = buffer.m_bLookup;
        std::memcpy(row->m_szLookupServer, buffer.m_szLookupServer, sizeof row->m_szLookupServer);
        std::memcpy(row->m_byGroupId, buffer.m_byGroupId, sizeof row->m_byGroupId);
        std::memcpy(row->m_szAddress, buffer.m_szAddress, sizeof row->m_szAddress);
        row->m_dwConfigPort = buffer.m_dwConfigPort;
        row->m_dwService1Port = buffer.m_dwService1Port;
        row->m_dwService2Port = buffer.m_dwService2Port;
        OnDvrAdded(row);
        grid->SendMessage(WM_TREE_SAVE, 0, 0);
    }
    if (m_pParent)
        m_pParent->SendMessage(WM_EXPLORE_DVR_ADDED, row ? 1 : 0, LPARAM(row));
}

void CExplorerBase::AddDvrNoRes()
{
    for (int i = 0; i < PENDING_ADD_COUNT; ++i) {
        if (m_Adds.IsFree(i))
            continue;
        RES_DISCOVER_OVEL record {};
        record.ipAddress = m_Adds.m_NewItem[i].m_dwIp;
        record.port = m_Adds.m_NewItem[i].m_dwConfigPort;
        AddDVRToTree(&record, i);
        m_Adds.Release(i);
    }
}

void CExplorerBase::CopyWhereabouts(CItemInfo& row, const CItemInfo& edited)
{
    row.m_bLookup = edited.m_bLookup;
    std::memcpy(row.m_szAddress, edited.m_szAddress, sizeof row.m_szAddress);
    row.m_dwIp = edited.m_dwIp;
    std::memcpy(row.m_szLookupServer, edited.m_szLookupServer, sizeof row.m_szLookupServer);
    std::memcpy(row.m_byGroupId, edited.m_byGroupId, sizeof row.m_byGroupId);
    row.m_dwConfigPort = edited.m_dwConfigPort;
    row.m_dwService1Port = edited.m_dwService1Port;
    row.m_dwService2Port = edited.m_dwService2Port;
}

CItemInfo* CExplorerBase::FindItem(CItemInfo* item)
{
    CMySuperGrid* grid = CurrentGrid();
    if (!grid || !item)
        return nullptr;
    static const BYTE zeroMac[6] = {};
    if (item->m_szSerial[0] == 0 || std::memcmp(item->m_byMac, zeroMac, 6) == 0)
        return grid->SearchItemOfIp(int(item->m_dwIp), int(item->m_dwConfigPort));
    BYTE serial[sizeof item->m_szSerial + 1] = {};
    std::memcpy(serial, item->m_szSerial, sizeof item->m_szSerial);
    CItemInfo* bySerial = grid->SearchItemOfSerialNum(serial);
    return bySerial && bySerial == grid->SearchItemOfMac(item->m_byMac) ? bySerial : nullptr;
}

// --- What the host asks of the grid -----------------------------------------------

void CExplorerBase::GetConnectCamAndCloseDlg(CItemInfo* item)
{
    m_bConnect = true;
    m_pConnectItem = item;
}

bool CExplorerBase::GetCam(const char* name, CItemInfo* item)
{
    CMySuperGrid* grid = CurrentGrid();
    return grid && grid->GetCam(0, const_cast<char*>(name), nullptr, item);
}

bool CExplorerBase::GetLastCam(int n, CItemInfo* item)
{
    CMySuperGrid* grid = CurrentGrid();
    if (!grid || !item)
        return false;
    item->m_nTreeNo = m_nTreeNo;
    return grid->GetLastCam(n, item);
}

bool CExplorerBase::SetLastCam(int n, CItemInfo* item)
{
    CMySuperGrid* grid = CurrentGrid();
    return grid && grid->SetLastCam(n, item);
}

bool CExplorerBase::GetLastUser(int n, CString& text)
{
    CMySuperGrid* grid = CurrentGrid();
    return grid && grid->GetLastUser(n, text);
}

void CExplorerBase::SetLastUser(int n, const CString& text)
{
    if (CMySuperGrid* grid = CurrentGrid())
        grid->SetLastUser(n, text);
}

void CExplorerBase::DeleteMem()
{
    if (CMySuperGrid* grid = CurrentGrid())
        grid->DeleteMem();
}

} // namespace morrik
