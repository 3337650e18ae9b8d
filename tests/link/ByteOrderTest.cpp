#include "link/ByteOrder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using Bytes = std::vector<uint8_t>;

struct PutCase {
    const char* name;
    void (*put)(uint8_t*, uint32_t*);
    Bytes expected;
};

class ByteOrder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InitNetByteOrder();
        InitHostByteOrder();
    }
};

TEST_F(ByteOrder, PutsWriteExactBytesInBothFamilies)
{
    const PutCase cases[] = {
        { "NetPutU8", [](uint8_t* b, uint32_t* o) { NetPutU8(b, o, 0xAB); }, { 0xAB } },
        { "NetPutU16", [](uint8_t* b, uint32_t* o) { NetPutU16(b, o, 0x0104); }, { 0x01, 0x04 } },
        { "NetPutU32", [](uint8_t* b, uint32_t* o) { NetPutU32(b, o, 32); }, { 0, 0, 0, 0x20 } },
        { "NetPutI32", [](uint8_t* b, uint32_t* o) { NetPutI32(b, o, -2); }, { 0xFF, 0xFF, 0xFF, 0xFE } },
        { "NetPutU64", [](uint8_t* b, uint32_t* o) { NetPutU64(b, o, 1, 2); }, { 0, 0, 0, 2, 0, 0, 0, 1 } },
        { "DirPutU16", [](uint8_t* b, uint32_t* o) { DirPutU16(b, o, 0x0104); }, { 0x04, 0x01 } },
        { "DirPutU32", [](uint8_t* b, uint32_t* o) { DirPutU32(b, o, 32); }, { 0x20, 0, 0, 0 } },
        { "DirPutI32", [](uint8_t* b, uint32_t* o) { DirPutI32(b, o, -2); }, { 0xFE, 0xFF, 0xFF, 0xFF } },
        { "DirPutU64", [](uint8_t* b, uint32_t* o) { DirPutU64(b, o, 1, 2); }, { 1, 0, 0, 0, 2, 0, 0, 0 } },
        { "header, second word 0",
            [](uint8_t* b, uint32_t* o) {
                NetPutHeader(b, o, { 0x0104, 0, 32 });
            },
            { 0x01, 0x04, 0, 0, 0, 0, 0, 0x20 } },
        { "header, second word 22",
            [](uint8_t* b, uint32_t* o) {
                NetPutHeader(b, o, { 0x0104, 22, 32 });
            },
            { 0x01, 0x04, 0, 22, 0, 0, 0, 0x20 } },
    };
    for (const auto& c : cases) {
        uint8_t buf[16] = {};
        uint32_t offset = 3;
        c.put(buf + 0, &offset);
        EXPECT_EQ(offset, 3 + c.expected.size()) << c.name;
        EXPECT_EQ(Bytes(buf + 3, buf + 3 + c.expected.size()), c.expected) << c.name;
        EXPECT_EQ(buf[2], 0) << c.name << " wrote before its offset";
        EXPECT_EQ(buf[3 + c.expected.size()], 0) << c.name << " wrote past its field";
    }
}

TEST_F(ByteOrder, GetsReadBackWhatPutsWrote)
{
    uint8_t buf[64] = {};
    uint32_t w = 0;
    NetPutU16(buf, &w, 0xBEEF);
    NetPutU32(buf, &w, 0xDEADBEEF);
    NetPutU64(buf, &w, 0x11223344, 0x55667788);
    DirPutU16(buf, &w, 0xCAFE);
    DirPutU32(buf, &w, 0x01020304);
    DirPutU64(buf, &w, 7, 9);
    NetPutBytes(buf, &w, "ab", 2);

    uint32_t r = 0;
    uint16_t u16;
    uint32_t u32, low, high;
    NetGetU16(buf, &r, &u16);
    EXPECT_EQ(u16, 0xBEEF);
    NetGetU32(buf, &r, &u32);
    EXPECT_EQ(u32, 0xDEADBEEF);
    NetGetU64(buf, &r, &low, &high);
    EXPECT_EQ(low, 0x11223344u);
    EXPECT_EQ(high, 0x55667788u);
    DirGetU16(buf, &r, &u16);
    EXPECT_EQ(u16, 0xCAFE);
    DirGetU32(buf, &r, &u32);
    EXPECT_EQ(u32, 0x01020304u);
    DirGetU64(buf, &r, &low, &high);
    EXPECT_EQ(low, 7u);
    EXPECT_EQ(high, 9u);
    char text[2];
    NetGetBytes(buf, &r, text, 2);
    EXPECT_EQ(std::string(text, 2), "ab");
    EXPECT_EQ(r, w);
}

TEST_F(ByteOrder, PeekReadsOnlyTheLow16BitsOfALength)
{
    const uint8_t reply[] = { 0x11, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x10 };
    uint32_t length = 0xFFFFFFFF;
    NetPeekU16(reply, 6, &length);
    EXPECT_EQ(length, 0x0010u);
    NetPeekU32(reply, 4, &length);
    EXPECT_EQ(length, 0x00010010u);
}

TEST_F(ByteOrder, EmptyCopiesSkipsAndZeroFill)
{
    uint8_t buf[8];
    std::fill(buf, buf + 8, 0x55);
    uint32_t offset = 2;
    NetPutBytes(buf, &offset, nullptr, 0);
    EXPECT_EQ(offset, 2u);
    NetSkip(buf, &offset, 5);
    EXPECT_EQ(offset, 7u);
    EXPECT_EQ(Bytes(buf, buf + 8), Bytes(8, 0x55));
    offset = 1;
    NetZeroFill(buf, &offset, 3);
    EXPECT_EQ(Bytes(buf, buf + 5), (Bytes { 0x55, 0, 0, 0, 0x55 }));
}

TEST_F(ByteOrder, TimeTravelsYearFirstAsItStands)
{
    NET_TIME t { 1, 2, 3, 4, 0, 106, 5, 6, 0 };
    uint8_t buf[NET_TIME_SIZE];
    uint32_t offset = 0;
    NetPutTime(buf, &offset, t);
    EXPECT_EQ(offset, NET_TIME_SIZE);
    EXPECT_EQ(Bytes(buf, buf + 8), (Bytes { 0, 0, 0, 0x6A, 0, 0, 0, 0 }));
    NET_TIME back {};
    offset = 0;
    NetGetTime(buf, &offset, &back);
    EXPECT_EQ(back.year, 106);
    EXPECT_EQ(back.sec, 1);
    EXPECT_EQ(back.mday, 4);
    EXPECT_EQ(back.yday, 6);
}

TEST(WireReader, MissingBytesReadAsZeroAndNothingPastTheEnd)
{
    // Heap data of exactly five bytes, so that AddressSanitizer sees any overread.
    std::vector<uint8_t> data { 0x12, 0x34, 0x56, 0x78, 0x9A };
    WireReader r(data.data(), data.size());
    EXPECT_EQ(r.U32(), 0x12345678u);
    EXPECT_FALSE(r.Short());
    EXPECT_EQ(r.U16(), 0x9A00);
    EXPECT_TRUE(r.Short());
    EXPECT_EQ(r.U32(), 0u);
    char text[8];
    r.Text(text, sizeof text, 16);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(r.RecordsLeft(4), 0u);

    WireReader host(data.data(), data.size(), WireReader::Host);
    EXPECT_EQ(host.U16(), 0x3412);
}

TEST(WireReader, TextWithoutTerminatorIsCutToItsWidth)
{
    std::vector<uint8_t> data { 'A', 'B', 'C', 'D', 'E', 'F' };
    WireReader r(data.data(), data.size());
    char text[16];
    r.Text(text, sizeof text, 4);
    EXPECT_STREQ(text, "ABCD");
    char small[2];
    r.Text(small, sizeof small, 2);
    EXPECT_STREQ(small, "E");
    EXPECT_EQ(r.Offset(), 6u);
    EXPECT_FALSE(r.Short());
}

} // namespace
