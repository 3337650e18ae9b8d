// The information page against the simulator's device profiles.
#include "pages/Page1CamInfo.h"
#include "app/ConfigView.h"
#include "link/CurrentDevice.h"
#include "pages/ContentName.h"
#include "pages/PropertyConfig.h"
#include "pages/common/TimeZones.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "sim/ConfigServer.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ListPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{

// 15 July 2026, 10:20:30 UTC: summer time in Berlin and in New York.
constexpr int64_t kSummer = 1784110830;
// 10 December 2026, 08:00:00 UTC.
constexpr int64_t kWinter = 1796889600;

class Page1CamInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        // The zone table comes from the program's module, as at start-up.
        AfxSetInstanceHandle(SetupResourceModule());
        LoadTimeZoneTables();
    }
    void TearDown() override
    {
        if (sheet && sheet->GetSafeHwnd())
            sheet->DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
        if (server)
            server->Stop();
    }
    void Open(uint32_t family, int recorderClass = 2, int64_t now = kSummer, int zone = -1,
        int32_t offset = 0, const char* firmware = nullptr)
    {
        profile = sim::MakeProfile(family, recorderClass);
        profile.address = 0x7F000006;
        profile.clock = [now] { return now; };
        if (firmware)
            profile.version2 = firmware;
        if (zone >= 0) {
            profile.zone = uint32_t(zone);
            profile.zoneOffset = offset;
        }
        server = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(server->Start("127.0.0.6", 0));
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.dwIpAddress = profile.address;
        g_CurrentDevice.dwConfigPort = server->Port();
        g_CurrentDevice.dwFamily = family;
        std::strcpy(g_CurrentDevice.szVersion2, profile.version2.c_str());
        g_strDevicePassword = profile.password;
        g_nRecorderModel = recorderClass;

        page = std::make_unique<CPage1CamInfo>();
        page->SetConfigView(&view);
        ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 700, nullptr, nullptr));
        sheet = std::make_unique<CPropertyConfig>("Configuration");
        sheet->AddPage(page.get());
        ASSERT_TRUE(sheet->Create(&host, WS_CHILD | WS_VISIBLE | WS_DLGFRAME | WS_TABSTOP, 0));
    }
    std::string Row(int row) { return static_cast<LPCTSTR>(page->m_InfoList.GetItemText(row, 1)); }
    std::string Title(int row) { return static_cast<LPCTSTR>(page->m_InfoList.GetItemText(row, 0)); }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    sim::DeviceProfile profile;
    std::unique_ptr<sim::ConfigServer> server;
    CConfigView view;
    CWnd host;
    std::unique_ptr<CPropertyConfig> sheet;
    std::unique_ptr<CPage1CamInfo> page;
};

// What a person reads on the page of each family's simulated device.
struct FamilyRows {
    uint32_t family;
    int recorderClass;
    int64_t now;
    const char* time;
    const char* cameras;
    const char* disk; // row 10 of the camera families; null where there is none
    int zone = -1; // another zone than the profile's, with its offset
    int32_t offset = 0;
    const char* firmware = nullptr; // another firmware than the profile's
};

// clang-format off
const FamilyRows kFamilyRows[] = {
    { 0, 2, kSummer, "2026/07/15, 12:20:30, GMT+ 01:00, DST", "Internal CH1, CH2, CH3", "HDD is enabled." },
    { 1, 2, kWinter, "2026/12/10, 09:00:00, GMT+ 01:00", "Internal CH1, CH2, CH3", "HDD is enabled." },
    { 2, 2, kSummer, "2026/07/15, 12:20:30, GMT+ 01:00, DST", "External CH1, CH2, CH3", nullptr },
    { 3, 2, kSummer, "2026/07/15, 06:20:30, GMT- 05:00, DST", "CH1, CH2, CH3", "HDD is enabled." },
    { 4, 2, kSummer, "2026/07/15, 12:20:30, GMT+ 01:00, DST", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14", nullptr },
    { 4, 0, kWinter, "2026/12/10, 09:00:00, GMT+ 01:00", "1, 2, 3", nullptr },
    { 4, 4, kSummer, "2026/07/15, 12:20:30, GMT+ 01:00, DST", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14", nullptr },
    // A recorder in New York: the second rule of the device's list.
    { 4, 1, kSummer, "2026/07/15, 06:20:30, GMT- 05:00, DST", "1, 2, 3, 4, 5, 6, 7", nullptr, 12, -18000 },
    // In Tokyo, without a rule.
    { 4, 1, kSummer, "2026/07/15, 19:20:30, GMT+ 09:00", "1, 2, 3, 4, 5, 6, 7", nullptr, 60, 32400 },
    // An older recorder keeps its users in the five-slot table.
    { 4, 0, kSummer, "2026/07/15, 12:20:30, GMT+ 01:00, DST", "1, 2, 3", nullptr, -1, 0, "1.3.9" },
};
// clang-format on

TEST_F(Page1CamInfoTest, EachFamilyShowsItsRowsFromTheDevice)
{
    for (const FamilyRows& c : kFamilyRows) {
        SCOPED_TRACE(testing::Message() << "family " << c.family << " class " << c.recorderClass);
        TearDown();
        boxes.Clear();
        Open(c.family, c.recorderClass, c.now, c.zone, c.offset, c.firmware);
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(Row(0), profile.model);
        EXPECT_EQ(Row(1), profile.version1);
        EXPECT_EQ(Row(2), profile.version2);
        EXPECT_EQ(Row(3), profile.serial);
        EXPECT_EQ(Row(5), profile.title);
        EXPECT_EQ(Row(6), "127.0.0.6");
        EXPECT_EQ(Row(7), c.time);
        EXPECT_EQ(Row(8), "operator, guard");
        if (c.firmware) {
            const auto log = server->Log();
            EXPECT_TRUE(std::any_of(
                log.begin(), log.end(), [](const sim::Exchange& e) { return e.command == 0x0203; }));
        }
        EXPECT_EQ(Title(9), c.family == 4 ? "Enabled Camera" : "Enabled Channel");
        EXPECT_EQ(Row(9), c.cameras);
        if (c.disk) {
            EXPECT_EQ(Title(10), "HDD");
            EXPECT_EQ(Row(10), c.disk);
        }
        if (c.family == 4) {
            EXPECT_EQ(page->m_InfoList.GetItemCount(), 10);
        } else if (c.family == 2) {
            EXPECT_EQ(Row(10), "IP Address is not filtered.");
            EXPECT_EQ(Title(11), "Streaming Server");
            EXPECT_EQ(Row(11), "live/main : Video[MPEG-4/720X480/30/2000] Audio[G.711/64]");
            EXPECT_EQ(Row(12), "live/mobile : Video[MPEG-4/352X240/15/384] Audio[G.711/64]");
            EXPECT_EQ(page->m_InfoList.GetItemCount(), 13); // the rows beyond the two are gone
            EXPECT_STREQ(g_szContentName, "live/main") << "the active content of the highest frame rate";
        } else {
            EXPECT_EQ(Row(11), "IP Address is not filtered.");
            EXPECT_EQ(page->m_InfoList.GetItemCount(), 12);
        }
        server->Stop();
    }
}

TEST_F(Page1CamInfoTest, TheStreamingServerMovesToItsOwnPortsOnce)
{
    Open(2);
    EXPECT_EQ(g_CurrentDevice.dwStreamPort, 554u);
    EXPECT_EQ(g_CurrentDevice.dwHttpPort, 80u);
    int sets = 0;
    for (const sim::Exchange& e : server->Log())
        sets += e.command == 0x0A02;
    EXPECT_EQ(sets, 1);
}

TEST_F(Page1CamInfoTest, EditingTheDescriptionWritesItCutToTheField)
{
    Open(0);
    server->ClearLog();
    page->m_InfoList.EndLabelEdit(CAMINFO_ROW_DESCRIPTION, "A description far longer than the device keeps");
    EXPECT_TRUE(page->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled());
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_APPLY, BN_CLICKED),
        reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_PAGE_APPLY)->GetSafeHwnd()));
    const auto log = server->Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].command, 0x0106);
    ASSERT_EQ(log[0].params.size(), 32u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(log[0].params.data())),
        std::string("A description far longer than the device keeps").substr(0, 31));
    EXPECT_EQ(log[0].params[31], 0);
    EXPECT_EQ(std::string(g_CurrentDevice.szInfo), "A description far longer than t");
    EXPECT_FALSE(page->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled());
}

TEST_F(Page1CamInfoTest, ADescriptionTheDeviceRefusesOrNeverGetsIsNotTaken)
{
    const sim::Fault refused { .status = 0xF309 };
    const sim::Fault cut { .cutAfter = 4 };
    const struct {
        const char* name;
        const sim::Fault* fault;
        std::vector<std::string> messages;
        bool changeKept; // Apply stays enabled for another try
        bool taken; // the program's record of the device has the new text
    } cases[] = {
        { "answered", nullptr, {}, false, true },
        { "refused", &refused, { "Invalid value" }, false, false },
        { "no whole answer", &cut, { "Connection failed." }, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        boxes.Clear();
        Open(0);
        if (c.fault)
            server->SetFault(0x0106, *c.fault);
        page->m_InfoList.EndLabelEdit(CAMINFO_ROW_DESCRIPTION, "Back door");
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_APPLY, BN_CLICKED),
            reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_PAGE_APPLY)->GetSafeHwnd()));
        std::vector<std::string> messages;
        for (const auto& box : boxes.Boxes())
            messages.push_back(box.text.Str());
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(page->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled(), c.changeKept);
        EXPECT_EQ(std::string(g_CurrentDevice.szInfo), c.taken ? std::string("Back door") : profile.title);
        server->Stop();
    }
}

TEST_F(Page1CamInfoTest, AClickOnTheDescriptionOpensItsEditor)
{
    Open(0);
    host.ShowWindow(SW_SHOW);
    CRect cell;
    ASSERT_TRUE(page->m_InfoList.GetSubItemRect(CAMINFO_ROW_DESCRIPTION, 1, LVIR_BOUNDS, cell));
    page->m_InfoList.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.left + 5, cell.top + 3));
    CWnd* edit = page->m_InfoList.GetDlgItem(4660);
    ASSERT_NE(edit, nullptr);
    edit->SetWindowText("Back door");
    // Leaving the edit ends it.
    page->GetDlgItem(IDC_PAGE_OK)->SetFocus();
    ASSERT_TRUE(PumpMessagesUntil([&] { return page->m_InfoList.GetDlgItem(4660) == nullptr; }, 5000));
    EXPECT_EQ(std::string(page->m_strDescription), "Back door");
    EXPECT_EQ(Row(CAMINFO_ROW_DESCRIPTION), "Back door");
    EXPECT_TRUE(page->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled());
}

TEST_F(Page1CamInfoTest, ACancelledEditChangesNothing)
{
    Open(0);
    page->m_InfoList.EndLabelEdit(CAMINFO_ROW_DESCRIPTION, nullptr);
    EXPECT_FALSE(page->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled());
    EXPECT_EQ(Row(5), profile.title);
}

// The page's list as a person sees it: the column titles in a header, grid
// lines, the rows that open a page drawn like links and the description in
// its own colour where it can be edited.
TEST_F(Page1CamInfoTest, TheListDrawsItsHeaderGridAndShortcuts)
{
    struct Case {
        uint32_t family;
        bool editableDescription;
    } cases[] = { { 0, true }, { DEVICE_FAMILY_DVR, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        TearDown();
        Open(c.family);
        host.ShowWindow(SW_SHOW);
        CListCtrl& list = page->m_InfoList;
        const int header = list.GetHeaderHeight();
        ASSERT_GT(header, 0);
        CRect first, value;
        list.GetItemRect(0, &first, LVIR_BOUNDS);
        EXPECT_EQ(first.top, header);
        list.GetSubItemRect(0, 1, LVIR_BOUNDS, value);

        const ListPicture picture(list, c.family == 0 ? "info_page_camera.png" : "info_page_recorder.png");
        EXPECT_EQ(picture.At(2, header / 2), ListPicture::SysColor(COLOR_BTNFACE));
        EXPECT_TRUE(picture.Has(CRect(value.left, 0, value.left + 80, header), ListPicture::Dark))
            << "the value column's title";
        const QColor grid = ListPicture::SysColor(COLOR_3DLIGHT);
        EXPECT_EQ(picture.At(value.left - 1, picture.Middle(3)), grid) << "between the columns";
        EXPECT_EQ(picture.At(value.left + 250, first.bottom - 1), grid) << "under the first row";

        // Each title stands right of its row's image.
        CRect icon, label;
        list.GetItemRect(0, &icon, LVIR_ICON);
        list.GetItemRect(0, &label, LVIR_LABEL);
        EXPECT_EQ(icon.Width(), 16);
        EXPECT_GE(label.left, icon.right);

        EXPECT_TRUE(picture.CellHas(0, 1, ListPicture::Dark));
        EXPECT_FALSE(picture.CellHas(0, 1, ListPicture::LinkBlue));
        for (int row : { CAMINFO_ROW_IP, CAMINFO_ROW_USERS }) {
            CRect title;
            list.GetItemRect(row, &title, LVIR_LABEL);
            EXPECT_TRUE(picture.Has(title, ListPicture::LinkBlue)) << row;
            EXPECT_TRUE(picture.CellHas(row, 1, ListPicture::LinkBlue)) << row;
            EXPECT_FALSE(picture.CellHas(row, 1, ListPicture::Dark)) << row;
        }
        EXPECT_EQ(picture.CellHas(CAMINFO_ROW_DESCRIPTION, 1, ListPicture::Reddish), c.editableDescription);
        EXPECT_EQ(picture.CellHas(CAMINFO_ROW_DESCRIPTION, 1, ListPicture::Dark), !c.editableDescription);

        // A press on the header selects no row.
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(value.left + 20, header / 2));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(value.left + 20, header / 2));
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
        server->Stop();
    }
}

} // namespace
