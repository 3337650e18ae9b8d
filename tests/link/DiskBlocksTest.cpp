#include "link/DiskBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

const BlockRow kRows[] = {
    Row("disk information", GET_HDD_INFO, {}, nullptr, CFG_HDD_INFO { 1, 2000, 488281250, 1000 },
        "00000001 000007d0 1d1a94a2 000003e8"),
    Row("disk switch", SET_HDD_CONFIG, CFG_HDD_CONFIG { 0x01000000, 5000 }, "01000000 00001388", CFG_NONE {},
        nullptr),
    Row("disk format", FORMAT_HDD, CFG_NONE {}, nullptr, CFG_NONE {}, nullptr),
    // The hour travels before the minute.
    Row("recorder partitions", GET_DISK_PARTITIONS, {}, nullptr, CFG_DISK_PARTITIONS { 0xC200, 4, 30, 18 },
        "c200 04 12 1e"),
    Row("recorder partitions set", SET_DISK_PARTITIONS, CFG_DISK_PARTITIONS { 0x8300, 27, 5, 23 },
        "8300 1b 17 05", CFG_NONE {}, nullptr),
    Row("recorder disk size", GET_DISK_SIZE, {}, nullptr, CFG_DISK_SIZE { 1, 1907729, 612354 },
        "01 001d1c11 00095802"),
    Row("block playback", GET_BLOCK_PLAYBACK, {}, nullptr, CFG_BLOCK_PLAYBACK { 11 }, "0b"),
    Row("block playback set", SET_BLOCK_PLAYBACK, CFG_BLOCK_PLAYBACK { 3 }, "03", CFG_NONE {}, nullptr),
    Row("disk manager", GET_DISK_MANAGER, {}, nullptr, CFG_DISK_MANAGER { 1, 18 }, "01 12"),
    Row("disk manager set", SET_DISK_MANAGER, CFG_DISK_MANAGER { 0, 3 }, "00 03", CFG_NONE {}, nullptr),
};

INSTANTIATE_TEST_SUITE_P(Disk, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
