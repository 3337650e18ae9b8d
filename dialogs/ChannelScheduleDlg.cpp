#include "dialogs/ChannelScheduleDlg.h"

#include "controls/CheckMarkGrid.h"
#include "controls/ControlPlacement.h"
#include "controls/QualityBoxGeometry.h"
#include "dialogs/FrameRates.h"
#include "dialogs/QualityBoxDlg3.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace
{

const int kBoxCheck[] = { IDC_CHSCHED_BOX_HOME, IDC_CHSCHED_BOX_NIGHT, IDC_CHSCHED_BOX_OUTING };
const int kArea[] = { IDC_SCHEDULE_AREA1, IDC_SCHEDULE_AREA2, IDC_SCHEDULE_AREA3 };

// The recording grid's columns: rate, resolution and quality of normal
// recording, then of event recording.
enum { COL_RATE = 1, COL_RESOLUTION, COL_QUALITY, COL_EVENT_RATE, COL_EVENT_RESOLUTION, COL_EVENT_QUALITY };
constexpr int kRecordColumns = 7;
// The trigger grid: motion detection, then sensors S1 on.
constexpr int kMotionColumn = 1;
constexpr int kFirstSensorColumn = 2;
constexpr int kByteSensors = 4; // S1 to S4 in the trigger byte; S5 to S20 in the further word

// The mode's settings lie where a day plan's row keeps its own: the
// quality-box byte in the normal flags, the alarm sources in the trigger
// byte and in the word the day plans keep as read.
constexpr uint8_t kBoxOn = 0x80;
constexpr uint8_t kMotionTrigger = 0x80;

template <size_t N> int IndexOf(const int (&ids)[N], int id)
{
    const auto* found = std::find(std::begin(ids), std::end(ids), id);
    return found == std::end(ids) ? -1 : int(found - std::begin(ids));
}

// A grid column's options as the grid takes them.
class Options
{
public:
    void Add(const CString& text) { m_Texts.emplace_back(static_cast<LPCTSTR>(text)); }
    void Give(CGridCtrl& grid, int col) const
    {
        std::vector<const char*> items;
        for (const std::string& text : m_Texts)
            items.push_back(text.c_str());
        grid.SetColumnOptions(col, items.data(), int(items.size()));
    }
    // The position of a text; 0 for one that is not an option.
    int Find(const CString& text) const
    {
        for (size_t i = 0; i < m_Texts.size(); ++i) {
            if (m_Texts[i] == static_cast<LPCTSTR>(text))
                return int(i);
        }
        return 0;
    }

private:
    std::vector<std::string> m_Texts;
};

CString QualityDigit(int quality)
{
    CString text;
    text.Format("%d", ClampQuality(quality));
    return text;
}

// The options of the recording grid's three kinds of column.
struct RecordOptions {
    explicit RecordOptions(bool b30Frames)
    {
        for (int i = 0; i < MODE_RATE_COUNT; ++i)
            rates.Add(RateText(RATES_MODE, i, b30Frames));
        for (int i = 0; i < RESOLUTION_COUNT; ++i)
            resolutions.Add(ResolutionName(i));
        for (int i = 0; i < QUALITY_COUNT; ++i)
            qualities.Add(QualityDigit(i));
    }
    Options rates, resolutions, qualities;
};

} // namespace

CChannelScheduleDlg::CChannelScheduleDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

void CChannelScheduleDlg::SetChannelSchedule(
    int nChannel, BYTE b30Frames, BYTE bRotate, BYTE bExtended, tagChannelSchedule schedule)
{
    m_nChannel = nChannel;
    m_b30Frames = b30Frames;
    m_bRotate = bRotate;
    m_bExtended = bExtended;
    m_Schedule = schedule;
}

void CChannelScheduleDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode)
        DDX_Control(pDX, kArea[mode], m_Area[mode]);
}

int CChannelScheduleDlg::CreateRecordGrid()
{
    CGridCtrl& grid = m_RecordGrid;
    grid.Create(
        CRect(0, 0, 580, 100), this, IDC_SCHEDULE_GRID, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    grid.SetRowCount(SCHEDULE_MODE_COUNT + 1);
    grid.SetColumnCount(kRecordColumns);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    SetModeRowHeadings(grid);
    for (int c = COL_RATE; c < kRecordColumns; ++c) {
        CString heading;
        heading.LoadString(IDS_COLUMN_FRAME_RATE + c - 1);
        SetModeGridHeading(grid, 0, c, heading);
        grid.SetColumnWidth(c, 87);
    }
    grid.SetColumnWidth(0, 60);

    RecordOptions options(m_b30Frames);
    for (int c : { COL_RATE, COL_EVENT_RATE })
        options.rates.Give(grid, c);
    for (int c : { COL_RESOLUTION, COL_EVENT_RESOLUTION })
        options.resolutions.Give(grid, c);
    for (int c : { COL_QUALITY, COL_EVENT_QUALITY })
        options.qualities.Give(grid, c);
    return FitModeGrid(grid, 22, 52);
}

int CChannelScheduleDlg::CreateTriggerGrid(int top)
{
    CGridCtrl& grid = m_TriggerGrid;
    grid.Create(
        CRect(0, 0, 580, 100), this, IDC_SCHEDULE_GRID, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    CreateCheckMarkImages(m_Images);
    PrepareCheckMarkGrid(grid, &m_Images);
    const int columns = m_bExtended ? 22 : 6;
    grid.SetRowCount(SCHEDULE_MODE_COUNT + 1);
    grid.SetColumnCount(columns);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    SetModeRowHeadings(grid);
    SetModeGridHeading(grid, 0, kMotionColumn, "MD");
    for (int c = kFirstSensorColumn; c < columns; ++c) {
        CString heading;
        heading.Format("S%d", c - 1);
        SetModeGridHeading(grid, 0, c, heading);
    }
    grid.SetColumnWidth(0, 60);
    for (int c = 1; c < columns; ++c)
        grid.SetColumnWidth(c, m_bExtended ? 30 : 104);
    return FitModeGrid(grid, 22, top);
}

void CChannelScheduleDlg::ShowBox(int mode)
{
    const tagScheduleEntry& settings = m_Schedule.row[mode];
    const RECT shown
        = QualityBoxToArea(RECT { settings.boxLeft, settings.boxTop, settings.boxRight, settings.boxBottom },
            m_b30Frames, m_bRotate);
    CAreaPreviewStatic& area = m_Area[mode];
    area.m_nMode = settings.normalFlags & 0x0F;
    area.m_bShowArea = true;
    area.m_nX1 = shown.left;
    area.m_nY1 = shown.top;
    area.m_nX2 = shown.right;
    area.m_nY2 = shown.bottom;
    area.EnableWindow(TRUE);
    area.Refresh();
}

void CChannelScheduleDlg::FillMode(int mode)
{
    const tagScheduleEntry& settings = m_Schedule.row[mode];
    const int row = mode + 1;
    CGridCtrl& record = m_RecordGrid;
    record.SetItemText(row, COL_RATE,
        RateText(RATES_MODE, RateIndex(RATES_MODE, settings.normalRate, m_b30Frames), m_b30Frames));
    record.SetItemText(row, COL_RESOLUTION, ResolutionName(settings.normalResolution));
    record.SetItemText(row, COL_QUALITY, QualityDigit(settings.normalQuality));
    record.SetItemText(row, COL_EVENT_RATE,
        RateText(RATES_MODE, RateIndex(RATES_MODE, settings.alarmRate, m_b30Frames), m_b30Frames));
    record.SetItemText(row, COL_EVENT_RESOLUTION, ResolutionName(settings.alarmResolution));
    record.SetItemText(row, COL_EVENT_QUALITY, QualityDigit(settings.alarmQuality));

    CGridCtrl& triggers = m_TriggerGrid;
    triggers.SetItemImage(
        row, kMotionColumn, settings.triggers & kMotionTrigger ? CHECK_TICKED : CHECK_CLEAR);
    for (int c = kFirstSensorColumn; c < triggers.GetColumnCount(); ++c) {
        const int sensor = c - kFirstSensorColumn;
        const bool on = sensor < kByteSensors ? (settings.triggers >> sensor) & 1
                                              : (settings.reserved >> (sensor - kByteSensors)) & 1;
        triggers.SetItemImage(row, c, on ? CHECK_TICKED : CHECK_CLEAR);
    }
    CheckDlgButton(kBoxCheck[mode], settings.normalFlags & kBoxOn ? BST_CHECKED : BST_UNCHECKED);
    ShowBox(mode);
}

BOOL CChannelScheduleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int e1 = CreateRecordGrid();
    const int e2 = CreateTriggerGrid(e1 + 170);
    const int e = e1 + e2;
    PlaceControls(this,
        { { IDC_CHSCHED_IMAGE_GROUP, 11, 11, 612, e1 + 132 },
            { IDC_CHSCHED_TRIGGER_GROUP, 11, e1 + 148, 612, e2 + 114 },
            { IDC_CHSCHED_BOX_GROUP, 11, e + 267, 612, 73 }, { IDC_CHSCHED_BOX_HOME, 95, e + 297, 60, 13 },
            { IDC_CHSCHED_BOX_NIGHT, 260, e + 297, 60, 13 }, { IDC_CHSCHED_BOX_OUTING, 426, e + 297, 60, 13 },
            { IDC_SCHEDULE_AREA1, 165, e + 284, 65, 41 }, { IDC_SCHEDULE_AREA2, 327, e + 284, 65, 41 },
            { IDC_SCHEDULE_AREA3, 494, e + 284, 65, 41 }, { IDOK, 467, e + 380, 75, 26 },
            { IDCANCEL, 548, e + 380, 75, 26 } });
    if (e) {
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + e, SWP_NOMOVE | SWP_NOZORDER);
    }
    CString caption;
    caption.LoadString(IDS_CHANNEL1 + std::clamp(m_nChannel, 1, 4) - 1);
    SetWindowText(caption);
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode)
        FillMode(mode);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CChannelScheduleDlg::EnableOk()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CChannelScheduleDlg::OnQualityBox(int mode)
{
    tagScheduleEntry& settings = m_Schedule.row[mode];
    CQualityBoxDlg3 box(this);
    box.m_bNtsc = m_b30Frames;
    box.m_bRotate = m_bRotate;
    box.m_nMode = mode;
    box.m_nChannel = 1;
    box.m_rcArea = RECT { settings.boxLeft, settings.boxTop, settings.boxRight, settings.boxBottom };
    box.m_nQuality = int(settings.normalFlags & 0x0F) - 1;
    if (box.DoModal() == IDOK) {
        auto word = [](LONG v) { return uint16_t(std::clamp<LONG>(v, 0, 0xFFFF)); };
        settings.boxLeft = word(box.m_rcArea.left);
        settings.boxTop = word(box.m_rcArea.top);
        settings.boxRight = word(box.m_rcArea.right);
        settings.boxBottom = word(box.m_rcArea.bottom);
        settings.normalFlags = uint8_t((settings.normalFlags & 0xF0) | ((box.m_nQuality + 1) & 0x0F));
        EnableOk();
    }
    ShowBox(mode);
}

BOOL CChannelScheduleDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        if (IndexOf(kBoxCheck, id) >= 0)
            EnableOk();
        const int mode = IndexOf(kArea, id);
        if (mode >= 0) {
            OnQualityBox(mode);
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CChannelScheduleDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (item && item->hdr.code == GVN_BEGINLABELEDIT && item->hdr.idFrom == IDC_SCHEDULE_GRID) {
        EnableOk();
        if (item->hdr.hwndFrom == m_RecordGrid.GetSafeHwnd()) {
            // The column's list opens.
            *pResult = 0;
        } else {
            if (item->iRow > 0 && item->iColumn > 0)
                ToggleCheckMark(m_TriggerGrid, item->iRow, item->iColumn);
            *pResult = 1;
        }
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CChannelScheduleDlg::OnOK()
{
    const RecordOptions options(m_b30Frames);
    const Options& rates = options.rates;
    const Options& resolutions = options.resolutions;
    const Options& qualities = options.qualities;
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        tagScheduleEntry& settings = m_Schedule.row[mode];
        const int row = mode + 1;
        const CGridCtrl& record = m_RecordGrid;
        // A text that is not an option stands for the first.
        settings.normalRate
            = RateCode(RATES_MODE, rates.Find(record.GetItemText(row, COL_RATE)), m_b30Frames);
        settings.normalResolution = uint8_t(resolutions.Find(record.GetItemText(row, COL_RESOLUTION)));
        settings.normalQuality = uint8_t(qualities.Find(record.GetItemText(row, COL_QUALITY)));
        settings.alarmRate
            = RateCode(RATES_MODE, rates.Find(record.GetItemText(row, COL_EVENT_RATE)), m_b30Frames);
        settings.alarmResolution = uint8_t(resolutions.Find(record.GetItemText(row, COL_EVENT_RESOLUTION)));
        settings.alarmQuality = uint8_t(qualities.Find(record.GetItemText(row, COL_EVENT_QUALITY)));

        const CGridCtrl& triggers = m_TriggerGrid;
        settings.triggers = IsCheckMarkGranted(triggers, row, kMotionColumn) ? kMotionTrigger : 0;
        if (m_bExtended)
            settings.reserved = 0;
        for (int c = kFirstSensorColumn; c < triggers.GetColumnCount(); ++c) {
            if (!IsCheckMarkGranted(triggers, row, c))
                continue;
            const int sensor = c - kFirstSensorColumn;
            if (sensor < kByteSensors)
                settings.triggers |= uint8_t(1u << sensor);
            else
                settings.reserved |= 1u << (sensor - kByteSensors);
        }
        const bool boxOn = IsDlgButtonChecked(kBoxCheck[mode]) == BST_CHECKED;
        settings.normalFlags = uint8_t((settings.normalFlags & ~kBoxOn) | (boxOn ? kBoxOn : 0));
    }
    EndDialog(IDOK);
}
