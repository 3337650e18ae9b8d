#include "explorer/InsertYemGroupId.h"

#include "platform/ui/DataExchange.h"
#include "resources/morrik/Resource.h"

namespace morrik
{

BEGIN_MESSAGE_MAP(CInsertYemGroupId, CMorrikDialog)
ON_EN_CHANGE(IDC_YEM_GROUP_ID, OnChangeGroupId)
END_MESSAGE_MAP()

CInsertYemGroupId::CInsertYemGroupId(CWnd* pParent)
    : CMorrikDialog(IDD_INSERT_YEM_GROUP_ID, pParent)
{
}

void CInsertYemGroupId::DoDataExchange(CDataExchange* pDX)
{
    CMorrikDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_YEM_GROUP_ID, m_strGroupId);
}

BOOL CInsertYemGroupId::OnInitDialog()
{
    CMorrikDialog::OnInitDialog();
    EnableOk(false);
    return TRUE;
}

void CInsertYemGroupId::OnChangeGroupId()
{
    UpdateData(TRUE);
    EnableOk(!m_strGroupId.IsEmpty());
}

} // namespace morrik
