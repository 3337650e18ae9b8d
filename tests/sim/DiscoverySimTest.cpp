// The simulator's discovery responder and registration UDP role, seen from
// plain sockets: what a device sends back and from where.
#include "link/ByteOrder.h"
#include "link/Md4.h"
#include "sim/ConfigServer.h"
#include "sim/DiscoveryResponder.h"
#include "sim/RegServerUdp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

struct Datagram {
    std::vector<uint8_t> bytes;
    uint32_t from = 0;
    uint16_t fromPort = 0;
};

class UdpClient
{
public:
    explicit UdpClient(const char* address = "127.0.0.1")
    {
        m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        int one = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
        sockaddr_in sa {};
        sa.sin_family = AF_INET;
        inet_pton(AF_INET, address, &sa.sin_addr);
        bind(m_fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    }
    ~UdpClient() { close(m_fd); }
    void SendTo(const char* address, uint16_t port, const std::vector<uint8_t>& bytes)
    {
        sockaddr_in sa {};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(port);
        inet_pton(AF_INET, address, &sa.sin_addr);
        ASSERT_EQ(sendto(m_fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&sa), sizeof sa),
            ssize_t(bytes.size()));
    }
    // Datagrams until none arrives for `quietMs`.
    std::vector<Datagram> Receive(int quietMs = 300)
    {
        std::vector<Datagram> got;
        pollfd p { m_fd, POLLIN, 0 };
        while (poll(&p, 1, quietMs) > 0) {
            Datagram d;
            d.bytes.resize(2048);
            sockaddr_in from {};
            socklen_t len = sizeof from;
            ssize_t n
                = recvfrom(m_fd, d.bytes.data(), d.bytes.size(), 0, reinterpret_cast<sockaddr*>(&from), &len);
            if (n < 0)
                break;
            d.bytes.resize(size_t(n));
            d.from = ntohl(from.sin_addr.s_addr);
            d.fromPort = ntohs(from.sin_port);
            got.push_back(std::move(d));
        }
        return got;
    }

private:
    int m_fd;
};

std::vector<uint8_t> DiscoveryRequest()
{
    return { 0x01, 0x01, 0x00, 0x16, 0x00, 0x00, 0x00, 0x04, 0x58, 0x52, 0x4F, 0x47 };
}

sim::DiscoveryDevice Device(uint32_t address, uint16_t form)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    d.profile.mac[5] = uint8_t(address);
    d.replyCommand = form;
    return d;
}

TEST(DiscoverySim, EveryDeviceOfTheNetworkAnswersABroadcastFromItsOwnAddressAndPort8404)
{
    sim::DiscoveryResponder responder;
    for (uint32_t host = 2; host <= 5; ++host)
        responder.AddDevice(Device(0x7F000000 | host, host % 2 ? 0x1101 : 0x1111));
    ASSERT_TRUE(responder.Start());
    UdpClient client;
    client.SendTo("127.255.255.255", sim::kDiscoveryPort, DiscoveryRequest());
    auto replies = client.Receive();
    ASSERT_EQ(replies.size(), 4u);
    for (const Datagram& d : replies) {
        SCOPED_TRACE(d.from);
        EXPECT_EQ(d.fromPort, sim::kDiscoveryPort);
        WireReader r(d.bytes.data(), d.bytes.size());
        uint16_t id = r.U16();
        EXPECT_EQ(id, d.from % 2 ? 0x1101 : 0x1111);
        EXPECT_EQ(r.U16(), 0);
        EXPECT_EQ(r.U32(), id == 0x1111 ? 150u : 146u);
        EXPECT_EQ(d.bytes.size(), id == 0x1111 ? 158u : 154u);
    }
    // A unicast reaches one device only; a silent device reads and says nothing.
    client.SendTo("127.0.0.3", sim::kDiscoveryPort, DiscoveryRequest());
    EXPECT_EQ(client.Receive().size(), 1u);
    responder.Update(1, [](sim::DiscoveryDevice& d) { d.silent = true; });
    client.SendTo("127.0.0.3", sim::kDiscoveryPort, DiscoveryRequest());
    EXPECT_TRUE(client.Receive(100).empty());
    EXPECT_EQ(responder.Log().back().secondWord, 22);
}

TEST(DiscoverySim, AddressChangeChecksTheCredentialsAndMovesTheDevice)
{
    sim::DiscoveryResponder responder;
    sim::DiscoveryDevice device = Device(0x7F000002, 0x1111);
    device.profile.password = "1234";
    responder.AddDevice(device);
    ASSERT_TRUE(responder.Start());
    UdpClient client;
    auto request = [&](const char* password) {
        std::vector<uint8_t> out(50);
        uint32_t pos = 0;
        NetPutHeader(out.data(), &pos, { 0x0102, 0, 42 });
        uint8_t field[16] = { 'a', 'd', 'm', 'i', 'n' };
        uint8_t digest[16];
        MD4Digest(field, 16, digest);
        NetPutBytes(out.data(), &pos, digest, 16);
        std::memset(field, 0, 16);
        std::memcpy(field, password, std::strlen(password));
        MD4Digest(field, 16, digest);
        NetPutBytes(out.data(), &pos, digest, 16);
        NetPutU32(out.data(), &pos, 0x7F000009);
        NetPutBytes(out.data(), &pos, device.profile.mac, 6);
        return out;
    };
    client.SendTo("127.255.255.255", sim::kDiscoveryPort, request("wrong"));
    auto refused = client.Receive();
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].bytes, (std::vector<uint8_t> { 0x11, 0x02, 0xF3, 0x01, 0, 0, 0, 0 }));

    client.SendTo("127.255.255.255", sim::kDiscoveryPort, request("1234"));
    auto granted = client.Receive();
    ASSERT_EQ(granted.size(), 1u);
    EXPECT_EQ(granted[0].bytes, (std::vector<uint8_t> { 0x11, 0x02, 0, 0, 0, 0, 0, 0 }));
    client.SendTo("127.0.0.9", sim::kDiscoveryPort, DiscoveryRequest());
    auto moved = client.Receive();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].from, 0x7F000009u);
}

// One device, one description and one administrator password: what its
// configuration server was last told is what discovery says and checks.
TEST(DiscoverySim, ADeviceAnswersWithTheSettingsItHasNow)
{
    sim::DiscoveryDevice device = Device(0x7F000002, 0x1111);
    sim::ConfigServer settings(device.profile);
    sim::SimReply reply;
    sim::Bytes title(32, 0);
    std::memcpy(title.data(), "Front office", 12);
    ASSERT_TRUE(settings.Store().Answer(0x0106, title, &reply));
    settings.Store().SetAdminPassword("5678");
    device.settings = &settings.Store();
    sim::DiscoveryResponder responder;
    responder.AddDevice(device);
    ASSERT_TRUE(responder.Start());
    UdpClient client;
    client.SendTo("127.0.0.2", sim::kDiscoveryPort, DiscoveryRequest());
    auto replies = client.Receive();
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_STREQ(reinterpret_cast<const char*>(replies[0].bytes.data() + 158 - 32), "Front office");

    auto change = [&](const char* password) {
        std::vector<uint8_t> out(50);
        uint32_t pos = 0;
        NetPutHeader(out.data(), &pos, { 0x0102, 0, 42 });
        for (const char* text : { "admin", password }) {
            uint8_t field[16] = {}, digest[16];
            std::memcpy(field, text, std::strlen(text));
            MD4Digest(field, 16, digest);
            NetPutBytes(out.data(), &pos, digest, 16);
        }
        NetPutU32(out.data(), &pos, 0x7F000009);
        NetPutBytes(out.data(), &pos, device.profile.mac, 6);
        client.SendTo("127.255.255.255", sim::kDiscoveryPort, out);
        auto answer = client.Receive();
        return answer.size() == 1 ? answer[0].bytes : std::vector<uint8_t> {};
    };
    EXPECT_EQ(change("admin"), (std::vector<uint8_t> { 0x11, 0x02, 0xF3, 0x01, 0, 0, 0, 0 }))
        << "the password it started with no longer opens it";
    EXPECT_EQ(change("5678"), (std::vector<uint8_t> { 0x11, 0x02, 0, 0, 0, 0, 0, 0 }));
}

TEST(RegServerSim, PagesOfTheListArriveWithTheirSequenceNumbers)
{
    sim::RegServerUdp server;
    for (int i = 0; i < 5; ++i)
        server.AddDevice(sim::MakeRegisteredDevice("acme", i));
    server.AddDevice(sim::MakeRegisteredDevice("other", 9));
    ASSERT_TRUE(server.Start("127.0.0.1", 0));
    UdpClient client;
    std::vector<uint8_t> list(40 + 592, 0);
    uint32_t pos = 0;
    const uint8_t key = 0x21;
    DirPutI32(list.data(), &pos, -1);
    DirPutU32(list.data(), &pos, 0x05010000);
    DirPutI32(list.data(), &pos, -1);
    DirPutU8(list.data(), &pos, 32);
    DirPutU8(list.data(), &pos, 0);
    DirPutU16(list.data(), &pos, 0);
    DirPutU32(list.data(), &pos, 1);
    DirPutU32(list.data(), &pos, 592);
    DirPutU32(list.data(), &pos, 0);
    DirPutU32(list.data(), &pos, 3); // sequence
    DirPutU32(list.data(), &pos, 100);
    DirPutU32(list.data(), &pos, 0);
    DirPutBytes(list.data(), &pos, "acme", 4);
    for (size_t i = 0; i < list.size(); ++i)
        list[i] ^= key;
    list[13] = key;
    client.SendTo("127.0.0.1", server.Port(), list);
    auto got = client.Receive();
    ASSERT_EQ(got.size(), 3u); // header, records 3 and 4
    EXPECT_EQ(got[0].bytes.size(), 40u);
    uint8_t replyKey = got[0].bytes[13];
    for (auto& b : got[0].bytes)
        b ^= replyKey;
    WireReader header(got[0].bytes.data(), 40, WireReader::Host, 24);
    EXPECT_EQ(header.U32(), 5u); // total
    EXPECT_EQ(header.U32(), 3u); // sequence
    EXPECT_EQ(header.U32(), 2u); // records in this page
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].name, "acme");
}

} // namespace
