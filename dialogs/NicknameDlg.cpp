#include "dialogs/NicknameDlg.h"

#include "platform/ui/DataExchange.h"

CNicknameDlg::CNicknameDlg(CWnd* pParent)
    : CDialog(IDD_NICKNAME, pParent)
{
}

void CNicknameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NICKNAME_LOCATION, m_strLocation);
    DDX_Text(pDX, IDC_NICKNAME, m_strNickname);
}
