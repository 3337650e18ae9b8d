// The trees the device-tree benchmarks work on: N devices directly under
// "My DVR" (flat) or in folders of 100, each device with a saved login and
// filled password tables, as a large site's file holds them.
#pragma once

#include "devtree/TreeFileLists.h"
#include "link/DiscoveryRecord.h"

#include <chrono>
#include <ctime>
#include <string>

namespace bench_tree
{

constexpr int DEVICES_PER_FOLDER = 100;

// The file's records, in save order.
void FillLists(CTreeFileLists& lists, int devices, bool folders);
// Records + header bytes of such a file.
size_t SavedSize(int devices, bool folders);
// A discovery reply of device n of the tree, as it answers when nothing
// changed (`model` other than "DVR-16" changes what the file keeps).
RES_DISCOVER_OVEL KnownReply(uint32_t n, const char* model = "DVR-16");
// A reply of a device that the tree does not hold.
RES_DISCOVER_OVEL NewReply(uint32_t n);

// A temporary folder, removed with the object.
struct TempFolder {
    std::string dir;
    TempFolder();
    ~TempFolder();
    std::string File(const char* name) const { return dir + "/" + name; }
};

// CPU time of the calling thread, user and system: a figure that other
// work on a shared machine does not inflate.
inline double ThreadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace bench_tree
