#include "link/SystemBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

void CheckLog(const CFG_STREAM_LIST& log)
{
    // The unused slot is not kept.
    ASSERT_EQ(log.count, 2u);
    ASSERT_NE(log.entries, nullptr);
    EXPECT_EQ(log.entries[0].id, 1796716800u);
    EXPECT_EQ(log.entries[0].f, 0x30000u);
    EXPECT_EQ(log.entries[1].id, 1796717100u);
    EXPECT_EQ(log.entries[1].f, 0x31000u);
}

const BlockRow kRows[] = {
    Row("miscellaneous item", GET_MISC_ITEM, CFG_MISC_ITEM_INDEX { 2 }, "02", CFG_MISC_ITEM { 2, 1, 1 },
        "02 00000001 01"),
    Row("miscellaneous item set", SET_MISC_ITEM, CFG_MISC_ITEM { 1, 1, 0 }, "01 00000001 00", {}, nullptr),
    ListRow("system log", GET_SYSTEM_LOG, {}, nullptr,
        "00000003 6b17b900 00000000 00000001 00030000 ffffffff 00*12 6b17ba2c 00000000 00000001 00031000",
        CheckLog),
};

INSTANTIATE_TEST_SUITE_P(System, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
