// Painting one row of the tree-grid: image, tree lines, the +/- box, the
// label and the further cells.
#include "explorer/SuperGridCtrl.h"

#include "platform/ui/DC.h"
#include "platform/ui/DocView.h"
#include "platform/ui/ImageList.h"

#include <algorithm>

namespace morrik
{

void CSuperGridCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    TEXTMETRIC tm {};
    if (GetWidget()) {
        CClientDC dc(this);
        dc.GetTextMetrics(&tm);
    }
    lpMeasureItemStruct->itemHeight = UINT(tm.tmHeight + tm.tmExternalLeading + 4);
}

CRect CSuperGridCtrl::BoxRect(int nRow) const
{
    const CTreeItem* node = GetTreeItem(nRow);
    CRect row;
    if (!node || !GetItemRect(nRow, &row, LVIR_BOUNDS))
        return CRect();
    const int w = m_cxImage / 2 + 3;
    const int h = m_cyImage / 2 + 3;
    const int x = node->m_nIndent * m_cxImage + row.left - m_cxImage / 2;
    const int y = row.top + (row.bottom - m_cyImage - row.top) / 2 + m_cxImage / 2;
    return CRect(CPoint(x - w / 2, y - h / 2), CSize(w, h));
}

namespace
{

// A dotted frame, as a focus rectangle looks.
void FocusFrame(CDC* dc, const CRect& r)
{
    for (int x = r.left; x < r.right; x += 2) {
        dc->SetPixel(x, r.top, RGB(0, 0, 0));
        dc->SetPixel(x, r.bottom - 1, RGB(0, 0, 0));
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        dc->SetPixel(r.left, y, RGB(0, 0, 0));
        dc->SetPixel(r.right - 1, y, RGB(0, 0, 0));
    }
}

CString Fit(CDC* dc, const CString& text, int width)
{
    return FitText(text, width, [&](int n) {
        return n < 0 ? dc->GetTextExtent("...", 3).cx : dc->GetTextExtent(text.GetString(), n).cx;
    });
}

// The drop-down button of a cell: a raised square with a down arrow.
void DropButton(CDC* dc, const CRect& cell)
{
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    CRect button(std::max(cell.left, cell.right - w), cell.top, cell.right, cell.bottom);
    dc->FillSolidRect(&button, GetSysColor(COLOR_BTNFACE));
    dc->Draw3dRect(&button, RGB(255, 255, 255), RGB(128, 128, 128));
    const int cx = button.CenterPoint().x, cy = button.CenterPoint().y;
    for (int i = 0; i < 4; ++i) {
        dc->MoveTo(cx - 3 + i, cy - 1 + i);
        dc->LineTo(cx + 4 - i, cy - 1 + i);
    }
}

} // namespace

void CSuperGridCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = static_cast<CDC*>(lpDrawItemStruct->hDC);
    const int nItem = int(lpDrawItemStruct->itemID);
    CTreeItem* node = GetTreeItem(nItem);
    CItemInfo* info = GetItemInfo(node);
    if (!dc || !info)
        return;
    const bool selected = GetItemState(nItem, LVIS_SELECTED) != 0;
    const bool dropTarget = nItem == m_nDropItem;
    const COLORREF textColor = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const COLORREF backColor = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    CRect row(lpDrawItemStruct->rcItem);
    const int firstWidth = GetColumnWidth(0);
    const int left = row.left;

    // The image the tree wants for the row becomes the list item's image.
    LVITEM lvi {};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = nItem;
    GetItem(&lvi);
    const int icon = GetIcon(node);
    if (icon != -1 && icon != lvi.iImage) {
        lvi.iImage = icon;
        SetItem(&lvi);
    }
    const int image = lvi.iImage >= 0 ? lvi.iImage : info->GetImage();
    const int x = node->m_nIndent * m_cxImage + left;
    dc->FillSolidRect(CRect(left, row.top, left + firstWidth, row.bottom), GetSysColor(COLOR_WINDOW));
    if (CImageList* images = GetImageList(LVSIL_SMALL); images && image >= 0 && x < left + firstWidth)
        images->Draw(dc, image, CPoint(x, row.top + (row.Height() - m_cyImage) / 2),
            ILD_TRANSPARENT | (dropTarget ? ILD_BLEND50 : 0));

    // Tree lines: the ancestors' levels with later siblings, the row's own
    // connector, and the box of a node with children.
    const int half = m_cxImage / 2;
    const int middle = row.top + (row.bottom - m_cyImage - row.top) / 2 + half;
    CPen* oldPen = dc->SelectObject(&m_linePen);
    for (const CTreeItem* up = node->m_pParent; up && up->m_pParent; up = up->m_pParent) {
        if (up->m_pParent->m_listChild.back() != up) {
            const int lx = up->m_nIndent * m_cxImage + left - half;
            dc->MoveTo(lx, row.top);
            dc->LineTo(lx, row.bottom);
        }
    }
    const int cx = node->m_nIndent * m_cxImage + left - half;
    if (node->m_pParent) {
        const bool later = node->m_pParent->m_listChild.back() != node;
        dc->MoveTo(cx, row.top);
        dc->LineTo(cx, later ? row.bottom : middle);
    }
    dc->MoveTo(cx, middle);
    dc->LineTo(std::min(x, left + firstWidth), middle);
    if (ItemHasChildren(node)) {
        const CRect box = BoxRect(nItem);
        if (!node->m_bHideChildren) {
            dc->MoveTo(cx + m_cxImage, middle + half);
            dc->LineTo(cx + m_cxImage, row.bottom);
        }
        CBrush* oldBrush = dc->SelectObject(&m_boxBrush);
        dc->Rectangle(&box);
        dc->SelectObject(oldBrush);
        dc->SelectObject(&m_signPen);
        const CPoint c = box.CenterPoint();
        dc->MoveTo(c.x - 2, c.y);
        dc->LineTo(c.x + 3, c.y);
        if (node->m_bHideChildren) {
            dc->MoveTo(c.x, c.y - 2);
            dc->LineTo(c.x, c.y + 3);
        }
    }
    dc->SelectObject(oldPen);

    // The state image (state bits 12-15 hold its index + 1) after the
    // row's image, when it fits the first column; the label follows it.
    int labelLeft = left + (node->m_nIndent + 1) * m_cxImage + 2;
    const int state = int((GetItemState(nItem, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) - 1;
    IMAGEINFO stateInfo {};
    if (CImageList* states = GetImageList(LVSIL_STATE);
        states && state >= 0 && states->GetImageInfo(state, &stateInfo)) {
        const int width = stateInfo.rcImage.right - stateInfo.rcImage.left;
        const int height = stateInfo.rcImage.bottom - stateInfo.rcImage.top;
        if (labelLeft + width <= left + firstWidth) {
            states->Draw(
                dc, state, CPoint(labelLeft, row.top + (row.Height() - height) / 2), ILD_TRANSPARENT);
            labelLeft += width;
        }
    }

    // The label.
    CRect label(std::min(labelLeft, left + firstWidth), row.top, left + firstWidth, row.bottom);
    dc->FillSolidRect(
        &label, info->GetItemClr() != COLORREF(-1) ? info->GetItemClr() : GetSysColor(COLOR_WINDOW));
    if (selected && m_CurSubItem == 0) {
        dc->FillSolidRect(&label, GetCellRGB());
        FocusFrame(dc, label);
    }
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(selected && m_CurSubItem == 0 ? textColor : GetSysColor(COLOR_WINDOWTEXT));
    CRect text = label;
    text.left += 2;
    const CString shown
        = m_bEditing && m_nEditRow == nItem && m_nEditColumn == 0 ? m_strEditText : info->GetItemText();
    dc->DrawText(Fit(dc, shown, text.Width()), -1, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    // The further cells.
    for (int column = 1; column < GetColumnCount(); ++column) {
        CRect cell;
        if (!GetSubItemRect(nItem, column, LVIR_BOUNDS, cell))
            continue;
        const int sub = column - 1;
        const COLORREF bk = info->GetBkColor(sub);
        dc->FillSolidRect(&cell, bk != COLORREF(-1) ? bk : backColor);
        int offset = 0;
        if (CImageList* images = GetImageList(LVSIL_SMALL); images && info->GetSubItemImage(sub) >= 0) {
            images->Draw(dc, info->GetSubItemImage(sub), CPoint(cell.left, cell.top), ILD_TRANSPARENT);
            offset = m_cxImage + 2;
        }
        if (selected && !m_bIsDragging && column == m_CurSubItem) {
            CRect focus(cell.left + offset, cell.top, cell.right, cell.bottom);
            dc->FillSolidRect(&focus, GetCellRGB());
            FocusFrame(dc, focus);
        }
        LVCOLUMN lvc {};
        lvc.mask = LVCF_FMT;
        GetColumn(column, &lvc);
        CRect area(cell.left + offset + 6, cell.top, cell.right - 6, cell.bottom);
        const CString value = info->GetSubItem(sub);
        const CString fitted = Fit(dc, value, area.Width());
        const UINT align = fitted != value ? DT_LEFT : ColumnTextAlignment(lvc.fmt);
        dc->SetTextColor(selected ? textColor : GetSysColor(COLOR_WINDOWTEXT));
        dc->DrawText(fitted, -1, &area, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        CONTROLTYPE type;
        if (selected && info->GetControlType(sub, type) && type == combobox)
            DropButton(dc, cell);
    }
}

} // namespace morrik
