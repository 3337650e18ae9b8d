// Logging in through the login bar of the running program against
// simulated devices: the sheet of the device's family, the device's answers
// and refusals, another device selected meanwhile, and the dial-up login.
#include "AppDeviceFixture.h"

#include "app/LoginBar.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "pages/ConfigPage.h"
#include "pages/PropertyConfig.h"
#include "pages/SheetFactory.h"
#include "platform/base/DialUpService.h"

#include <QImage>
#include <QWidget>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace
{

constexpr uint32_t kDeviceAddress = 0x7F000004;
constexpr char kNotStored[] = "The password and port of this device could not be stored in the device list; "
                              "they hold for this session only.";

class ConfigViewLoginTest : public AppDeviceTest
{
protected:
    // A device of `family` answering logins with "admin" at `address`. A
    // DVR is saved under "My DVR" (WriteDvrTree) and chosen by a click on
    // its row; the tree lists no camera, whose selection comes as the
    // device message the tree sends (Select). Before Start.
    size_t AddFamilyDevice(uint32_t address, uint32_t family, int recorderClass = 2)
    {
        return AddDevice(DvrProfile(address, family, recorderClass), "admin");
    }
    void WriteDvrTree(const std::vector<size_t>& dvrs)
    {
        std::vector<fixture::Device> records;
        for (size_t dvr : dvrs)
            records.push_back(Record(dvr, ("Hall " + std::to_string(dvr)).c_str()));
        WriteTree(records);
    }
    // A DVR of `recorderClass` at kDeviceAddress, the program started and
    // the DVR's row clicked.
    void StartWithDvr(int recorderClass = 2)
    {
        m_dvr = AddFamilyDevice(kDeviceAddress, 4, recorderClass);
        ASSERT_TRUE(m_responder.Start());
        WriteDvrTree({ m_dvr });
        ASSERT_TRUE(Start());
        ASSERT_NE(ClickDevice(kDeviceAddress), nullptr);
    }
    void Select(size_t device)
    {
        const sim::DeviceProfile& profile = m_responder.Device(device).profile;
        SELECTED_DEVICE record {};
        std::strcpy(record.szName, "Lobby");
        record.dwIpAddress = profile.address;
        record.dwConfigPort = ConfigPort(device);
        record.dwStreamPort = 8105;
        record.dwHttpPort = 8001;
        record.bMacText = 1;
        record.dwFamily = profile.family;
        CamSel()->SendMessage(WM_DEVICE_SELECT, reinterpret_cast<WPARAM>(&record), 0);
    }
    void SetText(int id, const char* text) { View()->GetDlgItem(id)->SetWindowText(text); }
    // The page slots the sheet holds, in tab order.
    std::vector<SheetSlot> SheetSlots()
    {
        std::vector<SheetSlot> held;
        CPropertyConfig* sheet = View()->GetSheet();
        for (int i = 0; sheet && i < sheet->GetPageCount(); ++i)
            held.push_back(static_cast<CConfigPage*>(sheet->GetPage(i))->Slot());
        return held;
    }

    size_t m_dvr = 0;
};

TEST_F(ConfigViewLoginTest, AGoodLoginShowsTheSheetOfTheFamily)
{
    const size_t dvr = AddFamilyDevice(kDeviceAddress, 4, 4);
    const size_t camera = AddFamilyDevice(kDeviceAddress + 1, 0, -1);
    const size_t streamServer = AddFamilyDevice(kDeviceAddress + 2, 2, -1);
    ASSERT_TRUE(m_responder.Start());
    WriteDvrTree({ dvr });
    ASSERT_TRUE(Start());
    for (size_t device : { dvr, camera, streamServer }) {
        SCOPED_TRACE(m_responder.Device(device).profile.family);
        m_boxes.Clear();
        if (device == dvr)
            ASSERT_NE(ClickDevice(kDeviceAddress), nullptr);
        else
            Select(device);
        Login("admin");
        // A device in no tree is logged in to, and the user learns that
        // its password and port are kept for this session only.
        const std::vector<std::string> told
            = device == dvr ? std::vector<std::string> {} : std::vector<std::string> { kNotStored };
        EXPECT_EQ(BoxTexts(), told);
        ASSERT_TRUE(View()->HasSheet());
        EXPECT_FALSE(View()->IsLoginBarShown());
        EXPECT_FALSE(View()->GetDlgItem(IDC_LOGIN)->IsWindowVisible());
        EXPECT_TRUE(View()->GetSheet()->IsWindowVisible());
        EXPECT_EQ(g_strDevicePassword, "admin");

        // The sheet holds, in order, every page of the table that the program has.
        const SheetAssembly table = AssembleSheet(SheetInputsForCurrentDevice(View()->m_nFirmwareClass));
        std::vector<SheetSlot> expected;
        for (SheetSlot slot : table.order) {
            if (CConfigPage* page = CreateSheetPage(slot)) {
                delete page;
                expected.push_back(slot);
            }
        }
        EXPECT_EQ(SheetSlots(), expected);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(expected.front(), SLOT_CamInfo);

        // OK of the page ends the session and brings the login bar back.
        CWnd* page = View()->GetSheet()->GetActivePage();
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_OK, BN_CLICKED),
            reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_PAGE_OK)->GetSafeHwnd()));
        EXPECT_FALSE(View()->HasSheet());
        EXPECT_TRUE(View()->IsLoginBarShown());
        EXPECT_TRUE(View()->GetDlgItem(IDC_LOGIN)->IsWindowVisible());
    }
}

TEST_F(ConfigViewLoginTest, RecorderClassAndFirmwareKindComeFromTheDevice)
{
    StartWithDvr(4);
    Login("admin");
    ASSERT_TRUE(View()->HasSheet());
    EXPECT_EQ(g_nRecorderModel, 4);
    EXPECT_EQ(View()->m_nFirmwareClass, 0);
    EXPECT_EQ(std::string(g_CurrentDevice.szAddress), "127.0.0.4");
}

TEST_F(ConfigViewLoginTest, AnotherDeviceHidesTheSheetAndTheSessionsDeviceShowsItAgain)
{
    const size_t hall = AddFamilyDevice(kDeviceAddress, 4);
    const size_t gate = AddFamilyDevice(kDeviceAddress + 0x40, 4);
    ASSERT_TRUE(m_responder.Start());
    WriteDvrTree({ hall, gate });
    ASSERT_TRUE(Start());
    ASSERT_NE(ClickDevice(kDeviceAddress), nullptr);
    Login("admin");
    ASSERT_TRUE(View()->HasSheet());
    CPropertyConfig* sheet = View()->GetSheet();
    ASSERT_NE(ClickDevice(kDeviceAddress + 0x40), nullptr);
    EXPECT_TRUE(View()->IsLoginBarShown());
    EXPECT_TRUE(View()->HasSheet()); // kept for its device
    EXPECT_FALSE(sheet->IsWindowVisible());
    EXPECT_TRUE(View()->GetDlgItem(IDC_LOGIN)->IsWindowVisible());

    Server(hall).ClearLog();
    ASSERT_NE(ClickDevice(kDeviceAddress), nullptr);
    EXPECT_FALSE(View()->IsLoginBarShown());
    EXPECT_EQ(View()->GetSheet(), sheet);
    EXPECT_TRUE(sheet->IsWindowVisible());
    EXPECT_TRUE(Server(hall).Log().empty()); // no new login
}

// What the user sees of a login the device refuses, of a device that does
// not answer, and of a port that cannot be one.
TEST_F(ConfigViewLoginTest, AFailedLoginSaysWhyAndKeepsTheLoginBar)
{
    StartWithDvr();
    const std::string invalidPort = "Port is invalid. Please use value from 1 to 65535.";
    const struct {
        const char* what;
        const char* port; // null: the device's
        const char* password;
        bool stopped;
        std::string told;
    } cases[] = {
        { "wrong password", nullptr, "wrong", false, "Authorization failed." },
        { "empty port", "", "admin", false, invalidPort },
        { "port 0", "0", "admin", false, invalidPort },
        { "port too large", "65536", "admin", false, invalidPort },
        { "port with a letter", "80a", "admin", false, invalidPort },
        { "negative port", "-5", "admin", false, invalidPort },
        { "no answer", nullptr, "admin", true, "Connection failed." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_boxes.Clear();
        Server(m_dvr).ClearLog();
        if (c.stopped)
            Server(m_dvr).Stop();
        SetText(IDC_PORT, c.port ? c.port : std::to_string(ConfigPort(m_dvr)).c_str());
        Login(c.password);
        EXPECT_EQ(BoxTexts(), std::vector<std::string> { c.told });
        EXPECT_FALSE(View()->HasSheet());
        EXPECT_TRUE(View()->IsLoginBarShown());
        if (c.told == invalidPort) {
            EXPECT_TRUE(Server(m_dvr).Log().empty()) << "refused before any connection";
        }
    }
}

TEST_F(ConfigViewLoginTest, PictureOfTheSheetAfterLogin)
{
    StartWithDvr();
    const QImage before = View()->GetWidget()->grab().toImage();
    ASSERT_FALSE(before.isNull());
    const QPoint low(before.width() / 2, before.height() - 30);
    ASSERT_EQ(before.pixel(low), qRgb(255, 255, 255)) << "the login bar's white background";
    Login("admin");
    ASSERT_TRUE(View()->HasSheet());
    const QImage picture = View()->GetWidget()->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save("config_view_sheet.png"));
    // The page covers the pane where the login bar's white background was.
    EXPECT_NE(picture.pixel(low), qRgb(255, 255, 255));
}

// Runs a modal dialog until it ends.
class CPumpingRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd* dialog) override
    {
        auto* pDialog = static_cast<CDialog*>(dialog);
        PumpMessagesUntil([&] { return pDialog->IsModalEnded() != FALSE; }, 20000);
    }
};

// A dial-up service that goes through `states` at each dial, and the
// progress dialog left to run until it ends; the current device is a
// dial-up device of `number`.
struct DialUpStage {
    DialUpStage(std::vector<int> states, const char* number)
    {
        dialUp.SetStates(std::move(states));
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.bLookup = 1;
        std::strcpy(g_CurrentDevice.szLookupHost, number);
    }
    ScriptedDialUpService dialUp;
    ScopedService<IDialUpService> useDialUp { &dialUp };
    CPumpingRunner runner;
    ScopedService<IModalDialogRunner> useRunner { &runner };
};

TEST_F(ConfigViewLoginTest, DialUpLoginDialsTheLookupNumberOnce)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(CConfigView::DialUpLogin(), -1); // not a dial-up device

    DialUpStage stage({ RASCS_OpenPort, RASCS_Connected }, "5551234");
    ScriptedDialUpService& dialUp = stage.dialUp;
    g_strDevicePassword = "secret";
    EXPECT_EQ(CConfigView::DialUpLogin(), 0);
    ASSERT_EQ(dialUp.Dials().size(), 1u);
    EXPECT_EQ(dialUp.Dials()[0].number, "5551234");
    EXPECT_EQ(dialUp.Dials()[0].user, "admin");
    EXPECT_EQ(dialUp.Dials()[0].password, "secret");
    EXPECT_STREQ(g_DialUpDevice.szLookupHost, "5551234");

    // The line is up to this device already: nothing more to dial.
    EXPECT_EQ(CConfigView::DialUpLogin(), -1);
    EXPECT_EQ(dialUp.Dials().size(), 1u);

    // Another device's number: the user keeps the busy line.
    std::strcpy(g_CurrentDevice.szLookupHost, "5559999");
    m_boxes.Answer(IDNO);
    EXPECT_EQ(CConfigView::DialUpLogin(), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Line is busy now. Will you hangup?" });
    EXPECT_EQ(dialUp.Dials().size(), 1u);
    g_DialUpDevice = SELECTED_DEVICE();
}

TEST_F(ConfigViewLoginTest, AFailedDialIsNotALogin)
{
    ASSERT_TRUE(Start());
    DialUpStage stage({ RASCS_OpenPort, RASCS_Disconnected }, "5550000");
    EXPECT_EQ(CConfigView::DialUpLogin(), 1);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(m_boxes.Boxes()[0].caption), "Dial-up Connection Error");
    EXPECT_EQ(stage.dialUp.OpenConnections(), 0u);
}

} // namespace
