#include "app/ConfigView.h"

#include "app/DeviceSelection.h"
#include "app/LoginBar.h"
#include "dialogs/DialUpProgressDlg.h"
#include "dialogs/IpAddressDlg.h"
#include "link/ByteOrder.h"
#include "link/ConfigSession.h"
#include "link/DeviceBlocks.h"
#include "link/DeviceHelpers.h"
#include "link/WindowMessages.h"
#include "pages/PropertyConfig.h"
#include "platform/ui/WinApp.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace
{

constexpr char kProgramTitle[] = "Pellmoor Tarnwick";
constexpr char kNotStored[]
    = "The password and port of this device could not be stored in the device list; they hold for this "
      "session only.";
constexpr int kInfoListId = 1;
constexpr int kInfoListHeight = 170;
constexpr UINT kIconStrip = 147;
constexpr int kPasswordLimit = 15;

CConfigView* g_pConfigView = nullptr;

void CopyText(char* dst, size_t size, const char* src)
{
    CopyFixedText(dst, size, src, std::strlen(src));
}

} // namespace

CWnd* g_pMainWnd = nullptr;

CConfigView* GetConfigView()
{
    return g_pConfigView;
}

IMPLEMENT_DYNCREATE(CConfigView, CView)

BEGIN_MESSAGE_MAP(CConfigView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_CTLCOLOR()
ON_EN_CHANGE(IDC_DEVICE_ADDRESS, OnIpFieldChanged)
ON_BN_CLICKED(IDC_LOGIN, OnButtonLogin)
ON_BN_CLICKED(IDC_LOGIN_HIDDEN, OnButtonLogin)
ON_BN_CLICKED(IDC_CHANGE_IP, OnButtonChangeIp)
ON_BN_CLICKED(IDC_SAVE_PASSWORD, OnSavePassword)
ON_BN_CLICKED(IDC_EXIT, OnButtonExit)
ON_MESSAGE(WM_DELETE_RETIRED, OnDeleteRetired)
END_MESSAGE_MAP()

CConfigView::CConfigView()
{
    g_pConfigView = this;
}

CConfigView::~CConfigView()
{
    m_sheetPages.Delete();
    DeleteRetired();
    if (m_pSelection && GetDeviceSelection() == m_pSelection.get())
        SetDeviceSelection(nullptr);
    if (g_pConfigView == this)
        g_pConfigView = nullptr;
}

void CConfigView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    g_pMainWnd = AfxGetMainWnd();
}

void CConfigView::SetSelection(std::unique_ptr<IDeviceSelection> pSelection)
{
    if (m_pSelection && GetDeviceSelection() == m_pSelection.get())
        SetDeviceSelection(nullptr);
    m_pSelection = std::move(pSelection);
    if (m_pSelection)
        SetDeviceSelection(m_pSelection.get());
}

void CConfigView::OnDraw(CDC*) { }

int CConfigView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_WhiteBrush.CreateSolidBrush(RGB(255, 255, 255));

    const CRect none(0, 0, 0, 0);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    m_InfoList.Create(child | WS_BORDER | LVS_REPORT, none, this, kInfoListId);
    m_InfoList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (m_InfoImages.Create(kIconStrip, 16, 1, RGB(0, 0, 0)))
        m_InfoList.SetImageList(&m_InfoImages, LVSIL_SMALL);
    m_InfoList.InitColumns();
    m_UserNameLabel.Create(LoadText(IDS_USER_NAME), child, none, this, IDC_USER_NAME_LABEL);
    m_UserName.Create(child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, none, this, IDC_USER_NAME);
    m_PasswordLabel.Create(LoadText(IDS_PASSWORD), child, none, this, IDC_PASSWORD_LABEL);
    m_Password.Create(
        child | WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, none, this, IDC_PASSWORD);
    m_Password.LimitText(kPasswordLimit);
    m_PortLabel.Create(LoadText(IDS_PORT), child, none, this, IDC_PORT_LABEL);
    m_Port.Create(child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, none, this, IDC_PORT);
    m_SavePassword.Create(
        LoadText(IDS_SAVE_PASSWORD), child | WS_TABSTOP | BS_AUTOCHECKBOX, none, this, IDC_SAVE_PASSWORD);
    m_ChangeIp.Create(LoadText(IDS_CHANGE_IP), child | WS_TABSTOP | BS_PUSHBUTTON, none, this, IDC_CHANGE_IP);
    m_IpAddress.Create(child | WS_BORDER | WS_TABSTOP, none, this, IDC_DEVICE_ADDRESS);
    m_Login.Create(LoadText(IDS_LOGIN), child | WS_TABSTOP | BS_PUSHBUTTON, none, this, IDC_LOGIN);
    m_Exit.Create(LoadText(IDS_EXIT), child | WS_TABSTOP | BS_PUSHBUTTON, none, this, IDC_EXIT);
    m_LoginHidden.Create(
        LoadText(IDS_CONTENT_ACTIVE_LIMIT), WS_CHILD | BS_PUSHBUTTON, none, this, IDC_LOGIN_HIDDEN);

    // Every login uses the user name "admin".
    m_UserName.SetWindowText(CONFIG_ADMIN_USER);
    m_UserName.EnableWindow(FALSE);
    EnableLoginControls(FALSE);
    m_bDeviceMessage = FALSE;
    m_bLoggedOut = TRUE;
    m_bSheetExists = FALSE;
    return 0;
}

void CConfigView::EnableLoginControls(BOOL bEnable)
{
    m_Password.EnableWindow(bEnable);
    m_IpAddress.EnableWindow(bEnable);
    m_SavePassword.EnableWindow(bEnable);
    m_Login.EnableWindow(bEnable);
    m_LoginHidden.EnableWindow(bEnable);
    m_ChangeIp.EnableWindow(FALSE);
}

HBRUSH CConfigView::OnCtlColor(CDC*, CWnd*, UINT)
{
    return m_WhiteBrush;
}

void CConfigView::PlaceInfoList()
{
    if (!m_InfoList.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_InfoList.MoveWindow(-1, -1, client.Width() + 1, kInfoListHeight);
    m_InfoList.SetColumnWidth(0, 150);
    m_InfoList.SetColumnWidth(1, client.Width() - 150);
}

void CConfigView::ShowDeviceInfo()
{
    if (m_InfoList.GetSafeHwnd())
        m_InfoList.ShowDevice(g_CurrentDevice);
}

void CConfigView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    PlaceInfoList();
    if (m_bLoggedOut)
        ShowLoginBar();
    else if (GetSheet() && GetSheet()->GetSafeHwnd())
        ShowSheet();
}

void CConfigView::ShowLoginBar()
{
    CRect client;
    GetClientRect(&client);
    const LoginBarLayout layout = LayoutLoginBar(client.Width(), client.Height());
    for (const LoginBarItem& item : layout.items) {
        if (CWnd* pControl = LoginBarControl(item.id)) {
            pControl->MoveWindow(item.x, item.y, item.cx, item.cy);
            pControl->ShowWindow(item.id == IDC_LOGIN_HIDDEN ? SW_HIDE : SW_SHOW);
        }
    }
}

// By member: the password label and the information list share id 1.
CWnd* CConfigView::LoginBarControl(int id)
{
    switch (id) {
    case IDC_USER_NAME_LABEL:
        return &m_UserNameLabel;
    case IDC_USER_NAME:
        return &m_UserName;
    case IDC_PASSWORD_LABEL:
        return &m_PasswordLabel;
    case IDC_PASSWORD:
        return &m_Password;
    case IDC_PORT_LABEL:
        return &m_PortLabel;
    case IDC_PORT:
        return &m_Port;
    case IDC_SAVE_PASSWORD:
        return &m_SavePassword;
    case IDC_CHANGE_IP:
        return &m_ChangeIp;
    case IDC_DEVICE_ADDRESS:
        return &m_IpAddress;
    case IDC_LOGIN:
        return &m_Login;
    case IDC_EXIT:
        return &m_Exit;
    case IDC_LOGIN_HIDDEN:
        return &m_LoginHidden;
    default:
        return nullptr;
    }
}

void CConfigView::HideLoginBar()
{
    for (int id : kLoginBarIds) {
        if (CWnd* pControl = LoginBarControl(id))
            pControl->ShowWindow(SW_HIDE);
    }
}

void CConfigView::ShowSheet()
{
    CPropertyConfig* pSheet = GetSheet();
    if (!pSheet || !pSheet->GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    pSheet->MoveWindow(0, 0, client.Width(), client.Height());
    if (CWnd* pTab = pSheet->GetTabControl())
        pTab->MoveWindow(0, 0, client.Width(), client.Height());
    pSheet->PlaceActivePage();
    pSheet->ShowWindow(SW_SHOW);
}

void CConfigView::SetTitle(const char* title)
{
    if (CWnd* pFrame = GetTopLevelParent())
        pFrame->SetWindowText(title);
}

BOOL CConfigView::ReadIpControl(DWORD* pAddress) const
{
    CString text;
    m_IpAddress.GetWindowText(text);
    return ParseDottedAddress(text, pAddress) ? TRUE : FALSE;
}

void CConfigView::WriteIpControl(DWORD address)
{
    m_IpAddress.SetWindowText(address ? FormatIpAddress(address).c_str() : "");
}

void CConfigView::OnIpFieldChanged()
{
    DWORD address = 0;
    const BOOL bFull = ReadIpControl(&address);
    m_ChangeIp.EnableWindow(bFull && address != g_CurrentDevice.dwIpAddress);
}

// Device messages.

LRESULT CConfigView::OnDeviceClear(WPARAM, LPARAM)
{
    ClearDevice();
    return 1;
}

LRESULT CConfigView::OnDeviceSelect(WPARAM wParam, LPARAM lParam)
{
    SelectDevice(reinterpret_cast<const SELECTED_DEVICE*>(wParam), int(lParam));
    return 1;
}

LRESULT CConfigView::OnDeviceInfo(WPARAM wParam, LPARAM)
{
    DeviceInfo(reinterpret_cast<const SELECTED_DEVICE*>(wParam));
    return 1;
}

LRESULT CConfigView::OnDeviceReply(WPARAM wParam, LPARAM)
{
    DeviceReply(reinterpret_cast<const SELECTED_DEVICE*>(wParam));
    return 1;
}

LRESULT CConfigView::OnDeviceUpdate(WPARAM wParam, LPARAM lParam)
{
    UpdateDevice(reinterpret_cast<const SELECTED_DEVICE*>(wParam), lParam != 0);
    return 1;
}

void CConfigView::SelectDevice(const SELECTED_DEVICE* pDevice, int flag)
{
    if (!pDevice)
        return;
    m_bDeviceMessage = TRUE;
    SetCurrentDevice(*pDevice);
    ShowDeviceInfo();

    // Another device hides the sheet; the session's device shows it again.
    if (!m_bLoggedOut && m_dwSessionAddress != pDevice->dwIpAddress) {
        if (GetSheet())
            GetSheet()->ShowWindow(SW_HIDE);
        m_bLoggedOut = TRUE;
        ShowLoginBar();
        m_Password.SetFocus();
    } else if (m_bLoggedOut && m_bSheetExists && m_dwSessionAddress == pDevice->dwIpAddress) {
        HideLoginBar();
        m_bLoggedOut = FALSE;
        ShowSheet();
    }

    m_Password.SetWindowText("");
    m_SavePassword.SetCheck(BST_UNCHECKED);
    if (flag != 1) {
        m_Password.SetFocus();
        if (pDevice->bPasswordSaved) {
            char saved[17] = {};
            std::memcpy(saved, pDevice->byPassword, 16);
            m_Password.SetWindowText(saved);
            m_SavePassword.SetCheck(BST_CHECKED);
        }
        CString port;
        port.Format("%d", int(pDevice->dwConfigPort));
        m_Port.SetWindowText(port);
        WriteIpControl(pDevice->dwIpAddress);
        m_Password.EnableWindow(TRUE);
        m_IpAddress.EnableWindow(TRUE);
        m_ChangeIp.EnableWindow(FALSE);
        if (!pDevice->bMacText) {
            m_SavePassword.SetCheck(BST_UNCHECKED);
            m_SavePassword.EnableWindow(FALSE);
            m_Password.SetWindowText("");
        } else {
            m_SavePassword.EnableWindow(TRUE);
        }
        m_Login.EnableWindow(TRUE);
        m_LoginHidden.EnableWindow(TRUE);
    } else {
        std::memset(m_byPasswordBlock, 0, sizeof m_byPasswordBlock);
        m_bSavePassword = 0;
        WriteIpControl(0);
        EnableLoginControls(FALSE);
    }

    CopyText(m_CameraInfo.szModel, sizeof m_CameraInfo.szModel, pDevice->szModel);
    CopyText(m_CameraInfo.szVersion1, sizeof m_CameraInfo.szVersion1, pDevice->szVersion1);
    CopyText(m_CameraInfo.szVersion2, sizeof m_CameraInfo.szVersion2, pDevice->szVersion2);
    // The whole serial: it is the key by which the login is remembered.
    CopyFullField(
        m_CameraInfo.szSerial, sizeof m_CameraInfo.szSerial, pDevice->szSerial, sizeof pDevice->szSerial);
    m_CameraInfo.dwIpAddress = pDevice->dwIpAddress;
    std::memcpy(m_CameraInfo.byMac, pDevice->byMac, sizeof m_CameraInfo.byMac);
    CopyText(m_CameraInfo.szInfo, sizeof m_CameraInfo.szInfo, pDevice->szInfo);
    m_CameraInfo.bAddressText = pDevice->bLookup;
    CopyText(m_CameraInfo.szAddress, sizeof m_CameraInfo.szAddress, pDevice->szAddress);
    m_Password.SetFocus();
}

void CConfigView::ClearDevice()
{
    if (m_bSheetExists && !m_bLoggedOut)
        return;
    ClearCurrentDevice();
    if (m_InfoList.GetSafeHwnd())
        m_InfoList.Clear();
    m_bDeviceMessage = TRUE;
    m_Password.SetWindowText("");
    m_SavePassword.SetCheck(BST_UNCHECKED);
    std::memset(m_byPasswordBlock, 0, sizeof m_byPasswordBlock);
    m_bSavePassword = 0;
    WriteIpControl(0);
    EnableLoginControls(FALSE);
    std::memset(&m_CameraInfo, 0, sizeof m_CameraInfo);
}

void CConfigView::DeviceReply(const SELECTED_DEVICE* pDevice)
{
    if (!pDevice)
        return;
    m_bDeviceMessage = TRUE;
    SetCurrentDevice(*pDevice);
    ShowDeviceInfo();
    WriteIpControl(pDevice->dwIpAddress);
    if (!m_bLoggedOut && !g_CurrentDevice.bMacText)
        SetTitle(g_CurrentDevice.szName);
}

void CConfigView::UpdateDevice(const SELECTED_DEVICE* pDevice, BOOL bSetAddress)
{
    if (!pDevice || !m_bLoggedOut)
        return;
    // The device answers on another port now: the login bar follows it.
    if (pDevice->dwConfigPort && pDevice->dwConfigPort != g_CurrentDevice.dwConfigPort) {
        CString port;
        port.Format("%d", int(pDevice->dwConfigPort));
        m_Port.SetWindowText(port);
    }
    SetCurrentDevice(*pDevice);
    ShowDeviceInfo();
    if (bSetAddress)
        WriteIpControl(pDevice->dwIpAddress);
}

void CConfigView::DeviceInfo(const SELECTED_DEVICE* pDevice)
{
    if (!pDevice)
        return;
    SetCurrentDevice(*pDevice);
    ShowDeviceInfo();
}

// Login.

void CConfigView::OnButtonLogin()
{
    BeginWaitCursor();
    m_nRetry = 0;
    Login();
    EndWaitCursor();
}

void CConfigView::LoginIfLoggedOut()
{
    if (m_bLoggedOut)
        OnButtonLogin();
}

BOOL CConfigView::Login()
{
    CopyText(g_CurrentDevice.szAddress, sizeof g_CurrentDevice.szAddress,
        FormatIpAddress(g_CurrentDevice.dwIpAddress).c_str());

    CString portText;
    m_Port.GetWindowText(portText);
    DWORD port = 0;
    if (!ParsePortText(portText, &port)) {
        AfxMessageBox(IDS_PORT_INVALID);
        return FALSE;
    }
    g_CurrentDevice.dwConfigPort = port;

    CString password;
    m_Password.GetWindowText(password);
    g_strDevicePassword = std::string(static_cast<LPCTSTR>(password)).substr(0, kPasswordLimit);
    std::memset(m_byPasswordBlock, 0, sizeof m_byPasswordBlock);
    std::memcpy(m_byPasswordBlock, g_strDevicePassword.data(), g_strDevicePassword.size());

    CConfigSession session;
    auto reply = std::make_unique<ConfigReply>();
    // The session has shown its message when this fails.
    if (!session.GetDeviceInfo(reply.get()))
        return FALSE;
    const CFG_DEVICE_INFO info = ReplyFields<CFG_DEVICE_INFO>(*reply);

    CopyField(g_CurrentDevice.szModel, info.szModel);
    CopyField(g_CurrentDevice.szVersion1, info.szVersion1);
    CopyField(g_CurrentDevice.szVersion2, info.szVersion2);
    CopyFullField(
        g_CurrentDevice.szSerial, sizeof g_CurrentDevice.szSerial, info.szSerial, sizeof info.szSerial);
    std::memcpy(g_CurrentDevice.byMac, info.byMac, sizeof g_CurrentDevice.byMac);
    CopyField(g_CurrentDevice.szInfo, info.szTitle);

    m_nFirstFirmwareClass = m_nFirmwareClass;
    m_nFirmwareClass = FirmwareKindOf(g_CurrentDevice.dwFamily, g_CurrentDevice.szVersion2);
    if (m_nFirstFirmwareClass < 0)
        m_nFirstFirmwareClass = m_nFirmwareClass;

    if (m_bSheetExists || GetSheet())
        m_sheetPages.Delete();

    m_bSavePassword = m_SavePassword.GetCheck() == BST_CHECKED;
    IDeviceSelection* pSelection = GetDeviceSelection();
    bool stored = true;
    if (pSelection) {
        stored = pSelection->SetDevicePassword(0, m_byPasswordBlock, m_bSavePassword) != FALSE;
        stored = pSelection->SetDevicePorts(
                     g_CurrentDevice.dwStreamPort, g_CurrentDevice.dwHttpPort, g_CurrentDevice.dwConfigPort)
            && stored;
    }

    m_bLoggedOut = FALSE;
    m_dwSessionAddress = g_CurrentDevice.dwIpAddress;
    m_bSheetExists = TRUE;
    g_nRecorderModel = ModelNameToRecorderModel(g_CurrentDevice.szModel);

    m_sheetPages.Create(
        SheetInputsForCurrentDevice(m_nFirmwareClass), this, this, m_byPasswordBlock, &m_CameraInfo);

    HideLoginBar();
    ShowSheet();
    if (pSelection)
        pSelection->OnLoggedIn(m_CameraInfo.szSerial, m_CameraInfo.byMac, g_CurrentDevice.bMacText);
    SetTitle(g_CurrentDevice.szName);
    m_nFirstFirmwareClass = m_nFirmwareClass;
    if (!stored)
        AfxMessageBox(kNotStored);
    return TRUE;
}

void CConfigView::RetirePages()
{
    m_retired.push_back(m_sheetPages.Retire());
    if (!GetSafeHwnd() || !PostMessage(WM_DELETE_RETIRED, 0, 0))
        DeleteRetired();
}

LRESULT CConfigView::OnDeleteRetired(WPARAM, LPARAM)
{
    DeleteRetired();
    return 0;
}

void CConfigView::DeleteRetired()
{
    std::vector<std::unique_ptr<CSheetPages>> retired;
    retired.swap(m_retired);
}

void CConfigView::EndSession(bool ok)
{
    BeginWaitCursor();
    if (GetSheet()) {
        if (CPropertyPage* pActive = GetSheet()->GetActivePage()) {
            if (ok)
                pActive->OnApply();
            else
                pActive->OnCancel();
        }
    }
    m_dwSessionAddress = 0;
    m_bSheetExists = FALSE;
    m_bLoggedOut = TRUE;
    RetirePages();
    ShowLoginBar();
    SetTitle(kProgramTitle);
    m_Password.SetWindowText(g_strDevicePassword.c_str());
    m_Password.SetFocus();
    EndWaitCursor();
}

void CConfigView::OnConfigOK()
{
    EndSession(true);
}

void CConfigView::OnConfigCancel()
{
    if (!GetSheet())
        return;
    EndSession(false);
}

void CConfigView::CancelActivePage()
{
    if (!GetSheet())
        return;
    if (CPropertyPage* pActive = GetSheet()->GetActivePage())
        pActive->PostMessage(WM_PAGE_CANCEL, 0, 0);
}

// Calls from pages.

void CConfigView::SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort)
{
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->SetDevicePorts(streamPort, httpPort, configPort);
    // The next login reaches the device where it answers now.
    if (configPort && m_Port.GetSafeHwnd()) {
        CString port;
        port.Format("%d", int(configPort));
        m_Port.SetWindowText(port);
    }
}

void CConfigView::UpdateSelectedDevice()
{
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->UpdateSelectedDevice();
}

void CConfigView::UpdateDeviceInfo(const char text[32])
{
    CopyText(g_CurrentDevice.szInfo, sizeof g_CurrentDevice.szInfo, text);
    CopyText(m_CameraInfo.szInfo, sizeof m_CameraInfo.szInfo, text);
    ShowDeviceInfo();
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->UpdateDeviceInfo();
}

BOOL CConfigView::FindConnectedDevice(DWORD address)
{
    IDeviceSelection* pSelection = GetDeviceSelection();
    return pSelection && pSelection->FindConnectedDevice(address);
}

void CConfigView::RediscoverDevice(DWORD address)
{
    m_bAddressChanged = 1;
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->RediscoverDevice(address);
}

BOOL CConfigView::ReqUniQuestMsg(const char* address)
{
    IDeviceSelection* pSelection = GetDeviceSelection();
    return pSelection && pSelection->ReqUniQuestMsg(address);
}

void CConfigView::SetRebootWaiter(IRebootWaiter* pWaiter, const char* address)
{
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->SetRebootWaiter(pWaiter, address);
}

void CConfigView::DisconnectCurrentDevice()
{
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->DisconnectCurrentDevice();
}

// "Save Password".

// A user page changed the administrator password on the device: the rest of
// the session logs in with it, and the tree keeps it when asked to.
void CConfigView::OnAdminPasswordChanged(const BYTE password[16])
{
    std::memcpy(m_byPasswordBlock, password, sizeof m_byPasswordBlock);
    if (!m_bSavePassword)
        return;
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->SetDevicePassword(0, password, 1);
}

void CConfigView::OnSavePassword()
{
    CString password;
    m_Password.GetWindowText(password);
    g_strDevicePassword = std::string(static_cast<LPCTSTR>(password)).substr(0, kPasswordLimit);
    if (m_SavePassword.GetCheck() != BST_CHECKED) {
        if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR && !g_strDevicePassword.empty())
            AfxMessageBox(IDS_PASSWORDS_DELETED);
        m_bSavePassword = 0;
    } else {
        m_bSavePassword = 1;
    }
    BYTE block[16] = {};
    std::memcpy(block, g_strDevicePassword.data(), std::min<size_t>(16, g_strDevicePassword.size()));
    IDeviceSelection* pSelection = GetDeviceSelection();
    if (pSelection && !pSelection->SetDevicePassword(0, block, m_bSavePassword))
        AfxMessageBox(kNotStored);
}

// Dial-up.

int CConfigView::DialUpLogin()
{
    if (!g_CurrentDevice.bLookup)
        return -1;
    if (IsDialUpConnected()) {
        if (std::strncmp(g_DialUpDevice.szLookupHost, g_CurrentDevice.szLookupHost,
                sizeof g_CurrentDevice.szLookupHost)
            == 0)
            return -1;
        if (AfxMessageBox(IDS_LINE_BUSY, MB_YESNO | MB_ICONERROR) == IDNO)
            return -1;
    }
    CDialUpProgressDlg dialog(GetConfigView());
    CopyText(dialog.m_szUserName, sizeof dialog.m_szUserName, CONFIG_ADMIN_USER);
    std::memcpy(dialog.m_szPassword, g_strDevicePassword.data(),
        std::min(sizeof dialog.m_szPassword, g_strDevicePassword.size()));
    std::memcpy(dialog.m_szPhoneNumber, g_CurrentDevice.szLookupHost, sizeof dialog.m_szPhoneNumber);
    if (dialog.DoModal() != IDOK)
        return 1;
    g_DialUpDevice = g_CurrentDevice;
    return 0;
}

void CConfigView::HangUpDialUp()
{
    HangUpAllDialUp();
}

// Exit.

void CConfigView::OnButtonExit()
{
    BeginWaitCursor();
    if (IDeviceSelection* pSelection = GetDeviceSelection())
        pSelection->PrepareExit();
    if (m_bSheetExists)
        m_sheetPages.Delete();
    PostQuitMessage(0);
    EndWaitCursor();
}

void CConfigView::OnDestroy()
{
    CView::OnDestroy();
    m_sheetPages.Delete();
    DeleteRetired();
}

BOOL CConfigView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_bDeviceMessage && m_bLoggedOut) {
        OnButtonLogin();
        return TRUE;
    }
    return CView::PreTranslateMessage(pMsg);
}
