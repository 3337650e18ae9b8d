#include "pages/Page9Security.h"

#include "controls/ControlPlacement.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "platform/ui/DataExchange.h"

namespace
{

constexpr uint32_t kFilterOn = 0x80;
constexpr uint32_t kAllow = 0x40;
constexpr int kRowTops[CPage9Security::kRanges] = { 115, 138, 161, 185, 208, 231, 254, 277, 300, 323 };

int RangeCheckId(int range)
{
    return IDC_SECURITY_RANGE_FIRST + 3 * range;
}

constexpr ControlPlace kPlaces[] = {
    { IDC_SECURITY_FILTER_GROUP, 15, 15, 510, 350 },
    { IDC_SECURITY_FILTER, 30, 30, 100, 20 },
    { IDC_SECURITY_POLICY_GROUP, 30, 55, 478, 40 },
    { IDC_SECURITY_ALLOW, 170, 70, 70, 20 },
    { IDC_SECURITY_DENY, 320, 70, 70, 20 },
};

} // namespace

BEGIN_MESSAGE_MAP(CPage9Security, CConfigPage)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_SECURITY_FILTER, OnFilterClicked)
ON_BN_CLICKED(IDC_SECURITY_ALLOW, OnEdited)
ON_BN_CLICKED(IDC_SECURITY_DENY, OnEdited)
ON_BN_CLICKED(IDC_SECURITY_KEY_ENABLE, OnKeyEnableClicked)
ON_EN_CHANGE(IDC_SECURITY_KEY, OnEdited)
ON_CONTROL_RANGE(BN_CLICKED, IDC_SECURITY_RANGE_FIRST,
    IDC_SECURITY_RANGE_FIRST + 3 * (CPage9Security::kRanges - 1), OnRangeClicked)
// The end fields mark the page changed; the start fields are left to the poll.
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 2, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 5, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 8, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 11, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 14, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 17, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 20, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 23, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 26, OnEndFieldChanged)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_SECURITY_RANGE_FIRST + 29, OnEndFieldChanged)
END_MESSAGE_MAP()

CPage9Security::CPage9Security()
    : CConfigPage(IDD_PAGE9_SECURITY, SLOT_Security)
{
}

void CPage9Security::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    for (int r = 0; r < kRanges; ++r) {
        DDX_Control(pDX, RangeCheckId(r) + 1, Start(r));
        DDX_Control(pDX, RangeCheckId(r) + 2, End(r));
    }
    DDX_Radio(pDX, IDC_SECURITY_ALLOW, m_nPolicy);
    DDX_Text(pDX, IDC_SECURITY_KEY, m_strKey);
}

BOOL CPage9Security::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    for (int r = 0; r < kRanges; ++r) {
        const int y = kRowTops[r];
        const ControlPlace row[] = {
            { IDC_SECURITY_ROW_FIRST + r, r == 9 ? 35 : 40, y + 4, 20, 14 },
            { RangeCheckId(r), 65, y, 20, 20 },
            { RangeCheckId(r) + 1, 95, y, 185, 20 },
            { IDC_SECURITY_DASH_FIRST + r, 290, y + 5, 10, 14 },
            { RangeCheckId(r) + 2, 310, y, 185, 20 },
        };
        PlaceControls(this, row);
    }
    // A streaming server of the first firmware has no filter to set.
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER && m_pConfigView
        && m_pConfigView->FirmwareKind() == 0) {
        GetDlgItem(IDC_SECURITY_FILTER)->EnableWindow(FALSE);
        EnableFilterControls(FALSE);
    }
    return TRUE;
}

BOOL CPage9Security::OnSetActive()
{
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER && m_pConfigView) {
        GetDlgItem(IDC_SECURITY_FILTER)->EnableWindow(m_pConfigView->FirmwareKind() != 0);
    }
    const BOOL result = CConfigPage::OnSetActive();
    m_nTimer = SetTimer(kFollowTimer, kFollowPeriod);
    return result;
}

BOOL CPage9Security::OnKillActive()
{
    if (m_nTimer) {
        KillTimer(kFollowTimer);
        m_nTimer = 0;
    }
    return CConfigPage::OnKillActive();
}

void CPage9Security::OnDestroy()
{
    if (m_nTimer) {
        KillTimer(kFollowTimer);
        m_nTimer = 0;
    }
    CConfigPage::OnDestroy();
}

void CPage9Security::ReadSettings()
{
    CFG_SECURITY security;
    m_bRead = ReadBlock(GET_SECURITY, &security);
    MarkGroupRead(0, m_bRead);
    if (m_bRead)
        m_Security = security;
}

void CPage9Security::ShowSettings()
{
    // A failed read changes no control.
    if (!m_bRead)
        return;
    for (int r = 0; r < kRanges; ++r) {
        const CFG_SECURITY::Range& range = m_Security.ranges[r];
        Start(r).SetAddress(range.dwStart);
        End(r).SetAddress(range.dwEnd);
        m_dwStart[r] = range.dwStart;
        m_dwEnd[r] = range.dwEnd;
        // Any other value leaves the box and its fields as they are.
        if (range.dwEnabled == 0 || range.dwEnabled == 1) {
            CheckDlgButton(RangeCheckId(r), range.dwEnabled);
            EnableRange(r, range.dwEnabled);
        }
    }
    m_nPolicy = (m_Security.dwFlags & kAllow) ? 0 : 1;
    const BOOL filter = (m_Security.dwFlags & kFilterOn) != 0;
    CheckDlgButton(IDC_SECURITY_FILTER, filter);
    if (filter) {
        // The ranges keep the enabled state of their boxes.
        GetDlgItem(IDC_SECURITY_ALLOW)->EnableWindow(TRUE);
        GetDlgItem(IDC_SECURITY_DENY)->EnableWindow(TRUE);
    } else {
        EnableFilterControls(FALSE);
    }
}

void CPage9Security::EnableRange(int range, BOOL bEnable)
{
    Start(range).EnableWindow(bEnable);
    End(range).EnableWindow(bEnable);
}

void CPage9Security::EnableFilterControls(BOOL bFilter)
{
    GetDlgItem(IDC_SECURITY_ALLOW)->EnableWindow(bFilter);
    GetDlgItem(IDC_SECURITY_DENY)->EnableWindow(bFilter);
    for (int r = 0; r < kRanges; ++r) {
        GetDlgItem(RangeCheckId(r))->EnableWindow(bFilter);
        EnableRange(r, bFilter && IsDlgButtonChecked(RangeCheckId(r)));
    }
}

DWORD CPage9Security::AddressOf(CIPAddressCtrl& control)
{
    DWORD address = 0;
    control.GetAddress(address);
    return address;
}

void CPage9Security::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFollowTimer) {
        CConfigPage::OnTimer(nIDEvent);
        return;
    }
    bool changed = false;
    for (int r = 0; r < kRanges; ++r) {
        const DWORD start = AddressOf(Start(r));
        if (start == m_dwStart[r])
            continue;
        m_dwStart[r] = start;
        End(r).SetAddress(start);
        changed = true;
    }
    if (changed)
        SetPageModified(TRUE);
}

void CPage9Security::OnFilterClicked()
{
    EnableFilterControls(IsDlgButtonChecked(IDC_SECURITY_FILTER));
    SetPageModified(TRUE);
}

void CPage9Security::OnRangeClicked(UINT nID)
{
    const int offset = int(nID) - IDC_SECURITY_RANGE_FIRST;
    if (offset % 3 != 0)
        return;
    const int range = offset / 3;
    EnableRange(range, IsDlgButtonChecked(nID));
    SetPageModified(TRUE);
}

void CPage9Security::OnKeyEnableClicked()
{
    GetDlgItem(IDC_SECURITY_KEY)->EnableWindow(IsDlgButtonChecked(IDC_SECURITY_KEY_ENABLE));
    SetPageModified(TRUE);
}

void CPage9Security::OnEdited()
{
    SetPageModified(TRUE);
}

void CPage9Security::OnEndFieldChanged(NMHDR*, LRESULT* pResult)
{
    SetPageModified(TRUE);
    *pResult = 0;
}

BOOL CPage9Security::ValidateRanges()
{
    if (!IsDlgButtonChecked(IDC_SECURITY_FILTER))
        return TRUE;
    for (int r = 0; r < kRanges; ++r) {
        if (!IsDlgButtonChecked(RangeCheckId(r)))
            continue;
        if (AddressOf(Start(r)) <= AddressOf(End(r)))
            continue;
        CString name, message;
        name.LoadString(IDS_RANGE_FIRST + r);
        message.LoadString(IDS_RANGE_INVALID);
        AfxMessageBox(name + " " + message);
        Start(r).SetFocus();
        return FALSE;
    }
    return TRUE;
}

ConfigResult CPage9Security::WriteGroup(int)
{
    // The leading 36 bytes are sent as zero.
    CFG_SECURITY security {};
    security.dwFlags
        = (IsDlgButtonChecked(IDC_SECURITY_FILTER) ? kFilterOn : 0) | (m_nPolicy == 0 ? kAllow : 0);
    for (int r = 0; r < kRanges; ++r) {
        CFG_SECURITY::Range& range = security.ranges[r];
        range.dwEnabled = IsDlgButtonChecked(RangeCheckId(r)) ? 1 : 0;
        range.dwStart = AddressOf(Start(r));
        range.dwEnd = AddressOf(End(r));
    }
    return WriteBlock(SET_SECURITY, security);
}
