#include "dialogs/RelayModeDlg.h"

#include "controls/CheckMarkGrid.h"
#include "controls/ControlPlacement.h"

namespace
{

constexpr int kRelayCount = 4;
constexpr int kManualColumn = 1;
constexpr int kFirstMotionColumn = 2; // MD1 to MD4
constexpr int kFirstSensorColumn = 6; // S1 on
constexpr uint32_t kManualBit = 0x80000000;
constexpr int kFirstMotionBit = 20;

} // namespace

CRelayModeDlg::CRelayModeDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

void CRelayModeDlg::SetRelaySchedule(BYTE bWide, const tagRelayTable* pTable)
{
    m_bWide = bWide;
    m_RelaySchedule = *pTable;
}

void CRelayModeDlg::CreateGrid(int mode)
{
    CGridCtrl& grid = m_Grid[mode];
    grid.Create(
        CRect(0, 0, 580, 100), this, IDC_SCHEDULE_GRID, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(grid, &m_Images);
    const int columns = ColumnCount();
    grid.SetRowCount(kRelayCount + 1);
    grid.SetColumnCount(columns);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);

    CString relay, text;
    relay.LoadString(IDS_RELAY_ROW);
    for (int r = 1; r <= kRelayCount; ++r) {
        text.Format("%s%d", static_cast<LPCTSTR>(relay), r);
        SetModeGridHeading(grid, r, 0, text);
    }
    text.LoadString(IDS_NAME_MANUAL);
    SetModeGridHeading(grid, 0, kManualColumn, text);
    for (int c = kFirstMotionColumn; c < columns; ++c) {
        if (c < kFirstSensorColumn)
            text.Format("MD%d", c - 1);
        else
            text.Format("S%d", c - 5);
        SetModeGridHeading(grid, 0, c, text);
    }
    for (int c = 0; c < columns; ++c)
        grid.SetColumnWidth(c, m_bWide ? (c == kManualColumn ? 50 : 30) : 58);

    // The relay's mask: Manual, then motion of cameras 1 to 4, then the sensors.
    const int sensors = columns - kFirstSensorColumn;
    for (int r = 0; r < kRelayCount; ++r) {
        const uint32_t mask = ModeMask(m_RelaySchedule, mode, r);
        const bool manual = mask & kManualBit;
        grid.SetItemImage(r + 1, kManualColumn, manual ? CHECK_TICKED : CHECK_CLEAR);
        for (int m = 0; m < 4; ++m)
            grid.SetItemImage(
                r + 1, kFirstMotionColumn + m, CheckMarkFor((mask >> (kFirstMotionBit + m)) & 1, !manual));
        for (int s = 0; s < sensors; ++s)
            grid.SetItemImage(r + 1, kFirstSensorColumn + s, CheckMarkFor((mask >> s) & 1, !manual));
    }
}

BOOL CRelayModeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateCheckMarkImages(m_Images);
    int extra = 0;
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        CreateGrid(mode);
        extra = FitModeGrid(m_Grid[mode], 22, 30);
    }
    // The grids one under the other, each in its group.
    CRect size;
    m_Grid[0].GetWindowRect(&size);
    for (int mode = 1; mode < SCHEDULE_MODE_COUNT; ++mode)
        m_Grid[mode].MoveWindow(22, 30 + mode * (size.Height() + 39), size.Width(), size.Height());
    const int e = extra;
    PlaceControls(this,
        { { IDC_RELAY_MODE_HOME, 11, 11, 612, e + 128 }, { IDC_RELAY_MODE_NIGHT, 11, e + 145, 612, e + 128 },
            { IDC_RELAY_MODE_OUTING, 11, 2 * e + 278, 612, e + 128 }, { IDOK, 467, 3 * e + 421, 75, 26 },
            { IDCANCEL, 548, 3 * e + 421, 75, 26 } });
    if (e) {
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + 3 * e, SWP_NOMOVE | SWP_NOZORDER);
    }
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CRelayModeDlg::OnCellClick(CGridCtrl& grid, int row, int col)
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
    if (row < 1 || col < kManualColumn || !ToggleCheckMark(grid, row, col) || col != kManualColumn)
        return;
    const bool manual = grid.GetItemImage(row, col) == CHECK_TICKED;
    for (int c = kFirstMotionColumn; c < grid.GetColumnCount(); ++c)
        SetCheckMarkAvailable(grid, row, c, !manual);
}

BOOL CRelayModeDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (item && item->hdr.code == GVN_BEGINLABELEDIT && item->hdr.idFrom == IDC_SCHEDULE_GRID) {
        CGridCtrl* grid = &m_Grid[0];
        for (CGridCtrl& g : m_Grid) {
            if (g.GetSafeHwnd() == item->hdr.hwndFrom)
                grid = &g;
        }
        OnCellClick(*grid, item->iRow, item->iColumn);
        // No editor opens on a check cell.
        *pResult = 1;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

void CRelayModeDlg::OnOK()
{
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        const CGridCtrl& grid = m_Grid[mode];
        const int sensors = grid.GetColumnCount() - kFirstSensorColumn;
        for (int r = 0; r < kRelayCount; ++r) {
            // A locked cell keeps its tick in the mask.
            uint32_t mask = grid.GetItemImage(r + 1, kManualColumn) == CHECK_TICKED ? kManualBit : 0;
            for (int m = 0; m < 4; ++m) {
                if (IsCheckMarkGranted(grid, r + 1, kFirstMotionColumn + m))
                    mask |= 1u << (kFirstMotionBit + m);
            }
            for (int s = 0; s < sensors; ++s) {
                if (IsCheckMarkGranted(grid, r + 1, kFirstSensorColumn + s))
                    mask |= 1u << s;
            }
            ModeMask(m_RelaySchedule, mode, r) = mask;
        }
    }
    EndDialog(IDOK);
}
