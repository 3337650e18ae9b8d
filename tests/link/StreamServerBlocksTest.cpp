#include "link/StreamServerBlocks.h"
#include "tests/link/BlockRoundTrip.h"

namespace blocks
{
namespace
{

CFG_STREAM_SERVER Contents()
{
    CFG_STREAM_SERVER server {};
    server.dwCount = 1;
    server.contents[0] = { "live/main", "Main", "MPEG-4", 30, 2000, "G.711", { 720, 480, 64 }, 1, {}, {} };
    server.dwValue = 5;
    server.dwMaxConnections = 10;
    return server;
}

CFG_STREAM_CONTENTS ContentsToWrite()
{
    CFG_STREAM_CONTENTS contents {};
    contents.dwCount = 1;
    contents.contents[0] = Contents().contents[0];
    return contents;
}

const char* ContentsWire()
{
    return "00000001 'live/main' 00*119 'Main' 00*20 'MPEG-4' 00*6 0000001e 000007d0 'G.711' 00*19"
           " 000002d0 000001e0 00000040 00*16 01 000000 00*12";
}

const BlockRow kRows[] = {
    // The two values after the room of ten follow the one content on the wire.
    Row("stream contents", GET_STREAM_SERVER, {}, nullptr, Contents(),
        "00000001 'live/main' 00*119 'Main' 00*20 'MPEG-4' 00*6 0000001e 000007d0 'G.711' 00*19"
        " 000002d0 000001e0 00000040 00*16 01 000000 00*12 00000005 0000000a"),
    Row("content access", GET_CONTENT_ACCESS, {}, nullptr, CFG_CONTENT_ACCESS { 2, { 0x3C, 0x04 } },
        "00000002 0000003c 00000004"),
    // The write carries the count and ten words whatever the count.
    Row("content access set", SET_CONTENT_ACCESS, CFG_CONTENT_ACCESS { 2, { 0x3C, 0x04 } },
        "00000002 0000003c 00000004 00*32", {}, nullptr),
    // Only the counted contents travel.
    Row("stream contents set", SET_STREAM_SERVER, ContentsToWrite(), ContentsWire(), CFG_NONE {}, nullptr),
    Row("connection limit", SET_MAX_CONNECTIONS, CFG_MAX_CONNECTIONS { 50 }, "00000032", CFG_NONE {},
        nullptr),
};

INSTANTIATE_TEST_SUITE_P(StreamServer, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
