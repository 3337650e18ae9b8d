#include "pages/ConfigPage.h"

#include "resources/setup/Resource.h"

#include <algorithm>

namespace
{

// Where every page puts its three buttons, 70 x 25 pixels each.
constexpr int kButtonTop = 495;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 25;
constexpr struct {
    int id;
    int x;
} kButtons[] = { { IDC_PAGE_OK, 305 }, { IDC_PAGE_CANCEL, 380 }, { IDC_PAGE_APPLY, 455 } };

} // namespace

BEGIN_MESSAGE_MAP(CConfigPage, CPropertyPage)
ON_BN_CLICKED(IDC_PAGE_APPLY, OnButtonApply)
ON_BN_CLICKED(IDC_PAGE_OK, OnButtonOK)
ON_BN_CLICKED(IDC_PAGE_CANCEL, OnButtonCancel)
ON_MESSAGE(WM_PAGE_CANCEL, OnPageCancel)
ON_MESSAGE(WM_PAGE_MODIFIED, OnPageModified)
END_MESSAGE_MAP()

CConfigPage::CConfigPage(UINT nIDTemplate, SheetSlot slot)
    : CPropertyPage(nIDTemplate)
    , m_slot(slot)
    , m_groupRead(1, FALSE)
    , m_groupChanged(1, FALSE)
{
}

CConfigPage::~CConfigPage()
{
    FreeConfigReplyLists(&m_Reply);
}

void CConfigPage::SetConfigView(IConfigPageHost* pView)
{
    m_pConfigView = pView;
}

void CConfigPage::SetSheetLink(SheetLinkRole, CWnd*) { }

void CConfigPage::SetScheduleBlock(const BYTE*) { }

void CConfigPage::ReleaseChildDialogs() { }

void CConfigPage::DeclareGroups(int count)
{
    m_groupRead.assign(std::max(count, 1), FALSE);
    m_groupChanged.assign(std::max(count, 1), FALSE);
}

void CConfigPage::MarkGroupRead(int group, BOOL bRead)
{
    if (group >= 0 && group < int(m_groupRead.size()))
        m_groupRead[group] = bRead;
}

void CConfigPage::MarkGroupChanged(int group)
{
    if (group >= 0 && group < int(m_groupChanged.size()))
        m_groupChanged[group] = TRUE;
    m_bModified = TRUE;
    SetModified(TRUE);
    EnableApply(TRUE);
}

BOOL CConfigPage::IsGroupChanged(int group) const
{
    return group >= 0 && group < int(m_groupChanged.size()) && m_groupChanged[group];
}

BOOL CConfigPage::IsGroupDue(int group) const
{
    return m_groupChanged[group] || (m_bWriteAllGroups && m_groupRead[group]);
}

void CConfigPage::SetPageModified(BOOL bModified)
{
    m_bModified = bModified;
    if (m_groupChanged.size() == 1)
        m_groupChanged[0] = bModified;
    else if (!bModified)
        std::fill(m_groupChanged.begin(), m_groupChanged.end(), FALSE);
    SetModified(bModified);
    EnableApply(bModified);
}

BOOL CConfigPage::HasChange() const
{
    switch (Policy().tracking) {
    case PagePolicy::TRACK_APPLY_BUTTON: {
        CWnd* pApply = GetDlgItem(IDC_PAGE_APPLY);
        return pApply && pApply->IsWindowEnabled();
    }
    case PagePolicy::TRACK_GROUPS:
        return std::find(m_groupChanged.begin(), m_groupChanged.end(), TRUE) != m_groupChanged.end();
    case PagePolicy::TRACK_MODIFIED_FLAG:
        break;
    }
    return m_bModified;
}

void CConfigPage::EnableApply(BOOL bEnable)
{
    if (CWnd* pApply = GetDlgItem(IDC_PAGE_APPLY))
        pApply->EnableWindow(bEnable);
}

BOOL CConfigPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (const auto& b : kButtons) {
        if (CWnd* pButton = GetDlgItem(b.id))
            pButton->MoveWindow(b.x, kButtonTop, kButtonWidth, kButtonHeight);
    }
    return TRUE;
}

BOOL CConfigPage::OnSetActive()
{
    {
        CWaitCursor wait;
        EnableApply(FALSE);
        std::fill(m_groupRead.begin(), m_groupRead.end(), FALSE);
        ReadSettings();
        ShowSettings();
        UpdateData(FALSE);
        SetPageModified(FALSE);
    }
    return CPropertyPage::OnSetActive();
}

CConfigPage::ApplyOutcome CConfigPage::RunApply()
{
    CWaitCursor wait;
    if (!HasChange()) {
        SetModified(FALSE);
        return APPLY_NOTHING;
    }
    // The checks come first: a refused value leaves the page changed, so
    // Apply stays enabled and leaving the page asks again.
    if (!UpdateData(TRUE) || !ValidateSettings())
        return APPLY_INVALID;

    m_bModified = FALSE;
    SetModified(FALSE);
    EnableApply(FALSE);
    bool refused = false;
    for (int group = 0; group < int(m_groupChanged.size()); ++group) {
        if (!IsGroupDue(group))
            continue;
        const ConfigResult result = WriteGroup(group);
        if (result == CONFIG_NO_CONNECTION) {
            // Nothing reached the device: keep the change for another try.
            m_groupChanged[group] = TRUE;
            m_bModified = TRUE;
            SetModified(TRUE);
            EnableApply(TRUE);
            AfxMessageBox(IDS_CONNECTION_FAILED);
            return APPLY_NO_CONNECTION;
        }
        // A refusal was shown by the session; the change is given up.
        refused = refused || result == CONFIG_REFUSED;
        m_groupChanged[group] = FALSE;
    }
    OnApplied();
    return refused ? APPLY_REFUSED : APPLY_DONE;
}

BOOL CConfigPage::OnButtonApply()
{
    // A refusal was told and its change dropped: the page may be left.
    const ApplyOutcome outcome = RunApply();
    return outcome == APPLY_DONE || outcome == APPLY_REFUSED;
}

void CConfigPage::OnButtonOK()
{
    ApplyOutcome outcome = APPLY_NOTHING;
    switch (Policy().ok) {
    case PagePolicy::OK_NO_APPLY:
        CloseHintWindow();
        break;
    case PagePolicy::OK_CLOSE_HINT_AND_APPLY:
        CloseHintWindow();
        outcome = RunApply();
        break;
    case PagePolicy::OK_APPLY_ALWAYS:
        outcome = RunApply();
        break;
    case PagePolicy::OK_APPLY_WHEN_CHANGED:
        if (HasChange())
            outcome = RunApply();
        break;
    }
    // Ending now would throw away what the user was just told to fix.
    if (outcome == APPLY_INVALID)
        return;
    // Nor is a change that never reached the device ended over, unless the
    // page's policy says so. A refusal the device gave was told: OK ends.
    if (outcome == APPLY_NO_CONNECTION && !Policy().okEndsAfterFailedApply)
        return;
    EndSession(true);
}

void CConfigPage::OnButtonCancel()
{
    SetPageModified(FALSE);
    EndSession(false);
}

void CConfigPage::EndSession(bool ok)
{
    BeforeSessionEnd();
    if (!m_pConfigView)
        return;
    // The view deletes this page: nothing of it may be touched afterwards.
    if (ok)
        m_pConfigView->OnConfigOK();
    else
        m_pConfigView->OnConfigCancel();
}

BOOL CConfigPage::OnKillActive()
{
    m_ConfigSession.Close();
    if (Policy().askOnLeave && HasChange()) {
        if (AfxMessageBox(IDS_CONFIRM_CONFIGURATION, MB_OKCANCEL) == IDOK && !OnButtonApply())
            return FALSE;
    }
    // A declined change is dropped; the next activation reads the device.
    SetPageModified(FALSE);
    return CPropertyPage::OnKillActive();
}

LRESULT CConfigPage::OnPageCancel(WPARAM, LPARAM)
{
    if (Policy().handlesPageCancel)
        OnButtonCancel();
    return 0;
}

LRESULT CConfigPage::OnPageModified(WPARAM, LPARAM)
{
    if (Policy().handlesPageModified)
        SetPageModified(TRUE);
    return 0;
}
