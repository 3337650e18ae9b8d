#include "pages/NetworkPage.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "platform/base/Services.h"
#include "platform/ui/IpAddressCtrl.h"

BEGIN_MESSAGE_MAP(CNetworkPage, CConfigPage)
ON_NOTIFY_RANGE(IPN_FIELDCHANGED, IDC_NET_ADDRESS, IDC_NET_DNS3, OnAddressChanged)
ON_EN_CHANGE(IDC_NET_REG_SERVER, OnRegistrationChanged)
ON_EN_CHANGE(IDC_NET_GROUP_ID, OnRegistrationChanged)
ON_CBN_SELCHANGE(IDC_NET_REG_LIST, OnIntervalListChanged)
END_MESSAGE_MAP()

CNetworkPage::CNetworkPage(UINT nIDTemplate, SheetSlot slot)
    : CConfigPage(nIDTemplate, slot)
{
}

void CNetworkPage::EnableRegistration(BOOL bEnable)
{
    // A streaming server keeps its registration fields disabled.
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER)
        return;
    for (int id : { IDC_NET_REG_SERVER, IDC_NET_GROUP_ID })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(bEnable);
}

BOOL CNetworkPage::RefusePort(int id, UINT message)
{
    AfxMessageBox(message);
    if (CWnd* edit = GetDlgItem(id)) {
        edit->SetFocus();
        edit->SendMessage(EM_SETSEL, 0, -1);
    }
    return FALSE;
}

void CNetworkPage::OnAddressChanged(UINT id, NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_nQuiet)
        return;
    // Only a person working the active page changes the address.
    if (id == IDC_NET_ADDRESS && GetSheet() && GetSheet()->GetActivePage() != this) {
        SetPageModified(FALSE);
        return;
    }
    if (m_Ethernet.OnFieldChanged(this, id))
        MarkGroupChanged(GROUP_IP);
}

void CNetworkPage::OnRegistrationChanged()
{
    if (!m_nQuiet)
        MarkGroupChanged(GROUP_IP);
}

void CNetworkPage::OnIntervalListChanged()
{
    EnableRegistration(SendDlgItemMessage(IDC_NET_REG_LIST, CB_GETCURSEL) > 0);
    if (!m_nQuiet)
        MarkGroupChanged(GROUP_IP);
}
