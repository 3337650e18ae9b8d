#include "pages/Page8ScheduleDvrSorvak.h"

#include "controls/ControlPlacement.h"
#include "link/CameraBlocks.h"
#include "platform/ui/Controls.h"

#include <iterator>

namespace
{

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kColumns = 7; // the camera, then rate and quality of normal, input and motion
constexpr int kRecordingTime = 7; // entry bytes
constexpr int kPreEvent = 6;

const char* const kRates25[] = { "0 /s", "1/10 /s", "1/5 /s", "1/2 /s", "1 /s", "2 /s", "3 /s", "4 /s",
    "5 /s", "6 /s", "8 /s", "12.5 /s", "25 /s" };
const char* const kRates30[] = { "0 /s", "1/10 /s", "1/5 /s", "1/2 /s", "1 /s", "2 /s", "3 /s", "4 /s",
    "5 /s", "6 /s", "7.5 /s", "10 /s", "15 /s", "30 /s" };
const UINT kQualityNames[] = { IDS_QUALITY_STANDARD, IDS_QUALITY_MEDIUM, IDS_QUALITY_HIGH };

const ControlPlace kPlaces[] = {
    { IDC_SORVAK_GROUP, 14, 5, 515, 268 },
    { IDC_SORVAK_TAB, 30, 26, 483, 229 },
    { IDC_SORVAK_NORMAL_LABEL, 74, 62, 141, 15 },
    { IDC_SORVAK_INPUT_LABEL, 215, 62, 141, 15 },
    { IDC_SORVAK_MOTION_LABEL, 356, 62, 141, 15 },
    { IDC_SORVAK_TIME_LABEL, 45, 199, 150, 15 },
    { IDC_SORVAK_TIME, 200, 195, 100, 200 },
    { IDC_SORVAK_PRE_LABEL, 45, 229, 150, 15 },
    { IDC_SORVAK_PRE, 200, 225, 100, 200 },
};

std::vector<CString> Qualities()
{
    std::vector<CString> names;
    for (UINT id : kQualityNames) {
        CString name;
        name.LoadString(id);
        names.push_back(name);
    }
    return names;
}

// Entry byte of a grid column: normal, input, motion rate; their qualities.
int ByteOfColumn(int column)
{
    const int source = (column - 1) / 2;
    return column % 2 == 1 ? source : 3 + source;
}

} // namespace

int RecordRateCount(bool b25Frames)
{
    return b25Frames ? int(std::size(kRates25)) : int(std::size(kRates30));
}

const char* RecordRate(bool b25Frames, int index)
{
    if (index < 0 || index >= RecordRateCount(b25Frames))
        return "";
    return b25Frames ? kRates25[index] : kRates30[index];
}

BEGIN_MESSAGE_MAP(CPage8ScheduleDvrSorvak, CConfigPage)
ON_NOTIFY(TCN_SELCHANGE, IDC_SORVAK_TAB, OnTabChange)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SORVAK_GRID, OnGridBeginEdit)
ON_NOTIFY(GVN_ENDLABELEDIT, IDC_SORVAK_GRID, OnGridEndEdit)
ON_CBN_SELCHANGE(IDC_SORVAK_TIME, OnTimeChosen)
ON_CBN_SELCHANGE(IDC_SORVAK_PRE, OnTimeChosen)
END_MESSAGE_MAP()

CPage8ScheduleDvrSorvak::CPage8ScheduleDvrSorvak()
    : CConfigPage(IDD_PAGE8_SCHEDULE_DVR_SORVAK, SLOT_ScheduleDvrSorvak)
{
    // Every camera read goes back on each apply.
    DeclareGroups(kCameras);
    SetWriteAllGroups(TRUE);
}

BOOL CPage8ScheduleDvrSorvak::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    PlaceControls(this, kPlaces);
    m_Grid.Create(CRect(40, 84, 40 + 457, 84 + 97), this, IDC_SORVAK_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    m_Grid.SetRowCount(1 + kCameras);
    m_Grid.SetColumnCount(kColumns);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    m_Grid.SetSortOnClick(FALSE);
    m_Grid.SetDragAndDrop(FALSE);
    m_Grid.SetItemText(0, 0, "CH");
    CString ips, quality;
    ips.LoadString(IDS_IPS_COLUMN);
    quality.LoadString(IDS_QUALITY);
    for (int c = 0; c < kColumns; ++c) {
        if (c > 0)
            m_Grid.SetItemText(0, c, c % 2 == 1 ? ips : quality);
        m_Grid.SetColumnWidth(c, c == 0 ? 35 : 70);
        for (int r = 0; r <= kCameras; ++r)
            m_Grid.SetItemFormat(r, c, kCentred);
    }
    for (int r = 1; r <= kCameras; ++r) {
        CString number;
        number.Format("%d", r);
        m_Grid.SetItemText(r, 0, number);
        m_Grid.SetRowHeight(r, 19);
    }
    static const std::vector<CString> names = Qualities();
    static const char* choices[3] = { names[0], names[1], names[2] };
    for (int c = 2; c < kColumns; c += 2)
        m_Grid.SetColumnOptions(c, choices, 3);
    // Times in seconds by list index: "Off", "Follows", then the numbers.
    for (int id : { IDC_SORVAK_TIME, IDC_SORVAK_PRE }) {
        auto* list = static_cast<CComboBox*>(GetDlgItem(id));
        CString off, follows;
        off.LoadString(IDS_RELAY_OFF);
        follows.LoadString(IDS_RELAY_FOLLOWS);
        list->AddString(off);
        list->AddString(follows);
        const int last = id == IDC_SORVAK_TIME ? 120 : 60;
        for (int s = 1; s <= last; s += s < 20 ? 1 : s < 60 ? 5 : 10) {
            CString text;
            text.Format("%d", s);
            list->AddString(text);
        }
    }
    m_Periods.Attach(this, IDC_SORVAK_TAB);
    return TRUE;
}

void CPage8ScheduleDvrSorvak::ReadSettings()
{
    for (int c = 0; c < kCameras; ++c) {
        CFG_CAMERA camera;
        if (ReadBlock(GET_CAMERA, &camera, { uint8_t(c) }))
            m_b25Frames[c] = (camera.wFlags & 0x0040) != 0;
    }
    // A camera whose plan cannot be read keeps what the page held.
    for (int c = 0; c < kCameras; ++c) {
        CFG_RECORD_PLAN plan;
        const BOOL read = ReadBlock(GET_RECORD_PLAN, &plan, { uint8_t(c) });
        if (read)
            m_Plans[c] = plan;
        MarkGroupRead(c, read);
    }
}

void CPage8ScheduleDvrSorvak::ShowSettings()
{
    m_Periods.Reset();
    ShowPeriod(0);
}

void CPage8ScheduleDvrSorvak::ShowPeriod(int period)
{
    static const std::vector<CString> names = Qualities();
    for (int r = 1; r <= kCameras; ++r) {
        const uint8_t* entry = m_Plans[r - 1].byPeriods[period];
        for (int c = 1; c < kColumns; ++c) {
            const int value = entry[ByteOfColumn(c)];
            CString text = c % 2 == 1 ? CString(RecordRate(m_b25Frames[r - 1], value))
                                      : (value < int(names.size()) ? names[size_t(value)] : CString());
            m_Grid.SetItemText(r, c, text);
        }
    }
    m_Grid.Invalidate();
    const uint8_t* first = m_Plans[0].byPeriods[period];
    static_cast<CComboBox*>(GetDlgItem(IDC_SORVAK_TIME))->SetCurSel(first[kRecordingTime]);
    static_cast<CComboBox*>(GetDlgItem(IDC_SORVAK_PRE))->SetCurSel(first[kPreEvent]);
}

void CPage8ScheduleDvrSorvak::TakePeriod(int period)
{
    static const std::vector<CString> names = Qualities();
    const int time = static_cast<CComboBox*>(GetDlgItem(IDC_SORVAK_TIME))->GetCurSel();
    const int pre = static_cast<CComboBox*>(GetDlgItem(IDC_SORVAK_PRE))->GetCurSel();
    for (int r = 1; r <= kCameras; ++r) {
        uint8_t* entry = m_Plans[r - 1].byPeriods[period];
        for (int c = 1; c < kColumns; ++c) {
            const CString text = m_Grid.GetItemText(r, c);
            int value = 0; // a text not in its list
            if (c % 2 == 1) {
                for (int i = 0; i < RecordRateCount(m_b25Frames[r - 1]); ++i) {
                    if (text == RecordRate(m_b25Frames[r - 1], i))
                        value = i;
                }
            } else {
                for (size_t i = 0; i < names.size(); ++i) {
                    if (text == names[i])
                        value = int(i);
                }
            }
            entry[ByteOfColumn(c)] = uint8_t(value);
        }
        // The times of a period are the same for every camera.
        if (time >= 0)
            entry[kRecordingTime] = uint8_t(time);
        if (pre >= 0)
            entry[kPreEvent] = uint8_t(pre);
    }
}

void CPage8ScheduleDvrSorvak::OnTabChange(NMHDR*, LRESULT* pResult)
{
    m_Periods.OnSelChange(
        [this](int period) { TakePeriod(period); }, [this](int period) { ShowPeriod(period); });
    *pResult = 0;
}

void CPage8ScheduleDvrSorvak::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    *pResult = 0;
    if (item->iRow < 1 || item->iRow > kCameras || item->iColumn % 2 != 1)
        return;
    // A rate cell offers the rates of its row's camera.
    const bool b25 = m_b25Frames[item->iRow - 1];
    const char* rates[14];
    for (int i = 0; i < RecordRateCount(b25); ++i)
        rates[i] = RecordRate(b25, i);
    m_Grid.SetColumnOptions(item->iColumn, rates, RecordRateCount(b25));
}

void CPage8ScheduleDvrSorvak::OnGridEndEdit(NMHDR*, LRESULT* pResult)
{
    m_Periods.MarkEdited();
    SetPageModified(TRUE);
    *pResult = 0;
}

void CPage8ScheduleDvrSorvak::OnTimeChosen()
{
    m_Periods.MarkEdited();
    SetPageModified(TRUE);
}

BOOL CPage8ScheduleDvrSorvak::ValidateSettings()
{
    m_Periods.TakeEdited([this](int period) { TakePeriod(period); });
    return TRUE;
}

ConfigResult CPage8ScheduleDvrSorvak::WriteGroup(int group)
{
    CFG_RECORD_PLAN_SET set {};
    set.byCamera = uint8_t(group);
    set.plan = m_Plans[group];
    return WriteBlock(SET_RECORD_PLAN, set);
}
