// CCmdTarget and message maps. A message map is a static table of entries
// built by the macros below; each class's table names its base class's
// table, and a lookup walks from the most derived class to the root, so a
// handler in a base class serves every derived class that does not bind the
// same message itself.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_BN_CLICKED(IDC_APPLY, OnButtonApply)
//       ON_MESSAGE(WM_DEVICE_SELECT, OnDeviceSelect)
//       ON_WM_TIMER()
//   END_MESSAGE_MAP()
//
// and in the class: DECLARE_MESSAGE_MAP(). Handlers may be private: the
// table is built inside a member function of the class.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/msg/Messages.h"

class CCmdTarget;

// Calls one handler. Gives true when the message counts as handled; the
// *_EX entries let the handler say false so that the search goes on.
using MsgThunk = bool (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct MsgMapEntry {
    UINT nMessage; // WM_COMMAND, WM_NOTIFY, a reflected code or any message
    UINT nCode; // notification code for WM_COMMAND and WM_NOTIFY
    UINT nID; // control or command id (first of a range)
    UINT nLastID; // last id of a range
    MsgThunk pfn; // null ends the table
};

struct MsgMap {
    const MsgMap* (*pfnGetBaseMap)();
    const MsgMapEntry* lpEntries;
};

// Reflected notifications are looked up in the control's own map under
// this offset (WM_REFLECT_BASE + WM_COMMAND / WM_NOTIFY).
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// Command routing codes of OnCmdMsg besides control notifications.
constexpr int CN_COMMAND = 0;

class PLATFORM_API CCmdTarget
{
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Looks for a WM_COMMAND entry (id, code) and calls it; frames override
    // this to route commands to views, documents and the application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Finds the first entry for (message, code, id) from `start` down the
    // chain of base maps, or null.
    static const MsgMapEntry* FindEntry(const MsgMap* start, UINT nMessage, UINT nCode, UINT nID);
    // Calls matching entries in map order until one reports handled.
    BOOL DispatchMapEntries(
        UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    virtual const MsgMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MsgMap* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const MsgMap* GetThisMessageMap();                                                                \
    const MsgMap* GetMessageMap() const override;                                                            \
                                                                                                             \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const MsgMap* theClass::GetMessageMap() const                                                            \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const MsgMap* theClass::GetThisMessageMap()                                                              \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        static const MsgMapEntry _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr                                                                                  \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const MsgMap messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] };              \
    return &messageMap;                                                                                      \
    }

// Thunk bodies: `t` is the target, `w`/`l` the parameters, `r` the result.
#define PLATFORM_THUNK(body)                                                                                 \
    [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) -> bool {                                              \
        (void)t;                                                                                             \
        (void)w;                                                                                             \
        (void)l;                                                                                             \
        (void)r;                                                                                             \
        body                                                                                                 \
    }
#define PLATFORM_THIS static_cast<ThisClass*>(t)

// LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {                                                                                                        \
        message, 0, 0, 0, PLATFORM_THUNK(*r = PLATFORM_THIS->memberFxn(w, l); return true;)                  \
    }                                                                                                        \
    ,
// void fn(WPARAM, LPARAM), on a CWinThread
#define ON_THREAD_MESSAGE(message, memberFxn)                                                                \
    {                                                                                                        \
        message, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->memberFxn(w, l); return true;)                       \
    }                                                                                                        \
    ,

// void fn()
#define ON_COMMAND(id, memberFxn)                                                                            \
    {                                                                                                        \
        WM_COMMAND, CN_COMMAND, UINT(id), UINT(id), PLATFORM_THUNK(PLATFORM_THIS->memberFxn(); return true;) \
    }                                                                                                        \
    ,
// void fn(UINT id)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {                                                                                                        \
        WM_COMMAND, CN_COMMAND, UINT(id), UINT(idLast),                                                      \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(UINT(LOWORD(w))); return true;)                          \
    }                                                                                                        \
    ,
// void fn() for a control notification code
#define ON_CONTROL(code, id, memberFxn)                                                                      \
    {                                                                                                        \
        WM_COMMAND, UINT(code), UINT(id), UINT(id), PLATFORM_THUNK(PLATFORM_THIS->memberFxn(); return true;) \
    }                                                                                                        \
    ,
// void fn(UINT id)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                        \
    {                                                                                                        \
        WM_COMMAND, UINT(code), UINT(id), UINT(idLast),                                                      \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(UINT(LOWORD(w))); return true;)                          \
    }                                                                                                        \
    ,

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// void fn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(code, id, memberFxn)                                                                       \
    {                                                                                                        \
        WM_NOTIFY, UINT(code), UINT(id), UINT(id),                                                           \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(reinterpret_cast<NMHDR*>(l), r); return true;)           \
    }                                                                                                        \
    ,
// void fn(UINT id, NMHDR*, LRESULT*)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                         \
    {                                                                                                        \
        WM_NOTIFY, UINT(code), UINT(id), UINT(idLast),                                                       \
            PLATFORM_THUNK(auto* h = reinterpret_cast<NMHDR*>(l);                                            \
                           PLATFORM_THIS->memberFxn(UINT(h->idFrom), h, r); return true;)                    \
    }                                                                                                        \
    ,
// BOOL fn(UINT id, NMHDR*, LRESULT*): FALSE lets the search go on
#define ON_NOTIFY_EX(code, id, memberFxn)                                                                    \
    {                                                                                                        \
        WM_NOTIFY, UINT(code), UINT(id), UINT(id),                                                           \
            PLATFORM_THUNK(auto* h = reinterpret_cast<NMHDR*>(l);                                            \
                           return PLATFORM_THIS->memberFxn(UINT(h->idFrom), h, r) != FALSE;)                 \
    }                                                                                                        \
    ,

// Reflection: a control handles its own notification before its parent
// sees it. ON_NOTIFY_REFLECT: void fn(NMHDR*, LRESULT*); the parent then
// does not see it. The _EX forms return BOOL: FALSE passes it on to the
// parent. ON_CONTROL_REFLECT: void fn().
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                   \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_NOTIFY, UINT(code), 0, 0,                                                       \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(reinterpret_cast<NMHDR*>(l), r); return true;)           \
    }                                                                                                        \
    ,
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_NOTIFY, UINT(code), 0, 0,                                                       \
            PLATFORM_THUNK(return PLATFORM_THIS->memberFxn(reinterpret_cast<NMHDR*>(l), r) != FALSE;)        \
    }                                                                                                        \
    ,
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                  \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_COMMAND, UINT(code), 0, 0,                                                      \
            PLATFORM_THUNK(PLATFORM_THIS->memberFxn(); return true;)                                         \
    }                                                                                                        \
    ,
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                               \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_COMMAND, UINT(code), 0, 0,                                                      \
            PLATFORM_THUNK(return PLATFORM_THIS->memberFxn() != FALSE;)                                      \
    }                                                                                                        \
    ,

// Standard window message handlers whose parameters are plain values; the
// handlers keep their conventional names. platform/ui adds those that take
// a device context or a window object (ON_WM_PAINT, ON_WM_CTLCOLOR, ...).
#define ON_WM_CREATE()                                                                                       \
    {                                                                                                        \
        WM_CREATE, 0, 0, 0,                                                                                  \
            PLATFORM_THUNK(*r = PLATFORM_THIS->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l)); return true;)  \
    }                                                                                                        \
    ,
#define ON_WM_DESTROY()                                                                                      \
    {                                                                                                        \
        WM_DESTROY, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnDestroy(); return true;)                        \
    }                                                                                                        \
    ,
#define ON_WM_CLOSE()                                                                                        \
    {                                                                                                        \
        WM_CLOSE, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnClose(); return true;)                            \
    }                                                                                                        \
    ,
#define ON_WM_TIMER()                                                                                        \
    {                                                                                                        \
        WM_TIMER, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnTimer(UINT_PTR(w)); return true;)                 \
    }                                                                                                        \
    ,
#define ON_WM_SIZE()                                                                                         \
    {                                                                                                        \
        WM_SIZE, 0, 0, 0,                                                                                    \
            PLATFORM_THUNK(PLATFORM_THIS->OnSize(UINT(w), LOWORD(uintptr_t(l)), HIWORD(uintptr_t(l)));       \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_MOVE()                                                                                         \
    {                                                                                                        \
        WM_MOVE, 0, 0, 0,                                                                                    \
            PLATFORM_THUNK(PLATFORM_THIS->OnMove(GET_X_LPARAM(l), GET_Y_LPARAM(l)); return true;)            \
    }                                                                                                        \
    ,
#define ON_WM_GETMINMAXINFO()                                                                                \
    {                                                                                                        \
        WM_GETMINMAXINFO, 0, 0, 0,                                                                           \
            PLATFORM_THUNK(PLATFORM_THIS->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(l)); return true;)   \
    }                                                                                                        \
    ,
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    {                                                                                                        \
        WM_WINDOWPOSCHANGING, 0, 0, 0,                                                                       \
            PLATFORM_THUNK(PLATFORM_THIS->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(l));              \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    {                                                                                                        \
        WM_WINDOWPOSCHANGED, 0, 0, 0,                                                                        \
            PLATFORM_THUNK(PLATFORM_THIS->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(l)); return true;) \
    }                                                                                                        \
    ,
#define ON_WM_SHOWWINDOW()                                                                                   \
    {                                                                                                        \
        WM_SHOWWINDOW, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnShowWindow(BOOL(w), UINT(l)); return true;)  \
    }                                                                                                        \
    ,
#define PLATFORM_MOUSE_HANDLER(message, memberFxn)                                                           \
    {                                                                                                        \
        message, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->memberFxn(UINT(w), CPoint(l)); return true;)         \
    }                                                                                                        \
    ,
#define ON_WM_MOUSEMOVE() PLATFORM_MOUSE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() PLATFORM_MOUSE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() PLATFORM_MOUSE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() PLATFORM_MOUSE_HANDLER(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() PLATFORM_MOUSE_HANDLER(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() PLATFORM_MOUSE_HANDLER(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() PLATFORM_MOUSE_HANDLER(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_NCLBUTTONDOWN()                                                                                \
    {                                                                                                        \
        WM_NCLBUTTONDOWN, 0, 0, 0,                                                                           \
            PLATFORM_THUNK(PLATFORM_THIS->OnNcLButtonDown(UINT(w), CPoint(l)); return true;)                 \
    }                                                                                                        \
    ,
#define ON_WM_NCLBUTTONUP()                                                                                  \
    {                                                                                                        \
        WM_NCLBUTTONUP, 0, 0, 0,                                                                             \
            PLATFORM_THUNK(PLATFORM_THIS->OnNcLButtonUp(UINT(w), CPoint(l)); return true;)                   \
    }                                                                                                        \
    ,
#define PLATFORM_NC_MOUSE_HANDLER(message, memberFxn)                                                        \
    {                                                                                                        \
        message, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->memberFxn(UINT(w), CPoint(l)); return true;)         \
    }                                                                                                        \
    ,
#define ON_WM_NCLBUTTONDBLCLK() PLATFORM_NC_MOUSE_HANDLER(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() PLATFORM_NC_MOUSE_HANDLER(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN() PLATFORM_NC_MOUSE_HANDLER(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_MBUTTONDOWN() PLATFORM_MOUSE_HANDLER(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_NCDESTROY()                                                                                    \
    {                                                                                                        \
        WM_NCDESTROY, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnNcDestroy(); return true;)                    \
    }                                                                                                        \
    ,
#define ON_WM_NCPAINT()                                                                                      \
    {                                                                                                        \
        WM_NCPAINT, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnNcPaint(); return true;)                        \
    }                                                                                                        \
    ,
#define ON_WM_SYSCOLORCHANGE()                                                                               \
    {                                                                                                        \
        WM_SYSCOLORCHANGE, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnSysColorChange(); return true;)          \
    }                                                                                                        \
    ,
// BOOL fn(BOOL bActive)
#define ON_WM_NCACTIVATE()                                                                                   \
    {                                                                                                        \
        WM_NCACTIVATE, 0, 0, 0, PLATFORM_THUNK(*r = PLATFORM_THIS->OnNcActivate(BOOL(w)); return true;)      \
    }                                                                                                        \
    ,
// void fn(UINT fwSide, LPRECT pRect)
#define ON_WM_SIZING()                                                                                       \
    {                                                                                                        \
        WM_SIZING, 0, 0, 0,                                                                                  \
            PLATFORM_THUNK(PLATFORM_THIS->OnSizing(UINT(w), reinterpret_cast<LPRECT>(l)); return true;)      \
    }                                                                                                        \
    ,
#define ON_WM_MOVING()                                                                                       \
    {                                                                                                        \
        WM_MOVING, 0, 0, 0,                                                                                  \
            PLATFORM_THUNK(PLATFORM_THIS->OnMoving(UINT(w), reinterpret_cast<LPRECT>(l)); return true;)      \
    }                                                                                                        \
    ,
// void fn(UINT uFlags, LPCTSTR lpszSection)
#define ON_WM_SETTINGCHANGE()                                                                                \
    {                                                                                                        \
        WM_SETTINGCHANGE, 0, 0, 0,                                                                           \
            PLATFORM_THUNK(PLATFORM_THIS->OnSettingChange(UINT(w), reinterpret_cast<LPCTSTR>(l));            \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_SYSCHAR()                                                                                      \
    {                                                                                                        \
        WM_SYSCHAR, 0, 0, 0,                                                                                 \
            PLATFORM_THUNK(                                                                                  \
                PLATFORM_THIS->OnSysChar(UINT(w), UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));   \
                return true;)                                                                                \
    }                                                                                                        \
    ,
#define ON_WM_SYSKEYDOWN()                                                                                   \
    {                                                                                                        \
        WM_SYSKEYDOWN, 0, 0, 0,                                                                              \
            PLATFORM_THUNK(PLATFORM_THIS->OnSysKeyDown(                                                      \
                UINT(w), UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));                            \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_NCMOUSEMOVE()                                                                                  \
    {                                                                                                        \
        WM_NCMOUSEMOVE, 0, 0, 0,                                                                             \
            PLATFORM_THUNK(PLATFORM_THIS->OnNcMouseMove(UINT(w), CPoint(l)); return true;)                   \
    }                                                                                                        \
    ,
// BOOL fn(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    {                                                                                                        \
        WM_MOUSEWHEEL, 0, 0, 0,                                                                              \
            PLATFORM_THUNK(*r = PLATFORM_THIS->OnMouseWheel(UINT(LOWORD(w)), SHORT(HIWORD(w)), CPoint(l));   \
                           return true;)                                                                     \
    }                                                                                                        \
    ,
#define ON_WM_KEYDOWN()                                                                                      \
    {                                                                                                        \
        WM_KEYDOWN, 0, 0, 0,                                                                                 \
            PLATFORM_THUNK(                                                                                  \
                PLATFORM_THIS->OnKeyDown(UINT(w), UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));   \
                return true;)                                                                                \
    }                                                                                                        \
    ,
#define ON_WM_KEYUP()                                                                                        \
    {                                                                                                        \
        WM_KEYUP, 0, 0, 0,                                                                                   \
            PLATFORM_THUNK(                                                                                  \
                PLATFORM_THIS->OnKeyUp(UINT(w), UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));     \
                return true;)                                                                                \
    }                                                                                                        \
    ,
#define ON_WM_CHAR()                                                                                         \
    {                                                                                                        \
        WM_CHAR, 0, 0, 0,                                                                                    \
            PLATFORM_THUNK(                                                                                  \
                PLATFORM_THIS->OnChar(UINT(w), UINT(LOWORD(uintptr_t(l))), UINT(HIWORD(uintptr_t(l))));      \
                return true;)                                                                                \
    }                                                                                                        \
    ,
// UINT fn()
#define ON_WM_GETDLGCODE()                                                                                   \
    {                                                                                                        \
        WM_GETDLGCODE, 0, 0, 0, PLATFORM_THUNK(*r = LRESULT(PLATFORM_THIS->OnGetDlgCode()); return true;)    \
    }                                                                                                        \
    ,
// LRESULT fn(CPoint)
#define ON_WM_NCHITTEST()                                                                                    \
    {                                                                                                        \
        WM_NCHITTEST, 0, 0, 0,                                                                               \
            PLATFORM_THUNK(*r = LRESULT(PLATFORM_THIS->OnNcHitTest(CPoint(l))); return true;)                \
    }                                                                                                        \
    ,
#define ON_WM_SYSCOMMAND()                                                                                   \
    {                                                                                                        \
        WM_SYSCOMMAND, 0, 0, 0, PLATFORM_THUNK(PLATFORM_THIS->OnSysCommand(UINT(w), l); return true;)        \
    }                                                                                                        \
    ,
