// CPasswordInputDlg: asks for a device password and whether to save it. OK
// is possible only once something is typed.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CPasswordInputDlg : public CDialog
{
public:
    explicit CPasswordInputDlg(CWnd* pParent = nullptr);

    int m_bSavePassword = FALSE;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnChangePassword();

    DECLARE_MESSAGE_MAP()
};
