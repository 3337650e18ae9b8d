// Group 0x08: the disk of a camera, and group 0x01's disk partitions and
// sizes of a recorder. A format takes its time and empties the disk.
#include "sim/CommandGroup.h"

#include <chrono>
#include <thread>

namespace sim
{

namespace
{

constexpr uint16_t kHddInfo = 0x0801, kFormat = 0x0803, kRecorderSize = 0x010C;
constexpr uint16_t kInternalError = 0xF30C;

struct Disk {
    uint32_t totalKb;
    uint32_t freeKb;
};

// The disk each family reports in kilobytes; a recorder reports its
// recording disk in megabytes as well.
Disk DiskOf(uint32_t family)
{
    switch (family) {
    case 0:
        return { 78125000, 51562500 }; // 80 GB, a third used
    case 1:
        return { 244140625, 244140625 }; // 250 GB, empty
    case 2:
        return { 156250000, 15625000 }; // 160 GB, nearly full
    default:
        return { 488281250, 312500000 }; // 500 GB
    }
}
constexpr uint32_t kRecorderDiskMb = 1907729; // 2 TB, mostly recorded
constexpr uint32_t kRecorderFreeMb = 612354;

void Seed(StoreState& state)
{
    const Disk disk = DiskOf(state.profile.family);
    // On, a disk fitted, old recordings deleted after 2000 (the page's
    // choice of days), total and free kilobytes.
    state.Value(kHddInfo) = Body().U8(1).U8(0).U8(0).U8(0).U32(2000).U32(disk.totalKb).U32(disk.freeKb).bytes;
    // Both partitions on, a weekly backup reminder on Fridays at 18:30 (the
    // hour goes first on the wire).
    state.Value(0x010A) = Body().U16(0x8000 | 0x4000 | 0x0200).U8(4).U8(18).U8(30).bytes;
    state.Value(kRecorderSize) = Body().U8(1).U32(kRecorderDiskMb).U32(kRecorderFreeMb).bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes&, SimReply* reply)
{
    if (command != kFormat)
        return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(state.profile.formatMs));
    if (state.profile.formatFails) {
        reply->status = kInternalError;
        return true;
    }
    // An empty disk: all is free but the 1 % the device keeps for itself.
    Bytes& info = state.Value(kHddInfo);
    if (info.size() >= 16) {
        WireReader in(info.data() + 8, 4);
        const uint32_t total = in.U32();
        uint32_t at = 12;
        NetPutU32(info.data(), &at, total - total / 100);
    }
    return true;
}

} // namespace

const CommandGroup kDiskCommands = { Seed, Answer };

} // namespace sim
