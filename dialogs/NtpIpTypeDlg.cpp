#include "dialogs/NtpIpTypeDlg.h"

#include "platform/ui/DataExchange.h"

#include <iterator>

namespace
{

constexpr uint32_t kIntervals[] = { 60, 180, 360, 720, 1440 };
constexpr int kClient = 2;

} // namespace

BEGIN_MESSAGE_MAP(CNtpIpTypeDlg, CDialog)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_NTP_ADDRESS, OnAddressEdit)
ON_CBN_SELCHANGE(IDC_NTP_INTERVAL_LIST, OnEdit)
ON_CBN_SELCHANGE(IDC_NTP_MODE, OnModeOrType)
ON_CBN_SELCHANGE(IDC_NTP_LOCATION, OnModeOrType)
END_MESSAGE_MAP()

CNtpIpTypeDlg::CNtpIpTypeDlg(CWnd* pPage)
    : CTimePane(IDD_NTP_IP_TYPE, pPage)
{
}

void CNtpIpTypeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_NTP_MODE, m_nMode);
    DDX_CBIndex(pDX, IDC_NTP_LOCATION, m_nIpType);
    DDX_CBIndex(pDX, IDC_NTP_INTERVAL_LIST, m_nInterval);
}

BOOL CNtpIpTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList(IDC_NTP_MODE, { "None", "Server", "Client" });
    FillList(IDC_NTP_LOCATION, { "Public IP", "Local IP" });
    FillList(IDC_NTP_INTERVAL_LIST, { "1 hour", "3 hour", "6 hour", "12 hour", "24 hour" });
    UpdateData(FALSE);
    ApplyEnabling();
    return TRUE;
}

void CNtpIpTypeDlg::ApplyEnabling()
{
    const BOOL client = m_nMode == kClient;
    Enable(IDC_NTP_LOCATION, client);
    Enable(IDC_NTP_INTERVAL_LIST, client);
    Enable(IDC_NTP_ADDRESS, client && m_nIpType == 1);
}

void CNtpIpTypeDlg::OnModeOrType()
{
    m_nMode = static_cast<CComboBox*>(GetDlgItem(IDC_NTP_MODE))->GetCurSel();
    m_nIpType = static_cast<CComboBox*>(GetDlgItem(IDC_NTP_LOCATION))->GetCurSel();
    ApplyEnabling();
    ReportEdit();
}

void CNtpIpTypeDlg::SetNtp(tagNtpSetting setting)
{
    m_nMode = setting.byField[0];
    m_nIpType = setting.byField[1];
    // Whole hours; an interval the list does not have shows as one hour.
    switch (setting.dwInterval / 60) {
    case 3:
        m_nInterval = 1;
        break;
    case 6:
        m_nInterval = 2;
        break;
    case 12:
        m_nInterval = 3;
        break;
    case 24:
        m_nInterval = 4;
        break;
    default:
        m_nInterval = 0;
        break;
    }
    UpdateData(FALSE);
    if (CIPAddressCtrl* address = Address(IDC_NTP_ADDRESS))
        address->SetAddress(setting.dwAddress);
    ApplyEnabling();
}

void CNtpIpTypeDlg::GetNtp(tagNtpSetting* setting)
{
    UpdateData(TRUE);
    setting->byField[0] = uint8_t(m_nMode);
    setting->byField[1] = uint8_t(m_nIpType);
    setting->byField[2] = setting->byField[3] = 0;
    DWORD address = 0;
    if (CIPAddressCtrl* control = Address(IDC_NTP_ADDRESS))
        control->GetAddress(address);
    setting->dwAddress = address;
    setting->dwInterval
        = m_nInterval >= 0 && m_nInterval < int(std::size(kIntervals)) ? kIntervals[m_nInterval] : 0;
}
