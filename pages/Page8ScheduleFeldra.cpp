#include "pages/Page8ScheduleFeldra.h"

#include "controls/CheckMarkGrid.h"
#include "dialogs/ChannelScheduleDlg.h"
#include "dialogs/FrameRates.h"
#include "dialogs/RelayModeDlg.h"
#include "platform/ui/GdiObject.h"

#include <algorithm>
#include <iterator>

namespace
{

constexpr int kChannelY[DAY_CHART_CHANNELS] = { 70, 115, 160, 205 };
// The three mode columns of the chart.
constexpr int kModeLeft[SCHEDULE_MODE_COUNT + 1] = { 70, 190, 310, 430 };
constexpr int kRelayTop = 252;
// The sensor grid: S1 to S4 in the switch byte, then the motion switches
// of cameras 1 to 4 in the word after it.
constexpr int kSensorCells = 8;
constexpr int kByteCells = 4;

const CDayChartPage::Place kLayout[] = {
    { IDC_SCHED_GROUP, 15, 15, 505, 330 },
    { IDC_SCHED_HOME_LABEL, 110, 35, 50, 21 },
    { IDC_SCHED_NIGHT_LABEL, 230, 35, 50, 21 },
    { IDC_SCHED_OUTING_LABEL, 350, 35, 50, 21 },
    { IDC_SCHED_CH1_LABEL, 30, 75, 33, 25 },
    { IDC_SCHED_CH2_LABEL, 30, 120, 33, 25 },
    { IDC_SCHED_CH3_LABEL, 30, 165, 33, 25 },
    { IDC_SCHED_CH4_LABEL, 30, 210, 33, 25 },
    { IDC_SCHED_CH1, 445, 66, 60, 30 },
    { IDC_SCHED_CH2, 445, 111, 60, 30 },
    { IDC_SCHED_CH3, 445, 156, 60, 30 },
    { IDC_SCHED_CH4, 445, 201, 60, 30 },
    { IDC_SCHED_RELAY_LABEL, 30, 250, 33, 25 },
    { IDC_SCHED_RELAY, 445, 246, 60, 30 },
    { IDC_SCHED_MODE_LABEL, 70, 300, 150, 21 },
    { IDC_SCHED_MODE, 230, 296, 110, 100 },
    { IDC_SCHED_SENSOR_GROUP, 15, 355, 506, 78 },
    { IDC_SCHED_POST_ALARM_LABEL, 25, 450, 70, 25 },
    { IDC_SCHED_POST_ALARM, 100, 445, 60, 25 },
    { IDC_SCHED_POST_ALARM_SPIN, 160, 445, 20, 25 },
    { IDC_SCHED_SECONDS_LABEL, 190, 450, 40, 25 },
};
const int kChannelButtons[DAY_CHART_CHANNELS]
    = { IDC_SCHED_CH1, IDC_SCHED_CH2, IDC_SCHED_CH3, IDC_SCHED_CH4 };

} // namespace

BEGIN_MESSAGE_MAP(CPage8ScheduleFeldra, CDayChartPage)
ON_BN_CLICKED(IDC_SCHED_CH1, OnButtonCh1)
ON_BN_CLICKED(IDC_SCHED_CH2, OnButtonCh2)
ON_BN_CLICKED(IDC_SCHED_CH3, OnButtonCh3)
ON_BN_CLICKED(IDC_SCHED_CH4, OnButtonCh4)
ON_BN_CLICKED(IDC_SCHED_RELAY, OnButtonRelay)
ON_CBN_SELCHANGE(IDC_SCHED_MODE, OnModeChange)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SCHEDULE_GRID, OnSensorCell)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPage8ScheduleFeldra::CPage8ScheduleFeldra()
    : CDayChartPage(IDD_PAGE8_SCHEDULE_FELDRA, SLOT_ScheduleFeldra, GROUP_COUNT, GROUP_ALL)
{
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c)
        m_Channels[c].y = kChannelY[c];
}

BOOL CPage8ScheduleFeldra::OnInitDialog()
{
    CDayChartPage::OnInitDialog();
    PlaceControls(kLayout, int(std::size(kLayout)));
    if (auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_SCHED_MODE))) {
        for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
            CString name;
            name.LoadString(IDS_QUALITY_MODE_HOME + mode);
            modes->AddString(name);
        }
    }
    CreateCheckMarkImages(m_Images);
    m_SensorGrid.Create(CRect(24, 377, 24 + 490, 377 + 42), this, IDC_SCHEDULE_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_SensorGrid, &m_Images);
    return TRUE;
}

void CPage8ScheduleFeldra::BuildSensorGrid()
{
    CGridCtrl& grid = m_SensorGrid;
    grid.SetRowCount(2);
    grid.SetColumnCount(kSensorCells);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    for (int c = 0; c < kSensorCells; ++c) {
        CString heading;
        heading.Format(c < kByteCells ? "S%d" : "MD%d", c % kByteCells + 1);
        grid.SetItemText(0, c, heading);
        grid.SetItemFormat(0, c, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        grid.SetColumnWidth(c, 61);
    }
}

void CPage8ScheduleFeldra::ReadSettings()
{
    CFG_SCHEDULE_MODE mode;
    if (ReadBlock(GET_SCHEDULE_MODE, &mode)) {
        // A mode the list does not hold reads as Home.
        m_nDeviceMode = mode.byMode < SCHEDULE_MODE_COUNT ? mode.byMode : 0;
        if (auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_SCHED_MODE)))
            modes->SetCurSel(m_nDeviceMode);
    }
    BuildSensorGrid();

    CFG_CHANNEL_CONFIG channels;
    if (ReadBlock(GET_CHANNEL_CONFIG, &channels))
        m_ChannelFlags.Read(channels, SCHEDULE_ROW_COUNT);
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c) {
        m_Channels[c].present = m_ChannelFlags.ChannelPresent(c);
        if (CWnd* button = GetDlgItem(kChannelButtons[c]))
            button->EnableWindow(m_Channels[c].present);
    }

    if (ReadBlock(GET_EXT_DEVICE, &m_ExtDevice)) {
        for (int c = 0; c < kSensorCells; ++c) {
            const bool on = c < kByteCells ? (m_ExtDevice.bySetting[0] >> c) & 1
                                           : (m_ExtDevice.dwExtra >> (c - kByteCells)) & 1;
            m_SensorGrid.SetItemImage(1, c, on ? CHECK_TICKED : CHECK_CLEAR);
        }
    }

    for (int c = 0; c < DAY_CHART_CHANNELS; ++c) {
        if (!m_Channels[c].present)
            continue;
        CFG_SCHEDULE plan;
        if (ReadBlock(GET_SCHEDULE, &plan, { uint32_t(m_ChannelFlags.SlotOfChannel(c)) }))
            std::copy(std::begin(plan.rows), std::end(plan.rows), m_ChannelSchedule[c].row);
    }
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c)
        ComputeChannel(c);

    tagRelayTable relays;
    if (ReadBlock(GET_RELAY_TABLE, &relays))
        m_RelaySchedule = relays;
    ComputeRelay();

    CFG_POST_ALARM postAlarm;
    if (ReadBlock(GET_POST_ALARM, &postAlarm)) {
        m_nPostAlarm = postAlarm.nPostAlarm;
        // A stored 0 is no valid time: the device is given the shortest.
        if (m_nPostAlarm == 0) {
            m_nPostAlarm = 1;
            WriteBlock(SET_POST_ALARM, { 0, 1 });
        }
    }
    if (GetSafeHwnd())
        Invalidate();
}

void CPage8ScheduleFeldra::ComputeChannel(int channel)
{
    DayChannel& chart = m_Channels[channel];
    const bool b30 = m_ChannelFlags.ntsc[channel] != 0;
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        const tagScheduleEntry& settings = m_ChannelSchedule[channel].row[mode];
        DayBar& cell = chart.bars[mode];
        cell.xStart = kModeLeft[mode];
        cell.xEnd = kModeLeft[mode + 1];
        cell.normalRate = RateIndex(RATES_MODE, settings.normalRate, b30);
        cell.eventRate = RateIndex(RATES_MODE, settings.alarmRate, b30);
        cell.normalResolution = ClampResolution(settings.normalResolution);
        cell.eventResolution = ClampResolution(settings.alarmResolution);
        cell.normalQuality = ClampQuality(settings.normalQuality);
        cell.eventQuality = ClampQuality(settings.alarmQuality);
        const COLORREF white = RGB(255, 255, 255);
        cell.normalColor = settings.normalRate == 0 ? white : NormalShade(cell.normalRate);
        // Event saving needs an alarm source: motion, a sensor, or one of
        // the further sensors.
        const bool triggered = (settings.triggers & 0x8F) != 0 || (settings.reserved & 0xFFFF) != 0;
        cell.eventColor = triggered ? EventShade(cell.eventRate) : white;
    }
    chart.PlaceBars();
}

void CPage8ScheduleFeldra::ComputeRelay()
{
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        m_bRelayActive[mode] = false;
        for (int relay = 0; relay < 4; ++relay)
            m_bRelayActive[mode] |= CRelayModeDlg::ModeMask(m_RelaySchedule, mode, relay) != 0;
    }
}

void CPage8ScheduleFeldra::OnPaint()
{
    CPaintDC dc(this);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&black);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(70, 60, 432, 277);
    for (int x : { kModeLeft[1], kModeLeft[2] })
        ChartLine(&dc, x, 60, x, 280);
    for (const DayChannel& channel : m_Channels) {
        for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
            const DayBar& cell = channel.bars[mode];
            if (!channel.present) {
                dc.SelectStockObject(NULL_BRUSH);
                dc.Rectangle(kModeLeft[mode], channel.y, kModeLeft[mode + 1], channel.y + 10);
                dc.Rectangle(kModeLeft[mode], channel.y + 12, kModeLeft[mode + 1], channel.y + 22);
                continue;
            }
            ChartBox(&dc, cell.upper, cell.normalColor);
            ChartBox(&dc, cell.lower, cell.eventColor);
        }
    }
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        const CRect rect(kModeLeft[mode], kRelayTop, kModeLeft[mode + 1], kRelayTop + 10);
        ChartBox(&dc, rect, m_bRelayActive[mode] ? RGB(255, 150, 150) : RGB(255, 255, 255));
    }
    ChartLine(&dc, 70, 59, 70, 241);
    ChartLine(&dc, 431, 59, 431, 241);
    dc.SelectObject(oldPen);
    dc.SelectObject(static_cast<CBrush*>(oldBrush));
}

const DayChannel* CPage8ScheduleFeldra::ChartChannels(int* count, const BYTE** b30Frames) const
{
    *count = DAY_CHART_CHANNELS;
    *b30Frames = m_ChannelFlags.ntsc;
    return m_Channels;
}

CString CPage8ScheduleFeldra::HintAt(CPoint point) const
{
    DayHit hit;
    if (!HitDayChart(m_Channels, DAY_CHART_CHANNELS, point, &hit))
        return CString();
    const DayBar& cell = m_Channels[hit.channel].bars[hit.row];
    CString quality, hint;
    quality.LoadString(IDS_QUALITY);
    quality.AppendFormat(": %d", hit.upper ? cell.normalQuality : cell.eventQuality);
    hint.Format("%s, %s, %s",
        static_cast<LPCTSTR>(RateText(
            RATES_MODE, hit.upper ? cell.normalRate : cell.eventRate, m_ChannelFlags.ntsc[hit.channel] != 0)),
        static_cast<LPCTSTR>(ResolutionName(hit.upper ? cell.normalResolution : cell.eventResolution)),
        static_cast<LPCTSTR>(quality));
    return hint;
}

void CPage8ScheduleFeldra::RunChannelDialog(int channel)
{
    m_Hint.Hide();
    CChannelScheduleDlg dlg(this);
    dlg.SetChannelSchedule(channel + 1, m_ChannelFlags.ntsc[channel], m_ChannelFlags.mirrored[channel], 0,
        m_ChannelSchedule[channel]);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetChannelSchedule(&m_ChannelSchedule[channel]);
    ComputeChannel(channel);
    MarkGroupChanged(GROUP_ALL);
    Invalidate();
}

void CPage8ScheduleFeldra::OnButtonRelay()
{
    m_Hint.Hide();
    CRelayModeDlg dlg(this);
    // Four-channel cameras have four sensor inputs.
    dlg.SetRelaySchedule(0, &m_RelaySchedule);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetRelaySchedule(&m_RelaySchedule);
    ComputeRelay();
    MarkGroupChanged(GROUP_ALL);
    Invalidate();
}

void CPage8ScheduleFeldra::OnSensorCell(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    // The one row of switches has no heading column.
    *pResult = 1;
    if (item->iRow == 1 && ToggleCheckMark(m_SensorGrid, item->iRow, item->iColumn))
        MarkGroupChanged(GROUP_ALL);
}

int CPage8ScheduleFeldra::ChosenMode() const
{
    const auto* modes = static_cast<const CComboBox*>(GetDlgItem(IDC_SCHED_MODE));
    const int chosen = modes ? modes->GetCurSel() : CB_ERR;
    return chosen == CB_ERR ? m_nDeviceMode : chosen;
}

BOOL CPage8ScheduleFeldra::ValidateSettings()
{
    m_Hint.Hide();
    if (ChosenMode() != m_nDeviceMode
        && AfxMessageBox(IDS_SCHEDULE_MODE_CHANGED, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    return CDayChartPage::ValidateSettings();
}

ConfigResult CPage8ScheduleFeldra::WriteGroup(int)
{
    CFG_SCHEDULE_MODE mode {};
    mode.byMode = uint8_t(ChosenMode());
    ConfigResult result = WriteBlock(SET_SCHEDULE_MODE, mode);
    if (result != CONFIG_DONE)
        return result;
    m_nDeviceMode = mode.byMode;

    CFG_EXT_DEVICE ext = m_ExtDevice;
    ext.bySetting[0] = 0;
    ext.dwExtra = 0;
    for (int c = 0; c < kSensorCells; ++c) {
        if (m_SensorGrid.GetItemImage(1, c) != CHECK_TICKED)
            continue;
        if (c < kByteCells)
            ext.bySetting[0] |= uint8_t(1u << c);
        else
            ext.dwExtra |= 1u << (c - kByteCells);
    }
    if ((result = WriteBlock(SET_EXT_DEVICE_MODES, ext)) != CONFIG_DONE)
        return result;
    m_ExtDevice = ext;
    if ((result = WriteBlock(SET_POST_ALARM, { 0, m_nPostAlarm })) != CONFIG_DONE)
        return result;
    for (int c = 0; c < DAY_CHART_CHANNELS; ++c) {
        if (!m_Channels[c].present)
            continue;
        CFG_SCHEDULE plan;
        plan.slot = uint32_t(m_ChannelFlags.SlotOfChannel(c));
        std::copy(std::begin(m_ChannelSchedule[c].row), std::end(m_ChannelSchedule[c].row), plan.rows);
        if ((result = WriteBlock(SET_CHANNEL_SCHEDULE, plan)) != CONFIG_DONE)
            return result;
    }
    return WriteBlock(SET_RELAY_MODES, m_RelaySchedule);
}
