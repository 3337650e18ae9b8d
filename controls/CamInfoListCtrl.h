// CCamInfoListCtrl: the device-information page's list of what the device
// reported after login: identity, address, clock, users, channels, disk,
// address filter and, for the streaming-server family, one row per content.
#pragma once

#include "platform/ui/GdiObject.h"
#include "platform/ui/ListCtrl.h"

#include <cstdint>
#include <string>

// What the device-information page gathers from the device for the list.
struct CAM_INFO_RECORD {
    char szModel[16];
    char szVersion1[32];
    char szVersion2[32];
    char szSerial[24];
    uint32_t dwIpAddress; // first octet most significant
    uint8_t byMac[6];
    char szDescription[32]; // not necessarily terminated
    uint8_t bHostName;
    char szHostName[64];
    int32_t nDeviceTime; // seconds since 1970 UTC
    int32_t nGmtOffset; // seconds
    uint8_t bDaylightSaving;
    uint8_t byUserPresent[10];
    char szUserName[10][16];
    uint8_t byChannelEnable[17]; // 0: internal camera of channel 1, n: channel n
    uint8_t bHddEnabled;
    uint8_t byHddStatus; // 0 a disk is fitted, 128 none
    uint8_t bAddressFilter;
};

// Row indexes of the list.
constexpr int CAMINFO_ROW_DESCRIPTION = 5;
constexpr int CAMINFO_ROW_IP = 6;
constexpr int CAMINFO_ROW_TIME = 7;
constexpr int CAMINFO_ROW_USERS = 8;
constexpr int CAMINFO_ROW_CHANNELS = 9;
constexpr int CAMINFO_ROW_FIRST_CONTENT = 11;
constexpr int CAMINFO_MAX_CONTENTS = 10;

// How a selected row is painted.
constexpr int CAMINFO_HIGHLIGHT_LABEL = 0;
constexpr int CAMINFO_HIGHLIGHT_ALLCOLUMNS = 1;
constexpr int CAMINFO_HIGHLIGHT_ROW = 2;
// The editable description's text colour.
constexpr COLORREF CAMINFO_DESCRIPTION_COLOR = RGB(140, 35, 50);

class CCamInfoListCtrl : public CListCtrl
{
public:
    // Columns and rows for the family of g_CurrentDevice.
    void InitColumns();
    // Families 0 to 3.
    void ShowCamInfo(const CAM_INFO_RECORD& info);
    // The DVR family: ten user slots and `channels` channels.
    void ShowCamInfoEx(const CAM_INFO_RECORD& info, int channels);
    void SetContentRow(int index, const std::string& name, const std::string& videoType,
        const std::string& resolution, int videoValue1, int videoValue2, const std::string& audioType,
        int audioBitRate);
    // Keeps rows 11 to 10 + max(count, 1).
    void TrimContentRows(int count);
    void ShowNoContent();
    // Which settings page a double-click on `row` opens, or -1.
    static int PageOfRow(int row, int family);

    // The colour of a row's text when it is not highlighted: the rows that
    // open a settings page read like links.
    static COLORREF RowTextColor(int row, int family);

    // Owner drawing with the highlight mode.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    int m_nHighlight = CAMINFO_HIGHLIGHT_ALLCOLUMNS;
    int m_nValueColumnWidth = 360;
    int m_nEditColumn = 1;

protected:
    // The pixel width of a text in the list's font.
    virtual int TextWidth(const std::string& text) const;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()

private:
    void ShowCommonRows(const CAM_INFO_RECORD& info);
};
