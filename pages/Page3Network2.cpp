#include "pages/Page3Network2.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "pages/common/RebootFlow.h"
#include "platform/base/Services.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/IpAddressCtrl.h"

#include <cstring>
#include <iterator>
#include <string>

namespace
{

constexpr const char* kIntervalTexts[]
    = { "Disable", "30 sec", "1 min", "5 min", "10 min", "30 min", "1 hour" };
constexpr uint32_t kIntervalSeconds[] = { 0, 30, 60, 300, 600, 1800, 3600 };

constexpr int kPortHighest = 65535;

} // namespace

BEGIN_MESSAGE_MAP(CPage3Network2, CNetworkPage)
ON_EN_CHANGE(IDC_NET_FIRST_PORT, OnPortChanged)
ON_EN_CHANGE(IDC_NET_SECOND_PORT, OnPortChanged)
ON_BN_CLICKED(IDC_PORT_DEFAULT, OnButtonDefault)
END_MESSAGE_MAP()

CPage3Network2::CPage3Network2()
    : CNetworkPage(IDD_PAGE3_NETWORK2, SLOT_Network2)
{
    DeclareGroups(GROUP_COUNT);
}

const IntervalList& CPage3Network2::Intervals()
{
    static const IntervalList list { kIntervalTexts, kIntervalSeconds, int(std::size(kIntervalSeconds)) };
    return list;
}

void CPage3Network2::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_SystemPage)
        m_pSystemPage = pTarget;
}

bool CPage3Network2::HasRegistration() const
{
    return g_CurrentDevice.dwFamily != 1;
}

void CPage3Network2::DoDataExchange(CDataExchange* pDX)
{
    CNetworkPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NET_REG_SERVER, m_strServer);
    DDV_MaxChars(pDX, m_strServer, 63);
    DDX_Text(pDX, IDC_NET_GROUP_ID, m_strGroupId);
    DDV_MaxChars(pDX, m_strGroupId, 16);
    DDX_Text(pDX, IDC_NET_FIRST_PORT, m_nPlaybackPort);
    DDX_Text(pDX, IDC_NET_SECOND_PORT, m_nMonitorPort);
}

BOOL CPage3Network2::OnInitDialog()
{
    CNetworkPage::OnInitDialog();
    if (auto* address = static_cast<CIPAddressCtrl*>(GetDlgItem(IDC_NET_ADDRESS))) {
        address->SetFieldRange(0, 1, 255);
        address->SetFieldRange(3, 1, 255);
    }
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_NET_REG_LIST)))
        for (const char* text : kIntervalTexts)
            list->AddString(text);
    SendDlgItemMessage(IDC_NET_REG_SERVER, EM_LIMITTEXT, 63);
    SendDlgItemMessage(IDC_NET_GROUP_ID, EM_LIMITTEXT, 16);
    LayOut();
    return TRUE;
}

void CPage3Network2::LayOut()
{
    auto place = [this](int id, int x, int y, int cx, int cy) {
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(x, y, cx, cy);
    };
    place(IDC_NET_ETHERNET_BOX, 15, 15, 510, 87);
    const int labels[] = { IDC_NET_ADDRESS_LABEL, IDC_NET_MASK_LABEL, IDC_NET_GATEWAY_LABEL,
        IDC_NET_DNS1_LABEL, IDC_NET_DNS2_LABEL, IDC_NET_DNS3_LABEL };
    const int fields[]
        = { IDC_NET_ADDRESS, IDC_NET_MASK, IDC_NET_GATEWAY, IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_DNS3 };
    const int rows[] = { 31, 52, 73, 123, 144, 165 };
    for (int i = 0; i < 6; ++i) {
        place(labels[i], 75, rows[i] + 4, 130, 20);
        place(fields[i], 240, rows[i], 230, 20);
    }
    place(IDC_NET_DNS_BOX, 15, 107, 510, 87);
    const bool registration = HasRegistration();
    const int portTop = registration ? 291 : 199;
    if (registration) {
        place(IDC_NET_REG_BOX, 15, 199, 510, 87);
        place(IDC_NET_REG_INTERVAL_LABEL, 75, 219, 130, 20);
        place(IDC_NET_REG_SERVER_LABEL, 75, 240, 130, 20);
        place(IDC_NET_GROUP_ID_LABEL, 75, 261, 130, 20);
        place(IDC_NET_REG_LIST, 240, 214, 100, 20);
        place(IDC_NET_REG_SERVER, 240, 238, 230, 20);
        place(IDC_NET_GROUP_ID, 240, 259, 230, 20);
        place(IDC_NET_PORT_BOX, 15, portTop, 510, 70);
        place(IDC_NET_SECOND_PORT_LABEL, 75, 313, 140, 20);
        place(IDC_NET_FIRST_PORT_LABEL, 75, 334, 140, 20);
        place(IDC_NET_SECOND_PORT, 240, 309, 100, 20);
        place(IDC_NET_FIRST_PORT, 240, 330, 100, 20);
        place(IDC_PORT_DEFAULT, 370, 318, 100, 25);
    } else {
        for (int id : { IDC_NET_REG_BOX, IDC_NET_REG_INTERVAL_LABEL, IDC_NET_REG_SERVER_LABEL,
                 IDC_NET_GROUP_ID_LABEL, IDC_NET_REG_LIST, IDC_NET_REG_SERVER, IDC_NET_GROUP_ID })
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(SW_HIDE);
        place(IDC_NET_PORT_BOX, 15, portTop, 510, 70);
        place(IDC_NET_SECOND_PORT_LABEL, 75, 221, 140, 20);
        place(IDC_NET_FIRST_PORT_LABEL, 75, 242, 140, 20);
        place(IDC_NET_SECOND_PORT, 240, 217, 90, 20);
        place(IDC_NET_FIRST_PORT, 240, 238, 90, 20);
        place(IDC_PORT_DEFAULT, 370, 227, 100, 25);
    }
    CString text;
    text.LoadString(IDS_MONITOR_LABEL);
    SetDlgItemText(IDC_NET_SECOND_PORT_LABEL, text);
    text.LoadString(IDS_PLAYBACK_LABEL);
    SetDlgItemText(IDC_NET_FIRST_PORT_LABEL, text);
}

void CPage3Network2::ReadSettings()
{
    ++m_nQuiet;
    CFG_IP_CONFIG ip {};
    const BOOL ipRead = ReadBlock(GET_IP_CONFIG, &ip);
    MarkGroupRead(GROUP_IP, ipRead);
    if (ipRead) {
        m_Ethernet.Show(this, ip);
        EnableRegistration(TRUE);
        const int index = Intervals().IndexOf(ip.dwInterval);
        if (index >= 0)
            SendDlgItemMessage(IDC_NET_REG_LIST, CB_SETCURSEL, WPARAM(index));
        if (ip.dwInterval == 0)
            EnableRegistration(FALSE);
        m_strServer = TextOfField(ip.szRegServer, sizeof ip.szRegServer);
        m_strGroupId = TextOfField(ip.szGroupId, sizeof ip.szGroupId);
    }
    CFG_PORT_PAIR ports {};
    const BOOL portsRead = ReadBlock(GET_SERVER_PORTS, &ports);
    MarkGroupRead(GROUP_PORT, portsRead);
    if (portsRead) {
        m_nPlaybackPort = m_nPlaybackPortRead = int(ports.dwFirst);
        m_nMonitorPort = m_nMonitorPortRead = int(ports.dwSecond);
    }
    --m_nQuiet;
}

void CPage3Network2::OnPortChanged()
{
    if (!m_nQuiet)
        MarkGroupChanged(GROUP_PORT);
}

void CPage3Network2::OnButtonDefault()
{
    ++m_nQuiet;
    m_nMonitorPort = 8001;
    m_nPlaybackPort = 8105;
    UpdateData(FALSE);
    --m_nQuiet;
    if (m_nMonitorPort != m_nMonitorPortRead || m_nPlaybackPort != m_nPlaybackPortRead)
        MarkGroupChanged(GROUP_PORT);
}

BOOL CPage3Network2::ValidateSettings()
{
    if (IsGroupChanged(GROUP_IP) && !m_Ethernet.Validate(this, m_pConfigView))
        return FALSE;
    if (IsGroupChanged(GROUP_PORT)) {
        if (m_nPlaybackPort < 1 || m_nPlaybackPort > kPortHighest)
            return RefusePort(IDC_NET_FIRST_PORT, IDS_PLAYBACK_PORT_INVALID);
        if (m_nMonitorPort < 1 || m_nMonitorPort > kPortHighest)
            return RefusePort(IDC_NET_SECOND_PORT, IDS_MONITOR_PORT_INVALID);
        if (m_nPlaybackPort == m_nMonitorPort)
            return RefusePort(IDC_NET_FIRST_PORT, IDS_STREAMING_SAME_AS_HTTP);
    }
    return TRUE;
}

ConfigResult CPage3Network2::WriteGroup(int group)
{
    return group == GROUP_IP ? WriteEthernet() : WritePorts();
}

ConfigResult CPage3Network2::WriteEthernet()
{
    CFG_IP_CONFIG ip = m_Ethernet.Record();
    // With no entry chosen (a value the list lacks) the device keeps its own.
    const int index = int(SendDlgItemMessage(IDC_NET_REG_LIST, CB_GETCURSEL));
    if (index >= 0)
        ip.dwInterval = Intervals().SecondsOf(index);
    CopyTextField(ip.szRegServer, sizeof ip.szRegServer, m_strServer.GetString());
    CopyTextField(ip.szGroupId, sizeof ip.szGroupId, m_strGroupId);
    const ConfigResult result = WriteBlock(SET_IP_CONFIG, ip);
    if (result != CONFIG_DONE)
        return result;
    m_Ethernet.Written(ip, m_pConfigView);
    // The tree entry keeps how the device registers.
    const bool off = index == 0;
    g_CurrentDevice.bLookup = off ? 0 : 1;
    CopyTextField(g_CurrentDevice.szLookupHost, sizeof g_CurrentDevice.szLookupHost, off ? "" : m_strServer);
    CopyTextField(reinterpret_cast<char*>(g_CurrentDevice.dwLookup), sizeof g_CurrentDevice.dwLookup,
        off ? "" : static_cast<LPCTSTR>(m_strGroupId));
    if (m_pConfigView)
        m_pConfigView->UpdateSelectedDevice();
    return result;
}

ConfigResult CPage3Network2::WritePorts()
{
    const ConfigResult result
        = WriteBlock(SET_SERVER_PORTS, CFG_PORT_PAIR { uint32_t(m_nPlaybackPort), uint32_t(m_nMonitorPort) });
    if (result != CONFIG_DONE)
        return result;
    if (m_pConfigView)
        m_pConfigView->SetDevicePorts(
            DWORD(m_nPlaybackPort), DWORD(m_nMonitorPort), g_CurrentDevice.dwConfigPort);
    const bool changed = m_nMonitorPort != m_nMonitorPortRead || m_nPlaybackPort != m_nPlaybackPortRead;
    if (changed)
        RebootCamera();
    g_CurrentDevice.dwStreamPort = DWORD(m_nPlaybackPort);
    g_CurrentDevice.dwHttpPort = DWORD(m_nMonitorPort);
    m_nPlaybackPortRead = m_nPlaybackPort;
    m_nMonitorPortRead = m_nMonitorPort;
    return result;
}

// The camera takes new ports only when it starts again; the user may leave
// that for later.
void CPage3Network2::RebootCamera()
{
    if (AfxMessageBox(IDS_PORTS_NEED_REBOOT, MB_YESNO | MB_ICONSTOP) != IDYES)
        return;
    RebootDevice(m_ConfigSession, m_pConfigView, this, SystemRebootTexts(FALSE));
}
