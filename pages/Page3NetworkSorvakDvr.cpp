#include "pages/Page3NetworkSorvakDvr.h"

#include "dialogs/DialUpSetupDlg.h"
#include "dialogs/EmailAlarmDlg.h"
#include "dialogs/IpSettingsDlg.h"
#include "dialogs/PortsDlg.h"
#include "dialogs/PppDlg.h"
#include "dialogs/RegServerDlg.h"
#include "dialogs/SerialPortDlg.h"
#include "dialogs/XdslDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "pages/common/AddressChange.h"
#include "pages/common/PaneTabs.h"
#include "pages/common/ParameterRequest.h"
#include "platform/base/Services.h"

#include <cstring>

namespace
{

constexpr UINT kCaptions[CPage3NetworkSorvakDvr::TAB_COUNT] = { IDS_TAB_NETWORK, IDS_TAB_XDSL,
    IDS_ROOT_SERVER, IDS_TAB_PORTS, IDS_TAB_COM_PORT, IDS_TAB_DIAL_IN, IDS_TAB_DIAL_OUT, IDS_TAB_EMAIL };
constexpr int kNetworkSettingWaitMs = 2000;
// The page edits the recorder's first serial port.
constexpr uint8_t kSerialPort = 0;

// The worse of two write results: no answer above a refusal above done.
ConfigResult Worse(ConfigResult a, ConfigResult b)
{
    return a == CONFIG_NO_CONNECTION || b == CONFIG_NO_CONNECTION ? CONFIG_NO_CONNECTION
        : a == CONFIG_REFUSED || b == CONFIG_REFUSED              ? CONFIG_REFUSED
                                                                  : CONFIG_DONE;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage3NetworkSorvakDvr, CConfigPage)
ON_NOTIFY(TCN_SELCHANGE, IDC_CONNECT_TAB, OnTabChange)
END_MESSAGE_MAP()

CPage3NetworkSorvakDvr::CPage3NetworkSorvakDvr()
    : CConfigPage(IDD_PAGE3_CONNECTIVITY, SLOT_NetworkSorvakDvr)
{
}

CPage3NetworkSorvakDvr::~CPage3NetworkSorvakDvr()
{
    CPage3NetworkSorvakDvr::ReleaseChildDialogs();
}

void CPage3NetworkSorvakDvr::ReleaseChildDialogs()
{
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        if (m_owned[tab] && m_owned[tab]->GetSafeHwnd())
            m_owned[tab]->DestroyWindow();
        m_owned[tab].reset();
        m_pPanes[tab] = nullptr;
    }
    m_pIpSettings = nullptr;
    m_pXdsl = nullptr;
    m_pRegServer = nullptr;
    m_pPorts = nullptr;
    m_pSerial = nullptr;
    m_pPpp = nullptr;
    m_pDialUp = nullptr;
    m_pEmail = nullptr;
}

CWnd* CPage3NetworkSorvakDvr::Pane(int tab) const
{
    return tab >= 0 && tab < TAB_COUNT ? m_pPanes[tab] : nullptr;
}

BOOL CPage3NetworkSorvakDvr::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_nNormalConfigPort = g_CurrentDevice.dwConfigPort ? int(g_CurrentDevice.dwConfigPort) : 8405;
    m_Tab.Create(WS_CHILD | WS_VISIBLE, CRect(14, 14, 524, 474), this, IDC_CONNECT_TAB);
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        CString caption;
        caption.LoadString(kCaptions[tab]);
        m_Tab.InsertItem(tab, caption);
    }
    m_pIpSettings = new CIpSettingsDlg(this);
    m_pIpSettings->m_isAddressInUse = [this](DWORD address) {
        return m_pConfigView ? m_pConfigView->FindConnectedDevice(address) : FALSE;
    };
    m_pXdsl = new CXdslDlg(this);
    m_pRegServer = new CRegServerDlg(this);
    m_pPorts = new CPortsDlg(this);
    m_pSerial = new CSerialPortDlg(this);
    m_pPpp = new CPppDlg(this);
    m_pDialUp = new CDialUpSetupDlg(this);
    m_pEmail = new CEmailAlarmDlg(this);
    CPagePane* panes[TAB_COUNT]
        = { m_pIpSettings, m_pXdsl, m_pRegServer, m_pPorts, m_pSerial, m_pPpp, m_pDialUp, m_pEmail };
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        m_owned[tab].reset(panes[tab]);
        m_pPanes[tab] = panes[tab];
        if (!panes[tab] || !panes[tab]->CreatePane(this))
            continue;
        panes[tab]->MoveWindow(28, 46, 488, tab == TAB_DIAL_OUT ? 420 : 400);
    }
    ShowTab(TAB_NETWORK);
    return TRUE;
}

void CPage3NetworkSorvakDvr::ShowTab(int tab)
{
    CWnd* panes[TAB_COUNT];
    for (int t = 0; t < TAB_COUNT; ++t)
        panes[t] = m_pPanes[t];
    ShowTabPane(m_Tab, panes, tab);
}

void CPage3NetworkSorvakDvr::OnTabChange(NMHDR*, LRESULT* pResult)
{
    ShowTab(m_Tab.GetCurSel());
    *pResult = 0;
}

// The names of the devices a serial port can serve; the pane lists those
// of the first port.
void CPage3NetworkSorvakDvr::ReadSerialPort()
{
    SerialDeviceNames names;
    if (ReadSerialDeviceNames(m_ConfigSession, m_Reply, &names) != SERIAL_NAMES_READ)
        return;
    const auto table = names.Table(SERIAL_KIND_FIRST_PORT);
    m_pSerial->SetDeviceNames(int(table.size()), table.data());
}

void CPage3NetworkSorvakDvr::ReadSettings()
{
    ReadSerialPort();
    CFG_IP_CONFIG ip {};
    CFG_DHCP dhcp {};
    CFG_XDSL_STATE xdsl {};
    if (ReadBlock(GET_IP_CONFIG, &ip) && ReadBlock(GET_DHCP, &dhcp) && ReadBlock(GET_XDSL_ACCOUNT, &xdsl)) {
        m_pIpSettings->SetIpSettings(ip, BYTE(xdsl.dwFlag ? 1 : 0), BYTE(dhcp.dwFlag ? 1 : 0));
        m_pXdsl->SetXdsl(xdsl);
        m_pRegServer->SetRegServer(ip);
        m_Network = m_Registration = ip;
        m_byDhcp = BYTE(dhcp.dwFlag ? 1 : 0);
        m_byXdsl = BYTE(xdsl.dwFlag ? 1 : 0);
    }
    CFG_PORT_PAIR alt {};
    CFG_NETWORK_PORTS ports {};
    if (ReadBlock(GET_ALT_PORT, &alt) && ReadBlock(GET_NETWORK_PORTS, &ports))
        m_pPorts->SetPorts(int(ports.playback), int(ports.monitor), int(ports.transparent),
            BYTE(alt.dwFirst == 1 ? 1 : 0), int(alt.dwSecond));
    tagSerialSetting serial {};
    if (ReadSerialSettings(m_ConfigSession, m_Reply, kSerialPort, &serial))
        m_pSerial->SetSerialSettings(serial);
    CFG_CONNECTIVITY connectivity {};
    if (ReadBlock(GET_CONNECTIVITY, &connectivity)) {
        m_pPpp->SetPpp(connectivity.ppp);
        m_pDialUp->SetDialUp(connectivity.dialUp);
    }
    tagEmailNotify email {};
    if (ReadBlock(GET_EMAIL_NOTIFY, &email)) {
        m_pEmail->SetSettings(email);
        m_pEmail->Refresh();
    }
}

// The panes that check what they hold are asked first: a refused entry
// stops the apply before any group is sent.
BOOL CPage3NetworkSorvakDvr::ValidateSettings()
{
    CFG_IP_CONFIG network {};
    BYTE dhcp = 0, xdsl = 0;
    const int result = m_pIpSettings->GetIpSettings(&network, &dhcp, &xdsl);
    if (result == CIpSettingsDlg::IP_REFUSED) {
        ShowTab(TAB_NETWORK);
        return FALSE;
    }
    CFG_IP_CONFIG registration {};
    bool regChanged = false;
    if (!m_pRegServer->GetRegServer(&registration, &regChanged)) {
        ShowTab(TAB_REG);
        return FALSE;
    }
    m_bNetworkChanged = result == CIpSettingsDlg::IP_CHANGED;
    if (m_bNetworkChanged) {
        m_Network = network;
        m_byDhcp = dhcp;
        m_byXdsl = xdsl;
    }
    m_bRegChanged = regChanged;
    if (regChanged)
        m_Registration = registration;
    return TRUE;
}

ConfigResult CPage3NetworkSorvakDvr::WriteGroup(int)
{
    CWaitCursor wait;
    ConfigResult result = CONFIG_DONE;
    tagPppSetting ppp {};
    tagDialUpSetting dialUp {};
    const bool pppChanged = m_pPpp->GetPpp(&ppp);
    const bool dialUpChanged = m_pDialUp->GetDialUp(&dialUp);
    if (pppChanged || dialUpChanged)
        result = Worse(result, WriteBlock(SET_CONNECTIVITY, CFG_CONNECTIVITY { ppp, dialUp }));
    tagSerialSetting serial {};
    if (m_pSerial->GetSerialSettings(&serial))
        result = Worse(result, WriteSerialSettings(m_ConfigSession, m_Reply, kSerialPort, serial));
    result = Worse(result, WriteNetwork());
    result = Worse(result, WritePorts());
    tagEmailNotify email {};
    if (m_pEmail->GetSettings(&email))
        result = Worse(result, WriteBlock(SET_EMAIL_NOTIFY, email));
    return result;
}

ConfigResult CPage3NetworkSorvakDvr::WriteNetwork()
{
    CFG_XDSL_STATE xdsl {};
    const bool xdslChanged = m_pXdsl->GetXdsl(&xdsl);
    if (!m_bNetworkChanged && !xdslChanged && !m_bRegChanged)
        return CONFIG_DONE;
    ConfigResult result = WriteBlock(SET_DHCP, CFG_DHCP { m_byDhcp });
    CFG_XDSL_ACCOUNT account {};
    account.dwFlag = m_byXdsl;
    std::memcpy(account.szUser, xdsl.szUser, sizeof account.szUser);
    std::memcpy(account.szPassword, xdsl.szPassword, sizeof account.szPassword);
    result = Worse(result, WriteBlock(SET_XDSL_ACCOUNT, account));
    CFG_IP_CONFIG ip = m_Network;
    ip.dwInterval = m_Registration.dwInterval;
    std::memcpy(ip.szRegServer, m_Registration.szRegServer, sizeof ip.szRegServer);
    std::memcpy(ip.szGroupId, m_Registration.szGroupId, sizeof ip.szGroupId);
    const ConfigResult written = WriteBlock(SET_IP_CONFIG_EX, ip);
    if (written == CONFIG_DONE && ip.dwAddress != g_CurrentDevice.dwIpAddress)
        FollowAddressChange(m_pConfigView, ip.dwAddress);
    m_bNetworkChanged = m_bRegChanged = false;
    return Worse(result, written);
}

ConfigResult CPage3NetworkSorvakDvr::WritePorts()
{
    int ports[3] = {};
    BYTE firewall = 0;
    int firewallPort = 0;
    if (!m_pPorts->GetPorts(ports, &firewall, &firewallPort))
        return CONFIG_DONE;
    ConfigResult result = WriteBlock(
        SET_NETWORK_PORTS, CFG_NETWORK_PORTS { uint32_t(ports[0]), uint32_t(ports[1]), uint32_t(ports[2]) });
    if (result != CONFIG_DONE)
        return result;
    result = WriteBlock(SET_ALT_PORT, CFG_PORT_PAIR { firewall ? 1u : 0u, uint32_t(firewallPort) });
    if (result != CONFIG_DONE)
        return result;
    const DWORD configPort = firewall ? DWORD(firewallPort) : DWORD(m_nNormalConfigPort);
    if (m_pConfigView)
        m_pConfigView->SetDevicePorts(DWORD(ports[0]), DWORD(ports[1]), configPort);
    g_CurrentDevice.dwStreamPort = DWORD(ports[0]);
    g_CurrentDevice.dwHttpPort = DWORD(ports[1]);
    g_CurrentDevice.dwConfigPort = configPort;
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR)
        ShowNetworkSettingWait(this, kNetworkSettingWaitMs);
    return result;
}
