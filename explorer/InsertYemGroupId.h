// CInsertYemGroupId: the group id the tree-grid adds under a registration
// server.
#pragma once

#include "explorer/MorrikResources.h"
#include "morrikExport.h"

namespace morrik
{

class MORRIK_EXPORT CInsertYemGroupId : public CMorrikDialog
{
public:
    explicit CInsertYemGroupId(CWnd* pParent = nullptr);

    CString m_strGroupId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeGroupId();

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
