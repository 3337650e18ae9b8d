#include "link/NetworkBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

// clang-format off
const BlockRow kRows[] = {
    Row("network settings", GET_IP_CONFIG, {}, nullptr,
        CFG_IP_CONFIG { 0xC0A80064, 0xFFFFFF00, 0xC0A800FF, 0xC0A80001, { 0x08080808, 0x08080404, 0 }, 600,
            "reg.example.net", "shop", 1 },
        "c0a80064 ffffff00 c0a800ff c0a80001 08080808 08080404 00000000 00000258 'reg.example.net' 00*49"
        " 'shop' 00*12 01"),
    Row("network ports", GET_NETWORK_PORTS, {}, nullptr, CFG_NETWORK_PORTS { 8000, 8100, 8200 },
        "00001f40 00001fa4 00002008"),
    Row("server ports", GET_SERVER_PORTS, {}, nullptr, CFG_PORT_PAIR { 8105, 8001 }, "00001fa9 00001f41"),
    Row("server ports set", SET_SERVER_PORTS, CFG_PORT_PAIR { 554, 80 }, "0000022a 00000050", {}, nullptr),
    Row("additional port", GET_ALT_PORT, {}, nullptr, CFG_PORT_PAIR { 1, 9000 }, "00000001 00002328"),
    Row("additional port set", SET_ALT_PORT, CFG_PORT_PAIR { 0, 8200 }, "00000000 00002008", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Network, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
