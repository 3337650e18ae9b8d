#include "link/Md4.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{

std::string Hex(const uint8_t* d, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[d[i] >> 4];
        s += digits[d[i] & 15];
    }
    return s;
}

std::string Md4Hex(const std::string& message)
{
    uint8_t digest[16];
    EXPECT_TRUE(MD4Digest(reinterpret_cast<const uint8_t*>(message.data()), message.size(), digest));
    return Hex(digest, 16);
}

TEST(Md4, Rfc1320Suite)
{
    const std::pair<std::string, std::string> suite[] = {
        { "", "31d6cfe0d16ae931b73c59d7e0c089c0" },
        { "a", "bde52cb31de33e46245e05fbdbd6fb24" },
        { "abc", "a448017aaf21d8525fc10ae87aa6729d" },
        { "message digest", "d9130a8164549fe818874806e1c7014b" },
        { "abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9" },
        { "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
            "043f8582f241db351ce627e153e7f0e4" },
        { "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
            "e33b4ddc9c38f2199c3e7b164fcc0536" },
    };
    for (const auto& [message, digest] : suite)
        EXPECT_EQ(Md4Hex(message), digest) << '"' << message << '"';
}

TEST(Md4, CredentialFieldsAreDigestedWithTheirZeroPadding)
{
    EXPECT_EQ(Md4Hex(std::string("admin") + std::string(11, '\0')), "40613f6365913e0229a1dff3ce070b92");
    EXPECT_EQ(Md4Hex(std::string(16, '\0')), "487c3f5e2b0d6a79324ecdbe9c15166f");
    EXPECT_NE(Md4Hex("admin"), "40613f6365913e0229a1dff3ce070b92");
}

TEST(Md4, AgreesWithQtOverManyLengths)
{
    std::mt19937 random(1320);
    // Around the one- and two-block padding edges, past the old 960-byte
    // limit, and a few large messages.
    for (size_t length :
        { 0, 1, 15, 16, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 960, 961, 1024, 4097, 65536 }) {
        for (int round = 0; round < 3; ++round) {
            QByteArray message(static_cast<qsizetype>(length), Qt::Uninitialized);
            for (auto& c : message)
                c = static_cast<char>(random());
            uint8_t ours[16];
            MD4Digest(reinterpret_cast<const uint8_t*>(message.constData()), length, ours);
            QByteArray theirs = QCryptographicHash::hash(message, QCryptographicHash::Md4);
            EXPECT_EQ(Hex(ours, 16), theirs.toHex().toStdString()) << "length " << length;
        }
    }
}

} // namespace
