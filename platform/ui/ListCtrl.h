// CListCtrl: the report-style list control, as our own window, since Qt has
// no list with owner-drawn rows, item indent and the list's hit-test codes.
//
// The rows live in the object itself, so the control works (insert, select,
// hit-test) before and without a visible window; painting asks the owner
// drawer (DrawItem) for every visible row. Notifications (LVN_*, NM_*) go to the
// parent as WM_NOTIFY and are offered back to the control first
// (reflection).
#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/String.h"
#include "platform/ui/Wnd.h"

#include <vector>

class CImageList;

// Item masks, states and search flags, with their documented values.
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;
constexpr UINT LVIF_INDENT = 0x0010;

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIS_CUT = 0x0004;
constexpr UINT LVIS_DROPHILITED = 0x0008;
constexpr UINT LVIS_OVERLAYMASK = 0x0F00;
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT i)
{
    return i << 12;
}

constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;

constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;
constexpr UINT LVHT_ABOVE = 0x0008;
constexpr UINT LVHT_BELOW = 0x0010;
constexpr UINT LVHT_TORIGHT = 0x0020;
constexpr UINT LVHT_TOLEFT = 0x0040;

constexpr UINT LVIR_BOUNDS = 0;
constexpr UINT LVIR_ICON = 1;
constexpr UINT LVIR_LABEL = 2;
constexpr UINT LVIR_SELECTBOUNDS = 3;

constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;
constexpr int LVCFMT_JUSTIFYMASK = 0x0003;

// Window styles of the list.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SMALLICON = 0x0002;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_SHAREIMAGELISTS = 0x0040;
constexpr DWORD LVS_EDITLABELS = 0x0200;
constexpr DWORD LVS_OWNERDRAWFIXED = 0x0400;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
constexpr DWORD LVS_EX_CHECKBOXES = 0x0004;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

// Owner drawing.
constexpr UINT ODT_LISTVIEW = 102;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_FOCUS = 0x0010;

struct LVITEM {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    char* pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
};
using LV_ITEM = LVITEM;

struct LVCOLUMN {
    UINT mask;
    int fmt;
    int cx;
    char* pszText;
    int cchTextMax;
    int iSubItem;
};
using LV_COLUMN = LVCOLUMN;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
};

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
};
using NM_LISTVIEW = NMLISTVIEW;

struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};
using LV_DISPINFO = NMLVDISPINFO;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};
using LV_KEYDOWN = NMLVKEYDOWN;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    void* hDC; // the CDC* the row paints into
    RECT rcItem;
    UINT_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    UINT_PTR itemData;
};
using LPMEASUREITEMSTRUCT = MEASUREITEMSTRUCT*;

// From an edit opened over a cell (lParam: its handle): the edit has
// reported its text; the list destroys it.
constexpr UINT WM_INPLACE_EDIT_CLOSE = WM_APP + 0x151;

// The window class of the list.
constexpr char WC_LISTVIEW[] = "SysListView32";

class PLATFORM_UI_API CListCtrl : public CWnd
{
public:
    CListCtrl() = default;
    ~CListCtrl() override = default;

    // A child list window; the list styles (LVS_*) are kept by the control.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnCount() const { return int(m_columns.size()); }

    // Items. Rows are numbered from 0 in display order.
    int GetItemCount() const { return int(m_rows.size()); }
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteItem(int nItem);
    // Range forms: rows are inserted or removed in one step, so that a
    // large collapse or expand moves every later row once. InsertItems
    // takes each item's text, image, param and indent (no state); the rows
    // come at nItem, nItem + 1, ...; the first row used, or -1.
    int InsertItems(int nItem, const LVITEM* pItems, int nCount);
    BOOL DeleteItems(int nFirst, int nCount);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);
    BOOL GetCheck(int nItem) const;
    // The next row after nItem (-1: from the start) with all of the flags.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;

    // Geometry: rows of one height below the header (a report list shows the
    // column titles unless LVS_NOCOLUMNHEADER); (0, 0) is the client area's
    // top left corner, rows scrolled by the top row, rows and header by the
    // horizontal offset.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& ref) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo) const;
    int GetTopIndex() const { return m_nTopIndex; }
    int GetCountPerPage() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    // Scrolls by pixels; vertical scrolling moves whole rows.
    BOOL Scroll(CSize size);
    int GetRowHeight() const { return m_nRowHeight; }
    void SetRowHeight(int cy) { m_nRowHeight = cy > 0 ? cy : 1; }
    int GetScrollX() const { return m_nScrollX; }
    // Height of the column header, 0 when the list shows none.
    int GetHeaderHeight() const;
    // The client area; a window without a widget keeps a size of its own.
    virtual void GetListClientRect(LPRECT lpRect) const;
    void SetListClientSize(int cx, int cy) { m_clientSize = CSize(cx, cy); }

    // Image lists; the list does not own them (LVS_SHAREIMAGELISTS).
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    // Size of one image of the small and of the state list (0 when none).
    void SetImageSizes(CSize small, CSize state)
    {
        m_smallImageSize = small;
        m_stateImageSize = state;
    }

    // The width of a text in the list's font.
    int GetStringWidth(LPCTSTR lpsz) const;

    DWORD GetExtendedStyle() const { return m_dwExStyle; }
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetListStyle() const { return m_dwListStyle; }
    void ModifyListStyle(DWORD remove, DWORD add) { m_dwListStyle = (m_dwListStyle & ~remove) | add; }

    // Redraw suspension (WM_SETREDRAW) and repaints.
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL IsRedrawSuspended() const { return !m_bRedraw; }
    BOOL RedrawItems(int nFirst, int nLast);
    // Repaints the window unless redrawing is suspended.
    void InvalidateList();
    // Scrolls by whole rows (negative: up).
    void ScrollRows(int rows);

    // Owner drawing: every visible row is painted through it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Paints the visible rows, the grid lines and the header into a DC
    // (WM_PAINT, pictures of the list).
    void PaintRows(CDC* pDC);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    // Sends a list notification to the parent (reflected first); the
    // result the handler gave.
    LRESULT NotifyParent(UINT code, NMHDR* hdr);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The list's own handling of the mouse: a press selects and focuses the
    // row under it; moving with the button held starts a drag (LVN_BEGINDRAG).
    void ListLButtonDown(UINT nFlags, CPoint point);
    void ListMouseMove(UINT nFlags, CPoint point);
    void ListLButtonUp(UINT nFlags, CPoint point);

    struct Row {
        CString text;
        std::vector<CString> subItems; // column k at k - 1
        int image = -1;
        UINT state = 0;
        LPARAM lParam = 0;
        int indent = 0;
    };
    struct Column {
        CString text;
        int fmt = LVCFMT_LEFT;
        int cx = 0;
    };
    bool ValidRow(int nItem) const { return nItem >= 0 && nItem < int(m_rows.size()); }
    // Left edge of a column in client coordinates.
    int ColumnLeft(int nCol) const;
    // The DrawText alignment of a column's LVCFMT_ justification.
    static UINT ColumnTextAlignment(int fmt);
    // Top of a row in client coordinates.
    int RowTop(int nItem) const { return GetHeaderHeight() + (nItem - m_nTopIndex) * m_nRowHeight; }
    void PaintItems(CDC* pDC, const CRect& client);
    void PaintGridLines(CDC* pDC, const CRect& client);
    void PaintHeader(CDC* pDC, const CRect& client);
    void ItemChanged(int nItem, UINT oldState, UINT newState);

    std::vector<Row> m_rows;
    std::vector<Column> m_columns;
    CImageList* m_pImageLists[3] = {};
    CSize m_smallImageSize { 0, 0 };
    CSize m_stateImageSize { 0, 0 };
    CSize m_clientSize { 200, 300 };
    int m_nRowHeight = 18;
    int m_nTopIndex = 0;
    int m_nScrollX = 0;
    DWORD m_dwExStyle = 0;
    DWORD m_dwListStyle = LVS_REPORT;
    BOOL m_bRedraw = TRUE;
    int m_nPressRow = -1; // row under the left button, for drag detection
    void UpdateScrollBar();
    int m_scrollState[3] = { -1, -1, -1 }; // rows, page, top as the bar shows them
    BOOL m_bInScrollUpdate = FALSE;
    CPoint m_ptPress { 0, 0 };
    BOOL m_bClickPending = FALSE; // pressed, and no drag began: the release is a click
};
