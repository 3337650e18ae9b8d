// Logging in through the login bar against simulated devices.
#include "app/ConfigView.h"
#include "pages/common/TimeZones.h"
#include "link/CurrentDevice.h"
#include "pages/ConfigPage.h"
#include "pages/PropertyConfig.h"
#include "pages/SheetFactory.h"
#include "platform/base/DialUpService.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "sim/ConfigServer.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <cstring>
#include <string>
#include <vector>

namespace
{

// A view the fixture owns: it must not delete itself with its window.
class CTestConfigView : public CConfigView
{
public:
    CTestConfigView() { m_bAutoDelete = FALSE; }
};

constexpr uint32_t kDeviceAddress = 0x7F000004;

class ConfigViewLoginTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        // The zone table the information page reads, as start-up loads it.
        AfxSetInstanceHandle(SetupResourceModule());
        LoadTimeZoneTables();
        g_CurrentDevice = SELECTED_DEVICE();
        g_strDevicePassword.clear();
        ASSERT_TRUE(frame.CreateEx(
            0, nullptr, "Pellmoor Tarnwick", WS_OVERLAPPEDWINDOW, 0, 0, 800, 634, nullptr, nullptr));
        ASSERT_TRUE(
            view.Create("ConfigView", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 550, 600), &frame, 0xE900));
        frame.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (view.GetSafeHwnd())
            view.DestroyWindow();
        frame.DestroyWindow();
    }

    void Start(uint32_t family, int recorderClass = 2, const char* firmware = nullptr)
    {
        sim::DeviceProfile profile = sim::MakeProfile(family, recorderClass);
        profile.address = kDeviceAddress;
        if (firmware)
            profile.version2 = firmware;
        server = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(server->Start("127.0.0.4", 0));
        Select(family, server->Port());
    }
    void Select(uint32_t family, uint32_t port)
    {
        SELECTED_DEVICE device {};
        std::strcpy(device.szName, "Hall recorder");
        device.dwIpAddress = kDeviceAddress;
        device.dwConfigPort = port;
        device.dwStreamPort = 8105;
        device.dwHttpPort = 8001;
        device.bMacText = 1;
        device.dwFamily = family;
        view.SelectDevice(&device, 0);
    }
    void SetText(int id, const char* text) { view.GetDlgItem(id)->SetWindowText(text); }
    void ClickLogin()
    {
        CWnd* login = view.GetDlgItem(IDC_LOGIN);
        view.SendMessage(
            WM_COMMAND, MAKEWPARAM(IDC_LOGIN, BN_CLICKED), reinterpret_cast<LPARAM>(login->GetSafeHwnd()));
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& b : boxes.Boxes())
            texts.push_back(static_cast<LPCTSTR>(b.text));
        return texts;
    }
    // The page slots the sheet holds, in tab order.
    std::vector<SheetSlot> SheetSlots()
    {
        std::vector<SheetSlot> held;
        CPropertyConfig* sheet = view.GetSheet();
        for (int i = 0; sheet && i < sheet->GetPageCount(); ++i)
            held.push_back(static_cast<CConfigPage*>(sheet->GetPage(i))->Slot());
        return held;
    }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    CWnd frame;
    CTestConfigView view;
    std::unique_ptr<sim::ConfigServer> server;
};

TEST_F(ConfigViewLoginTest, AGoodLoginShowsTheSheetOfTheFamily)
{
    for (const auto& [family, recorderClass] :
        std::vector<std::pair<uint32_t, int>> { { 4, 4 }, { 0, -1 }, { 2, -1 } }) {
        SCOPED_TRACE(family);
        boxes.Clear();
        Start(family, recorderClass);
        SetText(IDC_PASSWORD, "admin");
        ClickLogin();
        EXPECT_TRUE(BoxTexts().empty()) << (BoxTexts().empty() ? "" : BoxTexts()[0]);
        ASSERT_TRUE(view.HasSheet());
        EXPECT_FALSE(view.IsLoginBarShown());
        EXPECT_FALSE(view.GetDlgItem(IDC_LOGIN)->IsWindowVisible());
        EXPECT_TRUE(view.GetSheet()->IsWindowVisible());
        EXPECT_EQ(g_strDevicePassword, "admin");

        // The sheet holds, in order, every page of the table that the program has.
        const SheetAssembly table = AssembleSheet(SheetInputsForCurrentDevice(view.m_nFirmwareClass));
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
        CWnd* page = view.GetSheet()->GetActivePage();
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_OK, BN_CLICKED),
            reinterpret_cast<LPARAM>(page->GetDlgItem(IDC_PAGE_OK)->GetSafeHwnd()));
        EXPECT_FALSE(view.HasSheet());
        EXPECT_TRUE(view.IsLoginBarShown());
        EXPECT_TRUE(view.GetDlgItem(IDC_LOGIN)->IsWindowVisible());
        server->Stop();
    }
}

TEST_F(ConfigViewLoginTest, RecorderClassAndFirmwareKindComeFromTheDevice)
{
    Start(4, 4);
    SetText(IDC_PASSWORD, "admin");
    ClickLogin();
    ASSERT_TRUE(view.HasSheet());
    EXPECT_EQ(g_nRecorderModel, 4);
    EXPECT_EQ(view.m_nFirmwareClass, 0);
    EXPECT_EQ(std::string(g_CurrentDevice.szAddress), "127.0.0.4");
}

TEST_F(ConfigViewLoginTest, AnotherDeviceHidesTheSheetAndTheSessionsDeviceShowsItAgain)
{
    Start(4);
    SetText(IDC_PASSWORD, "admin");
    ClickLogin();
    ASSERT_TRUE(view.HasSheet());
    CPropertyConfig* sheet = view.GetSheet();

    SELECTED_DEVICE other {};
    std::strcpy(other.szName, "Gate");
    other.dwIpAddress = 0x7F000044;
    other.dwConfigPort = 8405;
    other.dwFamily = 4;
    view.SelectDevice(&other, 0);
    EXPECT_TRUE(view.IsLoginBarShown());
    EXPECT_TRUE(view.HasSheet()); // kept for its device
    EXPECT_FALSE(sheet->IsWindowVisible());
    EXPECT_TRUE(view.GetDlgItem(IDC_LOGIN)->IsWindowVisible());

    server->ClearLog();
    Select(4, server->Port());
    EXPECT_FALSE(view.IsLoginBarShown());
    EXPECT_EQ(view.GetSheet(), sheet);
    EXPECT_TRUE(sheet->IsWindowVisible());
    EXPECT_TRUE(server->Log().empty()); // no new login
}

TEST_F(ConfigViewLoginTest, AWrongPasswordIsRefusedByTheDevice)
{
    Start(4);
    SetText(IDC_PASSWORD, "wrong");
    ClickLogin();
    EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Authorization failed." });
    EXPECT_FALSE(view.HasSheet());
    EXPECT_TRUE(view.IsLoginBarShown());
}

TEST_F(ConfigViewLoginTest, AnUnreachableDeviceShowsConnectionFailed)
{
    Start(4);
    const uint32_t port = server->Port();
    server->Stop();
    Select(4, port);
    SetText(IDC_PASSWORD, "admin");
    ClickLogin();
    EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Connection failed." });
    EXPECT_FALSE(view.HasSheet());
}

TEST_F(ConfigViewLoginTest, AnInvalidPortIsRefusedBeforeAnyConnection)
{
    Start(4);
    for (const char* port : { "", "0", "65536", "80a", "-5" }) {
        boxes.Clear();
        SetText(IDC_PORT, port);
        SetText(IDC_PASSWORD, "admin");
        ClickLogin();
        EXPECT_EQ(
            BoxTexts(), std::vector<std::string> { "Port is invalid. Please use value from 1 to 65535." })
            << '"' << port << '"';
    }
    EXPECT_TRUE(server->Log().empty());
    EXPECT_FALSE(view.HasSheet());
}

TEST_F(ConfigViewLoginTest, PictureOfTheSheetAfterLogin)
{
    Start(4, 2);
    SetText(IDC_PASSWORD, "admin");
    ClickLogin();
    ASSERT_TRUE(view.HasSheet());
    frame.ShowWindow(SW_SHOW);
    const QImage picture = frame.GetWidget()->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save("config_view_sheet.png"));
    // The page covers the pane where the login bar's white background was.
    EXPECT_NE(picture.pixel(300, 570), qRgb(255, 255, 255));
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

TEST_F(ConfigViewLoginTest, DialUpLoginDialsTheLookupNumberOnce)
{
    ScriptedDialUpService dialUp;
    ScopedService<IDialUpService> dialUpScope(&dialUp);
    CPumpingRunner runner;
    ScopedService<IModalDialogRunner> runnerScope(&runner);
    dialUp.SetStates({ RASCS_OpenPort, RASCS_Connected });

    g_CurrentDevice = SELECTED_DEVICE();
    EXPECT_EQ(CConfigView::DialUpLogin(), -1); // not a dial-up device

    g_CurrentDevice.bLookup = 1;
    std::strcpy(g_CurrentDevice.szLookupHost, "5551234");
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
    boxes.Answer(IDNO);
    EXPECT_EQ(CConfigView::DialUpLogin(), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Line is busy now. Will you hangup?" });
    EXPECT_EQ(dialUp.Dials().size(), 1u);
    g_DialUpDevice = SELECTED_DEVICE();
}

TEST_F(ConfigViewLoginTest, AFailedDialIsNotALogin)
{
    ScriptedDialUpService dialUp;
    ScopedService<IDialUpService> dialUpScope(&dialUp);
    CPumpingRunner runner;
    ScopedService<IModalDialogRunner> runnerScope(&runner);
    dialUp.SetStates({ RASCS_OpenPort, RASCS_Disconnected });
    g_CurrentDevice = SELECTED_DEVICE();
    g_CurrentDevice.bLookup = 1;
    std::strcpy(g_CurrentDevice.szLookupHost, "5550000");
    EXPECT_EQ(CConfigView::DialUpLogin(), 1);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].caption), "Dial-up Connection Error");
    EXPECT_EQ(dialUp.OpenConnections(), 0u);
}

} // namespace
