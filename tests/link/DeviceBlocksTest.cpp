#include "link/DeviceBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

// clang-format off
const BlockRow kRows[] = {
    Row("device information", GET_DEVICE_INFO, {}, nullptr,
        CFG_DEVICE_INFO { .dwDeviceTime = 0x6A5E1234, .szModel = "PT-D16", .szVersion1 = "HW 2.1",
            .szVersion2 = "1.4.2", .szSerial = "DVR16E0500102", .dwIpAddress = 0x7F000002,
            .byMac = { 0x00, 0x1B, 0x9E, 0x10, 0x04, 0x21 }, .byReserved = {}, .szTitle = "Shop", .wRevision = 22 },
        "6a5e1234 'PT-D16' 00*10 'HW 2.1' 00*26 '1.4.2' 00*27 'DVR16E0500102' 00*11 7f000002 001b9e100421 0000"
        " 'Shop' 00*28 0016"),
    Row("description", SET_DESCRIPTION, CFG_DESCRIPTION { "Back door" }, "'Back door' 00*23", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Device, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
