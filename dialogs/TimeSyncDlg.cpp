#include "dialogs/TimeSyncDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CTimeSyncDlg, CDialog)
ON_BN_CLICKED(IDC_NTP_ENABLE, OnEdit)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_NTP_ADDRESS, OnAddressEdit)
ON_CBN_SELCHANGE(IDC_NTP_MODE, OnListChange)
ON_CBN_SELCHANGE(IDC_NTP_LOCATION, OnListChange)
END_MESSAGE_MAP()

CTimeSyncDlg::CTimeSyncDlg(CWnd* pPage)
    : CTimePane(IDD_TIME_SYNC, pPage)
{
}

void CTimeSyncDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_NTP_ENABLE, m_bServer);
    DDX_CBIndex(pDX, IDC_NTP_MODE, m_nRole);
    DDX_CBIndex(pDX, IDC_NTP_LOCATION, m_nLocation);
    DDX_Text(pDX, IDC_NTP_INTERVAL, m_nInterval);
}

BOOL CTimeSyncDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList(IDC_NTP_MODE, { "Client", "Master" });
    FillList(IDC_NTP_LOCATION, { "Public", "Local Network" });
    // The interval and its arrows are kept, hidden.
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NTP_INTERVAL_SPIN)))
        spin->SetBuddy(GetDlgItem(IDC_NTP_INTERVAL));
    UpdateData(FALSE);
    return TRUE;
}

void CTimeSyncDlg::OnListChange()
{
    UpdateData(TRUE);
    ReportEdit();
}

void CTimeSyncDlg::SetTimeSync(tagTimeSyncSetting setting)
{
    m_Kept = setting;
    m_bServer = setting.byField[0] ? 1 : 0;
    m_nRole = setting.byField[1];
    m_nLocation = setting.byField[2];
    m_nInterval = setting.dwInterval;
    UpdateData(FALSE);
    if (CIPAddressCtrl* address = Address(IDC_NTP_ADDRESS))
        address->SetAddress(setting.dwAddress);
    UpdateData(TRUE);
}

bool CTimeSyncDlg::GetTimeSync(tagTimeSyncSetting* setting)
{
    UpdateData(TRUE);
    tagTimeSyncSetting now = m_Kept;
    now.byField[0] = uint8_t(m_bServer);
    now.byField[1] = uint8_t(m_nRole);
    now.byField[2] = uint8_t(m_nLocation);
    DWORD address = 0;
    if (CIPAddressCtrl* control = Address(IDC_NTP_ADDRESS))
        control->GetAddress(address);
    now.dwAddress = address;
    now.dwInterval = m_nInterval;
    const bool changed = std::memcmp(&now, &m_Kept, sizeof now) != 0;
    m_Kept = now;
    *setting = now;
    return changed;
}
