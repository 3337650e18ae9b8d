#include "explorer/InsertYem.h"

#include "platform/ui/DataExchange.h"
#include "resources/morrik/Resource.h"

namespace morrik
{

BEGIN_MESSAGE_MAP(CInsertYem, CMorrikDialog)
ON_EN_CHANGE(IDC_YEM_SERVER, OnChangeText)
ON_EN_CHANGE(IDC_YEM_ID, OnChangeText)
ON_EN_CHANGE(IDC_YEM_PASSWORD, OnChangeText)
END_MESSAGE_MAP()

CInsertYem::CInsertYem(CWnd* pParent)
    : CMorrikDialog(IDD_INSERT_YEM, pParent)
{
}

void CInsertYem::DoDataExchange(CDataExchange* pDX)
{
    CMorrikDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_YEM_SERVER, m_strYem);
    DDX_Text(pDX, IDC_YEM_ID, m_strId);
    DDX_Text(pDX, IDC_YEM_PASSWORD, m_strPassword);
}

BOOL CInsertYem::OnInitDialog()
{
    CMorrikDialog::OnInitDialog();
    EnableOk(false);
    return TRUE;
}

void CInsertYem::OnChangeText()
{
    UpdateData(TRUE);
    EnableOk(!m_strYem.IsEmpty());
}

} // namespace morrik
