#include "dialogs/FirewallDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CFirewallDlg, CDialog)
ON_EN_CHANGE(IDC_FIREWALL_DLG_PORT, OnPortChange)
END_MESSAGE_MAP()

CFirewallDlg::CFirewallDlg(CWnd* pParent)
    : CDialog(IDD_FIREWALL, pParent)
{
}

void CFirewallDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIREWALL_DLG_PORT, m_nFirewallPort);
}

BOOL CFirewallDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CFirewallDlg::OnPortChange()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}
