// Live video from the simulated DVR at 720 x 486: frames per second through
// Ferrock alone, and through Ferrock, the decoder and the viewer's paint,
// against copying the same bytes (the payload as received, the decoded
// picture) in the same run. Each reports the process's CPU time per frame.
#include "platform/msg/WndBase.h"
#include "sim/DvrStreamServer.h"
#include "stream/ferrock/DVrOnNetCtrl.h"
#include "viewer/quenby/BriselViewer.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <ctime>
#include <vector>

namespace
{

constexpr char kHost[] = "127.0.0.1";
constexpr int kWidth = 720, kHeight = 486;

double CpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

sim::DvrPicture FullFrame()
{
    sim::DvrPicture picture;
    picture.resolution = 4;
    return picture;
}

// Counts frames per iteration: each iteration is one frame through.
void Report(benchmark::State& state, double cpu, int64_t frames)
{
    state.SetItemsProcessed(frames);
    state.counters["fps"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
    state.counters["cpu_us_per_frame"] = frames ? cpu / double(frames) * 1e6 : 0;
}

void BM_LiveThroughFerrock(benchmark::State& state)
{
    sim::DvrStreamServer dvr(sim::MakeProfile(4, 2));
    dvr.SetPicture(FullFrame());
    if (!dvr.Start(kHost, 0)) {
        state.SkipWithError("no simulated DVR");
        return;
    }
    struct Seen {
        std::atomic<int64_t> frames { 0 };
        ferrock::CDVrOnNetCtrl* client = nullptr;
    } seen;
    CWndBase owner;
    owner.CreateMessageWindow();
    ferrock::tagMsgHandlerInfo info;
    info.hWnd = owner.GetSafeHwnd();
    info.lUserData = reinterpret_cast<LPARAM>(&seen);
    info.pfnCallback = [](LPARAM user, uint16_t kind, void* frame) {
        auto* s = reinterpret_cast<Seen*>(user);
        if (frame)
            ++s->frames;
        ferrock::FreeStreamFrame(kind, frame);
        s->client->ReqNextFrame();
    };
    ferrock::CDVrOnNetCtrl client(info);
    seen.client = &client;
    ferrock::UserInfoParm user {};
    std::strcpy(user.user, "admin");
    std::strcpy(user.password, "admin");
    client.Login(&user, kHost, dvr.Port());
    PumpMessagesUntil([&] { return client.IsLoggedIn(); }, 10000);
    PumpMessagesUntil([] { return false; }, 50);
    ferrock::tagServiceParm parm { 2, 2, 1, 0, 0x08000000, 0x08000000 };
    ferrock::tagServiceEntry entry { 0x0201, 0, &parm };
    ferrock::tagReqServiceParm request { 0, 1, &entry };
    client.AddService(&request);
    if (!PumpMessagesUntil([&] { return seen.frames > 0; }, 10000)) {
        state.SkipWithError("no frames");
        return;
    }
    const double cpu = CpuSeconds();
    const int64_t start = seen.frames;
    for (auto _ : state) {
        const int64_t next = seen.frames + 1;
        PumpMessagesUntil([&] { return seen.frames >= next; }, 10000);
    }
    Report(state, CpuSeconds() - cpu, seen.frames - start);
}
BENCHMARK(BM_LiveThroughFerrock)->UseRealTime()->MinTime(2.0);

void BM_LiveThroughViewer(benchmark::State& state)
{
    sim::DvrStreamServer dvr(sim::MakeProfile(4, 2));
    dvr.SetPicture(FullFrame());
    if (!dvr.Start(kHost, 0)) {
        state.SkipWithError("no simulated DVR");
        return;
    }
    CWnd parent;
    parent.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr);
    quenby::CBriselViewer viewer(false, false);
    viewer.Init(parent.GetSafeHwnd());
    viewer.MoveWindow(0, 0, kWidth, kHeight);
    viewer.Start(kHost, static_cast<short>(dvr.Port()), "admin", "admin", 1);
    if (!PumpMessagesUntil([&] { return dvr.FramesSent() > 2; }, 10000)) {
        state.SkipWithError("no frames");
        return;
    }
    // A frame is through once the next one was asked for: the viewer asks
    // after decoding; the paints run on this thread meanwhile.
    const double cpu = CpuSeconds();
    const uint32_t start = dvr.FramesSent();
    for (auto _ : state) {
        const uint32_t next = dvr.FramesSent() + 1;
        PumpMessagesUntil([&] { return dvr.FramesSent() >= next; }, 10000);
    }
    Report(state, CpuSeconds() - cpu, int64_t(dvr.FramesSent() - start));
    viewer.Stop();
}
BENCHMARK(BM_LiveThroughViewer)->UseRealTime()->MinTime(2.0);

// The floors: copying what one frame carries.
void CopyBytes(benchmark::State& state, size_t size)
{
    std::vector<uint8_t> from(size, 7), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_MemcpyPayload(benchmark::State& state)
{
    CopyBytes(state, sim::DvrStreamServer::VideoPayload(FullFrame(), 0, 1).size());
}
BENCHMARK(BM_MemcpyPayload);

void BM_MemcpyPicture(benchmark::State& state)
{
    CopyBytes(state, size_t(kWidth) * kHeight * 3);
}
BENCHMARK(BM_MemcpyPicture);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
