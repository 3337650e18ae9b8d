#include "controls/ContentListCtrl.h"

#include "link/WindowMessages.h"
#include "platform/base/Services.h"
#include "platform/base/String.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace
{

// A field's text: up to its terminator, never past its width.
template <size_t N> CString FieldText(const char (&field)[N])
{
    return CString(std::string(field, strnlen(field, N)).c_str());
}

// A cell's text into a field; a longer text is cut so that the field keeps
// its terminator.
template <size_t N> void SetField(char (&field)[N], const CString& text)
{
    const size_t count = std::min(size_t(text.GetLength()), N - 1);
    std::memset(field, 0, N);
    std::memcpy(field, text.GetString(), count);
}

template <size_t N> void UpperCase(char (&field)[N])
{
    for (size_t i = 0; i < N && field[i]; ++i)
        field[i] = char(std::toupper(static_cast<unsigned char>(field[i])));
}

CString Number(uint32_t value)
{
    CString text;
    text.Format("%d", int32_t(value));
    return text;
}

uint32_t ParseNumber(const CString& text)
{
    return uint32_t(int32_t(std::atoi(text)));
}

} // namespace

BEGIN_MESSAGE_MAP(CContentListCtrl, CListCtrl)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

int CContentListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_StateImages.Create(IDB_CONTENT_STATES, 16, 1, RGB(255, 255, 255));
    SetImageList(&m_StateImages, LVSIL_STATE);
    m_nSelectedRow = -1;
    return 0;
}

void CContentListCtrl::InitColumns()
{
    const CString titles[CONTENT_COLUMNS] = { " ", "Name", "Video Type", LoadText(IDS_RESOLUTION),
        LoadText(IDS_FRAME_RATE), "Video Bitrate", "Audio Type", "Audio Bitrate", "Packet Size",
        "Intra Percent", "Min. Q", "Max. Q", "Intra Period", "Scene THR." };
    for (int col = 0; col < CONTENT_COLUMNS; ++col)
        InsertColumn(col, titles[col], LVCFMT_CENTER, GetStringWidth(titles[col]) + 20);
}

void CContentListCtrl::FillRow(int nRow, tagContentInfo& info)
{
    const UINT state = !m_nActivation ? CONTENT_STATE_DISABLED
        : (info.byFlag & 1)           ? CONTENT_STATE_ACTIVE
                                      : CONTENT_STATE_INACTIVE;
    SetItemState(nRow, INDEXTOSTATEIMAGEMASK(state), LVIS_STATEIMAGEMASK);
    UpperCase(info.szCodec);
    UpperCase(info.szText);
    SetItemText(nRow, 1, FieldText(info.szUrl));
    SetItemText(nRow, 2, FieldText(info.szName));
    SetItemText(nRow, 3, FieldText(info.szCodec));
    SetItemText(nRow, 4, Number(info.dwValue1));
    SetItemText(nRow, 5, Number(info.dwValue2));
    SetItemText(nRow, 6, FieldText(info.szText));
    for (int i = 0; i < 7; ++i)
        SetItemText(nRow, 7 + i, Number(info.dwValues[i]));
}

BOOL CContentListCtrl::AddContent(tagContentInfo& info)
{
    const int row = InsertItem(GetItemCount(), "");
    if (row < 0)
        return FALSE;
    FillRow(row, info);
    SelectRow(row);
    return TRUE;
}

BOOL CContentListCtrl::UpdateContent(tagContentInfo& info, int nRow)
{
    if (!ValidRow(nRow))
        return FALSE;
    FillRow(nRow, info);
    SelectRow(nRow);
    return TRUE;
}

BOOL CContentListCtrl::GetContent(tagContentInfo* pInfo, int nRow) const
{
    if (!pInfo || !ValidRow(nRow))
        return FALSE;
    pInfo->byFlag = GetRowState(nRow) == CONTENT_STATE_INACTIVE ? 0 : 1;
    SetField(pInfo->szUrl, GetItemText(nRow, 1));
    SetField(pInfo->szName, GetItemText(nRow, 2));
    SetField(pInfo->szCodec, GetItemText(nRow, 3));
    pInfo->dwValue1 = ParseNumber(GetItemText(nRow, 4));
    pInfo->dwValue2 = ParseNumber(GetItemText(nRow, 5));
    SetField(pInfo->szText, GetItemText(nRow, 6));
    for (int i = 0; i < 7; ++i)
        pInfo->dwValues[i] = ParseNumber(GetItemText(nRow, 7 + i));
    return TRUE;
}

BOOL CContentListCtrl::IsNameUsed(LPCTSTR lpszName) const
{
    if (!lpszName)
        return FALSE;
    for (int row = 0; row < GetItemCount(); ++row)
        if (row != m_nSelectedRow && std::strcmp(GetItemText(row, 1), lpszName) == 0)
            return TRUE;
    return FALSE;
}

BOOL CContentListCtrl::DeleteSelected()
{
    if (!ValidRow(m_nSelectedRow))
        return FALSE;
    SelectRow(m_nSelectedRow + 1);
    const BOOL deleted = DeleteItem(m_nSelectedRow);
    // The row after the deleted one takes its index; past the last row
    // nothing is selected any more.
    if (!ValidRow(m_nSelectedRow))
        m_nSelectedRow = -1;
    return deleted;
}

void CContentListCtrl::DeleteAll()
{
    for (int count = GetItemCount(); count > 0; --count)
        DeleteItem(0);
    m_nSelectedRow = -1;
}

void CContentListCtrl::SelectRow(int nRow)
{
    if (!ValidRow(nRow))
        return;
    SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (m_hWnd)
        SetFocus();
}

void CContentListCtrl::SetResolutionAll(LPCTSTR lpszResolution)
{
    for (int row = 0; row < GetItemCount(); ++row)
        SetItemText(row, 3, lpszResolution);
}

void CContentListCtrl::SetFrameRateAll(int nFrameRate)
{
    for (int row = 0; row < GetItemCount(); ++row)
        SetItemText(row, 4, Number(uint32_t(nFrameRate)));
}

void CContentListCtrl::SetAudioBitrateForType(LPCTSTR lpszType, int nRate)
{
    if (!lpszType)
        return;
    for (int row = 0; row < GetItemCount(); ++row)
        if (std::strcmp(GetItemText(row, 6), lpszType) == 0)
            SetItemText(row, 7, Number(uint32_t(nRate)));
}

int CContentListCtrl::CountActive() const
{
    int active = 0;
    for (int row = 0; row < GetItemCount(); ++row)
        active += GetRowState(row) == CONTENT_STATE_ACTIVE ? 1 : 0;
    return active;
}

void CContentListCtrl::NotifyModified()
{
    if (CWnd* page = GetParent())
        page->SendMessage(WM_PAGE_MODIFIED);
}

void CContentListCtrl::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_nSelectedRow = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
    *pResult = 0;
}

void CContentListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    if (!m_nActivation || hit.iItem < 0 || !(hit.flags & LVHT_ONITEMSTATEICON)) {
        CListCtrl::OnLButtonDown(nFlags, point);
        return;
    }
    if (GetRowState(hit.iItem) == CONTENT_STATE_ACTIVE) {
        SetItemState(hit.iItem, INDEXTOSTATEIMAGEMASK(CONTENT_STATE_INACTIVE), LVIS_STATEIMAGEMASK);
        NotifyModified();
    } else if (CountActive() < m_nMaxActiveContents) {
        SetItemState(hit.iItem, INDEXTOSTATEIMAGEMASK(CONTENT_STATE_ACTIVE), LVIS_STATEIMAGEMASK);
        NotifyModified();
    } else {
        CString text;
        text.Format("%s %d.", LoadText(IDS_CONTENT_ACTIVE_LIMIT).GetString(), m_nMaxActiveContents);
        AfxMessageBox(text, MB_OK);
    }
}

void CContentListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int row = HitTest(point);
    if (row >= 0) {
        // The page edits its selected row and writes it back.
        m_bEditing = 1;
        if (CWnd* page = GetParent())
            page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONTENT_EDIT, BN_CLICKED), LPARAM(m_hWnd));
        m_bEditing = 0;
        SelectRow(row);
    }
    CListCtrl::OnLButtonDblClk(nFlags, point);
}
