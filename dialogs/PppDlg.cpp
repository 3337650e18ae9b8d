#include "dialogs/PppDlg.h"

#include "dialogs/Ipv4Checks.h"
#include "platform/ui/Controls.h"
#include "platform/ui/IpAddressCtrl.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CPppDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_PPP_CONFIG, OnChanged)
ON_NOTIFY_RANGE(IPN_FIELDCHANGED, IDC_PPP_DVR, IDC_PPP_CLIENT, OnFieldChanged)
END_MESSAGE_MAP()

CPppDlg::CPppDlg(CWnd* pParent)
    : CPagePane(IDD_PPP, pParent)
{
}

BOOL CPppDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_PPP_CONFIG))) {
        combo->AddString("Default");
        combo->AddString("Custom");
    }
    Refresh();
    return TRUE;
}

void CPppDlg::SetPpp(tagPppSetting ppp)
{
    m_Stored = ppp;
    if (GetSafeHwnd())
        Refresh();
}

void CPppDlg::Refresh()
{
    SendDlgItemMessage(IDC_PPP_CONFIG, CB_SETCURSEL, m_Stored.byConfig);
    ShowIpv4Address(this, IDC_PPP_DVR, m_Stored.dwDvrAddress);
    ShowIpv4Address(this, IDC_PPP_CLIENT, m_Stored.dwClientAddress);
}

void CPppDlg::OnFieldChanged(UINT, NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    NotifyPage();
}

bool CPppDlg::GetPpp(tagPppSetting* pPpp)
{
    tagPppSetting ppp = m_Stored;
    const int index = int(SendDlgItemMessage(IDC_PPP_CONFIG, CB_GETCURSEL));
    ppp.byConfig = index < 0 ? m_Stored.byConfig : BYTE(index);
    ppp.dwDvrAddress = Ipv4AddressOf(this, IDC_PPP_DVR);
    ppp.dwClientAddress = Ipv4AddressOf(this, IDC_PPP_CLIENT);
    const bool changed = std::memcmp(&ppp, &m_Stored, sizeof ppp) != 0;
    *pPpp = ppp;
    m_Stored = ppp;
    return changed;
}
