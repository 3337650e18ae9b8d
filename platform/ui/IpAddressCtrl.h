// The IP address control: four fields of 0 to 255 (each with its own
// range), any of which may be blank. IPM_GETADDRESS tells how many fields
// hold a number; a field the user edits sends IPN_FIELDCHANGED to the parent.
// The window text is the dotted form, a blank field empty; setting it works
// as typing into the fields would.
#pragma once

#include "platform/ui/Wnd.h"

constexpr char WC_IPADDRESS[] = "SysIPAddress32";

constexpr UINT IPM_CLEARADDRESS = WM_USER + 100;
constexpr UINT IPM_SETADDRESS = WM_USER + 101;
constexpr UINT IPM_GETADDRESS = WM_USER + 102;
constexpr UINT IPM_SETRANGE = WM_USER + 103;
constexpr UINT IPM_SETFOCUS = WM_USER + 104;
constexpr UINT IPM_ISBLANK = WM_USER + 105;

constexpr LPARAM MAKEIPRANGE(BYTE low, BYTE high)
{
    return LPARAM((WORD(high) << 8) | low);
}

struct NMIPADDRESS {
    NMHDR hdr;
    int iField;
    int iValue;
};

class PLATFORM_UI_API CIPAddressCtrl : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetAddress(DWORD dwAddress) { SendMessage(IPM_SETADDRESS, 0, LPARAM(dwAddress)); }
    void SetAddress(BYTE b0, BYTE b1, BYTE b2, BYTE b3)
    {
        SetAddress((DWORD(b0) << 24) | (DWORD(b1) << 16) | (DWORD(b2) << 8) | b3);
    }
    // The number of fields that hold a number; blank ones read as 0.
    int GetAddress(DWORD& dwAddress) const
    {
        return int(const_cast<CIPAddressCtrl*>(this)->SendMessage(
            IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress)));
    }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
    BOOL IsBlank() const { return BOOL(const_cast<CIPAddressCtrl*>(this)->SendMessage(IPM_ISBLANK)); }
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper)
    {
        SendMessage(IPM_SETRANGE, WPARAM(nField), MAKEIPRANGE(nLower, nUpper));
    }
};
