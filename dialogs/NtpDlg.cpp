#include "dialogs/NtpDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CNtpDlg, CDialog)
ON_EN_CHANGE(IDC_NTP_INTERVAL, OnIntervalEdit)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_NTP_ADDRESS, OnAddressEdit)
ON_BN_CLICKED(IDC_NTP_ENABLE, OnEdit)
ON_CBN_SELCHANGE(IDC_NTP_MODE, OnModeOrLocation)
ON_CBN_SELCHANGE(IDC_NTP_LOCATION, OnModeOrLocation)
END_MESSAGE_MAP()

CNtpDlg::CNtpDlg(CWnd* pPage)
    : CTimePane(IDD_NTP, pPage)
{
}

void CNtpDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_NTP_ENABLE, m_bSync);
    DDX_CBIndex(pDX, IDC_NTP_MODE, m_nMode);
    DDX_CBIndex(pDX, IDC_NTP_LOCATION, m_nLocation);
    DDX_Text(pDX, IDC_NTP_INTERVAL, m_nInterval);
}

BOOL CNtpDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList(IDC_NTP_MODE, { "Client", "Server" });
    FillList(IDC_NTP_LOCATION, { "Public", "Local Network" });
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NTP_INTERVAL_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_NTP_INTERVAL));
        spin->SetRange32(0, kIntervalSpinHighest);
    }
    UpdateData(FALSE);
    FollowInterval();
    ApplyEnabling();
    return TRUE;
}

void CNtpDlg::FollowInterval()
{
    auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NTP_INTERVAL_SPIN));
    if (!spin)
        return;
    BOOL read = FALSE;
    const UINT shown = GetDlgItemInt(IDC_NTP_INTERVAL, &read, FALSE);
    spin->SetPos(int(std::min<UINT>(read ? shown : 0, kIntervalSpinHighest)));
}

void CNtpDlg::OnIntervalEdit()
{
    FollowInterval();
    ReportEdit();
}

void CNtpDlg::ApplyEnabling()
{
    const BOOL client = m_nMode != 1;
    Enable(IDC_NTP_LOCATION, client);
    Enable(IDC_NTP_INTERVAL, client);
    Enable(IDC_NTP_INTERVAL_SPIN, client);
    Enable(IDC_NTP_ADDRESS, client && m_nLocation == 1);
}

void CNtpDlg::OnModeOrLocation()
{
    m_nMode = static_cast<CComboBox*>(GetDlgItem(IDC_NTP_MODE))->GetCurSel();
    m_nLocation = static_cast<CComboBox*>(GetDlgItem(IDC_NTP_LOCATION))->GetCurSel();
    ApplyEnabling();
    ReportEdit();
}

void CNtpDlg::SetNtp(tagNtpSetting setting)
{
    m_bSync = setting.byField[0] ? 1 : 0;
    m_nMode = setting.byField[1];
    m_nLocation = setting.byField[2];
    m_nInterval = setting.dwInterval;
    UpdateData(FALSE);
    if (CIPAddressCtrl* address = Address(IDC_NTP_ADDRESS))
        address->SetAddress(setting.dwAddress);
    ApplyEnabling();
}

void CNtpDlg::GetNtp(tagNtpSetting* setting)
{
    UpdateData(TRUE);
    setting->byField[0] = uint8_t(m_bSync);
    setting->byField[1] = uint8_t(m_nMode);
    setting->byField[2] = uint8_t(m_nLocation);
    setting->byField[3] = 0;
    DWORD address = 0;
    if (CIPAddressCtrl* control = Address(IDC_NTP_ADDRESS))
        control->GetAddress(address);
    setting->dwAddress = address;
    setting->dwInterval = m_nInterval;
}
