#include "dialogs/IpAddressDlg.h"

#include "platform/base/Services.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/DataExchange.h"

#include <cstdlib>

namespace
{

constexpr DWORD kCloseDelayMs = 1000;
constexpr DWORD kPaintStepMs = 20;

} // namespace

bool ParseDottedAddress(const char* text, DWORD* address)
{
    DWORD value = 0;
    const char* p = text ? text : "";
    for (int field = 0; field < 4; ++field) {
        if (*p < '0' || *p > '9')
            return false;
        char* end = nullptr;
        const long part = std::strtol(p, &end, 10);
        if (part > 255 || end - p > 3)
            return false;
        value = (value << 8) | DWORD(part);
        p = end;
        if (field < 3 && *p++ != '.')
            return false;
    }
    if (*p)
        return false;
    *address = value;
    return true;
}

CIpAddressDlg::CIpAddressDlg(CWnd* pParent)
    : CDialog(IDD_IP_ADDRESS, pParent)
{
}

void CIpAddressDlg::SetValues(const CString& address, const CString& secondText)
{
    m_strAddress = address;
    m_strSecond = secondText;
}

BOOL CIpAddressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_IP_SECOND_TEXT, m_strSecond);
    SetDlgItemText(IDC_IP_ADDRESS, m_strAddress);
    return TRUE;
}

void CIpAddressDlg::OnOK()
{
    CString text;
    GetDlgItemText(IDC_IP_ADDRESS, text);
    text.Trim();
    DWORD address = 0;
    if (!ParseDottedAddress(text, &address) || address == 0) {
        AfxMessageBox(IDS_IP_INVALID, MB_OK);
        return;
    }
    m_dwAddress = address;
    m_strAddress = text;
    GetDlgItemText(IDC_IP_SECOND_TEXT, m_strSecond);
    EndDialog(IDOK);
}

CIpChangeWaitDlg::CIpChangeWaitDlg(CWnd* pParent)
    : CDialog(IDD_IP_CHANGE_WAIT, pParent)
    , m_strMessage("IP Address is being changed.") // the template's text
{
}

void CIpChangeWaitDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WAIT_MESSAGE, m_strMessage);
}

BOOL CIpChangeWaitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The line is centred in the box, across its whole width.
    CWnd* line = GetDlgItem(IDC_WAIT_MESSAGE);
    if (line) {
        CRect client, rect;
        GetClientRect(&client);
        line->GetWindowRect(&rect);
        ScreenToClient(&rect);
        const int left = client.Width() / 2 - rect.Width() / 2;
        const int top = client.Height() / 2 - rect.Height() / 2;
        line->MoveWindow(left, top, client.Width(), rect.Height());
    }
    return TRUE;
}

void CIpChangeWaitDlg::SetMessage(const CString& text)
{
    m_strMessage = text;
    UpdateData(FALSE);
    // The box paints the text now: what follows may keep the thread busy.
    if (GetSafeHwnd())
        UpdateWindow();
}

void CIpChangeWaitDlg::SetMessageAndClose(const CString& text)
{
    SetMessage(text);
    // The text stays for a second; this box and the windows behind it go on
    // painting meanwhile.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kCloseDelayMs) {
        PumpWaitingMessages();
        Sleep(kPaintStepMs);
    }
    CDialog::OnOK();
}
