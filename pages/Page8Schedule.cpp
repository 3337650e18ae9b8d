#include "pages/Page8Schedule.h"

#include "dialogs/FrameRates.h"
#include "dialogs/RelayTableDlg.h"
#include "dialogs/RelayTableDlg2.h"
#include "link/CameraBlocks.h"
#include "link/ClockBlocks.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "link/NetworkBlocks.h"
#include "pages/CamScheduleDlg.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/TimeZones.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <vector>

namespace
{

// The newest camera firmware shows the relay row and the sensor switches.
constexpr int kNewestFirmware = 5;
constexpr int kChannelY[DAY_CHART_CHANNELS] = { 80, 125, 172, 215 };

// Where the controls stand, in pixels; the newest firmware moves some.
const CDayChartPage::Place kLayout[] = {
    { IDC_SCHED_GROUP, 15, 25, 510, 360 },
    { IDC_SCHED_CH1_LABEL, 30, 80, 33, 25 },
    { IDC_SCHED_CH2_LABEL, 30, 125, 33, 25 },
    { IDC_SCHED_CH3_LABEL, 30, 172, 33, 25 },
    { IDC_SCHED_CH4_LABEL, 30, 215, 33, 25 },
    { IDC_SCHED_HOUR0_LABEL, 70, 40, 50, 25 },
    { IDC_SCHED_HOUR6_LABEL, 152, 40, 50, 25 },
    { IDC_SCHED_HOUR12_LABEL, 240, 40, 50, 25 },
    { IDC_SCHED_HOUR18_LABEL, 325, 40, 50, 25 },
    { IDC_SCHED_HOUR24_LABEL, 410, 40, 50, 25 },
    { IDC_SCHED_CH1, 445, 76, 60, 30 },
    { IDC_SCHED_CH2, 445, 121, 60, 30 },
    { IDC_SCHED_CH3, 445, 168, 60, 30 },
    { IDC_SCHED_CH4, 445, 213, 60, 30 },
    { IDC_SCHED_NORMAL_LEGEND, 70, 273, 100, 25 },
    { IDC_SCHED_NORMAL_MAX, 175, 290, 100, 20 },
    { IDC_SCHED_NORMAL_NO_SAVE, 400, 290, 100, 20 },
    { IDC_SCHED_EVENT_LEGEND, 70, 318, 100, 25 },
    { IDC_SCHED_EVENT_MAX, 175, 348, 100, 20 },
    { IDC_SCHED_EVENT_NO_SAVE, 400, 348, 100, 20 },
    { IDC_SCHED_ALARM_GROUP, 15, 395, 510, 70 },
    { IDC_SCHED_POST_ALARM_LABEL, 150, 425, 100, 25 },
    { IDC_SCHED_POST_ALARM, 290, 420, 50, 25 },
    { IDC_SCHED_POST_ALARM_SPIN, 340, 420, 10, 25 },
    { IDC_SCHED_SECONDS_LABEL, 350, 425, 60, 25 },
};
const CDayChartPage::Place kNewestLayout[] = {
    { IDC_SCHED_RELAY_LABEL, 30, 258, 33, 25 },
    { IDC_SCHED_RELAY, 445, 258, 60, 30 },
    { IDC_SCHED_GROUP, 15, 25, 505, 380 },
    { IDC_SCHED_NORMAL_LEGEND, 70, 310, 100, 25 },
    { IDC_SCHED_NORMAL_MAX, 175, 323, 100, 20 },
    { IDC_SCHED_NORMAL_NO_SAVE, 400, 323, 100, 20 },
    { IDC_SCHED_EVENT_LEGEND, 70, 358, 100, 25 },
    { IDC_SCHED_EVENT_MAX, 175, 373, 100, 20 },
    { IDC_SCHED_EVENT_NO_SAVE, 400, 373, 100, 20 },
    { IDC_SCHED_SENSOR_GROUP, 15, 410, 250, 65 },
    { IDC_SCHED_ALARM_GROUP, 270, 410, 250, 65 },
    { IDC_SCHED_POST_ALARM_LABEL, 305, 440, 100, 25 },
    { IDC_SCHED_POST_ALARM, 410, 435, 40, 25 },
    { IDC_SCHED_POST_ALARM_SPIN, 450, 435, 20, 25 },
    { IDC_SCHED_SECONDS_LABEL, 470, 440, 40, 25 },
};
const int kChannelButtons[DAY_CHART_CHANNELS]
    = { IDC_SCHED_CH1, IDC_SCHED_CH2, IDC_SCHED_CH3, IDC_SCHED_CH4 };
const int kSensorButtons[4] = { IDC_SCHED_S1, IDC_SCHED_S2, IDC_SCHED_S3, IDC_SCHED_S4 };

bool AllEndsZero(const tagScheduleEntry* rows)
{
    return std::all_of(rows, rows + SCHEDULE_ROW_COUNT, [](const tagScheduleEntry& e) { return e.end == 0; });
}

} // namespace

BEGIN_MESSAGE_MAP(CPage8Schedule, CDayChartPage)
ON_BN_CLICKED(IDC_SCHED_CH1, OnButtonCh1)
ON_BN_CLICKED(IDC_SCHED_CH2, OnButtonCh2)
ON_BN_CLICKED(IDC_SCHED_CH3, OnButtonCh3)
ON_BN_CLICKED(IDC_SCHED_CH4, OnButtonCh4)
ON_BN_CLICKED(IDC_SCHED_RELAY, OnButtonRelay)
ON_BN_CLICKED(IDC_SCHED_S1, OnButtonSensor1)
ON_BN_CLICKED(IDC_SCHED_S2, OnButtonSensor2)
ON_BN_CLICKED(IDC_SCHED_S3, OnButtonSensor3)
ON_BN_CLICKED(IDC_SCHED_S4, OnButtonSensor4)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPage8Schedule::CPage8Schedule()
    : CDayChartPage(IDD_PAGE8_SCHEDULE, SLOT_Schedule, GROUP_COUNT, GROUP_POST_ALARM)
{
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c)
        m_Channels[c].y = kChannelY[c];
}

CPage8Schedule::~CPage8Schedule() = default;

void CPage8Schedule::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_ScheduleDialog)
        m_pScheduleDlg = dynamic_cast<CCamScheduleDlg*>(pTarget);
}

bool CPage8Schedule::IsNewestFirmware() const
{
    return m_pConfigView && m_pConfigView->FirmwareKind() == kNewestFirmware;
}

void CPage8Schedule::PlaceAll()
{
    PlaceControls(kLayout, int(std::size(kLayout)));
    auto show = [this](int id, bool shown) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    const bool newest = IsNewestFirmware();
    const bool family3 = g_CurrentDevice.dwFamily == 3;
    show(IDC_SCHED_SENSOR_GROUP, newest);
    show(IDC_SCHED_RELAY_LABEL, newest);
    show(IDC_SCHED_RELAY, newest);
    for (int s = 0; s < 4; ++s)
        show(kSensorButtons[s], newest && (s < 2 || family3));
    if (!newest)
        return;
    PlaceControls(kNewestLayout, int(std::size(kNewestLayout)));
    for (int s = 0; s < 4; ++s) {
        const Place sensor { kSensorButtons[s], family3 ? 40 + 50 * s : 80 + 80 * s, 435, 50, 25 };
        PlaceControls(&sensor, 1);
    }
}

BOOL CPage8Schedule::OnInitDialog()
{
    CDayChartPage::OnInitDialog();
    PlaceAll();
    std::fill(std::begin(m_bSlotChanged), std::end(m_bSlotChanged), 0);
    if (g_CurrentDevice.dwFamily == 3)
        std::fill(std::begin(m_nRelayOwner), std::end(m_nRelayOwner), -1);
    return TRUE;
}

void CPage8Schedule::ReadSettings()
{
    LoadSettings();
}

void CPage8Schedule::LoadSettings()
{
    ReadSensors();

    CFG_PORT_PAIR ports;
    if (ReadBlock(GET_SERVER_PORTS, &ports)) {
        g_CurrentDevice.dwStreamPort = ports.dwFirst;
        g_CurrentDevice.dwHttpPort = ports.dwSecond;
    }

    CFG_POST_ALARM postAlarm;
    if (ReadBlock(GET_POST_ALARM, &postAlarm)) {
        m_nPostAlarm = postAlarm.nPostAlarm;
        // A stored 0 is no valid time: the device is given the shortest.
        if (m_nPostAlarm == 0) {
            m_nPostAlarm = 1;
            WriteBlock(SET_POST_ALARM, { 0, 1 });
        }
    }

    CFG_CHANNEL_CONFIG channels;
    if (ReadBlock(GET_CHANNEL_CONFIG, &channels))
        m_ChannelFlags.Read(channels, SCHEDULE_SLOTS);
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c) {
        const bool present = m_ChannelFlags.ChannelPresent(c);
        if (CWnd* button = GetDlgItem(kChannelButtons[c]))
            button->EnableWindow(present);
        m_Channels[c].present = present;
    }
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c) {
        const int slot = m_ChannelFlags.SlotOfChannel(c);
        if (!m_ChannelFlags.slotPresent[slot])
            continue;
        CFG_SCHEDULE plan;
        if (!ReadBlock(GET_SCHEDULE, &plan, { uint32_t(slot) }))
            continue;
        if (g_CurrentDevice.dwFamily == 3 && slot >= 1)
            UpdateRelayOwners(slot, plan.rows);
        tagScheduleEntry* rows = &m_Schedule[slot * SCHEDULE_ROW_COUNT];
        std::copy(std::begin(plan.rows), std::end(plan.rows), rows);
        // An empty plan is one interval over the whole day.
        if (AllEndsZero(rows))
            rows[0].end = SECONDS_PER_DAY;
        ComputeSlot(slot);
    }

    ReadDeviceTime();

    if (IsNewestFirmware()) {
        CWaitCursor wait;
        tagRelayTable relays;
        if (ReadBlock(GET_RELAY_TABLE, &relays))
            m_RelaySchedule = relays;
    }
    ComputeRelayBars();
    for (DayChannel& channel : m_Channels)
        channel.PlaceBars();
    if (GetSafeHwnd())
        Invalidate();
}

void CPage8Schedule::ReadSensors()
{
    CFG_EXT_DEVICE ext;
    if (!ReadBlock(GET_EXT_DEVICE, &ext))
        return;
    std::fill(std::begin(m_bSensorEnabled), std::end(m_bSensorEnabled), 0);
    std::fill(std::begin(m_bRelayAvailable), std::end(m_bRelayAvailable), 0);
    if (g_CurrentDevice.dwFamily == 3) {
        for (int k = 0; k < 4; ++k) {
            m_bSensorEnabled[k] = (ext.bySetting[0] >> k) & 1;
            m_bRelayAvailable[k] = IsNewestFirmware() || ((ext.bySetting[1] >> k) & 1);
        }
    } else {
        m_bSensorEnabled[0] = ext.bySetting[0] == 1;
        m_bSensorEnabled[1] = ext.bySetting[1] == 1;
        m_bRelayAvailable[0] = ext.bySetting[2] == 1;
        // The camera's relay output is switched on with the sensors as read.
        WriteBlock(SET_EXT_DEVICE, { { m_bSensorEnabled[0], m_bSensorEnabled[1], 1, 0 }, 0 });
        m_bRelayAvailable[0] = 1;
    }
    for (int k = 0; k < 4; ++k)
        CheckDlgButton(kSensorButtons[k], m_bSensorEnabled[k] ? BST_CHECKED : BST_UNCHECKED);
}

bool CPage8Schedule::IsTriggerLive(int channel, const tagScheduleEntry& row) const
{
    const bool motion = m_ChannelFlags.motionAvailable[channel] != 0;
    if (g_CurrentDevice.dwFamily != 3) {
        return ((row.triggers & 0x02) && motion) || ((row.triggers & 0x04) && m_bSensorEnabled[0])
            || ((row.triggers & 0x08) && m_bSensorEnabled[1]);
    }
    const bool motionBit = IsNewestFirmware() ? (row.triggers & 0x80) != 0 : (row.motionTrigger & 1) != 0;
    if (motionBit && motion)
        return true;
    for (int k = 0; k < 4; ++k) {
        if (((row.triggers >> k) & 1) && m_bSensorEnabled[k])
            return true;
    }
    return false;
}

void CPage8Schedule::ComputeSlot(int slot)
{
    const int channel = DisplayChannelOfSlot(slot);
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        tagScheduleEntry& row = m_Schedule[slot * SCHEDULE_ROW_COUNT + r];
        if (row.start > row.end)
            row.start = 0;
        DayBar& bar = m_Channels[channel].bars[r];
        bar.xStart = DayTimeX(row.start);
        bar.xEnd = DayTimeX(row.end) + 1;
        FillDayBar(&bar, row, m_ChannelFlags.ntsc[channel] != 0, IsTriggerLive(channel, row));
    }
}

void CPage8Schedule::ComputeRelayBars()
{
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        const tagRelayPeriod& period = m_RelaySchedule.period[p];
        m_RelayBars.xStart[p] = DayTimeX(period.start);
        m_RelayBars.xEnd[p] = DayTimeX(period.end) + 1;
        m_RelayBars.active[p] = std::any_of(
            std::begin(period.trigger), std::end(period.trigger), [](uint16_t w) { return w != 0; });
    }
}

void CPage8Schedule::UpdateRelayOwners(int slot, const tagScheduleEntry* rows)
{
    for (int relay = 0; relay < 4; ++relay) {
        const uint8_t bit = uint8_t(0x10 << relay);
        if (std::any_of(rows, rows + SCHEDULE_ROW_COUNT,
                [bit](const tagScheduleEntry& e) { return e.triggers & bit; }))
            m_nRelayOwner[relay] = slot;
    }
}

bool CPage8Schedule::ReadLocalTime(int64_t* local)
{
    if (!IsNewestFirmware()) {
        CFG_DAYLIGHT_SAVING dst {};
        const bool summer = ReadBlock(GET_DAYLIGHT_SAVING, &dst) && dst.dwEnabled == 1;
        CFG_TIME_ZONE clock;
        if (!ReadBlock(GET_TIME_ZONE, &clock))
            return false;
        if (clock.nDeviceTime < 0) {
            AfxMessageBox(IDS_TIME_ERROR_RESET);
            return false;
        }
        *local = int64_t(clock.nDeviceTime) + clock.nZoneOffset + (summer ? 3600 : 0);
        return true;
    }
    // The rule of each zone, and the shift of each rule.
    CFG_ZONE_RULES zoneRules;
    if (ReadBlock(GET_ZONE_RULES, &zoneRules))
        StoreZoneRules(zoneRules);
    std::vector<DaylightRule> rules;
    CFG_DST_RULES dst;
    if (ReadBlock(GET_DST_RULES, &dst))
        rules = ReadDaylightRules(dst);
    CFG_DEVICE_CLOCK clock;
    if (!ReadBlock(GET_DEVICE_CLOCK, &clock))
        return false;
    if (clock.deviceTime < 0) {
        AfxMessageBox(IDS_TIME_ERROR_RESET);
        return false;
    }
    *local = clock.deviceTime;
    // A zone or rule the tables do not hold adds nothing.
    if (clock.zoneIndex < uint32_t(TIME_ZONE_COUNT)) {
        *local += g_TimeZones[clock.zoneIndex].offset;
        if (clock.daylightSaving)
            *local += ZoneDaylightShift(clock.zoneIndex, rules);
    }
    return true;
}

void CPage8Schedule::ReadDeviceTime()
{
    int64_t local = 0;
    if (ReadLocalTime(&local))
        m_fTimeX = DayMarkerX(local);
}

void CPage8Schedule::OnPaint()
{
    CPaintDC dc(this);
    DayChartStyle style;
    if (IsNewestFirmware()) {
        style.outlineBottom = 290;
        style.guideBottom = 290;
        style.relay = &m_RelayBars;
        style.legendTop = 300;
        style.legendGap = 45;
    }
    PaintDayChart(&dc, style, m_Channels, DAY_CHART_CHANNELS, int(m_fTimeX));
}

void CPage8Schedule::RunScheduleDialog(int channel)
{
    m_Hint.Hide();
    const int slot = m_ChannelFlags.SlotOfChannel(channel);
    m_nSlot = slot;
    if (!m_pScheduleDlg)
        return;
    m_pScheduleDlg->m_bNtsc = m_ChannelFlags.ntsc[channel];
    m_pScheduleDlg->m_bMirrored = m_ChannelFlags.mirrored[channel];
    m_pScheduleDlg->m_bMotionAvailable = m_ChannelFlags.motionAvailable[channel];
    m_pScheduleDlg->m_nSlot = uint32_t(slot);
    std::copy(std::begin(m_bSensorEnabled), std::end(m_bSensorEnabled), m_pScheduleDlg->m_byAvailable);
    std::copy(std::begin(m_bRelayAvailable), std::end(m_bRelayAvailable), m_pScheduleDlg->m_byAvailable + 4);
    {
        CWaitCursor wait;
        if (m_pScheduleDlg->DoModal() != IDOK)
            return;
    }
    if (m_ChannelFlags.slotPresent[slot])
        ComputeSlot(slot);
    m_Channels[DisplayChannelOfSlot(slot)].PlaceBars();
    MarkGroupChanged(GROUP_SCHEDULE);
    Invalidate();
}

namespace
{

// Runs a relay table on a copy of the plan; true with the edited plan in
// *pTable when the user pressed OK.
template <class Dialog> bool EditRelayTable(CWnd* pParent, tagRelayTable* pTable)
{
    Dialog dlg(pParent);
    dlg.SetRelayTable(pTable);
    if (dlg.DoModal() != IDOK)
        return false;
    *pTable = dlg.m_RelayTable;
    return true;
}

} // namespace

void CPage8Schedule::OnButtonRelay()
{
    m_Hint.Hide();
    tagRelayTable table = m_RelaySchedule;
    // Family 3 has four relay outputs, family 0 one.
    const bool edited = g_CurrentDevice.dwFamily == 3 ? EditRelayTable<CRelayTableDlg>(this, &table)
                                                      : EditRelayTable<CRelayTableDlg2>(this, &table);
    if (!edited)
        return;
    m_RelaySchedule = table;
    ComputeRelayBars();
    MarkGroupChanged(GROUP_RELAY);
    Invalidate();
}

void CPage8Schedule::OnSensor(int sensor)
{
    m_bSensorEnabled[sensor] = IsDlgButtonChecked(kSensorButtons[sensor]) == BST_CHECKED;
    MarkGroupChanged(GROUP_SENSOR);
}

ConfigResult CPage8Schedule::WriteSensors()
{
    if (!IsNewestFirmware())
        return CONFIG_DONE;
    CFG_EXT_DEVICE ext {};
    if (g_CurrentDevice.dwFamily == 3) {
        for (int k = 0; k < 4; ++k) {
            if (IsDlgButtonChecked(kSensorButtons[k]) == BST_CHECKED)
                ext.bySetting[0] |= uint8_t(1 << k);
        }
        ext.bySetting[1] = 0x0F;
    } else {
        ext.bySetting[0] = IsDlgButtonChecked(IDC_SCHED_S1) == BST_CHECKED ? 1 : 0;
        ext.bySetting[1] = IsDlgButtonChecked(IDC_SCHED_S2) == BST_CHECKED ? 1 : 0;
        ext.bySetting[2] = 1;
    }
    return WriteBlock(SET_EXT_DEVICE, ext);
}

ConfigResult CPage8Schedule::WriteSchedules()
{
    ConfigResult worst = CONFIG_DONE;
    for (int slot = 0; slot < SCHEDULE_SLOTS; ++slot) {
        if (!m_ChannelFlags.slotPresent[slot] || !m_bSlotChanged[slot])
            continue;
        tagScheduleEntry* rows = &m_Schedule[slot * SCHEDULE_ROW_COUNT];
        if (AllEndsZero(rows))
            rows[0].end = SECONDS_PER_DAY;
        CFG_SCHEDULE plan;
        plan.slot = uint32_t(slot);
        std::copy(rows, rows + SCHEDULE_ROW_COUNT, plan.rows);
        const ConfigResult result = WriteBlock(SET_SCHEDULE, plan);
        if (result == CONFIG_NO_CONNECTION)
            return result;
        if (result == CONFIG_DONE && g_CurrentDevice.dwFamily == 3 && slot >= 1)
            UpdateRelayOwners(slot, rows);
        if (result != CONFIG_DONE)
            worst = result;
    }
    return worst;
}

ConfigResult CPage8Schedule::WriteGroup(int group)
{
    switch (group) {
    case GROUP_SENSOR:
        return WriteSensors();
    case GROUP_POST_ALARM:
        return WriteBlock(SET_POST_ALARM, { 0, m_nPostAlarm });
    case GROUP_SCHEDULE:
        return WriteSchedules();
    case GROUP_RELAY:
        return WriteBlock(SET_RELAY_TABLE, m_RelaySchedule);
    default:
        return CONFIG_DONE;
    }
}

const DayChannel* CPage8Schedule::ChartChannels(int* count, const BYTE** b30Frames) const
{
    *count = DAY_CHART_CHANNELS;
    *b30Frames = m_ChannelFlags.ntsc;
    return m_Channels;
}
