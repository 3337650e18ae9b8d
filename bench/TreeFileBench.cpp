// Save and load of tree files of 1,000, 10,000 and 50,000 devices, flat and
// in folders, each against its floor: a plain write (atomic, as the tree's)
// or a plain read into a new buffer of a file of the same size. Floor and
// tree operation take turns in every iteration, after one untimed round of
// both, so that the page cache and the heap are as warm for one as for the
// other. "ratio" is the tree's median time over the floor's median
// ("floor_ms"): on a shared machine a round that loses the processor
// stretches a sum but not a median. "sum_ratio" is the same of the summed
// times, "cpu_ratio" of the summed CPU times of the thread.
#include "TreeBenchData.h"
#include "TreeBenchRegister.h"

#include "devtree/TreeFile.h"
#include "platform/base/FileIo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>
#include <numeric>
#include <vector>

namespace
{

using namespace bench_tree;
using Clock = std::chrono::steady_clock;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n == 0 ? 0 : n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

template <class Floor, class Body>
void AgainstFloor(benchmark::State& state, size_t bytes, Floor floor, Body body)
{
    floor();
    body();
    std::vector<double> floors, bodies;
    floors.reserve(size_t(state.max_iterations));
    bodies.reserve(size_t(state.max_iterations));
    double floorCpu = 0, cpu = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double at = ThreadCpuSeconds();
        floor();
        floors.push_back(Seconds(start));
        floorCpu += ThreadCpuSeconds() - at;
        start = Clock::now();
        at = ThreadCpuSeconds();
        body();
        const double seconds = Seconds(start);
        cpu += ThreadCpuSeconds() - at;
        bodies.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    const double floorMedian = Median(floors);
    state.counters["floor_ms"] = floorMedian * 1e3;
    state.counters["ratio"] = Median(bodies) / floorMedian;
    state.counters["sum_ratio"] = std::accumulate(bodies.begin(), bodies.end(), 0.0)
        / std::accumulate(floors.begin(), floors.end(), 0.0);
    state.counters["cpu_ratio"] = cpu / floorCpu;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_SaveTree(benchmark::State& state)
{
    const int devices = int(state.range(0));
    const bool folders = state.range(1) != 0;
    TempFolder files;
    const std::string path = files.File("qarn.info"), plain = files.File("plain.bin");
    CTreeFileLists lists;
    FillLists(lists, devices, folders);
    ResetFileIfNoFileIs(path);
    const std::vector<uint8_t> bytes(SavedSize(devices, folders), 0x5a);
    AgainstFloor(
        state, bytes.size(), [&] { WriteFileAtomic(plain, bytes.data(), bytes.size()); },
        [&] {
            if (!ReadLlistAndUpdateFile(path, lists, true))
                state.SkipWithError("save failed");
        });
}

void BM_LoadTree(benchmark::State& state)
{
    const int devices = int(state.range(0));
    const bool folders = state.range(1) != 0;
    TempFolder files;
    const std::string path = files.File("qarn.info"), plain = files.File("plain.bin");
    {
        CTreeFileLists lists;
        FillLists(lists, devices, folders);
        ResetFileIfNoFileIs(path);
        ReadLlistAndUpdateFile(path, lists, true);
    }
    const size_t size = SavedSize(devices, folders);
    const std::vector<uint8_t> same(size, 0x5a);
    WriteFileAtomic(plain, same.data(), same.size());
    AgainstFloor(
        state, size,
        [&] {
            std::vector<uint8_t> read;
            ReadWholeFile(plain, read);
            benchmark::DoNotOptimize(read.data());
        },
        [&] {
            CTreeFileLists lists;
            if (ReadTreeFileAndConsistLlist(path, lists) != TreeLoadResult::Loaded)
                state.SkipWithError("load failed");
        });
}

} // namespace

int main(int argc, char** argv)
{
    // Fewer rounds of the larger files, so that each size takes about as long
    // (a fraction of a second), and enough of them for a steady median.
    // Freed memory stays with the heap, ready for the next round of floor
    // or tree alike: neither pays for fresh pages the other did not.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    const int saveRounds[3] = { 200, 30, 6 }, loadRounds[3] = { 1000, 150, 30 };
    RegisterSizes("BM_SaveTree", BM_SaveTree, saveRounds);
    RegisterSizes("BM_LoadTree", BM_LoadTree, loadRounds);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
