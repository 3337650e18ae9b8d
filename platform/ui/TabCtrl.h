// The tab control: a row of tabs with texts and images from an image list;
// TCN_SELCHANGING lets the parent refuse a change the user makes.
#pragma once

#include "platform/ui/ImageList.h"
#include "platform/ui/Wnd.h"

constexpr UINT TCM_GETIMAGELIST = 0x1302;
constexpr UINT TCM_SETIMAGELIST = 0x1303;
constexpr UINT TCM_GETITEMCOUNT = 0x1304;
constexpr UINT TCM_GETITEM = 0x1305;
constexpr UINT TCM_SETITEM = 0x1306;
constexpr UINT TCM_INSERTITEM = 0x1307;
constexpr UINT TCM_DELETEITEM = 0x1308;
constexpr UINT TCM_DELETEALLITEMS = 0x1309;
constexpr UINT TCM_GETITEMRECT = 0x130A;
constexpr UINT TCM_GETCURSEL = 0x130B;
constexpr UINT TCM_SETCURSEL = 0x130C;
constexpr UINT TCM_ADJUSTRECT = 0x1328;
constexpr UINT TCM_SETITEMSIZE = 0x1329;
constexpr UINT TCM_GETROWCOUNT = 0x132C;

constexpr UINT TCIF_TEXT = 0x1;
constexpr UINT TCIF_IMAGE = 0x2;
constexpr UINT TCIF_PARAM = 0x8;

constexpr DWORD TCS_MULTILINE = 0x0200;
constexpr DWORD TCS_FIXEDWIDTH = 0x0400;

struct TCITEM {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};

class PLATFORM_UI_API CTabCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetItemCount() const;
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    CSize SetItemSize(CSize size);
    int GetRowCount() const;
    // Gives the list set before (not owned).
    HIMAGELIST SetImageList(CImageList* pImageList);
    HIMAGELIST GetImageList() const;
    // Between the control's window rectangle and its display area.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
};
