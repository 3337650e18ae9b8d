#include "link/Blowfish.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// Published Blowfish vectors (key, plaintext, ciphertext as big-endian
// words). The cipher here reads each block as two little-endian words, so
// the bytes are laid out word by word in that order.
struct Vector {
    uint64_t key, plain, cipher;
};
const Vector kVectors[] = {
    { 0x0000000000000000, 0x0000000000000000, 0x4EF997456198DD78 },
    { 0xFFFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF, 0x51866FD5B85ECB8A },
    { 0x3000000000000000, 0x1000000000000001, 0x7D856F9A613063F2 },
    { 0x1111111111111111, 0x1111111111111111, 0x2466DD878B963C9D },
    { 0x0123456789ABCDEF, 0x1111111111111111, 0x61F9C3802281B096 },
    { 0xFEDCBA9876543210, 0x0123456789ABCDEF, 0x0ACEAB0FC6A0A28D },
};

std::vector<uint8_t> KeyBytes(uint64_t key)
{
    std::vector<uint8_t> bytes;
    for (int i = 7; i >= 0; --i)
        bytes.push_back(static_cast<uint8_t>(key >> (8 * i)));
    return bytes;
}

// Left word, then right word, each least significant byte first.
std::vector<uint8_t> BlockBytes(uint64_t block)
{
    std::vector<uint8_t> bytes;
    for (uint32_t word : { static_cast<uint32_t>(block >> 32), static_cast<uint32_t>(block) })
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(word >> (8 * i)));
    return bytes;
}

TEST(Blowfish, StandardVectorsInLittleEndianBlockWords)
{
    for (const auto& v : kVectors) {
        CBlowfish fish;
        auto key = KeyBytes(v.key);
        fish.Initialize(key.data(), static_cast<int>(key.size()));

        uint32_t l = static_cast<uint32_t>(v.plain >> 32), r = static_cast<uint32_t>(v.plain);
        fish.EncipherBlock(l, r);
        EXPECT_EQ((static_cast<uint64_t>(l) << 32) | r, v.cipher) << std::hex << v.key;

        auto plain = BlockBytes(v.plain);
        std::vector<uint8_t> out(8);
        EXPECT_EQ(fish.Encode(plain.data(), out.data(), 8), 8u);
        EXPECT_EQ(out, BlockBytes(v.cipher));
        fish.Decode(out.data(), out.data(), 8);
        EXPECT_EQ(out, plain);
    }
}

TEST(Blowfish, EncodePadsTheLastBlockWithZeros)
{
    CBlowfish fish;
    const uint8_t key[] = "login key";
    fish.Initialize(key, 9);
    std::vector<uint8_t> message { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 };
    std::vector<uint8_t> padded = message;
    padded.resize(16, 0);

    std::vector<uint8_t> a(16), b(16);
    EXPECT_EQ(fish.Encode(message.data(), a.data(), 13), 16u);
    EXPECT_EQ(fish.Encode(padded.data(), b.data(), 16), 16u);
    EXPECT_EQ(a, b);

    // In place, and back.
    std::vector<uint8_t> inPlace = padded;
    fish.Encode(inPlace.data(), inPlace.data(), 13);
    EXPECT_EQ(inPlace, a);
    fish.Decode(inPlace.data(), inPlace.data(), 13);
    EXPECT_EQ(inPlace, padded);

    uint8_t none[8] = {};
    EXPECT_EQ(fish.Encode(none, none, 0), 0u);
}

} // namespace
