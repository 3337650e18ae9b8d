// The program against devices and hosts that misbehave: logins that get no
// whole answer, a recorder that answers with the reply of another request,
// address-change replies nobody asked for, and a registration server that
// answers a lookup with an empty address.
#include "AppDeviceFixture.h"

#include "app/LoginBar.h"
#include "devtree/ItemInfo.h"
#include "link/ByteOrder.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "sim/FtpServer.h"
#include "tests/link/MovingClock.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace
{

constexpr uint32_t kDevice = 0x7F000004;
constexpr char kDeviceText[] = "127.0.0.4";

// A message box as the real one: it runs the message loop while it is open,
// so that whatever arrives meanwhile is handled inside it. It counts how
// deep boxes open inside each other (and stops pumping past a few, so that
// a runaway nesting shows as a count rather than a crash).
class PumpingBoxes : public ScriptedMessageBoxPresenter
{
public:
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override
    {
        ++depth;
        deepest = std::max(deepest, depth);
        if (depth < 5)
            PumpMessagesUntil([] { return false; }, 30);
        const int answer = ScriptedMessageBoxPresenter::Show(owner, text, caption, type);
        --depth;
        return answer;
    }
    int depth = 0;
    int deepest = 0;
};

class AppDeviceFaultsTest : public AppDeviceTest
{
protected:
    void SetUp() override
    {
        AppDeviceTest::SetUp();
        m_useBoxes.reset();
        m_useBoxes = std::make_unique<ScopedService<IMessageBoxPresenter>>(&m_pumping);
        sim::DeviceProfile profile = sim::MakeProfile(4, 4);
        profile.address = kDevice;
        m_device = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(m_device->Start(kDeviceText, 0));
    }
    void TearDown() override
    {
        AppDeviceTest::TearDown();
        m_device.reset();
    }
    // The device under "My DVR", as a tree file of the install folder.
    void WriteTreeFile()
    {
        fixture::Device device;
        device.id = 1;
        device.name = "Hall";
        device.ip = kDevice;
        device.serial = "DVR16E0500102";
        device.mac[5] = 4;
        device.config = m_device->Port();
        device.http = 8001;
        device.stream = 8105;
        WriteTree({ device });
    }
    // Selects the device of the tree at `address` and logs in with the
    // device's password.
    void LogIn(uint32_t address, const char* port = nullptr)
    {
        ASSERT_NE(ClickDevice(address), nullptr);
        if (port)
            View()->GetDlgItem(IDC_PORT)->SetWindowText(port);
        Login("admin");
    }
    std::vector<std::string> BoxTexts() const { return TextsOf(m_pumping); }

    PumpingBoxes m_pumping;
    std::unique_ptr<sim::ConfigServer> m_device;
};

TEST_F(AppDeviceFaultsTest, ALoginThatGetsNoWholeAnswerSaysConnectionFailed)
{
    WriteTreeFile();
    ASSERT_TRUE(Start());
    sim::Fault cut;
    cut.cutAfter = 60;
    sim::Fault header;
    header.cutAfter = 8;
    sim::Fault oversized;
    oversized.announcedLength = 4000;
    sim::Fault silence;
    silence.silence = true;
    sim::Fault trickle; // a byte every 20 ms: four seconds for the whole reply
    trickle.pieces.assign(200, 1);
    sim::Fault confused;
    confused.answerAs = 0x0108;
    const struct {
        const char* name;
        sim::Fault fault;
    } cases[]
        = { { "cut reply", cut }, { "closed after the header", header }, { "oversized reply", oversized },
              { "silence", silence }, { "trickle", trickle }, { "reply to another request", confused } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_pumping.Clear();
        m_device->SetFault(0x0104, c.fault);
        {
            // A second of the program's clock per millisecond: the 180 s
            // of the exchange pass at once.
            MovingClock moving(m_clock, 1000);
            LogIn(kDevice);
        }
        EXPECT_EQ(BoxTexts(), std::vector<std::string> { "Connection failed." });
        EXPECT_FALSE(View()->HasSheet());
        EXPECT_TRUE(View()->IsLoginBarShown());
        PumpWaitingMessages();
    }
    // The same device, answering properly, is logged in to.
    m_device->ClearFaults();
    m_pumping.Clear();
    LogIn(kDevice);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(View()->HasSheet());
}

TEST_F(AppDeviceFaultsTest, TheInformationPageTakesNoReplyToAnotherRequest)
{
    // The page asks for the zone rules (0x010F); the recorder answers with
    // its device information (0x1104), whose bytes would be read as the
    // rules' list pointers.
    sim::Fault confused;
    confused.answerAs = 0x0104;
    m_device->SetFault(0x010F, confused);
    WriteTreeFile();
    ASSERT_TRUE(Start());
    LogIn(kDevice);
    PumpWaitingMessages();
    ASSERT_TRUE(View()->HasSheet());
    bool asked = false;
    for (const auto& exchange : m_device->Log())
        asked = asked || exchange.command == 0x010F;
    EXPECT_TRUE(asked) << "the page asked for the rules";
}

TEST_F(AppDeviceFaultsTest, AddressChangeRepliesNobodyAwaitsOpenNoBox)
{
    // A host on the network: it hears the program's discovery broadcast and
    // then sends change replies from the discovery port.
    const int host = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(host, 0);
    int on = 1;
    setsockopt(host, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(host, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sockaddr_in local {};
    local.sin_family = AF_INET;
    local.sin_port = htons(8404);
    ASSERT_EQ(bind(host, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    timeval wait { 2, 0 };
    setsockopt(host, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    WriteTreeFile();
    ASSERT_TRUE(Start());
    uint8_t request[64];
    sockaddr_in program {};
    socklen_t size = sizeof program;
    ASSERT_GT(recvfrom(host, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&program), &size), 0)
        << "the program's discovery request";

    auto flood = [&](uint16_t status, int count) {
        uint8_t reply[8];
        uint32_t o = 0;
        NetPutU16(reply, &o, 0x1102);
        NetPutU16(reply, &o, status);
        NetPutU32(reply, &o, 0);
        for (int i = 0; i < count; ++i)
            sendto(host, reply, sizeof reply, 0, reinterpret_cast<sockaddr*>(&program), sizeof program);
        PumpMessagesUntil([] { return false; }, 500);
    };

    // No change pending: nothing is shown, whatever the status.
    flood(0xF301, 2000);
    flood(0, 200);
    EXPECT_TRUE(BoxTexts().empty());

    // While a change is pending, a refusal is told, but never in a box
    // inside another.
    ASSERT_NE(ClickDevice(kDevice), nullptr);
    CamSel()->SendMessage(WM_DEVICE_CHANGE_IP, 0x7F000009, reinterpret_cast<LPARAM>("admin"));
    Advance(3000); // nobody answers at the new address: the change request goes out
    flood(0xF301, 2000);
    EXPECT_FALSE(BoxTexts().empty());
    for (const std::string& text : BoxTexts())
        EXPECT_EQ(text, "Authorization failed.");
    EXPECT_EQ(m_pumping.deepest, 1);

    // Once the change has ended, replies are dropped again.
    Advance(5000);
    m_pumping.Clear();
    flood(0xF301, 200);
    EXPECT_TRUE(BoxTexts().empty());
    close(host);
}

TEST_F(AppDeviceFaultsTest, AnEmptyLookupAnswerKeepsTheDevicesAddress)
{
    sim::FtpServer registry;
    sim::RegisteredDevice shop;
    shop.name = "shop";
    shop.model = "PT-D16";
    shop.mac = "00:1b:9e:0a:0b:04";
    shop.address = kDeviceText;
    registry.AddDevice(shop);
    ASSERT_TRUE(registry.Start("127.0.0.1", 21));
    ASSERT_TRUE(Start());
    CMySuperGrid* tree = Tree();
    CTreeItem* server = tree->InsertServer("127.0.0.1", "demo", "secret");
    ASSERT_NE(server, nullptr);
    ASSERT_NE(tree->InsertGroupId(server, "demo"), nullptr);
    Advance(1000); // the download lists the server's devices
    ASSERT_TRUE(PumpMessagesUntil([&] { return FindByAddress(server, kDevice) != nullptr; }, 10000));

    // From now on the server knows the device, but not its address.
    registry.Stop();
    sim::FtpServer blank;
    shop.address.clear();
    blank.AddDevice(shop);
    ASSERT_TRUE(blank.Start("127.0.0.1", 21));
    {
        // Ten times real speed: a lookup that hung would end in seconds.
        MovingClock moving(m_clock, 10);
        LogIn(kDevice, std::to_string(m_device->Port()).c_str());
    }
    const std::vector<std::string> macs = blank.QueriedMacs();
    EXPECT_NE(std::find(macs.begin(), macs.end(), shop.mac), macs.end()) << "the login looked the device up";
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(View()->HasSheet());
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDevice);
    EXPECT_STREQ(g_CurrentDevice.szAddress, kDeviceText);
    // The records the download posted meanwhile reach the view before it goes.
    blank.Stop();
    PumpMessagesUntil([] { return false; }, 300);
}

} // namespace
