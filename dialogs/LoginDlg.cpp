#include "dialogs/LoginDlg.h"

#include "dialogs/LoginPasswordFile.h"
#include "platform/ui/DataExchange.h"

#include <cstring>

namespace
{

constexpr char kCannotOpen[] = "Can not open %s file.";
constexpr char kCannotCreate[] = "Can not create %s file.";
constexpr char kUnauthorized[] = "Unauthorized password.\nRetype!";
constexpr char kLength[] = "Password length should be 1 ~ 16.\nRetype!";
constexpr char kNoMatch[] = "Does not match new password.\nRetype!";

// Whether `typed`, zero-padded to 16 bytes, is the password the file holds.
// FALSE with the open message when the file cannot be read whole.
bool ReadAndCompare(const CString& typed, bool* pEqual)
{
    LoginPasswordFile::CreateDefault();
    uint8_t stored[LoginPasswordFile::kPasswordSize];
    if (!LoginPasswordFile::Read(stored)) {
        ShowLoginMessage(kCannotOpen, LoginPasswordFile::Path());
        return false;
    }
    uint8_t field[LoginPasswordFile::kPasswordSize];
    LoginPasswordFile::Field(typed, field);
    *pEqual = std::memcmp(field, stored, sizeof field) == 0;
    return true;
}

} // namespace

void ShowLoginMessage(const char* text, const CString& path)
{
    CString shown;
    if (path.IsEmpty())
        shown = text;
    else
        shown.Format(text, static_cast<LPCTSTR>(path));
    AfxMessageBox(shown, MB_OK | MB_ICONEXCLAMATION);
}

BEGIN_MESSAGE_MAP(CLoginDlg, CDialog)
ON_COMMAND(IDC_LOGIN_CHANGE_PASSWORD, OnChangePassword)
END_MESSAGE_MAP()

CLoginDlg::CLoginDlg(CWnd* pParent)
    : CDialog(IDD_LOGIN, pParent)
{
}

void CLoginDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, LoginPasswordFile::kPasswordSize);
}

void CLoginDlg::Retype()
{
    m_strPassword.Empty();
    if (CWnd* edit = GetDlgItem(IDC_LOGIN_PASSWORD))
        edit->SetFocus();
    UpdateData(FALSE);
}

void CLoginDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    bool equal = false;
    if (!ReadAndCompare(m_strPassword, &equal))
        return;
    if (equal) {
        EndDialog(IDOK);
        return;
    }
    ShowLoginMessage(kUnauthorized);
    Retype();
}

void CLoginDlg::OnChangePassword()
{
    CChangePasswordDlg change(this);
    change.DoModal();
    Retype();
}

CChangePasswordDlg::CChangePasswordDlg(CWnd* pParent)
    : CDialog(IDD_CHANGE_PASSWORD, pParent)
{
}

void CChangePasswordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOGIN_NEW_PASSWORD, m_strNewPassword);
    DDV_MaxChars(pDX, m_strNewPassword, LoginPasswordFile::kPasswordSize);
    DDX_Text(pDX, IDC_LOGIN_OLD_PASSWORD, m_strOldPassword);
    DDV_MaxChars(pDX, m_strOldPassword, LoginPasswordFile::kPasswordSize);
    DDX_Text(pDX, IDC_LOGIN_CONFIRM_PASSWORD, m_strConfirmPassword);
    DDV_MaxChars(pDX, m_strConfirmPassword, LoginPasswordFile::kPasswordSize);
}

void CChangePasswordDlg::Refuse(const char* message, CString& text, int nIDC)
{
    ShowLoginMessage(message);
    text.Empty();
    if (CWnd* edit = GetDlgItem(nIDC))
        edit->SetFocus();
    UpdateData(FALSE);
}

void CChangePasswordDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    bool equal = false;
    if (!ReadAndCompare(m_strOldPassword, &equal))
        return;
    if (!equal)
        return Refuse(kUnauthorized, m_strOldPassword, IDC_LOGIN_OLD_PASSWORD);
    if (m_strNewPassword.IsEmpty())
        return Refuse(kLength, m_strNewPassword, IDC_LOGIN_NEW_PASSWORD);
    if (m_strNewPassword != m_strConfirmPassword)
        return Refuse(kNoMatch, m_strConfirmPassword, IDC_LOGIN_CONFIRM_PASSWORD);
    // The old file stays whole until the new one has replaced it.
    if (!LoginPasswordFile::Write(m_strNewPassword)) {
        ShowLoginMessage(kCannotCreate, LoginPasswordFile::Path());
        UpdateData(FALSE);
        return;
    }
    EndDialog(IDOK);
}
