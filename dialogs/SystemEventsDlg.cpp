#include "dialogs/SystemEventsDlg.h"

#include "controls/CheckMarkGrid.h"
#include "dialogs/GridFit.h"

#include <cstring>

namespace
{

constexpr int kRows = 6; // the title row, Relay1 to Relay4, Email
constexpr int kColumns = 4; // the titles, Fan Fail, Video Loss, HDD Fail
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const char* const kEvents[] = { "Fan Fail", "Video Loss", "HDD Fail" };

// The bit of an event column in its row's high byte.
BYTE EventBit(int column)
{
    return BYTE(0x80 >> (column - 1));
}

} // namespace

BEGIN_MESSAGE_MAP(CSystemEventsDlg, CPagePane)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_EVENTS_GRID, OnGridBeginEdit)
END_MESSAGE_MAP()

CSystemEventsDlg::CSystemEventsDlg(CWnd* pParent)
    : CPagePane(IDD_SYSTEM_EVENTS, pParent)
{
}

void CSystemEventsDlg::SetEvents(DWORD dw0, DWORD dw1, DWORD dw2)
{
    const DWORD words[3] = { dw0, dw1, dw2 };
    for (int i = 0; i < 3; ++i) {
        for (int b = 0; b < 4; ++b)
            m_Events[4 * i + b] = BYTE(words[i] >> (8 * b));
    }
    ShowEvents();
}

bool CSystemEventsDlg::GetEvents(BYTE* pEvents) const
{
    std::memcpy(pEvents, m_Events, sizeof m_Events);
    return true;
}

BOOL CSystemEventsDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(20, 30, 20 + 400, 30 + 130), this, IDC_EVENTS_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);
    m_Grid.SetRowCount(kRows);
    m_Grid.SetColumnCount(kColumns);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    for (int c = 1; c < kColumns; ++c) {
        m_Grid.SetItemText(0, c, kEvents[c - 1]);
        m_Grid.SetItemFormat(0, c, kCentred);
    }
    CString relay, email;
    relay.LoadString(IDS_RELAY_ROW);
    email.LoadString(IDS_EMAIL_ROW);
    for (int r = 1; r < kRows; ++r) {
        CString title = email;
        if (r < kRows - 1)
            title.Format("%s%d", static_cast<LPCTSTR>(relay), r);
        m_Grid.SetItemText(r, 0, title);
    }
    m_Grid.AutoSizeColumn(0);
    for (int c = 1; c < kColumns; ++c)
        m_Grid.SetColumnWidth(c, 103);
    FitGridToContent(m_Grid, 20, 30);
    ShowEvents();
    return TRUE;
}

void CSystemEventsDlg::ShowEvents()
{
    if (!m_Grid.GetSafeHwnd())
        return;
    for (int r = 1; r < kRows; ++r) {
        const BYTE high = m_Events[2 * r + 1];
        for (int c = 1; c < kColumns; ++c)
            SetCheckMark(m_Grid, r, c, (high & EventBit(c)) != 0, true);
    }
}

void CSystemEventsDlg::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    bool changed = false;
    *pResult = AnswerCheckMarkEdit(m_Grid, pNMHDR, &changed);
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    if (!changed || item->iRow < 1 || item->iRow >= kRows)
        return;
    BYTE& high = m_Events[2 * item->iRow + 1];
    if (IsCheckMarkGranted(m_Grid, item->iRow, item->iColumn))
        high = BYTE(high | EventBit(item->iColumn));
    else
        high = BYTE(high & ~EventBit(item->iColumn));
    NotifyPage();
}
