// CAddRegServerDlg: the address of a registration server for the device
// tree's "Add ZPT"; the id and password edits are hidden in the template.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CAddRegServerDlg : public CDialog
{
public:
    explicit CAddRegServerDlg(CWnd* pParent = nullptr);

    CString m_strId;
    CString m_strPassword;
    CString m_strServer;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeText();

    DECLARE_MESSAGE_MAP()
};
