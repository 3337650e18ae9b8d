#include "link/CameraBlocks.h"
#include "tests/link/BlockRoundTrip.h"

#include <cstring>

namespace blocks
{
namespace
{

CFG_CHANNEL_CONFIG Channels()
{
    CFG_CHANNEL_CONFIG channels {};
    channels.entries[0] = { 0x80, 1, 0x0203, 0x04050607, 8, 9, 0x0A0B };
    channels.entries[1].byFlags = 0x90;
    channels.byPtzModels = 2;
    std::strcpy(channels.szPtzModel[0], "Pelco-D");
    std::strcpy(channels.szPtzModel[1], "Pelco-P");
    return channels;
}

// clang-format off
const BlockRow kRows[] = {
    Row("channel settings", GET_CHANNEL_CONFIG, {}, nullptr, Channels(),
        "80 01 0203 04050607 08 09 0a0b 90 00*11 00*36 02 'Pelco-D' 00*25 'Pelco-P' 00*25"),
    Row("camera counts", GET_CAMERA_COUNTS, {}, nullptr, CFG_CAMERA_COUNTS { 8, 6, 1 }, "080601"),
    Row("analogue camera", GET_CAMERA, CFG_CAMERA_INDEX { 3 }, "03",
        CFG_CAMERA { 0x8000, "Gate", 9, 10, 11, { 1, 2 }, 3, 0x0405 }, "8000 'Gate' 00*28 090a0b 0102 03 0405"),
    Row("network camera", GET_NET_CAMERA, CFG_CAMERA_INDEX { 1 }, "01",
        CFG_NET_CAMERA { 0x8000, 0x0102, "Lobby", "admin", "secret", { 1, 2, 3, 4, 5 }, "rtsp://10.0.0.9/live",
            554, 80, 7 },
        "8000 0102 'Lobby' 00*27 'admin' 00*27 'secret' 00*26 0102030405 'rtsp://10.0.0.9/live' 00*108"
        " 022a 0050 07", 22),
    Row("analogue camera set", SET_CAMERA,
        CFG_CAMERA_SET { 3, { 0x0A81, "Gate", 9, 10, 11, { 1, 2 }, 2, 0x0201 } },
        "03 0a81 'Gate' 00*28 090a0b 0102 02 0201", {}, nullptr),
    Row("network camera set", SET_NET_CAMERA,
        CFG_NET_CAMERA_SET { 1, { 0x0080, 0x00FE, "Lobby", "admin", "pw", { 0 }, "10.0.0.9", 2, 8080, 3 } },
        "01 0080 00fe 'Lobby' 00*27 'admin' 00*27 'pw' 00*30 00*5 '10.0.0.9' 00*120 0002 1f90", {}, nullptr),
    Row("channel settings set", SET_CHANNEL_CONFIG,
        CFG_CHANNEL_ENTRIES { { { 0x80, 1, 0x0203, 0x04050607, 8, 9, 0x0A0B }, { 0x90, 0, 0, 0, 0, 0, 0 } } },
        "80 01 0203 04050607 08 09 0a0b 90 00*11 00*36", {}, nullptr),
    Row("external devices", GET_EXT_DEVICE, {}, nullptr, CFG_EXT_DEVICE { { 1, 2, 3, 4 }, 0 }, "01020304"),
    Row("external devices set", SET_EXT_DEVICE, CFG_EXT_DEVICE { { 0x0F, 0x03, 0, 0 }, 0x11223344 }, "0f030000",
        {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Camera, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
