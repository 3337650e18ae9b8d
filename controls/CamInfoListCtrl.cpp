#include "controls/CamInfoListCtrl.h"

#include "link/CurrentDevice.h"
#include "controls/DeviceInfoText.h"
#include "platform/ui/DC.h"
#include "platform/ui/ResourceModule.h"

#include <algorithm>

namespace
{

void AddRow(CListCtrl& list, int row, const char* title, int image)
{
    LVITEM item {};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.pszText = const_cast<char*>(title);
    item.iImage = image;
    list.InsertItem(&item);
}

} // namespace

void CCamInfoListCtrl::InitColumns()
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    InsertColumn(0, LoadResourceString(IDS_INFO_TITLE).c_str(), LVCFMT_LEFT, 150);
    InsertColumn(1, LoadResourceString(IDS_CONTENT_TITLE).c_str(), LVCFMT_LEFT, m_nValueColumnWidth);
    const char* const titles[] = { "Model Name", "H/W Version", "S/W Version", "Serial Number", "MAC Address",
        "Description", "IP Address", "Time", "Registered User" };
    const int images[] = { 0, 0, 0, 0, 0, 9, 2, 1, 3 };
    for (int row = 0; row < 9; ++row)
        AddRow(*this, row, titles[row], images[row]);
    AddRow(*this, CAMINFO_ROW_CHANNELS, family == 4 ? "Enabled Camera" : "Enabled Channel", 4);
    if (family == 4)
        return;
    if (family == 2) {
        AddRow(*this, 10, "Security", 8);
        AddRow(*this, 11, "Streaming Server", 10);
        for (int row = 12; row <= 20; ++row)
            AddRow(*this, row, "", -1);
    } else {
        AddRow(*this, 10, "HDD", 5);
        AddRow(*this, 11, "Security", 8);
    }
}

void CCamInfoListCtrl::ShowCommonRows(const CAM_INFO_RECORD& info)
{
    SetItemText(0, 1, InfoFieldText(info.szModel, sizeof info.szModel).c_str());
    SetItemText(1, 1, InfoFieldText(info.szVersion1, sizeof info.szVersion1).c_str());
    SetItemText(2, 1, InfoFieldText(info.szVersion2, sizeof info.szVersion2).c_str());
    SetItemText(3, 1, InfoFieldText(info.szSerial, sizeof info.szSerial).c_str());
    SetItemText(4, 1, InfoMacText(info.byMac).c_str());
    SetItemText(
        CAMINFO_ROW_DESCRIPTION, 1, InfoFieldText(info.szDescription, sizeof info.szDescription).c_str());
    // First octet first, as every other address of the program.
    const std::string address = info.bHostName ? InfoFieldText(info.szHostName, sizeof info.szHostName)
                                               : InfoIpText(info.dwIpAddress);
    SetItemText(CAMINFO_ROW_IP, 1, address.c_str());
}

void CCamInfoListCtrl::ShowCamInfo(const CAM_INFO_RECORD& info)
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    ShowCommonRows(info);
    SetItemText(CAMINFO_ROW_TIME, 1,
        InfoTimeText(info.nDeviceTime, info.nGmtOffset, info.bDaylightSaving != 0, true).c_str());
    SetItemText(CAMINFO_ROW_USERS, 1, InfoUsersText(info.byUserPresent, info.szUserName, 4).c_str());
    SetItemText(CAMINFO_ROW_CHANNELS, 1, InfoCameraChannelsText(info.byChannelEnable, int(family)).c_str());
    const std::string security = InfoAddressFilterText(info.bAddressFilter);
    if (family == 2) {
        SetItemText(10, 1, security.c_str());
    } else {
        SetItemText(10, 1, InfoHddText(info.byHddStatus, info.bHddEnabled).c_str());
        SetItemText(11, 1, security.c_str());
    }
}

void CCamInfoListCtrl::ShowCamInfoEx(const CAM_INFO_RECORD& info, int channels)
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    ShowCommonRows(info);
    SetItemText(CAMINFO_ROW_TIME, 1,
        InfoTimeText(info.nDeviceTime, info.nGmtOffset, info.bDaylightSaving != 0, false).c_str());
    SetItemText(CAMINFO_ROW_USERS, 1, InfoUsersText(info.byUserPresent, info.szUserName, 10).c_str());
    const int count = std::clamp(channels, 0, int(sizeof info.byChannelEnable) - 1);
    SetItemText(CAMINFO_ROW_CHANNELS, 1, InfoChannelsText(info.byChannelEnable, count, int(family)).c_str());
    if (GetItemCount() > 11) {
        SetItemText(10, 1, InfoHddText(info.byHddStatus, info.bHddEnabled).c_str());
        SetItemText(11, 1, InfoAddressFilterText(info.bAddressFilter).c_str());
    }
}

void CCamInfoListCtrl::SetContentRow(int index, const std::string& name, const std::string& videoType,
    const std::string& resolution, int videoValue1, int videoValue2, const std::string& audioType,
    int audioBitRate)
{
    if (index < 0 || index >= CAMINFO_MAX_CONTENTS)
        return;
    const std::string text
        = InfoContentText(name, videoType, resolution, videoValue1, videoValue2, audioType, audioBitRate);
    SetItemText(CAMINFO_ROW_FIRST_CONTENT + index, 1, text.c_str());
    // The value column only grows, to the widest content.
    const int wanted = TextWidth(text) + 20;
    if (wanted > m_nValueColumnWidth) {
        m_nValueColumnWidth = wanted;
        SetColumnWidth(1, wanted);
    }
}

void CCamInfoListCtrl::TrimContentRows(int count)
{
    const int keep = std::max(count, 1);
    for (int i = keep; i < CAMINFO_MAX_CONTENTS; ++i)
        DeleteItem(CAMINFO_ROW_FIRST_CONTENT + keep);
}

void CCamInfoListCtrl::ShowNoContent()
{
    SetItemText(CAMINFO_ROW_FIRST_CONTENT, 1, LoadResourceString(IDS_NO_CONTENT).c_str());
}

int CCamInfoListCtrl::PageOfRow(int row, int family)
{
    if (family < 0 || family > 4)
        return -1;
    switch (row) {
    case CAMINFO_ROW_IP:
        return 2;
    case CAMINFO_ROW_TIME:
        return 1;
    case CAMINFO_ROW_USERS:
        return 3;
    case CAMINFO_ROW_CHANNELS:
        return 4;
    case 10:
        return family == 2 ? 7 : 5;
    case 11:
        return family == 2 ? 6 : 8;
    default:
        return -1;
    }
}

int CCamInfoListCtrl::TextWidth(const std::string& text) const
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const int width = int(dc.GetTextExtent(text.c_str()).cx);
    dc.DeleteDC();
    return width;
}
