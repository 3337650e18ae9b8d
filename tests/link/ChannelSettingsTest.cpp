// The channel block codec: PTZ settings in and out of an entry, the model
// list's bound and the external devices of each family.
#include "link/ChannelSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace
{

TEST(ChannelBlock, PtzSettingsUnpackAndPackBackUnchanged)
{
    struct Case {
        uint8_t line;
        int interface, parity, seven;
    } cases[] = {
        { 0x80, PTZ_RS232, 0, 0 }, { 0x04 | 0x20, PTZ_RS422, PTZ_PARITY_EVEN, 0 },
        { 0x40 | 0x01, PTZ_RS485, PTZ_PARITY_ODD, 1 },
        { 0x80 | 0x04, PTZ_RS232, 0, 0 }, // RS-232 wins over RS-422
    };
    for (const Case& c : cases) {
        CFG_CHANNEL_ENTRY entry { 0x90, 2, 31, 9600, 2, c.line, 250 };
        const tagPtzSetting setting = UnpackPtzSetting(entry, 2);
        EXPECT_EQ(setting.nModel, 2);
        EXPECT_EQ(setting.nInterface, c.interface) << int(c.line);
        EXPECT_EQ(setting.nParity, c.parity) << int(c.line);
        EXPECT_EQ(setting.nDataBits7, c.seven) << int(c.line);
        EXPECT_EQ(setting.nBaudRate, 9600);
        EXPECT_EQ(setting.nStopBits, 2);
        EXPECT_EQ(setting.nAddress, 31);
        CFG_CHANNEL_ENTRY packed { 0x90, 0, 0, 0, 0, 0, 250 };
        PackPtzSetting(setting, &packed);
        EXPECT_EQ(packed.byFlags, 0x90);
        EXPECT_EQ(packed.wMotion, 250);
        EXPECT_EQ(packed.byValue5, c.line == (0x80 | 0x04) ? 0x80 : c.line);
        EXPECT_EQ(packed.dwValue3, 9600u);
    }
}

TEST(ChannelBlock, ModelsBeyondTheListReadAsNone)
{
    CFG_CHANNEL_CONFIG block {};
    block.byPtzModels = 25;
    for (int i = 0; i < 25; ++i)
        std::snprintf(block.szPtzModel[i], 32, "Model %d", i + 1);
    std::memset(block.szPtzModel[1], 'x', 32); // no terminator
    PtzModelList models;
    CopyPtzModels(block, &models);
    EXPECT_EQ(models.count, kMaxPtzModels);
    EXPECT_STREQ(PtzModelText(models, 20), "Model 20");
    EXPECT_EQ(std::strlen(PtzModelText(models, 2)), 31u) << "a name without terminator is cut";
    EXPECT_EQ(PtzModelText(models, 0), nullptr);
    EXPECT_EQ(PtzModelText(models, 21), nullptr);

    CFG_CHANNEL_ENTRY entry {};
    entry.byValue1 = 3;
    EXPECT_EQ(UnpackPtzSetting(entry, 2).nModel, 0);
    entry.wMotion = 1000;
    EXPECT_EQ(MotionThreshold(entry), 0);
    entry.wMotion = 999;
    EXPECT_EQ(MotionThreshold(entry), 999);
}

TEST(ChannelBlock, ExternalDevicesSitWhereEachFamilyKeepsThem)
{
    struct Case {
        ExtDeviceLayout layout;
        uint8_t bytes[4];
        bool sensor[4];
        bool relay[4];
    } cases[] = {
        { EXT_ONE_PER_BYTE, { 1, 0, 1, 0 }, { true, false }, { true } },
        { EXT_MASKS, { 0x09, 0x02, 0, 0 }, { true, false, false, true }, { false, true } },
        // Sensor 1 and relay 1 of the three-channel page are bit 0x02.
        { EXT_THREE_CHANNEL, { 0x0A, 0, 0x04, 0 }, { true, false, true }, { false, true } },
        { EXT_THREE_CHANNEL_OPTION, { 0x02, 0x08, 0, 0 }, { true }, { false, false, true } },
    };
    for (const Case& c : cases) {
        CFG_EXT_DEVICE block {};
        std::memcpy(block.bySetting, c.bytes, 4);
        const ExtDevices devices = DecodeExtDevices(block, c.layout);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(devices.sensor[i], c.sensor[i]) << c.layout << " sensor " << i;
            EXPECT_EQ(devices.relay[i], c.relay[i]) << c.layout << " relay " << i;
        }
        const CFG_EXT_DEVICE back = EncodeExtDevices(devices, c.layout);
        EXPECT_EQ(std::memcmp(back.bySetting, c.bytes, 4), 0) << c.layout;
    }
    ExtDevices all;
    std::fill(std::begin(all.sensor), std::end(all.sensor), true);
    const CFG_EXT_DEVICE none = EncodeExtDevices(all, EXT_NONE);
    EXPECT_EQ(none.bySetting[0] | none.bySetting[1] | none.bySetting[2] | none.bySetting[3], 0);
}

} // namespace
