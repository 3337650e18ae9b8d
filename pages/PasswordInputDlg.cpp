#include "pages/PasswordInputDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CPasswordInputDlg, CDialog)
ON_EN_CHANGE(IDC_PASSWORD_INPUT, OnChangePassword)
END_MESSAGE_MAP()

CPasswordInputDlg::CPasswordInputDlg(CWnd* pParent)
    : CDialog(IDD_PASSWORD_INPUT, pParent)
{
}

void CPasswordInputDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PASSWORD_SAVE, m_bSavePassword);
    DDX_Text(pDX, IDC_PASSWORD_INPUT, m_strPassword);
}

BOOL CPasswordInputDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

void CPasswordInputDlg::OnChangePassword()
{
    UpdateData(TRUE);
    GetDlgItem(IDOK)->EnableWindow(!m_strPassword.IsEmpty());
}

void CPasswordInputDlg::OnOK()
{
    UpdateData(TRUE);
    CDialog::OnOK();
}
