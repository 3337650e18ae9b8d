// The live preview at 360 x 243: frames from the simulated camera through
// Plinto, the decoder stand-in and the preview's paint into its offscreen
// picture, one frame in flight, as fast as the loop goes; and the preview's
// own part alone (copy out of the slot, decode, turn, stretch, show) on a
// frame made beforehand. Each is set against its floor in the same run:
// copying the same bytes with memcpy (the frame record the preview copies
// and the picture it paints). "fps" is frames per second, "cpu_ms/frame"
// the process's CPU time per frame (the simulated camera, which encodes
// every frame, included), "ui_cpu_ms/frame" that of the user interface
// thread alone; at 25 frames per second a tenth of a core is 4 ms a frame.
#include "controls/VideoPreviewWnd.h"

#include "link/CurrentDevice.h"
#include "platform/decoder/FrameEncoder.h"
#include "sim/CameraStream.h"
#include "tests/pages/SetupTestResources.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double CpuSeconds(clockid_t clock)
{
    timespec t {};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A 525-line camera: kind 2 is 360 x 243, the preview's own size.
sim::CameraPictureSettings Ntsc360()
{
    sim::CameraPictureSettings settings;
    settings.kind = 2;
    settings.pal = false;
    return settings;
}

// The bytes one frame moves through the preview: the record it copies out
// of the slot and the 24-bit picture it paints.
constexpr size_t kPictureBytes = size_t(PREVIEW_PICTURE_WIDTH) * PREVIEW_PICTURE_HEIGHT * 3;

void CopyFloor(benchmark::State& state, size_t recordBytes)
{
    std::vector<uint8_t> from(recordBytes + kPictureBytes, 0x5A);
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

struct PreviewWindow {
    CWnd parent;
    CVideoPreviewWnd preview;
    PreviewWindow()
    {
        parent.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
        preview.CreateEx(WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 371, 255),
            &parent, 1300);
    }
    ~PreviewWindow()
    {
        preview.DestroyWindow();
        parent.DestroyWindow();
    }
};

// The preview's part: a frame made once, handed over as the client hands it.
void BM_PreviewPaint(benchmark::State& state)
{
    const bool rotated = state.range(0) != 0;
    sim::CameraPictureSettings settings = Ntsc360();
    settings.rotated = rotated;
    const std::vector<uint8_t> payload = frame601::EncodeSmallest(
        sim::CameraPattern(settings, 7), frame601::Flags(settings.kind, settings.pal, rotated, settings.ptz));
    auto slot = std::make_unique<plinto::tagONLINEFRAME>();
    slot->byKind = settings.kind;
    slot->nNtsc = 1;
    slot->nRotated = rotated ? 1 : 0;
    slot->dwPayloadLength = DWORD(payload.size());
    std::memcpy(slot->byPayload, payload.data(), payload.size());
    auto copy = std::make_unique<plinto::tagONLINEFRAME>();
    PreviewWindow window;
    const double cpu0 = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (auto _ : state) {
        window.preview.ShowStreamFrame(0, reinterpret_cast<LPARAM>(slot.get()), *copy, false);
        PumpWaitingMessages();
    }
    const double frames = double(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["ui_cpu_ms/frame"] = (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - cpu0) / frames * 1e3;
    state.counters["payload_bytes"] = double(payload.size());
}

void BM_PreviewPaintFloor(benchmark::State& state)
{
    CopyFloor(state, sizeof(plinto::tagONLINEFRAME));
}

// The whole way: the camera sends the next frame only after the preview
// has painted the last and asked for it.
void BM_LiveFromCamera(benchmark::State& state)
{
    sim::CameraStream camera(sim::MakeProfile(0));
    camera.SetPicture(Ntsc360());
    if (!camera.Start("127.0.0.1", 0)) {
        state.SkipWithError("the simulated camera did not start");
        return;
    }
    std::memset(&g_CurrentDevice, 0, sizeof g_CurrentDevice);
    std::strcpy(g_CurrentDevice.szAddress, "127.0.0.1");
    g_CurrentDevice.dwHttpPort = camera.Port();
    g_strDevicePassword = "admin";
    PreviewWindow window;
    if (!window.preview.StartVideo(1)
        || !PumpMessagesUntil([&] { return camera.FramesSent() >= 3; }, 10000)) {
        state.SkipWithError("no frames from the simulated camera");
        return;
    }
    const double process0 = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double ui0 = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    size_t frames = 0;
    for (auto _ : state) {
        const size_t next = camera.FramesSent() + 1;
        if (!PumpMessagesUntil([&] { return camera.FramesSent() >= next; }, 10000)) {
            state.SkipWithError("the stream stalled");
            break;
        }
        ++frames;
        // The camera's log keeps every frame; keep it small.
        if (frames % 1000 == 0)
            camera.ClearLog();
    }
    const double n = double(frames ? frames : 1);
    state.counters["fps"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
    state.counters["cpu_ms/frame"] = (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process0) / n * 1e3;
    state.counters["ui_cpu_ms/frame"] = (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - ui0) / n * 1e3;
    window.preview.StopVideo();
}

void BM_LiveFromCameraFloor(benchmark::State& state)
{
    CopyFloor(state, sizeof(plinto::tagONLINEFRAME));
}

} // namespace

BENCHMARK(BM_PreviewPaint)->Arg(0)->Arg(1)->ArgName("rotated")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewPaintFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiveFromCamera)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_LiveFromCameraFloor)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseSetupResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
