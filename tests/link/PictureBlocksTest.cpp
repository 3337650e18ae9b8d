#include "link/PictureBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

// clang-format off
const BlockRow kRows[] = {
    Row("screen adjustment", GET_SCREEN_ADJUST, CFG_SCREEN_SOURCE { 2 }, "02",
        CFG_SCREEN_ADJUST { 2, { 0x08, 0xfc, 0, 0x0c, 0x80, 0, 0x60 } }, "02 08fc000c800060"),
    Row("screen adjustment trial", SET_SCREEN_ADJUST, CFG_SCREEN_ADJUST { 0x83, { 0x7f, 1, 2, 3, 4, 0, 0xff } },
        "83 7f0102030400ff", {}, nullptr),
    Row("audio gain", GET_AUDIO_GAIN, CFG_AUDIO_GAIN { 1, { 0, 0, 0 } }, "01000000",
        CFG_AUDIO_GAIN { 0xf6, { 0, 0, 0 } }, "f6000000"),
    Row("audio gain set", SET_AUDIO_GAIN, CFG_AUDIO_GAIN { 12, { 0, 0, 0 } }, "0c000000", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Picture, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
