#include "explorer/NewFolderDlg.h"

#include "platform/ui/DataExchange.h"
#include "resources/morrik/Resource.h"

namespace morrik
{

BEGIN_MESSAGE_MAP(CNewFolderDlg, CMorrikDialog)
ON_EN_CHANGE(IDC_NEW_FOLDER_TEXT, OnChangeText)
END_MESSAGE_MAP()

CNewFolderDlg::CNewFolderDlg(CWnd* pParent)
    : CMorrikDialog(IDD_NEW_FOLDER, pParent)
{
}

void CNewFolderDlg::DoDataExchange(CDataExchange* pDX)
{
    CMorrikDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NEW_FOLDER_TEXT, m_strText);
    // A row's name is edited in at most 23 characters.
    DDV_MaxChars(pDX, m_strText, 23);
}

BOOL CNewFolderDlg::OnInitDialog()
{
    CMorrikDialog::OnInitDialog();
    SetWindowText(m_strCaption);
    EnableOk(false);
    return TRUE;
}

void CNewFolderDlg::OnChangeText()
{
    UpdateData(TRUE);
    EnableOk(!m_strText.IsEmpty());
}

} // namespace morrik
