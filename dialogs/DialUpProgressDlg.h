// Dials a device before the login and shows how the connection comes up.
// IDOK: connected; IDCANCEL: declined, stopped or failed.
#pragma once

#include "link/DialUpConnection.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CDialUpProgressDlg : public CDialog
{
public:
    explicit CDialUpProgressDlg(CWnd* pParent = nullptr);
    ~CDialUpProgressDlg() override;

    // Filled by the caller before DoModal.
    char m_szUserName[16] = {};
    char m_szPassword[16] = {};
    char m_szPhoneNumber[32] = {};
    CString m_strStatus;

    BOOL OnInitDialog() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    LRESULT OnDialStatus(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void ShowStatus(LPCTSTR text);

    CDialUpConnection* m_pConnection = nullptr;

    DECLARE_MESSAGE_MAP()
};
