#include "link/ParameterBlocks.h"
#include "tests/link/BlockRoundTrip.h"

#include <cstring>

namespace blocks
{
namespace
{

const uint8_t kPort[] = { 1 };

void CheckSettings(const CFG_PARAM_REPLY& reply)
{
    const uint8_t settings[] = { 0x00, 0x00, 0x25, 0x80, 8, 0, 1 };
    ASSERT_EQ(reply.size, sizeof settings);
    ASSERT_NE(reply.data, nullptr);
    EXPECT_EQ(std::memcmp(reply.data, settings, sizeof settings), 0);
}

const BlockRow kRows[] = {
    // The length follows the data: 38 and one byte.
    ListRow("serial port settings", PARAMETER_REQUEST, CFG_PARAM_REQUEST { 3, 5, 1, kPort },
        "0003 0005 0001 01", "0007 00002580 08 00 01", CheckSettings),
};

INSTANTIATE_TEST_SUITE_P(Parameter, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
