// CWnd: a window object with a handle (CWndBase) and a Qt widget that it
// owns. The window class name picks the widget: the standard controls
// ("Button", "Edit", "Static", "ComboBox", "ListBox", "SysTabControl32")
// map onto Qt widgets and answer their documented messages; any other class
// is a plain surface that the window paints itself through WM_PAINT.
#pragma once

#include "platform/msg/WndBase.h"
#include "platform/ui/DC.h"
#include "platform/ui/UiExport.h"
#include "platform/ui/WindowStyles.h"

#include <vector>

class QWidget;
class CDataExchange;
class CScrollBar;
struct HDC__;
using HDC = HDC__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

// Control types of WM_CTLCOLOR*.
constexpr UINT CTLCOLOR_MSGBOX = 0;
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_SCROLLBAR = 5;
constexpr UINT CTLCOLOR_STATIC = 6;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

class PLATFORM_UI_API CWnd : public CWndBase
{
public:
    CWnd();
    ~CWnd() override;

    // The window object of a handle, or null.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }
    operator HWND() const { return m_hWnd; }

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
        int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    BOOL DestroyWindow() override;
    // Makes this object the window object of an existing control.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    BOOL SubclassWindow(HWND hWnd);

    DWORD GetStyle() const { return m_dwStyle; }
    DWORD GetExStyle() const { return m_dwExStyle; }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    CWnd* GetParent() const;
    CWnd* GetOwner() const { return m_pOwner ? m_pOwner : GetParent(); }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const;
    // Children in creation order; null past the last.
    CWnd* GetNextDlgGroupItem(CWnd* pCtl, BOOL bPrevious = FALSE) const;
    // The next (or previous) enabled, visible tab stop after a control, wrapping.
    CWnd* GetNextDlgTabItem(CWnd* pCtl, BOOL bPrevious = FALSE) const;

    // Position and size. Child windows are placed in their parent's client
    // coordinates, top-level windows in screen coordinates.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    // Raises the window above the others and gives it the input focus.
    BOOL SetForegroundWindow();
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;

    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    // The window's big or small icon; gives the one it had before. A window
    // shows its icons in its title bar.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();

    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
        UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Scroll bars of the window (SB_HORZ, SB_VERT) or of a scroll-bar control (SB_CTL).
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const;
    int GetScrollLimit(int nBar) const;
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);

    // Dialog items.
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;

    // Data exchange between controls and members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Called with every keyboard and mouse message before it is dispatched,
    // from the window that gets it up to its top-level parent; TRUE eats it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The widget; for the layer's own code.
    QWidget* GetWidget() const { return m_pWidget; }
    // The window's painted surface (null for widget-drawn controls).
    QImage* GetSurface() const;

    // Default handlers, for derived handlers to call on.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Default processing of the message being handled.
    LRESULT Default();
    void OnHandleDestroyed() override;
    void PostNcDestroy() override;
    // Windows the layer creates for template controls delete themselves.
    BOOL m_bAutoDelete = FALSE;

private:
    friend class CDialog;
    friend class WndWidgetAccess;
    BOOL CreateWidget(const CREATESTRUCT& cs, CWnd* pParent);
    // Child windows in creation order.
    std::vector<CWnd*> ChildWindows() const;

    QWidget* m_pWidget = nullptr;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    CWnd* m_pOwner = nullptr;
    CFont* m_pFont = nullptr;
    HICON m_hWndIcons[2] = {}; // small, big
    const MSG* m_pCurrentMsg = nullptr;
};

// A window's DC for painting in WM_PAINT: it covers the area to be painted.
class PLATFORM_UI_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps {};

protected:
    CWnd* m_pWnd;
};

// A window's DC outside WM_PAINT: what it draws shows at once.
class PLATFORM_UI_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);

protected:
    CWnd* m_pWnd;
};

class PLATFORM_UI_API CWindowDC : public CClientDC
{
public:
    explicit CWindowDC(CWnd* pWnd)
        : CClientDC(pWnd)
    {
    }
};

// A device context from its handle (WM_CTLCOLOR*, WM_ERASEBKGND); a CDC's
// handle is its address.
inline CDC* CDCFromHandle(HDC hDC)
{
    return reinterpret_cast<CDC*>(hDC);
}
inline HDC HandleOf(CDC* pDC)
{
    return reinterpret_cast<HDC>(pDC);
}

PLATFORM_UI_API HWND GetFocus();
PLATFORM_UI_API HWND SetFocus(HWND hWnd);
PLATFORM_UI_API HWND GetCapture();
PLATFORM_UI_API BOOL ReleaseCapture();
PLATFORM_UI_API BOOL EnableWindow(HWND hWnd, BOOL bEnable);
PLATFORM_UI_API BOOL IsWindowEnabled(HWND hWnd);
PLATFORM_UI_API BOOL IsWindowVisible(HWND hWnd);
PLATFORM_UI_API BOOL ShowWindow(HWND hWnd, int nCmdShow);

// Cursors: the standard shapes by their documented ids.
#define IDC_ARROW reinterpret_cast<LPCTSTR>(32512)
#define IDC_IBEAM reinterpret_cast<LPCTSTR>(32513)
#define IDC_WAIT reinterpret_cast<LPCTSTR>(32514)
#define IDC_CROSS reinterpret_cast<LPCTSTR>(32515)
#define IDC_SIZENWSE reinterpret_cast<LPCTSTR>(32642)
#define IDC_SIZENESW reinterpret_cast<LPCTSTR>(32643)
#define IDC_SIZEWE reinterpret_cast<LPCTSTR>(32644)
#define IDC_SIZENS reinterpret_cast<LPCTSTR>(32645)
#define IDC_SIZEALL reinterpret_cast<LPCTSTR>(32646)
#define IDC_NO reinterpret_cast<LPCTSTR>(32648)
#define IDC_HAND reinterpret_cast<LPCTSTR>(32649)
PLATFORM_UI_API HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
// Sets the cursor over the window under the mouse (or the capture window);
// gives the previous one.
PLATFORM_UI_API HCURSOR SetCursor(HCURSOR hCursor);
PLATFORM_UI_API HCURSOR GetCursor();
// Where the mouse is, in screen coordinates.
PLATFORM_UI_API BOOL GetCursorPos(LPPOINT lpPoint);
// The wait cursor, counted: each begin needs an end.
PLATFORM_UI_API void BeginWaitCursor();
PLATFORM_UI_API void EndWaitCursor();
// The wait cursor for the life of a scope.
class CWaitCursor
{
public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() { EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// Message-map entries whose handlers take drawing or window objects.
#define ON_WM_PAINT()                                                                                        \
    {                                                                                                        \
        WM_PAINT, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnPaint(); return true;)                            \
    }                                                                                                        \
    ,
// The icon a minimised window shows while it is dragged.
#define ON_WM_QUERYDRAGICON()                                                                                \
    {                                                                                                        \
        WM_QUERYDRAGICON, 0, 0, 0,                                                                           \
            PLATFORM_THUNK(*r = reinterpret_cast<LRESULT>(PLATFORM_THIS->OnQueryDragIcon()); return true;)   \
    }                                                                                                        \
    ,
#define ON_WM_ERASEBKGND()                                                                                   \
    {                                                                                                        \
        WM_ERASEBKGND, 0, 0, 0,                                                                              \
            PLATFORM_THUNK(*r = PLATFORM_THIS->OnEraseBkgnd(CDCFromHandle(reinterpret_cast<HDC>(w)));        \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define PLATFORM_CTLCOLOR_ENTRY(message, type)                                                               \
    {                                                                                                        \
        message, 0, 0, 0,                                                                                    \
            PLATFORM_THUNK(*r = reinterpret_cast<LRESULT>(                                                   \
                               PLATFORM_THIS->OnCtlColor(CDCFromHandle(reinterpret_cast<HDC>(w)),            \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(l)), type));                      \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_CTLCOLOR()                                                                                     \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)                                                  \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)                                            \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)                                                    \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)                                                    \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)                                        \
    PLATFORM_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
#define ON_WM_SETFOCUS()                                                                                     \
    {                                                                                                        \
        WM_SETFOCUS, 0, 0, 0,                                                                                \
            PLATFORM_THUNK(PLATFORM_THIS->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w)));           \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_KILLFOCUS()                                                                                    \
    {                                                                                                        \
        WM_KILLFOCUS, 0, 0, 0,                                                                               \
            PLATFORM_THUNK(PLATFORM_THIS->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w)));          \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define PLATFORM_SCROLL_ENTRY(message, memberFxn)                                                            \
    {                                                                                                        \
        message, 0, 0, 0,                                                                                    \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(UINT(LOWORD(w)), UINT(SHORT(HIWORD(w))),                 \
                reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(l))));                 \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_HSCROLL() PLATFORM_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() PLATFORM_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
#define ON_WM_SETCURSOR()                                                                                    \
    {                                                                                                        \
        WM_SETCURSOR, 0, 0, 0,                                                                               \
            PLATFORM_THUNK(*r = PLATFORM_THIS->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(w)),      \
                               UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));                      \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_CONTEXTMENU()                                                                                  \
    {                                                                                                        \
        WM_CONTEXTMENU, 0, 0, 0,                                                                             \
            PLATFORM_THUNK(                                                                                  \
                PLATFORM_THIS->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(w)), CPoint(l));        \
                return true;)                                                                                \
    }                                                                                                        \
    ,
#define ON_WM_CAPTURECHANGED()                                                                               \
    {                                                                                                        \
        WM_CAPTURECHANGED, 0, 0, 0,                                                                          \
            PLATFORM_THUNK(PLATFORM_THIS->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(l)));     \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
