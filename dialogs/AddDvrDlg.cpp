#include "dialogs/AddDvrDlg.h"

#include "dialogs/PortAssignDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/ui/DataExchange.h"
#include "resources/setup/Resource.h"

#include <cstring>

namespace
{

constexpr UINT kTryMs = 3000;
constexpr UINT kRepliedMs = 2000;

} // namespace

BEGIN_MESSAGE_MAP(CAddDvrDlg, CDialog)
ON_EN_CHANGE(IDC_DVR_ADDRESS, OnChangeAddress)
ON_BN_CLICKED(IDC_START_PROBE, OnStartProbe)
ON_BN_CLICKED(IDC_DVR_ADVANCED, OnAdvanced)
ON_WM_TIMER()
END_MESSAGE_MAP()

CAddDvrDlg::CAddDvrDlg(CWnd* pParent)
    : CDialog(IDD_ADD_DVR, pParent)
{
}

uint32_t CAddDvrDlg::Family() const
{
    return g_CurrentDevice.dwFamily;
}

void CAddDvrDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DVR_ADDRESS, m_strAddress);
    DDV_MaxChars(pDX, m_strAddress, 127);
    DDX_Text(pDX, IDC_PROBE_STATUS, m_strStatus);
    DDX_Radio(pDX, IDC_DVR_MODE_NORMAL, m_nPortMode);
}

BOOL CAddDvrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pView)
        m_pView->SetOpenAddDvrDlg(this);
    GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    if (Family() == DEVICE_FAMILY_DVR)
        SetWindowText(LoadText(IDS_ADD_NEW_DVR));
    m_nMonitorPort = 8001;
    m_nPlaybackPort = 8105;
    m_nFirewallPort = 80;
    return TRUE;
}

void CAddDvrDlg::OnChangeAddress()
{
    GetDlgItem(IDC_START_PROBE)->EnableWindow(TRUE);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
}

void CAddDvrDlg::EndWait()
{
    if (!m_bWaiting)
        return;
    m_bWaiting = FALSE;
    EndWaitCursor();
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
}

void CAddDvrDlg::SendFailed()
{
    m_strStatus = "Fail to probing!";
    GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
    GetDlgItem(IDOK)->EnableWindow(TRUE);
    UpdateData(FALSE);
    EndWait();
}

void CAddDvrDlg::OnStartProbe()
{
    SetCapture();
    if (!m_bWaiting)
        BeginWaitCursor(); // ended once, by EndWait, however the probe ends
    m_bWaiting = TRUE;
    UpdateData(TRUE);
    m_strStatus.Empty();
    m_dwAwaited = 0;
    UpdateData(FALSE);
    GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
    m_nTry = 1;
    m_bReplied = FALSE;
    char resolved[128] = {};
    if (ResolveHostName(m_strAddress, resolved) != 0) {
        GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        m_strStatus = "Fail to probing! Check your address.";
        UpdateData(FALSE);
        EndWait();
        return;
    }
    if (m_pView)
        m_pView->SetAwaitedAddress(ParseIpAddress(resolved));
    if (!m_pView || !m_pView->ReqUniQuestMsg(resolved)) {
        SendFailed();
        return;
    }
    SetTimer(TIMER_PROBE, kTryMs);
}

void CAddDvrDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_PROBE_REPLIED) {
        KillTimer(TIMER_PROBE_REPLIED);
        EndWait();
        return;
    }
    if (nIDEvent != TIMER_PROBE || m_bReplied)
        return;
    const CString failed = LoadText(Family() == DEVICE_FAMILY_DVR ? IDS_DVR_PROBE_FAILED : IDS_PROBE_FAILED);
    const CString tryText = LoadText(IDS_FIRST_TRY + UINT(m_nTry - 1));
    if (m_nTry == 1)
        m_strStatus.Format(" %s $ %s", tryText.GetString(), failed.GetString());
    else
        m_strStatus.AppendFormat("\r\n %s $ %s", tryText.GetString(), failed.GetString());
    UpdateData(FALSE);
    KillTimer(TIMER_PROBE);
    ++m_nTry;
    char resolved[128] = {};
    const bool resolvedOk = ResolveHostName(m_strAddress, resolved) == 0;
    if (m_nTry == 4) {
        if (m_pView)
            m_pView->SetAwaitedAddress(0);
        GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
        GetDlgItem(IDOK)->EnableWindow(TRUE);
        EndWait();
        return;
    }
    if (!resolvedOk || !m_pView || !m_pView->ReqUniQuestMsg(resolved)) {
        SendFailed();
        return;
    }
    SetTimer(TIMER_PROBE, kTryMs);
}

void CAddDvrDlg::OnProbeReply(const RES_DISCOVER_OVEL& reply)
{
    m_bReplied = TRUE;
    KillTimer(TIMER_PROBE);
    if (m_pView) {
        m_dwAwaited = m_pView->GetAwaitedAddress();
        m_pView->SetAwaitedAddress(0);
    }
    SetTimer(TIMER_PROBE_REPLIED, kRepliedMs);
    m_record = reply;
    if (m_record.port != 0) {
        m_nPortMode = 1;
        m_nFirewallPort = m_record.port;
    }
    const bool dvr = Family() == DEVICE_FAMILY_DVR;
    const int shownTry = m_nTry >= 1 && m_nTry <= 3 ? m_nTry : 3;
    m_strStatus.Format(" %s $ %s", LoadText(IDS_FIRST_TRY + UINT(shownTry - 1)).GetString(),
        LoadText(dvr ? IDS_DVR_PROBE_OK : IDS_PROBE_OK).GetString());
    m_strStatus += "\r\n ";
    m_strStatus += dvr ? "\r\n << DVR Information >>" : "\r\n << Cam Information >>";
    char serial[25] = {};
    std::memcpy(serial, m_record.serial, sizeof(m_record.serial));
    m_strStatus += LoadText(IDS_SERIAL_LINE);
    m_strStatus.AppendFormat(" %s", serial);
    m_strStatus += LoadText(IDS_MAC_LINE);
    m_strStatus.AppendFormat(" %02x:%02x:%02x:%02x:%02x:%02x", m_record.mac[0], m_record.mac[1],
        m_record.mac[2], m_record.mac[3], m_record.mac[4], m_record.mac[5]);
    UpdateData(FALSE);
    GetDlgItem(IDC_START_PROBE)->EnableWindow(FALSE);
    GetDlgItem(IDOK)->EnableWindow(TRUE);
}

void CAddDvrDlg::OnAdvanced()
{
    UpdateData(TRUE);
    EditAssignedPorts(this, m_nPortMode, m_nFirewallPort, m_nMonitorPort, m_nPlaybackPort);
}

void CAddDvrDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!m_bReplied) {
        std::memset(&m_record, 0, sizeof(m_record));
        m_record.ipAddress = ParseIpAddress(m_strAddress);
        std::strcpy(m_record.title, "Welcome to Quillomaranth");
    }
    m_record.port = m_nPortMode == 1 ? m_nFirewallPort : 8405;
    KillTimer(TIMER_PROBE);
    KillTimer(TIMER_PROBE_REPLIED);
    EndWait();
    EndDialog(IDOK);
}

void CAddDvrDlg::OnCancel()
{
    KillTimer(TIMER_PROBE);
    KillTimer(TIMER_PROBE_REPLIED);
    EndWait();
    CDialog::OnCancel();
}
