#include "platform/ui/ListCtrl.h"

#include "platform/ui/GdiObject.h"
#include "platform/ui/ImageListInternal.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    if (!pColumn || nCol < 0)
        return -1;
    Column col;
    if (pColumn->mask & LVCF_TEXT)
        col.text = pColumn->pszText ? pColumn->pszText : "";
    if (pColumn->mask & LVCF_FMT)
        col.fmt = pColumn->fmt;
    if (pColumn->mask & LVCF_WIDTH)
        col.cx = std::max(0, pColumn->cx);
    nCol = std::min(nCol, int(m_columns.size()));
    m_columns.insert(m_columns.begin() + nCol, col);
    InvalidateList();
    return nCol;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat, int nWidth)
{
    LVCOLUMN col {};
    col.mask = LVCF_TEXT | LVCF_FMT | (nWidth >= 0 ? LVCF_WIDTH : 0);
    col.pszText = const_cast<char*>(lpszHeading);
    col.fmt = nFormat;
    col.cx = nWidth;
    return InsertColumn(nCol, &col);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    if (nCol < 0 || nCol >= int(m_columns.size()))
        return FALSE;
    m_columns.erase(m_columns.begin() + nCol);
    InvalidateList();
    return TRUE;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    if (!pColumn || nCol < 0 || nCol >= int(m_columns.size()))
        return FALSE;
    const Column& col = m_columns[size_t(nCol)];
    if (pColumn->mask & LVCF_FMT)
        pColumn->fmt = col.fmt;
    if (pColumn->mask & LVCF_WIDTH)
        pColumn->cx = col.cx;
    if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText && pColumn->cchTextMax > 0) {
        std::strncpy(pColumn->pszText, col.text, size_t(pColumn->cchTextMax) - 1);
        pColumn->pszText[pColumn->cchTextMax - 1] = 0;
    }
    if (pColumn->mask & LVCF_SUBITEM)
        pColumn->iSubItem = nCol;
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return nCol >= 0 && nCol < int(m_columns.size()) ? m_columns[size_t(nCol)].cx : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    if (nCol < 0 || nCol >= int(m_columns.size()))
        return FALSE;
    m_columns[size_t(nCol)].cx = std::max(0, cx);
    InvalidateList();
    return TRUE;
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    if (!pItem || pItem->iItem < 0)
        return -1;
    const int nItem = std::min(pItem->iItem, int(m_rows.size()));
    m_rows.insert(m_rows.begin() + nItem, Row());
    LVITEM item = *pItem;
    item.iItem = nItem;
    item.iSubItem = 0;
    SetItem(&item);
    return nItem;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEM item {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<char*>(lpszItem);
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    if (!ValidRow(nItem))
        return FALSE;
    m_rows.erase(m_rows.begin() + nItem);
    if (m_nTopIndex > 0 && m_nTopIndex >= int(m_rows.size()))
        m_nTopIndex = std::max(0, int(m_rows.size()) - 1);
    InvalidateList();
    return TRUE;
}

int CListCtrl::InsertItems(int nItem, const LVITEM* pItems, int nCount)
{
    if (!pItems || nItem < 0 || nCount < 0)
        return -1;
    nItem = std::min(nItem, int(m_rows.size()));
    std::vector<Row> rows(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        const LVITEM& item = pItems[i];
        Row& row = rows[size_t(i)];
        if (item.mask & LVIF_TEXT)
            row.text = item.pszText ? item.pszText : "";
        if (item.mask & LVIF_IMAGE)
            row.image = item.iImage;
        if (item.mask & LVIF_PARAM)
            row.lParam = item.lParam;
        if (item.mask & LVIF_INDENT)
            row.indent = item.iIndent;
    }
    m_rows.insert(
        m_rows.begin() + nItem, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    InvalidateList();
    return nItem;
}

BOOL CListCtrl::DeleteItems(int nFirst, int nCount)
{
    if (nCount == 0)
        return TRUE;
    if (nCount < 0 || !ValidRow(nFirst) || nCount > int(m_rows.size()) - nFirst)
        return FALSE;
    m_rows.erase(m_rows.begin() + nFirst, m_rows.begin() + nFirst + nCount);
    if (m_nTopIndex > 0 && m_nTopIndex >= int(m_rows.size()))
        m_nTopIndex = std::max(0, int(m_rows.size()) - 1);
    InvalidateList();
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    m_rows.clear();
    m_nTopIndex = 0;
    InvalidateList();
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    if (!pItem || !ValidRow(pItem->iItem))
        return FALSE;
    const Row& row = m_rows[size_t(pItem->iItem)];
    if ((pItem->mask & LVIF_TEXT) && pItem->pszText && pItem->cchTextMax > 0) {
        const CString text = GetItemText(pItem->iItem, pItem->iSubItem);
        std::strncpy(pItem->pszText, text, size_t(pItem->cchTextMax) - 1);
        pItem->pszText[pItem->cchTextMax - 1] = 0;
    }
    if (pItem->mask & LVIF_IMAGE)
        pItem->iImage = row.image;
    if (pItem->mask & LVIF_PARAM)
        pItem->lParam = row.lParam;
    if (pItem->mask & LVIF_INDENT)
        pItem->iIndent = row.indent;
    if (pItem->mask & LVIF_STATE)
        pItem->state = row.state & pItem->stateMask;
    return TRUE;
}

BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    if (!pItem || !ValidRow(pItem->iItem))
        return FALSE;
    Row& row = m_rows[size_t(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT)
        SetItemText(pItem->iItem, pItem->iSubItem, pItem->pszText);
    if (pItem->iSubItem == 0) {
        if (pItem->mask & LVIF_IMAGE)
            row.image = pItem->iImage;
        if (pItem->mask & LVIF_PARAM)
            row.lParam = pItem->lParam;
        if (pItem->mask & LVIF_INDENT)
            row.indent = pItem->iIndent;
        if (pItem->mask & LVIF_STATE)
            SetItemState(pItem->iItem, pItem->state, pItem->stateMask);
    }
    InvalidateList();
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    if (!ValidRow(nItem) || nSubItem < 0)
        return FALSE;
    Row& row = m_rows[size_t(nItem)];
    if (nSubItem == 0) {
        row.text = lpszText ? lpszText : "";
    } else {
        if (int(row.subItems.size()) < nSubItem)
            row.subItems.resize(size_t(nSubItem));
        row.subItems[size_t(nSubItem) - 1] = lpszText ? lpszText : "";
    }
    InvalidateList();
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    if (!ValidRow(nItem) || nSubItem < 0)
        return CString();
    const Row& row = m_rows[size_t(nItem)];
    if (nSubItem == 0)
        return row.text;
    return nSubItem <= int(row.subItems.size()) ? row.subItems[size_t(nSubItem) - 1] : CString();
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    if (!ValidRow(nItem))
        return FALSE;
    m_rows[size_t(nItem)].lParam = LPARAM(dwData);
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    return ValidRow(nItem) ? DWORD_PTR(m_rows[size_t(nItem)].lParam) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    // Row -1 sets the state of every row.
    if (nItem == -1) {
        for (int i = 0; i < int(m_rows.size()); ++i)
            SetItemState(i, nState, nMask);
        return TRUE;
    }
    if (!ValidRow(nItem))
        return FALSE;
    const UINT oldState = m_rows[size_t(nItem)].state;
    UINT newState = (oldState & ~nMask) | (nState & nMask);
    // One selected and one focused row at most.
    if ((newState & LVIS_FOCUSED) && !(oldState & LVIS_FOCUSED)) {
        for (int i = 0; i < int(m_rows.size()); ++i)
            if (i != nItem && (m_rows[size_t(i)].state & LVIS_FOCUSED))
                m_rows[size_t(i)].state &= ~LVIS_FOCUSED;
    }
    if ((m_dwListStyle & LVS_SINGLESEL) && (newState & LVIS_SELECTED) && !(oldState & LVIS_SELECTED)) {
        for (int i = 0; i < int(m_rows.size()); ++i) {
            Row& other = m_rows[size_t(i)];
            if (i != nItem && (other.state & LVIS_SELECTED)) {
                const UINT before = other.state;
                other.state &= ~LVIS_SELECTED;
                ItemChanged(i, before, other.state);
            }
        }
    }
    m_rows[size_t(nItem)].state = newState;
    if (newState != oldState) {
        ItemChanged(nItem, oldState, newState);
        InvalidateList();
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return ValidRow(nItem) ? m_rows[size_t(nItem)].state & nMask : 0;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL bCheck)
{
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(bCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetCheck(int nItem) const
{
    return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    const UINT want = UINT(nFlags) & (LVNI_SELECTED | LVNI_FOCUSED);
    for (int i = std::max(0, nItem + 1); i < int(m_rows.size()); ++i)
        if ((m_rows[size_t(i)].state & want) == want)
            return i;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    return UINT(
        std::count_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.state & LVIS_SELECTED; }));
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The list styles share their bits with the window styles' low word.
    m_dwListStyle |= dwStyle & 0xFFFF;
    if (!CWnd::Create(WC_LISTVIEW, "", (dwStyle & 0xFFFF0000u) | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    MEASUREITEMSTRUCT mis {};
    mis.CtlType = ODT_LISTVIEW;
    mis.CtlID = nID;
    mis.itemHeight = UINT(m_nRowHeight);
    MeasureItem(&mis);
    SetRowHeight(int(mis.itemHeight));
    return TRUE;
}

void CListCtrl::GetListClientRect(LPRECT lpRect) const
{
    if (GetWidget()) {
        GetClientRect(lpRect);
        return;
    }
    *lpRect = CRect(0, 0, m_clientSize.cx, m_clientSize.cy);
}

void CListCtrl::InvalidateList()
{
    if (!m_bRedraw || !GetWidget())
        return;
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CListCtrl::UpdateScrollBar()
{
    // Rows that do not fit scroll by whole rows.
    const int count = int(m_rows.size());
    const int page = GetCountPerPage();
    const int maxTop = std::max(0, count - page);
    m_nTopIndex = std::clamp(m_nTopIndex, 0, maxTop);
    const int state[3] = { count, page, m_nTopIndex };
    if (m_bInScrollUpdate || std::equal(state, state + 3, m_scrollState))
        return;
    m_bInScrollUpdate = TRUE;
    std::copy(state, state + 3, m_scrollState);
    SCROLLINFO si {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, count - 1);
    si.nPage = UINT(page);
    si.nPos = m_nTopIndex;
    SetScrollInfo(SB_VERT, &si, TRUE);
    m_bInScrollUpdate = FALSE;
}

void CListCtrl::ScrollRows(int rows)
{
    Scroll(CSize(0, rows * m_nRowHeight));
}

namespace
{

// The header's height in pixels: one line of the dialog font with a margin.
constexpr int kHeaderHeight = 20;
constexpr int kHeaderTextMargin = 6;

} // namespace

UINT CListCtrl::ColumnTextAlignment(int fmt)
{
    switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

int CListCtrl::GetHeaderHeight() const
{
    const bool report = (m_dwListStyle & LVS_REPORT) != 0;
    return report && !(m_dwListStyle & LVS_NOCOLUMNHEADER) ? kHeaderHeight : 0;
}

void CListCtrl::PaintRows(CDC* pDC)
{
    CRect client;
    GetListClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    PaintItems(pDC, client);
    if (m_dwExStyle & LVS_EX_GRIDLINES)
        PaintGridLines(pDC, client);
    PaintHeader(pDC, client);
}

void CListCtrl::PaintGridLines(CDC* pDC, const CRect& client)
{
    // Lines run over the whole client area, below the last row too.
    const COLORREF color = GetSysColor(COLOR_3DLIGHT);
    const int top = GetHeaderHeight();
    const int right = std::min(int(client.right), ColumnLeft(int(m_columns.size())));
    for (int y = top + m_nRowHeight - 1; y < client.bottom; y += m_nRowHeight)
        pDC->FillSolidRect(client.left, y, right - client.left, 1, color);
    for (int col = 1; col <= int(m_columns.size()); ++col) {
        const int x = ColumnLeft(col) - 1;
        if (x >= client.left && x < client.right)
            pDC->FillSolidRect(x, top, 1, client.bottom - top, color);
    }
}

void CListCtrl::PaintHeader(CDC* pDC, const CRect& client)
{
    const int height = GetHeaderHeight();
    if (height == 0)
        return;
    pDC->FillSolidRect(client.left, client.top, client.Width(), height, GetSysColor(COLOR_BTNFACE));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    for (int col = 0; col < int(m_columns.size()); ++col) {
        const Column& column = m_columns[size_t(col)];
        CRect cell(ColumnLeft(col), client.top, ColumnLeft(col) + column.cx, client.top + height);
        if (cell.right <= client.left || cell.left >= client.right)
            continue;
        pDC->Draw3dRect(&cell, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        cell.DeflateRect(kHeaderTextMargin, 0);
        pDC->DrawText(column.text, -1, &cell,
            ColumnTextAlignment(column.fmt) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    // Beyond the last column the header goes on empty.
    const int end = ColumnLeft(int(m_columns.size()));
    if (end < client.right) {
        const CRect rest(end, client.top, client.right, client.top + height);
        pDC->Draw3dRect(&rest, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
}

void CListCtrl::PaintItems(CDC* pDC, const CRect& client)
{
    for (int row = m_nTopIndex; row < int(m_rows.size()); ++row) {
        DRAWITEMSTRUCT dis {};
        dis.CtlType = ODT_LISTVIEW;
        dis.CtlID = UINT(GetDlgCtrlID());
        dis.itemID = UINT(row);
        dis.itemAction = ODA_DRAWENTIRE;
        const UINT state = m_rows[size_t(row)].state;
        dis.itemState
            = ((state & LVIS_SELECTED) ? ODS_SELECTED : 0) | ((state & LVIS_FOCUSED) ? ODS_FOCUS : 0);
        dis.hwndItem = m_hWnd;
        dis.hDC = pDC;
        GetItemRect(row, &dis.rcItem, LVIR_BOUNDS);
        if (dis.rcItem.top >= client.bottom)
            break;
        dis.itemData = UINT_PTR(m_rows[size_t(row)].lParam);
        DrawItem(&dis);
    }
}

int CListCtrl::ColumnLeft(int nCol) const
{
    int x = -m_nScrollX;
    for (int i = 0; i < nCol && i < int(m_columns.size()); ++i)
        x += m_columns[size_t(i)].cx;
    return x;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (!lpRect || !ValidRow(nItem))
        return FALSE;
    const int top = RowTop(nItem);
    CRect bounds(ColumnLeft(0), top, ColumnLeft(int(m_columns.size())), top + m_nRowHeight);
    // The first column: indent, state image, icon, then the label.
    const int indentLeft = bounds.left + m_rows[size_t(nItem)].indent * m_smallImageSize.cx;
    const int iconLeft = indentLeft + m_stateImageSize.cx;
    const int labelLeft = iconLeft + m_smallImageSize.cx;
    const int firstRight = ColumnLeft(1);
    switch (nCode) {
    case LVIR_ICON:
        *lpRect = CRect(iconLeft, top, labelLeft, bounds.bottom);
        break;
    case LVIR_LABEL:
        *lpRect = CRect(labelLeft, top, std::max(labelLeft, firstRight), bounds.bottom);
        break;
    case LVIR_SELECTBOUNDS:
        *lpRect = CRect(iconLeft, top, bounds.right, bounds.bottom);
        break;
    default:
        *lpRect = bounds;
        break;
    }
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& ref) const
{
    if (nSubItem == 0)
        return GetItemRect(nItem, &ref, UINT(nArea));
    if (!ValidRow(nItem) || nSubItem < 0 || nSubItem >= int(m_columns.size()))
        return FALSE;
    const int top = RowTop(nItem);
    ref = CRect(ColumnLeft(nSubItem), top, ColumnLeft(nSubItem + 1), top + m_nRowHeight);
    return TRUE;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* pInfo) const
{
    if (!pInfo)
        return -1;
    pInfo->iItem = -1;
    pInfo->iSubItem = 0;
    pInfo->flags = 0;
    const CPoint pt(pInfo->pt);
    CRect client;
    GetListClientRect(&client);
    if (pt.y < 0)
        pInfo->flags |= LVHT_ABOVE;
    if (pt.y >= client.bottom)
        pInfo->flags |= LVHT_BELOW;
    if (pt.x < 0)
        pInfo->flags |= LVHT_TOLEFT;
    if (pt.x >= client.right)
        pInfo->flags |= LVHT_TORIGHT;
    if (pInfo->flags)
        return -1;
    // The header is no row.
    const int header = GetHeaderHeight();
    if (pt.y < header) {
        pInfo->flags = LVHT_NOWHERE;
        return -1;
    }
    const int nItem = m_nTopIndex + (pt.y - header) / m_nRowHeight;
    const int right = ColumnLeft(int(m_columns.size()));
    if (!ValidRow(nItem) || pt.x >= right) {
        pInfo->flags = LVHT_NOWHERE;
        return -1;
    }
    CRect icon, label;
    GetItemRect(nItem, &icon, LVIR_ICON);
    GetItemRect(nItem, &label, LVIR_LABEL);
    if (pt.x >= label.left)
        pInfo->flags = LVHT_ONITEMLABEL;
    else if (pt.x >= icon.left)
        pInfo->flags = LVHT_ONITEMICON;
    else if (pt.x >= icon.left - m_stateImageSize.cx && m_stateImageSize.cx > 0)
        pInfo->flags = LVHT_ONITEMSTATEICON;
    else
        pInfo->flags = LVHT_ONITEMLABEL; // the indent belongs to the row
    pInfo->iItem = nItem;
    for (int col = int(m_columns.size()) - 1; col > 0; --col)
        if (pt.x >= ColumnLeft(col)) {
            pInfo->iSubItem = col;
            break;
        }
    return nItem;
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    const int nItem = SubItemHitTest(pHitTestInfo);
    if (pHitTestInfo)
        pHitTestInfo->iSubItem = 0;
    return nItem;
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info {};
    info.pt = pt;
    const int nItem = HitTest(&info);
    if (pFlags)
        *pFlags = info.flags;
    return nItem;
}

int CListCtrl::GetCountPerPage() const
{
    CRect client;
    GetListClientRect(&client);
    return std::max(1, (client.Height() - GetHeaderHeight()) / m_nRowHeight);
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    (void)bPartialOK;
    if (!ValidRow(nItem))
        return FALSE;
    const int perPage = GetCountPerPage();
    if (nItem < m_nTopIndex)
        m_nTopIndex = nItem;
    else if (nItem >= m_nTopIndex + perPage)
        m_nTopIndex = nItem - perPage + 1;
    InvalidateList();
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size)
{
    const int maxTop = std::max(0, int(m_rows.size()) - GetCountPerPage());
    if (size.cy != 0) {
        const int rows = size.cy / m_nRowHeight + (size.cy % m_nRowHeight != 0 ? (size.cy > 0 ? 1 : -1) : 0);
        m_nTopIndex = std::clamp(m_nTopIndex + rows, 0, maxTop);
    }
    if (size.cx != 0) {
        CRect client;
        GetListClientRect(&client);
        const int maxX = std::max(0, ColumnLeft(int(m_columns.size())) + m_nScrollX - client.Width());
        m_nScrollX = std::clamp(m_nScrollX + int(size.cx), 0, maxX);
    }
    InvalidateList();
    return TRUE;
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    if (nImageListType < 0 || nImageListType > 2)
        return nullptr;
    CImageList* previous = m_pImageLists[nImageListType];
    m_pImageLists[nImageListType] = pImageList;
    // The rows make room for the list's images before their labels.
    const ImageListData* images = pImageList ? pImageList->GetSafeHandle() : nullptr;
    const CSize size = images ? CSize(images->cx, images->cy) : CSize(0, 0);
    if (nImageListType == LVSIL_SMALL)
        m_smallImageSize = size;
    else if (nImageListType == LVSIL_STATE)
        m_stateImageSize = size;
    InvalidateList();
    return previous;
}

CImageList* CListCtrl::GetImageList(int nImageListType) const
{
    return nImageListType >= 0 && nImageListType <= 2 ? m_pImageLists[nImageListType] : nullptr;
}

int CListCtrl::GetStringWidth(LPCTSTR lpsz) const
{
    if (!lpsz)
        return 0;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    if (CFont* font = GetFont())
        dc.SelectObject(font);
    return int(dc.GetTextExtent(lpsz).cx);
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    const DWORD previous = m_dwExStyle;
    m_dwExStyle = dwNewStyle;
    if ((dwNewStyle & LVS_EX_CHECKBOXES) && !(previous & LVS_EX_CHECKBOXES))
        for (int i = 0; i < int(m_rows.size()); ++i)
            if (!(m_rows[size_t(i)].state & LVIS_STATEIMAGEMASK))
                m_rows[size_t(i)].state |= INDEXTOSTATEIMAGEMASK(1);
    InvalidateList();
    return previous;
}

void CListCtrl::SetRedraw(BOOL bRedraw)
{
    m_bRedraw = bRedraw;
    if (bRedraw)
        InvalidateList();
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    (void)nFirst;
    (void)nLast;
    InvalidateList();
    return TRUE;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // Lists without owner drawing show their texts column by column.
    auto* dc = static_cast<CDC*>(lpDrawItemStruct->hDC);
    const int row = int(lpDrawItemStruct->itemID);
    const bool selected = lpDrawItemStruct->itemState & ODS_SELECTED;
    dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (selected)
        dc->FillSolidRect(&lpDrawItemStruct->rcItem, GetSysColor(COLOR_HIGHLIGHT));
    dc->SetBkMode(TRANSPARENT);
    // State images are one-based in the state bits; 0 shows none.
    const UINT stateImage = ValidRow(row) ? (m_rows[size_t(row)].state & LVIS_STATEIMAGEMASK) >> 12 : 0;
    if (CRect icon; m_pImageLists[LVSIL_STATE] && stateImage > 0 && GetItemRect(row, &icon, LVIR_ICON))
        m_pImageLists[LVSIL_STATE]->Draw(dc, int(stateImage) - 1,
            CPoint(icon.left - m_stateImageSize.cx, icon.top + (icon.Height() - m_stateImageSize.cy) / 2),
            ILD_TRANSPARENT);
    CImageList* images = m_pImageLists[LVSIL_SMALL];
    if (CRect icon;
        images && ValidRow(row) && m_rows[size_t(row)].image >= 0 && GetItemRect(row, &icon, LVIR_ICON))
        images->Draw(dc, m_rows[size_t(row)].image,
            CPoint(icon.left, icon.top + (icon.Height() - m_smallImageSize.cy) / 2), ILD_TRANSPARENT);
    for (int col = 0; col < int(m_columns.size()); ++col) {
        CRect cell;
        if (!GetSubItemRect(row, col, col == 0 ? LVIR_LABEL : LVIR_BOUNDS, cell))
            continue;
        cell.DeflateRect(2, 0);
        const CString text = GetItemText(row, col);
        const UINT align = ColumnTextAlignment(m_columns[size_t(col)].fmt);
        dc->DrawText(text, -1, &cell, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void CListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = UINT(m_nRowHeight);
}

void CListCtrl::ItemChanged(int nItem, UINT oldState, UINT newState)
{
    if (!m_hWnd)
        return;
    NMLISTVIEW nm {};
    nm.iItem = nItem;
    nm.uOldState = oldState;
    nm.uNewState = newState;
    nm.uChanged = LVIF_STATE;
    nm.lParam = m_rows[size_t(nItem)].lParam;
    NotifyParent(LVN_ITEMCHANGED, &nm.hdr);
}

LRESULT CListCtrl::NotifyParent(UINT code, NMHDR* hdr)
{
    hdr->hwndFrom = m_hWnd;
    hdr->idFrom = UINT_PTR(GetDlgCtrlID());
    hdr->code = code;
    // The parent offers it back to the control first (reflection); without
    // a parent the control still sees it.
    const HWND parent = GetParentHandle();
    if (parent)
        return ::SendMessage(parent, WM_NOTIFY, WPARAM(hdr->idFrom), LPARAM(hdr));
    LRESULT result = 0;
    OnChildNotify(WM_NOTIFY, WPARAM(hdr->idFrom), LPARAM(hdr), &result);
    return result;
}

void CListCtrl::ListLButtonDown(UINT, CPoint point)
{
    const int row = HitTest(point);
    m_nPressRow = row;
    m_ptPress = point;
    m_bClickPending = TRUE;
    if (row >= 0)
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListCtrl::ListMouseMove(UINT nFlags, CPoint point)
{
    constexpr UINT kLeftButton = 0x1;
    constexpr int kDragDistance = 4;
    if (!(nFlags & kLeftButton) || m_nPressRow < 0)
        return;
    if (std::abs(point.x - m_ptPress.x) < kDragDistance && std::abs(point.y - m_ptPress.y) < kDragDistance)
        return;
    NMLISTVIEW nm {};
    nm.iItem = m_nPressRow;
    nm.ptAction = m_ptPress;
    nm.lParam = LPARAM(GetItemData(m_nPressRow));
    m_nPressRow = -1;
    m_bClickPending = FALSE;
    NotifyParent(LVN_BEGINDRAG, &nm.hdr);
}

void CListCtrl::ListLButtonUp(UINT, CPoint point)
{
    m_nPressRow = -1;
    // A press and release that began no drag is a click, on a row or not.
    if (!m_bClickPending)
        return;
    m_bClickPending = FALSE;
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    NMLISTVIEW nm {};
    nm.iItem = hit.iItem;
    nm.iSubItem = hit.iSubItem;
    nm.ptAction = point;
    NotifyParent(NM_CLICK, &nm.hdr);
}

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    constexpr WORD kVkUp = 0x26;
    constexpr WORD kVkDown = 0x28;
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        PaintRows(&dc);
        return 0;
    }
    case WM_SETREDRAW:
        SetRedraw(BOOL(wParam));
        return 0;
    case WM_VSCROLL:
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            ScrollRows(-1);
            break;
        case SB_LINEDOWN:
            ScrollRows(1);
            break;
        case SB_PAGEUP:
            ScrollRows(-GetCountPerPage());
            break;
        case SB_PAGEDOWN:
            ScrollRows(GetCountPerPage());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollRows(int(HIWORD(wParam)) - m_nTopIndex);
            break;
        default:
            break;
        }
        return 0;
    case WM_MOUSEWHEEL:
        // Three rows per notch.
        ScrollRows(-SHORT(HIWORD(wParam)) / 120 * 3);
        return 0;
    case WM_INPLACE_EDIT_CLOSE:
        if (::GetParent(reinterpret_cast<HWND>(lParam)) == m_hWnd)
            ::DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus();
        ListLButtonDown(UINT(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        ListMouseMove(UINT(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        ListLButtonUp(UINT(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONDBLCLK: {
        NMLISTVIEW nm {};
        nm.ptAction = CPoint(lParam);
        nm.iItem = HitTest(CPoint(lParam));
        NotifyParent(NM_DBLCLK, &nm.hdr);
        return 0;
    }
    case WM_KEYDOWN: {
        NMLVKEYDOWN nm {};
        nm.wVKey = WORD(wParam);
        NotifyParent(LVN_KEYDOWN, &nm.hdr);
        const int focused = GetNextItem(-1, LVNI_FOCUSED);
        const int next = nm.wVKey == kVkUp ? focused - 1 : nm.wVKey == kVkDown ? focused + 1 : -1;
        if ((nm.wVKey == kVkUp || nm.wVKey == kVkDown) && ValidRow(next)) {
            SetItemState(next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            EnsureVisible(next, FALSE);
        }
        return 0;
    }
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
