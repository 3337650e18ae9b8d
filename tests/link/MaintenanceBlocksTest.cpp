#include "link/MaintenanceBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

const BlockRow kRows[] = {
    Row("reboot", REBOOT_DEVICE, {}, nullptr, {}, nullptr),
    Row("flash reset", RESET_FLASH, {}, nullptr, {}, nullptr),
};

INSTANTIATE_TEST_SUITE_P(Maintenance, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
