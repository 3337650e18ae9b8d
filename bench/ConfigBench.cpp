// The configuration protocol: encode and decode per command (records per
// second), and whole exchanges against a simulated device on loopback beside
// a bare TCP connect-send-receive-close of the same sizes (the floor).
#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"
#include "link/ConfigSession.h"
#include "link/CurrentDevice.h"
#include "sim/ConfigServer.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace
{

constexpr char kAddress[] = "127.0.0.2";
constexpr uint16_t kIpConfig = 0x0301;

const ConfigCommand& Command(int64_t index)
{
    size_t count = 0;
    return ConfigCommands(&count)[index];
}

void BM_Encode(benchmark::State& state)
{
    const ConfigCommand& c = Command(state.range(0));
    auto request = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(request.get(), c.command, 36, "admin");
    std::vector<uint8_t> buf(16384);
    for (auto _ : state) {
        uint32_t pos = 0;
        benchmark::DoNotOptimize(EncodeConfigRequest(buf.data(), buf.size(), &pos, request.get(), 4, 22));
    }
    state.SetItemsProcessed(state.iterations());
    char label[16];
    std::snprintf(label, sizeof label, "0x%04X", c.command);
    state.SetLabel(label);
}

void BM_Decode(benchmark::State& state)
{
    const ConfigCommand& c = Command(state.range(0));
    // The simulator's own reply to the get.
    static sim::ConfigServer device(sim::MakeProfile(4));
    auto request = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(request.get(), c.command, 36, "admin");
    std::vector<uint8_t> buf(1024);
    uint32_t pos = 0;
    uint32_t n = EncodeConfigRequest(buf.data(), buf.size(), &pos, request.get(), 4, 22);
    sim::Exchange ex;
    sim::Bytes reply = device.Reply(buf.data(), n, &ex);
    auto record = std::make_unique<ConfigReply>();
    for (auto _ : state) {
        pos = 0;
        uint16_t revision = 22;
        benchmark::DoNotOptimize(
            DecodeConfigReply(reply.data(), reply.size(), &pos, record.get(), &revision));
        FreeConfigReplyLists(record.get());
    }
    state.SetItemsProcessed(state.iterations());
    char label[16];
    std::snprintf(label, sizeof label, "0x%04X", c.command + 0x1000);
    state.SetLabel(label);
}

void EncodeArgs(benchmark::internal::Benchmark* b)
{
    size_t count = 0;
    const ConfigCommand* all = ConfigCommands(&count);
    for (size_t i = 0; i < count; ++i)
        if (all[i].request && all[i].request[0] != '!')
            b->Arg(static_cast<int64_t>(i));
}

void DecodeArgs(benchmark::internal::Benchmark* b)
{
    size_t count = 0;
    const ConfigCommand* all = ConfigCommands(&count);
    for (size_t i = 0; i < count; ++i)
        if (all[i].request && all[i].reply && all[i].reply[0])
            b->Arg(static_cast<int64_t>(i));
}

BENCHMARK(BM_Encode)->Apply(EncodeArgs)->MinTime(0.02);
BENCHMARK(BM_Decode)->Apply(DecodeArgs)->MinTime(0.02);

void BM_SessionExchange(benchmark::State& state)
{
    sim::DeviceProfile profile = sim::MakeProfile(4);
    profile.address = 0x7F000002;
    sim::ConfigServer device(profile);
    if (!device.Start(kAddress, 0)) {
        state.SkipWithError("no loopback");
        return;
    }
    g_CurrentDevice = {};
    g_CurrentDevice.dwFamily = 4;
    g_CurrentDevice.dwIpAddress = 0x7F000002;
    g_CurrentDevice.dwConfigPort = device.Port();
    g_strDevicePassword = "admin";
    CConfigSession session;
    auto reply = std::make_unique<ConfigReply>();
    for (auto _ : state) {
        if (!session.GetIpConfig(reply.get())) {
            state.SkipWithError("exchange failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
    device.ClearLog();
}
BENCHMARK(BM_SessionExchange)->UseRealTime();

// The floor: a server that reads a 40-byte request and answers 121 bytes
// (the sizes of the 0x0301 exchange), and a client that does only that.
void BM_BareTcp(benchmark::State& state)
{
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(0x7F000003);
    socklen_t len = sizeof sa;
    if (bind(listener, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 || listen(listener, 16) != 0) {
        state.SkipWithError("no loopback");
        close(listener);
        return;
    }
    getsockname(listener, reinterpret_cast<sockaddr*>(&sa), &len);
    std::atomic<bool> stop { false };
    std::thread server([&] {
        char in[40], out[121] = {};
        while (!stop) {
            int fd = accept(listener, nullptr, nullptr);
            if (fd < 0)
                break;
            int one = 1;
            setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            size_t got = 0;
            while (got < sizeof in) {
                ssize_t n = recv(fd, in + got, sizeof in - got, 0);
                if (n <= 0)
                    break;
                got += static_cast<size_t>(n);
            }
            send(fd, out, sizeof out, MSG_NOSIGNAL);
            close(fd);
        }
    });
    char request[40] = {}, reply[121];
    for (auto _ : state) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
        send(fd, request, sizeof request, MSG_NOSIGNAL);
        size_t got = 0;
        while (got < sizeof reply) {
            ssize_t n = recv(fd, reply + got, sizeof reply - got, 0);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        close(fd);
    }
    state.SetItemsProcessed(state.iterations());
    stop = true;
    shutdown(listener, SHUT_RDWR);
    close(listener);
    server.join();
}
BENCHMARK(BM_BareTcp)->UseRealTime();

// Keeps the per-iteration times of the two exchange benchmarks for the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto exchange = reporter.times.find("BM_SessionExchange/real_time");
    auto bare = reporter.times.find("BM_BareTcp/real_time");
    if (exchange != reporter.times.end() && bare != reporter.times.end() && bare->second > 0)
        std::printf("exchange / bare TCP time ratio: %.2f\n", exchange->second / bare->second);
    benchmark::Shutdown();
    return 0;
}
