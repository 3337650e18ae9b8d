// The program's own login: one local password guards the program. OK lets
// the user in when the typed password is the one in the password file;
// command 3 opens the change of that password.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CLoginDlg : public CDialog
{
public:
    explicit CLoginDlg(CWnd* pParent = nullptr);

    CString m_strPassword; // at most 16 characters

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChangePassword();
    // The typed password is cleared and the user asked again.
    void Retype();

    DECLARE_MESSAGE_MAP()
};

class CChangePasswordDlg : public CDialog
{
public:
    explicit CChangePasswordDlg(CWnd* pParent = nullptr);

    CString m_strNewPassword;
    CString m_strOldPassword;
    CString m_strConfirmPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Tells `message`, clears `text`, focuses its edit; the dialog stays.
    void Refuse(const char* message, CString& text, int nIDC);
};

// Every message of the two dialogs: the program's caption and the
// exclamation icon; "%s" takes the password file's path.
void ShowLoginMessage(const char* text, const CString& path = CString());
