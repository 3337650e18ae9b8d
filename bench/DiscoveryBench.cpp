// Discovery with 500 simulated devices answering one broadcast: how many
// replies the discovery socket handles per second, and the share of the
// devices present that were found (found/present).
#include "link/MsgSocket.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"
#include "sim/DiscoveryResponder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <set>

namespace
{

constexpr int kDevices = 500;

class CCountingOwner : public CDiscoveryOwner
{
public:
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override { found.insert(pReply->ipAddress); }
    void SetChangedIp() override { }
    std::set<uint32_t> found;
};

void BM_DiscoveryBroadcast(benchmark::State& state)
{
    FixedNetworkEnvironment network;
    network.broadcastTargets = { 0x7FFFFFFF };
    ScopedService<INetworkEnvironment> installed(&network);
    sim::DiscoveryResponder responder;
    for (int i = 0; i < kDevices; ++i) {
        sim::DiscoveryDevice d;
        d.profile = sim::MakeProfile(4);
        d.profile.address = 0x7F000100 + uint32_t(i);
        d.replyCommand = i % 2 ? 0x1101 : 0x1111;
        responder.AddDevice(d);
    }
    if (!responder.Start()) {
        state.SkipWithError("the simulated devices could not bind their addresses");
        return;
    }
    CCountingOwner owner;
    CMsgSocket socket;
    if (!socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1")) {
        state.SkipWithError("no socket");
        return;
    }
    socket.Init(&owner);

    double found = 0, seconds = 0;
    int64_t rounds = 0;
    for (auto _ : state) {
        owner.found.clear();
        auto start = std::chrono::steady_clock::now();
        socket.ReqDiscoveryMsg();
        // Done when every device is in, or when 300 ms pass without a new one.
        size_t last = 0;
        auto lastChange = start;
        auto end = start;
        PumpMessagesUntil(
            [&] {
                auto now = std::chrono::steady_clock::now();
                if (owner.found.size() != last) {
                    last = owner.found.size();
                    lastChange = end = now;
                }
                return last == size_t(kDevices) || now - lastChange > std::chrono::milliseconds(300);
            },
            10000);
        seconds += std::chrono::duration<double>(end - start).count();
        found += double(owner.found.size());
        ++rounds;
    }
    state.counters["found/present"] = found / double(rounds * kDevices);
    state.counters["replies/s"] = seconds > 0 ? found / seconds : 0;
}
BENCHMARK(BM_DiscoveryBroadcast)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
