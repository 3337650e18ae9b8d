#include "dialogs/XdslDlg.h"

#include "dialogs/TextField.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"

#include <cstring>
#include <string>

namespace
{

} // namespace

CString XdslStatusLine(const char* status)
{
    CString line;
    line.LoadString(IDS_XDSL_STATUS);
    const std::string device = status ? status : "";
    const bool japanese = Service<ILocale>().SystemDefault().englishLanguageName == "Japanese";
    CString part;
    if (japanese && device == "xDSL not activated") {
        part.LoadString(IDS_NOT_ACTIVATED);
        line += " : ";
    } else if (japanese && device == "xDSL not connected.") {
        part.LoadString(IDS_NOT_CONNECTED);
        line += " :xDSL";
    } else {
        part = device.c_str();
        line += " : ";
    }
    return line + part;
}

BEGIN_MESSAGE_MAP(CXdslDlg, CPagePane)
ON_EN_CHANGE(IDC_NET_XDSL_USER, OnChanged)
ON_EN_CHANGE(IDC_NET_XDSL_PASSWORD, OnChanged)
END_MESSAGE_MAP()

CXdslDlg::CXdslDlg(CWnd* pParent)
    : CPagePane(IDD_XDSL, pParent)
{
}

BOOL CXdslDlg::OnInitDialog()
{
    CPagePane::OnInitDialog();
    SendDlgItemMessage(IDC_NET_XDSL_USER, EM_LIMITTEXT, 63);
    SendDlgItemMessage(IDC_NET_XDSL_PASSWORD, EM_LIMITTEXT, 63);
    Refresh();
    return TRUE;
}

void CXdslDlg::DoDataExchange(CDataExchange* pDX)
{
    CPagePane::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NET_XDSL_USER, m_strUser);
    DDV_MaxChars(pDX, m_strUser, 63);
    DDX_Text(pDX, IDC_NET_XDSL_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, 63);
}

void CXdslDlg::SetXdsl(CFG_XDSL_STATE xdsl)
{
    m_Stored = xdsl;
    m_strUser = TextOfField(xdsl.szUser, sizeof xdsl.szUser);
    m_strPassword = TextOfField(xdsl.szPassword, sizeof xdsl.szPassword);
    if (GetSafeHwnd())
        Refresh();
}

void CXdslDlg::Refresh()
{
    const CFG_XDSL_STATE& x = m_Stored;
    SetDlgItemText(IDC_NET_XDSL_STATUS, XdslStatusLine(TextOfField(x.szStatus, sizeof x.szStatus)));
    UpdateData(FALSE);
}

bool CXdslDlg::GetXdsl(CFG_XDSL_STATE* pXdsl)
{
    if (GetSafeHwnd())
        UpdateData(TRUE);
    CFG_XDSL_STATE xdsl = m_Stored;
    CopyTextField(xdsl.szUser, sizeof xdsl.szUser, static_cast<LPCTSTR>(m_strUser));
    CopyTextField(xdsl.szPassword, sizeof xdsl.szPassword, static_cast<LPCTSTR>(m_strPassword));
    const bool changed = std::memcmp(&xdsl, &m_Stored, sizeof xdsl) != 0;
    *pXdsl = xdsl;
    m_Stored = xdsl;
    return changed;
}
