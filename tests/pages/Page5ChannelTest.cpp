// The channel pages and the PTZ set-up dialog against a simulated device:
// what activation shows per family, the entries an Apply writes, channel 1's
// two sources, the PTZ dialog's choices and the external devices.
#include "pages/Page5Channel.h"
#include "dialogs/PtzSetupDlg.h"
#include "link/CurrentDevice.h"
#include "pages/Page5Channel2.h"
#include "pages/SheetFactory.h"
#include "tests/pages/PageFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstdio>
#include <string>

namespace
{

// Entry i of a written channel block, as hex.
std::string Entry(const sim::Exchange& sent, int i)
{
    return HexOf(sent.params, size_t(i) * 12, 12);
}

class ChannelPage : public PageTest
{
protected:
    void Start(uint32_t family, const char* version = nullptr)
    {
        sim::DeviceProfile& profile = Profile(family);
        if (version)
            profile.version2 = version;
        StartDevice();
    }
    CDialog* Dialog(CWnd* wnd) { return dynamic_cast<CDialog*>(wnd); }
};

TEST_F(ChannelPage, CameraShowsItsChannelsAndPtzModels)
{
    Start(0);
    ShowPage<CPage5Channel>();
    EXPECT_TRUE(Checked(IDC_CHAN_SOURCE_INTERNAL));
    EXPECT_TRUE(Enabled(IDC_CHAN_TYPE1));
    EXPECT_EQ(ComboSelection(IDC_CHAN_TYPE1), 1) << "a European camera: PAL";
    EXPECT_TRUE(Checked(IDC_CHAN_ENABLE2));
    EXPECT_EQ(Text(IDC_CHAN_MODEL2), "Pelco-D");
    EXPECT_EQ(Text(IDC_CHAN_MODEL3), "None");
    EXPECT_FALSE(Checked(IDC_CHAN_ENABLE4));
    EXPECT_FALSE(Enabled(IDC_CHAN_SETUP4));
    EXPECT_EQ(Text(IDC_CHAN_THRESHOLD2), "1");
    EXPECT_FALSE(Shown(IDC_CHAN_ENABLE1));
    EXPECT_FALSE(Shown(IDC_CHAN_SENSOR3));
    EXPECT_FALSE(Shown(IDC_CHAN_SERIAL_GROUP));
    EXPECT_EQ(Text(IDC_CHAN_SENSOR1), "Sensor1");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page5_channel_camera.png");

    // Nothing changed: nothing is sent.
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(0x0402).empty());
    EXPECT_TRUE(Sent(0x0B02).empty());
}

TEST_F(ChannelPage, EachSourceOfChannelOneKeepsItsOwnSettings)
{
    Start(0);
    ShowPage<CPage5Channel>();
    Click(IDC_CHAN_MONO1);
    Click(IDC_CHAN_SOURCE_EXTERNAL);
    EXPECT_FALSE(Checked(IDC_CHAN_MONO1)) << "the external input's own settings";
    EXPECT_EQ(ComboSelection(IDC_CHAN_TYPE1), 0);
    SetText(IDC_CHAN_THRESHOLD1, "55");
    Click(IDC_CHAN_SOURCE_INTERNAL);
    EXPECT_TRUE(Checked(IDC_CHAN_MONO1));
    EXPECT_EQ(Text(IDC_CHAN_THRESHOLD1), "1");
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 92u);
    EXPECT_EQ(Entry(sent[0], 0), "910000000000000000000001") << "internal: on, PAL, B&W";
    EXPECT_EQ(Entry(sent[0], 1), "000000000000000000000037") << "external: off, threshold 55";
    EXPECT_EQ(Entry(sent[0], 2), "900100000000000000000001");
    EXPECT_EQ(Entry(sent[0], 4), "000000000000000000000001") << "channel 4 stays off";
    EXPECT_TRUE(Sent(0x0B02).empty());
}

TEST_F(ChannelPage, NoneTakesChannelOneOff)
{
    Start(0);
    ShowPage<CPage5Channel>();
    Click(IDC_CHAN_SOURCE_NONE);
    EXPECT_FALSE(Enabled(IDC_CHAN_TYPE1));
    EXPECT_EQ(Text(IDC_CHAN_MODEL1), "None");
    EXPECT_EQ(Text(IDC_CHAN_THRESHOLD1), "0");
    Click(IDC_CHAN_ENABLE4);
    EXPECT_TRUE(Enabled(IDC_CHAN_SETUP4));
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(HexOf(sent[0].params, 0, 1), "10") << "internal entry kept, but off";
    EXPECT_EQ(HexOf(sent[0].params, 48, 1), "80") << "channel 4 on";
}

TEST_F(ChannelPage, SetupButtonEditsTheChannelsPtz)
{
    Start(0);
    ShowPage<CPage5Channel>();
    ScriptedDialogRunner runner([this](CDialog* dlg) {
        EXPECT_EQ(Text(IDOK, dlg) == "" ? 0 : 1, 1);
        EXPECT_FALSE(Enabled(IDOK, dlg));
        EXPECT_EQ(ComboSelection(IDC_PTZ_MODEL, dlg), 1);
        auto* lines = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_PTZ_INTERFACE));
        EXPECT_EQ(lines->GetCount(), 2) << "232 and 485 only";
        SelectCombo(IDC_PTZ_MODEL, 2, dlg);
        SelectCombo(IDC_PTZ_BAUD_RATE, 7, dlg);
        SelectCombo(IDC_PTZ_INTERFACE, 1, dlg);
        SelectCombo(IDC_PTZ_PARITY, 2, dlg);
        SetText(IDC_PTZ_ADDRESS, "17", dlg);
        Click(IDOK, dlg);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    Click(IDC_CHAN_SETUP2);
    EXPECT_EQ(runner.runs, 1);
    EXPECT_EQ(Text(IDC_CHAN_MODEL2), "Pelco-P");
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    // Model 2, address 17, 19200 baud, one stop bit, RS-485 with odd parity.
    EXPECT_EQ(Entry(sent[0], 2), "9002001100004b0000400001");
}

TEST_F(ChannelPage, ThresholdsBeyondTheRangeReadAsZero)
{
    Start(0);
    sim::Bytes channels = Server().Store().Stored(0x0401);
    channels[2 * 12 + 10] = 0x03; // 1000
    channels[2 * 12 + 11] = 0xE8;
    Server().Store().Store(0x0401, 0, channels);
    ShowPage<CPage5Channel>();
    EXPECT_EQ(Text(IDC_CHAN_THRESHOLD2), "0");
    Click(IDC_CHAN_ROTATION2);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Entry(sent[0], 2), "980100000000000000000000");
}

TEST_F(ChannelPage, OkAfterAFailedReadWritesNoChannels)
{
    Start(0);
    sim::Fault lost;
    lost.closeWithoutReply = true;
    Server().SetFault(0x0401, lost);
    ShowPage<CPage5Channel>();
    Click(IDC_CHAN_ENABLE2);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0402).empty());
}

TEST_F(ChannelPage, CameraExternalDevicesAndTheNewestFirmware)
{
    Start(0);
    ShowPage<CPage5Channel>();
    Click(IDC_CHAN_SENSOR2);
    Click(IDC_CHAN_RELAY1);
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(0x0B02);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 36u);
    EXPECT_EQ(HexOf(sent[0].params, 0, 4), "00010100");
    EXPECT_TRUE(Sent(0x0402).empty()) << "only the changed group";

    // The newest firmware always gets its sensors off and the relay on.
    Close();
    Start(0, "2.3.0");
    view.m_nFirmwareClass = 5;
    ShowPage<CPage5Channel>();
    Click(IDC_CHAN_SENSOR1);
    Click(IDC_PAGE_APPLY);
    sent = Sent(0x0B02);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(HexOf(sent[0].params, 0, 4), "00000100");
}

TEST_F(ChannelPage, VideoServerShowsFourSensorsAndRelays)
{
    Start(3);
    Server().Store().Store(0x0B01, 0, sim::Bytes { 0x09, 0x02, 0, 0, 0, 0, 0, 0 });
    ShowPage<CPage5Channel>();
    EXPECT_TRUE(Shown(IDC_CHAN_ENABLE1));
    EXPECT_FALSE(Shown(IDC_CHAN_SOURCE_NONE));
    EXPECT_TRUE(Checked(IDC_CHAN_ENABLE1)) << "the external input";
    EXPECT_TRUE(Checked(IDC_CHAN_SENSOR1));
    EXPECT_TRUE(Checked(IDC_CHAN_SENSOR4));
    EXPECT_FALSE(Checked(IDC_CHAN_SENSOR2));
    EXPECT_TRUE(Checked(IDC_CHAN_RELAY2));
    SavePicture("page5_channel_video_server.png");
    Click(IDC_CHAN_RELAY4);
    Click(IDC_CHAN_MONO1);
    Click(IDC_PAGE_APPLY);
    const auto ext = Sent(0x0B02);
    ASSERT_EQ(ext.size(), 1u);
    EXPECT_EQ(HexOf(ext[0].params, 0, 4), "090a0000");
    const auto channels = Sent(0x0402);
    ASSERT_EQ(channels.size(), 1u);
    EXPECT_EQ(Entry(channels[0], 0), "000000000000000000000000") << "no internal camera";
    EXPECT_EQ(HexOf(channels[0].params, 12, 1), "81");
}

TEST_F(ChannelPage, VideoServerOfTheNewestFirmwareHidesItsDevices)
{
    Start(3, "2.3.0");
    view.m_nFirmwareClass = 5;
    ShowPage<CPage5Channel>();
    EXPECT_FALSE(Shown(IDC_CHAN_EXT_GROUP));
    EXPECT_FALSE(Shown(IDC_CHAN_SENSOR1));
}

TEST_F(ChannelPage, StreamingServerShowsOnlyChannelOnesSource)
{
    Start(2);
    ShowPage<CPage5Channel>();
    EXPECT_TRUE(Shown(IDC_CHAN_SOURCE_EXTERNAL));
    EXPECT_FALSE(Shown(IDC_CHAN_SOURCE_NONE));
    EXPECT_FALSE(Shown(IDC_CHAN_ENABLE2));
    EXPECT_FALSE(Shown(IDC_CHAN_PTZ_GROUP));
    EXPECT_TRUE(Checked(IDC_CHAN_SOURCE_EXTERNAL));
    SavePicture("page5_channel_stream_server.png");
    Click(IDC_CHAN_MONO1);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(HexOf(sent[0].params, 12, 1), "91");
}

// The three-channel page.

TEST_F(ChannelPage, ThreeChannelPageWritesItsBitsAndNoFourthChannel)
{
    Start(1);
    sim::Bytes channels = Server().Store().Stored(0x0401);
    channels[4 * 12] = 0x80; // a fourth channel the page does not know
    Server().Store().Store(0x0401, 0, channels);
    Server().Store().Store(0x0B01, 0, sim::Bytes { 0x02, 0, 0x08, 0, 0, 0, 0, 0 });
    ShowPage<CPage5Channel2>();
    EXPECT_TRUE(Checked(IDC_CHAN2_SENSOR1)) << "sensor 1 is bit 0x02";
    EXPECT_TRUE(Checked(IDC_CHAN2_RELAY3));
    EXPECT_FALSE(Checked(IDC_CHAN2_RELAY1));
    SavePicture("page5_channel_three.png");
    Click(IDC_CHAN2_SENSOR3);
    Click(IDC_CHAN_ROTATION3);
    Click(IDC_PAGE_APPLY);
    const auto ext = Sent(0x0B02);
    ASSERT_EQ(ext.size(), 1u);
    EXPECT_EQ(HexOf(ext[0].params, 0, 4), "0a000800");
    const auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Entry(sent[0], 4), "000000000000000000000000");
}

TEST_F(ChannelPage, ThreeChannelPageChannelOneCheckTakesTheChannelOffAndBack)
{
    Start(1);
    ShowPage<CPage5Channel2>();
    ASSERT_TRUE(Checked(IDC_CHAN_SOURCE_INTERNAL));
    Click(IDC_CHAN_ENABLE1);
    EXPECT_TRUE(Checked(IDC_CHAN_SOURCE_NONE));
    EXPECT_FALSE(Enabled(IDC_CHAN_TYPE1));
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(0x0402);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(HexOf(sent[0].params, 0, 1), "10") << "channel 1 written off";
    Click(IDC_CHAN_ENABLE1);
    EXPECT_TRUE(Checked(IDC_CHAN_SOURCE_INTERNAL)) << "the source it had";
    EXPECT_TRUE(Enabled(IDC_CHAN_TYPE1));
}

TEST_F(ChannelPage, ThreeChannelPageAsksBeforeEditsAreLeft)
{
    Start(1);
    ShowPage<CPage5Channel2>();
    Click(IDC_CHAN_MONO2);
    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    EXPECT_TRUE(Sent(0x0402).empty());
}

// The PTZ set-up dialog on its own.

class PtzSetup : public ChannelPage
{
protected:
    CPtzSetupDlg dialog;
    void SetUp() override
    {
        ChannelPage::SetUp();
        dialog.m_Models.count = 2;
        std::snprintf(dialog.m_Models.names[0], 32, "Pelco-D");
        std::snprintf(dialog.m_Models.names[1], 32, "Pelco-P");
        dialog.m_nChannel = 3;
    }
    INT_PTR Run(std::function<void(CDialog*)> script)
    {
        ScriptedDialogRunner runner(std::move(script));
        ScopedService<IModalDialogRunner> use(&runner);
        return dialog.DoModal();
    }
    std::vector<std::string> Lines(CDialog* dlg)
    {
        auto* lines = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_PTZ_INTERFACE));
        std::vector<std::string> texts;
        for (int i = 0; i < lines->GetCount(); ++i) {
            CString text;
            lines->GetLBText(i, text);
            texts.emplace_back(static_cast<LPCTSTR>(text));
        }
        return texts;
    }
};

TEST_F(PtzSetup, Rs422IsOfferedToVideoServersOnly)
{
    struct Case {
        uint32_t family;
        BYTE serialUsed;
        std::vector<std::string> lines;
    } cases[] = {
        { 3, FALSE, { "232", "422", "485" } },
        { 0, FALSE, { "232", "485" } },
        { 1, FALSE, { "232", "485" } },
        { 3, TRUE, { "422", "485" } },
    };
    for (const Case& c : cases) {
        g_CurrentDevice.dwFamily = c.family;
        dialog.m_bSerialDeviceUsed = c.serialUsed;
        dialog.m_PtzSetting = { 1, PTZ_RS422, 9600, 0, 0, 1, 0 };
        Run([&](CDialog* dlg) {
            EXPECT_EQ(Lines(dlg), c.lines) << c.family;
            // An RS-422 setting where there is none shows the first line.
            CString shown;
            dlg->GetDlgItemText(IDC_PTZ_INTERFACE, shown);
            EXPECT_EQ(std::string(shown), c.family == 3 ? "422" : c.lines[0]) << c.family;
            Click(IDCANCEL, dlg);
        });
    }
}

TEST_F(PtzSetup, UnknownBaudRatesOpenAt9600AndOkWaitsForAChange)
{
    g_CurrentDevice.dwFamily = 0;
    dialog.m_PtzSetting = { 2, PTZ_RS232, 38400, PTZ_PARITY_EVEN, 1, 5, 1 };
    const INT_PTR result = Run([&](CDialog* dlg) {
        EXPECT_EQ(std::string(static_cast<LPCTSTR>([&] {
            CString title;
            dlg->GetWindowText(title);
            return title;
        }())),
            "PTZ - CH3");
        EXPECT_EQ(ComboSelection(IDC_PTZ_BAUD_RATE, dlg), 6);
        EXPECT_EQ(ComboSelection(IDC_PTZ_DATA_BITS, dlg), 0) << "seven data bits";
        EXPECT_EQ(ComboSelection(IDC_PTZ_PARITY, dlg), 1);
        EXPECT_EQ(ComboSelection(IDC_PTZ_STOP_BITS, dlg), 1);
        EXPECT_FALSE(Enabled(IDOK, dlg));
        SetText(IDC_PTZ_ADDRESS, "6", dlg);
        EXPECT_TRUE(Enabled(IDOK, dlg));
        Click(IDOK, dlg);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_PtzSetting.nBaudRate, 9600);
    EXPECT_EQ(dialog.m_PtzSetting.nAddress, 6);
    EXPECT_EQ(dialog.m_PtzSetting.nParity, PTZ_PARITY_EVEN);
    EXPECT_EQ(dialog.m_PtzSetting.nDataBits7, 1);
    EXPECT_EQ(dialog.m_PtzSetting.nInterface, PTZ_RS232);
}

TEST_F(PtzSetup, ModelNoneLocksTheLine)
{
    g_CurrentDevice.dwFamily = 0;
    dialog.m_PtzSetting = { 1, PTZ_RS485, 4800, 0, 0, 1, 0 };
    Run([&](CDialog* dlg) {
        EXPECT_TRUE(Enabled(IDC_PTZ_BAUD_RATE, dlg));
        SelectCombo(IDC_PTZ_MODEL, 0, dlg);
        for (int id : { IDC_PTZ_STOP_BITS, IDC_PTZ_PARITY, IDC_PTZ_INTERFACE, IDC_PTZ_BAUD_RATE,
                 IDC_PTZ_ADDRESS, IDC_PTZ_DATA_BITS })
            EXPECT_FALSE(Enabled(id, dlg)) << id;
        Click(IDOK, dlg);
    });
    EXPECT_EQ(dialog.m_PtzSetting.nModel, 0);
    EXPECT_EQ(dialog.m_PtzSetting.nBaudRate, 4800) << "the other fields as selected";
}

TEST(ChannelPages, SheetSlotsCreateThePages)
{
    std::unique_ptr<CConfigPage> channel(CreateSheetPage(SLOT_Channel));
    EXPECT_NE(dynamic_cast<CPage5Channel*>(channel.get()), nullptr);
    std::unique_ptr<CConfigPage> three(CreatePageByClassName("CPage5Channel2"));
    EXPECT_NE(dynamic_cast<CPage5Channel2*>(three.get()), nullptr);
}

} // namespace
