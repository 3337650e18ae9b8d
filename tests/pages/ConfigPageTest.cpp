// The page frame on a small page of its own, in a sheet, driven through its
// controls against a simulated device.
#include "pages/ConfigPage.h"
#include "link/ClockBlocks.h"
#include "link/CurrentDevice.h"
#include "link/NetworkBlocks.h"
#include "pages/PropertyConfig.h"
#include "platform/base/TestServices.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WindowStyles.h"
#include "resources/setup/SetupResources.h"
#include "sim/ConfigServer.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

constexpr UINT IDD_TEST_PAGE = 9001;
constexpr int IDC_TEST_VALUE = 9002;
// Daylight saving: one 32-bit flag.
constexpr uint16_t kGet = GET_DAYLIGHT_SAVING.command;
constexpr uint16_t kSet = SET_DAYLIGHT_SAVING.command;

const DialogControl kTestPageControls[] = {
    { IDC_TEST_VALUE, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 10, 60, 14 },
    { IDC_PAGE_OK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 203, 305, 46, 15 },
    { IDC_PAGE_CANCEL, "Button", "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 253, 305, 46, 15 },
    { IDC_PAGE_APPLY, "Button", "Apply", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 303, 305, 46, 15 },
};
const DialogTemplate kTestDialogs[] = {
    { IDD_TEST_PAGE, "Test", WS_CHILD | WS_CAPTION, 0, 0, 360, 380, kTestPageControls },
};
const ResourceTables kTestTables { .moduleName = "PageFrameTest", .dialogs = kTestDialogs };

// A page with one value (0 or 1) kept in one device setting.
class CTestPage : public CConfigPage
{
public:
    // With `writeAll`, a second group (the port settings) is read and
    // written back on every apply, as the recorder pages do.
    explicit CTestPage(SheetSlot slot, bool writeAll = false)
        : CConfigPage(IDD_TEST_PAGE, slot)
        , m_bTwoGroups(writeAll)
    {
        if (writeAll) {
            DeclareGroups(2);
            SetWriteAllGroups(TRUE);
        }
    }
    CString m_strValue;
    int reads = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CConfigPage::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_TEST_VALUE, m_strValue);
    }
    void ReadSettings() override
    {
        ++reads;
        MarkGroupRead(0, ReadBlock(GET_DAYLIGHT_SAVING, &m_value));
        if (m_bTwoGroups)
            MarkGroupRead(1, ReadBlock(GET_ALT_PORT, &m_ports));
    }
    void ShowSettings() override { m_strValue.Format("%u", m_value.dwEnabled); }
    BOOL ValidateSettings() override
    {
        if (m_strValue != "0" && m_strValue != "1") {
            AfxMessageBox("Value must be 0 or 1.");
            return FALSE;
        }
        m_value.dwEnabled = m_strValue == "1" ? 1 : 0;
        return TRUE;
    }
    ConfigResult WriteGroup(int group) override
    {
        return group == 1 ? WriteBlock(SET_ALT_PORT, m_ports) : WriteBlock(SET_DAYLIGHT_SAVING, m_value);
    }
    void OnValueChange() { MarkGroupChanged(0); }

    bool m_bTwoGroups;
    CFG_DAYLIGHT_SAVING m_value {};
    CFG_PORT_PAIR m_ports {};

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestPage, CConfigPage)
ON_EN_CHANGE(IDC_TEST_VALUE, OnValueChange)
END_MESSAGE_MAP()

// The host's end of a session, counted instead of carried out.
class CCountingHost : public IConfigPageHost
{
public:
    void OnConfigOK() override { ++ok; }
    void OnConfigCancel() override { ++cancel; }
    void SetDevicePorts(DWORD, DWORD, DWORD) override { }
    void UpdateSelectedDevice() override { }
    void UpdateDeviceInfo(const char*) override { }
    void RediscoverDevice(DWORD) override { }
    int FirmwareKind() const override { return 0; }
    int ok = 0;
    int cancel = 0;
};

class PageFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        AfxSetResourceHandle(RegisterResourceModule(&kTestTables, SetupResourceModule()));
        ASSERT_TRUE(server.Start("127.0.0.3", 0));
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.dwIpAddress = 0x7F000003;
        g_CurrentDevice.dwConfigPort = server.Port();
        g_CurrentDevice.dwFamily = 0;
        g_strDevicePassword = "admin";
    }
    void TearDown() override
    {
        if (sheet.GetSafeHwnd())
            sheet.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
        server.Stop();
    }
    // Builds the sheet with two pages; the first one is active.
    void Open(SheetSlot firstSlot = SLOT_Security, bool writeAll = false)
    {
        // Daylight saving on, whatever the season.
        server.Store().Store(kGet, 0, { 0, 0, 0, 1 });
        first = std::make_unique<CTestPage>(firstSlot, writeAll);
        second = std::make_unique<CTestPage>(SLOT_Security);
        first->SetConfigView(&view);
        second->SetConfigView(&view);
        ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 700, nullptr, nullptr));
        sheet.AddPage(first.get());
        sheet.AddPage(second.get());
        ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE | WS_DLGFRAME | WS_TABSTOP, 0));
        server.ClearLog();
    }
    void Click(CWnd* page, int id)
    {
        CWnd* button = page->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        page->SendMessage(
            WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
    }
    void Type(const char* text) { first->GetDlgItem(IDC_TEST_VALUE)->SetWindowText(text); }
    BOOL ApplyEnabled() { return first->GetDlgItem(IDC_PAGE_APPLY)->IsWindowEnabled(); }
    int Sets() const
    {
        int n = 0;
        for (const sim::Exchange& e : server.Log())
            n += e.command == kSet;
        return n;
    }
    int Count(uint16_t command) const
    {
        int n = 0;
        for (const sim::Exchange& e : server.Log())
            n += e.command == command;
        return n;
    }

    sim::ConfigServer server { sim::MakeProfile(0) };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    CCountingHost view;
    CWnd host;
    CPropertyConfig sheet { "Configuration" };
    std::unique_ptr<CTestPage> first, second;
};

TEST_F(PageFrameTest, ApplyWithoutAChangeSendsNothing)
{
    Open();
    EXPECT_EQ(first->m_strValue, "1"); // the device's value was read on activation
    EXPECT_FALSE(ApplyEnabled());
    Click(first.get(), IDC_PAGE_APPLY);
    EXPECT_EQ(Sets(), 0);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PageFrameTest, AnEditIsAppliedOnce)
{
    Open();
    Type("0");
    EXPECT_TRUE(ApplyEnabled());
    Click(first.get(), IDC_PAGE_APPLY);
    EXPECT_EQ(Sets(), 1);
    EXPECT_FALSE(ApplyEnabled());
    Click(first.get(), IDC_PAGE_APPLY);
    EXPECT_EQ(Sets(), 1);
}

TEST_F(PageFrameTest, LeavingWithAChangeAndDecliningDropsItAndRereadsNextTime)
{
    Open();
    Type("0");
    boxes.Answer(IDCANCEL);
    sheet.SetActivePage(1);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].text), "Do you like to confirm the new configuration?");
    EXPECT_EQ(boxes.Boxes()[0].type & MB_TYPEMASK, MB_OKCANCEL);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(Sets(), 0);

    const int readsBefore = first->reads;
    sheet.SetActivePage(0);
    EXPECT_EQ(first->reads, readsBefore + 1);
    EXPECT_EQ(first->m_strValue, "1");
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(PageFrameTest, AnInvalidValueKeepsThePageAndItsChange)
{
    Open();
    Type("7");
    boxes.Answer(IDOK); // confirm the change when leaving
    sheet.SetActivePage(1);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(std::string(boxes.Boxes()[1].text), "Value must be 0 or 1.");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(first->HasChange());
    EXPECT_EQ(Sets(), 0);

    // Leaving again asks again.
    boxes.Clear();
    boxes.Answer(IDCANCEL);
    sheet.SetActivePage(1);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
}

TEST_F(PageFrameTest, OkWithAnInvalidValueStaysOnThePage)
{
    Open();
    Type("x");
    Click(first.get(), IDC_PAGE_OK);
    EXPECT_EQ(view.ok, 0);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Sets(), 0);
}

// What OK does once the device refused what it wrote: the refusal was told,
// and the session ends, on the streaming server's page as on every other.
struct RefusedOkCase {
    SheetSlot slot;
    bool endsAtOnce;
};

class PageFrameRefusedOkTest : public PageFrameTest, public ::testing::WithParamInterface<RefusedOkCase>
{
};

TEST_P(PageFrameRefusedOkTest, OkWithARefusedValueShowsTheDeviceMessageOnceAndEndsByThePagesPolicy)
{
    const RefusedOkCase c = GetParam();
    Open(c.slot);
    sim::Fault refuse;
    refuse.status = 0xF309;
    server.SetFault(kSet, refuse);
    Type("0");
    Click(first.get(), IDC_PAGE_OK);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].text), "Invalid value");
    EXPECT_EQ(Sets(), 1);
    EXPECT_EQ(view.ok, c.endsAtOnce ? 1 : 0);
    if (c.endsAtOnce)
        return;

    // The refused change was given up: a second OK ends without writing it again.
    EXPECT_FALSE(ApplyEnabled());
    Click(first.get(), IDC_PAGE_OK);
    EXPECT_EQ(view.ok, 1);
    EXPECT_EQ(Sets(), 1);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Slots, PageFrameRefusedOkTest,
    ::testing::Values(RefusedOkCase { SLOT_Security, true }, RefusedOkCase { SLOT_StreamServer, true }),
    [](const ::testing::TestParamInfo<RefusedOkCase>& info) {
        return std::string(SlotClassName(info.param.slot));
    });

TEST_F(PageFrameTest, CancelSendsNothingAndEnds)
{
    Open();
    Type("0");
    Click(first.get(), IDC_PAGE_CANCEL);
    EXPECT_EQ(Sets(), 0);
    EXPECT_EQ(view.cancel, 1);
    EXPECT_FALSE(first->HasChange());
}

TEST_F(PageFrameTest, PageCancelActsOnPagesThatTakeIt)
{
    Open(SLOT_Security);
    Type("0");
    first->SendMessage(WM_PAGE_CANCEL, 0, 0);
    EXPECT_EQ(view.cancel, 1);
    EXPECT_EQ(Sets(), 0);
}

TEST_F(PageFrameTest, PageCancelIsIgnoredByOtherPages)
{
    Open(SLOT_Channel2);
    Type("0");
    first->SendMessage(WM_PAGE_CANCEL, 0, 0);
    EXPECT_EQ(view.cancel, 0);
    EXPECT_TRUE(first->HasChange());
}

TEST_F(PageFrameTest, ALostConnectionKeepsTheChange)
{
    Open();
    Type("0");
    server.Stop();
    g_CurrentDevice.dwConfigPort = 1; // nothing listens there
    EXPECT_FALSE(first->OnButtonApply());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].text), "Connection failed.");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(first->HasChange());

    // OK does not end the session over a change that never arrived.
    boxes.Clear();
    Click(first.get(), IDC_PAGE_OK);
    EXPECT_EQ(view.ok, 0);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(PageFrameTest, EveryGroupThatWasReadIsWrittenBack)
{
    Open(SLOT_DeviceDVR, true);
    Type("0");
    Click(first.get(), IDC_PAGE_APPLY);
    EXPECT_EQ(Sets(), 1);
    EXPECT_EQ(Count(0x0A04), 1);
}

TEST_F(PageFrameTest, AGroupThatWasNeitherReadNorEditedIsNotWritten)
{
    sim::Fault drop;
    drop.closeWithoutReply = true;
    server.SetFault(0x0A03, drop);
    Open(SLOT_DeviceDVR, true);
    Type("0");
    Click(first.get(), IDC_PAGE_OK);
    EXPECT_EQ(Sets(), 1);
    EXPECT_EQ(Count(0x0A04), 0); // no zeros over the device's ports
    EXPECT_EQ(view.ok, 1);
}

} // namespace
