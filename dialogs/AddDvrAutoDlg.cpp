#include "dialogs/AddDvrAutoDlg.h"

#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{

constexpr int kAddressColumn = 0;
constexpr int kMacColumn = 1;
constexpr int kSerialColumn = 2;
constexpr char kDialModel[] = "HX7T2M";

template <size_t N> void CopyField(char (&dst)[N], const char* src, size_t size)
{
    std::memcpy(dst, src, std::min(N, size));
}

} // namespace

BEGIN_MESSAGE_MAP(CAddDvrAutoDlg, CDialog)
ON_BN_CLICKED(IDC_AUTO_DETECT, OnAutoDetect)
ON_BN_CLICKED(IDC_ACCESS_ETHERNET, OnEthernet)
ON_BN_CLICKED(IDC_ACCESS_DIAL, OnDial)
ON_NOTIFY(NM_CLICK, IDC_DETECT_LIST, OnClickList)
ON_MESSAGE(WM_DETECT_RESULT, OnDetectResult)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CAddDvrAutoDlg::CAddDvrAutoDlg(CWnd* pParent)
    : CDialog(IDD_ADD_DVR_AUTO, pParent)
{
}

CAddDvrAutoDlg::~CAddDvrAutoDlg()
{
    FreeRows();
}

void CAddDvrAutoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETECT_LIST, m_List);
    DDX_Text(pDX, IDC_AUTO_ADDRESS, m_strAddress);
    DDV_MaxChars(pDX, m_strAddress, 127);
    DDX_Text(pDX, IDC_AUTO_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 24);
    DDX_Radio(pDX, IDC_ACCESS_ETHERNET, m_nAccess);
    DDX_Text(pDX, IDC_AUTO_PHONE, m_strPhone);
    DDV_MaxChars(pDX, m_strPhone, 30);
}

BOOL CAddDvrAutoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_List.SetExtendedStyle(m_List.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CRect client;
    m_List.GetClientRect(&client);
    const int width = client.Width() / 3 - 3;
    const UINT titles[] = { IDS_COLUMN_ADDRESS, IDS_COLUMN_MAC, IDS_COLUMN_SERIAL };
    for (int col = 0; col < 3; ++col) {
        CString title;
        title.LoadString(titles[col]);
        m_List.InsertColumn(col, title, LVCFMT_LEFT, width);
    }
    // Without a socket the list stays empty; the address can still be typed.
    if (m_Socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS))
        m_Socket.Init(m_hWnd);
    return TRUE;
}

DiscoveredDevice* CAddDvrAutoDlg::RowDevice(int row) const
{
    return reinterpret_cast<DiscoveredDevice*>(m_List.GetItemData(row));
}

void CAddDvrAutoDlg::FreeRows()
{
    // The rows live in the list object, with or without its window.
    m_pSelected = nullptr;
    for (int row = 0; row < m_List.GetItemCount(); ++row)
        delete RowDevice(row);
    m_List.DeleteAllItems();
}

void CAddDvrAutoDlg::OnAutoDetect()
{
    FreeRows();
    m_Socket.ReqDiscoveryMsg();
}

void CAddDvrAutoDlg::OnEthernet()
{
    if (CWnd* phone = GetDlgItem(IDC_AUTO_PHONE))
        phone->EnableWindow(FALSE);
}

void CAddDvrAutoDlg::OnDial()
{
    if (CWnd* phone = GetDlgItem(IDC_AUTO_PHONE))
        phone->EnableWindow(TRUE);
}

LRESULT CAddDvrAutoDlg::OnDetectResult(WPARAM, LPARAM lParam)
{
    auto* device = reinterpret_cast<DiscoveredDevice*>(lParam);
    if (!device)
        return 0;
    const std::string mac = DetectedText(device->macText, sizeof device->macText);
    const std::string address = DetectedText(device->addressText, sizeof device->addressText);
    // A device answers every broadcast: list it once.
    int place = m_List.GetItemCount();
    for (int row = 0; row < m_List.GetItemCount(); ++row) {
        if (mac == m_List.GetItemText(row, kMacColumn).GetString()) {
            delete device;
            return 0;
        }
        if (place == m_List.GetItemCount() && address < m_List.GetItemText(row, kAddressColumn).GetString())
            place = row;
    }
    // In address order, as plain text.
    const int row = m_List.InsertItem(place, address.c_str());
    m_List.SetItemText(row, kMacColumn, mac.c_str());
    m_List.SetItemText(row, kSerialColumn, DetectedText(device->serial, sizeof device->serial).c_str());
    m_List.SetItemData(row, DWORD_PTR(device));
    return 0;
}

void CAddDvrAutoDlg::OnClickList(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    const int row = m_List.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    m_pSelected = RowDevice(row);
    m_strName = m_strAddress = m_List.GetItemText(row, kAddressColumn);
    UpdateData(FALSE);
}

void CAddDvrAutoDlg::TakeTypedAddress()
{
    m_pSelected = nullptr;
    std::memset(&m_record, 0, sizeof m_record);
    m_record.port = 80;
    m_record.ipAddress = ParseIpAddress(m_strAddress);
    if (m_nAccess == ACCESS_DIAL) {
        std::memcpy(m_record.model, kDialModel, sizeof kDialModel);
        return;
    }
    // A listed device typed by hand is still that device.
    for (int row = 0; row < m_List.GetItemCount(); ++row) {
        if (RowDevice(row) && RowDevice(row)->ipAddress == m_record.ipAddress) {
            m_pSelected = RowDevice(row);
            return;
        }
    }
}

void CAddDvrAutoDlg::FillRecordFrom(const DiscoveredDevice& device)
{
    std::memset(&m_record, 0, sizeof m_record);
    unsigned mac[6] = {};
    const std::string macText = DetectedText(device.macText, sizeof device.macText);
    if (std::sscanf(
            macText.c_str(), "%x:%x:%x:%x:%x:%x", &mac[0], &mac[1], &mac[2], &mac[3], &mac[4], &mac[5])
        == 6) {
        for (int i = 0; i < 6; ++i)
            m_record.mac[i] = uint8_t(mac[i]);
    }
    m_record.port = device.port;
    m_record.ipAddress = device.ipAddress;
    CopyField(m_record.title, device.name, sizeof device.name);
    CopyField(m_record.model, device.model, sizeof device.model);
    CopyField(m_record.serial, device.serial, sizeof device.serial);
    CopyField(m_record.version1, device.version1, sizeof device.version1);
    CopyField(m_record.version2, device.version2, sizeof device.version2);
}

void CAddDvrAutoDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strName.IsEmpty()) {
        AfxMessageBox(IDS_ENTER_DVR_NAME);
        GotoDlgCtrl(GetDlgItem(IDC_AUTO_NAME));
        return;
    }
    if (m_strAddress.IsEmpty()) {
        AfxMessageBox(IDS_ENTER_DVR_ADDRESS);
        GotoDlgCtrl(GetDlgItem(IDC_AUTO_ADDRESS));
        return;
    }
    if (!m_pSelected
        || m_strAddress != DetectedText(m_pSelected->addressText, sizeof m_pSelected->addressText).c_str())
        TakeTypedAddress();
    if (m_pSelected)
        FillRecordFrom(*m_pSelected);
    FreeRows();
    EndDialog(IDOK);
}

void CAddDvrAutoDlg::OnDestroy()
{
    // Nothing arrives for a dialog that is gone.
    m_Socket.Close();
    FreeRows();
    CDialog::OnDestroy();
}
