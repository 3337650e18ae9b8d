#include "dialogs/PortsDlg.h"

#include "platform/ui/DataExchange.h"
#include "resources/setup/Resource.h"

BEGIN_MESSAGE_MAP(CPortsDlg, CPagePane)
ON_EN_CHANGE(IDC_NORMAL_MONITOR_PORT, OnChanged)
ON_EN_CHANGE(IDC_NORMAL_PLAYBACK_PORT, OnChanged)
ON_EN_CHANGE(IDC_TRANSPARENT_PORT, OnChanged)
ON_EN_CHANGE(IDC_PANE_FIREWALL_PORT, OnChanged)
ON_BN_CLICKED(IDC_PANE_FIREWALL_ENABLE, OnChanged)
END_MESSAGE_MAP()

CPortsDlg::CPortsDlg(CWnd* pParent)
    : CPagePane(IDD_PORTS, pParent)
{
}

BOOL CPortsDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    UpdateData(FALSE);
    return TRUE;
}

void CPortsDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NORMAL_MONITOR_PORT, m_nMonitorPort);
    DDX_Text(pDX, IDC_NORMAL_PLAYBACK_PORT, m_nPlaybackPort);
    DDX_Text(pDX, IDC_TRANSPARENT_PORT, m_nTransparentPort);
    DDX_Text(pDX, IDC_PANE_FIREWALL_PORT, m_nFirewallPort);
    DDX_Check(pDX, IDC_PANE_FIREWALL_ENABLE, m_bFirewall);
}

void CPortsDlg::SetPorts(int nPlayback, int nMonitor, int nTransparent, BYTE byFirewall, int nFirewallPort)
{
    m_Stored = { nPlayback, nMonitor, nTransparent, nFirewallPort, BYTE(byFirewall ? 1 : 0) };
    m_nPlaybackPort = nPlayback;
    m_nMonitorPort = nMonitor;
    m_nTransparentPort = nTransparent;
    m_nFirewallPort = nFirewallPort;
    m_bFirewall = byFirewall ? 1 : 0;
    if (GetSafeHwnd())
        UpdateData(FALSE);
}

bool CPortsDlg::GetPorts(int ports[3], BYTE* pFirewall, int* pFirewallPort)
{
    if (GetSafeHwnd() && !UpdateData(TRUE))
        return false;
    const Stored now { m_nPlaybackPort, m_nMonitorPort, m_nTransparentPort, m_nFirewallPort,
        BYTE(m_bFirewall ? 1 : 0) };
    if (now.playback == m_Stored.playback && now.monitor == m_Stored.monitor
        && now.transparent == m_Stored.transparent && now.firewallPort == m_Stored.firewallPort
        && now.firewall == m_Stored.firewall)
        return false;
    m_Stored = now;
    ports[0] = now.playback;
    ports[1] = now.monitor;
    ports[2] = now.transparent;
    *pFirewall = now.firewall;
    *pFirewallPort = now.firewallPort;
    return true;
}
