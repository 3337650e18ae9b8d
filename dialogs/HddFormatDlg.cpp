#include "dialogs/HddFormatDlg.h"

#include "platform/ui/DataExchange.h"

namespace
{

constexpr DWORD kLastLineMs = 3000;

} // namespace

CHddFormatDlg::CHddFormatDlg(CWnd* pParent)
    : CDialog(IDD_HDD_FORMAT, pParent)
{
}

void CHddFormatDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HDD_FORMAT_MESSAGE, m_strMessage);
}

BOOL CHddFormatDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The line fills the whole notice.
    if (CWnd* line = GetDlgItem(IDC_HDD_FORMAT_MESSAGE)) {
        CRect window;
        GetWindowRect(&window);
        line->MoveWindow(0, 0, window.Width(), window.Height());
    }
    return TRUE;
}

void CHddFormatDlg::SetMessage(const CString& text)
{
    m_strMessage = text;
    UpdateData(FALSE);
    if (CWnd* line = GetDlgItem(IDC_HDD_FORMAT_MESSAGE))
        line->UpdateWindow();
    UpdateWindow();
}

void CHddFormatDlg::SetMessageAndClose(const CString& text)
{
    SetMessage(text);
    Sleep(kLastLineMs);
    EndDialog(IDOK);
}
