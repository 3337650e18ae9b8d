#include "dialogs/NormalPortDlg.h"

#include "link/CurrentDevice.h"
#include "platform/ui/DataExchange.h"

namespace
{

constexpr int kPortMax = 65535;
// A streaming server takes ports up to 32767 only.
constexpr int kStreamServerPortMax = 32767;

bool IsPort(int port, int max)
{
    return port >= 1 && port <= max;
}

// Families 0, 1, 3 and 4 use monitor and playback ports.
bool UsesMonitorPorts(uint32_t family)
{
    return family <= DEVICE_FAMILY_DVR && family != DEVICE_FAMILY_STREAM_SERVER;
}

} // namespace

BEGIN_MESSAGE_MAP(CNormalPortDlg, CDialog)
ON_EN_CHANGE(IDC_NORMAL_PLAYBACK_PORT, OnPortChange)
ON_EN_CHANGE(IDC_NORMAL_MONITOR_PORT, OnPortChange)
ON_EN_CHANGE(IDC_TRANSPARENT_PORT, OnPortChange)
ON_BN_CLICKED(IDC_PORT_DEFAULT, OnButtonDefault)
END_MESSAGE_MAP()

CNormalPortDlg::CNormalPortDlg(CWnd* pParent)
    : CDialog(IDD_NORMAL_PORT, pParent)
{
}

CNormalPortDlg::CNormalPortDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent)
{
}

void CNormalPortDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NORMAL_MONITOR_PORT, m_nMonitorPort);
    DDV_MinMaxInt(pDX, m_nMonitorPort, 1, kPortMax);
    DDX_Text(pDX, IDC_NORMAL_PLAYBACK_PORT, m_nPlaybackPort);
    DDV_MinMaxInt(pDX, m_nPlaybackPort, 1, kPortMax);
}

BOOL CNormalPortDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const uint32_t family = g_CurrentDevice.dwFamily;
    CString monitor, playback;
    if (UsesMonitorPorts(family)) {
        monitor.LoadString(IDS_MONITOR_PORT_LABEL);
        playback.LoadString(IDS_PLAYBACK_PORT_LABEL);
    } else if (family == DEVICE_FAMILY_STREAM_SERVER) {
        monitor.LoadString(IDS_HTTP_LABEL);
        playback.LoadString(IDS_STREAMING_SERVER_LABEL);
    }
    if (!monitor.IsEmpty())
        SetDlgItemText(IDC_MONITOR_PORT_LABEL, monitor);
    if (!playback.IsEmpty())
        SetDlgItemText(IDC_PLAYBACK_PORT_LABEL, playback);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CNormalPortDlg::EnableOk()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CNormalPortDlg::OnPortChange()
{
    EnableOk();
}

void CNormalPortDlg::OnButtonDefault()
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    if (UsesMonitorPorts(family)) {
        m_nMonitorPort = 8001;
        m_nPlaybackPort = 8105;
    } else if (family == DEVICE_FAMILY_STREAM_SERVER) {
        m_nMonitorPort = 80;
        m_nPlaybackPort = 554;
    }
    UpdateData(FALSE);
    EnableOk();
}

bool CNormalPortDlg::RefusePort(int nIDC, UINT message)
{
    AfxMessageBox(message);
    if (CWnd* edit = GetDlgItem(nIDC)) {
        edit->SetFocus();
        edit->SendMessage(EM_SETSEL, 0, -1);
        edit->SendMessage(EM_SCROLLCARET);
    }
    return false;
}

bool CNormalPortDlg::CheckPorts()
{
    const bool server = g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER;
    const int max = server ? kStreamServerPortMax : kPortMax;
    if (!IsPort(m_nMonitorPort, max))
        return RefusePort(IDC_NORMAL_MONITOR_PORT, server ? IDS_HTTP_PORT_INVALID : IDS_MONITOR_PORT_INVALID);
    if (!IsPort(m_nPlaybackPort, max))
        return RefusePort(
            IDC_NORMAL_PLAYBACK_PORT, server ? IDS_STREAMING_PORT_INVALID : IDS_PLAYBACK_PORT_INVALID);
    return true;
}

void CNormalPortDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckPorts())
        return;
    if (m_nMonitorPort == m_nPlaybackPort) {
        AfxMessageBox(IDS_PORTS_EQUAL);
        return;
    }
    EndDialog(IDOK);
}

CNormalPortExDlg::CNormalPortExDlg(CWnd* pParent)
    : CNormalPortDlg(IDD_NORMAL_PORT_EX, pParent)
{
}

void CNormalPortExDlg::DoDataExchange(CDataExchange* pDX)
{
    CNormalPortDlg::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TRANSPARENT_PORT, m_nTransparentPort);
    DDV_MinMaxInt(pDX, m_nTransparentPort, 1, kPortMax);
}

void CNormalPortExDlg::OnButtonDefault()
{
    if (UsesMonitorPorts(g_CurrentDevice.dwFamily))
        m_nTransparentPort = 7119;
    CNormalPortDlg::OnButtonDefault();
}

void CNormalPortExDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckPorts())
        return;
    if (!IsPort(m_nTransparentPort, kPortMax)) {
        RefusePort(IDC_TRANSPARENT_PORT, IDS_TRANSPARENT_PORT_INVALID);
        return;
    }
    if (m_nMonitorPort == m_nPlaybackPort || m_nMonitorPort == m_nTransparentPort
        || m_nPlaybackPort == m_nTransparentPort) {
        AfxMessageBox(IDS_SOME_PORTS_EQUAL);
        return;
    }
    EndDialog(IDOK);
}
