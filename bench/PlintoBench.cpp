// Live video from the simulated camera through Plinto and the decoder
// stand-in into an offscreen 360 x 243 picture, as the preview receives it:
// frames per second with one frame in flight, and the CPU each frame costs;
// beside it, in the same run, the floor of copying the same bytes, the
// decode alone and what the simulator spends building a frame (it runs in
// this process, so its share is inside the process CPU figure).
#include "platform/decoder/Decompress601.h"
#include "sim/CameraStream.h"
#include "stream/plinto/NetThread.h"
#include "stream/plinto/OstraOnNetCtrl.h"

#include "link/WindowMessages.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

using namespace plinto;

namespace
{

constexpr LONG kWidth = 360, kHeight = 243;
const sim::CameraPictureSettings kNtsc { 2, false, false, true };

double CpuSeconds(clockid_t clock)
{
    timespec t {};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Decodes a payload into the 360 x 243 picture, as the preview does.
struct Picture {
    Picture()
        : decoder(decompress601_open())
        , pixels(size_t(kWidth) * 3 * size_t(kHeight))
    {
    }
    ~Picture() { decompress601_close(decoder); }
    int Decode(const BYTE* payload, DWORD length)
    {
        int32_t info[10] = {};
        info[5] = int32_t(length);
        BITMAPINFOHEADER header { 40, kWidth, kHeight, 1, 24, 0, 0, 0, 0, 0, 0 };
        tagDecodeParm parm { 1, 0, 0, info, payload, &header, pixels.data() };
        return decompress601_ex(decoder, &parm);
    }
    HDECOMPRESS601 decoder;
    std::vector<uint8_t> pixels;
};

class COwner : public CWndBase
{
public:
    COwner() { CreateMessageWindow(); }
    ~COwner() override { DestroyWindow(); }
    COstraOnNetCtrl* client = nullptr;
    int64_t decoded = 0;
    int64_t failed = 0;

private:
    LRESULT OnFrame(WPARAM wParam, LPARAM lParam)
    {
        if (!client)
            return 0;
        if (!wParam) {
            std::memcpy(copy.get(), reinterpret_cast<const tagONLINEFRAME*>(lParam), sizeof *copy);
            (picture.Decode(copy->byPayload, copy->dwPayloadLength) == 0 ? decoded : failed)++;
        }
        client->reqNextFrame();
        return 0;
    }
    std::unique_ptr<tagONLINEFRAME> copy = std::make_unique<tagONLINEFRAME>();
    Picture picture;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWndBase)
ON_MESSAGE(WM_STREAM_FRAME, OnFrame)
END_MESSAGE_MAP()

void BM_PlintoLiveFrames(benchmark::State& state)
{
    sim::CameraStream camera(sim::MakeProfile(0));
    camera.SetPicture(kNtsc);
    if (!camera.Start("127.0.0.1", 0)) {
        state.SkipWithError("the simulated camera did not start");
        return;
    }
    COwner owner;
    auto* thread = new CNetThread;
    thread->ResumeThread();
    WaitForSingleObject(thread->m_hReadyEvent, 5000);
    owner.client = thread->m_pOnNetCtrl;
    tagReqServiceParm r {};
    r.hOwner = reinterpret_cast<DWORD_PTR>(owner.m_hWnd);
    std::strcpy(r.szIpAddr, "127.0.0.1");
    std::strcpy(r.szUserName, "admin");
    std::strcpy(r.szPassword, "admin");
    r.byParm1 = r.byParm2 = 2;
    r.dwParm3 = r.dwParm4 = 0x0F000000;
    owner.client->startService(r, camera.Port());
    PumpMessagesUntil([&] { return owner.decoded > 0; }, 5000);

    const double process0 = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double owner0 = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    const int64_t first = owner.decoded;
    for (auto _ : state) {
        const int64_t next = owner.decoded + 1;
        if (!PumpMessagesUntil([&] { return owner.decoded >= next; }, 5000)) {
            state.SkipWithError("no frame within 5 s");
            break;
        }
    }
    const double frames = double(owner.decoded - first);
    state.counters["frames_per_s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    if (frames > 0) {
        state.counters["cpu_us_per_frame_process"]
            = (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process0) * 1e6 / frames;
        state.counters["cpu_us_per_frame_owner"]
            = (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - owner0) * 1e6 / frames;
    }
    state.counters["decode_failures"] = double(owner.failed);
    owner.client = nullptr;
    CNetThread::EndThread(thread, 5000);
    PumpWaitingMessages();
}
BENCHMARK(BM_PlintoLiveFrames)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The floor: copying the bytes one frame moves (the message as received and
// the decoded picture) with memcpy.
void BM_PlintoMemcpyFloor(benchmark::State& state)
{
    std::vector<uint8_t> body = sim::CameraFrameBody(kNtsc, 0, 1);
    std::vector<uint8_t> from(body.size() + 8 + size_t(kWidth) * 3 * size_t(kHeight), 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(from.size()));
}
BENCHMARK(BM_PlintoMemcpyFloor)->Unit(benchmark::kMicrosecond);

void BM_PlintoDecodeOnly(benchmark::State& state)
{
    std::vector<uint8_t> payload
        = frame601::EncodeSmallest(sim::CameraPattern(kNtsc, 1), frame601::Flags(2, false));
    Picture picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(picture.Decode(payload.data(), DWORD(payload.size())));
}
BENCHMARK(BM_PlintoDecodeOnly)->Unit(benchmark::kMicrosecond);

// What the simulated camera spends per frame (pattern and encoding).
void BM_PlintoSimulatorFrame(benchmark::State& state)
{
    uint32_t number = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::CameraFrameBody(kNtsc, 0, number++));
}
BENCHMARK(BM_PlintoSimulatorFrame)->Unit(benchmark::kMicrosecond);

} // namespace
