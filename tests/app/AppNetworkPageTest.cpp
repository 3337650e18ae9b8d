// The network page in the running program against a simulated DVR: a new
// address or configuration port applied from the page, the program following
// the device there, and a new login reaching it.
#include "AppDeviceFixture.h"

#include "devtree/MySuperGrid.h"
#include "link/CurrentDevice.h"
#include "pages/Page3Network.h"
#include "pages/PropertyConfig.h"

namespace
{

constexpr uint32_t kOld = 0x7F000015;
constexpr uint32_t kNew = 0x7F000016;
constexpr uint32_t kOther = 0x7F000017;

class AppNetworkPageTest : public AppDeviceTest
{
protected:
    void SetUp() override
    {
        AppDeviceTest::SetUp();
        m_dvr = AddDvr(kOld, "secret");
        // Discovery answers where the configuration server moved to.
        m_responder.Update(m_dvr, [this](sim::DiscoveryDevice& d) { d.settings = &Server(m_dvr).Store(); });
    }
    // Starts the program, logs in to the DVR and shows the network page.
    void LogInAndOpen(std::vector<fixture::Device> more = {})
    {
        fixture::Device dvr = Record(m_dvr, "Door");
        dvr.login = { "admin", "secret" };
        more.insert(more.begin(), dvr);
        WriteTree(more);
        ASSERT_TRUE(m_responder.Start());
        ASSERT_TRUE(Start());
        WaitQuiet();
        m_node = ClickDevice(kOld);
        ASSERT_NE(m_node, nullptr);
        Login("secret");
        ASSERT_TRUE(View()->HasSheet());
        OpenNetworkPage();
    }
    void OpenNetworkPage()
    {
        m_page = static_cast<CPage3Network*>(View()->GetPage(SLOT_Network));
        ASSERT_NE(m_page, nullptr);
        ASSERT_TRUE(View()->GetSheet()->SetActivePage(m_page));
        PumpWaitingMessages();
    }
    void SetPageText(int id, const char* text)
    {
        m_page->GetDlgItem(id)->SetWindowText(text);
        PumpWaitingMessages();
    }
    void PageButton(int id)
    {
        ClickButton(m_page, id);
        PumpWaitingMessages();
    }
    std::vector<uint16_t> Commands() const
    {
        std::vector<uint16_t> commands;
        for (const auto& exchange : m_servers[m_dvr]->Log())
            commands.push_back(exchange.command);
        return commands;
    }

    size_t m_dvr = 0;
    CTreeItem* m_node = nullptr;
    CPage3Network* m_page = nullptr;
};

TEST_F(AppNetworkPageTest, ANewAddressFromThePageIsWhereTheNextLoginFindsTheDevice)
{
    LogInAndOpen();
    SetPageText(IDC_NET_ADDRESS, Dotted(kNew).c_str());
    PageButton(IDC_PAGE_APPLY);
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    // The device moved, the computer forgot its old neighbour entry, and the
    // program, its tree row included, follows it.
    EXPECT_EQ(Server(m_dvr).Address(), Dotted(kNew));
    ASSERT_FALSE(m_process.started.empty());
    EXPECT_EQ(m_process.started[0].args.back(), Dotted(kOld));
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kNew);
    ASSERT_TRUE(WaitFor([&] { return m_responder.Device(m_dvr).profile.address == kNew; }));
    EXPECT_TRUE(WaitFor([&] { return m_node->m_lpNodeInfo->m_dwIpAddress == kNew; }));

    PageButton(IDC_PAGE_OK);
    PumpWaitingMessages();
    ASSERT_FALSE(View()->HasSheet());
    Server(m_dvr).ClearLog();
    Login("secret");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_TRUE(View()->HasSheet());
    EXPECT_FALSE(Server(m_dvr).Log().empty());
}

TEST_F(AppNetworkPageTest, AnAddressAnotherOnlineDeviceHasIsRefusedAndNothingIsWritten)
{
    AddDvr(kOther, "admin");
    LogInAndOpen({ Record(1, "Gate") });
    ASSERT_TRUE(WaitFor([&] { return Tree()->FindConnectedDevice(kOther); }));
    Server(m_dvr).ClearLog();
    SetPageText(IDC_NET_ADDRESS, Dotted(kOther).c_str());
    PageButton(IDC_PAGE_APPLY);
    EXPECT_EQ(
        BoxTexts(), std::vector<std::string> { "The IP address is already used. Please use another one." });
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kOld);
}

TEST_F(AppNetworkPageTest, ANewConfigurationPortIsWhereTheNextLoginReachesTheDevice)
{
    LogInAndOpen();
    m_page->SendDlgItemMessage(IDC_NET_PORT_FIREWALL, BM_CLICK);
    m_dialogs.script = [](CDialog* dlg) {
        dlg->SetDlgItemText(IDC_FIREWALL_DLG_PORT, "9411");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    };
    PageButton(IDC_NET_PORT_ADVANCED);
    m_dialogs.script = nullptr;
    PageButton(IDC_PAGE_OK);
    PumpWaitingMessages();
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    ASSERT_FALSE(View()->HasSheet());
    EXPECT_EQ(Server(m_dvr).Port(), 9411);
    EXPECT_EQ(g_CurrentDevice.dwConfigPort, 9411u);
    EXPECT_EQ(m_node->m_lpNodeInfo->m_dwConfigPort, 9411u);

    Server(m_dvr).ClearLog();
    Login("secret");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_TRUE(View()->HasSheet());
    EXPECT_FALSE(Server(m_dvr).Log().empty());
}

} // namespace
