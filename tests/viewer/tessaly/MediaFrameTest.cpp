// The media-frame body and the login request on the wire.
#include "viewer/tessaly/KelmothWire.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

using namespace tessaly;

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

// A body as a server writes it, with the fields given; `actual` video bytes
// are appended whatever `size` announces.
std::vector<uint8_t> Body(
    uint32_t offsetX, uint32_t size, uint32_t words, size_t actual, size_t padX = SIZE_MAX)
{
    std::vector<uint8_t> body;
    Put32(body, 1234);
    Put32(body, 5000000);
    Put32(body, 1);
    Put32(body, offsetX);
    body.resize(body.size() + (padX == SIZE_MAX ? offsetX : padX), 0xEE);
    Put32(body, size);
    Put32(body, words);
    for (uint32_t i = 0; i <= words && i < 64; ++i)
        Put32(body, 0xDDDDDDDD);
    for (size_t i = 0; i < actual; ++i)
        body.push_back(static_cast<uint8_t>(i));
    return body;
}

TEST(MediaFrame, ReadsTheFieldsAndFindsTheVideo)
{
    for (uint32_t x : { 0u, 3u, 20u }) {
        for (uint32_t n : { 0u, 2u }) {
            const std::vector<uint8_t> body = Body(x, 10, n, 10);
            MediaFrameFields f;
            ASSERT_TRUE(ParseMediaFrame(body.data(), body.size(), &f)) << x << " " << n;
            EXPECT_EQ(1234, f.seconds);
            EXPECT_EQ(5000000, f.fraction);
            EXPECT_EQ(1u, f.frameType);
            EXPECT_EQ(10u, f.videoSize);
            ASSERT_EQ(body.data() + 28 + x + 4 * n, f.video);
            EXPECT_EQ(0, f.video[0]);
            EXPECT_EQ(9, f.video[9]);
        }
    }
}

TEST(MediaFrame, DropsEveryFrameWhoseFieldsLeaveTheBody)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> body;
    } cases[] = {
        { "shorter than the fixed fields", std::vector<uint8_t>(15, 0) },
        { "video size one past the end", Body(0, 11, 0, 10) },
        { "video size near 4 GiB", Body(0, 0xFFFFFFF0u, 0, 10) },
        { "area offset past the end", Body(0x1000, 0, 0, 0, 0) },
        { "area offset near 4 GiB", Body(0xFFFFFFFCu, 0, 0, 0, 0) },
        { "word count that wraps a 32-bit product", Body(0, 4, 0x40000000u, 4) },
        { "word count past the end", Body(0, 0, 1000, 0) },
        { "size and count missing", Body(4, 0, 0, 0, 4) },
    };
    // The last case: cut right after the area offset's padding.
    cases[7].body.resize(16 + 4 + 4);
    for (const Case& c : cases) {
        // A copy of exactly the body's size, so that a read past it shows.
        std::vector<uint8_t> body(c.body);
        MediaFrameFields f;
        EXPECT_FALSE(ParseMediaFrame(body.data(), body.size(), &f)) << c.what;
    }
}

TEST(MediaFrame, AcceptsAnEmptyVideoAreaAtTheEnd)
{
    const std::vector<uint8_t> body = Body(0, 0, 0, 0);
    MediaFrameFields f;
    ASSERT_TRUE(ParseMediaFrame(body.data(), body.size(), &f));
    EXPECT_EQ(0u, f.videoSize);
}

TEST(LoginRequest, LaysOutTokenNameAndTheTrailingOne)
{
    uint8_t request[KELMOTH_LOGIN_SIZE];
    std::memset(request, 0xCC, sizeof request);
    BuildLoginRequest(request, "dG9rZW4=", "live");
    const uint8_t header[] = { 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 164 };
    EXPECT_EQ(0, std::memcmp(header, request, 8));
    EXPECT_STREQ("dG9rZW4=", reinterpret_cast<char*>(request + 8));
    EXPECT_EQ(0, request[8 + 31]);
    EXPECT_STREQ("live", reinterpret_cast<char*>(request + 40));
    EXPECT_EQ(0, request[40 + 127]);
    const uint8_t one[] = { 0, 0, 0, 1 };
    EXPECT_EQ(0, std::memcmp(one, request + 168, 4));

    // Texts longer than their fields are cut at the field.
    const std::string longName(300, 'n');
    const std::string longToken(40, 't');
    BuildLoginRequest(request, longToken.c_str(), longName.c_str());
    EXPECT_EQ(std::string(32, 't'), std::string(reinterpret_cast<char*>(request + 8), 32));
    EXPECT_EQ(std::string(128, 'n'), std::string(reinterpret_cast<char*>(request + 40), 128));
    EXPECT_EQ(0, std::memcmp(one, request + 168, 4));
}

} // namespace
