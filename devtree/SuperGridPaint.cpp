// Painting one row of the tree-in-list control: icon, tree lines, the
// plus/minus box, the label and the further columns.
#include "devtree/SuperGridCtrl.h"

#include "controls/ListInPlaceEdit.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"

#include <algorithm>

namespace
{

int Extent(const char* text, int length, void* context)
{
    return static_cast<CDC*>(context)->GetTextExtent(text, length).cx;
}

// A dotted frame, as the focus rectangle looks.
void DrawFocusRect(CDC* dc, const CRect& r)
{
    const COLORREF color = RGB(0, 0, 0);
    for (int x = r.left; x < r.right; x += 2) {
        dc->SetPixel(x, r.top, color);
        dc->SetPixel(x, r.bottom - 1, color);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        dc->SetPixel(r.left, y, color);
        dc->SetPixel(r.right - 1, y, color);
    }
}

} // namespace

void CSuperGridCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    TEXTMETRIC tm {};
    if (GetWidget()) {
        CClientDC dc(this);
        dc.GetTextMetrics(&tm);
    }
    lpMeasureItemStruct->itemHeight
        = UINT(std::max<LONG>(tm.tmHeight + tm.tmExternalLeading + 4, m_cyImage + 2));
}

void CSuperGridCtrl::DrawTreeLines(CDC* dc, const CTreeItem* node, const CRect& row, int columnWidth)
{
    const int half = m_cxImage / 2;
    const int middle = row.top + (row.bottom - m_cyImage - row.top) / 2 + half;
    CPen* oldPen = dc->SelectObject(&m_linePen);
    // The lines of the ancestors' levels that still have later siblings.
    for (const CTreeItem* up = node->m_pParent; up && up->m_pParent; up = up->m_pParent) {
        const auto& siblings = up->m_pParent->m_listChild;
        if (!siblings.empty() && siblings.back() != up) {
            const int x = m_cxImage * up->m_nIndent - half + row.left;
            dc->MoveTo(x, row.top);
            dc->LineTo(x, row.bottom);
        }
    }
    // The node's own connector.
    const int x = m_cxImage * node->m_nIndent - half + row.left;
    const bool laterSibling = node->m_pParent && node->m_pParent->m_listChild.back() != node;
    dc->MoveTo(x, row.top);
    dc->LineTo(x, laterSibling ? row.bottom : middle + 1);
    dc->MoveTo(x, middle);
    dc->LineTo(std::min(x + half, columnWidth), middle);
    if (HasChildren(node)) {
        if (!node->m_bHideChildren) {
            // Down towards the children, from below the icon.
            const int childX = x + m_cxImage;
            dc->MoveTo(childX, middle + half);
            dc->LineTo(childX, row.bottom);
        }
        const int w = half + 3;
        const int h = m_cyImage / 2 + 3;
        const CRect box(CPoint(x - w / 2, middle - h / 2), CSize(w, h));
        dc->SelectObject(&m_boxPen);
        CBrush* oldBrush = dc->SelectObject(&m_boxBrush);
        dc->Rectangle(&box);
        dc->SelectObject(oldBrush);
        dc->SelectObject(&m_signPen);
        dc->MoveTo(x - 2, middle);
        dc->LineTo(x + 3, middle);
        if (node->m_bHideChildren) {
            dc->MoveTo(x, middle - 2);
            dc->LineTo(x, middle + 3);
        }
    }
    dc->SelectObject(oldPen);
}

void CSuperGridCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->itemAction != ODA_DRAWENTIRE)
        return;
    auto* dc = static_cast<CDC*>(lpDrawItemStruct->hDC);
    CImageList* images = GetImageList(LVSIL_SMALL);
    const int nItem = int(lpDrawItemStruct->itemID);
    CTreeItem* node = NodeAtRow(nItem);
    if (!images || !node || !node->m_lpNodeInfo)
        return;
    CItemInfo* info = node->m_lpNodeInfo;
    const UINT state = GetItemState(nItem, 0xFFFF);
    const bool selected = state & LVIS_SELECTED;
    const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF textColor = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);

    const int image = GetIcon(node);
    LVITEM lvi {};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = nItem;
    GetItem(&lvi);
    if (image != -1 && image != lvi.iImage) {
        lvi.iImage = image;
        m_rows[size_t(nItem)].image = image; // no repaint from inside the paint
    }

    CRect row, label;
    GetItemRect(nItem, &row, LVIR_BOUNDS);
    GetItemRect(nItem, &label, LVIR_LABEL);
    const int columnWidth = GetColumnWidth(0) + row.left;
    const int indent = node->m_nIndent;
    // Icon and lines only while the icon fits the first column.
    if ((indent + 1) * m_cxImage + row.left <= columnWidth - 2) {
        const int iconY = label.bottom - m_cyImage - (label.bottom - m_cyImage - label.top) / 2;
        dc->FillSolidRect(
            row.left, row.top, (indent + 1) * m_cxImage + 2, row.Height(), GetSysColor(COLOR_WINDOW));
        images->Draw(dc, image, CPoint(row.left + indent * m_cxImage, iconY),
            (state & LVIS_DROPHILITED) ? ILD_BLEND50 : ILD_TRANSPARENT);
        DrawTreeLines(dc, node, row, columnWidth);
    }

    const int textLeft = std::min(row.left + (indent + 1) * m_cxImage + 2, columnWidth);
    dc->FillSolidRect(textLeft, row.top, row.right - textLeft, row.Height(), background);
    CRect first(textLeft, row.top, std::max(textLeft, label.right), row.bottom);
    if (info->GetItemColor() != COLORREF(-1))
        dc->FillSolidRect(&first, info->GetItemColor());
    if (selected && m_nCurrentColumn == 0) {
        dc->FillSolidRect(&first, GetCellRGB());
        DrawFocusRect(dc, first);
    }

    // The first column grows to show the whole label, until the next press.
    CString text = info->GetItemText();
    if (m_bEditing && m_nEditingRow == nItem && s_pEdit && s_pEdit->GetSafeHwnd())
        s_pEdit->GetWindowText(text);
    if (m_bResetWidth) {
        m_bResetWidth = 0;
        SetColumnWidth(0, m_nColumnWidthBase);
        m_nColumnWidth = m_nColumnWidthBase;
    }
    const int needed = label.left - row.left + dc->GetTextExtent(text).cx + 10;
    if (needed > m_nColumnWidth) {
        m_nColumnWidth = needed;
        m_columns[0].cx = needed; // no repaint from inside the paint
    }

    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(textColor);
    CRect textRect(label.left + 2, label.top, label.right - 2, label.bottom);
    const CString shown = ShortenText(text, textRect.Width(), 0, Extent, dc);
    dc->DrawText(shown, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXTERNALLEADING);

    CRect client;
    GetListClientRect(&client);
    for (int col = 1; col < GetColumnCount(); ++col) {
        CRect cell;
        GetSubItemRect(nItem, col, LVIR_BOUNDS, cell);
        if (cell.right < client.left || cell.left > client.right)
            continue;
        const COLORREF cellColor = info->GetCellColor(col - 1);
        if (cellColor != COLORREF(-1))
            dc->FillSolidRect(&cell, cellColor);
        int offset = 0;
        const int cellImage = info->GetSubItemImage(col - 1);
        if (cellImage != -1 && m_pSubItemImages) {
            m_pSubItemImages->Draw(dc, cellImage, CPoint(cell.left, cell.top), ILD_TRANSPARENT);
            offset = m_cxImage + 2;
        }
        if (selected && !m_bIsDragging && m_nCurrentColumn == col) {
            CRect focus(cell.left + offset, cell.top, cell.right, cell.bottom);
            dc->FillSolidRect(&focus, GetCellRGB());
            DrawFocusRect(dc, focus);
        }
        const CString sub = info->GetSubItem(col - 1);
        CRect subRect(cell.left + offset + 6, cell.top, cell.right - 6, cell.bottom);
        const CString cut = ShortenText(sub, cell.Width() - offset, 6, Extent, dc);
        UINT align = DT_LEFT;
        LVCOLUMN lvc {};
        lvc.mask = LVCF_FMT;
        GetColumn(col, &lvc);
        if (cut == sub) {
            if ((lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
                align = DT_RIGHT;
            else if ((lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER)
                align = DT_CENTER;
        }
        dc->DrawText(cut, -1, &subRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
        if (selected && info->GetControlType(col - 1) == CT_COMBOBOX) {
            // A drop-down button at the cell's right edge.
            const int w = 16;
            CRect button(cell.right - w, cell.top, cell.right, cell.bottom);
            dc->FillSolidRect(&button, GetSysColor(COLOR_BTNFACE));
            dc->Draw3dRect(&button, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        }
    }
}
