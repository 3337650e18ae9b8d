// Save and load of tree files of 1,000, 10,000 and 50,000 devices, flat and
// in folders, each against its floor (FloorCompare.h): a plain write (atomic,
// as the tree's) or a plain read into a new buffer of a file of the same
// size.
#include "FloorCompare.h"
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
