// The explorer library's tree file and tree-grid at the size of a large
// site: load and save of a file of 10,000 devices in folders of 100, each
// against a plain read or write of the same bytes (see FloorCompare.h);
// insert and expand of 10,000 to 100,000 rows, whose cost should grow
// linearly (the fitted complexity is printed). Rows come in the order a
// tree file gives them, each parent's children in their sorted order.
#include "FloorCompare.h"
#include "TreeBenchData.h"

#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFile.h"
#include "platform/base/FileIo.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <malloc.h>

namespace
{

using namespace bench_tree;
using namespace morrik;

constexpr int kDevices = 10000;

// Folders of 100 devices, each device with a login and full account lists.
morrik::TreeFileLists Site(int devices)
{
    morrik::TreeFileLists lists;
    uint32_t no = 0, folder = 0;
    for (int i = 0; i < devices; ++i) {
        if (i % DEVICES_PER_FOLDER == 0) {
            morrik::FILE_NODE& f = lists.nodes.emplace_back();
            std::memset(&f, 0, sizeof f);
            f.dwNo = folder = ++no;
            std::snprintf(f.szName, sizeof f.szName, "Site %05d", i / DEVICES_PER_FOLDER);
            f.bFolder = 1;
        }
        morrik::FILE_NODE& d = lists.nodes.emplace_back();
        std::memset(&d, 0, sizeof d);
        d.dwNo = ++no;
        d.dwParentNo = folder;
        std::snprintf(d.szName, sizeof d.szName, "Recorder %06d", i);
        std::snprintf(d.item.szSerial, sizeof d.item.szSerial, "SN%010d", i);
        d.item.dwIp = 0x0A000000u + uint32_t(i);
        for (int b = 0; b < 4; ++b)
            d.item.byMac[2 + b] = uint8_t(i >> (8 * (3 - b)));
        std::snprintf(
            d.szAddress, sizeof d.szAddress, "10.%d.%d.%d", (i >> 16) & 255, (i >> 8) & 255, i & 255);
        std::strcpy(d.login.szUser, "admin");
        std::memcpy(d.login.byPassword, "secret", 6);
        for (int a = 0; a < morrik::ACCOUNT_COUNT; ++a) {
            std::snprintf(d.service1[a].szUser, sizeof d.service1[a].szUser, "view%d", a);
            std::snprintf(d.service2[a].szUser, sizeof d.service2[a].szUser, "play%d", a);
        }
        d.dwConfigPort = 8405;
        d.dwService1Port = 8105;
        d.dwService2Port = 8001;
    }
    return lists;
}

void BM_MorrikSaveTree(benchmark::State& state)
{
    TempFolder files;
    const std::string path = files.File("qarn.info"), plain = files.File("plain.bin");
    const morrik::TreeFileLists lists = Site(kDevices);
    morrik::ResetFileIfNoFileIs(path);
    const std::vector<uint8_t> bytes = BuildTreeFileBytes(morrik::NewTreeFileHeader(), lists, true);
    AgainstFloor(
        state, bytes.size(), [&] { WriteFileAtomic(plain, bytes.data(), bytes.size()); },
        [&] {
            if (!morrik::ReadLlistAndUpdateFile(path, lists, true))
                state.SkipWithError("save failed");
        });
}

void BM_MorrikLoadTree(benchmark::State& state)
{
    TempFolder files;
    const std::string path = files.File("qarn.info"), plain = files.File("plain.bin");
    const std::vector<uint8_t> bytes = BuildTreeFileBytes(morrik::NewTreeFileHeader(), Site(kDevices), true);
    WriteFileAtomic(path, bytes.data(), bytes.size());
    WriteFileAtomic(plain, bytes.data(), bytes.size());
    AgainstFloor(
        state, bytes.size(),
        [&] {
            std::vector<uint8_t> read;
            ReadWholeFile(plain, read);
            benchmark::DoNotOptimize(read.data());
        },
        [&] {
            morrik::TreeFileLists lists;
            if (morrik::ReadTreeFileAndConsistLlist(path, &lists) != TreeFileStatus::Current)
                state.SkipWithError("load failed");
            benchmark::DoNotOptimize(lists.nodes.data());
        });
}

// Rows under "My DVR" in folders of 100, then the whole branch expanded.
void BM_MorrikInsertExpand(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        CSuperGridCtrl grid;
        grid.InsertColumn(0, "", LVCFMT_LEFT, 300);
        auto* root = new CItemInfo;
        root->SetItemText("My DVR");
        root->m_bFolder = true;
        grid.m_pMyRoot = grid.InsertRootItem(root);
        CSuperGridCtrl::CTreeItem* folder = nullptr;
        char name[32];
        for (int i = 0; i < rows; ++i) {
            if (i % DEVICES_PER_FOLDER == 0) {
                auto* info = new CItemInfo;
                std::snprintf(name, sizeof name, "Site %05d", i / DEVICES_PER_FOLDER);
                info->SetItemText(name);
                info->m_bFolder = true;
                folder = grid.InsertItem(grid.m_pMyRoot, info);
            }
            auto* info = new CItemInfo;
            std::snprintf(name, sizeof name, "Recorder %06d", i);
            info->SetItemText(name);
            info->AddSubItemText("SN");
            grid.InsertItem(folder, info);
        }
        grid.ExpandAll(grid.m_pMyRoot);
        if (grid.GetItemCount() != 1 + rows + (rows + DEVICES_PER_FOLDER - 1) / DEVICES_PER_FOLDER)
            state.SkipWithError("rows missing");
    }
    state.SetComplexityN(rows);
}

} // namespace

BENCHMARK(BM_MorrikSaveTree)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MorrikLoadTree)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MorrikInsertExpand)
    ->Arg(10000)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->MinTime(1.0)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Freed memory stays with the heap, ready for the next round of floor
    // or tree alike.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
