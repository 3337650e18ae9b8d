#include "devtree/NewFolderDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CNewFolderDlg, CDialog)
ON_EN_CHANGE(IDC_FOLDER_NAME, OnChangeName)
END_MESSAGE_MAP()

CNewFolderDlg::CNewFolderDlg(CWnd* pParent)
    : CDialog(IDD_NEW_FOLDER, pParent)
{
}

void CNewFolderDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FOLDER_NAME, m_strFolderName);
}

BOOL CNewFolderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The tree file keeps at most 47 characters of a name.
    SendDlgItemMessage(IDC_FOLDER_NAME, EM_LIMITTEXT, 47);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CNewFolderDlg::OnChangeName()
{
    UpdateData(TRUE);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_strFolderName.IsEmpty());
}
