#include "controls/DeviceInfoListCtrl.h"

#include "controls/DeviceInfoText.h"
#include "platform/base/String.h"
#include "resources/setup/Resource.h"

namespace
{

// Titles come from the string table, so that a language pack names the rows.
const UINT kDeviceRows[DEVICE_INFO_ROWS] = { IDS_ROW_MODEL, IDS_ROW_HW_VERSION, IDS_ROW_SW_VERSION,
    IDS_COLUMN_SERIAL, IDS_COLUMN_ADDRESS, IDS_COLUMN_MAC, IDS_ROW_DESCRIPTION };

} // namespace

void CDeviceInfoListCtrl::InitColumns()
{
    InsertColumn(0, LoadText(IDS_INFO_TITLE), LVCFMT_LEFT, 150);
    InsertColumn(1, LoadText(IDS_CONTENT_TITLE), LVCFMT_LEFT, 400);
    for (int row = 0; row < DEVICE_INFO_ROWS; ++row) {
        const CString title = LoadText(kDeviceRows[row]);
        LVITEM item {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        item.pszText = const_cast<char*>(title.GetString());
        item.iImage = 0;
        InsertItem(&item);
    }
}

void CDeviceInfoListCtrl::Clear()
{
    for (int row = 0; row < DEVICE_INFO_ROWS; ++row)
        SetItemText(row, 1, "");
}

void CDeviceInfoListCtrl::ShowDevice(const SELECTED_DEVICE& device)
{
    SetItemText(0, 1, InfoFieldText(device.szModel, sizeof device.szModel).c_str());
    SetItemText(1, 1, InfoFieldText(device.szVersion1, sizeof device.szVersion1).c_str());
    SetItemText(2, 1, InfoFieldText(device.szVersion2, sizeof device.szVersion2).c_str());
    SetItemText(3, 1, InfoFieldText(device.szSerial, sizeof device.szSerial).c_str());
    // First octet first, as every other address of the program.
    SetItemText(4, 1, InfoIpText(device.dwIpAddress).c_str());
    // A device reached through a registration server shows its key text.
    if (device.bLookup && !device.bMacText)
        SetItemText(5, 1, InfoFieldText(device.szKey, sizeof device.szKey).c_str());
    else
        SetItemText(5, 1, InfoMacText(device.byMac).c_str());
    SetItemText(6, 1, InfoFieldText(device.szInfo, sizeof device.szInfo).c_str());
}
