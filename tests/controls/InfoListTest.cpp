#include "controls/CamInfoListCtrl.h"
#include "controls/DeviceInfoListCtrl.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/LanguagePack.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WinApp.h"
#include "resources/setup/Resource.h"
#include "resources/setup/SetupResources.h"
#include "tests/platform/ListPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

class InfoLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxSetInstanceHandle(SetupResourceModule());
        AfxSetResourceHandle(SetupResourceModule());
        g_CurrentDevice = SELECTED_DEVICE();
    }
    // The program's application object: its string loader reads the module.
    CWinApp app;
};

TEST_F(InfoLists, TheDeviceListShowsTheSelectedDevice)
{
    CDeviceInfoListCtrl list;
    list.InitColumns();
    ASSERT_EQ(list.GetItemCount(), 7);
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_EQ(list.GetColumnWidth(1), 400);
    EXPECT_EQ(list.GetItemText(4, 0), CString("IP Address"));

    SELECTED_DEVICE device {};
    std::strcpy(device.szModel, "PT-D16");
    device.dwIpAddress = 0xC0A80005;
    const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x10, 0x04, 0x21 };
    std::memcpy(device.byMac, mac, 6);
    std::memset(device.szInfo, 'x', sizeof device.szInfo); // a full field without terminator
    list.ShowDevice(device);
    EXPECT_EQ(list.GetItemText(0, 1), CString("PT-D16"));
    EXPECT_EQ(list.GetItemText(4, 1), CString("192.168.0.5"));
    EXPECT_EQ(list.GetItemText(5, 1), CString("00:1b:9e:10:04:21"));
    EXPECT_EQ(list.GetItemText(6, 1), CString(std::string(32, 'x').c_str()));

    // A device reached through a registration server shows its key text.
    device.bLookup = 1;
    std::strcpy(device.szKey, "gate-7");
    list.ShowDevice(device);
    EXPECT_EQ(list.GetItemText(5, 1), CString("gate-7"));

    list.Clear();
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(list.GetItemText(row, 1), CString("")) << row;
}

TEST_F(InfoLists, TheCameraListRowsFollowTheFamily)
{
    struct Case {
        uint32_t family;
        int rows;
        const char* row9;
    } cases[] = { { 4, 10, "Enabled Camera" }, { 0, 12, "Enabled Channel" }, { 2, 21, "Enabled Channel" } };
    for (const Case& c : cases) {
        g_CurrentDevice.dwFamily = c.family;
        CCamInfoListCtrl list;
        list.InitColumns();
        EXPECT_EQ(list.GetItemCount(), c.rows) << c.family;
        EXPECT_EQ(list.GetItemText(9, 0), CString(c.row9)) << c.family;
    }
}

TEST_F(InfoLists, TheCameraListShowsWhatTheDeviceReported)
{
    g_CurrentDevice.dwFamily = 4;
    CCamInfoListCtrl list;
    list.InitColumns();
    CAM_INFO_RECORD info {};
    std::strcpy(info.szModel, "PT-D16");
    info.dwIpAddress = 0xC0A80005;
    info.nDeviceTime = 0;
    info.nGmtOffset = 19800;
    info.byUserPresent[0] = info.byUserPresent[9] = 1;
    std::strcpy(info.szUserName[0], "admin");
    std::strcpy(info.szUserName[9], "night");
    info.byChannelEnable[1] = info.byChannelEnable[16] = 1;
    list.ShowCamInfoEx(info, 16);
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_IP, 1), CString("192.168.0.5"));
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_TIME, 1), CString("1970/01/01, 05:30:00, GMT+ 05:30"));
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_USERS, 1), CString("admin, night"));
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_CHANNELS, 1), CString("1, 16"));

    info.bHostName = 1;
    std::strcpy(info.szHostName, "dvr.example");
    list.ShowCamInfoEx(info, 16);
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_IP, 1), CString("dvr.example"));
}

TEST_F(InfoLists, ContentRowsGrowTheColumnAndTrim)
{
    g_CurrentDevice.dwFamily = 2;
    CCamInfoListCtrl list;
    list.InitColumns();
    list.ShowNoContent();
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_FIRST_CONTENT, 1), CString("No Content"));
    list.SetContentRow(0, "a", "MPEG4", "CIF", 1, 2, "G.711", 64);
    EXPECT_EQ(list.m_nValueColumnWidth, 360);
    list.SetContentRow(1, std::string(120, 'w'), "MPEG4", "D1", 30, 2048, "G.711", 64);
    EXPECT_GT(list.m_nValueColumnWidth, 360);
    EXPECT_EQ(list.GetColumnWidth(1), list.m_nValueColumnWidth);
    const int grown = list.m_nValueColumnWidth;
    list.SetContentRow(2, "b", "MPEG4", "CIF", 1, 2, "G.711", 64);
    EXPECT_EQ(list.m_nValueColumnWidth, grown);

    list.TrimContentRows(10);
    EXPECT_EQ(list.GetItemCount(), 21);
    list.TrimContentRows(0);
    EXPECT_EQ(list.GetItemCount(), 12);
    EXPECT_EQ(list.GetItemText(CAMINFO_ROW_FIRST_CONTENT, 0), CString("Streaming Server"));
}

TEST(CamInfoListPages, DoubleClickShortcuts)
{
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(CAMINFO_ROW_IP, 4), 2);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(10, 0), 5);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(10, 2), 7);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(11, 2), 6);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(11, 3), 8);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(3, 4), -1);
    EXPECT_EQ(CCamInfoListCtrl::PageOfRow(CAMINFO_ROW_IP, 5), -1);
}

// Row and column titles come from the string table: a language pack that
// carries them names the rows in its language.
TEST_F(InfoLists, ALanguagePackNamesTheRows)
{
    HINSTANCE pack = LoadLanguagePack(TEST_LANGUAGE_PACK_DIR, "OstraCFGRes");
    ASSERT_NE(pack, nullptr);
    AfxSetResourceHandle(pack);
    CDeviceInfoListCtrl device;
    device.InitColumns();
    g_CurrentDevice.dwFamily = 0;
    CCamInfoListCtrl camera;
    camera.InitColumns();
    AfxSetResourceHandle(SetupResourceModule());

    for (CListCtrl* list : { static_cast<CListCtrl*>(&device), static_cast<CListCtrl*>(&camera) }) {
        char title[32] = {};
        LVCOLUMN column {};
        column.mask = LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        ASSERT_TRUE(list->GetColumn(0, &column));
        EXPECT_STREQ(title, "Angaben");
        EXPECT_EQ(list->GetItemText(0, 0), CString("Modellname"));
        // What the pack does not carry stays the program's own.
        EXPECT_EQ(list->GetItemText(1, 0), CString("H/W Version"));
    }
    EXPECT_EQ(device.GetItemText(4, 0), CString("IP-Adresse"));
    EXPECT_EQ(camera.GetItemText(CAMINFO_ROW_IP, 0), CString("IP-Adresse"));
    EXPECT_EQ(camera.GetItemText(11, 0), CString("Security"));
}

// The login bar's list as the configuration view makes it: the column titles
// in a header and each row's image before its title.
TEST_F(InfoLists, TheDeviceListShowsItsHeaderAndRowImages)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "lists", WS_POPUP | WS_VISIBLE, 0, 0, 640, 300, nullptr, nullptr));
    CDeviceInfoListCtrl list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(0, 0, 600, 200), &frame, 1));
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_SMALL_ICONS, 16, 1, RGB(0, 0, 0)));
    list.SetImageList(&images, LVSIL_SMALL);
    list.InitColumns();

    const int header = list.GetHeaderHeight();
    ASSERT_GT(header, 0);
    const ListPicture picture(list, "info_list_device.png");
    EXPECT_TRUE(picture.Has(CRect(0, 0, 150, header), ListPicture::Dark)) << "the first column's title";
    const QColor window = ListPicture::SysColor(COLOR_WINDOW);
    for (int row = 0; row < DEVICE_INFO_ROWS; ++row) {
        CRect icon, label;
        list.GetItemRect(row, &icon, LVIR_ICON);
        list.GetItemRect(row, &label, LVIR_LABEL);
        EXPECT_EQ(icon.Width(), 16) << row;
        EXPECT_GE(label.left, icon.right) << row;
        EXPECT_TRUE(picture.Has(icon, [&](QColor c) { return c != window; })) << "the image of row " << row;
        EXPECT_TRUE(picture.Has(label, ListPicture::Dark)) << "the title of row " << row;
    }
}

// A selected row is filled as far as the highlight mode says; without the
// grid style the cells stand unframed.
TEST_F(InfoLists, TheHighlightModeSetsHowFarASelectedRowIsFilled)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "lists", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr));
    const QColor fill = ListPicture::SysColor(COLOR_HIGHLIGHT);
    const QColor window = ListPicture::SysColor(COLOR_WINDOW);
    struct Case {
        int mode;
        QColor label, value, beyond; // a blank spot of the label, of the value and right of the columns
    } cases[] = {
        { CAMINFO_HIGHLIGHT_LABEL, fill, window, window },
        { CAMINFO_HIGHLIGHT_ALLCOLUMNS, fill, fill, window },
        { CAMINFO_HIGHLIGHT_ROW, fill, fill, fill },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CCamInfoListCtrl list;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 600, 440), &frame, 1));
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list.InitColumns();
        CAM_INFO_RECORD info {};
        std::strcpy(info.szModel, "PT-D16");
        list.ShowCamInfo(info);
        list.m_nHighlight = c.mode;
        // A drop target is highlighted whether or not the list has the focus.
        list.SetItemState(0, LVIS_DROPHILITED, LVIS_DROPHILITED);
        const ListPicture picture(list, "info_list_highlight.png");
        const int y = picture.Middle(0);
        CRect label;
        list.GetItemRect(0, &label, LVIR_LABEL);
        EXPECT_EQ(picture.At(label.left + 1, y), c.label);
        EXPECT_EQ(picture.At(450, y), c.value);
        EXPECT_EQ(picture.At(570, y), c.beyond);
        // The highlighted text turns to the highlight text colour.
        EXPECT_EQ(picture.CellHas(0, 1, ListPicture::Dark), c.mode == CAMINFO_HIGHLIGHT_LABEL);
        EXPECT_EQ(picture.At(149, picture.Middle(3)), window) << "no grid line between the columns";
        CRect row;
        list.GetItemRect(3, &row, LVIR_BOUNDS);
        EXPECT_EQ(picture.At(400, row.bottom - 1), window) << "nor under a row";
    }
}

} // namespace
