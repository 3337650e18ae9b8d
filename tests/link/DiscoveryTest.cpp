// Discovery and the address change against simulated devices on loopback
// addresses, through a broadcast that the network service aims at the
// loopback broadcast address.
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/Md4.h"
#include "link/MsgSocket.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"
#include "sim/DiscoveryResponder.h"
#include "tests/link/DiscoveryDevices.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <array>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

constexpr uint32_t kLoopbackBroadcast = 0x7FFFFFFF;
constexpr uint32_t kSentinel = 0x7F000010;

class CTestOwner : public CDiscoveryOwner
{
public:
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override { records.push_back(*pReply); }
    void SetChangedIp() override { ++changed; }
    BOOL IsIpChangePending() override { return pending; }
    bool Has(uint32_t address) const
    {
        for (const RES_DISCOVER_OVEL& r : records) {
            if (r.ipAddress == address)
                return true;
        }
        return false;
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
    int changed = 0;
    BOOL pending = TRUE;
};

class DiscoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        network.broadcastTargets = { kLoopbackBroadcast };
        g_CurrentDevice = SELECTED_DEVICE();
        for (uint32_t host = 2; host <= 5; ++host)
            responder.AddDevice(MakeDiscoveryDevice(0x7F000000 | host, host % 2 ? 0x1101 : 0x1111));
        sentinel = responder.AddDevice(MakeDiscoveryDevice(kSentinel));
    }
    void StartAll()
    {
        ASSERT_TRUE(responder.Start());
        ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
        socket.Init(&owner);
    }
    bool WaitFor(const std::function<bool()>& done) { return PumpMessagesUntil(done, 10000); }
    bool Answered(uint32_t address)
    {
        owner.records.clear();
        return AnsweredBeforeSentinel(
            responder, address, kSentinel,
            [&](const std::string& to) { return socket.ReqUniQuestMsg(to.c_str()) != FALSE; },
            [&](uint32_t a) { return owner.Has(a); });
    }

    FixedNetworkEnvironment network;
    ScopedService<INetworkEnvironment> networkService { &network };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxService { &boxes };
    sim::DiscoveryResponder responder;
    size_t sentinel = 0;
    CTestOwner owner;
    CMsgSocket socket;
};

TEST_F(DiscoveryTest, ABroadcastFindsEveryDeviceWithItsAddressAndPortOfEitherReplyForm)
{
    StartAll();
    ASSERT_TRUE(socket.ReqDiscoveryMsg());
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
        // 0x1111 carries the configuration port; 0x1101 has none.
        EXPECT_EQ(r->port, host % 2 ? 0u : 9000 + host);
    }
}

TEST_F(DiscoveryTest, TheRequestIsTwelveBytesWithTheFamilyRuleInItsSecondWord)
{
    StartAll();
    const std::vector<uint8_t> plain { 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x58, 0x52, 0x4F,
        0x47 };
    std::vector<uint8_t> family4 = plain;
    family4[3] = 22;
    for (uint32_t family : { 0u, 4u }) {
        g_CurrentDevice.dwFamily = family;
        responder.ClearLog();
        ASSERT_TRUE(socket.ReqUniQuestMsg("127.0.0.2"));
        ASSERT_TRUE(WaitFor([&] { return !responder.Log().empty(); }));
        EXPECT_EQ(responder.Log()[0].request, family == 4 ? family4 : plain);
    }
}

TEST_F(DiscoveryTest, RepliesFromAnotherPortThanTheDiscoveryPortAreIgnored)
{
    responder.Update(0, [](sim::DiscoveryDevice& d) { d.replyFromPort = 8405; });
    StartAll();
    EXPECT_FALSE(Answered(0x7F000002));
    EXPECT_TRUE(Answered(0x7F000003));
}

TEST_F(DiscoveryTest, FirmwareThreeAndLaterIsDroppedEverythingElsePasses)
{
    StartAll();
    const struct {
        const char* version2;
        bool shown;
    } cases[] = {
        { "3.0.1", false },
        { "12.1", false },
        { "259.0", false }, // the major number counts modulo 256
        { "2.9.99", true },
        { "", true },
        { "beta-4", true },
        { "0.3", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version2);
        responder.Update(0, [&](sim::DiscoveryDevice& d) { d.profile.version2 = c.version2; });
        EXPECT_EQ(Answered(0x7F000002), c.shown);
    }
}

TEST_F(DiscoveryTest, AShortReplyReadsItsMissingFieldsAsZero)
{
    StartAll();
    // Cut inside the serial number: the MAC, title and port are missing.
    responder.Update(0, [](sim::DiscoveryDevice& d) { d.replyBytes = 90; });
    ASSERT_TRUE(Answered(0x7F000002));
    const RES_DISCOVER_OVEL* r = owner.Find(0x7F000002);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(FieldText(r->model, 16), "PT-D16");
    EXPECT_EQ(FieldText(r->serial, 24), "SN"); // 2 of its 24 bytes came
    EXPECT_EQ(r->port, 0u);
    const uint8_t zero[6] = {};
    EXPECT_EQ(std::memcmp(r->mac, zero, 6), 0);
    EXPECT_EQ(r->title[0], 0);
    // Only the header: the device still counts as found, with empty fields.
    responder.Update(0, [](sim::DiscoveryDevice& d) { d.replyBytes = 8; });
    ASSERT_TRUE(Answered(0x7F000002));
    EXPECT_EQ(owner.Find(0x7F000002)->model[0], 0);
}

TEST_F(DiscoveryTest, OtherRepliesFromTheDiscoveryPortAreIgnored)
{
    StartAll();
    CString address;
    UINT port = 0;
    ASSERT_TRUE(socket.GetSockName(address, port));
    // A device list reply (it would carry allocated lists) and an unknown id.
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in from {};
    from.sin_family = AF_INET;
    from.sin_port = htons(DISCOVERY_PORT);
    from.sin_addr.s_addr = htonl(0x7F000007);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from), 0);
    sockaddr_in to {};
    to.sin_family = AF_INET;
    to.sin_port = htons(uint16_t(port));
    to.sin_addr.s_addr = htonl(0x7F000001);
    std::vector<uint8_t> rules { 0x11, 0x0F, 0, 0, 0, 0, 0, 83, 0, 0, 0, 1 };
    rules.resize(8 + 83, 'x'); // one 64-byte name and one 15-byte rule
    const uint8_t unknown[] = { 0x7E, 0x01, 0, 0, 0, 0, 0, 0 };
    for (const auto& datagram : { rules, std::vector<uint8_t>(unknown, unknown + sizeof unknown) })
        sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    close(fd);
    ASSERT_TRUE(socket.ReqUniQuestMsg(FormatIpAddress(kSentinel).c_str()));
    ASSERT_TRUE(WaitFor([&] { return owner.Has(kSentinel); })); // it came after both
    EXPECT_EQ(owner.records.size(), 1u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

class AddressChangeTest : public DiscoveryTest
{
protected:
    void SetUp() override
    {
        DiscoveryTest::SetUp();
        responder.Update(0, [](sim::DiscoveryDevice& d) { d.profile.password = "1234"; });
        std::memcpy(mac.data(), responder.Device(0).profile.mac, 6);
        StartAll();
    }
    bool Change(const char* password)
    {
        BYTE field[16] = {};
        std::memcpy(field, password, std::strlen(password));
        responder.ClearLog();
        return socket.ReqChngIPAddrMsg(field, mac.data(), 0x7F000009);
    }
    // Waits until the device took the request, then until a later reply.
    void Settle()
    {
        ASSERT_TRUE(WaitFor([&] { return !responder.Log().empty(); }));
        owner.records.clear();
        ASSERT_TRUE(socket.ReqUniQuestMsg(FormatIpAddress(kSentinel).c_str()));
        ASSERT_TRUE(WaitFor([&] { return owner.Has(kSentinel); }));
    }
    std::array<uint8_t, 6> mac {};
};

TEST_F(AddressChangeTest, TheRequestCarriesTheDigestsTheAddressAndTheMac)
{
    g_CurrentDevice.dwFamily = 4;
    ASSERT_TRUE(Change("1234"));
    Settle();
    std::vector<uint8_t> expected { 0x01, 0x02, 0x00, 0x16, 0x00, 0x00, 0x00, 0x2A };
    uint8_t field[16] = { 'a', 'd', 'm', 'i', 'n' };
    uint8_t digest[16];
    MD4Digest(field, 16, digest);
    expected.insert(expected.end(), digest, digest + 16);
    std::memset(field, 0, 16);
    std::memcpy(field, "1234", 4);
    MD4Digest(field, 16, digest);
    expected.insert(expected.end(), digest, digest + 16);
    expected.insert(expected.end(), { 0x7F, 0x00, 0x00, 0x09 });
    expected.insert(expected.end(), mac.begin(), mac.end());
    ASSERT_FALSE(responder.Log().empty());
    EXPECT_EQ(responder.Log()[0].request, expected);
}

TEST_F(AddressChangeTest, SuccessMovesTheDeviceAndTellsTheOwner)
{
    ASSERT_TRUE(Change("1234"));
    Settle();
    EXPECT_EQ(owner.changed, 1);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(responder.Device(0).profile.address, 0x7F000009u);
    EXPECT_TRUE(Answered(0x7F000009));
}

TEST_F(AddressChangeTest, RefusedCredentialsShowAuthorizationFailedOnce)
{
    ASSERT_TRUE(Change("wrong"));
    Settle();
    EXPECT_EQ(owner.changed, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_STREQ(boxes.Boxes()[0].text.GetString(), "Authorization failed.");
    EXPECT_EQ(responder.Device(0).profile.address, 0x7F000002u);
}

TEST_F(AddressChangeTest, OtherStatusesAndSilenceChangeNothing)
{
    responder.Update(0, [](sim::DiscoveryDevice& d) { d.changeStatus = 62217; });
    ASSERT_TRUE(Change("1234"));
    Settle();
    responder.Update(0, [](sim::DiscoveryDevice& d) {
        d.changeStatus = -1;
        d.silent = true;
    });
    ASSERT_TRUE(Change("1234"));
    Settle();
    EXPECT_EQ(owner.changed, 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(AddressChangeTest, ChangeRepliesNobodyAwaitsChangeNothing)
{
    // Nothing pending: the device's answers (either status) are dropped.
    owner.pending = FALSE;
    ASSERT_TRUE(Change("wrong"));
    Settle();
    ASSERT_TRUE(Change("1234"));
    Settle();
    EXPECT_EQ(owner.changed, 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
