// The explorer's discovery socket against simulated devices on loopback
// addresses: what it sends, which replies reach its owner window as
// WM_RES_DISCOVER, and the replies it drops.
#include "explorer/MsgSocket.h"
#include "explorer/DeviceMessage.h"
#include "link/DeviceHelpers.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/Wnd.h"
#include "sim/DiscoveryResponder.h"
#include "tests/link/DiscoveryDevices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace morrik;

namespace
{

constexpr uint32_t kLoopbackBroadcast = 0x7FFFFFFF;
constexpr uint32_t kSentinel = 0x7F000010;

// The window the socket reports to, as an explorer dialog is.
class COwnerWnd : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_RES_DISCOVER) {
            records.push_back(*reinterpret_cast<const RES_DISCOVER_OVEL*>(wParam));
            lParams.push_back(lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    const RES_DISCOVER_OVEL* Find(uint32_t address) const
    {
        for (const RES_DISCOVER_OVEL& r : records) {
            if (r.ipAddress == address)
                return &r;
        }
        return nullptr;
    }
    std::vector<RES_DISCOVER_OVEL> records;
    std::vector<LPARAM> lParams;
};

class MsgSocketTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        network.broadcastTargets = { kLoopbackBroadcast };
        for (uint32_t host = 2; host <= 5; ++host)
            responder.AddDevice(
                MakeDiscoveryDevice(0x7F000000 | host, host % 2 ? RES_DISCOVER : RES_DISCOVER_EX));
        responder.AddDevice(MakeDiscoveryDevice(kSentinel));
        ASSERT_TRUE(owner.CreateMessageWindow());
    }
    void StartAll()
    {
        ASSERT_TRUE(responder.Start());
        ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_READ, "127.0.0.1"));
        socket.Init(&owner);
    }
    bool WaitFor(const std::function<bool()>& done) { return PumpMessagesUntil(done, 10000); }
    bool Answered(uint32_t address)
    {
        owner.records.clear();
        return AnsweredBeforeSentinel(
            responder, address, kSentinel,
            [&](const std::string& to) { return socket.ReqUniQuestMsg(CString(to.c_str())) != FALSE; },
            [&](uint32_t a) { return owner.Find(a) != nullptr; });
    }

    FixedNetworkEnvironment network;
    ScopedService<INetworkEnvironment> networkService { &network };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxService { &boxes };
    sim::DiscoveryResponder responder;
    COwnerWnd owner;
    CMsgSocket socket;
};

TEST_F(MsgSocketTest, ABroadcastFindsEveryDeviceWithItsSourceAddressAndPort)
{
    StartAll();
    ASSERT_EQ(socket.ReqDiscoveryMsg(), 1);
    ASSERT_TRUE(WaitFor([&] { return owner.records.size() >= 5; }));
    for (uint32_t host = 2; host <= 5; ++host) {
        SCOPED_TRACE(host);
        const RES_DISCOVER_OVEL* r = owner.Find(0x7F000000 | host);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(FieldText(r->model, 16), "PT-D16");
        EXPECT_EQ(FieldText(r->serial, 24), "SN" + std::to_string(host));
        EXPECT_EQ(FieldText(r->version2, 32), "1.7.22");
        EXPECT_EQ(FieldText(r->title, 32), "Shop recorder");
        EXPECT_EQ(r->mac[5], host);
        // 0x1111 carries the port; 0x1101 has none.
        EXPECT_EQ(r->port, host % 2 ? 0u : 9000 + host);
    }
    for (LPARAM l : owner.lParams)
        EXPECT_EQ(l, 0);
    // The request is the 12-byte discovery message, the same to every device.
    const std::vector<uint8_t> request { 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x58, 0x52, 0x4F,
        0x47 };
    for (const sim::DiscoveryExchange& e : responder.Log())
        EXPECT_EQ(e.request, request);
}

TEST_F(MsgSocketTest, OnlyWholeDiscoveryRepliesFromTheDiscoveryPortAndOlderFirmwareReachTheOwner)
{
    StartAll();
    const struct {
        const char* what;
        std::function<void(sim::DiscoveryDevice&)> change;
        bool shown;
    } cases[] = {
        { "as it is", [](sim::DiscoveryDevice&) {}, true },
        { "from another port", [](sim::DiscoveryDevice& d) { d.replyFromPort = 8405; }, false },
        { "firmware 3.0.1", [](sim::DiscoveryDevice& d) { d.profile.version2 = "3.0.1"; }, false },
        { "firmware 12.1", [](sim::DiscoveryDevice& d) { d.profile.version2 = "12.1"; }, false },
        { "firmware 2.9.9", [](sim::DiscoveryDevice& d) { d.profile.version2 = "2.9.9"; }, true },
        { "no firmware text", [](sim::DiscoveryDevice& d) { d.profile.version2 = ""; }, true },
        // Hostile lengths: nothing past the bytes that came is read (ASan).
        { "header only", [](sim::DiscoveryDevice& d) { d.replyBytes = 8; }, false },
        { "cut inside the serial", [](sim::DiscoveryDevice& d) { d.replyBytes = 90; }, false },
        { "one byte short", [](sim::DiscoveryDevice& d) { d.replyBytes = 157; }, false },
        { "0x1101 form one byte short",
            [](sim::DiscoveryDevice& d) {
                d.replyCommand = RES_DISCOVER;
                d.replyBytes = 153;
            },
            false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        responder.Update(0, [&](sim::DiscoveryDevice& d) {
            d = MakeDiscoveryDevice(0x7F000002);
            c.change(d);
        });
        EXPECT_EQ(Answered(0x7F000002), c.shown);
    }
}

TEST_F(MsgSocketTest, TheAddressChangeCarriesThePasswordAsItIsAndMovesTheDevice)
{
    responder.Update(0, [](sim::DiscoveryDevice& d) { d.profile.password = "4321"; });
    StartAll();
    const uint8_t password[16] = { '4', '3', '2', '1' };
    const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x10, 0x04, 0x02 };
    responder.Update(0, [&](sim::DiscoveryDevice& d) { std::memcpy(d.profile.mac, mac, 6); });
    ASSERT_EQ(socket.ReqChngIPAddrMsg(password, mac, 0x7F000022), 1);
    ASSERT_TRUE(WaitFor([&] { return responder.Device(0).profile.address == 0x7F000022; }));

    // 50 bytes: the header, "admin" and the password in their 16-byte
    // fields as they are, the new address, the MAC.
    std::vector<uint8_t> expected { 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2A };
    expected.insert(expected.end(), { 'a', 'd', 'm', 'i', 'n' });
    expected.resize(8 + 16, 0);
    expected.insert(expected.end(), password, password + 16);
    expected.insert(expected.end(), { 0x7F, 0x00, 0x00, 0x22 });
    expected.insert(expected.end(), mac, mac + 6);
    bool seen = false;
    for (const sim::DiscoveryExchange& e : responder.Log()) {
        if (e.command == MSG_CHANGE_IP && e.device == 0) {
            EXPECT_EQ(e.request, expected);
            seen = true;
        }
    }
    EXPECT_TRUE(seen);
    // Its reply is not a discovery reply: the owner heard nothing of it.
    EXPECT_TRUE(owner.records.empty());
    EXPECT_TRUE(Answered(0x7F000022));
}

TEST_F(MsgSocketTest, NothingIsSentToATextThatIsNoAddressOrFromAClosedSocket)
{
    StartAll();
    EXPECT_FALSE(socket.ReqUniQuestMsg("shop-recorder"));
    EXPECT_FALSE(socket.ReqUniQuestMsg("127.0.0.300"));
    socket.Close();
    EXPECT_EQ(socket.ReqDiscoveryMsg(), 0);
    EXPECT_FALSE(socket.ReqUniQuestMsg("127.0.0.2"));
    PumpMessagesUntil([] { return false; }, 200);
    EXPECT_TRUE(responder.Log().empty());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MsgSocketTest, RepliesAfterTheOwnerWindowIsGoneAreDropped)
{
    StartAll();
    owner.DestroyWindow();
    ASSERT_EQ(socket.ReqDiscoveryMsg(), 1);
    ASSERT_TRUE(WaitFor([&] { return responder.RepliesSent() >= 5; }));
    PumpMessagesUntil([] { return false; }, 200);
    EXPECT_TRUE(owner.records.empty());
}

} // namespace
