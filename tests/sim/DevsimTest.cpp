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

// devsim started with these arguments, its output (and errors) on a pipe.
struct Devsim {
    pid_t pid = -1;
    int output = -1;
};

Devsim StartDevsim(const std::vector<std::string>& args)
{
    const std::string devsim = ProgramFolder() + "/devsim";
    Devsim d;
    int out[2];
    if (pipe(out) != 0)
        return d;
    d.pid = fork();
    if (d.pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(out[0]);
        std::vector<char*> argv { const_cast<char*>("devsim") };
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(devsim.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    d.output = out[0];
    return d;
}

// What it says until it has said `until` (empty: until it ends).
std::string ReadOutput(const Devsim& d, const std::string& until = {})
{
    std::string said;
    char buf[512];
    ssize_t n;
    while (
        (until.empty() || said.find(until) == std::string::npos) && (n = read(d.output, buf, sizeof buf)) > 0)
        said.append(buf, size_t(n));
    return said;
}

// Stops it (when `stop`) and gives its exit status.
int Finish(const Devsim& d, bool stop)
{
    close(d.output);
    if (stop)
        kill(d.pid, SIGTERM);
    int status = 0;
    waitpid(d.pid, &status, 0);
    return status;
}

TEST(Devsim, StartsDevicesOnConsecutiveAddressesThatAnswerDiscovery)
{
    const Devsim devsim = StartDevsim({ "--address", "127.0.0.2", "--count", "3" });
    ASSERT_GE(devsim.pid, 0);
    // Its devices are up once it has said where discovery runs.
    const std::string said = ReadOutput(devsim, "discovery on UDP port 8404");
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
    Finish(devsim, true);
    ASSERT_EQ(owner.records.size(), 3u);
    for (const RES_DISCOVER_OVEL& r : owner.records) {
        EXPECT_GE(r.ipAddress, 0x7F000002u);
        EXPECT_LE(r.ipAddress, 0x7F000004u);
        EXPECT_EQ(r.port, 8405u);
    }
    // Each device has its own identity.
    EXPECT_NE(std::string(owner.records[0].serial, 24), std::string(owner.records[1].serial, 24));
}

TEST(Devsim, HelpListsTheFaultModesAndBadFaultsAreRefused)
{
    const Devsim help = StartDevsim({ "--help" });
    const std::string text = ReadOutput(help);
    int status = Finish(help, false);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const char* mode :
        { "status=", "split=", "oversized=", "silence", "trickle=", "reply=", "cut=", "close", "delay=" })
        EXPECT_NE(text.find(mode), std::string::npos) << mode;

    const Devsim bad = StartDevsim({ "--fault", "0104:sleep=5" });
    const std::string refused = ReadOutput(bad);
    status = Finish(bad, false);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
    EXPECT_NE(refused.find("unknown fault mode \"sleep\""), std::string::npos) << refused;

    const Devsim faulty = StartDevsim(
        { "--address", "127.0.0.5", "--fault", "010F:reply=1104", "--fault", "0104:trickle=2000" });
    const std::string started = ReadOutput(faulty, "discovery on UDP");
    Finish(faulty, true);
    EXPECT_NE(started.find("misbehaves: 010F:reply=1104"), std::string::npos) << started;
    EXPECT_NE(started.find("misbehaves: 0104:trickle=2000"), std::string::npos) << started;
}

} // namespace
