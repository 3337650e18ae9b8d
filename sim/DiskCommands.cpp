// Group 0x08: the disk of a camera, and group 0x01's disk partitions and
// sizes of a recorder.
#include "sim/CommandGroup.h"

namespace
{

constexpr uint32_t kCameraDiskKb = 488281250; // 500 GB
constexpr uint32_t kCameraFreeKb = 312500000;
constexpr uint32_t kRecorderDiskMb = 1907729; // 2 TB
constexpr uint32_t kRecorderFreeMb = 612354;

} // namespace

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    // On, a disk fitted, old recordings deleted after 2000 (the page's
    // choice of days), total and free kilobytes.
    state.Value(0x0801)
        = Body().U8(1).U8(0).U8(0).U8(0).U32(2000).U32(kCameraDiskKb).U32(kCameraFreeKb).bytes;
    // Both partitions on, a weekly backup reminder on Fridays at 18:30 (the
    // hour goes first on the wire).
    state.Value(0x010A) = Body().U16(0x8000 | 0x4000 | 0x0200).U8(4).U8(18).U8(30).bytes;
    state.Value(0x010C) = Body().U8(1).U32(kRecorderDiskMb).U32(kRecorderFreeMb).bytes;
}

} // namespace

const CommandGroup kDiskCommands = { Seed, nullptr };

} // namespace sim
