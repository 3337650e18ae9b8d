// Dialog data exchange: DDX_ functions move values between controls and
// members in both directions, DDV_ functions check them when saving. A
// failed check shows its message, puts the focus on the control and makes
// UpdateData give FALSE; later exchanges of the same pass are skipped.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/UiExport.h"

class CWnd;

class PLATFORM_UI_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The control the next DDV_ check refers to; null when it is absent.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Reports a failed exchange: focuses the last prepared control.
    void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
PLATFORM_UI_API void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
PLATFORM_UI_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked button in the group that starts at nIDC, -1 for none.
PLATFORM_UI_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
PLATFORM_UI_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
PLATFORM_UI_API void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
PLATFORM_UI_API void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
PLATFORM_UI_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
PLATFORM_UI_API void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// Makes `rControl` the window object of control nIDC (once).
PLATFORM_UI_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

PLATFORM_UI_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
PLATFORM_UI_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
PLATFORM_UI_API void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
PLATFORM_UI_API void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
PLATFORM_UI_API void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
PLATFORM_UI_API void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
// When saving, refuses a longer text; when loading, limits the edit to it.
PLATFORM_UI_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Reads a whole decimal integer with optional blanks around it (and a sign
// when signed); false for anything else or out of 64-bit range.
PLATFORM_UI_API bool ParseDialogInteger(const char* text, bool isSigned, long long& value);
