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
    Row("network settings set", SET_IP_CONFIG,
        CFG_IP_CONFIG { 0x0A000005, 0xFF000000, 0x0AFFFFFF, 0x0A000001, { 0x08080808, 0, 0 }, 3600, "reg", "g", 7 },
        "0a000005 ff000000 0affffff 0a000001 08080808 00000000 00000000 00000e10 'reg' 00*61 'g' 00*15", {}, nullptr),
    Row("network settings set with the flag byte", SET_IP_CONFIG_EX,
        CFG_IP_CONFIG { 0x0A000005, 0xFF000000, 0x0AFFFFFF, 0x0A000001, { 0, 0, 0 }, 0, "", "", 1 },
        "0a000005 ff000000 0affffff 0a000001 00000000 00000000 00000000 00000000 00*64 00*16 01", {}, nullptr),
    Row("dhcp", GET_DHCP, {}, nullptr, CFG_DHCP { 1 }, "00000001"),
    Row("dhcp set", SET_DHCP, CFG_DHCP { 0 }, "00000000", {}, nullptr),
    Row("xdsl", GET_XDSL_ACCOUNT, {}, nullptr, CFG_XDSL_STATE { 1, "user", "pw", "xDSL not connected." },
        "00000001 'user' 00*124 'pw' 00*126 'xDSL not connected.' 00*109"),
    Row("xdsl set", SET_XDSL_ACCOUNT, CFG_XDSL_ACCOUNT { 1, "u", "p" }, "00000001 'u' 00*127 'p' 00*127", {}, nullptr),
    Row("network ports set", SET_NETWORK_PORTS, CFG_NETWORK_PORTS { 8105, 8001, 7119 },
        "00001fa9 00001f41 00001bcf", {}, nullptr),
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
