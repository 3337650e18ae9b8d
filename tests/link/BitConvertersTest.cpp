#include "link/BitConverters.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

std::vector<uint8_t> Of(const uint8_t* bytes, size_t n)
{
    return std::vector<uint8_t>(bytes, bytes + n);
}

TEST(BitConverters, BothOrdersAndBack)
{
    uint8_t b[8] = {};
    PutBE32(0x12345678, b);
    EXPECT_EQ((std::vector<uint8_t> { 0x12, 0x34, 0x56, 0x78 }), Of(b, 4));
    EXPECT_EQ(0x12345678u, GetBE32(b));
    PutLE32(0x12345678, b);
    EXPECT_EQ((std::vector<uint8_t> { 0x78, 0x56, 0x34, 0x12 }), Of(b, 4));
    EXPECT_EQ(0x12345678u, GetLE32(b));
    PutBE16(0xABCD1234, b); // the low 16 bits
    EXPECT_EQ((std::vector<uint8_t> { 0x12, 0x34 }), Of(b, 2));
    EXPECT_EQ(0x1234, GetBE16(b));
    PutLE16(0xFFEE, b);
    EXPECT_EQ((std::vector<uint8_t> { 0xEE, 0xFF }), Of(b, 2));
    EXPECT_EQ(0xFFEE, GetLE16(b));
}

TEST(BitConverters, SixtyFourBitForms)
{
    uint8_t b[8];
    PutLE64(0x180, b); // 384 bits
    EXPECT_EQ((std::vector<uint8_t> { 0x80, 0x01, 0, 0, 0, 0, 0, 0 }), Of(b, 8));
    EXPECT_EQ(384.0, GetLE64AsDouble(b));

    PutBE64FromDouble(4294967296.0 * 3 + 7.9, b);
    EXPECT_EQ((std::vector<uint8_t> { 0, 0, 0, 3, 0, 0, 0, 7 }), Of(b, 8));
    EXPECT_EQ(4294967296.0 * 3 + 7, GetBE64AsDouble(b));
    const uint8_t top[8] = { 0x80, 0, 0, 0, 0, 0, 0, 1 };
    EXPECT_EQ(9223372036854775808.0 + 1, GetBE64AsDouble(top));
    // Nothing to represent: zero rather than an undefined conversion.
    PutBE64FromDouble(-5, b);
    EXPECT_EQ(0.0, GetBE64AsDouble(b));
}

TEST(BitConverters, Negation)
{
    EXPECT_EQ(0xFFFFu, Negate16(1));
    EXPECT_EQ(0x10000u, Negate16(0));
    EXPECT_EQ(0xFFFFFFFFu, Negate32(1));
    EXPECT_EQ(0u, Negate32(0));
}

} // namespace
