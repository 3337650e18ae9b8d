#include "pages/Page8Schedule2.h"

#include "dialogs/FrameRates.h"
#include "link/ClockBlocks.h"
#include "link/CurrentDevice.h"
#include "link/NetworkBlocks.h"
#include "pages/CamScheduleDlg2.h"

#include <algorithm>
#include <iterator>

namespace
{

constexpr int kChannelY[SCHEDULE2_CHANNELS] = { 80, 125, 172 };
// This page's buttons stand 10 pixels lower than the other pages'.
constexpr int kButtonTop = 505;

const CDayChartPage::Place kLayout[] = {
    { IDC_SCHED_GROUP, 15, 15, 510, 227 },
    { IDC_SCHED_CH1_LABEL, 30, 80, 33, 25 },
    { IDC_SCHED_CH2_LABEL, 30, 125, 33, 25 },
    { IDC_SCHED_CH3_LABEL, 30, 172, 33, 25 },
    { IDC_SCHED_HOUR0_LABEL, 70, 40, 50, 25 },
    { IDC_SCHED_HOUR6_LABEL, 152, 40, 50, 25 },
    { IDC_SCHED_HOUR12_LABEL, 240, 40, 50, 25 },
    { IDC_SCHED_HOUR18_LABEL, 325, 40, 50, 25 },
    { IDC_SCHED_HOUR24_LABEL, 410, 40, 50, 25 },
    { IDC_SCHED_CH1, 445, 80, 60, 30 },
    { IDC_SCHED_CH2, 445, 125, 60, 30 },
    { IDC_SCHED_CH3, 445, 172, 60, 30 },
    { IDC_SCHED_ALARM_GROUP, 15, 252, 510, 70 },
    { IDC_SCHED_POST_ALARM_LABEL, 150, 282, 100, 25 },
    { IDC_SCHED_POST_ALARM, 290, 277, 50, 25 },
    { IDC_SCHED_POST_ALARM_SPIN, 340, 277, 10, 25 },
    { IDC_SCHED_SECONDS_LABEL, 350, 282, 60, 25 },
    { IDC_PAGE_OK, 305, kButtonTop, 70, 25 },
    { IDC_PAGE_CANCEL, 380, kButtonTop, 70, 25 },
    { IDC_PAGE_APPLY, 455, kButtonTop, 70, 25 },
};
const int kChannelButtons[SCHEDULE2_CHANNELS] = { IDC_SCHED_CH1, IDC_SCHED_CH2, IDC_SCHED_CH3 };

} // namespace

BEGIN_MESSAGE_MAP(CPage8Schedule2, CDayChartPage)
ON_BN_CLICKED(IDC_SCHED_CH1, OnButtonCh1)
ON_BN_CLICKED(IDC_SCHED_CH2, OnButtonCh2)
ON_BN_CLICKED(IDC_SCHED_CH3, OnButtonCh3)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPage8Schedule2::CPage8Schedule2()
    : CDayChartPage(IDD_PAGE8_SCHEDULE2, SLOT_Schedule2, GROUP_COUNT, GROUP_POST_ALARM)
{
    for (int c = 0; c < SCHEDULE2_CHANNELS; ++c)
        m_Channels[c].y = kChannelY[c];
}

CPage8Schedule2::~CPage8Schedule2() = default;

void CPage8Schedule2::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_ScheduleDialog)
        m_pScheduleDlg = dynamic_cast<CCamScheduleDlg2*>(pTarget);
}

BOOL CPage8Schedule2::OnInitDialog()
{
    CDayChartPage::OnInitDialog();
    PlaceControls(kLayout, int(std::size(kLayout)));
    std::fill(std::begin(m_bSlotChanged), std::end(m_bSlotChanged), 0);
    return TRUE;
}

void CPage8Schedule2::ReadSettings()
{
    LoadSettings();
}

void CPage8Schedule2::LoadSettings()
{
    CFG_PORT_PAIR ports;
    if (ReadBlock(GET_SERVER_PORTS, &ports)) {
        g_CurrentDevice.dwStreamPort = ports.dwFirst;
        g_CurrentDevice.dwHttpPort = ports.dwSecond;
    }
    CFG_POST_ALARM postAlarm;
    if (ReadBlock(GET_POST_ALARM, &postAlarm))
        m_nPostAlarm = postAlarm.nPostAlarm;

    CFG_EXT_DEVICE ext;
    if (ReadBlock(GET_EXT_DEVICE, &ext)) {
        for (int c = 0; c < SCHEDULE2_CHANNELS; ++c) {
            m_bSensorAvailable[c] = (ext.bySetting[0] >> (c + 1)) & 1;
            m_bRelayAvailable[c] = (ext.bySetting[2] >> (c + 1)) & 1;
        }
    }

    CFG_CHANNEL_CONFIG channels;
    if (ReadBlock(GET_CHANNEL_CONFIG, &channels))
        m_ChannelFlags.Read(channels, SCHEDULE2_SLOTS);
    for (int c = 0; c < SCHEDULE2_CHANNELS; ++c) {
        if (CWnd* button = GetDlgItem(kChannelButtons[c]))
            button->EnableWindow(m_ChannelFlags.ChannelPresent(c));
        m_Channels[c].present = m_ChannelFlags.ChannelPresent(c);
    }
    for (int c = 0; c < SCHEDULE2_CHANNELS; ++c) {
        const int slot = m_ChannelFlags.SlotOfChannel(c);
        if (!m_ChannelFlags.slotPresent[slot])
            continue;
        CFG_SCHEDULE plan;
        if (!ReadBlock(GET_SCHEDULE, &plan, { uint32_t(slot) }))
            continue;
        std::copy(std::begin(plan.rows), std::end(plan.rows), &m_Schedule[slot * SCHEDULE_ROW_COUNT]);
        ComputeSlot(slot);
    }

    CFG_TIME_ZONE clock;
    if (ReadBlock(GET_TIME_ZONE, &clock)) {
        if (clock.nDeviceTime < 0)
            AfxMessageBox(IDS_TIME_ERROR_RESET);
        else
            m_fTimeX = DayMarkerX(int64_t(clock.nDeviceTime) + clock.nZoneOffset);
    }
    for (DayChannel& channel : m_Channels)
        channel.PlaceBars();
    if (GetSafeHwnd())
        Invalidate();
}

void CPage8Schedule2::ComputeSlot(int slot)
{
    const int channel = DisplayChannelOfSlot(slot);
    const bool b30 = m_ChannelFlags.ntsc[channel] != 0;
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        const tagScheduleEntry& row = m_Schedule[slot * SCHEDULE_ROW_COUNT + r];
        DayBar& bar = m_Channels[channel].bars[r];
        bar.xStart = WholeHourX(row.start);
        bar.xEnd = WholeHourX(row.end) + 1;
        const bool live = ((row.triggers & 0x02) && m_ChannelFlags.motionAvailable[channel])
            || ((row.triggers & 0x04) && m_bSensorAvailable[channel]);
        FillDayBar(&bar, row, b30, live);
    }
}

void CPage8Schedule2::OnPaint()
{
    CPaintDC dc(this);
    DayChartStyle style;
    style.outlineBottom = 208;
    style.guideBottom = 207;
    style.borderBottom = 208;
    style.legend = false;
    PaintDayChart(&dc, style, m_Channels, SCHEDULE2_CHANNELS, int(m_fTimeX));
}

void CPage8Schedule2::RunScheduleDialog(int channel)
{
    m_Hint.Hide();
    const int slot = m_ChannelFlags.SlotOfChannel(channel);
    m_nSlot = slot;
    if (!m_pScheduleDlg)
        return;
    m_pScheduleDlg->m_bNtsc = m_ChannelFlags.ntsc[channel];
    m_pScheduleDlg->m_bMirrored = m_ChannelFlags.mirrored[channel];
    m_pScheduleDlg->m_bMotionAvailable = m_ChannelFlags.motionAvailable[channel];
    m_pScheduleDlg->m_bSensorAvailable = m_bSensorAvailable[channel];
    m_pScheduleDlg->m_bRelayAvailable = m_bRelayAvailable[channel];
    m_pScheduleDlg->m_nSlot = uint32_t(slot);
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

ConfigResult CPage8Schedule2::WriteGroup(int group)
{
    if (group == GROUP_POST_ALARM)
        return WriteBlock(SET_POST_ALARM, { 0, m_nPostAlarm });
    if (group != GROUP_SCHEDULE)
        return CONFIG_DONE;
    ConfigResult worst = CONFIG_DONE;
    for (int slot = 0; slot < SCHEDULE2_SLOTS; ++slot) {
        if (!m_ChannelFlags.slotPresent[slot] || !m_bSlotChanged[slot])
            continue;
        CFG_SCHEDULE plan;
        plan.slot = uint32_t(slot);
        std::copy_n(&m_Schedule[slot * SCHEDULE_ROW_COUNT], SCHEDULE_ROW_COUNT, plan.rows);
        const ConfigResult result = WriteBlock(SET_SCHEDULE, plan);
        if (result == CONFIG_NO_CONNECTION)
            return result;
        if (result != CONFIG_DONE)
            worst = result;
    }
    return worst;
}

const DayChannel* CPage8Schedule2::ChartChannels(int* count, const BYTE** b30Frames) const
{
    *count = SCHEDULE2_CHANNELS;
    *b30Frames = m_ChannelFlags.ntsc;
    return m_Channels;
}
