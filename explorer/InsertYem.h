// CInsertYem: the registration server the tree-grid adds under its branch.
// The id and password fields are kept in the template but not shown.
#pragma once

#include "explorer/MorrikResources.h"
#include "morrikExport.h"

namespace morrik
{

class MORRIK_EXPORT CInsertYem : public CMorrikDialog
{
public:
    explicit CInsertYem(CWnd* pParent = nullptr);

    CString m_strYem;
    CString m_strId;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeText();

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
