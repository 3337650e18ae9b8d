#include "explorer/NewOvel.h"

#include "explorer/Sel2Dlg.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/IpAddressCtrl.h"
#include "resources/morrik/Resource.h"

#include <cstring>

namespace morrik
{

BEGIN_MESSAGE_MAP(CNewOvel, CMorrikDialog)
ON_NOTIFY(IPN_FIELDCHANGED, IDC_NEW_OVEL_ADDRESS, OnAddressChanged)
ON_BN_CLICKED(IDC_NEW_OVEL_SEARCH, OnStartSearch)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{

constexpr UINT kTryMs = 3000;
constexpr UINT kFoundMs = 2000;
constexpr int kTries = 3;

// The label of try 1 to 3, empty for any other.
CString TryLabel(int tryNo)
{
    return tryNo >= 1 && tryNo <= kTries ? MorrikString(IDS_PROBE_TRY_1 + UINT(tryNo - 1)) : CString();
}

} // namespace

CNewOvel::CNewOvel(CWnd* pParent)
    : CMorrikDialog(IDD_NEW_OVEL, pParent)
{
}

void CNewOvel::DoDataExchange(CDataExchange* pDX)
{
    CMorrikDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NEW_OVEL_RESULT, m_strResult);
}

BOOL CNewOvel::OnInitDialog()
{
    CMorrikDialog::OnInitDialog();
    EnableSearch(false);
    EnableOk(false);
    return TRUE;
}

void CNewOvel::EnableSearch(bool enable)
{
    if (CWnd* search = GetDlgItem(IDC_NEW_OVEL_SEARCH))
        search->EnableWindow(enable);
}

DWORD CNewOvel::TypedAddress()
{
    DWORD address = 0;
    SendDlgItemMessage(IDC_NEW_OVEL_ADDRESS, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return address;
}

void CNewOvel::OnAddressChanged(NMHDR*, LRESULT* pResult)
{
    EnableSearch(TypedAddress() != 0);
    EnableOk(false);
    *pResult = 0;
}

void CNewOvel::OnStartSearch()
{
    m_strResult.Empty();
    UpdateData(FALSE);
    EnableSearch(false);
    const DWORD address = TypedAddress();
    m_strTarget = FormatIpAddress(address).c_str();
    if (m_pOwner) {
        m_pOwner->m_dwProbeAddress = address;
        m_pOwner->m_pNewOvel = this;
    }
    m_nTry = 1;
    m_bFound = false;
    SendProbe();
}

void CNewOvel::SendProbe()
{
    if (m_pOwner)
        m_pOwner->ReqUniQuestMsg(m_strTarget);
    m_nTimerTry = SetTimer(TIMER_NEW_OVEL_TRY, kTryMs);
}

void CNewOvel::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_NEW_OVEL_FOUND) {
        KillTimer(TIMER_NEW_OVEL_FOUND);
        return;
    }
    if (nIDEvent != TIMER_NEW_OVEL_TRY || m_bFound)
        return;
    const CString notFound = MorrikString(IDS_CAMERA_NOT_FOUND);
    if (m_nTry == 1)
        m_strResult.Format(" %s $ %s!!!", TryLabel(1).GetString(), notFound.GetString());
    else
        m_strResult.AppendFormat("\r\n %s $ %s!!!", TryLabel(m_nTry).GetString(), notFound.GetString());
    UpdateData(FALSE);
    KillTimer(TIMER_NEW_OVEL_TRY);
    if (++m_nTry > kTries) {
        StopWaiting();
        EnableSearch(false);
        EnableOk(true);
        return;
    }
    SendProbe();
}

void CNewOvel::ResUniQuestMsg(const RES_DISCOVER_OVEL* record)
{
    if (!record)
        return;
    m_bFound = true;
    KillTimer(TIMER_NEW_OVEL_TRY);
    m_nTimerFound = SetTimer(TIMER_NEW_OVEL_FOUND, kFoundMs);
    m_resDiscover = *record;
    m_strResult.Empty();
    if (m_nTry >= 1 && m_nTry <= kTries)
        m_strResult.Format(
            " %s $ %s!!!", TryLabel(m_nTry).GetString(), MorrikString(IDS_CAMERA_FOUND).GetString());
    m_strResult += "\r\n ";
    m_strResult += "\r\n << Cam Inforamation >>";
    char serial[sizeof m_resDiscover.serial + 1] = {};
    std::memcpy(serial, m_resDiscover.serial, sizeof m_resDiscover.serial);
    m_strResult += MorrikString(IDS_CAM_INFO_SERIAL);
    m_strResult.AppendFormat(" %s", serial);
    m_strResult += MorrikString(IDS_CAM_INFO_MAC);
    const uint8_t* mac = m_resDiscover.mac;
    m_strResult.AppendFormat(
        " %02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    UpdateData(FALSE);
    EnableSearch(false);
    EnableOk(true);
}

void CNewOvel::OnOK()
{
    if (!m_bFound) {
        // Entered by hand: what a camera of the family answers by default.
        std::memset(&m_resDiscover, 0, sizeof m_resDiscover);
        m_resDiscover.port = PORT_ENTERED_BY_HAND;
        m_resDiscover.ipAddress = TypedAddress();
        std::strcpy(m_resDiscover.title, "Welcome to Quillomaranth");
    }
    EndDialog(IDOK);
}

void CNewOvel::OnDestroy()
{
    KillTimer(TIMER_NEW_OVEL_TRY);
    KillTimer(TIMER_NEW_OVEL_FOUND);
    StopWaiting();
    CMorrikDialog::OnDestroy();
}

void CNewOvel::StopWaiting()
{
    if (!m_pOwner || m_pOwner->m_pNewOvel != this)
        return;
    m_pOwner->m_dwProbeAddress = 0;
    m_pOwner->m_pNewOvel = nullptr;
}

} // namespace morrik
