// The up-down control: two arrows beside a buddy edit. A click asks the
// parent first with UDN_DELTAPOS (a nonzero answer refuses the step), then
// moves the position within the range and, with UDS_SETBUDDYINT, writes it
// into the buddy. With a range whose lower end is above its upper end the
// up arrow counts down.
#pragma once

#include "platform/ui/Wnd.h"

constexpr char UPDOWN_CLASS[] = "msctls_updown32";

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

constexpr UINT UDM_SETRANGE = WM_USER + 101;
constexpr UINT UDM_GETRANGE = WM_USER + 102;
constexpr UINT UDM_SETPOS = WM_USER + 103;
constexpr UINT UDM_GETPOS = WM_USER + 104;
constexpr UINT UDM_SETBUDDY = WM_USER + 105;
constexpr UINT UDM_GETBUDDY = WM_USER + 106;
constexpr UINT UDM_SETACCEL = WM_USER + 107;
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
constexpr UINT UDM_GETPOS32 = WM_USER + 114;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
using LPNMUPDOWN = NMUPDOWN*;

// An acceleration: after nSec seconds of holding an arrow, steps of nInc.
struct UDACCEL {
    UINT nSec;
    UINT nInc;
};

class PLATFORM_UI_API CSpinButtonCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    // The 16-bit form: each end is a signed 16-bit value.
    void SetRange(short nLower, short nUpper)
    {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(WORD(nUpper), WORD(nLower)));
    }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, WPARAM(nLower), LPARAM(nUpper)); }
    void GetRange32(int& nLower, int& nUpper) const
    {
        const_cast<CSpinButtonCtrl*>(this)->SendMessage(
            UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
    }
    int SetPos(int nPos) { return int(SendMessage(UDM_SETPOS32, 0, LPARAM(nPos))); }
    int GetPos() const { return int(const_cast<CSpinButtonCtrl*>(this)->SendMessage(UDM_GETPOS32)); }
    // The first entry's increment is the size of every step.
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return BOOL(SendMessage(UDM_SETACCEL, WPARAM(nAccel), reinterpret_cast<LPARAM>(pAccel)));
    }
    // As a click on the arrow: what a person's click does, for the arrows'
    // buttons and for tests.
    void Step(bool bUp);
};
