#include "dialogs/LanguageDlg.h"

#include "platform/ui/Controls.h"

CLanguageDlg::CLanguageDlg(CWnd* pParent)
    : CDialog(IDD_LANGUAGE, pParent)
{
}

BOOL CLanguageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* languages = static_cast<CComboBox*>(GetDlgItem(IDC_LANGUAGE))) {
        for (const char* language : { "English", "Chinese", "French", "Spanish", "German", "Dutch" })
            languages->AddString(language);
    }
    return TRUE;
}
