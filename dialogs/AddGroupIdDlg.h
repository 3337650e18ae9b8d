// CAddGroupIdDlg: a group id for the device tree's "Add Group Id".
#pragma once

#include "platform/ui/Dialog.h"

constexpr UINT IDD_ADD_GROUP_ID = 169;
constexpr int IDC_GROUP_ID = 1199;

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
