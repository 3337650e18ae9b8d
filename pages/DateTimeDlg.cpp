#include "pages/DateTimeDlg.h"

#include "controls/ControlPlacement.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/TimeZones.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>

namespace
{

constexpr ControlPlace kPlaces[] = {
    { IDC_PANE_TIME_GROUP, 0, 0, 453, 193 },
    { IDC_SYS_CALENDAR, 138, 13, 180, 146 },
    { IDC_SYS_TIME, 153, 161, 150, 24 },
    { IDC_PANE_ZONE_GROUP, 2, 198, 452, 70 },
    { IDC_SYS_ZONE, 14, 218, 429, 20 },
    { IDC_PANE_DST_AUTO, 17, 242, 435, 21 },
};

} // namespace

BEGIN_MESSAGE_MAP(CDateTimeDlg, CDialog)
ON_WM_TIMER()
ON_CBN_SELCHANGE(IDC_SYS_ZONE, OnSelchangeZone)
END_MESSAGE_MAP()

CDateTimeDlg::CDateTimeDlg(CWnd* pParent)
    : CDialog(IDD_DATE_TIME, pParent)
{
}

void CDateTimeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYS_TIME, m_TimeCtrl);
    DDX_Control(pDX, IDC_SYS_CALENDAR, m_MonthCal);
}

BOOL CDateTimeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlaceControls(this, kPlaces);
    if (auto* zones = static_cast<CComboBox*>(GetDlgItem(IDC_SYS_ZONE))) {
        for (const MYTIME_ZONE_ENTRY& zone : g_TimeZones)
            zones->AddString(zone.text);
    }
    return TRUE;
}

void CDateTimeDlg::SetZoneList(uint32_t count, const uint8_t* names, const uint8_t* rules)
{
    // Room for a hundred zones; the device's further zones are not kept.
    m_nZoneCount = names && rules ? std::min<uint32_t>(count, kMaxZones) : 0;
    m_ZoneNames.assign(
        names ? names : nullptr, names ? names + size_t(m_nZoneCount) * kZoneNameSize : nullptr);
    m_ZoneRules.assign(
        rules ? rules : nullptr, rules ? rules + size_t(m_nZoneCount) * kZoneRuleSize : nullptr);
    if (!names || !rules)
        m_ZoneNames.clear();
}

void CDateTimeDlg::SetDateTime(const int32_t words[5])
{
    std::copy(words, words + 5, m_Words);
    if (m_ZoneNames.empty())
        return;
    for (uint32_t i = 0; i < m_nZoneCount; ++i) {
        const uint8_t* rule = m_ZoneRules.data() + size_t(i) * kZoneRuleSize;
        m_ZoneShift[i] = int32_t(int16_t((rule[13] << 8) | rule[14])) * 60;
    }

    auto* zones = static_cast<CComboBox*>(GetDlgItem(IDC_SYS_ZONE));
    const uint32_t zone = uint32_t(words[1]);
    // A zone the table does not have gives no offset and no selection.
    if (zone < uint32_t(TIME_ZONE_COUNT)) {
        m_nZoneOffset = g_TimeZones[zone].offset;
        m_nZoneIndex = int(zone);
    } else {
        m_nZoneOffset = 0;
        m_nZoneIndex = -1;
    }
    if (zones)
        zones->SetCurSel(m_nZoneIndex);

    m_bDaylightInEffect = words[4] != 0;
    m_bAdjustAutomatically = words[3] != 0;
    CheckDlgButton(IDC_PANE_DST_AUTO, m_bAdjustAutomatically ? BST_CHECKED : BST_UNCHECKED);

    m_nDeviceTime = words[0];
    if (m_nDeviceTime < 0)
        SetTimer(TIMER_TIME_ERROR, TIME_ERROR_DELAY_MS);
    else
        ShowTime(m_nDeviceTime);
    ZoneChanged();
}

void CDateTimeDlg::ShowTime(int64_t time)
{
    SYSTEMTIME shown {};
    if (!ShownDeviceTime(time, m_nZoneOffset, m_bDaylightInEffect ? 3600 : 0, &shown))
        return;
    if (m_MonthCal.GetSafeHwnd())
        m_MonthCal.SetCurSel(&shown);
    if (m_TimeCtrl.GetSafeHwnd())
        m_TimeCtrl.SetTime(&shown);
}

void CDateTimeDlg::ZoneChanged()
{
    auto* zones = static_cast<CComboBox*>(GetDlgItem(IDC_SYS_ZONE));
    const int selected = zones ? zones->GetCurSel() : -1;
    if (selected < 0 || selected >= TIME_ZONE_COUNT) {
        AfxMessageBox(IDS_TIMEZONE_NOT_SET);
        return;
    }
    m_nZoneOffset = g_TimeZones[selected].offset;
    CWnd* automatic = GetDlgItem(IDC_PANE_DST_AUTO);
    if (ZoneRuleNumber(uint32_t(selected)) != 0) {
        CheckDlgButton(IDC_PANE_DST_AUTO, m_bAdjustAutomatically ? BST_CHECKED : BST_UNCHECKED);
        if (automatic)
            automatic->ShowWindow(SW_SHOW);
    } else {
        CheckDlgButton(IDC_PANE_DST_AUTO, BST_UNCHECKED);
        if (automatic)
            automatic->ShowWindow(SW_HIDE);
    }
}

void CDateTimeDlg::OnSelchangeZone()
{
    ZoneChanged();
}

void CDateTimeDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_TIME_ERROR) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(TIMER_TIME_ERROR);
    AfxMessageBox(IDS_TIME_ERROR_RESET);
}
