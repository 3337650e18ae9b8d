// Plinto loads into one program beside Ferrock and the program's own
// codecs: each library's CPTZCtrl is its own class, and their statically
// linked helpers (byte order, digests) do not take each other's place.
#include "stream/ferrock/PTZCtrl.h"
#include "stream/plinto/PTZCtrl.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

TEST(PlintoBeside, BothPtzClientsAndTheProgramsCodecsWork)
{
    plinto::CPTZCtrl camera;
    ferrock::CPTZCtrl recorder;
    EXPECT_NE(nullptr, camera.m_hWnd);

    plinto::req_eptz_act_move_t move {};
    move.wOpcode = plinto::PTZ_MOVE_START;
    move.wSelector = 1;
    move.byValue1 = 100;
    uint8_t bytes[16] = {};
    int length = 0;
    EXPECT_EQ(14, camera.encode_msg(bytes, &length, &move));
    const uint8_t expected[] = { 0xE0, 0x11, 0, 0, 0, 0, 0, 6, 0, 0, 0, 1, 100, 0 };
    EXPECT_EQ(0, std::memcmp(expected, bytes, sizeof expected));

    ferrock::req_eptz_act_move_t dvrMove {};
    dvrMove.wOpcode = 0xE011;
    dvrMove.wSelector = 1;
    dvrMove.byValue1 = 100;
    uint8_t dvrBytes[16] = {};
    EXPECT_EQ(14, recorder.encode_msg(dvrBytes, &length, &dvrMove));
    EXPECT_EQ(0, std::memcmp(expected, dvrBytes, sizeof expected));

    // The program's own byte order and digest beside the libraries' copies.
    InitNetByteOrder();
    uint8_t out[2];
    uint32_t at = 0;
    NetPutU16(out, &at, 0xE011);
    EXPECT_EQ(0xE0, out[0]);
    uint8_t digest[16];
    EXPECT_TRUE(MD4Digest(reinterpret_cast<const uint8_t*>("abc"), 3, digest));
    const uint8_t abc[]
        = { 0xa4, 0x48, 0x01, 0x7a, 0xaf, 0x21, 0xd8, 0x52, 0x5f, 0xc1, 0x0a, 0xe8, 0x7a, 0xa6, 0x72, 0x9d };
    EXPECT_EQ(0, std::memcmp(abc, digest, 16));
}

} // namespace
