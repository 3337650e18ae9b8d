// The network page against simulated devices: what activation shows, the
// address checks that stop Apply before anything is sent, the exact network
// settings written and the program following the device to its new address,
// the registration interval, and the port assignment moving the device's
// configuration port.
#include "tests/pages/PageFixture.h"

#include "dialogs/Ipv4Checks.h"
#include "link/CurrentDevice.h"
#include "pages/Page3Network.h"
#include "pages/RebootWaitDlg.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstring>

namespace
{

constexpr uint32_t kAddress = 0x7F000007;
constexpr uint32_t kMoved = 0x7F00000B;

uint32_t Word(const sim::Bytes& bytes, size_t at)
{
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8)
        | bytes[at + 3];
}

TEST(BroadcastAddress, HostBitsAllSetUnderTheMask)
{
    struct Case {
        uint32_t address, mask, broadcast;
    };
    const Case cases[] = {
        { 0x0A000005, 0xFF000000, 0x0AFFFFFF }, // 10.0.0.5/8
        { 0xC0A80100, 0xFFFFFF00, 0xC0A801FF }, // 192.168.1.0/24
        { 0xC0A80114, 0xFFFFFF00, 0xC0A801FF }, // 192.168.1.20/24
        { 0xAC100A0A, 0xFFFFF000, 0xAC100FFF }, // 172.16.10.10/20
        { 0x7F000001, 0xFFFFFFFF, 0x7F000001 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(BroadcastAddress(c.address, c.mask), c.broadcast) << std::hex << c.address;
    EXPECT_TRUE(IsInSubnet(0xC0A80105, 0xFFFFFF00, 0xC0A80101));
    EXPECT_FALSE(IsInSubnet(0xC0A80105, 0xFFFFFF00, 0x0A000001));
}

class Page3NetworkTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        g_CurrentDevice = SELECTED_DEVICE();
    }
    CPage3Network* Start(uint32_t family = 4)
    {
        Profile(family);
        StartDevice();
        std::strcpy(g_CurrentDevice.szAddress, "127.0.0.7");
        CPage3Network* shown = ShowPage<CPage3Network>();
        ClearSent();
        return shown;
    }
    void Apply() { Click(IDC_PAGE_APPLY); }
    bool Shown(int id) { return (page->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }

    RecordingProcessControl process;
    ScopedService<IProcessControl> processScope { &process };
    ManualClock clock;
    ScopedService<IClock> clockScope { &clock };
};

TEST_F(Page3NetworkTest, ActivationShowsTheRecordersSettings)
{
    Start();
    EXPECT_EQ(Text(IDC_NET_ADDRESS), "127.0.0.7");
    EXPECT_EQ(Text(IDC_NET_MASK), "255.255.255.0");
    EXPECT_EQ(Text(IDC_NET_GATEWAY), "127.0.0.1");
    EXPECT_EQ(Text(IDC_NET_DNS1), "8.8.8.8");
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL), "300");
    EXPECT_EQ(Text(IDC_NET_REG_SERVER), "reg.example.net");
    EXPECT_EQ(Text(IDC_NET_GROUP_ID), "group1");
    EXPECT_EQ(Text(IDC_NET_XDSL_STATUS), "xDSL Server Status  : xDSL link down");
    EXPECT_EQ(Checked(IDC_NET_PORT_NORMAL), BST_CHECKED);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_FALSE(Shown(IDC_NET_REG_LIST));
    SavePicture("page3_network_recorder.png");
}

TEST_F(Page3NetworkTest, EachAddressFaultStopsApplyWithItsMessageAndWritesNothing)
{
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        { IDC_NET_ADDRESS, "127.0..9", "Invalid IP address. Please input correct IP address." },
        { IDC_NET_MASK, "255.255..0", "Invalid Subnet Mask. Please input correct Subnet Mask." },
        { IDC_NET_GATEWAY, "10.0.0.1", "Invalid Gateway Address" },
        { IDC_NET_DNS2, "8.8..", "Invalid DNS#2 address. Please input correct DNS#2 address." },
    };
    for (const Case& c : cases) {
        Start();
        SetText(c.id, c.text);
        ASSERT_TRUE(Enabled(IDC_PAGE_APPLY)) << c.text;
        Apply();
        EXPECT_EQ(TakeMessages(), std::vector<std::string> { c.message });
        EXPECT_TRUE(Sent(0x0302).empty()) << c.text;
        // The change is kept: Apply again and the leave question.
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << c.text;
        EXPECT_TRUE(page->HasChange());
        Close();
    }
}

TEST_F(Page3NetworkTest, NewNameServersAreWrittenExactlyAndTheProgramFollows)
{
    Start();
    SetText(IDC_NET_DNS2, "1.1.1.1");
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    const auto sent = Sent(0x0302);
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].length, 144u);
    const sim::Bytes& body = sent[0].params;
    EXPECT_EQ(Word(body, 0), kAddress);
    EXPECT_EQ(Word(body, 4), 0xFFFFFF00u);
    EXPECT_EQ(Word(body, 8), 0x7F0000FFu); // broadcast computed
    EXPECT_EQ(Word(body, 12), 0x7F000001u);
    EXPECT_EQ(Word(body, 20), 0x01010101u);
    EXPECT_EQ(Word(body, 28), 300u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&body[32])), "reg.example.net");
    // Only the changed group goes out, then the recorder's wait box.
    EXPECT_TRUE(Sent(0x0306).empty());
    EXPECT_TRUE(Sent(0x0304).empty());
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.started[0].args.back(), "127.0.0.7");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page3NetworkTest, ANewAddressMovesTheDeviceAndTheCurrentDevice)
{
    Start();
    SetText(IDC_NET_ADDRESS, "127.0.0.11");
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    ASSERT_EQ(Sent(0x0302).size(), 1u);
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kMoved);
    EXPECT_STREQ(g_CurrentDevice.szAddress, "127.0.0.11");
    EXPECT_EQ(Server().Address(), "127.0.0.11");
    // The page reads the device at its new address.
    Click(IDC_NET_DHCP);
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Sent(0x0306).size(), 1u);
}

TEST_F(Page3NetworkTest, TheRecordersIntervalSpinsAndChecksOneLowerBound)
{
    Start();
    auto* spin = static_cast<CSpinButtonCtrl*>(page->GetDlgItem(IDC_NET_REG_SPIN));
    SetText(IDC_NET_REG_INTERVAL, "0");
    EXPECT_FALSE(Enabled(IDC_NET_REG_SERVER));
    spin->Step(true);
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL), "60");
    EXPECT_TRUE(Enabled(IDC_NET_REG_SERVER));
    spin->Step(false);
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL), "0");
    SetText(IDC_NET_REG_INTERVAL, "59");
    Apply();
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Please enter an integer 0 or 60 ~ 99999 in registration interval." });
    EXPECT_TRUE(Sent(0x0302).empty());
}

TEST_F(Page3NetworkTest, TheCamerasHourIsWrittenAsAnHourAndReadInBothForms)
{
    const IntervalList& list = CPage3Network::Intervals();
    EXPECT_EQ(list.IndexOf(3600), 5);
    EXPECT_EQ(list.IndexOf(216000), 5);
    EXPECT_EQ(list.IndexOf(30), 1);
    EXPECT_EQ(list.IndexOf(45), -1);
    Start(0);
    EXPECT_TRUE(Shown(IDC_NET_REG_LIST));
    EXPECT_EQ(ComboSelection(IDC_NET_REG_LIST), 2); // 300 s
    SelectCombo(IDC_NET_REG_LIST, 5);
    Apply();
    const auto sent = Sent(0x0302);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Word(sent[0].params, 28), 3600u);
    SavePicture("page3_network_camera.png");
}

TEST_F(Page3NetworkTest, FirewallModeMovesTheConfigurationPort)
{
    Start();
    Click(IDC_NET_PORT_FIREWALL);
    ScriptedDialogRunner runner([](CDialog* dlg) {
        dlg->SetDlgItemText(IDC_FIREWALL_DLG_PORT, "9123");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    {
        ScopedService<IModalDialogRunner> use(&runner);
        Click(IDC_NET_PORT_ADVANCED);
    }
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    const auto sent = Sent(0x0A04);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Word(sent[0].params, 0), 1u);
    EXPECT_EQ(Word(sent[0].params, 4), 9123u);
    EXPECT_EQ(g_CurrentDevice.dwConfigPort, 9123u);
    EXPECT_EQ(Server().Port(), 9123);
    // The page goes on talking to the device on its new port.
    Click(IDC_NET_DHCP);
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Sent(0x0306).size(), 1u);
    // A recorder takes new ports without a restart.
    EXPECT_TRUE(Sent(0x0103).empty());
}

TEST_F(Page3NetworkTest, ACamerasNewPortsRebootItWithoutAQuestionWhereItListensNow)
{
    Start(0);
    ScriptedDialogRunner runner([](CDialog* dlg) {
        if (auto* wait = dynamic_cast<CRebootWaitDlg*>(dlg)) {
            wait->OnDeviceReturned();
            return;
        }
        dlg->SetDlgItemText(IDC_FIREWALL_DLG_PORT, "9124");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    Click(IDC_NET_PORT_FIREWALL);
    Click(IDC_NET_PORT_ADVANCED);
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The camera is booted." });
    EXPECT_EQ(Sent(0x0A04).size(), 1u);
    // The reboot request reached the camera on its new configuration port.
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    EXPECT_EQ(Server().Port(), 9124);
    EXPECT_EQ(g_CurrentDevice.dwConfigPort, 9124u);
}

TEST_F(Page3NetworkTest, AClickedPortModeRebootsACameraEvenWithNothingSent)
{
    Start(0);
    Click(IDC_NET_PORT_NORMAL);
    ASSERT_TRUE(Enabled(IDC_PAGE_APPLY));
    Apply();
    EXPECT_TRUE(Sent(0x0A02).empty());
    EXPECT_TRUE(Sent(0x0A04).empty());
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    // The wait box here ends without the camera answering discovery.
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Booting failed." });
}

TEST_F(Page3NetworkTest, AStreamingServersEqualPortsAreRefusedAndTakenPortsAnnounced)
{
    Start(2);
    // Activation puts the server in normal mode on port 80.
    const sim::Bytes alt = Server().Store().Stored(0x0A03);
    EXPECT_EQ(Word(alt, 0), 0u);
    EXPECT_EQ(Word(alt, 4), 80u);
    SetText(IDC_NET_FIRST_PORT, "8080");
    SetText(IDC_NET_SECOND_PORT, "8080");
    Apply();
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> {
            "Streaming server port is the same as HTTP port. Please use another port number." });
    EXPECT_TRUE(Sent(0x0A02).empty());
    SetText(IDC_NET_SECOND_PORT, "8081");
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Streaming server and HTTP restarted." });
    EXPECT_EQ(g_CurrentDevice.dwStreamPort, 8080u);
    EXPECT_EQ(g_CurrentDevice.dwHttpPort, 8081u);
    SavePicture("page3_network_stream_server.png");
}

TEST_F(Page3NetworkTest, AStreamingServersRefusedPortsStayTheProgramsOld)
{
    Start(2);
    const DWORD stream = g_CurrentDevice.dwStreamPort;
    Server().SetFault(0x0A02, sim::Fault { 0xF30E });
    SetText(IDC_NET_FIRST_PORT, "8080");
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The port is already used!" });
    EXPECT_EQ(g_CurrentDevice.dwStreamPort, stream);
}

} // namespace
