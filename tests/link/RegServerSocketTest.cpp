// The registration server's UDP socket against the simulated server on
// UDP port 6839: the one-record query and the paged listing.
#include "link/RegServerSocket.h"
#include "platform/msg/WndBase.h"
#include "sim/RegServerUdp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

constexpr char kServer[] = "127.0.0.1";

class CCollector : public CRegServerRecordTarget
{
public:
    void OnRegServerRecord(ZPT_NODE* pNode) override { nodes.push_back(*pNode); }
    std::vector<ZPT_NODE> nodes;
};

class RegServerSocketTest : public ::testing::Test
{
protected:
    void StartServer(int devices, const std::string& login = "acme")
    {
        for (int i = 0; i < devices; ++i)
            server.AddDevice(sim::MakeRegisteredDevice(login, i));
        server.AddDevice(sim::MakeRegisteredDevice("someone-else", 900));
        ASSERT_TRUE(server.Start(kServer, REGSERVER_UDP_PORT));
        ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
        socket.Reset(&collector);
        // Rounds of a blocking call, short so that an unanswered query ends soon.
        socket.m_nPendingInterval = 20;
    }
    bool Query(const char* mac, char* address)
    {
        std::memset(address, 0, 24);
        return socket.Query(kServer, "", "", mac, address);
    }

    sim::RegServerUdp server;
    CCollector collector;
    CRegServerSocket socket;
};

TEST_F(RegServerSocketTest, AQueryGivesTheAddressWhetherTheAnswerComesInOneDatagramOrTwo)
{
    StartServer(5);
    for (auto split :
        { sim::RegServerUdp::Split::HeaderWithFirstRecord, sim::RegServerUdp::Split::UnitPerDatagram }) {
        server.SetSplit(split);
        char address[24];
        ASSERT_TRUE(Query("00:1b:9e:00:00:03", address));
        EXPECT_STREQ(address, "198.51.0.3");
    }
    std::vector<sim::RegServerRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].flags, 49u);
    EXPECT_EQ(requests[0].count, 1u);
    EXPECT_EQ(requests[0].sequence, 0u);
    EXPECT_EQ(requests[0].macText, "00:1b:9e:00:00:03");
}

TEST_F(RegServerSocketTest, AQueryAnsweredWithTotalZeroIsNotFound)
{
    StartServer(5);
    char address[24];
    EXPECT_FALSE(Query("00:1b:9e:00:00:99", address));
    EXPECT_EQ(address[0], 0);
    // The socket is still usable: a following query succeeds.
    EXPECT_TRUE(Query("00:1b:9e:00:00:01", address));
}

TEST_F(RegServerSocketTest, ARecordWithoutAnAddressIsNoAnswer)
{
    sim::RegisteredDevice blank = sim::MakeRegisteredDevice("acme", 7);
    blank.address.clear();
    server.AddDevice(blank);
    StartServer(2);
    char address[24];
    std::strcpy(address, "10.0.0.9");
    EXPECT_FALSE(socket.Query(kServer, "", "", blank.mac.c_str(), address));
    EXPECT_STREQ(address, "10.0.0.9") << "the caller's address is left as it was";
    EXPECT_TRUE(Query("00:1b:9e:00:00:01", address));
    EXPECT_STREQ(address, "198.51.0.1");
}

TEST_F(RegServerSocketTest, AnUnansweredQueryEndsAfterItsRounds)
{
    StartServer(1);
    server.SetSilent(true);
    char address[24];
    EXPECT_FALSE(Query("00:1b:9e:00:00:00", address));
}

TEST_F(RegServerSocketTest, AListingOf250ArrivesAsPagesOf100And100And50InOrder)
{
    StartServer(250);
    for (auto split :
        { sim::RegServerUdp::Split::UnitPerDatagram, sim::RegServerUdp::Split::HeaderWithFirstRecord }) {
        SCOPED_TRACE(int(split));
        server.SetSplit(split);
        collector.nodes.clear();
        size_t requestsBefore = server.Requests().size();
        socket.ResetAll();
        ASSERT_TRUE(socket.SendListRequest(kServer, "acme"));
        ASSERT_TRUE(PumpMessagesUntil([&] { return collector.nodes.size() >= 250; }, 20000));
        PumpMessagesUntil([] { return false; }, 50); // nothing more comes
        ASSERT_EQ(collector.nodes.size(), 250u);
        for (size_t i = 0; i < collector.nodes.size(); ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "shop-%04d", int(i));
            ASSERT_STREQ(collector.nodes[i].szName, name);
        }
        std::vector<sim::RegServerRequest> requests = server.Requests();
        ASSERT_EQ(requests.size() - requestsBefore, 3u);
        for (size_t page = 0; page < 3; ++page) {
            const sim::RegServerRequest& r = requests[requestsBefore + page];
            EXPECT_EQ(r.sequence, 100 * page);
            EXPECT_EQ(r.count, 100u);
            EXPECT_EQ(r.flags, 1u);
            EXPECT_EQ(r.name, "acme");
        }
        // Back to the start for the next listing.
        EXPECT_EQ(socket.m_nSequence, 0);
        EXPECT_EQ(socket.m_bFirstPage, 1);
    }
}

TEST_F(RegServerSocketTest, ANodeCarriesTheServerAndTheParsedAddressAndMac)
{
    StartServer(3);
    ASSERT_TRUE(socket.SendListRequest(kServer, "acme"));
    ASSERT_TRUE(PumpMessagesUntil([&] { return collector.nodes.size() >= 3; }, 20000));
    const ZPT_NODE& node = collector.nodes[2];
    EXPECT_STREQ(node.szServer, kServer);
    EXPECT_STREQ(node.szModel, "PT-D16");
    EXPECT_STREQ(node.szText256, "Unit 2");
    EXPECT_STREQ(node.szAddress, "198.51.0.2");
    const uint8_t address[4] = { 198, 51, 0, 2 };
    EXPECT_EQ(std::memcmp(node.byAddress, address, 4), 0);
    const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x00, 0x00, 0x02 };
    EXPECT_EQ(std::memcmp(node.byMac, mac, 6), 0);
}

TEST_F(RegServerSocketTest, AHeaderWithAnotherSequenceNumberIsIgnored)
{
    StartServer(150);
    server.SendStaleHeaderOnce(); // arrives before the real first page
    ASSERT_TRUE(socket.SendListRequest(kServer, "acme"));
    ASSERT_TRUE(PumpMessagesUntil([&] { return collector.nodes.size() >= 150; }, 20000));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(collector.nodes.size(), 150u);
    EXPECT_STREQ(collector.nodes.front().szName, "shop-0000");
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(RegServerSocketTest, AnUnknownLoginListsNothing)
{
    StartServer(3);
    ASSERT_TRUE(socket.SendListRequest(kServer, "nobody"));
    ASSERT_TRUE(
        PumpMessagesUntil([&] { return socket.m_nFillPos == 0 && !server.Requests().empty(); }, 30000));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_TRUE(collector.nodes.empty());
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(RegServerMessage, EncodesByKindAndScramblesAllButTheKeyByte)
{
    REGSERVER_MESSAGE message;
    std::memset(&message, 0, sizeof message);
    message.header.marker1 = -1;
    message.header.marker2 = -1;
    message.header.protocol = REGSERVER_UDP_PROTOCOL;
    message.header.key = 0x5A;
    message.header.total = 7;
    std::strcpy(message.record.szName, "acme");
    uint8_t buf[700];
    uint32_t pos = 0;
    message.header.kind = 5;
    EXPECT_EQ(EncodeRegServerMessage(buf, &pos, message), 0u);
    EXPECT_EQ(pos, 0u);
    message.header.kind = REGSERVER_KIND_REGISTRATION;
    EXPECT_EQ(EncodeRegServerMessage(buf, &pos, message), 620u);
    pos = 0;
    message.header.kind = REGSERVER_KIND_QUERY;
    ASSERT_EQ(EncodeRegServerMessage(buf, &pos, message), 632u);
    EXPECT_EQ(pos, 632u);
    EXPECT_EQ(buf[13], 0x5A);
    EXPECT_EQ(buf[0], 0xFF ^ 0x5A);
    EXPECT_EQ(buf[40], 'a' ^ 0x5A);
    EXPECT_EQ(buf[44], 0x5A); // the name's zero padding
    REGSERVER_MSG_HEADER header;
    EXPECT_EQ(DecodeDirHeader(buf, &header), 0x5A);
    EXPECT_EQ(header.kind, REGSERVER_KIND_QUERY);
    EXPECT_EQ(header.total, 7u);
    EXPECT_EQ(header.protocol, REGSERVER_UDP_PROTOCOL);
}

} // namespace
