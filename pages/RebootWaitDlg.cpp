#include "pages/RebootWaitDlg.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ResourceModule.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CRebootWaitDlg, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

CRebootWaitDlg::CRebootWaitDlg(CWnd* pParent)
    : CDialog(IDD_REBOOT_WAIT, pParent)
{
}

CRebootWaitDlg::~CRebootWaitDlg()
{
    // Never leave the view pointing at a box that is gone.
    if (m_bRegistered && m_pHost)
        m_pHost->SetRebootWaiter(nullptr, nullptr);
}

void CRebootWaitDlg::SetDeviceAddress(const char* address)
{
    std::memset(m_szAddress, 0, sizeof m_szAddress);
    std::strncpy(m_szAddress, address ? address : "", sizeof m_szAddress - 1);
}

void CRebootWaitDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_REBOOT_MESSAGE, m_strMessage);
}

BOOL CRebootWaitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bReturned = FALSE;
    m_strPolledAddress = m_szAddress;
    if (m_pHost) {
        m_pHost->SetRebootWaiter(this, m_szAddress);
        m_bRegistered = true;
        m_pHost->DisconnectCurrentDevice();
        m_pHost->ReqUniQuestMsg(m_szAddress);
    }
    SetTimer(TIMER_REBOOT_QUIET, REBOOT_QUIET_MS);
    m_strMessage
        = LoadText(g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR ? IDS_DVR_REBOOTING : IDS_CAMERA_REBOOTING);
    UpdateData(FALSE);
    return TRUE;
}

void CRebootWaitDlg::Ask()
{
    if (!m_pHost)
        return;
    m_pHost->ReqUniQuestMsg(m_strPolledAddress);
    m_pHost->SetRebootWaiter(this, m_strPolledAddress);
    m_bRegistered = true;
}

void CRebootWaitDlg::StopWaiting()
{
    if (m_bRegistered && m_pHost)
        m_pHost->SetRebootWaiter(nullptr, nullptr);
    m_bRegistered = false;
    KillTimer(TIMER_REBOOT_QUIET);
    KillTimer(TIMER_REBOOT_POLL);
    KillTimer(TIMER_REBOOT_GIVE_UP);
}

void CRebootWaitDlg::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_REBOOT_QUIET:
        // The device needs some seconds before it can answer at all.
        KillTimer(TIMER_REBOOT_QUIET);
        SetTimer(TIMER_REBOOT_GIVE_UP, REBOOT_GIVE_UP_MS);
        SetTimer(TIMER_REBOOT_POLL, REBOOT_POLL_MS);
        break;
    case TIMER_REBOOT_POLL:
        Ask();
        break;
    case TIMER_REBOOT_GIVE_UP:
        StopWaiting();
        m_bReturned = FALSE;
        EndDialog(IDOK);
        break;
    default:
        break;
    }
}

void CRebootWaitDlg::OnDeviceReturned()
{
    // The view has cleared its registration before calling.
    m_bRegistered = false;
    StopWaiting();
    m_bReturned = TRUE;
    EndDialog(IDOK);
}
