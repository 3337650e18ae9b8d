#include "pages/Page12DioDVR.h"

#include "controls/CheckMarkGrid.h"
#include "dialogs/GridFit.h"
#include "link/CurrentDevice.h"

namespace
{

constexpr int kRelayRows = 4;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

bool IsSixteenChannel(int modelClass)
{
    return modelClass == 2 || modelClass == 3;
}

} // namespace

int RelaySourceColumns(int modelClass)
{
    return IsSixteenChannel(modelClass) ? 32 : modelClass == 1 ? 12 : 8;
}

RelaySourceBit RelaySourceOf(int modelClass, int column)
{
    const int columns = RelaySourceColumns(modelClass);
    if (column < 1 || column > columns)
        return {};
    if (IsSixteenChannel(modelClass)) {
        // MD1 to MD16 in the second block, S1 to S16 in the first.
        return column <= 16 ? RelaySourceBit { true, uint16_t(0x8000u >> (column - 1)) }
                            : RelaySourceBit { false, uint16_t(0x8000u >> (column - 17)) };
    }
    if (column <= 4)
        return { false, uint16_t(0x4000u >> (column - 1)) };
    const int motion = modelClass == 1 ? 8 : 4;
    if (column <= motion)
        return { false, uint16_t(0x0040u >> (column - 5)) };
    return { false, uint16_t(0x0400u >> (column - motion - 1)) };
}

BEGIN_MESSAGE_MAP(CPage12DioDVR, CConfigPage)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_RELAY_GRID, OnGridBeginEdit)
ON_BN_CLICKED(IDC_SPECIAL_TIME_OFF, OnSpecialTimeClicked)
ON_NOTIFY(TCN_SELCHANGE, IDC_PERIOD_TAB, OnTabChange)
END_MESSAGE_MAP()

CPage12DioDVR::CPage12DioDVR()
    : CConfigPage(IDD_PAGE12_DIO_DVR, SLOT_DioDVR)
{
}

BOOL CPage12DioDVR::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_nModelClass = g_nRecorderModel;
    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(55, 80, 55 + 300, 80 + 120), this, IDC_RELAY_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);
    const int columns = RelaySourceColumns(m_nModelClass);
    m_Grid.SetRowCount(1 + kRelayRows);
    m_Grid.SetColumnCount(1 + columns);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    const int motion = IsSixteenChannel(m_nModelClass) ? 16 : m_nModelClass == 1 ? 8 : 4;
    for (int c = 1; c <= columns; ++c) {
        CString title;
        if (c <= motion)
            title.Format("MD%d", c);
        else
            title.Format("S%d", c - motion);
        m_Grid.SetItemText(0, c, title);
        m_Grid.SetItemFormat(0, c, kCentred);
    }
    CString relay;
    relay.LoadString(IDS_RELAY_ROW);
    for (int r = 1; r <= kRelayRows; ++r) {
        CString title;
        title.Format("%s%d", static_cast<LPCTSTR>(relay), r);
        m_Grid.SetItemText(r, 0, title);
    }
    m_Grid.AutoSizeColumns();
    if (!IsSixteenChannel(m_nModelClass)) {
        for (int c = motion + 1; c <= columns; ++c)
            m_Grid.SetColumnWidth(c, 35);
    }
    const CSize size = FitGridToContent(m_Grid, 55, 80);
    if (CWnd* tab = GetDlgItem(IDC_PERIOD_TAB))
        tab->MoveWindow(33, 36, 480, size.cy + 90);
    if (CWnd* group = GetDlgItem(IDC_RELAY_GROUP))
        group->MoveWindow(14, 11, 515, size.cy + 130);
    if (CWnd* check = GetDlgItem(IDC_SPECIAL_TIME_OFF))
        check->MoveWindow(55, size.cy + 90, 200, 21);
    m_Periods.Attach(this, IDC_PERIOD_TAB);
    return TRUE;
}

void CPage12DioDVR::ReadSettings()
{
    // A mapping that could not be read shows clear: nothing of it is
    // written unless the user sets it up anew.
    const BOOL read = ReadBlock(GET_RELAY_MAPPING, &m_Mapping);
    if (!read)
        m_Mapping = {};
    MarkGroupRead(0, read);
}

void CPage12DioDVR::ShowSettings()
{
    m_Periods.Reset();
    ShowPeriod(0);
}

void CPage12DioDVR::ShowPeriod(int period)
{
    const int columns = m_Grid.GetColumnCount() - 1;
    for (int r = 1; r <= kRelayRows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const RelaySourceBit source = RelaySourceOf(m_nModelClass, c);
            const RELAY_PERIOD& entry = source.second ? m_Mapping.second[period] : m_Mapping.first[period];
            SetCheckMark(m_Grid, r, c, (entry.wRelays[r - 1] & source.bit) != 0, true);
        }
    }
    CheckDlgButton(
        IDC_SPECIAL_TIME_OFF, (m_Mapping.first[period].byFlags & 0x80) ? BST_UNCHECKED : BST_CHECKED);
}

void CPage12DioDVR::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    bool changed = false;
    *pResult = AnswerCheckMarkEdit(m_Grid, pNMHDR, &changed);
    if (!changed)
        return;
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    const RelaySourceBit source = RelaySourceOf(m_nModelClass, item->iColumn);
    if (item->iRow < 1 || item->iRow > kRelayRows || !source.bit)
        return;
    const int period = m_Periods.Current();
    RELAY_PERIOD& entry = source.second ? m_Mapping.second[period] : m_Mapping.first[period];
    uint16_t& mask = entry.wRelays[item->iRow - 1];
    if (IsCheckMarkGranted(m_Grid, item->iRow, item->iColumn))
        mask = uint16_t(mask | source.bit);
    else
        mask = uint16_t(mask & ~source.bit);
    SetPageModified(TRUE);
}

void CPage12DioDVR::OnSpecialTimeClicked()
{
    // The switch stands for the whole flags byte.
    m_Mapping.first[m_Periods.Current()].byFlags = IsDlgButtonChecked(IDC_SPECIAL_TIME_OFF) ? 0 : 0x80;
    SetPageModified(TRUE);
}

void CPage12DioDVR::OnTabChange(NMHDR*, LRESULT* pResult)
{
    // Every edit already went into the mapping.
    m_Periods.OnSelChange([](int) {}, [this](int period) { ShowPeriod(period); });
    *pResult = 0;
}

ConfigResult CPage12DioDVR::WriteGroup(int)
{
    return WriteBlock(IsSixteenChannel(m_nModelClass) ? SET_RELAY_MAPPING_16 : SET_RELAY_MAPPING, m_Mapping);
}
