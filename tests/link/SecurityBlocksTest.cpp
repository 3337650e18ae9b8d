#include "link/SecurityBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

CFG_SECURITY Filter()
{
    CFG_SECURITY security { 0, "key-2026", 0x80, {} };
    security.ranges[0] = { 1, 0xC0A80001, 0xC0A800FE };
    security.ranges[9] = { 1, 0x0A000001, 0x0A0000FF };
    return security;
}

const BlockRow kRows[] = {
    // The flags follow the 36 leading bytes.
    Row("address filter", GET_SECURITY, {}, nullptr, Filter(),
        "00000000 'key-2026' 00*24 00000080 00000001 c0a80001 c0a800fe 00*96 00000001 0a000001 0a0000ff"),
    Row("address filter set", SET_SECURITY, Filter(),
        "00000000 'key-2026' 00*24 00000080 00000001 c0a80001 c0a800fe 00*96 00000001 0a000001 0a0000ff", {},
        nullptr),
};

INSTANTIATE_TEST_SUITE_P(Security, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
