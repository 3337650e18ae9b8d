// The explorer's port query against a simulated device's configuration
// server on loopback: the request it sends, the values it gives, and every
// way a reply can fail without a read or write past the reply buffer.
#include "explorer/PortQuerySocket.h"
#include "platform/base/TestServices.h"
#include "sim/ConfigServer.h"
#include "sim/WireBody.h"
#include "tests/link/MovingClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace morrik;

namespace
{

constexpr char kDevice[] = "127.0.0.2";
constexpr char kClosed[] = "接続を閉じました。";
constexpr char kSocketError[] = "Socket error!";

class PortQueryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::DeviceProfile profile = sim::MakeProfile(4);
        profile.password = "4321";
        profile.address = 0x7F000002;
        device = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(device->Start(kDevice, 0));
        reply = {};
        reply.dwValue1 = 0xAAAA;
        reply.dwValue2 = 0xBBBB;
    }
    BOOL Ask(uint16_t code, const char* password = "4321")
    {
        return code == MSG_PORT_PAIR
            ? socket.QueryPortPair(&reply, device->Port(), kDevice, "admin", password)
            : socket.QueryExtraPort(&reply, device->Port(), kDevice, "admin", password);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.push_back(box.text.Str());
        return texts;
    }
    bool Unchanged() const { return reply.dwValue1 == 0xAAAA && reply.dwValue2 == 0xBBBB; }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxService { &boxes };
    std::unique_ptr<sim::ConfigServer> device;
    DEVICE_REPLY reply;
    CPortQuerySocket socket;
};

TEST_F(PortQueryTest, BothQueriesSendTheDigestsAndGiveTheDevicesValues)
{
    ASSERT_TRUE(Ask(MSG_PORT_PAIR));
    EXPECT_EQ(reply.wCode, RES_PORT_PAIR);
    EXPECT_EQ(reply.dwValue1, 8105u);
    EXPECT_EQ(reply.dwValue2, 8001u);
    ASSERT_TRUE(Ask(MSG_EXTRA_PORT));
    EXPECT_EQ(reply.wCode, RES_EXTRA_PORT);
    EXPECT_EQ(reply.dwValue1, 0u); // the flag
    EXPECT_EQ(reply.dwValue2, 8405u); // the port

    auto log = device->Log();
    ASSERT_EQ(log.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].command, i == 0 ? MSG_PORT_PAIR : MSG_EXTRA_PORT);
        EXPECT_EQ(log[i].secondWord, 0);
        EXPECT_EQ(log[i].length, 32u);
        EXPECT_TRUE(log[i].params.empty()); // the two digests and nothing more
        EXPECT_TRUE(log[i].authorized);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PortQueryTest, ARefusalOrAFailedConnectionKeepsTheCallersValuesWithoutAMessage)
{
    EXPECT_FALSE(Ask(MSG_EXTRA_PORT, "wrong"));
    EXPECT_FALSE(device->Log().at(0).authorized);
    EXPECT_TRUE(Unchanged());
    device->SetFault(MSG_PORT_PAIR, sim::Fault { .status = 0xF301 });
    EXPECT_FALSE(Ask(MSG_PORT_PAIR));
    EXPECT_TRUE(Unchanged());
    UINT port = device->Port();
    device.reset();
    EXPECT_FALSE(socket.QueryPortPair(&reply, port, kDevice, "admin", "4321"));
    EXPECT_TRUE(Unchanged());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PortQueryTest, RepliesAreReadByTheirAnnouncedLengthWithinTheBuffer)
{
    const struct {
        const char* what;
        sim::Fault fault;
        bool ok;
        const char* box;
    } cases[] = {
        { "in pieces across the header", { .pieces = { 3, 6, 2 } }, true, nullptr },
        { "one byte at a time", { .trickleMs = 1 }, true, nullptr },
        // Only the low half of the length word counts.
        { "a length word of 0x10008", { .announcedLength = 0x10008 }, true, nullptr },
        { "a body shorter than the code's", { .announcedLength = 4 }, false, nullptr },
        { "a body larger than the buffer", { .announcedLength = 4000 }, false, nullptr },
        { "the largest body", { .announcedLength = 0xFFFF }, false, nullptr },
        { "the answer to another question", { .answerAs = MSG_EXTRA_PORT }, false, nullptr },
        { "closed before the reply", { .closeWithoutReply = true }, false, kClosed },
        { "closed inside the reply", { .cutAfter = 10 }, false, kClosed },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.Clear();
        reply.dwValue1 = 0xAAAA;
        reply.dwValue2 = 0xBBBB;
        device->SetFault(MSG_PORT_PAIR, c.fault);
        EXPECT_EQ(Ask(MSG_PORT_PAIR), c.ok);
        if (c.ok) {
            EXPECT_EQ(reply.dwValue1, 8105u);
            EXPECT_EQ(reply.dwValue2, 8001u);
        } else {
            EXPECT_TRUE(Unchanged());
        }
        EXPECT_EQ(Texts(), c.box ? std::vector<std::string> { c.box } : std::vector<std::string> {});
        device->ClearFaults();
    }
}

TEST_F(PortQueryTest, ASilentDeviceIsGivenUpAfterThreeSeconds)
{
    ManualClock clock;
    ScopedService<IClock> clockService { &clock };
    MovingClock moving(clock, 100);
    socket.m_nPendingInterval = 10;
    device->SetFault(MSG_EXTRA_PORT, sim::Fault { .silence = true });
    EXPECT_FALSE(Ask(MSG_EXTRA_PORT));
    EXPECT_TRUE(Unchanged());
    EXPECT_EQ(Texts(), std::vector<std::string> { kSocketError });
    EXPECT_LT(socket.m_nCalls, socket.m_nCallLimit);
    // The next query starts with a fresh guard.
    device->ClearFaults();
    EXPECT_TRUE(Ask(MSG_EXTRA_PORT));
}

} // namespace
