// The records of the cell grid: one cell, cell ids and ranges, the exchange
// record of GetItem/SetItem and of the editors, and the notifications the
// grid sends to its owner.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/GdiTypes.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Wnd.h"
#include "resources/setup/Resource.h"

#include <vector>

// Notification codes (those of the matching list-view codes).
constexpr UINT GVN_SELCHANGING = UINT(-100);
constexpr UINT GVN_SELCHANGED = UINT(-101);
constexpr UINT GVN_BEGINLABELEDIT = UINT(-105);
constexpr UINT GVN_ENDLABELEDIT = UINT(-106);
constexpr UINT GVN_BEGINDRAG = UINT(-109);

// Cell state flags.
constexpr UINT GVIS_FOCUSED = 0x01;
constexpr UINT GVIS_SELECTED = 0x02;
constexpr UINT GVIS_DROPHILITED = 0x04;
constexpr UINT GVIS_READONLY = 0x08;
constexpr UINT GVIS_MODIFIED = 0x20;

// GV_ITEM mask bits.
constexpr UINT GVIF_TEXT = 0x01;
constexpr UINT GVIF_IMAGE = 0x02;
constexpr UINT GVIF_PARAM = 0x04;
constexpr UINT GVIF_STATE = 0x08;
constexpr UINT GVIF_BKCLR = 0x10;
constexpr UINT GVIF_FGCLR = 0x20;
constexpr UINT GVIF_FORMAT = 0x40;

// Grid-line modes.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// The longest text a cell keeps; longer texts are cut there.
constexpr int GRID_MAX_CELL_TEXT = 1024;

class CGridCell
{
public:
    virtual ~CGridCell() = default;

    UINT state = 0;
    UINT nFormat = 0;
    CString szText;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LOGFONT lfFont {};
    LPARAM lParam = 0;
};

struct CCellID {
    int row = -1;
    int col = -1;
    CCellID() = default;
    CCellID(int nRow, int nCol)
        : row(nRow)
        , col(nCol)
    {
    }
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& o) const { return row == o.row && col == o.col; }
    bool operator!=(const CCellID& o) const { return !(*this == o); }
};

class CCellRange
{
public:
    CCellRange(int minRow = -1, int minCol = -1, int maxRow = -1, int maxCol = -1)
        : m_nMinRow(minRow)
        , m_nMinCol(minCol)
        , m_nMaxRow(maxRow)
        , m_nMaxCol(maxCol)
    {
    }
    bool IsValid() const
    {
        return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= m_nMinRow && m_nMaxCol >= m_nMinCol;
    }
    bool InRange(int row, int col) const
    {
        return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
    int GetMinRow() const { return m_nMinRow; }
    int GetMinCol() const { return m_nMinCol; }
    int GetMaxRow() const { return m_nMaxRow; }
    int GetMaxCol() const { return m_nMaxCol; }
    int Count() const { return IsValid() ? (m_nMaxRow - m_nMinRow + 1) * (m_nMaxCol - m_nMinCol + 1) : 0; }
    bool operator==(const CCellRange& o) const
    {
        return m_nMinRow == o.m_nMinRow && m_nMinCol == o.m_nMinCol && m_nMaxRow == o.m_nMaxRow
            && m_nMaxCol == o.m_nMaxCol;
    }

    int m_nMinRow, m_nMinCol, m_nMaxRow, m_nMaxCol;
};

// The option texts that a column's in-place list offers.
class CGridColumnOptions
{
public:
    int m_nOptions = 0;
    std::vector<CString> m_strOptions;
};

struct GV_ITEM {
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT state = 0;
    UINT nFormat = 0;
    CString szText;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
};

// The end-of-edit record an in-place editor sends its grid.
struct GV_DISPINFO {
    NMHDR hdr;
    GV_ITEM item;
};

// Selects the font a window answers WM_GETFONT with into a DC, for the life
// of the scope (the grid and its editors share the grid's font so).
class CWindowFontSelection
{
public:
    CWindowFontSelection(CDC* dc, CWnd* wnd)
        : m_dc(dc)
    {
        auto font = wnd ? reinterpret_cast<HFONT>(wnd->SendMessage(WM_GETFONT)) : nullptr;
        if (font && m_font.Attach(font))
            m_old = dc->SelectObject(&m_font);
    }
    ~CWindowFontSelection()
    {
        if (m_old)
            m_dc->SelectObject(m_old);
        m_font.Detach();
    }
    CWindowFontSelection(const CWindowFontSelection&) = delete;
    CWindowFontSelection& operator=(const CWindowFontSelection&) = delete;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_old = nullptr;
};

struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow;
    int iColumn;
};
