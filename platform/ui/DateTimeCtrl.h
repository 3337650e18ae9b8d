// The month calendar and the date-time picker. Both hold wall-clock fields
// (a SYSTEMTIME) as given, with no time-zone arithmetic of their own; a
// change the user makes reaches the parent as WM_NOTIFY (MCN_SELCHANGE,
// DTN_DATETIMECHANGE), a change the program makes sends nothing.
#pragma once

#include "platform/base/Time.h"
#include "platform/ui/Wnd.h"

constexpr char MONTHCAL_CLASS[] = "SysMonthCal32";
constexpr char DATETIMEPICK_CLASS[] = "SysDateTimePick32";

constexpr UINT MCM_GETCURSEL = 0x1001;
constexpr UINT MCM_SETCURSEL = 0x1002;
constexpr UINT DTM_GETSYSTEMTIME = 0x1001;
constexpr UINT DTM_SETSYSTEMTIME = 0x1002;
constexpr UINT DTM_SETFORMAT = 0x1005;
constexpr DWORD GDT_VALID = 0;
constexpr DWORD GDT_ERROR = DWORD(-1);
constexpr DWORD DTS_UPDOWN = 0x0001;
constexpr DWORD DTS_TIMEFORMAT = 0x0009;

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;
    SYSTEMTIME st;
};

class PLATFORM_UI_API CMonthCalCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(MONTHCAL_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    // The selected day; the time fields are left zero.
    BOOL GetCurSel(SYSTEMTIME* pDate) const
    {
        return BOOL(const_cast<CMonthCalCtrl*>(this)->SendMessage(MCM_GETCURSEL, 0, LPARAM(pDate)));
    }
    BOOL SetCurSel(const SYSTEMTIME* pDate) { return BOOL(SendMessage(MCM_SETCURSEL, 0, LPARAM(pDate))); }
};

class PLATFORM_UI_API CDateTimeCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    DWORD GetTime(SYSTEMTIME* pTime) const
    {
        return DWORD(const_cast<CDateTimeCtrl*>(this)->SendMessage(DTM_GETSYSTEMTIME, 0, LPARAM(pTime)));
    }
    BOOL SetTime(const SYSTEMTIME* pTime)
    {
        return BOOL(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(pTime)));
    }
    BOOL SetTime(const CTime* pTimeNew);
    DWORD GetTime(CTime& timeDest) const;
    // "HH:mm:ss", "yyyy-MM-dd" and the like.
    BOOL SetFormat(LPCTSTR pstrFormat) { return BOOL(SendMessage(DTM_SETFORMAT, 0, LPARAM(pstrFormat))); }
};

// Between a picker and a time member.
PLATFORM_UI_API void DDX_DateTimeCtrl(class CDataExchange* pDX, int nIDC, CTime& value);
