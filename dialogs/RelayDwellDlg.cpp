#include "dialogs/RelayDwellDlg.h"

#include "dialogs/PaneNotify.h"
#include "link/CurrentDevice.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

#include <cstring>

namespace
{

constexpr int kGridId = 305;
constexpr int kOutputsAt = 32;
const char* kModes[] = { "N.O.", "N.C." };
constexpr int kMaxGridWidth = 470;
constexpr int kScrollBarHeight = 16;

uint8_t ModeOf(const CString& text, uint8_t unchanged)
{
    if (text == kModes[0])
        return 1;
    if (text == kModes[1])
        return 2;
    return unchanged;
}

} // namespace

BEGIN_MESSAGE_MAP(CRelayDwellDlg, CDialog)
ON_NOTIFY(GVN_BEGINLABELEDIT, kGridId, OnGridBeginEdit)
ON_CBN_SELCHANGE(IDC_RELAY_DWELL, OnDwellChange)
END_MESSAGE_MAP()

CRelayDwellDlg::CRelayDwellDlg(CWnd* pParent)
    : CDialog(IDD_RELAY_DWELL, pParent)
{
}

int CRelayDwellDlg::ContactCount()
{
    return g_nRecorderModel < 2 ? 4 : 16;
}

void CRelayDwellDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_RELAY_DWELL, m_nDwell);
}

BOOL CRelayDwellDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* dwell = static_cast<CComboBox*>(GetDlgItem(IDC_RELAY_DWELL))) {
        CString text;
        text.LoadString(IDS_RELAY_OFF);
        dwell->AddString(text);
        text.LoadString(IDS_RELAY_FOLLOWS);
        dwell->AddString(text);
        // 1 to 20 seconds one by one, then up to 60 in steps of 5.
        for (int seconds = 1; seconds <= 60; seconds += seconds < 20 ? 1 : 5) {
            text.Format("%d", seconds);
            dwell->AddString(text);
        }
    }
    SetUpGrid(m_InputGrid, 20, 25);
    SetUpGrid(m_OutputGrid, 20, 110);
    return TRUE;
}

void CRelayDwellDlg::SetUpGrid(CGridCtrl& grid, int x, int y)
{
    const int count = ContactCount();
    grid.Create(CRect(x, y, x + 100, y + 40), this, kGridId);
    grid.SetBkColor(RGB(255, 255, 255));
    grid.SetEditable(TRUE);
    grid.SetRowCount(2);
    grid.SetColumnCount(count);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    for (int c = 0; c < count; ++c) {
        CString header;
        header.Format("%d", c + 1);
        grid.SetItemText(0, c, header);
        grid.SetItemFormat(0, c, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        grid.SetColumnOptions(c, kModes, 2);
    }
    grid.SetRowHeight(0, 18);
    grid.SetRowHeight(1, 18);
    if (count == 4) {
        for (int c = 0; c < count; ++c)
            grid.SetColumnWidth(c, 100);
    } else {
        grid.AutoSizeColumns();
    }
    int width = 2, height = 2;
    for (int c = 0; c < count; ++c)
        width += grid.GetColumnWidth(c);
    for (int r = 0; r < 2; ++r)
        height += grid.GetRowHeight(r);
    if (width > kMaxGridWidth) {
        width = kMaxGridWidth;
        height += kScrollBarHeight;
    }
    grid.MoveWindow(x, y, width, height);
}

void CRelayDwellDlg::SetRelaySettings(const uint8_t modes[64], uint8_t dwell)
{
    std::memcpy(m_byModes, modes, sizeof m_byModes);
    m_byDwell = dwell;
    const int count = ContactCount();
    for (int c = 0; c < count; ++c) {
        for (int at : { c, kOutputsAt + c }) {
            if (m_byModes[at] == 0)
                m_byModes[at] = 1;
        }
        m_InputGrid.SetItemText(1, c, m_byModes[c] == 2 ? kModes[1] : kModes[0]);
        m_OutputGrid.SetItemText(1, c, m_byModes[kOutputsAt + c] == 2 ? kModes[1] : kModes[0]);
    }
    m_nDwell = dwell;
    UpdateData(FALSE);
    m_InputGrid.Invalidate();
    m_OutputGrid.Invalidate();
}

BYTE CRelayDwellDlg::GetRelaySettings(tagRelaySetting* pOut)
{
    const int count = ContactCount();
    BYTE changed = 0;
    for (int c = 0; c < count; ++c) {
        uint8_t& input = pOut->byInputModes[c];
        input = ModeOf(m_InputGrid.GetItemText(1, c), input);
        uint8_t& output = pOut->byOutputModes[c];
        output = ModeOf(m_OutputGrid.GetItemText(1, c), output);
        changed |= input != m_byModes[c] || output != m_byModes[kOutputsAt + c];
    }
    UpdateData(TRUE);
    if (m_nDwell >= 0)
        pOut->byDwell = uint8_t(m_nDwell);
    changed |= pOut->byDwell != m_byDwell;
    return changed;
}

void CRelayDwellDlg::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* cell = reinterpret_cast<NM_GRIDVIEW*>(pNMHDR);
    if (cell->iRow == 1 && cell->iColumn >= 0)
        NotifyPageModified(this);
    *pResult = 0;
}

void CRelayDwellDlg::OnDwellChange()
{
    NotifyPageModified(this);
}
