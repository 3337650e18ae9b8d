#include "dialogs/BlockPlaybackDlg.h"

#include "dialogs/PaneNotify.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

namespace
{

const char* const kChoices[] = { "Disable", "1", "2", "3", "4", "5", "6", "7", "14", "21", "28", "31" };

} // namespace

BEGIN_MESSAGE_MAP(CBlockPlaybackDlg, CDialog)
ON_CBN_SELCHANGE(IDC_BLOCK_PLAYBACK, OnChoiceChange)
END_MESSAGE_MAP()

CBlockPlaybackDlg::CBlockPlaybackDlg(CWnd* pParent)
    : CDialog(IDD_BLOCK_PLAYBACK, pParent)
{
}

void CBlockPlaybackDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_BLOCK_PLAYBACK, m_nChoice);
}

BOOL CBlockPlaybackDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* label = GetDlgItem(IDC_BLOCK_PLAYBACK_LABEL))
        label->MoveWindow(0, 7, 102, 13);
    if (auto* choices = static_cast<CComboBox*>(GetDlgItem(IDC_BLOCK_PLAYBACK))) {
        choices->MoveWindow(134, 5, 143, 20);
        for (const char* choice : kChoices)
            choices->AddString(choice);
    }
    Refresh();
    return TRUE;
}

void CBlockPlaybackDlg::SetValue(uint8_t value)
{
    m_byValue = value;
    Refresh();
}

void CBlockPlaybackDlg::Refresh()
{
    m_nChoice = m_byValue;
    if (GetSafeHwnd())
        UpdateData(FALSE);
}

void CBlockPlaybackDlg::OnChoiceChange()
{
    UpdateData(TRUE);
    if (m_nChoice >= 0)
        m_byValue = uint8_t(m_nChoice);
    NotifyPageModified(this);
}
