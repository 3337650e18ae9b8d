// devsim as a person starts it: a set of devices on 127.0.0.x addresses,
// found by one broadcast of the discovery socket.
#include "link/MsgSocket.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

class CFoundOwner : public CDiscoveryOwner
{
public:
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override { records.push_back(*pReply); }
    void SetChangedIp() override { }
    std::vector<RES_DISCOVER_OVEL> records;
};

std::string ProgramFolder()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string exe(path, size_t(n));
    return exe.substr(0, exe.rfind('/'));
}

TEST(Devsim, StartsDevicesOnConsecutiveAddressesThatAnswerDiscovery)
{
    std::string devsim = ProgramFolder() + "/devsim";
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(
            devsim.c_str(), "devsim", "--address", "127.0.0.2", "--count", "3", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // Its devices are up once it has said where discovery runs.
    std::string said;
    char buf[256];
    ssize_t n;
    while (said.find("discovery on UDP port 8404") == std::string::npos
        && (n = read(out[0], buf, sizeof buf)) > 0)
        said.append(buf, size_t(n));
    close(out[0]);
    EXPECT_NE(said.find("at 127.0.0.4:8405"), std::string::npos) << said;

    FixedNetworkEnvironment network;
    network.broadcastTargets = { 0x7FFFFFFF };
    ScopedService<INetworkEnvironment> installed(&network);
    CFoundOwner owner;
    CMsgSocket socket;
    ASSERT_TRUE(socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    socket.Init(&owner);
    ASSERT_TRUE(socket.ReqDiscoveryMsg());
    EXPECT_TRUE(PumpMessagesUntil([&] { return owner.records.size() >= 3; }, 10000));
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(owner.records.size(), 3u);
    for (const RES_DISCOVER_OVEL& r : owner.records) {
        EXPECT_GE(r.ipAddress, 0x7F000002u);
        EXPECT_LE(r.ipAddress, 0x7F000004u);
        EXPECT_EQ(r.port, 8405u);
    }
    // Each device has its own identity.
    EXPECT_NE(std::string(owner.records[0].serial, 24), std::string(owner.records[1].serial, 24));
}

} // namespace
