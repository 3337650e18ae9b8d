#include "dialogs/IpSettingsDlg.h"

#include "platform/base/Services.h"
#include "platform/ui/Controls.h"
#include "platform/ui/IpAddressCtrl.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CIpSettingsDlg, CPagePane)
ON_CBN_SELCHANGE(IDC_PANE_TYPE, OnChanged)
ON_CBN_SELCHANGE(IDC_PANE_DHCP, OnChanged)
ON_CBN_SELCHANGE(IDC_PANE_AUTO_DETECT, OnChanged)
ON_NOTIFY_RANGE(IPN_FIELDCHANGED, IDC_NET_ADDRESS, IDC_NET_DNS2, OnFieldChanged)
END_MESSAGE_MAP()

CIpSettingsDlg::CIpSettingsDlg(CWnd* pParent)
    : CPagePane(IDD_IP_SETTINGS, pParent)
{
}

BOOL CIpSettingsDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* address = static_cast<CIPAddressCtrl*>(GetDlgItem(IDC_NET_ADDRESS))) {
        address->SetFieldRange(0, 1, 255);
        address->SetFieldRange(3, 1, 255);
    }
    const struct {
        int id;
        const char* items[2];
    } lists[] = { { IDC_PANE_TYPE, { "Ethernet", "xDSL" } }, { IDC_PANE_DHCP, { "On", "Off" } },
        { IDC_PANE_AUTO_DETECT, { "Disabled", "Enabled" } } };
    for (const auto& list : lists)
        if (auto* combo = static_cast<CComboBox*>(GetDlgItem(list.id)))
            for (const char* item : list.items)
                combo->AddString(item);
    // DNS#3 is kept but not shown.
    for (int id : { IDC_NET_DNS3, IDC_NET_DNS3_LABEL })
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    Refresh();
    return TRUE;
}

void CIpSettingsDlg::SetIpSettings(CFG_IP_CONFIG settings, BYTE byXdsl, BYTE byDhcp)
{
    m_Stored = settings;
    m_byXdsl = byXdsl;
    m_byDhcp = byDhcp;
    if (GetSafeHwnd())
        Refresh();
}

void CIpSettingsDlg::Refresh()
{
    const DWORD values[6] = { m_Stored.dwAddress, m_Stored.dwMask, m_Stored.dwGateway, m_Stored.dwDns[0],
        m_Stored.dwDns[1], m_Stored.dwDns[2] };
    const int ids[6]
        = { IDC_NET_ADDRESS, IDC_NET_MASK, IDC_NET_GATEWAY, IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_DNS3 };
    for (int i = 0; i < 6; ++i)
        ShowIpv4Address(this, ids[i], values[i]);
    SendDlgItemMessage(IDC_PANE_TYPE, CB_SETCURSEL, m_byXdsl ? 1 : 0);
    SendDlgItemMessage(IDC_PANE_DHCP, CB_SETCURSEL, m_byDhcp ? 0 : 1);
    SendDlgItemMessage(IDC_PANE_AUTO_DETECT, CB_SETCURSEL, m_Stored.byExtra == 1 ? 1 : 0);
}

void CIpSettingsDlg::OnChanged()
{
    NotifyPage();
}

void CIpSettingsDlg::OnFieldChanged(UINT, NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    NotifyPage();
}

int CIpSettingsDlg::GetIpSettings(CFG_IP_CONFIG* pSettings, BYTE* pDhcp, BYTE* pXdsl)
{
    const DWORD address = Ipv4AddressOf(this, IDC_NET_ADDRESS);
    if (address != m_Stored.dwAddress && m_isAddressInUse && m_isAddressInUse(address)) {
        AfxMessageBox(IDS_IP_IN_USE);
        return IP_REFUSED;
    }
    IPV4_SETTINGS checked {};
    if (!ReadIpv4Settings(this, kIpv4Controls, &checked))
        return IP_REFUSED;
    CFG_IP_CONFIG settings = m_Stored;
    settings.dwAddress = checked.dwAddress;
    settings.dwMask = checked.dwMask;
    settings.dwBroadcast = checked.dwBroadcast;
    settings.dwGateway = checked.dwGateway;
    for (int i = 0; i < 3; ++i)
        settings.dwDns[i] = checked.dwDns[i];
    settings.byExtra = SendDlgItemMessage(IDC_PANE_AUTO_DETECT, CB_GETCURSEL) == 1 ? 1 : 0;
    const BYTE xdsl = SendDlgItemMessage(IDC_PANE_TYPE, CB_GETCURSEL) == 1 ? 1 : 0;
    const BYTE dhcp = SendDlgItemMessage(IDC_PANE_DHCP, CB_GETCURSEL) == 0 ? 1 : 0;
    const bool changed
        = std::memcmp(&settings, &m_Stored, sizeof settings) != 0 || xdsl != m_byXdsl || dhcp != m_byDhcp;
    *pSettings = settings;
    *pDhcp = dhcp;
    *pXdsl = xdsl;
    m_Stored = settings;
    m_byXdsl = xdsl;
    m_byDhcp = dhcp;
    return changed ? IP_CHANGED : IP_UNCHANGED;
}
