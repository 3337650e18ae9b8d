// The device tree at 1,000, 10,000 and 50,000 devices, flat and in folders,
// as a window on the offscreen platform:
// - start-up to first paint (tree file to painted rows) against a Qt tree
//   window that reads the same file and shows the same rows;
// - collapse and expand, and sort, against the same in a Qt tree widget;
// - one discovery cycle with 500 known and 500 new devices answering
//   (UI-thread time per cycle; "writes" counts tree-file rewrites).
// Floor and tree take turns in every iteration after an untimed round of
// both; "ratio" is the tree's time over the floor's, "cpu_ratio" the same in
// CPU time of the thread, which a busy machine does not inflate.
#include "TreeBenchData.h"
#include "TreeBenchRegister.h"

#include "devtree/MySuperGrid.h"
#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "platform/base/FileIo.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "tests/devtree/TreeWindow.h"
#include "tests/pages/SetupTestResources.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

namespace
{

using namespace bench_tree;
using Clock = std::chrono::steady_clock;
using Item = CSuperGridCtrl::CTreeItem;

constexpr int WIDTH = 240, HEIGHT = 600;

// The frame both trees live in, and the tree file of the benchmark.
struct Scene {
    TempFolder folder;
    CWnd frame;
    QWidget qtFrame;
    int devices;
    bool folders;

    Scene(int n, bool inFolders)
        : devices(n)
        , folders(inFolders)
    {
        CreateTreeFrame(frame, "TreeBenchFrame", WIDTH, HEIGHT);
        qtFrame.resize(WIDTH, HEIGHT);
        qtFrame.show();
        CTreeFileLists lists;
        FillLists(lists, devices, folders);
        const std::string path = TreeFilePath(folder.dir, TREE_FAMILY_DVR);
        ResetFileIfNoFileIs(path);
        ReadLlistAndUpdateFile(path, lists, true);
    }
    ~Scene() { frame.DestroyWindow(); }

    // The device tree as Setup starts it, painted once.
    std::unique_ptr<CMySuperGrid> StartTree()
    {
        auto grid = std::make_unique<CMySuperGrid>();
        CreateTreeWindow(*grid, frame, folder.dir);
        grid->ReadTreeFileAndConsistLlist();
        grid->OpenLastCam(0);
        benchmark::DoNotOptimize(grid->GetWidget()->grab());
        return grid;
    }

    // A Qt tree window with the same rows, read from the same file.
    std::unique_ptr<QTreeWidget> StartQtTree()
    {
        auto tree = std::make_unique<QTreeWidget>(&qtFrame);
        tree->setHeaderHidden(true);
        tree->resize(WIDTH, HEIGHT);
        std::vector<uint8_t> bytes;
        ReadWholeFile(TreeFilePath(folder.dir, TREE_FAMILY_DVR), bytes);
        auto* my = new QTreeWidgetItem(tree.get(), QStringList(QStringLiteral("My DVR")));
        new QTreeWidgetItem(tree.get(), QStringList(QStringLiteral("Local Area DVR")));
        new QTreeWidgetItem(tree.get(), QStringList(QStringLiteral("ZPT")));
        std::unordered_map<uint32_t, QTreeWidgetItem*> byId;
        for (size_t at = TREE_FILE_HEADER_SIZE; at + FILE_NODE_SIZE <= bytes.size(); at += FILE_NODE_SIZE) {
            uint32_t id, parent;
            std::memcpy(&id, &bytes[at], 4);
            std::memcpy(&parent, &bytes[at + 4], 4);
            const char* name = reinterpret_cast<const char*>(&bytes[at + 8]);
            auto it = byId.find(parent);
            auto* item = new QTreeWidgetItem(parent && it != byId.end() ? it->second : my,
                QStringList(QString::fromLatin1(name, int(strnlen(name, 48)))));
            byId.emplace(id, item);
        }
        my->setExpanded(true);
        tree->show();
        benchmark::DoNotOptimize(tree->grab());
        return tree;
    }
};

// Runs floor and body by turns; the body's time is the iteration's.
template <class Floor, class Body> void AgainstFloor(benchmark::State& state, Floor floor, Body body)
{
    floor();
    body();
    double floorSeconds = 0, spent = 0, floorCpu = 0, cpu = 0;
    for (auto _ : state) {
        double at = ThreadCpuSeconds();
        floorSeconds += floor();
        floorCpu += ThreadCpuSeconds() - at;
        at = ThreadCpuSeconds();
        const double seconds = body();
        cpu += ThreadCpuSeconds() - at;
        spent += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ms"] = floorSeconds / double(state.iterations()) * 1e3;
    state.counters["ratio"] = spent / floorSeconds;
    state.counters["cpu_ratio"] = cpu / floorCpu;
}

void BM_StartupToFirstPaint(benchmark::State& state)
{
    Scene scene(int(state.range(0)), state.range(1) != 0);
    AgainstFloor(
        state,
        [&] {
            const auto start = Clock::now();
            auto tree = scene.StartQtTree();
            const double seconds = Seconds(start);
            tree.reset();
            return seconds;
        },
        [&] {
            const auto start = Clock::now();
            auto grid = scene.StartTree();
            const double seconds = Seconds(start);
            grid->DestroyWindow();
            grid.reset();
            return seconds;
        });
}

// Collapse "My DVR" and open it again; in folders, every folder is opened
// first, so that the collapse takes every level with it.
void BM_CollapseExpand(benchmark::State& state)
{
    Scene scene(int(state.range(0)), state.range(1) != 0);
    auto grid = scene.StartTree();
    auto tree = scene.StartQtTree();
    Item* my = grid->m_pMyRoot;
    QTreeWidgetItem* qtMy = tree->topLevelItem(0);
    AgainstFloor(
        state,
        [&] {
            const auto start = Clock::now();
            if (scene.folders)
                for (int i = 0; i < qtMy->childCount(); ++i)
                    qtMy->child(i)->setExpanded(true);
            qtMy->setExpanded(false);
            if (scene.folders)
                for (int i = 0; i < qtMy->childCount(); ++i)
                    qtMy->child(i)->setExpanded(false);
            qtMy->setExpanded(true);
            benchmark::DoNotOptimize(tree->grab());
            return Seconds(start);
        },
        [&] {
            const auto start = Clock::now();
            if (scene.folders)
                for (Item* folder : my->m_listChild)
                    grid->ExpandNode(folder, grid->RowOfNode(folder));
            grid->CollapseNode(my);
            grid->ExpandNode(my, grid->RowOfNode(my));
            benchmark::DoNotOptimize(grid->GetWidget()->grab());
            return Seconds(start);
        });
    grid->DestroyWindow();
}

// Sort everything; "My DVR" is opened again as the Qt tree keeps it.
void BM_SortAll(benchmark::State& state)
{
    Scene scene(int(state.range(0)), state.range(1) != 0);
    auto grid = scene.StartTree();
    auto tree = scene.StartQtTree();
    AgainstFloor(
        state,
        [&] {
            const auto start = Clock::now();
            tree->sortItems(0, Qt::AscendingOrder);
            benchmark::DoNotOptimize(tree->grab());
            return Seconds(start);
        },
        [&] {
            const auto start = Clock::now();
            grid->SortAll(TRUE);
            grid->ExpandNode(grid->m_pMyRoot, grid->RowOfNode(grid->m_pMyRoot));
            benchmark::DoNotOptimize(grid->GetWidget()->grab());
            return Seconds(start);
        });
    grid->DestroyWindow();
}

// One cycle as the device-selection view runs it: online flags cleared,
// 500 devices of the tree and 500 unknown ones answer, the cycle ends (the
// last cycle's new devices leave "Local Area DVR"), the rows are repainted.
// With range(2) the known devices report a new model each cycle, so that
// every cycle has saved devices to write.
void BM_DiscoveryCycle(benchmark::State& state)
{
    Scene scene(int(state.range(0)), state.range(1) != 0);
    const bool changing = state.range(2) != 0;
    auto grid = scene.StartTree();
    const std::string path = grid->TreeFilePath();
    constexpr int KNOWN = 500, NEW = 500;
    const int step = std::max(1, scene.devices / KNOWN);
    uint32_t cycle = 0;
    int writes = 0;
    double spent = 0, cpu = 0;
    auto runCycle = [&] {
        const auto before = std::filesystem::last_write_time(path);
        const char* model = changing && cycle % 2 ? "DVR-16B" : "DVR-16";
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuSeconds();
        grid->ClearOnlineFlags();
        for (int i = 0; i < KNOWN; ++i) {
            const RES_DISCOVER_OVEL known = KnownReply(uint32_t(i * step), model);
            grid->ResDiscoverProc(&known);
            const RES_DISCOVER_OVEL found = NewReply(cycle * NEW + uint32_t(i));
            grid->ResDiscoverProc(&found);
        }
        grid->EndDiscoveryCycle();
        grid->SetRedraw(TRUE);
        benchmark::DoNotOptimize(grid->GetWidget()->grab());
        const double seconds = Seconds(start);
        cpu += ThreadCpuSeconds() - cpuStart;
        // The posted save of the burst finds nothing left to write.
        QCoreApplication::processEvents();
        writes += std::filesystem::last_write_time(path) != before;
        ++cycle;
        return seconds;
    };
    runCycle();
    writes = 0;
    cpu = 0;
    for (auto _ : state) {
        const double seconds = runCycle();
        spent += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["cycle_ms"] = spent / double(state.iterations()) * 1e3;
    state.counters["ui_cpu_ms"] = cpu / double(state.iterations()) * 1e3;
    state.counters["writes/cycle"] = double(writes) / double(state.iterations());
    grid->DestroyWindow();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseSetupResources();
    const int starts[3] = { 10, 5, 3 }, operations[3] = { 100, 50, 15 }, cycles[3] = { 10, 10, 10 };
    RegisterSizes("BM_StartupToFirstPaint", BM_StartupToFirstPaint, starts);
    RegisterSizes("BM_CollapseExpand", BM_CollapseExpand, operations);
    RegisterSizes("BM_SortAll", BM_SortAll, operations);
    RegisterSizes("BM_DiscoveryCycle", BM_DiscoveryCycle, cycles, "changed", { 0, 1 });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
