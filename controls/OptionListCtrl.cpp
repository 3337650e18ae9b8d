#include "controls/OptionListCtrl.h"

#include "controls/ListInPlaceEdit.h"
#include "link/ChannelSettings.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstdlib>

namespace
{

constexpr UINT kInPlaceEditId = 4660;
constexpr uint32_t kStreamServerFamily = 2;

CString Load(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

UINT TitleOf(COptionListCtrl::Option option)
{
    switch (option) {
    case COptionListCtrl::OPTION_TYPE:
        return IDS_OPTION_CAMERA_TYPE;
    case COptionListCtrl::OPTION_ROTATION:
        return IDS_OPTION_ROTATION;
    case COptionListCtrl::OPTION_MONOCHROME:
        return IDS_OPTION_MONOCHROME;
    case COptionListCtrl::OPTION_MOTION:
        return IDS_OPTION_MOTION;
    case COptionListCtrl::OPTION_PTZ:
        break;
    }
    return IDS_OPTION_PTZ;
}

} // namespace

BEGIN_MESSAGE_MAP(COptionListCtrl, CListCtrl)
ON_WM_LBUTTONDOWN()
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
END_MESSAGE_MAP()

void COptionListCtrl::InitColumns()
{
    CRect client;
    GetClientRect(&client);
    InsertColumn(0, "", LVCFMT_LEFT, client.Width() / 2);
    InsertColumn(1, "", LVCFMT_LEFT, client.Width() - client.Width() / 2);
}

void COptionListCtrl::SetTitles(uint32_t family)
{
    ClearTitles();
    if (family == kStreamServerFamily)
        m_Rows = { OPTION_TYPE, OPTION_MONOCHROME };
    else
        m_Rows = { OPTION_TYPE, OPTION_ROTATION, OPTION_MONOCHROME, OPTION_MOTION, OPTION_PTZ };
    for (size_t row = 0; row < m_Rows.size(); ++row)
        InsertItem(int(row), Load(TitleOf(m_Rows[row])));
}

void COptionListCtrl::SetValues(const CFG_CHANNEL_ENTRY& entry, LPCTSTR ptzCaption)
{
    auto set = [this](Option option, const CString& text) {
        const int row = RowOf(option);
        if (row >= 0)
            SetItemText(row, 1, text);
    };
    set(OPTION_TYPE, (entry.byFlags & CHANNEL_PAL) ? "PAL" : "NTSC");
    set(OPTION_ROTATION, Load((entry.byFlags & CHANNEL_ROTATED) ? IDS_SWITCH_ON : IDS_SWITCH_OFF));
    set(OPTION_MONOCHROME, Load((entry.byFlags & CHANNEL_MONOCHROME) ? IDS_SWITCH_ON : IDS_SWITCH_OFF));
    CString threshold;
    threshold.Format("%d", MotionThreshold(entry));
    set(OPTION_MOTION, threshold);
    set(OPTION_PTZ, ptzCaption);
}

void COptionListCtrl::ClearTitles()
{
    DestroyEditor();
    DeleteAllItems();
    m_Rows.clear();
}

void COptionListCtrl::ClearValues()
{
    DestroyEditor();
    for (int row = 0; row < GetItemCount(); ++row)
        SetItemText(row, 1, "");
}

int COptionListCtrl::RowOf(Option option) const
{
    const auto it = std::find(m_Rows.begin(), m_Rows.end(), option);
    return it == m_Rows.end() ? -1 : int(it - m_Rows.begin());
}

CString COptionListCtrl::Value(Option option) const
{
    const int row = RowOf(option);
    return row < 0 ? CString() : GetItemText(row, 1);
}

void COptionListCtrl::GetValues(CFG_CHANNEL_ENTRY* entry) const
{
    if (m_Rows.empty())
        return;
    const CString on = Load(IDS_SWITCH_ON);
    uint8_t flags = entry->byFlags & CHANNEL_ENABLED;
    if (Value(OPTION_TYPE) == "PAL")
        flags |= CHANNEL_PAL;
    if (Value(OPTION_ROTATION) == on)
        flags |= CHANNEL_ROTATED;
    if (Value(OPTION_MONOCHROME) == on)
        flags |= CHANNEL_MONOCHROME;
    entry->byFlags = flags;
    if (RowOf(OPTION_MOTION) >= 0)
        entry->wMotion = uint16_t(std::atoi(Value(OPTION_MOTION)));
}

BOOL COptionListCtrl::DestroyEditor()
{
    BOOL open = FALSE;
    if (m_pPtzButton && m_pPtzButton->GetSafeHwnd() && (m_pPtzButton->GetStyle() & WS_VISIBLE)) {
        m_pPtzButton->ShowWindow(SW_HIDE);
        open = TRUE;
    }
    if (m_pEdit) {
        // The edit reports its text as it loses the focus, then goes.
        SetFocus();
        if (m_pEdit && m_pEdit->GetSafeHwnd())
            m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
        open = TRUE;
    }
    return open;
}

void COptionListCtrl::UpdatePtzValue(LPCTSTR caption)
{
    const int row = RowOf(OPTION_PTZ);
    if (row >= 0)
        SetItemText(row, 1, caption);
    Modified();
    DestroyEditor();
}

void COptionListCtrl::Modified()
{
    if (m_pOwner)
        m_pOwner->SetPageModified();
}

void COptionListCtrl::OnLButtonDown(UINT, CPoint point)
{
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (hit.iItem < 0 || hit.iItem >= int(m_Rows.size()) || m_bBusy)
        return;
    m_bBusy = TRUE;
    DestroyEditor();
    const Option option = m_Rows[size_t(hit.iItem)];
    const CString on = Load(IDS_SWITCH_ON), off = Load(IDS_SWITCH_OFF);
    const CString value = GetItemText(hit.iItem, 1);
    CRect cell;
    GetSubItemRect(hit.iItem, 1, LVIR_BOUNDS, cell);
    switch (option) {
    case OPTION_TYPE:
        SetItemText(hit.iItem, 1, value == "PAL" ? "NTSC" : "PAL");
        Modified();
        break;
    case OPTION_ROTATION:
    case OPTION_MONOCHROME:
        SetItemText(hit.iItem, 1, value == on ? off : on);
        Modified();
        break;
    case OPTION_MOTION:
        m_pEdit = new CListInPlaceEdit(hit.iItem, 1, value);
        if (!m_pEdit->Create(
                WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_NUMBER, cell, this, kInPlaceEditId)) {
            delete m_pEdit;
            m_pEdit = nullptr;
            break;
        }
        m_pEdit->LimitText(3);
        m_pEdit->SetFocus();
        break;
    case OPTION_PTZ:
        if (m_pPtzButton && m_pPtzButton->GetSafeHwnd()) {
            m_pPtzButton->SetWindowText(value);
            m_pPtzButton->MoveWindow(cell.left, cell.top, cell.Width(), cell.Height());
            m_pPtzButton->ShowWindow(SW_SHOW);
        }
        break;
    }
    m_bBusy = FALSE;
}

void COptionListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* info = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    m_pEdit = nullptr;
    *pResult = 0;
    if (!info->item.pszText)
        return;
    // Thresholds run from 0 to 999; anything else keeps the old value.
    const CString text = info->item.pszText;
    const int value = std::atoi(text);
    if (text.IsEmpty() || value < 0 || value > 999)
        return;
    CString shown;
    shown.Format("%d", value);
    if (shown != GetItemText(info->item.iItem, 1)) {
        SetItemText(info->item.iItem, 1, shown);
        Modified();
    }
}
