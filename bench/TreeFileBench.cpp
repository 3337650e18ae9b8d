// Save and load of tree files of 1,000, 10,000 and 50,000 devices, flat and
// in folders, each against its floor: a plain write (atomic, as the tree's)
// or a plain read into a new buffer of a file of the same size. Floor and
// tree operation take turns in every iteration, after one untimed round of
// both, so that the page cache and the heap are as warm for one as for the
// other; "ratio" is the tree's time over the floor's, "cpu_ratio" the same
// in CPU time of the thread, which a busy machine does not inflate.
#include "TreeBenchData.h"
#include "TreeBenchRegister.h"

#include "devtree/TreeFile.h"
#include "platform/base/FileIo.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <vector>

namespace
{

using namespace bench_tree;
using Clock = std::chrono::steady_clock;

template <class Floor, class Body>
void AgainstFloor(benchmark::State& state, size_t bytes, Floor floor, Body body)
{
    floor();
    body();
    double floorSeconds = 0, spent = 0, floorCpu = 0, cpu = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double at = ThreadCpuSeconds();
        floor();
        floorSeconds += Seconds(start);
        floorCpu += ThreadCpuSeconds() - at;
        start = Clock::now();
        at = ThreadCpuSeconds();
        body();
        const double seconds = Seconds(start);
        cpu += ThreadCpuSeconds() - at;
        spent += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["ratio"] = spent / floorSeconds;
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
    // Fewer rounds of the larger files, so that each size takes about as long.
    // Freed memory stays with the heap, ready for the next round of floor
    // or tree alike: neither pays for fresh pages the other did not.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    const int rounds[3] = { 200, 30, 6 };
    RegisterSizes("BM_SaveTree", BM_SaveTree, rounds);
    RegisterSizes("BM_LoadTree", BM_LoadTree, rounds);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
