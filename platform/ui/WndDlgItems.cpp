// A window's access to its children by control id: texts, numbers, checks
// and data exchange.
#include "platform/ui/WndInternal.h"

#include "platform/ui/DataExchange.h"

#include <cstdint>

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    HWND item = GetDlgItemHandle(nID);
    return item ? ::SendMessage(item, message, wParam, lParam) : 0;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    SendDlgItemMessage(nID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID))
        item->GetWindowText(rString);
    return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    if (lpStr && nMaxCount > 0)
        lpStr[0] = '\0';
    return int(SendDlgItemMessage(nID, WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpStr)));
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    CString text;
    if (bSigned)
        text.Format("%d", int(nValue));
    else
        text.Format("%u", nValue);
    SetDlgItemText(nID, text);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    CString text;
    GetDlgItemText(nID, text);
    long long value = 0;
    bool ok = ParseDialogInteger(text, bSigned != FALSE, value) && value >= (bSigned ? INT32_MIN : 0)
        && value <= (bSigned ? INT32_MAX : UINT32_MAX);
    if (lpTrans)
        *lpTrans = ok;
    return ok ? UINT(value) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return UINT(SendDlgItemMessage(nIDButton, BM_GETCHECK));
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            return id;
    }
    return 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) { }
