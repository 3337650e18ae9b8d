// The viewer client's picture path on a D1 (720 x 576) MPEG-4 stream as a
// camera sends it: Tessaly's whole path (decode, convert to RGB32, blit into
// an offscreen window) against xvidcore's decoder alone on the same frames,
// and each colour converter against a memcpy of the bytes it writes. The
// streams are encoded once, before anything is timed.
#include "CameraScene.h"

#include "platform/msg/WndBase.h"
#include "platform/ui/Wnd.h"
#include "sim/KelmothServer.h"
#include "sim/Mpeg4PatternStream.h"
#include "viewer/tessaly/ColourConvert.h"
#include "viewer/tessaly/KelmothClient.h"
#include "viewer/tessaly/MediaFrame.h"

#include <benchmark/benchmark.h>
#include <xvid.h>

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <numeric>
#include <vector>

namespace
{

constexpr int kWidth = 720, kHeight = 576;
// Four seconds at 25 frames a second, a key frame every second, one B-VOP
// between references. The quantiser sets the bit rate: 4 gives about
// 2.3 Mbit/s and 3 about 4.8 Mbit/s, the range in which D1 cameras stream
// MPEG-4; the busier stream costs the decoder more.
constexpr int kFrames = 100, kKeyInterval = 25, kBFrames = 1, kFramesPerSecond = 25;
constexpr int kQuants[] = { 4, 3 };

struct StreamFrame {
    uint32_t type;
    std::vector<uint8_t> data;
};

const std::vector<StreamFrame>& Stream(int quant = kQuants[0])
{
    static std::map<int, std::vector<StreamFrame>> streams;
    auto found = streams.find(quant);
    if (found != streams.end())
        return found->second;
    std::vector<StreamFrame>& out = streams[quant];
    const bench_video::CameraScene scene(kWidth, kHeight);
    sim::Mpeg4PatternStream stream(kWidth, kHeight, kBFrames, kKeyInterval, quant,
        [&scene](int index, sim::YuvPicture* picture) { scene.Draw(index, picture); });
    sim::Mpeg4Frame frame;
    while (int(out.size()) < kFrames && stream.Next(&frame))
        out.push_back({ uint32_t(frame.vopType == 0 ? 0 : frame.vopType == 2 ? 2 : 1), frame.data });
    return out;
}

// A stream's bit rate, for the figures.
double MbitPerSecond(const std::vector<StreamFrame>& frames)
{
    size_t bytes = 0;
    for (const StreamFrame& f : frames)
        bytes += f.data.size();
    return double(bytes) * 8 * kFramesPerSecond / double(frames.size()) / 1e6;
}

// CPU time of the calling thread: a figure that other work on a shared
// machine does not inflate.
double ThreadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// xvidcore alone: every frame decoded into a planar picture, as Tessaly's
// decoder takes it.
class RawDecoder
{
public:
    RawDecoder()
        : m_picture(size_t(kWidth) * kHeight * 3 / 2)
    {
        xvid_gbl_init_t init {};
        init.version = XVID_VERSION;
        xvid_global(nullptr, XVID_GBL_INIT, &init, nullptr);
        xvid_dec_create_t create {};
        create.version = XVID_VERSION;
        xvid_decore(nullptr, XVID_DEC_CREATE, &create, nullptr);
        m_handle = create.handle;
    }
    ~RawDecoder() { xvid_decore(m_handle, XVID_DEC_DESTROY, nullptr, nullptr); }
    void Decode(const std::vector<uint8_t>& data)
    {
        xvid_dec_frame_t frame {};
        frame.version = XVID_VERSION;
        frame.bitstream = const_cast<uint8_t*>(data.data());
        frame.length = int(data.size());
        frame.output.csp = XVID_CSP_PLANAR;
        frame.output.plane[0] = m_picture.data();
        frame.output.plane[1] = m_picture.data() + kWidth * kHeight;
        frame.output.plane[2] = m_picture.data() + kWidth * kHeight * 5 / 4;
        frame.output.stride[0] = kWidth;
        frame.output.stride[1] = frame.output.stride[2] = kWidth / 2;
        xvid_dec_stats_t stats {};
        stats.version = XVID_VERSION;
        // A key frame starts with its headers: the decoder reads them and
        // then the VOP in a second call.
        for (int used = 0, at = 0; at < frame.length; at += used) {
            frame.bitstream = const_cast<uint8_t*>(data.data()) + at;
            frame.length = int(data.size()) - at;
            used = xvid_decore(m_handle, XVID_DEC_DECODE, &frame, &stats);
            if (used <= 0 || stats.type > 0)
                break;
        }
        benchmark::DoNotOptimize(m_picture.data());
    }

private:
    void* m_handle = nullptr;
    std::vector<uint8_t> m_picture;
};

// Tessaly's client, logged in to a simulated server that sends no frames,
// fed the stream's frames as its receive loop would hand them over.
class FeedClient : public tessaly::CKelmothClient
{
public:
    using CKelmothClient::CKelmothClient;
    void Feed(const StreamFrame& frame)
    {
        OnRecvFrame(tessaly::NewMediaFrame(frame.data.data(), uint32_t(frame.data.size()), 0, frame.type));
    }
};

struct WholePath {
    WholePath()
    {
        sim::DeviceProfile profile = sim::MakeProfile(2);
        server = std::make_unique<sim::KelmothServer>(profile);
        server->stream.frameCount = 0;
        server->Start("127.0.0.1", 0);
        window.CreateEx(0, nullptr, "video", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr);
        client = std::make_unique<FeedClient>(window.m_hWnd, nullptr);
        char address[] = "127.0.0.1", name[] = "live";
        std::string password = profile.password;
        ok = client->Play(address, name, password.data(), server->Port()) == 0;
    }
    ~WholePath()
    {
        client.reset();
        window.DestroyWindow();
    }
    std::unique_ptr<sim::KelmothServer> server;
    CWnd window;
    std::unique_ptr<FeedClient> client;
    bool ok = false;
};

void BM_XvidDecodeAlone(benchmark::State& state)
{
    const auto& frames = Stream();
    RawDecoder decoder;
    size_t i = 0;
    for (auto _ : state)
        decoder.Decode(frames[i++ % frames.size()].data);
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_XvidDecodeAlone)->Unit(benchmark::kMillisecond);

void BM_TessalyWholePath(benchmark::State& state)
{
    const auto& frames = Stream();
    WholePath path;
    if (!path.ok) {
        state.SkipWithError("login to the simulator failed");
        return;
    }
    size_t i = 0;
    for (auto _ : state)
        path.client->Feed(frames[i++ % frames.size()]);
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_TessalyWholePath)->Unit(benchmark::kMillisecond);

// Both paths over the same frames in turn, so that their ratio holds even
// on a busy machine: ratio = Tessaly's frames per second / xvidcore's, from
// the median round of each (a round that loses the processor stretches a
// sum, not a median); sum_ratio from the summed times, cpu_ratio from the
// median CPU times of the thread. The two take turns
// at going first, so that neither always finds the caches as the other
// left them.
void BM_TessalyAgainstXvid(benchmark::State& state)
{
    const auto& frames = Stream(int(state.range(0)));
    WholePath path;
    if (!path.ok) {
        state.SkipWithError("login to the simulator failed");
        return;
    }
    RawDecoder decoder;
    // Wall and CPU time of a round; both paths run on this thread (the blit
    // into the window on this thread is a direct call).
    struct Times {
        double wall = 0, cpu = 0;
    };
    auto timed = [](auto run) {
        const auto start = std::chrono::steady_clock::now();
        const double cpu = ThreadCpuSeconds();
        run();
        return Times { std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            ThreadCpuSeconds() - cpu };
    };
    auto decodeAll = [&] {
        for (const StreamFrame& f : frames)
            decoder.Decode(f.data);
    };
    auto wholeAll = [&] {
        for (const StreamFrame& f : frames)
            path.client->Feed(f);
    };
    decodeAll();
    wholeAll();
    std::vector<double> raw, whole, rawCpu, wholeCpu;
    auto keep = [](Times t, std::vector<double>& wall, std::vector<double>& cpu) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    };
    for (auto _ : state) {
        if (raw.size() % 2 == 0) {
            keep(timed(decodeAll), raw, rawCpu);
            keep(timed(wholeAll), whole, wholeCpu);
        } else {
            keep(timed(wholeAll), whole, wholeCpu);
            keep(timed(decodeAll), raw, rawCpu);
        }
    }
    const double n = double(frames.size());
    state.counters["cpu_ratio"] = Median(rawCpu) / Median(wholeCpu);
    state.counters["xvid_cpu_ms"] = Median(rawCpu) / n * 1e3;
    state.counters["tessaly_cpu_ms"] = Median(wholeCpu) / n * 1e3;
    state.counters["xvid_ms"] = Median(raw) / n * 1e3;
    state.counters["tessaly_ms"] = Median(whole) / n * 1e3;
    state.counters["xvid_fps"] = n / Median(raw);
    state.counters["tessaly_fps"] = n / Median(whole);
    state.counters["ratio"] = Median(raw) / Median(whole);
    state.counters["sum_ratio"]
        = std::accumulate(raw.begin(), raw.end(), 0.0) / std::accumulate(whole.begin(), whole.end(), 0.0);
    state.counters["Mbit_s"] = MbitPerSecond(frames);
}
BENCHMARK(BM_TessalyAgainstXvid)
    ->ArgName("quant")
    ->Arg(kQuants[0])
    ->Arg(kQuants[1])
    ->Unit(benchmark::kMillisecond)
    ->Iterations(12);

using Converter = void (*)(const uint8_t*, int, const uint8_t*, const uint8_t*, int, uint8_t*, int, int, int);

struct Planes {
    std::vector<uint8_t> y, u, v, out, copy;
    explicit Planes(int bytes)
        : y(size_t(kWidth) * kHeight, 120)
        , u(size_t(kWidth / 2) * (kHeight / 2), 100)
        , v(size_t(kWidth / 2) * (kHeight / 2), 150)
        , out(size_t(kWidth) * kHeight * size_t(bytes))
        , copy(out.size(), 7)
    {
    }
};

void BM_Convert(benchmark::State& state, Converter convert, int bytes)
{
    Planes p(bytes);
    for (int i = 0; i < kWidth * kHeight; ++i)
        p.y[size_t(i)] = uint8_t(i * 7);
    for (auto _ : state) {
        convert(p.y.data(), kWidth, p.u.data(), p.v.data(), kWidth / 2, p.out.data(), kWidth, kHeight,
            kWidth * bytes);
        benchmark::DoNotOptimize(p.out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.out.size()));
}
BENCHMARK_CAPTURE(BM_Convert, RGB32, tessaly::YV12ToRGB32, 4);
BENCHMARK_CAPTURE(BM_Convert, RGB24, tessaly::YV12ToRGB24, 3);
BENCHMARK_CAPTURE(BM_Convert, RGB565, tessaly::YV12ToRGB565, 2);

// The floor of a converter: copying the bytes it writes.
void BM_MemcpyOutput(benchmark::State& state, int bytes)
{
    Planes p(bytes);
    for (auto _ : state) {
        std::memcpy(p.out.data(), p.copy.data(), p.out.size());
        benchmark::DoNotOptimize(p.out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.out.size()));
}
BENCHMARK_CAPTURE(BM_MemcpyOutput, RGB32, 4);
BENCHMARK_CAPTURE(BM_MemcpyOutput, RGB24, 3);
BENCHMARK_CAPTURE(BM_MemcpyOutput, RGB565, 2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int quant : kQuants)
        Stream(quant); // encoded before anything is timed
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
