#include "platform/ui/DataExchange.h"

#include "platform/base/Services.h"
#include "platform/ui/WndInternal.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate)
    , m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = m_pDlgWnd ? m_pDlgWnd->GetDlgItemHandle(nIDC) : nullptr;
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    CWnd* control = CWnd::FromHandle(m_hWndLastControl);
    if (!control)
        return;
    control->SetFocus();
    if (m_bEditLastControl)
        control->SendMessage(EM_SETSEL, 0, -1);
}

bool ParseDialogInteger(const char* text, bool isSigned, long long& value)
{
    if (!text)
        return false;
    while (*text == ' ' || *text == '\t')
        ++text;
    const char* p = text;
    if (*p == '-' && !isSigned)
        return false;
    if (*p == '+' || *p == '-')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end)
        return false;
    value = v;
    return true;
}

namespace
{

bool Skip(CDataExchange* pDX)
{
    return !pDX || pDX->m_bFailed;
}

void FailWith(CDataExchange* pDX, const CString& message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <typename T> void TextNumber(CDataExchange* pDX, int nIDC, T& value)
{
    if (Skip(pDX))
        return;
    HWND h = pDX->PrepareEditCtrl(nIDC);
    CWnd* control = CWnd::FromHandle(h);
    if (!control)
        return;
    constexpr bool isSigned = std::numeric_limits<T>::is_signed;
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        if (isSigned)
            text.Format("%lld", static_cast<long long>(value));
        else
            text.Format("%llu", static_cast<unsigned long long>(value));
        control->SetWindowText(text);
        return;
    }
    CString text;
    control->GetWindowText(text);
    long long v = 0;
    if (!ParseDialogInteger(text, isSigned, v) || v < static_cast<long long>(std::numeric_limits<T>::min())
        || v > static_cast<long long>(std::numeric_limits<T>::max())) {
        FailWith(pDX, "Please enter an integer.");
        return;
    }
    value = static_cast<T>(v);
}

template <typename T> void MinMax(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (Skip(pDX) || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    if (std::numeric_limits<T>::is_signed)
        message.Format("Please enter an integer between %lld and %lld.", static_cast<long long>(minVal),
            static_cast<long long>(maxVal));
    else
        message.Format("Please enter an integer between %llu and %llu.",
            static_cast<unsigned long long>(minVal), static_cast<unsigned long long>(maxVal));
    FailWith(pDX, message);
}

// A value a control gives with one message and takes with another.
void ExchangeByMessages(CDataExchange* pDX, int nIDC, int& value, UINT getMessage, UINT setMessage)
{
    if (Skip(pDX))
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = int(::SendMessage(h, getMessage));
    else
        ::SendMessage(h, setMessage, WPARAM(value));
}

// The selected item's text of a list or combo box, empty when none is.
CString SelectedItemText(HWND h, UINT curSelMessage, UINT lengthMessage, UINT textMessage)
{
    CString value;
    int sel = int(::SendMessage(h, curSelMessage));
    if (sel >= 0) {
        int n = int(::SendMessage(h, lengthMessage, WPARAM(sel)));
        if (n >= 0) {
            ::SendMessage(h, textMessage, WPARAM(sel), reinterpret_cast<LPARAM>(value.GetBuffer(n)));
            value.ReleaseBuffer();
        }
    }
    return value;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (Skip(pDX))
        return;
    CWnd* control = CWnd::FromHandle(pDX->PrepareEditCtrl(nIDC));
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    TextNumber(pDX, nIDC, value);
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    TextNumber(pDX, nIDC, value);
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    TextNumber(pDX, nIDC, value);
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    TextNumber(pDX, nIDC, value);
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    TextNumber(pDX, nIDC, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeByMessages(pDX, nIDC, value, BM_GETCHECK, BM_SETCHECK);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (Skip(pDX))
        return;
    CWnd* first = CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (!first)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the window before the next WS_GROUP.
    CWnd* button = first;
    int index = 0;
    do {
        if (KindOf(button) == WndKind::RadioButton) {
            if (pDX->m_bSaveAndValidate) {
                if (button->SendMessage(BM_GETCHECK) == BST_CHECKED && value < 0)
                    value = index;
            } else {
                button->SendMessage(BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
            }
            ++index;
        }
        button = first->GetParent() ? first->GetParent()->GetNextDlgGroupItem(button) : nullptr;
    } while (button && button != first);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeByMessages(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

namespace
{

void ComboString(CDataExchange* pDX, int nIDC, CString& value, UINT findMessage)
{
    if (Skip(pDX))
        return;
    CWnd* combo = CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (!combo)
        return;
    bool dropList = (combo->GetStyle() & 0x3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate) {
        if (!dropList) {
            combo->GetWindowText(value);
            return;
        }
        value = SelectedItemText(combo->m_hWnd, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT);
        return;
    }
    int found = int(combo->SendMessage(findMessage, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString())));
    if (found >= 0)
        combo->SendMessage(CB_SETCURSEL, WPARAM(found));
    else if (!dropList)
        combo->SetWindowText(value);
    else
        combo->SendMessage(CB_SETCURSEL, WPARAM(-1));
}

} // namespace

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ComboString(pDX, nIDC, value, CB_FINDSTRING);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ComboString(pDX, nIDC, value, CB_FINDSTRINGEXACT);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeByMessages(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    if (Skip(pDX))
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = SelectedItemText(h, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
        return;
    }
    ::SendMessage(h, LB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString()));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!pDX || rControl.m_hWnd)
        return;
    rControl.SubclassDlgItem(UINT(nIDC), pDX->m_pDlgWnd);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    MinMax(pDX, value, minVal, maxVal);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (Skip(pDX))
        return;
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_hWndLastControl)
            ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, WPARAM(nChars));
        return;
    }
    if (value.GetLength() > nChars) {
        CString message;
        message.Format("Please enter no more than %d characters.", nChars);
        FailWith(pDX, message);
    }
}
