// Save and load of a tree of 10,000 devices, beside a plain write and read
// of a file of the same size: the floor that the tree file is measured
// against. Each tree benchmark reports its time as a ratio to its floor.
// The plain read reads into a new buffer each time, as a load does.
#include "devtree/TreeFile.h"
#include "platform/base/FileIo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace
{

constexpr int DEVICES = 10000;

struct Folder {
    std::string dir, path, plain;
    Folder()
    {
        char pattern[] = "/tmp/bench-tree-XXXXXX";
        dir = mkdtemp(pattern);
        path = dir + "/qarn.info";
        plain = dir + "/plain.bin";
    }
    ~Folder() { std::filesystem::remove_all(dir); }
};

Folder& Files()
{
    static Folder folder;
    return folder;
}

// 100 folders of 100 devices, each with a saved login and filled tables.
void FillLists(CTreeFileLists& lists)
{
    uint32_t id = 0;
    for (int f = 0; f < DEVICES / 100; ++f) {
        FILE_NODE folder {};
        folder.dwId = ++id;
        folder.bFolder = 1;
        std::snprintf(folder.szName, sizeof folder.szName, "Site %d", f);
        lists.AllocLlist(folder);
        uint32_t parent = folder.dwId;
        for (int d = 0; d < 100; ++d) {
            FILE_NODE node {};
            node.dwId = ++id;
            node.dwParentId = parent;
            uint32_t n = static_cast<uint32_t>(f * 100 + d);
            std::snprintf(node.szName, sizeof node.szName, "DVR %u", n);
            std::snprintf(node.item.szSerial, sizeof node.item.szSerial, "SN%08u", n);
            node.item.dwIpAddress = 0x0A000000 | n;
            const uint8_t mac[6] = { 0x00, 0x1a, 0x2b, static_cast<uint8_t>(n >> 16),
                static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n) };
            std::memcpy(node.item.byMac, mac, 6);
            std::snprintf(node.szAddress, sizeof node.szAddress, "10.0.%u.%u", (n >> 8) & 255, n & 255);
            std::memcpy(node.login.byUser, "admin", 5);
            std::memcpy(node.login.byPassword, "password", 8);
            for (int i = 0; i < 10; ++i) {
                std::snprintf(reinterpret_cast<char*>(node.tableA[i].byUser), 16, "user%d", i);
                std::memcpy(node.tableA[i].byPassword, "0123456789abcdef", 16);
            }
            node.dwHttpPort = 8001;
            node.dwStreamPort = 8105;
            node.dwConfigPort = 8405;
            std::strcpy(node.szModel, "DVR-16");
            std::strcpy(node.szVersion, "2.3.1");
            lists.AllocLlist(node);
        }
    }
}

size_t SavedSize()
{
    return TREE_FILE_HEADER_SIZE + static_cast<size_t>(DEVICES + DEVICES / 100) * FILE_NODE_SIZE;
}

// Seconds per plain write (atomic, as the tree's) or read of a file of the
// tree's size.
double FloorSeconds(bool write)
{
    std::vector<uint8_t> bytes(SavedSize(), 0x5a);
    WriteFileAtomic(Files().plain, bytes.data(), bytes.size());
    constexpr int reps = 10;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < reps; ++i) {
        if (write) {
            WriteFileAtomic(Files().plain, bytes.data(), bytes.size());
        } else {
            std::vector<uint8_t> read;
            read.reserve(bytes.size() + 1);
            ReadWholeFile(Files().plain, read);
            benchmark::DoNotOptimize(read.data());
        }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / reps;
}

template <class Body> void RunAgainstFloor(benchmark::State& state, bool write, Body body)
{
    double floor = FloorSeconds(write);
    double spent = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        body();
        spent += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["ratio"] = spent / static_cast<double>(state.iterations()) / floor;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SavedSize()));
}

void BM_PlainWrite(benchmark::State& state)
{
    std::vector<uint8_t> bytes(SavedSize(), 0x5a);
    for (auto _ : state)
        WriteFileAtomic(Files().plain, bytes.data(), bytes.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SavedSize()));
}

void BM_PlainRead(benchmark::State& state)
{
    std::vector<uint8_t> bytes(SavedSize(), 0x5a);
    WriteFileAtomic(Files().plain, bytes.data(), bytes.size());
    for (auto _ : state) {
        std::vector<uint8_t> read;
        read.reserve(bytes.size() + 1);
        ReadWholeFile(Files().plain, read);
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SavedSize()));
}

void BM_SaveTree(benchmark::State& state)
{
    CTreeFileLists lists;
    FillLists(lists);
    ResetFileIfNoFileIs(Files().path);
    RunAgainstFloor(state, true, [&] {
        if (!ReadLlistAndUpdateFile(Files().path, lists, true))
            state.SkipWithError("save failed");
    });
}

void BM_LoadTree(benchmark::State& state)
{
    {
        CTreeFileLists lists;
        FillLists(lists);
        ResetFileIfNoFileIs(Files().path);
        ReadLlistAndUpdateFile(Files().path, lists, true);
    }
    RunAgainstFloor(state, false, [&] {
        CTreeFileLists lists;
        if (ReadTreeFileAndConsistLlist(Files().path, lists) != TreeLoadResult::Loaded)
            state.SkipWithError("load failed");
    });
}

} // namespace

BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTree)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
