// CNewFolderDlg: asks the device tree's "New Folder" command for the name.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CNewFolderDlg : public CDialog
{
public:
    explicit CNewFolderDlg(CWnd* pParent = nullptr);

    CString m_strFolderName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeName();

    DECLARE_MESSAGE_MAP()
};
