// The generic parameter request against the simulated recorder: the serial
// device lists as the panes get them, a port's settings read and written
// back, and the lists the program refuses.
#include "pages/common/ParameterRequest.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <cstring>
#include <memory>
#include <string>

namespace
{

class ParameterRequestTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 2);
        StartDevice();
    }
    CConfigSession session;
    std::unique_ptr<ConfigReply> reply = std::make_unique<ConfigReply>();
};

std::vector<uint8_t> NameList(uint8_t ports, std::initializer_list<std::pair<uint8_t, const char*>> entries)
{
    sim::Body b;
    b.U8(ports).U8(uint8_t(entries.size()));
    for (const auto& [kind, name] : entries)
        b.U8(kind).Text(name, 32);
    return b.bytes;
}

TEST_F(ParameterRequestTest, DeviceListsShowTheirFirstNameAsNothingAttached)
{
    SerialDeviceNames names;
    ASSERT_EQ(ReadSerialDeviceNames(session, *reply, &names), SERIAL_NAMES_READ);
    EXPECT_EQ(names.portCount, 4);
    ASSERT_EQ(names.count[SERIAL_KIND_FIRST_PORT], 3);
    EXPECT_STREQ(names.names[SERIAL_KIND_FIRST_PORT][0], "None");
    EXPECT_STREQ(names.names[SERIAL_KIND_FIRST_PORT][1], "Text Insertion");
    EXPECT_STREQ(names.names[SERIAL_KIND_TEXT][0], "Manual");
    EXPECT_STREQ(names.names[SERIAL_KIND_LATER_PORTS][1], "Pelco-D");
    const auto table = names.Table(SERIAL_KIND_FIRST_PORT);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_STREQ(table[2], "Control Keyboard");
    EXPECT_TRUE(names.Table(7).empty());
    // Group 3, item 3, no data.
    const auto sent = Sent(0x0B06);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 38u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0, 3, 0, 3, 0, 0 }));
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ParameterRequestTest, ListsTheProgramCannotTakeAreTold)
{
    // An entry of a fourth kind.
    Server().Store().StoreParameter(3, 0xFFFF, NameList(2, { { 2, "-" }, { 3, "Modem" } }));
    SerialDeviceNames names;
    EXPECT_EQ(ReadSerialDeviceNames(session, *reply, &names), SERIAL_NAMES_INVALID);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The received data is invalid." });
    // Fewer entries than announced.
    sim::Bytes cut = NameList(2, { { 2, "-" }, { 2, "Keyboard" } });
    cut.resize(cut.size() - 1);
    Server().Store().StoreParameter(3, 0xFFFF, cut);
    EXPECT_EQ(ReadSerialDeviceNames(session, *reply, &names), SERIAL_NAMES_INVALID);
    EXPECT_EQ(TakeMessages().size(), 1u);
    // A refusal tells nothing more than the device's status.
    Server().SetFault(0x0B06, { .status = 0xF30C });
    EXPECT_EQ(ReadSerialDeviceNames(session, *reply, &names), SERIAL_NAMES_NOT_READ);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Internal error!" });
}

TEST_F(ParameterRequestTest, AKindKeepsFiftyNames)
{
    std::vector<uint8_t> data = { 1, 60 };
    for (int i = 0; i < 60; ++i) {
        data.push_back(0);
        std::string name = "PTZ " + std::to_string(i) + std::string(40, '.');
        data.insert(data.end(), name.begin(), name.begin() + 32);
    }
    SerialDeviceNames names;
    ASSERT_EQ(ParseSerialDeviceNames(data.data(), data.size(), &names), SERIAL_NAMES_READ);
    EXPECT_EQ(names.count[SERIAL_KIND_LATER_PORTS], SerialDeviceNames::kMaxNames);
    EXPECT_EQ(std::string(names.names[0][49]).size(), 31u);
    EXPECT_EQ(ParseSerialDeviceNames(data.data(), 1, &names), SERIAL_NAMES_INVALID);
}

TEST_F(ParameterRequestTest, APortsSettingsTravelBothWays)
{
    tagSerialSetting port1 {};
    ASSERT_TRUE(ReadSerialSettings(session, *reply, 1, &port1));
    EXPECT_EQ(port1.byDataBits, 2);
    EXPECT_EQ(port1.wBaudIndex, 1);
    port1.byDevice = 2;
    port1.byParity = 1;
    port1.wBaudIndex = 7;
    ASSERT_EQ(WriteSerialSettings(session, *reply, 1, port1), CONFIG_DONE);
    // Port first, the nine bytes, a trailing zero: 49 in all.
    const auto sent = Sent(0x0B06);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].length, 49u);
    EXPECT_EQ(sent[1].params, (sim::Bytes { 0, 3, 0, 6, 0, 11, 1, 2, 0, 0, 1, 1, 0, 2, 0, 7, 0 }));
    tagSerialSetting back {};
    ASSERT_TRUE(ReadSerialSettings(session, *reply, 1, &back));
    EXPECT_EQ(back.byDevice, 2);
    EXPECT_EQ(back.byParity, 1);
    EXPECT_EQ(back.wBaudIndex, 7);
    // A port the recorder does not have is refused.
    EXPECT_FALSE(ReadSerialSettings(session, *reply, 9, &back));
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
}

TEST(ParameterData, AudioInputsAreCheckedAgainstTheirCountAndCutToFour)
{
    struct Case {
        sim::Bytes data;
        bool taken;
        int count;
    };
    const Case cases[] = {
        { {}, false, 0 }, { { 0 }, true, 0 },
        { { 2, 0, 0, 0, 0x20, 5, 0 }, false, 0 }, // announces two, holds one
        { sim::Bytes(1 + 6 * 6, 0x11), false, 0 }, // 0x11 = 17 announced, six held
    };
    for (const Case& c : cases) {
        int count = -1;
        uint8_t records[MAX_AUDIO_INPUTS * AUDIO_INPUT_SIZE] = {};
        EXPECT_EQ(ParseAudioInputs(c.data.data(), c.data.size(), &count, records), c.taken) << c.data.size();
        if (c.taken) {
            EXPECT_EQ(count, c.count);
        }
    }
    sim::Bytes six(1 + 6 * 6, 0x11);
    six[0] = 6;
    int count = 0;
    uint8_t records[MAX_AUDIO_INPUTS * AUDIO_INPUT_SIZE] = {};
    ASSERT_TRUE(ParseAudioInputs(six.data(), six.size(), &count, records));
    EXPECT_EQ(count, 4);
}

// The flag byte of both records is the high byte of the word on the wire.
TEST(ParameterData, TheRecorderAudioTravelsWithItsFlagsInTheHighByte)
{
    tagAudioSetting a {};
    a.byFlags = 0x80 | 0x20;
    a.byGain = 15;
    a.bySyncChannel = SYNC_ALL;
    const std::vector<uint8_t> wire = EncodeRecorderAudio(a);
    EXPECT_EQ(wire, (std::vector<uint8_t> { 0, 0xA0, 0, 15, 0xFF })) << "input 0, flag word, gain, channel";
    tagAudioSetting back {};
    ASSERT_TRUE(DecodeRecorderAudio(wire.data() + 1, wire.size() - 1, &back));
    EXPECT_EQ(std::memcmp(&back, &a, sizeof a), 0);
    EXPECT_FALSE(DecodeRecorderAudio(wire.data() + 1, RECORDER_AUDIO_SIZE - 1, &back));

    tagTextInsertSetting t {};
    t.byFlags = TEXT_RECORDING;
    EXPECT_EQ(EncodeTextSettings(t)[1], 0x80);
}

TEST(ParameterData, TheTextRecordTravelsBackAsItCame)
{
    tagTextInsertSetting s {};
    s.byFlags = TEXT_RECORDING | TEXT_SEEK_HEADER;
    s.byDevice = 2;
    s.bySyncChannel = SYNC_ALL;
    std::memset(s.szHeader1, 'A', sizeof s.szHeader1); // a header of all 64 characters
    std::strcpy(s.szHeader2, "END");
    std::strcpy(s.szDelimiter, "0D0A");
    s.wTimeout = 65535;
    s.wLines = 7;
    const std::vector<uint8_t> wire = EncodeTextSettings(s);
    ASSERT_EQ(wire.size(), 1 + TEXT_SETTINGS_SIZE);
    EXPECT_EQ(wire[0], 0); // the text source
    tagTextInsertSetting back {};
    ASSERT_TRUE(DecodeTextSettings(wire.data() + 1, wire.size() - 1, &back));
    EXPECT_EQ(std::memcmp(&back, &s, sizeof s), 0);
    EXPECT_FALSE(DecodeTextSettings(wire.data() + 1, TEXT_SETTINGS_SIZE - 1, &back));
}

} // namespace
