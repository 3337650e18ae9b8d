#include "link/DiskBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

const BlockRow kRows[] = {
    Row("disk information", GET_HDD_INFO, {}, nullptr, CFG_HDD_INFO { 1, 2000, 488281250, 1000 },
        "00000001 000007d0 1d1a94a2 000003e8"),
};

INSTANTIATE_TEST_SUITE_P(Disk, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
