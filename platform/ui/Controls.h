// The standard controls as window objects: each operation is the control's
// documented message.
#pragma once

#include "platform/ui/Wnd.h"

class PLATFORM_UI_API CStatic : public CWnd
{
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
};

class PLATFORM_UI_API CButton : public CWnd
{
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCheck() const { return int(Send(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, WPARAM(nCheck)); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }

private:
    LRESULT Send(UINT m, WPARAM w = 0, LPARAM l = 0) const
    {
        return const_cast<CButton*>(this)->SendMessage(m, w, l);
    }
};

class PLATFORM_UI_API CEdit : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, WPARAM(nChars)); }
    UINT GetLimitText() const { return UINT(const_cast<CEdit*>(this)->SendMessage(EM_GETLIMITTEXT)); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetPasswordChar(char ch) { SendMessage(EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(ch))); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return BOOL(SendMessage(EM_SETREADONLY, WPARAM(bReadOnly))); }
};

// The progress bar has no Qt counterpart here: the system's own classes
// derived from it paint it (WM_PAINT). The trackbar is a Qt slider.
constexpr char TRACKBAR_CLASS[] = "msctls_trackbar32";
constexpr char PROGRESS_CLASS[] = "msctls_progress32";

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr DWORD TBS_VERT = 0x0002;

// Custom drawing: a trackbar tells its parent (WM_NOTIFY, NM_CUSTOMDRAW)
// each time it draws itself anew, the whole control first and, when the
// parent asks for it, each part.
constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr LRESULT CDRF_DODEFAULT = 0x00;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
constexpr DWORD_PTR TBCD_TICS = 1;
constexpr DWORD_PTR TBCD_THUMB = 2;
constexpr DWORD_PTR TBCD_CHANNEL = 3;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage;
    HDC hdc;
    RECT rc;
    DWORD_PTR dwItemSpec;
    UINT uItemState;
    LPARAM lItemlParam;
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

class PLATFORM_UI_API CSliderCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(TRACKBAR_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetPos() const { return int(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETPOS)); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, LPARAM(nPos)); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, LPARAM(nMin));
        SendMessage(TBM_SETRANGEMAX, WPARAM(bRedraw), LPARAM(nMax));
    }
    int GetRangeMin() const { return int(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return int(const_cast<CSliderCtrl*>(this)->SendMessage(TBM_GETRANGEMAX)); }
};

class PLATFORM_UI_API CProgressCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
    }
};

// The control id of an editable combo box's edit part, a child window of
// the combo that GetDlgItem gives (and so SubclassDlgItem takes over).
constexpr int COMBO_EDIT_ID = 1001;

class PLATFORM_UI_API CComboBox : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int AddString(LPCTSTR lpszString) { return int(SendMessage(CB_ADDSTRING, 0, Text(lpszString))); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return int(SendMessage(CB_INSERTSTRING, WPARAM(nIndex), Text(lpszString)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(CB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return int(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return int(Send(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(CB_SETCURSEL, WPARAM(nSelect))); }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return int(Send(CB_GETLBTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszText)));
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return int(Send(CB_GETLBTEXTLEN, WPARAM(nIndex))); }
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return int(Send(CB_FINDSTRING, WPARAM(nStartAfter), Text(lpszString)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return int(Send(CB_FINDSTRINGEXACT, WPARAM(nIndexStart), Text(lpszFind)));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return int(SendMessage(CB_SELECTSTRING, WPARAM(nStartAfter), Text(lpszString)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return int(SendMessage(CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
    }
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(Send(CB_GETITEMDATA, WPARAM(nIndex))); }
    BOOL LimitText(int nMaxChars) { return BOOL(SendMessage(CB_LIMITTEXT, WPARAM(nMaxChars))); }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, WPARAM(bShowIt)); }
    // The width in pixels the drop-down list offers its entries.
    void SetHorizontalExtent(UINT nExtent) { SendMessage(CB_SETHORIZONTALEXTENT, WPARAM(nExtent)); }
    UINT GetHorizontalExtent() const { return UINT(Send(CB_GETHORIZONTALEXTENT)); }

private:
    static LPARAM Text(LPCTSTR s) { return reinterpret_cast<LPARAM>(s ? s : ""); }
    LRESULT Send(UINT m, WPARAM w = 0, LPARAM l = 0) const
    {
        return const_cast<CComboBox*>(this)->SendMessage(m, w, l);
    }
};

class PLATFORM_UI_API CListBox : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int AddString(LPCTSTR lpszItem) { return int(SendMessage(LB_ADDSTRING, 0, Text(lpszItem))); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return int(SendMessage(LB_INSERTSTRING, WPARAM(nIndex), Text(lpszItem)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return int(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return int(Send(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(LB_SETCURSEL, WPARAM(nSelect))); }
    int GetSel(int nIndex) const { return int(Send(LB_GETSEL, WPARAM(nIndex))); }
    int SetSel(int nIndex, BOOL bSelect = TRUE)
    {
        return int(SendMessage(LB_SETSEL, WPARAM(bSelect), LPARAM(nIndex)));
    }
    int GetSelCount() const { return int(Send(LB_GETSELCOUNT)); }
    int GetSelItems(int nMaxItems, int* rgIndex) const
    {
        return int(Send(LB_GETSELITEMS, WPARAM(nMaxItems), reinterpret_cast<LPARAM>(rgIndex)));
    }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return int(Send(LB_GETTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return int(Send(LB_GETTEXTLEN, WPARAM(nIndex))); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return int(Send(LB_FINDSTRING, WPARAM(nStartAfter), Text(lpszItem)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return int(Send(LB_FINDSTRINGEXACT, WPARAM(nIndexStart), Text(lpszFind)));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return int(SendMessage(LB_SELECTSTRING, WPARAM(nStartAfter), Text(lpszItem)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return int(SendMessage(LB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
    }
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(Send(LB_GETITEMDATA, WPARAM(nIndex))); }
    int GetTopIndex() const { return int(Send(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return int(SendMessage(LB_SETTOPINDEX, WPARAM(nIndex))); }

private:
    static LPARAM Text(LPCTSTR s) { return reinterpret_cast<LPARAM>(s ? s : ""); }
    LRESULT Send(UINT m, WPARAM w = 0, LPARAM l = 0) const
    {
        return const_cast<CListBox*>(this)->SendMessage(m, w, l);
    }
};
