#include "link/DeviceHelpers.h"

#include "link/CurrentDevice.h"
#include "link/DeviceGates.h"
#include "link/HostName.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{

void SetVersions(const char* hardware, const char* software)
{
    std::strncpy(g_CurrentDevice.szVersion1, hardware, sizeof g_CurrentDevice.szVersion1 - 1);
    std::strncpy(g_CurrentDevice.szVersion2, software, sizeof g_CurrentDevice.szVersion2 - 1);
}

TEST(DeviceHelpers, AddressTexts)
{
    EXPECT_EQ(ParseIpAddress("192.168.0.5"), 0xC0A80005u);
    EXPECT_EQ(ParseIpAddress("localhost"), 0x7F000001u);
    EXPECT_EQ(ParseIpAddress("10.1"), 0x0A010000u) << "missing parts read as 0";
    EXPECT_EQ(ParseIpAddress(""), 0u);
    EXPECT_EQ(ParseIpAddress("no-such-host.invalid"), 0u) << "an unresolved name has no digits";
    EXPECT_EQ(FormatIpAddress(0xC0A80005u), "192.168.0.5");

    EXPECT_FALSE(HasLetter("10.0.0.1"));
    EXPECT_FALSE(HasLetter(""));
    EXPECT_FALSE(HasLetter(nullptr));
    EXPECT_TRUE(HasLetter("camera1"));

    char out[128];
    EXPECT_EQ(ResolveHostName("10.0.0.1", out), 0);
    EXPECT_STREQ(out, "10.0.0.1");
    EXPECT_EQ(ResolveHostName("no-such-host.invalid", out), -1);
    EXPECT_STREQ(out, "no-such-host.invalid");
    EXPECT_EQ(ResolveHostName(std::string(300, '7').c_str(), out), 0);
    EXPECT_EQ(std::strlen(out), 127u);
}

TEST(DeviceHelpers, VersionComparison)
{
    struct Case {
        const char* version;
        int a, b, c;
        bool atLeast;
    };
    const Case cases[] = {
        { "1.2.25", 1, 2, 25, true }, { "1.2.25", 1, 1, 99, true }, { "1.2.25", 1, 3, 0, false },
        { "1.2.25", 2, 0, 0, false }, { "1.7.22", 1, 7, 22, true }, { "1.7.22", 1, 7, 23, false },
        { "1.10.0", 1, 7, 22, true }, { "1.300.0", 1, 44, 0, true }, // a part keeps its low 8 bits
        { "1.300.0", 1, 45, 0, false }, { "1.7", 1, 7, 0, true }, // missing parts read as 0
        { "1.7", 1, 7, 1, false }, { "", 0, 0, 0, true }, { "", 0, 0, 1, false },
        { "v2.x.1", 0, 0, 1, true }, // digit-less parts read as 0
        { "1.7.22.9", 1, 7, 22, true }, // a fourth part is not read
    };
    for (const auto& c : cases) {
        std::memset(&g_CurrentDevice, 0, sizeof g_CurrentDevice);
        SetVersions("", c.version);
        EXPECT_EQ(IsVersionAtLeast(c.a, c.b, c.c), c.atLeast)
            << c.version << " vs " << c.a << '.' << c.b << '.' << c.c;
    }
    SetVersions("", "1.7.22.9");
    EXPECT_TRUE(IsVersionAtLeast4(1, 7, 22, 9));
    EXPECT_FALSE(IsVersionAtLeast4(1, 7, 22, 10));
    SetVersions("", "1.7.22");
    EXPECT_TRUE(IsVersionAtLeast4(1, 7, 22, 0));
    EXPECT_FALSE(IsVersionAtLeast4(1, 7, 22, 1));
}

TEST(DeviceHelpers, ModelMappingAndFeatureCheck)
{
    struct Case {
        const char* model;
        int recorderClass;
    };
    const Case models[] = {
        { "4ch dvr", 0 },
        { "PT-D4", 0 },
        { "8CH DVR", 1 },
        { "16ch dvr(120fps)", 2 },
        { "16ch dvr(60fps)", 3 },
        { "16Ch DVR(240fps)", 4 },
        { "4ch dvr ", -1 },
        { "4ch", -1 },
        { "x4ch dvr", -1 },
        { "", -1 },
    };
    for (const auto& m : models)
        EXPECT_EQ(ModelNameToRecorderModel(m.model), m.recorderClass) << m.model;

    struct Feature {
        int recorderClass;
        const char *hardware, *software;
        bool supported;
    };
    const Feature features[] = {
        { 0, "1.0", "1.7.22", true },
        { 1, "2.0", "1.7.21", false },
        { 3, "2.0", "1.7.22", true },
        { 2, "1.0", "1.7.22", true },
        { 2, "2.0", "1.7.22", false },
        { 2, "2.0", "2.3.22", true },
        { 4, "2.1", "2.3.21", false },
        { -1, "1.0", "9.9.9", false },
    };
    for (const auto& f : features) {
        g_nRecorderModel = f.recorderClass;
        SetVersions(f.hardware, f.software);
        EXPECT_EQ(IsFeatureSupported(), f.supported)
            << f.recorderClass << ' ' << f.hardware << ' ' << f.software;
    }
}

TEST(DeviceHelpers, PasswordScrambleIsReversible)
{
    uint8_t field[16] = { 'a', 'b', 'c' };
    ScramblePassword(field);
    std::vector<uint8_t> expected { 0xC8, 0xCA, 0xCC };
    expected.resize(16, 0x06);
    EXPECT_EQ(std::vector<uint8_t>(field, field + 16), expected);
    UnscramblePassword(field);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field)), "abc");

    for (int b = 0; b < 256; ++b) {
        uint8_t one[16] = { static_cast<uint8_t>(b) };
        ScramblePassword(one);
        if (b == 0xFD) {
            EXPECT_EQ(one[0], 0);
        }
        UnscramblePassword(one);
        EXPECT_EQ(one[0], b);
    }
}

} // namespace
