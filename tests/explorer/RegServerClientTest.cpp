// The explorer's registration-server client against the simulated server:
// the download thread over FTP (paging, the faults it refuses, a cooperative
// stop), the address lookup, and the datagram socket that takes records the
// server sends it unasked.
#include "explorer/RegServerSocket.h"
#include "explorer/ThreadZpt.h"
#include "platform/msg/WndBase.h"
#include "sim/FtpServer.h"
#include "sim/RegServerUdp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace
{

using morrik::ZPT_NODE;

constexpr char kServer[] = "127.0.0.1";
constexpr char kGroup[] = "grp-east";

class COwnerWnd : public CWndBase
{
public:
    std::vector<ZPT_NODE> nodes;

private:
    LRESULT OnRecord(WPARAM wParam, LPARAM)
    {
        auto* node = reinterpret_cast<ZPT_NODE*>(wParam);
        nodes.push_back(*node);
        std::free(node); // the receiver owns the node
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWndBase)
ON_MESSAGE(morrik::WM_REGSERVER_RECORD, OnRecord)
END_MESSAGE_MAP()

// A device of the group; its registration name is the group id.
sim::RegisteredDevice GroupDevice(int i)
{
    sim::RegisteredDevice d = sim::MakeRegisteredDevice(kGroup, i);
    d.name = kGroup;
    return d;
}

class DownloadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateMessageWindow());
        for (int i = 0; i < 45; ++i)
            server.AddDevice(GroupDevice(i));
        server.AddDevice(sim::MakeRegisteredDevice("elsewhere", 700)); // another group
    }
    void TearDown() override
    {
        if (thread)
            thread->Stop();
        delete thread;
        PumpWaitingMessages();
        owner.DestroyWindow();
        server.Stop();
    }
    void Start() { ASSERT_TRUE(server.Start(kServer, REGSERVER_FTP_PORT)); }
    void List(const char* server = kServer)
    {
        EXPECT_TRUE(morrik::ReqFindMsg(thread, &owner, 0x502, server, kGroup, nullptr, nullptr));
    }
    size_t Retrievals() const { return server.QueriedPages().size(); }
    // Done once the server saw `retrievals` queries and no fetch runs.
    bool WaitForFetch(size_t retrievals)
    {
        return PumpMessagesUntil(
            [&] {
                return Retrievals() >= retrievals
                    && WaitForSingleObject(thread->m_hEvent, 0) == WAIT_OBJECT_0;
            },
            20000);
    }

    sim::FtpServer server;
    COwnerWnd owner;
    morrik::CThreadZpt* thread = nullptr;
};

TEST_F(DownloadTest, AGroupOfFortyFiveArrivesInThreePagesAsNodesInOrder)
{
    Start();
    List();
    ASSERT_NE(thread, nullptr); // started by the first request
    ASSERT_TRUE(WaitForFetch(3));
    PumpWaitingMessages();
    const std::vector<sim::FtpServer::Page> pages = server.QueriedPages();
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(pages[i].start, 20 * i);
        EXPECT_EQ(pages[i].count, 20u);
        EXPECT_EQ(pages[i].flags, 0x01u); // the group id in the name field only
    }
    ASSERT_EQ(owner.nodes.size(), 45u);
    for (size_t i = 0; i < 45; ++i)
        EXPECT_EQ(owner.nodes[i].szText256, "Unit " + std::to_string(i));
    const ZPT_NODE& node = owner.nodes[10];
    EXPECT_STREQ(node.szServer, kServer);
    EXPECT_STREQ(node.szName, kGroup);
    EXPECT_STREQ(node.szModel, "PT-D16");
    EXPECT_STREQ(node.szKey32, "key00010");
    EXPECT_STREQ(node.szMac, "00:1B:9E:00:00:0A"); // sent lower-case, kept upper-case
    EXPECT_STREQ(node.szAddress, "198.51.0.10");
    // The datagram fields are not the download's.
    EXPECT_EQ(node.dwIp, 0u);
    EXPECT_EQ(node.dwPort, 0u);

    // Each retrieve's query is 636 bytes, 848 characters of Base64.
    size_t retrieves = 0;
    for (const std::string& c : server.Commands()) {
        if (c.rfind("RETR ", 0) == 0) {
            EXPECT_EQ(c.size(), 5u + 848u);
            ++retrieves;
        }
    }
    EXPECT_EQ(retrieves, 3u);
}

TEST_F(DownloadTest, AFindAsksByNameSerialAndMacText)
{
    Start();
    EXPECT_TRUE(morrik::ReqFindMsg(thread, &owner, 0x502, kServer, kGroup, "key00007", "00:1b:9e:00:00:07"));
    ASSERT_TRUE(WaitForFetch(1));
    PumpWaitingMessages();
    ASSERT_EQ(owner.nodes.size(), 1u);
    EXPECT_STREQ(owner.nodes[0].szAddress, "198.51.0.7");
    EXPECT_EQ(server.QueriedPages().at(0).flags, 0x01u | 0x10u | 0x20u);
    EXPECT_EQ(server.QueriedMacs().at(0), "00:1b:9e:00:00:07");
}

// What the server does wrong, and what the download makes of it.
struct ServerFault {
    const char* what;
    void (*arrange)(sim::FtpServer&);
    size_t retrievals; // the download ends after these
    size_t nodes;
};

const ServerFault kFaults[] = {
    { "a reply holding more records than asked for is refused",
        [](sim::FtpServer& s) { s.sendEveryMatch = true; }, 1, 0 },
    { "a reply announcing more records than asked for is refused",
        [](sim::FtpServer& s) { s.announcedCount = 21; }, 1, 0 },
    { "a total beyond what the server has ends at the first empty page",
        [](sim::FtpServer& s) { s.announcedTotal = 1000; }, 4, 45 },
    { "a page announcing no records ends the download", [](sim::FtpServer& s) { s.announcedCount = 0; }, 1,
        0 },
    { "a server that logs in without a password step is not used",
        [](sim::FtpServer& s) { s.userWithoutPassword = true; }, 0, 0 },
};

TEST_F(DownloadTest, ServerFaultsEndTheDownload)
{
    for (const ServerFault& fault : kFaults) {
        SCOPED_TRACE(fault.what);
        sim::FtpServer faulty;
        for (int i = 0; i < 45; ++i)
            faulty.AddDevice(GroupDevice(i));
        fault.arrange(faulty);
        ASSERT_TRUE(faulty.Start(kServer, REGSERVER_FTP_PORT));
        owner.nodes.clear();
        List();
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                return faulty.QueriedPages().size() >= fault.retrievals && !faulty.Commands().empty()
                    && WaitForSingleObject(thread->m_hEvent, 0) == WAIT_OBJECT_0;
            },
            20000));
        // Nothing more comes: a download that went on would ask again.
        PumpMessagesUntil([] { return false; }, 200);
        EXPECT_EQ(faulty.QueriedPages().size(), fault.retrievals);
        EXPECT_EQ(owner.nodes.size(), fault.nodes);
        faulty.Stop();
    }
}

TEST_F(DownloadTest, FetchesRunOneAfterAnotherOnAFreshLogin)
{
    Start();
    List();
    List();
    ASSERT_TRUE(WaitForFetch(6));
    PumpWaitingMessages();
    EXPECT_EQ(owner.nodes.size(), 90u);
    size_t logins = 0;
    for (const std::string& c : server.Commands())
        logins += c == "USER zq";
    EXPECT_EQ(logins, 2u);
}

TEST_F(DownloadTest, StoppingInTheMiddleOfATransferEndsItAtOnceAndFreesWhatWaits)
{
    server.stallAfterRecords = 5; // then the thread waits in a receive
    Start();
    List();
    List(); // waits behind the first; Stop frees it
    ASSERT_TRUE(PumpMessagesUntil([&] { return Retrievals() >= 1; }, 20000));
    PumpMessagesUntil([] { return false; }, 100);
    const auto start = std::chrono::steady_clock::now();
    thread->Stop();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The transfer's own time-out is 30 s: stopping must not wait for it.
    EXPECT_LT(seconds, 10.0);
    PumpWaitingMessages();
    EXPECT_TRUE(owner.nodes.empty()); // the page never became whole
    EXPECT_EQ(Retrievals(), 1u);
    // Stopped, the thread takes no request; the request is freed.
    List();
    thread->Stop(); // a second stop does nothing
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(Retrievals(), 1u);
}

TEST_F(DownloadTest, WithoutAnOwnerWindowTheDownloadStops)
{
    Start();
    owner.DestroyWindow();
    List();
    ASSERT_TRUE(WaitForFetch(1));
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(Retrievals(), 1u);
    EXPECT_TRUE(owner.nodes.empty());
}

TEST(DownloadLifetime, AThreadThatNeverRanStopsCleanly)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateMessageWindow());
    auto* thread = new morrik::CThreadZpt(&owner);
    // A request posted to a thread that never ran is freed by the stop.
    auto* request = static_cast<RegServerRecord*>(std::calloc(1, sizeof(RegServerRecord)));
    EXPECT_TRUE(thread->PostFetch(request));
    delete thread;
    owner.DestroyWindow();
}

TEST(RegServerModel, TheRecorderTreeAsksWithItsOwnModelNumber)
{
    EXPECT_EQ(morrik::GetZPTFtpModelNo(2), 0x502);
    EXPECT_EQ(morrik::GetZPTFtpModelNo(0), 0x501);
    EXPECT_EQ(morrik::GetZPTFtpModelNo(1), 0x501);
}

TEST(RegServerLookup, TheAddressComesByMacTextAndSerial)
{
    sim::FtpServer server;
    for (int i = 0; i < 3; ++i)
        server.AddDevice(GroupDevice(i));
    ASSERT_TRUE(server.Start(kServer, REGSERVER_FTP_PORT));
    char result[128];
    std::strcpy(result, "unchanged");
    ASSERT_TRUE(
        morrik::GetRegServerAddress(kServer, 0x502, "00:1b:9e:00:00:02", "key00002", result, sizeof result));
    EXPECT_STREQ(result, "198.51.0.2");
    EXPECT_EQ(server.QueriedMacs().back(), "00:1b:9e:00:00:02");
    EXPECT_EQ(server.QueriedPages().back().flags, 0x10u | 0x20u);

    // No such device, no server there, a result too small for the address.
    std::strcpy(result, "unchanged");
    EXPECT_FALSE(morrik::GetRegServerAddress(kServer, 0x502, "00:1b:9e:00:00:99", "", result, sizeof result));
    EXPECT_FALSE(
        morrik::GetRegServerAddress("127.0.0.2", 0x502, "00:1b:9e:00:00:02", "", result, sizeof result));
    EXPECT_STREQ(result, "unchanged");
    char small[6];
    ASSERT_TRUE(morrik::GetRegServerAddress(kServer, 0x502, "00:1b:9e:00:00:01", "", small, sizeof small));
    EXPECT_STREQ(small, "198.5");
}

class DatagramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateMessageWindow());
        ASSERT_TRUE(server.Start(kServer, 0));
        // As the explorer makes it: a datagram socket on port 0.
        ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
        socket.Attach(&owner);
        CString address;
        ASSERT_TRUE(socket.GetSockName(address, port));
        ASSERT_NE(port, 0u);
    }
    void TearDown() override
    {
        socket.Close();
        PumpWaitingMessages();
        owner.DestroyWindow();
        server.Stop();
    }
    bool WaitForNodes(size_t n)
    {
        return PumpMessagesUntil([&] { return owner.nodes.size() >= n; }, 20000);
    }
    // Raw datagrams to the socket, as a misbehaving server would send them.
    void SendRaw(const std::vector<uint8_t>& bytes)
    {
        int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_in to {};
        to.sin_family = AF_INET;
        to.sin_port = htons(uint16_t(port));
        inet_pton(AF_INET, kServer, &to.sin_addr);
        EXPECT_EQ(sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to),
            ssize_t(bytes.size()));
        close(fd);
    }

    COwnerWnd owner;
    sim::RegServerUdp server;
    morrik::CRegServerSocket socket;
    UINT port = 0;
};

TEST_F(DatagramTest, PagesSentUnaskedArriveWholeWithTheSenderAsServer)
{
    for (int i = 0; i < 150; ++i) {
        sim::RegisteredDevice d = sim::MakeRegisteredDevice("acme", i);
        d.numbers[3] = 8405 + uint32_t(i);
        server.AddDevice(d);
    }
    server.AddDevice(sim::MakeRegisteredDevice("other", 900));
    for (auto split :
        { sim::RegServerUdp::Split::UnitPerDatagram, sim::RegServerUdp::Split::HeaderWithFirstRecord }) {
        owner.nodes.clear();
        server.SetSplit(split);
        ASSERT_TRUE(server.PushList("acme", kServer, uint16_t(port)));
        ASSERT_TRUE(WaitForNodes(150));
        PumpMessagesUntil([] { return false; }, 50);
        ASSERT_EQ(owner.nodes.size(), 150u);
        EXPECT_TRUE(server.Requests().empty()); // the socket asks for nothing
        const ZPT_NODE& node = owner.nodes[130];
        EXPECT_STREQ(node.szServer, kServer);
        EXPECT_STREQ(node.szName, "shop-0130");
        EXPECT_STREQ(node.szAddress, "198.51.0.130");
        EXPECT_EQ(node.dwIp, 0xC6330082u); // 198.51.0.130, first octet most significant
        EXPECT_EQ(node.dwPort, 8405u + 130u);
        EXPECT_STREQ(node.szMac, "00:1B:9E:00:00:82");
        const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x00, 0x00, 0x82 };
        EXPECT_EQ(std::memcmp(node.byMac, mac, 6), 0);
    }
}

TEST_F(DatagramTest, AStaleHeaderIsIgnoredAndTheRightPageTaken)
{
    for (int i = 0; i < 3; ++i)
        server.AddDevice(sim::MakeRegisteredDevice("acme", i));
    server.SendStaleHeaderOnce();
    ASSERT_TRUE(server.PushList("acme", kServer, uint16_t(port)));
    ASSERT_TRUE(WaitForNodes(3));
    PumpMessagesUntil([] { return false; }, 50);
    EXPECT_EQ(owner.nodes.size(), 3u);
}

TEST_F(DatagramTest, HostileRepliesAreReadWithinTheirBytes)
{
    const uint8_t key = 0x3C;
    const sim::RegisteredDevice device = sim::MakeRegisteredDevice("acme", 4);
    const std::vector<uint8_t> record = sim::RegServerUdp::Record(key, device);
    auto join = [](std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    // No records at all; then a header whose counts are huge, followed by
    // one record cut short and one whole; then a datagram far beyond the
    // buffer and one shorter than a header.
    SendRaw(sim::RegServerUdp::Header(key, 0, 0, 5));
    SendRaw(sim::RegServerUdp::Header(key, 0xFFFFFFFFu, 0, 0xFFFFFFFFu));
    SendRaw(std::vector<uint8_t>(record.begin(), record.begin() + 300));
    SendRaw(std::vector<uint8_t>(record.begin() + 300, record.end()));
    ASSERT_TRUE(WaitForNodes(1));
    SendRaw(join(join(record, record), std::vector<uint8_t>(2000, 0xAB)));
    SendRaw(std::vector<uint8_t>(7, 0x11));
    PumpMessagesUntil([] { return false; }, 100);
    ASSERT_GE(owner.nodes.size(), 1u);
    EXPECT_STREQ(owner.nodes[0].szName, "shop-0004");
    for (const ZPT_NODE& node : owner.nodes) {
        EXPECT_LT(std::strlen(node.szName), sizeof node.szName);
        EXPECT_LT(std::strlen(node.szMac), sizeof node.szMac);
    }
}

} // namespace
