// CAddGroupIdDlg: a group id for the device tree's "Add Group Id".
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CAddGroupIdDlg : public CDialog
{
public:
    explicit CAddGroupIdDlg(CWnd* pParent = nullptr);

    CString m_strGroupId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeGroupId();

    DECLARE_MESSAGE_MAP()
};
