// The configuration session against a simulated device over loopback:
// framing, buffers, status messages, connection failures and the address
// lookup through the registration server.
#include "link/ConfigSession.h"
#include "link/ConfigCodec.h"
#include "link/CurrentDevice.h"
#include "link/DeviceBlocks.h"
#include "link/NetworkBlocks.h"
#include "platform/base/TestServices.h"
#include "sim/ConfigServer.h"
#include "sim/FtpServer.h"
#include "tests/link/MovingClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

bool LoadSetupString(unsigned id, char* buffer, int size);

namespace
{

bool LoadFromSetup(UINT id, CString& text)
{
    char buffer[512];
    if (!LoadSetupString(id, buffer, sizeof buffer))
        return false;
    text = buffer;
    return true;
}

constexpr char kDevice[] = "127.0.0.2";
constexpr uint32_t kDeviceAddress = 0x7F000002;

class Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetStringLoader(LoadFromSetup);
        sim::DeviceProfile profile = sim::MakeProfile(4);
        profile.password = "4321";
        profile.address = kDeviceAddress;
        device = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(device->Start(kDevice, 0));
        g_CurrentDevice = {};
        g_CurrentDevice.dwFamily = 4;
        g_CurrentDevice.dwIpAddress = kDeviceAddress;
        g_CurrentDevice.dwConfigPort = device->Port();
        g_strDevicePassword = "4321";
        reply = std::make_unique<ConfigReply>();
        request = std::make_unique<ConfigRequest>();
    }

    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.push_back(box.text.Str());
        return texts;
    }

    // A registration server on 127.0.0.3 that knows the device at `address`,
    // and the current device set to be looked up there.
    bool StartRegistry(sim::FtpServer& registry, const char* address)
    {
        sim::RegisteredDevice shop;
        shop.name = "shop";
        shop.model = "PT-D16";
        shop.key32 = "DVR16E0500102";
        shop.mac = "00:1b:9e:10:04:21";
        shop.address = address;
        registry.AddDevice(shop);
        g_CurrentDevice.bLookup = 1;
        std::strcpy(g_CurrentDevice.szLookupHost, "127.0.0.3");
        std::strcpy(g_CurrentDevice.szKey, "00:1b:9e:10:04:21");
        std::strcpy(g_CurrentDevice.szSerial, "DVR16E0500102");
        return registry.Start("127.0.0.3", 21);
    }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> installed { &boxes };
    std::unique_ptr<sim::ConfigServer> device;
    std::unique_ptr<ConfigReply> reply;
    std::unique_ptr<ConfigRequest> request;
    CConfigSession session;
};

TEST_F(Session, AReplyInPiecesIsReadWhole)
{
    sim::Fault pieces;
    pieces.pieces = { 3, 5 };
    device->SetFault(0x0104, pieces);
    ASSERT_TRUE(session.GetDeviceInfo(reply.get()));
    EXPECT_EQ(reply->command, 0x1104);
    EXPECT_STREQ(reinterpret_cast<const char*>(reply->body + 4), "PT-D16");
    EXPECT_EQ(session.m_socket, 0u) << "no connection outlives its exchange";
}

TEST_F(Session, OnlyTheLowHalfOfTheLengthCounts)
{
    // 0x1801 has a 16-byte body; the header announces 0x00010010.
    sim::Fault length;
    length.announcedLength = 0x00010010;
    device->SetFault(0x0801, length);
    ASSERT_TRUE(session.GetHddInfo(reply.get()));
    uint32_t total;
    std::memcpy(&total, reply->body + 8, 4);
    EXPECT_EQ(total, 488281250u);
}

TEST_F(Session, RepliesLongerThanTheBufferAreRefused)
{
    // A 0x1E07 list of 11204 bytes fits the 16384-byte buffer of its request.
    sim::Bytes list = { 0, 0, 2, 0xBC }; // 700 entries
    list.resize(4 + 700 * 16, 1);
    device->Store().Store(0x0E07, 0, list);
    PrepareConfigRequest(request.get(), 0x0E07, 32, "4321");
    ASSERT_TRUE(session.Transact(request.get(), reply.get(), TRUE));
    CFG_STREAM_LIST streams;
    std::memcpy(&streams, reply->body, sizeof streams);
    EXPECT_EQ(streams.count, 700u);
    FreeConfigReplyLists(reply.get());

    // Any other request goes through 10240 bytes: the same size is refused.
    sim::Bytes words = { 0, 0, 0x0A, 0xF0 }; // 2800 words
    words.resize(4 + 2800 * 4, 0);
    device->Store().Store(0x0E03, 0, words);
    PrepareConfigRequest(request.get(), 0x0E03, 32, "4321");
    EXPECT_FALSE(session.Transact(request.get(), reply.get(), TRUE));

    // A fixed request's 1024 bytes against an announced 0xFFFF.
    sim::Fault huge;
    huge.announcedLength = 0xFFFF;
    device->SetFault(0x0301, huge);
    EXPECT_FALSE(session.GetIpConfig(reply.get()));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Session, KnownStatusesShowTheirTextOnce)
{
    const struct {
        uint16_t status;
        const char* text;
    } cases[] = {
        { 0xF301, "Authorization failed." },
        { 0xF309, "Invalid value" },
        { 0xF30C, "Internal error!" },
        { 0xF30E, "The port is already used!" },
        { 0xF310, "The console setup program is activated." },
        { 0xF311, "Your command is not allowed in remote setup." },
        { 0xF313, "Version Mismatch! Please upgrade your DVR or Manager software." },
        { 0xF3FF, nullptr },
    };
    for (const auto& c : cases) {
        boxes.Clear();
        sim::Fault status;
        status.status = c.status;
        device->SetFault(0x0301, status);
        EXPECT_FALSE(session.GetIpConfig(reply.get())) << std::hex << c.status;
        if (c.text) {
            EXPECT_EQ(Texts(), std::vector<std::string> { c.text });
            EXPECT_EQ(boxes.Boxes()[0].type, MB_OK);
        } else {
            EXPECT_TRUE(Texts().empty());
        }
    }
    // Reboot and format take no record but show the same message.
    device->ClearFaults();
    sim::Fault refused;
    refused.status = 0xF301;
    device->SetFault(0x0103, refused);
    device->SetFault(0x0803, refused);
    boxes.Clear();
    EXPECT_FALSE(session.Reboot());
    EXPECT_FALSE(session.FormatHdd());
    EXPECT_EQ(Texts(), (std::vector<std::string> { "Authorization failed.", "Authorization failed." }));
    EXPECT_EQ(session.m_nTimeout, 180u) << "the long time-out lasts one request";
}

TEST_F(Session, ARefusedConnectionIsSilentButForTheLogin)
{
    device->Stop();
    EXPECT_FALSE(session.GetIpConfig(reply.get()));
    PrepareConfigRequest(request.get(), 0x0403, 32, "4321");
    EXPECT_FALSE(session.Transact(request.get(), reply.get(), TRUE));
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(session.GetDeviceInfo(reply.get()));
    EXPECT_EQ(Texts(), std::vector<std::string> { "Connection failed." });
}

TEST_F(Session, AnExchangeTellsARefusalFromNoAnswer)
{
    const sim::Fault refused { .status = 0xF30E };
    const sim::Fault unknown { .status = 0xF3FF };
    const sim::Fault closed { .closeWithoutReply = true };
    const sim::Fault cut { .cutAfter = 12 };
    const sim::Fault other { .answerAs = 0x0A01 };
    const struct {
        const char* name;
        const sim::Fault* fault;
        ConfigResult result;
        std::vector<std::string> texts;
    } cases[] = {
        { "answered", nullptr, CONFIG_DONE, {} },
        { "refused", &refused, CONFIG_REFUSED, { "The port is already used!" } },
        { "refused with a status of no message", &unknown, CONFIG_REFUSED, {} },
        { "closed without a reply", &closed, CONFIG_NO_CONNECTION, {} },
        { "cut reply", &cut, CONFIG_NO_CONNECTION, {} },
        { "the reply of another request", &other, CONFIG_NO_CONNECTION, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        device->ClearFaults();
        if (c.fault)
            device->SetFault(0x0A03, *c.fault);
        CFG_PORT_PAIR port { 77, 78 };
        EXPECT_EQ(session.Request(GET_ALT_PORT, {}, &port, *reply), c.result);
        EXPECT_EQ(Texts(), c.texts);
        // Only an answer fills the record; a failed read leaves it as it was.
        EXPECT_EQ(port.dwSecond, c.result == CONFIG_DONE ? 8405u : 78u);
        EXPECT_EQ(session.m_socket, 0u);
    }

    // A typed write sends its record and takes its answer apart from it.
    device->ClearFaults();
    ASSERT_EQ(session.Request(SET_SERVER_PORTS, { 9000, 9001 }, nullptr, *reply), CONFIG_DONE);
    const auto log = device->Log();
    EXPECT_EQ(log.back().length, 40u);
    EXPECT_EQ(log.back().params, (sim::Bytes { 0, 0, 0x23, 0x28, 0, 0, 0x23, 0x29 }));
    EXPECT_EQ(reply->command, 0x1A02);

    device->Stop();
    boxes.Clear();
    EXPECT_EQ(session.Request(SET_SERVER_PORTS, { 554, 80 }, nullptr, *reply), CONFIG_NO_CONNECTION);
    EXPECT_TRUE(Texts().empty()) << "the caller says what a lost connection means";
    // The login's request says it itself, whichever way it is asked.
    CFG_DEVICE_INFO info {};
    EXPECT_EQ(session.Request(GET_DEVICE_INFO, {}, &info, *reply), CONFIG_NO_CONNECTION);
    EXPECT_EQ(Texts(), std::vector<std::string> { "Connection failed." });
}

TEST_F(Session, ADelayedReplyIsWaitedFor)
{
    sim::Fault delay;
    delay.delayMs = 50;
    delay.pieces = { 1 };
    device->SetFault(0x0A01, delay);
    ASSERT_TRUE(session.GetServerPorts(reply.get()));
    uint32_t ports[2];
    std::memcpy(ports, reply->body, sizeof ports);
    EXPECT_EQ(ports[0], 8105u);
    EXPECT_EQ(ports[1], 8001u);
}

TEST_F(Session, ClosedOrFailedExchangesGiveFalseSilently)
{
    sim::Fault close;
    close.closeWithoutReply = true;
    device->SetFault(0x0108, close);
    EXPECT_FALSE(session.GetTimeZone(reply.get()));
    EXPECT_TRUE(Texts().empty());

    // A request that does not fit the fixed buffer is never sent.
    PrepareConfigRequest(request.get(), 0x031F, 32 + 1281, "4321");
    size_t before = device->Log().size();
    EXPECT_FALSE(session.SetIpConfig(request.get())) << "1321 bytes do not fit the 1024-byte buffer";
    PrepareConfigRequest(request.get(), 0x0206, 32 + 4 + 100 * 44, "4321");
    uint32_t n = 100;
    std::memcpy(request->params, &n, 4);
    EXPECT_FALSE(session.Send0202(request.get()));
    EXPECT_EQ(device->Log().size(), before) << "nothing reached the device";
    EXPECT_TRUE(Texts().empty());
}

TEST_F(Session, AReplyToAnotherRequestIsNoAnswer)
{
    // A recorder answering with the record of another command: the caller
    // would read that command's fields (and list pointers) by its own layout.
    const struct {
        uint16_t asked;
        uint16_t answered;
    } cases[] = {
        { 0x010F, 0x0104 }, // the information page's zone rules, answered with device information
        { 0x0104, 0x010F }, // device information, answered with a list-carrying reply
        { 0x0E05, 0x0E07 }, // the status text, answered with the stream list
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        sim::Fault confused;
        confused.answerAs = c.answered;
        device->SetFault(c.asked, confused);
        std::memset(reply.get(), 0, sizeof *reply);
        PrepareConfigRequest(request.get(), c.asked, 32, "4321");
        EXPECT_FALSE(session.Transact(request.get(), reply.get(), TRUE));
        EXPECT_EQ(reply->command, 0) << "nothing of it is decoded";
        EXPECT_EQ(reply->body[0], 0);
        // A set request keeps the record it sent.
        PrepareConfigRequest(request.get(), c.asked, 32, "4321");
        EXPECT_FALSE(session.Send0106(request.get()));
        EXPECT_EQ(request->command, c.asked);
        EXPECT_EQ(session.m_socket, 0u);
    }
    EXPECT_TRUE(Texts().empty()) << "silent but for the login";
    EXPECT_FALSE(session.GetDeviceInfo(reply.get()));
    EXPECT_EQ(Texts(), std::vector<std::string> { "Connection failed." });
    EXPECT_EQ(reply->command, 0);
}

TEST_F(Session, ALoginThatGetsNoWholeAnswerSaysConnectionFailed)
{
    ManualClock clock;
    ScopedService<IClock> useClock { &clock };
    sim::Fault cut;
    cut.cutAfter = 60;
    sim::Fault header;
    header.cutAfter = 8;
    sim::Fault oversized;
    oversized.announcedLength = 2000; // the login's buffer holds 1024 bytes
    sim::Fault silence;
    silence.silence = true;
    const struct {
        const char* name;
        sim::Fault fault;
    } cases[] = { { "cut reply", cut }, { "closed after the header", header }, { "oversized", oversized },
        { "silence", silence } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        device->SetFault(0x0104, c.fault);
        MovingClock moving(clock, 1000);
        EXPECT_FALSE(session.GetDeviceInfo(reply.get()));
        EXPECT_EQ(Texts(), std::vector<std::string> { "Connection failed." });
        EXPECT_EQ(session.m_socket, 0u);
        // Any other request stays silent: its caller decides what to show.
        device->SetFault(0x0301, c.fault);
        boxes.Clear();
        EXPECT_FALSE(session.GetIpConfig(reply.get()));
        EXPECT_TRUE(Texts().empty());
    }
}

TEST_F(Session, AReplyTrickledByteByByteEndsAtTheTimeOut)
{
    ManualClock clock;
    ScopedService<IClock> useClock { &clock };
    // One byte every 20 ms: the 0x1104 reply would take four seconds whole.
    sim::Fault trickle;
    trickle.pieces.assign(200, 1);
    device->SetFault(0x0104, trickle);
    // Each millisecond of real time is a second of the program's clock:
    // the 180 s of the exchange pass long before the reply is whole.
    {
        MovingClock moving(clock, 1000);
        EXPECT_FALSE(session.GetDeviceInfo(reply.get()));
    }
    EXPECT_EQ(Texts(), std::vector<std::string> { "Connection failed." });
    // Whole, the reply would have come after some 4000 s of the clock.
    EXPECT_LT(clock.GetTickCount(), 1000000u) << "ended when its time was up";

    // The format's long time-out lasts 600 s of the clock, and no more.
    sim::Fault silence;
    silence.silence = true;
    device->SetFault(0x0803, silence);
    boxes.Clear();
    DWORD before = clock.GetTickCount();
    {
        MovingClock moving(clock, 1000);
        EXPECT_FALSE(session.FormatHdd());
    }
    EXPECT_GE(clock.GetTickCount() - before, 600000u);
    EXPECT_LT(clock.GetTickCount() - before, 900000u);
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(session.m_nTimeout, 180u);

    // A reply that comes whole in time is taken.
    device->ClearFaults();
    EXPECT_TRUE(session.GetDeviceInfo(reply.get()));
}

TEST_F(Session, AnEmptyLookupAnswerLeavesTheStoredAddress)
{
    sim::FtpServer registry;
    ASSERT_TRUE(StartRegistry(registry, "")); // registered, but with no address
    std::strcpy(g_CurrentDevice.szAddress, kDevice);

    ASSERT_TRUE(session.GetDeviceInfo(reply.get()));
    EXPECT_EQ(registry.QueriedMacs().size(), 1u) << "the server was asked";
    EXPECT_STREQ(g_CurrentDevice.szAddress, kDevice);
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDeviceAddress);
    EXPECT_TRUE(Texts().empty());
}

TEST_F(Session, PasswordsAreCheckedAndAChangeAppliesToTheNextRequest)
{
    g_strDevicePassword = "wrong";
    EXPECT_FALSE(session.GetDeviceInfo(reply.get()));
    EXPECT_EQ(Texts(), std::vector<std::string> { "Authorization failed." });
    g_strDevicePassword = "4321";
    ASSERT_TRUE(session.GetUserList(reply.get()));

    // Write the user list back with a new admin password.
    PrepareConfigRequest(request.get(), 0x0202, 202, "4321");
    std::memcpy(request->params, reply->body, 170);
    uint8_t password[16] = { 'n', 'e', 'w' };
    for (uint8_t& b : password)
        b = static_cast<uint8_t>(((b + 3) << 1) | (static_cast<uint8_t>(b + 3) >> 7));
    std::memcpy(request->params + 5 + 16, password, 16);
    ASSERT_TRUE(session.Send0202(request.get()));
    EXPECT_EQ(request->command, 0x1202) << "the reply is decoded into the record sent";
    boxes.Clear();
    EXPECT_FALSE(session.GetIpConfig(reply.get()));
    EXPECT_EQ(Texts(), std::vector<std::string> { "Authorization failed." });
    g_strDevicePassword = "new";
    EXPECT_TRUE(session.GetIpConfig(reply.get()));
}

TEST_F(Session, FixedRequestsSendTheirParameters)
{
    ASSERT_TRUE(session.GetScreenAdjust(2, reply.get()));
    auto log = device->Log();
    EXPECT_EQ(log.back().length, 33u);
    EXPECT_EQ(log.back().params, sim::Bytes { 2 });
    EXPECT_EQ(log.back().secondWord, 22) << "a family-4 device";
    EXPECT_EQ(reply->body[0], 2);

    ASSERT_TRUE(session.GetStreamStatus(reply.get()));
    log = device->Log();
    EXPECT_EQ(log.back().length, 36u);
    EXPECT_EQ(log.back().params, (sim::Bytes { 0, 0, 0, 0 }));
    CFG_STATUS_TEXT text;
    std::memcpy(&text, reply->body, sizeof text);
    EXPECT_STREQ(text.text, "Recording: normal");
    FreeConfigReplyLists(reply.get());

    // The schedule set leaves the caller's record as sent; others take the reply.
    PrepareConfigRequest(request.get(), 0x0702, 216, "4321");
    request->params[0] = 1;
    ASSERT_TRUE(session.SetSchedule(request.get()));
    EXPECT_EQ(request->command, 0x0702);
    EXPECT_EQ(request->params[0], 1);
    ASSERT_TRUE(session.GetIpConfig(reply.get()));
    std::memcpy(request.get(), reply.get(), sizeof *request);
    request->command = 0x0302;
    request->length = 145;
    PrepareConfigRequest(request.get(), 0x0302, 145, "4321");
    std::memcpy(request->params, reply->body, 113);
    ASSERT_TRUE(session.SetIpConfig(request.get()));
    EXPECT_EQ(request->command, 0x1302);
}

TEST_F(Session, FactoryResetBringsBackTheDevicesSettings)
{
    PrepareConfigRequest(request.get(), 0x0A02, 40, "4321");
    CFG_PORT_PAIR ports { 9000, 9001 };
    std::memcpy(request->params, &ports, sizeof ports);
    ASSERT_TRUE(session.SetServerPorts(request.get()));
    ASSERT_TRUE(session.GetServerPorts(reply.get()));
    std::memcpy(&ports, reply->body, sizeof ports);
    EXPECT_EQ(ports.dwFirst, 9000u);
    ASSERT_TRUE(session.ResetFlash(reply.get()));
    ASSERT_TRUE(session.GetServerPorts(reply.get()));
    std::memcpy(&ports, reply->body, sizeof ports);
    EXPECT_EQ(ports.dwFirst, 8105u);
    EXPECT_EQ(ports.dwSecond, 8001u);
}

TEST_F(Session, TheLookupServerGivesTheDevicesAddress)
{
    sim::FtpServer registry;
    ASSERT_TRUE(StartRegistry(registry, kDevice));
    g_CurrentDevice.dwIpAddress = 0x0A010101;
    std::strcpy(g_CurrentDevice.szAddress, "10.1.1.1");

    ASSERT_TRUE(session.GetDeviceInfo(reply.get()));
    EXPECT_STREQ(g_CurrentDevice.szAddress, kDevice);
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDeviceAddress);
    EXPECT_EQ(registry.QueriedMacs(), std::vector<std::string> { "00:1b:9e:10:04:21" });

    // Without the lookup allowed the stored address is used as it is.
    PrepareConfigRequest(request.get(), 0x0404, 33, "4321");
    ASSERT_TRUE(session.Transact(request.get(), reply.get(), FALSE));
    EXPECT_EQ(registry.QueriedMacs().size(), 1u);
}

TEST_F(Session, AnUnreachableLookupServerLeavesTheStoredAddress)
{
    g_CurrentDevice.bLookup = 1;
    std::strcpy(g_CurrentDevice.szLookupHost, "127.0.0.4");
    std::strcpy(g_CurrentDevice.szAddress, "device.example");
    ASSERT_TRUE(session.GetDeviceInfo(reply.get()));
    EXPECT_STREQ(g_CurrentDevice.szAddress, "device.example");
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDeviceAddress);
    EXPECT_TRUE(Texts().empty());
}

TEST(SessionAddress, StoredTextsAndModelNumbers)
{
    g_CurrentDevice = {};
    std::strcpy(g_CurrentDevice.szAddress, "192.168.0.5");
    CConfigSession::ParseStoredAddress();
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, 0xC0A80005u);
    std::strcpy(g_CurrentDevice.szAddress, "10.2");
    CConfigSession::ParseStoredAddress();
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, 0x0A020000u) << "missing parts read as 0";

    g_CurrentDevice.dwIpAddress = 0xC0A80005;
    CConfigSession session;
    char address[24];
    session.ResolveDeviceAddress(address, TRUE);
    EXPECT_STREQ(address, "192.168.0.5");

    const uint32_t expected[] = { 0x0501, 0x0501, 0x0202, 0x0501, 0x0502 };
    for (uint32_t family = 0; family < 5; ++family) {
        g_CurrentDevice.dwFamily = family;
        EXPECT_EQ(RegServerModelNumber(), expected[family]);
    }
}

} // namespace
