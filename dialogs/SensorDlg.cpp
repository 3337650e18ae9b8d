#include "dialogs/SensorDlg.h"

#include "link/CurrentDevice.h"
#include "platform/ui/Controls.h"

#include <algorithm>
#include <cstring>

namespace
{

const char* kTypes[] = { "Off", "NO", "NC" };
constexpr int kTypeCount = 3;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kGridLeft = 10, kGridTop = 50, kMaxWidth = 470, kScrollBar = 16;

} // namespace

BEGIN_MESSAGE_MAP(CSensorDlg, CPagePane)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SENSOR_GRID, OnGridBeginEdit)
ON_BN_CLICKED(IDC_SENSOR_APPLY, OnApply)
END_MESSAGE_MAP()

CSensorDlg::CSensorDlg(CWnd* pPage)
    : CPagePane(IDD_SENSOR, pPage)
{
}

int CSensorDlg::InputCount()
{
    return g_nRecorderModel < 2 ? 4 : kMaxInputs;
}

BOOL CSensorDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    if (auto* global = static_cast<CComboBox*>(GetDlgItem(IDC_SENSOR_GLOBAL))) {
        for (const char* text : kTypes)
            global->AddString(text);
        global->SetCurSel(0);
    }
    const int inputs = InputCount();
    m_Grid.Create(CRect(kGridLeft, kGridTop, kGridLeft + 100, kGridTop + 40), this, IDC_SENSOR_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    m_Grid.SetRowCount(2);
    m_Grid.SetColumnCount(inputs);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(0);
    m_Grid.SetEditable(TRUE);
    m_Grid.SetTextBkColor(RGB(255, 255, 255));
    for (int input = 0; input < inputs; ++input) {
        CString title;
        title.Format("S%d", input + 1);
        m_Grid.SetItemText(0, input, title);
        m_Grid.SetItemFormat(0, input, kCentred);
        m_Grid.SetItemFormat(1, input, kCentred);
    }
    for (int row = 0; row < 2; ++row)
        m_Grid.SetRowHeight(row, 18);
    if (inputs == 4) {
        for (int input = 0; input < inputs; ++input)
            m_Grid.SetColumnWidth(input, 100);
    } else {
        m_Grid.AutoSizeColumns();
    }
    int width = 2, height = 2;
    for (int input = 0; input < inputs; ++input)
        width += m_Grid.GetColumnWidth(input);
    for (int row = 0; row < 2; ++row)
        height += m_Grid.GetRowHeight(row);
    if (width > kMaxWidth) {
        width = kMaxWidth;
        height += kScrollBar;
    }
    m_Grid.MoveWindow(kGridLeft, kGridTop, width, height);
    m_Grid.ResetScrollBars();
    return TRUE;
}

void CSensorDlg::SetSensorTypes(const uint8_t* pTypes)
{
    std::memcpy(m_byTypes, pTypes, kMaxInputs);
    for (int input = 0; input < std::min(InputCount(), m_Grid.GetColumnCount()); ++input)
        m_Grid.SetItemText(1, input, m_byTypes[input] < kTypeCount ? kTypes[m_byTypes[input]] : "");
    m_Grid.Invalidate();
}

uint8_t CSensorDlg::GetSensorTypes(uint8_t* pTypes) const
{
    uint8_t changed = 0;
    for (int input = 0; input < std::min(InputCount(), m_Grid.GetColumnCount()); ++input) {
        const CString text = m_Grid.GetItemText(1, input);
        for (int type = 0; type < kTypeCount; ++type) {
            if (text == kTypes[type])
                pTypes[input] = uint8_t(type);
        }
        changed |= pTypes[input] != m_byTypes[input];
    }
    return changed;
}

void CSensorDlg::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    *pResult = 0;
    if (item->iRow != 1)
        return;
    m_Grid.SetColumnOptions(item->iColumn, kTypes, kTypeCount);
    NotifyPage();
}

void CSensorDlg::OnApply()
{
    CString global;
    GetDlgItemText(IDC_SENSOR_GLOBAL, global);
    for (int input = 0; input < m_Grid.GetColumnCount(); ++input)
        m_Grid.SetItemText(1, input, global);
    m_Grid.Invalidate();
    NotifyPage();
}
