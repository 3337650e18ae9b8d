#include "dialogs/PortAssignDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CFirewallPortDlg, CDialog)
ON_BN_CLICKED(IDC_PORT_DEFAULT, OnButtonDefault)
END_MESSAGE_MAP()

CFirewallPortDlg::CFirewallPortDlg(CWnd* pParent)
    : CDialog(IDD_FIREWALL_PORT, pParent)
{
}

void CFirewallPortDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIREWALL_PORT, m_nPort);
    DDV_MinMaxUInt(pDX, m_nPort, 1, 65535);
}

void CFirewallPortDlg::OnButtonDefault()
{
    m_nPort = 80;
    UpdateData(FALSE);
}

BEGIN_MESSAGE_MAP(CNormalPortAssignDlg, CDialog)
ON_BN_CLICKED(IDC_PORT_DEFAULT, OnButtonDefault)
END_MESSAGE_MAP()

CNormalPortAssignDlg::CNormalPortAssignDlg(CWnd* pParent)
    : CDialog(IDD_NORMAL_PORT_ASSIGN, pParent)
{
}

void CNormalPortAssignDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MONITOR_PORT, m_nMonitorPort);
    DDV_MinMaxUInt(pDX, m_nMonitorPort, 1, 65535);
    DDX_Text(pDX, IDC_PLAYBACK_PORT, m_nPlaybackPort);
    DDV_MinMaxUInt(pDX, m_nPlaybackPort, 1, 65535);
}

void CNormalPortAssignDlg::OnButtonDefault()
{
    m_nMonitorPort = 8001;
    m_nPlaybackPort = 8105;
    UpdateData(FALSE);
}

void EditAssignedPorts(CWnd* pParent, int mode, UINT& firewallPort, UINT& monitorPort, UINT& playbackPort)
{
    if (mode == PORT_MODE_FIREWALL) {
        CFirewallPortDlg dlg(pParent);
        dlg.m_nPort = firewallPort;
        if (dlg.DoModal() == IDOK)
            firewallPort = dlg.m_nPort;
        return;
    }
    CNormalPortAssignDlg dlg(pParent);
    dlg.m_nMonitorPort = monitorPort;
    dlg.m_nPlaybackPort = playbackPort;
    if (dlg.DoModal() == IDOK) {
        monitorPort = dlg.m_nMonitorPort;
        playbackPort = dlg.m_nPlaybackPort;
    }
}

BEGIN_MESSAGE_MAP(CPortAssignDlg, CDialog)
ON_BN_CLICKED(IDC_PORT_ADVANCED, OnAdvanced)
END_MESSAGE_MAP()

CPortAssignDlg::CPortAssignDlg(CWnd* pParent)
    : CDialog(IDD_PORT_ASSIGN, pParent)
{
}

void CPortAssignDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_MODE_NORMAL, m_nMode);
}

void CPortAssignDlg::OnAdvanced()
{
    UpdateData(TRUE);
    EditAssignedPorts(this, m_nMode, m_nFirewallPort, m_nMonitorPort, m_nPlaybackPort);
}
