#include "pages/Page3Network.h"

#include "dialogs/FirewallDlg.h"
#include "dialogs/NormalPortDlg.h"
#include "dialogs/RegServerDlg.h"
#include "dialogs/TextField.h"
#include "dialogs/XdslDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "pages/common/AddressChange.h"
#include "pages/common/RebootFlow.h"
#include "platform/base/Services.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

namespace
{

constexpr const char* kIntervalTexts[] = { "Disable", "1 min", "5 min", "10 min", "30 min", "1 hour" };
constexpr uint32_t kIntervalSeconds[] = { 0, 60, 300, 600, 1800, 3600 };

constexpr int kDefaultConfigPort = 8405;
constexpr int kNetworkSettingWaitMs = 2000;

// Layout: boxes 510 wide at x 15, labels at 75 (130 x 20), fields at 240.
constexpr int kBoxX = 15, kBoxWidth = 510;
constexpr int kLabelX = 75, kLabelWidth = 130;
constexpr int kFieldX = 240, kFieldWidth = 230, kRowHeight = 20;

} // namespace

BEGIN_MESSAGE_MAP(CPage3Network, CNetworkPage)
ON_EN_CHANGE(IDC_NET_REG_INTERVAL, OnIntervalChanged)
ON_NOTIFY(UDN_DELTAPOS, IDC_NET_REG_SPIN, OnIntervalSpin)
ON_BN_CLICKED(IDC_NET_DHCP, OnDhcpChanged)
ON_BN_CLICKED(IDC_NET_XDSL, OnXdslCheck)
ON_EN_CHANGE(IDC_NET_XDSL_USER, OnXdslChanged)
ON_EN_CHANGE(IDC_NET_XDSL_PASSWORD, OnXdslChanged)
ON_BN_CLICKED(IDC_NET_PORT_NORMAL, OnPortModeChanged)
ON_BN_CLICKED(IDC_NET_PORT_FIREWALL, OnPortModeChanged)
ON_EN_CHANGE(IDC_NET_FIRST_PORT, OnPortChanged)
ON_EN_CHANGE(IDC_NET_SECOND_PORT, OnPortChanged)
ON_BN_CLICKED(IDC_PORT_DEFAULT, OnButtonDefault)
ON_BN_CLICKED(IDC_NET_PORT_ADVANCED, OnButtonAdvanced)
END_MESSAGE_MAP()

CPage3Network::CPage3Network()
    : CNetworkPage(IDD_PAGE3_NETWORK, SLOT_Network)
{
    DeclareGroups(GROUP_COUNT);
}

void CPage3Network::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_SystemPage)
        m_pSystemPage = pTarget;
}

uint32_t CPage3Network::Family() const
{
    return g_CurrentDevice.dwFamily;
}

const IntervalList& CPage3Network::Intervals()
{
    static const IntervalList list { kIntervalTexts, kIntervalSeconds, int(std::size(kIntervalSeconds)) };
    return list;
}

void CPage3Network::DoDataExchange(CDataExchange* pDX)
{
    CNetworkPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_NET_DHCP, m_bDhcp);
    DDX_Check(pDX, IDC_NET_XDSL, m_bXdsl);
    DDX_Text(pDX, IDC_NET_XDSL_USER, m_strXdslUser);
    DDV_MaxChars(pDX, m_strXdslUser, 63);
    DDX_Text(pDX, IDC_NET_XDSL_PASSWORD, m_strXdslPassword);
    DDV_MaxChars(pDX, m_strXdslPassword, 63);
    DDX_Text(pDX, IDC_NET_REG_SERVER, m_strServer);
    DDV_MaxChars(pDX, m_strServer, 63);
    DDX_Text(pDX, IDC_NET_GROUP_ID, m_strGroupId);
    DDV_MaxChars(pDX, m_strGroupId, 16);
    if (Family() == DEVICE_FAMILY_DVR) {
        DDX_Text(pDX, IDC_NET_REG_INTERVAL, m_nInterval);
        DDV_MinMaxInt(pDX, m_nInterval, 0, kRegIntervalHighest);
    }
    if (Family() == DEVICE_FAMILY_STREAM_SERVER) {
        DDX_Text(pDX, IDC_NET_FIRST_PORT, m_nFirstPort);
        DDX_Text(pDX, IDC_NET_SECOND_PORT, m_nSecondPort);
    } else {
        DDX_Radio(pDX, IDC_NET_PORT_NORMAL, m_nPortMode);
    }
}

BOOL CPage3Network::OnInitDialog()
{
    CNetworkPage::OnInitDialog();
    m_nConfigPortRead = int(g_CurrentDevice.dwConfigPort);
    m_nNormalConfigPort = m_nConfigPortRead ? m_nConfigPortRead : kDefaultConfigPort;
    if (auto* address = static_cast<CIPAddressCtrl*>(GetDlgItem(IDC_NET_ADDRESS))) {
        address->SetFieldRange(0, 1, 255);
        address->SetFieldRange(3, 1, 255);
    }
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NET_REG_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_NET_REG_INTERVAL));
        spin->SetRange32(0, 12032);
    }
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_NET_REG_LIST)))
        for (const char* text : kIntervalTexts)
            list->AddString(text);
    for (int id : { IDC_NET_XDSL_USER, IDC_NET_XDSL_PASSWORD, IDC_NET_REG_SERVER })
        SendDlgItemMessage(id, EM_LIMITTEXT, 63);
    SendDlgItemMessage(IDC_NET_GROUP_ID, EM_LIMITTEXT, 16);
    LayOut();
    return TRUE;
}

void CPage3Network::LayOut()
{
    const uint32_t family = Family();
    auto place = [this](int id, int x, int y, int cx, int cy) {
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(x, y, cx, cy);
    };
    auto show = [this](int id, bool shown) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    auto row = [&](int label, int field, int y, int width = kFieldWidth) {
        place(label, kLabelX, y + 4, kLabelWidth, kRowHeight);
        place(field, kFieldX, y, width, kRowHeight);
    };
    const bool camera1 = family == 1;
    place(IDC_NET_ETHERNET_BOX, kBoxX, 15, kBoxWidth, 110);
    row(IDC_NET_ADDRESS_LABEL, IDC_NET_ADDRESS, 35);
    row(IDC_NET_MASK_LABEL, IDC_NET_MASK, 56);
    row(IDC_NET_GATEWAY_LABEL, IDC_NET_GATEWAY, 77);
    place(IDC_NET_DHCP, kLabelX, 98, kLabelWidth + 100, kRowHeight);
    place(IDC_NET_XDSL_BOX, kBoxX, 130, kBoxWidth, 110);
    place(IDC_NET_XDSL, kLabelX, 150, kLabelWidth + 100, kRowHeight);
    row(IDC_NET_XDSL_USER_LABEL, IDC_NET_XDSL_USER, 171);
    row(IDC_NET_XDSL_PASSWORD_LABEL, IDC_NET_XDSL_PASSWORD, 192);
    place(IDC_NET_XDSL_STATUS, kLabelX, 217, 395, kRowHeight);
    const int dnsTop = camera1 ? 130 : 245;
    place(IDC_NET_DNS_BOX, kBoxX, dnsTop, kBoxWidth, 87);
    row(IDC_NET_DNS1_LABEL, IDC_NET_DNS1, dnsTop + 20);
    row(IDC_NET_DNS2_LABEL, IDC_NET_DNS2, dnsTop + 41);
    row(IDC_NET_DNS3_LABEL, IDC_NET_DNS3, dnsTop + 62);
    place(IDC_NET_REG_BOX, kBoxX, 337, kBoxWidth, 87);
    place(IDC_NET_REG_INTERVAL_LABEL, kLabelX, 356, kLabelWidth, kRowHeight);
    place(IDC_NET_REG_LIST, kFieldX, 352, 100, kRowHeight);
    place(IDC_NET_REG_INTERVAL, kFieldX, 352, 80, kRowHeight);
    place(IDC_NET_REG_SPIN, 319, 352, 17, kRowHeight);
    place(IDC_NET_REG_SEC, 342, 357, 40, kRowHeight);
    row(IDC_NET_REG_SERVER_LABEL, IDC_NET_REG_SERVER, 373);
    row(IDC_NET_GROUP_ID_LABEL, IDC_NET_GROUP_ID, 394);
    const int portTop = camera1 ? 222 : 429;
    place(IDC_NET_PORT_BOX, kBoxX, portTop, kBoxWidth, 50);
    place(IDC_NET_PORT_NORMAL, 75, portTop + 19, 120, kRowHeight);
    place(IDC_NET_PORT_FIREWALL, 205, portTop + 19, 120, kRowHeight);
    place(IDC_NET_PORT_ADVANCED, 335, portTop + 16, 135, 25);
    place(IDC_NET_FIRST_PORT_LABEL, 75, 450, 100, kRowHeight);
    place(IDC_NET_FIRST_PORT, 180, 448, 50, kRowHeight);
    place(IDC_NET_SECOND_PORT_LABEL, 245, 450, 50, kRowHeight);
    place(IDC_NET_SECOND_PORT, 300, 448, 50, kRowHeight);
    place(IDC_PORT_DEFAULT, 370, 445, 100, 25);

    const bool server = family == DEVICE_FAMILY_STREAM_SERVER;
    const bool recorder = family == DEVICE_FAMILY_DVR;
    for (int id : { IDC_NET_XDSL_BOX, IDC_NET_XDSL, IDC_NET_XDSL_USER_LABEL, IDC_NET_XDSL_USER,
             IDC_NET_XDSL_PASSWORD_LABEL, IDC_NET_XDSL_PASSWORD, IDC_NET_XDSL_STATUS })
        show(id, !camera1);
    for (int id :
        { IDC_NET_REG_BOX, IDC_NET_REG_INTERVAL_LABEL, IDC_NET_REG_SERVER_LABEL, IDC_NET_REG_SERVER })
        show(id, !camera1);
    show(IDC_NET_GROUP_ID_LABEL, !camera1 && !server);
    show(IDC_NET_GROUP_ID, !camera1 && !server);
    show(IDC_NET_REG_LIST, !camera1 && !recorder);
    for (int id : { IDC_NET_REG_INTERVAL, IDC_NET_REG_SPIN, IDC_NET_REG_SEC })
        show(id, recorder);
    for (int id : { IDC_NET_FIRST_PORT_LABEL, IDC_NET_FIRST_PORT, IDC_NET_SECOND_PORT_LABEL,
             IDC_NET_SECOND_PORT, IDC_PORT_DEFAULT })
        show(id, server);
    for (int id : { IDC_NET_PORT_NORMAL, IDC_NET_PORT_FIREWALL, IDC_NET_PORT_ADVANCED })
        show(id, !server);
    if (server) {
        CString text;
        text.LoadString(IDS_STREAMING_SERVER_SHORT);
        SetDlgItemText(IDC_NET_FIRST_PORT_LABEL, text);
        text.LoadString(IDS_HTTP_LABEL);
        SetDlgItemText(IDC_NET_SECOND_PORT_LABEL, text);
        // A streaming server takes only its address here; its name servers,
        // registration and (on older firmware) xDSL are its own business.
        for (int id : { IDC_NET_DHCP, IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_DNS3, IDC_NET_REG_LIST,
                 IDC_NET_REG_SERVER, IDC_NET_GROUP_ID })
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(FALSE);
        const bool xdsl = m_pConfigView && m_pConfigView->FirmwareKind() == 2;
        for (int id : { IDC_NET_XDSL, IDC_NET_XDSL_USER, IDC_NET_XDSL_PASSWORD })
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(xdsl);
    }
}

void CPage3Network::ReadSettings()
{
    const uint32_t family = Family();
    const bool server = family == DEVICE_FAMILY_STREAM_SERVER;
    ++m_nQuiet;
    struct Quiet {
        int& n;
        ~Quiet() { --n; }
    } quiet { m_nQuiet };

    CFG_IP_CONFIG ip {};
    const BOOL ipRead = ReadBlock(GET_IP_CONFIG, &ip);
    MarkGroupRead(GROUP_IP, ipRead);
    if (ipRead) {
        m_Ethernet.Show(this, ip);
        EnableRegistration(TRUE);
        if (family == DEVICE_FAMILY_DVR)
            m_nInterval = int(std::min<uint32_t>(ip.dwInterval, kRegIntervalHighest));
        if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_NET_REG_LIST))) {
            const int index = Intervals().IndexOf(ip.dwInterval);
            if (index >= 0)
                list->SetCurSel(index);
        }
        if (ip.dwInterval == 0)
            EnableRegistration(FALSE);
        m_strServer = TextOfField(ip.szRegServer, sizeof ip.szRegServer);
        m_strGroupId = TextOfField(ip.szGroupId, sizeof ip.szGroupId);
    } else if (!server) {
        return;
    }

    CFG_DHCP dhcp {};
    const BOOL dhcpRead = ReadBlock(GET_DHCP, &dhcp);
    MarkGroupRead(GROUP_DHCP, dhcpRead);
    if (dhcpRead)
        m_bDhcp = dhcp.dwFlag == 1;
    else if (!server)
        return;

    m_strXdslUser.Empty();
    m_strXdslPassword.Empty();
    m_bXdsl = FALSE;
    CFG_XDSL_STATE xdsl {};
    const BOOL xdslRead = ReadBlock(GET_XDSL_ACCOUNT, &xdsl);
    MarkGroupRead(GROUP_XDSL, xdslRead);
    if (xdslRead) {
        m_strXdslUser = TextOfField(xdsl.szUser, sizeof xdsl.szUser);
        m_strXdslPassword = TextOfField(xdsl.szPassword, sizeof xdsl.szPassword);
        m_strXdslStatus = XdslStatusLine(TextOfField(xdsl.szStatus, sizeof xdsl.szStatus));
        SetDlgItemText(IDC_NET_XDSL_STATUS, m_strXdslStatus);
        m_bXdsl = xdsl.dwFlag == 1;
    } else if (!server) {
        return;
    }

    if (server) {
        // A streaming server always runs in normal mode on port 80.
        m_nPortMode = m_nPortModeRead = 0;
        m_nFirewallPort = m_nFirewallPortRead = 80;
        MarkGroupRead(GROUP_PORT, ReadPortsOfDevice());
        SendPortMode();
        return;
    }
    CFG_PORT_PAIR alt {};
    if (!ReadBlock(GET_ALT_PORT, &alt))
        return;
    MarkGroupRead(GROUP_PORT, TRUE);
    if (alt.dwFirst == 1) {
        m_nPortMode = m_nPortModeRead = 1;
        const int port = int(alt.dwSecond);
        m_nFirewallPort = m_nFirewallPortRead = port;
        m_nConfigPort = m_nConfigPortRead = port;
        m_nFirstPort = m_nFirstPortRead = port;
        m_nSecondPort = m_nSecondPortRead = port;
        m_nTransparentPortRead = port;
        // The session reached the device on its firewall port: its normal
        // port is the default one.
        if (m_nNormalConfigPort == port)
            m_nNormalConfigPort = kDefaultConfigPort;
        g_CurrentDevice.dwConfigPort = g_CurrentDevice.dwStreamPort = g_CurrentDevice.dwHttpPort
            = DWORD(port);
        return;
    }
    m_nFirewallPort = m_nFirewallPortRead = int(alt.dwSecond);
    m_nPortMode = m_nPortModeRead = 0;
    if (alt.dwFirst != 0) {
        // A mode the page does not know is taken for normal on port 80.
        m_nFirewallPort = m_nFirewallPortRead = 80;
        ReadPortsOfDevice();
        SendPortMode();
        return;
    }
    ReadPortsOfDevice();
}

BOOL CPage3Network::ReadPortsOfDevice()
{
    // Outside firewall mode the device is reached where this session reached
    // it: behind a forwarded port that is not its own 8405.
    m_nConfigPort = m_nConfigPortRead = m_nNormalConfigPort;
    g_CurrentDevice.dwConfigPort = DWORD(m_nNormalConfigPort);
    if (Family() != DEVICE_FAMILY_DVR) {
        CFG_PORT_PAIR ports {};
        if (!ReadBlock(GET_SERVER_PORTS, &ports))
            return FALSE;
        m_nFirstPort = m_nFirstPortRead = int(ports.dwFirst);
        m_nSecondPort = m_nSecondPortRead = int(ports.dwSecond);
        m_nTransparentPort = m_nTransparentPortRead = 7119;
    } else {
        CFG_NETWORK_PORTS ports {};
        if (!ReadBlock(GET_NETWORK_PORTS, &ports))
            return FALSE;
        m_nFirstPort = m_nFirstPortRead = int(ports.playback);
        m_nSecondPort = m_nSecondPortRead = int(ports.monitor);
        m_nTransparentPort = m_nTransparentPortRead = int(ports.transparent);
    }
    g_CurrentDevice.dwStreamPort = DWORD(m_nFirstPort);
    g_CurrentDevice.dwHttpPort = DWORD(m_nSecondPort);
    return TRUE;
}

ConfigResult CPage3Network::SendPortMode()
{
    const int mode = m_nPortMode < 0 ? 0 : m_nPortMode;
    const ConfigResult result
        = WriteBlock(SET_ALT_PORT, CFG_PORT_PAIR { uint32_t(mode), uint32_t(m_nFirewallPort) });
    if (result == CONFIG_DONE)
        m_nFirewallPortRead = m_nFirewallPort;
    m_nConfigPort = mode != 0 ? m_nFirewallPort : m_nNormalConfigPort;
    return result;
}

void CPage3Network::ShowSettings()
{
    if (Family() == DEVICE_FAMILY_DVR)
        EnableRegistration(m_nInterval != 0);
    for (int id : { IDC_NET_XDSL_USER, IDC_NET_XDSL_PASSWORD })
        if (CWnd* control = GetDlgItem(id))
            if (Family() != DEVICE_FAMILY_STREAM_SERVER)
                control->EnableWindow(m_bXdsl);
}

// Edits.

void CPage3Network::OnIntervalChanged()
{
    if (m_nQuiet)
        return;
    BOOL number = FALSE;
    const UINT value = GetDlgItemInt(IDC_NET_REG_INTERVAL, &number, FALSE);
    EnableRegistration(number && value != 0);
    MarkGroupChanged(GROUP_IP);
}

void CPage3Network::OnIntervalSpin(NMHDR* pNotify, LRESULT* pResult)
{
    const auto* step = reinterpret_cast<NMUPDOWN*>(pNotify);
    BOOL number = FALSE;
    int value = int(GetDlgItemInt(IDC_NET_REG_INTERVAL, &number, FALSE));
    if (!number)
        value = 0;
    value = StepRegInterval(value, step->iDelta);
    m_nInterval = value;
    SetDlgItemInt(IDC_NET_REG_INTERVAL, UINT(value), FALSE);
    EnableRegistration(value != 0);
    MarkGroupChanged(GROUP_IP);
    // The page has set the value itself.
    *pResult = 1;
}

void CPage3Network::OnDhcpChanged()
{
    MarkGroupChanged(GROUP_DHCP);
}

void CPage3Network::OnXdslCheck()
{
    const BOOL on = IsDlgButtonChecked(IDC_NET_XDSL) == BST_CHECKED;
    for (int id : { IDC_NET_XDSL_USER, IDC_NET_XDSL_PASSWORD })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(on);
    MarkGroupChanged(GROUP_XDSL);
}

void CPage3Network::OnXdslChanged()
{
    if (!m_nQuiet)
        MarkGroupChanged(GROUP_XDSL);
}

void CPage3Network::OnPortModeChanged()
{
    m_nPortMode = IsDlgButtonChecked(IDC_NET_PORT_FIREWALL) == BST_CHECKED ? 1 : 0;
    MarkGroupChanged(GROUP_PORT);
}

void CPage3Network::OnPortChanged()
{
    if (!m_nQuiet)
        MarkGroupChanged(GROUP_PORT);
}

void CPage3Network::SetDefaultPorts()
{
    m_nConfigPort = m_nNormalConfigPort;
    if (Family() == DEVICE_FAMILY_STREAM_SERVER) {
        m_nFirstPort = 554;
        m_nSecondPort = 80;
    } else {
        m_nFirstPort = 8105;
        m_nSecondPort = 8001;
        m_nTransparentPort = 7119;
    }
}

void CPage3Network::OnButtonDefault()
{
    ++m_nQuiet;
    SetDefaultPorts();
    if (m_nFirstPort != m_nFirstPortRead || m_nSecondPort != m_nSecondPortRead)
        MarkGroupChanged(GROUP_PORT);
    UpdateData(FALSE);
    --m_nQuiet;
}

void CPage3Network::OnButtonAdvanced()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nPortMode == 1) {
        CFirewallDlg dlg(this);
        dlg.m_nFirewallPort = m_nFirewallPort;
        if (dlg.DoModal() == IDOK) {
            m_nFirewallPort = dlg.m_nFirewallPort;
            MarkGroupChanged(GROUP_PORT);
        }
    } else {
        CFG_PORT_PAIR alt {};
        if (!ReadBlock(GET_ALT_PORT, &alt))
            return;
        if (alt.dwFirst != 0)
            OnButtonDefault();
        if (Family() != DEVICE_FAMILY_DVR) {
            CNormalPortDlg dlg(this);
            CFG_PORT_PAIR ports {};
            if (ReadBlock(GET_SERVER_PORTS, &ports)) {
                dlg.m_nMonitorPort = m_nSecondPort;
                dlg.m_nPlaybackPort = m_nFirstPort;
            }
            if (dlg.DoModal() == IDOK) {
                m_nSecondPort = dlg.m_nMonitorPort;
                m_nFirstPort = dlg.m_nPlaybackPort;
                MarkGroupChanged(GROUP_PORT);
            }
        } else {
            CNormalPortExDlg dlg(this);
            dlg.m_nMonitorPort = m_nSecondPort;
            dlg.m_nPlaybackPort = m_nFirstPort;
            dlg.m_nTransparentPort = m_nTransparentPort;
            if (dlg.DoModal() == IDOK) {
                m_nSecondPort = dlg.m_nMonitorPort;
                m_nFirstPort = dlg.m_nPlaybackPort;
                m_nTransparentPort = dlg.m_nTransparentPort;
                MarkGroupChanged(GROUP_PORT);
            }
        }
    }
    UpdateData(FALSE);
}

// Apply.

BOOL CPage3Network::ValidateSettings()
{
    const uint32_t family = Family();
    if (family == DEVICE_FAMILY_DVR && m_nInterval != 0
        && (m_nInterval < kRegIntervalLowest || m_nInterval > kRegIntervalHighest)) {
        AfxMessageBox(IDS_REG_INTERVAL_INVALID);
        if (CWnd* edit = GetDlgItem(IDC_NET_REG_INTERVAL))
            edit->SetFocus();
        return FALSE;
    }
    if (IsGroupChanged(GROUP_IP) && !m_Ethernet.Validate(this, m_pConfigView))
        return FALSE;
    if (IsGroupChanged(GROUP_PORT) && family == DEVICE_FAMILY_STREAM_SERVER) {
        if (m_nFirstPort < 1 || m_nFirstPort > 32767)
            return RefusePort(IDC_NET_FIRST_PORT, IDS_STREAMING_PORT_INVALID);
        if (m_nSecondPort < 1 || m_nSecondPort > 32767)
            return RefusePort(IDC_NET_SECOND_PORT, IDS_HTTP_PORT_INVALID);
        if (m_nFirstPort == m_nSecondPort)
            return RefusePort(IDC_NET_FIRST_PORT, IDS_STREAMING_SAME_AS_HTTP);
    }
    return TRUE;
}

ConfigResult CPage3Network::WriteGroup(int group)
{
    switch (group) {
    case GROUP_IP: {
        CFG_IP_CONFIG ip = m_Ethernet.Record();
        if (Family() == DEVICE_FAMILY_DVR) {
            ip.dwInterval = uint32_t(m_nInterval);
        } else {
            // With no entry chosen (a value the list does not have) the
            // device keeps the interval it reported.
            const int index = int(SendDlgItemMessage(IDC_NET_REG_LIST, CB_GETCURSEL));
            if (index >= 0)
                ip.dwInterval = Intervals().SecondsOf(index);
        }
        CopyTextField(ip.szRegServer, sizeof ip.szRegServer, m_strServer.GetString());
        CopyTextField(ip.szGroupId, sizeof ip.szGroupId, m_strGroupId.GetString());
        const ConfigResult result = WriteBlock(SET_IP_CONFIG, ip);
        if (result == CONFIG_DONE)
            m_Ethernet.Written(ip, m_pConfigView);
        return result;
    }
    case GROUP_DHCP:
        return WriteBlock(SET_DHCP, CFG_DHCP { m_bDhcp ? 1u : 0u });
    case GROUP_XDSL: {
        CFG_XDSL_ACCOUNT account {};
        account.dwFlag = m_bXdsl ? 1 : 0;
        CopyTextField(account.szUser, sizeof account.szUser, m_strXdslUser.GetString());
        CopyTextField(account.szPassword, sizeof account.szPassword, m_strXdslPassword.GetString());
        return WriteBlock(SET_XDSL_ACCOUNT, account);
    }
    case GROUP_PORT:
        return WritePorts();
    default:
        return CONFIG_DONE;
    }
}

ConfigResult CPage3Network::WritePorts()
{
    const uint32_t family = Family();
    if (family == DEVICE_FAMILY_STREAM_SERVER) {
        const ConfigResult result
            = WriteBlock(SET_SERVER_PORTS, CFG_PORT_PAIR { uint32_t(m_nFirstPort), uint32_t(m_nSecondPort) });
        if (result != CONFIG_DONE)
            return result;
        if (m_pConfigView)
            m_pConfigView->SetDevicePorts(
                DWORD(m_nFirstPort), DWORD(m_nSecondPort), DWORD(m_nNormalConfigPort));
        const bool streaming = m_nFirstPort != m_nFirstPortRead;
        const bool http = m_nSecondPort != m_nSecondPortRead;
        if (http && !streaming)
            AfxMessageBox(IDS_HTTP_RESTARTED);
        else if (http && streaming)
            AfxMessageBox(IDS_BOTH_RESTARTED);
        else if (streaming)
            AfxMessageBox(IDS_STREAMING_RESTARTED);
        // Only ports the device took become the program's.
        g_CurrentDevice.dwStreamPort = DWORD(m_nFirstPort);
        g_CurrentDevice.dwHttpPort = DWORD(m_nSecondPort);
        m_nFirstPortRead = m_nFirstPort;
        m_nSecondPortRead = m_nSecondPort;
        return result;
    }

    ConfigResult result = CONFIG_DONE;
    if (m_nPortMode == 1) {
        if (!(m_nPortModeRead == 1 && m_nFirewallPort == m_nFirewallPortRead)) {
            result = SendPortMode();
            if (result != CONFIG_DONE)
                return result;
            m_nFirstPort = m_nSecondPort = m_nConfigPort = m_nTransparentPort = m_nFirewallPort;
        }
    } else if (family == DEVICE_FAMILY_DVR) {
        const bool wasFirewall = m_nPortModeRead != 0;
        if (wasFirewall)
            SetDefaultPorts();
        const bool same = m_nFirstPort == m_nFirstPortRead && m_nSecondPort == m_nSecondPortRead
            && m_nTransparentPort == m_nTransparentPortRead;
        if (!same) {
            result = WriteBlock(SET_NETWORK_PORTS,
                CFG_NETWORK_PORTS {
                    uint32_t(m_nFirstPort), uint32_t(m_nSecondPort), uint32_t(m_nTransparentPort) });
            if (result != CONFIG_DONE)
                return result;
        }
        if (wasFirewall) {
            result = SendPortMode();
            if (result != CONFIG_DONE)
                return result;
            if (same)
                ReadPortsOfDevice();
        }
    } else {
        if (m_nPortModeRead != 0) {
            result = SendPortMode();
            if (result != CONFIG_DONE)
                return result;
            SetDefaultPorts();
        }
        const bool same = m_nFirstPort == m_nFirstPortRead && m_nSecondPort == m_nSecondPortRead
            && m_nTransparentPort == m_nTransparentPortRead;
        if (same) {
            if (m_nPortModeRead != 0)
                ReadPortsOfDevice();
        } else {
            result = WriteBlock(
                SET_SERVER_PORTS, CFG_PORT_PAIR { uint32_t(m_nFirstPort), uint32_t(m_nSecondPort) });
            if (result != CONFIG_DONE)
                return result;
        }
    }
    // The ports are stored first: a camera in firewall mode already listens
    // on its new configuration port, where the reboot request must go.
    StorePorts();
    // A camera takes its port assignment only when it starts again.
    if (family != DEVICE_FAMILY_DVR)
        RebootDevice(m_ConfigSession, m_pConfigView, this, SystemRebootTexts(FALSE));
    return result;
}

void CPage3Network::StorePorts()
{
    if (m_pConfigView)
        m_pConfigView->SetDevicePorts(DWORD(m_nFirstPort), DWORD(m_nSecondPort), DWORD(m_nConfigPort));
    m_nConfigPortRead = m_nConfigPort;
    m_nFirstPortRead = m_nFirstPort;
    m_nSecondPortRead = m_nSecondPort;
    m_nTransparentPortRead = m_nTransparentPort;
    m_nPortModeRead = m_nPortMode;
    g_CurrentDevice.dwConfigPort = DWORD(m_nConfigPort);
    g_CurrentDevice.dwStreamPort = DWORD(m_nFirstPort);
    g_CurrentDevice.dwHttpPort = DWORD(m_nSecondPort);
}

void CPage3Network::OnApplied()
{
    if (Family() == DEVICE_FAMILY_DVR)
        ShowNetworkSettingWait(this, kNetworkSettingWaitMs);
}
