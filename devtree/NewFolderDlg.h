// CNewFolderDlg: asks the device tree's "New Folder" command for the name.
#pragma once

#include "platform/ui/Dialog.h"

constexpr UINT IDD_NEW_FOLDER = 183;
constexpr int IDC_FOLDER_NAME = 1001;

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
