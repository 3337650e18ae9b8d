#include "dialogs/AddGroupIdDlg.h"

#include "platform/ui/DataExchange.h"

BEGIN_MESSAGE_MAP(CAddGroupIdDlg, CDialog)
ON_EN_CHANGE(IDC_GROUP_ID, OnChangeGroupId)
END_MESSAGE_MAP()

CAddGroupIdDlg::CAddGroupIdDlg(CWnd* pParent)
    : CDialog(IDD_ADD_GROUP_ID, pParent)
{
}

void CAddGroupIdDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_GROUP_ID, m_strGroupId);
}

BOOL CAddGroupIdDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A group id is kept in 16 bytes.
    SendDlgItemMessage(IDC_GROUP_ID, EM_LIMITTEXT, 15);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CAddGroupIdDlg::OnChangeGroupId()
{
    UpdateData(TRUE);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_strGroupId.IsEmpty());
}
