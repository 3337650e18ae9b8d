#include "dialogs/AddRegServerDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CAddRegServerDlg, CDialog)
ON_EN_CHANGE(IDC_REG_SERVER, OnChangeText)
ON_EN_CHANGE(IDC_REG_ID, OnChangeText)
ON_EN_CHANGE(IDC_REG_PASSWORD, OnChangeText)
END_MESSAGE_MAP()

CAddRegServerDlg::CAddRegServerDlg(CWnd* pParent)
    : CDialog(IDD_ADD_REG_SERVER, pParent)
{
}

void CAddRegServerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_REG_ID, m_strId);
    DDX_Text(pDX, IDC_REG_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_REG_SERVER, m_strServer);
}

BOOL CAddRegServerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CAddRegServerDlg::OnChangeText()
{
    UpdateData(TRUE);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_strServer.IsEmpty());
}
