// A real broadcast on a real link: two network namespaces of this test run
// joined by a veth pair, the simulated device in one, the discovery socket
// in the other, and no broadcast seam: 255.255.255.255 goes out on the link.
#include "link/MsgSocket.h"
#include "platform/msg/WndBase.h"
#include "sim/DiscoveryResponder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

// Addresses of this test's own link (a documentation range), never routed anywhere.
constexpr char kClientAddress[] = "192.0.2.1";
constexpr uint32_t kDeviceAddress = 0xC0000202; // 192.0.2.2

bool Shell(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

class CFoundOwner : public CDiscoveryOwner
{
public:
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override { records.push_back(*pReply); }
    void SetChangedIp() override { }
    std::vector<RES_DISCOVER_OVEL> records;
};

class VethLink : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_home = open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
        ASSERT_GE(m_home, 0);
        std::string id = std::to_string(getpid());
        m_client = "disc" + id + "c";
        m_device = "disc" + id + "d";
        // Needs the rights of the test run's private namespace (./test.sh).
        if (!Shell("ip netns add " + m_client))
            GTEST_SKIP() << "cannot make network namespaces here";
        m_made = true;
        ASSERT_TRUE(Shell("ip netns add " + m_device));
        ASSERT_TRUE(Shell("ip link add vc netns " + m_client + " type veth peer name vd netns " + m_device));
        ASSERT_TRUE(Shell("ip -n " + m_client + " addr add " + kClientAddress + "/24 dev vc"));
        ASSERT_TRUE(Shell("ip -n " + m_device + " addr add 192.0.2.2/24 dev vd"));
        for (const std::string& ns : { m_client, m_device }) {
            ASSERT_TRUE(Shell("ip -n " + ns + " link set lo up"));
            ASSERT_TRUE(Shell("ip -n " + ns + " link set " + (ns == m_client ? "vc" : "vd") + " up"));
        }
    }
    void TearDown() override
    {
        if (m_home >= 0) {
            setns(m_home, CLONE_NEWNET);
            close(m_home);
        }
        if (m_made) {
            Shell("ip netns del " + m_client);
            Shell("ip netns del " + m_device);
        }
    }
    // Sockets made after this belong to the namespace's network.
    bool Enter(const std::string& ns)
    {
        int fd = open(("/run/netns/" + ns).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = setns(fd, CLONE_NEWNET) == 0;
        close(fd);
        return ok;
    }

    int m_home = -1;
    bool m_made = false;
    std::string m_client, m_device;
};

TEST_F(VethLink, ABroadcastOnTheLinkFindsTheSimulatedDevice)
{
    ASSERT_TRUE(Enter(m_device));
    sim::DiscoveryResponder responder;
    sim::DiscoveryDevice device;
    device.profile = sim::MakeProfile(4);
    device.profile.address = kDeviceAddress;
    responder.AddDevice(device);
    ASSERT_TRUE(responder.Start());

    ASSERT_TRUE(Enter(m_client));
    CFoundOwner owner;
    CMsgSocket socket;
    ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, kClientAddress));
    socket.Init(&owner);
    // The link may need a moment to come up: ask again until the device answers.
    for (int attempt = 0; attempt < 120 && owner.records.empty(); ++attempt) {
        ASSERT_TRUE(socket.ReqDiscoveryMsg());
        PumpMessagesUntil([&] { return !owner.records.empty(); }, 250);
    }
    ASSERT_FALSE(owner.records.empty());
    EXPECT_EQ(owner.records[0].ipAddress, kDeviceAddress);
    EXPECT_EQ(owner.records[0].port, device.profile.configPort);
    ASSERT_FALSE(responder.Log().empty());
    EXPECT_EQ(responder.Log()[0].to, 0xFFFFFFFFu); // it came as a broadcast
    socket.Close();
    responder.Stop();
}

} // namespace
