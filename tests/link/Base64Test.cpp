#include "link/Base64.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

std::string Encode(const std::string& in)
{
    char out[64];
    int n = Base64Encode(
        reinterpret_cast<const uint8_t*>(in.data()), static_cast<int>(in.size()), out, sizeof out);
    return std::string(out, static_cast<size_t>(n));
}

TEST(Base64, EncodesWithPadding)
{
    const std::pair<std::string, std::string> cases[] = {
        { "f", "Zg==" },
        { "fo", "Zm8=" },
        { "foo", "Zm9v" },
        { "foob", "Zm9vYg==" },
        { "fooba", "Zm9vYmE=" },
        { "foobar", "Zm9vYmFy" },
        { std::string("\xfb\xff", 2), "+/8=" },
    };
    for (const auto& [plain, encoded] : cases) {
        EXPECT_EQ(Encode(plain), encoded);
        uint8_t back[16];
        int n = Base64Decode(encoded.data(), static_cast<int>(encoded.size()), back, sizeof back);
        ASSERT_EQ(n, static_cast<int>(plain.size())) << encoded;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(back), static_cast<size_t>(n)), plain);
    }
}

TEST(Base64, EncodeRefusesEmptyInputAndShortRoom)
{
    const uint8_t in[4] = { 1, 2, 3, 4 };
    char out[8] = { 'x' };
    EXPECT_EQ(Base64Encode(in, 0, out, 8), 0);
    EXPECT_EQ(Base64Encode(in, 4, out, 7), 0);
    EXPECT_EQ(out[0], 'x');
    EXPECT_EQ(Base64Encode(in, 4, out, 8), 8);
}

TEST(Base64, DecodeRefusesBadInput)
{
    uint8_t out[16];
    for (const char* bad : { "Zg=", "Z===", "=Zg=", "Zg==Zg==", "Zm9v!A==", "Zm=v", "Zm9 " }) {
        EXPECT_EQ(Base64Decode(bad, static_cast<int>(std::strlen(bad)), out, sizeof out), -1) << bad;
    }
    EXPECT_EQ(Base64Decode("Zm9vYmFy", 8, out, 5), -1) << "result larger than the room";
    EXPECT_EQ(Base64Decode("", 0, out, sizeof out), 0);
}

} // namespace
