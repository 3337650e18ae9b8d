#include "pages/DayPlanDlg.h"

#include "controls/QualityBoxGeometry.h"
#include "dialogs/FrameRates.h"
#include "dialogs/ScheduleTimePickers.h"
#include "pages/QualityBoxDlg.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"

#include <algorithm>
#include <iterator>

namespace
{

// The six lists of a row: normal rate, resolution, quality, then the alarm ones.
const int kLists[][6] = {
    { IDC_SCHEDULE_RATE1, IDC_SCHEDULE_RESOLUTION1, IDC_SCHEDULE_QUALITY1, IDC_SCHEDULE_ALARM_RATE1,
        IDC_SCHEDULE_ALARM_RESOLUTION1, IDC_SCHEDULE_ALARM_QUALITY1 },
    { IDC_SCHEDULE_RATE2, IDC_SCHEDULE_RESOLUTION2, IDC_SCHEDULE_QUALITY2, IDC_SCHEDULE_ALARM_RATE2,
        IDC_SCHEDULE_ALARM_RESOLUTION2, IDC_SCHEDULE_ALARM_QUALITY2 },
    { IDC_SCHEDULE_RATE3, IDC_SCHEDULE_RESOLUTION3, IDC_SCHEDULE_QUALITY3, IDC_SCHEDULE_ALARM_RATE3,
        IDC_SCHEDULE_ALARM_RESOLUTION3, IDC_SCHEDULE_ALARM_QUALITY3 },
    { IDC_SCHEDULE_RATE4, IDC_SCHEDULE_RESOLUTION4, IDC_SCHEDULE_QUALITY4, IDC_SCHEDULE_ALARM_RATE4,
        IDC_SCHEDULE_ALARM_RESOLUTION4, IDC_SCHEDULE_ALARM_QUALITY4 },
    { IDC_SCHEDULE_RATE5, IDC_SCHEDULE_RESOLUTION5, IDC_SCHEDULE_QUALITY5, IDC_SCHEDULE_ALARM_RATE5,
        IDC_SCHEDULE_ALARM_RESOLUTION5, IDC_SCHEDULE_ALARM_QUALITY5 },
};
const int kBox[]
    = { IDC_SCHEDULE_BOX1, IDC_SCHEDULE_BOX2, IDC_SCHEDULE_BOX3, IDC_SCHEDULE_BOX4, IDC_SCHEDULE_BOX5 };
const int kAlarmBox[] = { IDC_SCHEDULE_ALARM_BOX1, IDC_SCHEDULE_ALARM_BOX2, IDC_SCHEDULE_ALARM_BOX3,
    IDC_SCHEDULE_ALARM_BOX4, IDC_SCHEDULE_ALARM_BOX5 };
const int kArea[]
    = { IDC_SCHEDULE_AREA1, IDC_SCHEDULE_AREA2, IDC_SCHEDULE_AREA3, IDC_SCHEDULE_AREA4, IDC_SCHEDULE_AREA5 };
template <size_t N> bool Contains(const int (&ids)[N], int id)
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

int RowOf(const int* ids, int id)
{
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        if (ids[r] == id)
            return r;
    }
    return -1;
}

} // namespace

CDayPlanDlg::CDayPlanDlg(UINT nIDTemplate, CWnd* pParent)
    : CSheetDialog(nIDTemplate, pParent)
{
}

CDayPlanDlg::~CDayPlanDlg() = default;

void CDayPlanDlg::SetConfigView(IConfigPageHost* pView, const BYTE*, const BYTE*)
{
    m_pView = pView;
    // Pickers hold a time of this day; the difference is the seconds after midnight.
    m_Reference = CTime(2000, 1, 1, 0, 0, 0);
}

void CDayPlanDlg::DoDataExchange(CDataExchange* pDX)
{
    CSheetDialog::DoDataExchange(pDX);
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r)
        DDX_Control(pDX, kArea[r], m_Area[r]);
}

void CDayPlanDlg::FillLists()
{
    const bool b30 = m_bNtsc != 0;
    for (const auto& lists : kLists) {
        for (int k = 0; k < 6; ++k) {
            auto* combo = static_cast<CComboBox*>(GetDlgItem(lists[k]));
            if (!combo)
                continue;
            combo->ResetContent();
            switch (k % 3) {
            case 0:
                for (int i = 0; i < DAY_RATE_COUNT; ++i)
                    combo->AddString(RateText(RATES_DAY, i, b30));
                break;
            case 1:
                for (int i = 0; i < RESOLUTION_COUNT; ++i)
                    combo->AddString(ResolutionName(i));
                break;
            default:
                for (int i = 0; i < QUALITY_COUNT; ++i)
                    combo->AddString(QualityText(i));
                break;
            }
        }
    }
}

void CDayPlanDlg::EnableTriggers(int row)
{
    for (const TriggerColumn& column : m_Triggers) {
        if (CWnd* box = GetDlgItem(column.ids[row]))
            box->EnableWindow(IsTriggerAvailable(column));
    }
}

void CDayPlanDlg::EnableRow(int row, bool enable)
{
    if (CWnd* end = GetDlgItem(kScheduleEndIds[row]))
        end->EnableWindow(enable);
    for (int id : kLists[row]) {
        if (CWnd* list = GetDlgItem(id))
            list->EnableWindow(enable);
    }
    for (int id : { kBox[row], kAlarmBox[row], kArea[row] }) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(enable);
    }
}

void CDayPlanDlg::ShowArea(int row, bool shown)
{
    CAreaPreviewStatic& area = m_Area[row];
    if (!area.GetSafeHwnd())
        return;
    const uint32_t* box = m_rcBox[row];
    const RECT shownBox = QualityBoxToArea(
        RECT { LONG(box[0]), LONG(box[1]), LONG(box[2]), LONG(box[3]) }, m_bNtsc != 0, m_bMirrored != 0);
    area.m_nX1 = shownBox.left;
    area.m_nY1 = shownBox.top;
    area.m_nX2 = shownBox.right;
    area.m_nY2 = shownBox.bottom;
    area.m_nMode = int(m_nBoxLevel[row]);
    area.m_bShowArea = shown;
    area.Refresh();
}

void CDayPlanDlg::ClearRow(int row)
{
    for (int k = 0; k < 6; ++k) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kLists[row][k]));
        if (combo)
            combo->SetCurSel(k % 3 == 0 ? NoSaveIndex(RATES_DAY) : 0);
    }
    CheckDlgButton(kBox[row], BST_UNCHECKED);
    CheckDlgButton(kAlarmBox[row], BST_UNCHECKED);
    for (const TriggerColumn& column : m_Triggers) {
        CheckDlgButton(column.ids[row], BST_UNCHECKED);
        if (CWnd* box = GetDlgItem(column.ids[row]))
            box->EnableWindow(FALSE);
    }
    EnableRow(row, false);
    // The row keeps its own box rectangle and level; only the area empties.
    ShowArea(row, false);
}

void CDayPlanDlg::CopyRow(int from, int to)
{
    for (int k = 0; k < 6; ++k) {
        auto* source = static_cast<CComboBox*>(GetDlgItem(kLists[from][k]));
        auto* target = static_cast<CComboBox*>(GetDlgItem(kLists[to][k]));
        if (source && target)
            target->SetCurSel(source->GetCurSel());
    }
    CheckDlgButton(kBox[to], IsDlgButtonChecked(kBox[from]));
    CheckDlgButton(kAlarmBox[to], IsDlgButtonChecked(kAlarmBox[from]));
    for (const TriggerColumn& column : m_Triggers)
        CheckDlgButton(column.ids[to], IsDlgButtonChecked(column.ids[from]));
    std::copy(std::begin(m_rcBox[from]), std::end(m_rcBox[from]), m_rcBox[to]);
    m_nBoxLevel[to] = m_nBoxLevel[from];
    EnableRow(to, true);
    for (const TriggerColumn& column : m_Triggers) {
        CWnd* box = GetDlgItem(column.ids[to]);
        if (!box)
            continue;
        const CWnd* before = GetDlgItem(column.ids[from]);
        box->EnableWindow(
            FollowsPreviousEnabling() && before ? before->IsWindowEnabled() : IsTriggerAvailable(column));
    }
    ShowArea(to, true);
}

void CDayPlanDlg::LoadRow(int row, const tagScheduleEntry& entry)
{
    const bool used = entry.start != 0 || entry.end != 0;
    const bool b30 = m_bNtsc != 0;
    const int positions[6] = { used ? RateIndex(RATES_DAY, entry.normalRate, b30) : NoSaveIndex(RATES_DAY),
        used ? ClampResolution(entry.normalResolution) : 0, used ? ClampQuality(entry.normalQuality) : 0,
        used ? RateIndex(RATES_DAY, entry.alarmRate, b30) : NoSaveIndex(RATES_DAY),
        used ? ClampResolution(entry.alarmResolution) : 0, used ? ClampQuality(entry.alarmQuality) : 0 };
    for (int k = 0; k < 6; ++k) {
        if (auto* combo = static_cast<CComboBox*>(GetDlgItem(kLists[row][k])))
            combo->SetCurSel(positions[k]);
    }
    CheckDlgButton(kBox[row], used && (entry.normalFlags & 0x80) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kAlarmBox[row], used && (entry.alarmFlags & 0x80) ? BST_CHECKED : BST_UNCHECKED);
    for (const TriggerColumn& column : m_Triggers) {
        const bool on = column.kind == TriggerColumn::MOTION_BYTE ? (entry.motionTrigger & column.bit) != 0
                                                                  : (entry.triggers & column.bit) != 0;
        CheckDlgButton(column.ids[row], used && on ? BST_CHECKED : BST_UNCHECKED);
    }
    m_rcBox[row][0] = entry.boxLeft;
    m_rcBox[row][1] = entry.boxTop;
    m_rcBox[row][2] = entry.boxRight;
    m_rcBox[row][3] = entry.boxBottom;
    m_nBoxLevel[row] = used ? LevelOfFlags(entry.normalFlags) : 0;
    ShowArea(row, used);
}

void CDayPlanDlg::StoreRow(int row, tagScheduleEntry* entry) const
{
    const bool b30 = m_bNtsc != 0;
    int positions[6] = {};
    for (int k = 0; k < 6; ++k) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kLists[row][k]));
        positions[k] = combo ? std::max(combo->GetCurSel(), 0) : 0;
    }
    entry->normalRate = RateCode(RATES_DAY, positions[0], b30);
    entry->normalResolution = uint8_t(positions[1]);
    entry->normalQuality = uint8_t(positions[2]);
    entry->alarmRate = RateCode(RATES_DAY, positions[3], b30);
    entry->alarmResolution = uint8_t(positions[4]);
    entry->alarmQuality = uint8_t(positions[5]);
    entry->normalFlags = uint8_t((IsDlgButtonChecked(kBox[row]) ? 0x80 : 0) | FlagsOfLevel(m_nBoxLevel[row]));
    entry->alarmFlags = IsDlgButtonChecked(kAlarmBox[row]) ? 0x80 : 0;
    entry->triggers = 0;
    entry->motionTrigger = 0;
    for (const TriggerColumn& column : m_Triggers) {
        if (!IsDlgButtonChecked(column.ids[row]))
            continue;
        if (column.kind == TriggerColumn::MOTION_BYTE)
            entry->motionTrigger |= column.bit;
        else
            entry->triggers |= column.bit;
    }
    entry->boxLeft = uint16_t(m_rcBox[row][0]);
    entry->boxTop = uint16_t(m_rcBox[row][1]);
    entry->boxRight = uint16_t(m_rcBox[row][2]);
    entry->boxBottom = uint16_t(m_rcBox[row][3]);
}

void CDayPlanDlg::ShowTimes()
{
    ShowScheduleTimes(this, m_Rows, m_Reference);
}

BOOL CDayPlanDlg::OnInitDialog()
{
    CSheetDialog::OnInitDialog();
    m_bLoading = true;
    m_bModified = FALSE;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    ChooseTriggerColumns();
    CString title;
    title.LoadString(TitleString());
    SetWindowText(title);
    FillLists();
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        if (auto* picker = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleStartIds[r]))) {
            picker->SetFormat("H:mm");
            picker->EnableWindow(FALSE);
        }
        if (auto* picker = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleEndIds[r])))
            picker->SetFormat("H:mm");
    }

    tagScheduleEntry rows[SCHEDULE_ROW_COUNT] {};
    if (const tagScheduleEntry* stored = SlotRows())
        std::copy_n(stored, SCHEDULE_ROW_COUNT, rows);
    uint32_t start[SCHEDULE_ROW_COUNT], end[SCHEDULE_ROW_COUNT];
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        start[r] = rows[r].start;
        end[r] = rows[r].end;
    }
    m_Rows.Load(start, end);
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        ClearRow(r);
        LoadRow(r, rows[r]);
        if (m_Rows.Enabled(r)) {
            EnableRow(r, true);
            EnableTriggers(r);
        }
    }
    ShowTimes();
    m_bLoading = false;
    return TRUE;
}

void CDayPlanDlg::MarkModified()
{
    if (m_bLoading)
        return;
    m_bModified = TRUE;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CDayPlanDlg::OnEndChange(int row)
{
    const ScheduleRowRules& rules = Rules();
    if (rules.modifiedOnRefusal)
        MarkModified();
    auto* picker = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleEndIds[row]));
    CTime value;
    if (!picker || picker->GetTime(value) != GDT_VALID)
        return;
    const uint32_t shown = uint32_t(((value - m_Reference).GetTotalSeconds() % 86400 + 86400) % 86400);
    if (row == SCHEDULE_ROW_COUNT - 1) {
        m_Rows.SetLastEnd(shown);
        MarkModified();
        return;
    }
    std::vector<RowEvent> events;
    const EndChange change = m_Rows.ChangeEnd(
        row, shown, rules, [](UINT id) { return AfxMessageBox(id, MB_YESNO | MB_ICONHAND) == IDYES; },
        [](UINT id) { AfxMessageBox(id); }, &events);
    if (change == END_ACCEPTED)
        MarkModified();
    for (const RowEvent& event : events) {
        switch (event.kind) {
        case ROW_CLEARED:
            ClearRow(event.row);
            break;
        case ROW_ENABLED:
        case ROW_MOVED:
            CopyRow(event.from, event.row);
            break;
        }
    }
    ShowTimes();
}

BOOL CDayPlanDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr && hdr->code == DTN_DATETIMECHANGE) {
        const int row = RowOf(kScheduleEndIds, int(hdr->idFrom));
        if (row >= 0)
            OnEndChange(row);
        else
            MarkModified();
        *pResult = 0;
        return TRUE;
    }
    return CSheetDialog::OnNotify(wParam, lParam, pResult);
}

BOOL CDayPlanDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool list = code == CBN_SELCHANGE
        && std::any_of(
            std::begin(kLists), std::end(kLists), [id](const int(&row)[6]) { return Contains(row, id); });
    const bool check
        = code == BN_CLICKED && (Contains(kBox, id) || Contains(kAlarmBox, id) || IsTriggerCheck(id));
    if (list || check)
        MarkModified();
    const int area = RowOf(kArea, id);
    if (code == BN_CLICKED && area >= 0) {
        OnQualityBox(area);
        return TRUE;
    }
    return CSheetDialog::OnCommand(wParam, lParam);
}

void CDayPlanDlg::OnQualityBox(int row)
{
    auto* box = dynamic_cast<CQualityBoxDlg*>(m_pQualityBox);
    if (!box)
        return;
    m_nBoxLevel[row] = OpeningLevel(m_nBoxLevel[row]);
    const uint32_t* rect = m_rcBox[row];
    box->m_rcBox = RECT { LONG(rect[0]), LONG(rect[1]), LONG(rect[2]), LONG(rect[3]) };
    box->m_nPeriod = row;
    box->m_nQuality = int(m_nBoxLevel[row]) - 1;
    // The camera of the plan: the slot's low byte.
    box->m_nChannel = int(m_nSlot & 0xFF);
    if (box->DoModal() == IDOK) {
        const LONG sides[4]
            = { box->m_rcBox.left, box->m_rcBox.top, box->m_rcBox.right, box->m_rcBox.bottom };
        for (int k = 0; k < 4; ++k)
            m_rcBox[row][k] = uint32_t(std::max<LONG>(sides[k], 0));
        m_nBoxLevel[row] = uint32_t(std::max(box->m_nQuality + 1, 0));
        MarkModified();
    }
    ShowArea(row, m_Area[row].m_bShowArea);
}

void CDayPlanDlg::OnOK()
{
    const int misordered = m_Rows.FirstMisorderedRow();
    if (misordered > 0) {
        AfxMessageBox(MisorderedRowMessage(misordered));
        if (CWnd* end = GetDlgItem(kScheduleEndIds[misordered]))
            end->SetFocus();
        return;
    }
    tagScheduleEntry* rows = SlotRows();
    if (!m_bModified || !rows) {
        EndDialog(IDOK);
        return;
    }
    uint32_t start[SCHEDULE_ROW_COUNT], end[SCHEDULE_ROW_COUNT];
    m_Rows.Collect(start, end);
    for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
        StoreRow(r, &rows[r]);
        rows[r].start = start[r];
        rows[r].end = end[r];
    }
    MarkSlotChanged();
    AfterStore(rows);
    EndDialog(IDOK);
}

void CDayPlanDlg::OnCancel()
{
    m_bModified = FALSE;
    CSheetDialog::OnCancel();
}

bool CDayPlanDlg::IsTriggerCheck(int id) const
{
    return std::any_of(
        m_Triggers.begin(), m_Triggers.end(), [id](const TriggerColumn& c) { return RowOf(c.ids, id) >= 0; });
}

void CDayPlanDlg::ShowTriggerColumns(const int* const* all, int count)
{
    for (int k = 0; k < count; ++k) {
        const int* ids = all[k];
        const bool used = std::any_of(
            m_Triggers.begin(), m_Triggers.end(), [ids](const TriggerColumn& c) { return c.ids == ids; });
        for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
            if (CWnd* box = GetDlgItem(ids[r]))
                box->ShowWindow(used ? SW_SHOW : SW_HIDE);
        }
    }
}
