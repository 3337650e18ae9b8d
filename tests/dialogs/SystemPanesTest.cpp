// The system group's child panes inside a host window that stands where
// their page would: what each shows of the record it is given, what it gives
// back and whether it tells its parent about every edit.
#include "dialogs/AudioDlg.h"
#include "dialogs/AudioGainDlg.h"
#include "dialogs/BlockPlaybackDlg.h"
#include "dialogs/NicknameDlg.h"
#include "dialogs/RelayDwellDlg.h"
#include "dialogs/SerialPortDlg.h"
#include "dialogs/TextInsertDlg.h"
#include "link/CurrentDevice.h"
#include "link/WindowMessages.h"
#include "platform/base/TestServices.h"
#include "resources/setup/Resource.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <QSlider>

#include <cstring>
#include <string>

namespace
{

// Counts the edits its panes report.
class PaneHost : public CWnd
{
public:
    int modified = 0;

protected:
    LRESULT OnPageModified(WPARAM, LPARAM)
    {
        ++modified;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaneHost, CWnd)
ON_MESSAGE(WM_PAGE_MODIFIED, OnPageModified)
END_MESSAGE_MAP()

class SystemPanes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 500, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    // A person's choice in a list: the selection and its notification.
    static void Choose(CWnd* pane, int id, int index)
    {
        CWnd* combo = pane->GetDlgItem(id);
        ASSERT_NE(combo, nullptr) << id;
        combo->SendMessage(CB_SETCURSEL, WPARAM(index));
        pane->SendMessage(
            WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->GetSafeHwnd()));
    }
    static int Selection(CWnd* pane, int id) { return int(pane->SendDlgItemMessage(id, CB_GETCURSEL)); }
    static std::string SelectedText(CWnd* pane, int id)
    {
        CString text;
        pane->GetDlgItemText(id, text);
        return text.GetString();
    }

    PaneHost host;
};

const char* const kDevices[] = { "None", "Text Insertion", "Control Keyboard" };

tagSerialSetting Setting(uint8_t device, uint8_t parity, uint8_t stop, uint8_t data, uint16_t baud)
{
    tagSerialSetting s {};
    s.byDevice = device;
    s.wReserved = 0x1234;
    s.byInterface = 1;
    s.byParity = parity;
    s.byStopBits = stop;
    s.byDataBits = data;
    s.wBaudIndex = baud;
    return s;
}

TEST_F(SystemPanes, SerialPortShowsTheRecordAndGivesItBackUnchanged)
{
    CSerialPortDlg pane(&host);
    ASSERT_TRUE(pane.Create(IDD_SERIAL_PORT, &host));
    pane.SetDeviceNames(3, kDevices);
    pane.SetSerialSettings(Setting(1, 2, 2, 2, 7));
    EXPECT_EQ(SelectedText(&pane, IDC_SERIAL_DEVICE), "Text Insertion");
    EXPECT_EQ(SelectedText(&pane, IDC_SERIAL_PARITY), "Odd");
    EXPECT_EQ(SelectedText(&pane, IDC_SERIAL_STOP_BITS), "2");
    EXPECT_EQ(SelectedText(&pane, IDC_SERIAL_DATA_BITS), "8");
    EXPECT_EQ(SelectedText(&pane, IDC_SERIAL_BAUD), "115200");

    tagSerialSetting out {};
    EXPECT_FALSE(pane.GetSerialSettings(&out));
    EXPECT_EQ(out.wReserved, 0x1234); // carried through
    EXPECT_EQ(out.byInterface, 1);
    EXPECT_EQ(host.modified, 0);
    pane.DestroyWindow();
}

TEST_F(SystemPanes, SerialPortTakesThePanesOwnCodes)
{
    CSerialPortDlg pane(&host);
    ASSERT_TRUE(pane.Create(IDD_SERIAL_PORT, &host));
    pane.SetDeviceNames(3, kDevices);
    // Data bits 0 is no code of the pane: it comes back as seven bits, a change.
    pane.SetSerialSettings(Setting(0, 0, 1, 0, 3));
    tagSerialSetting out {};
    EXPECT_TRUE(pane.GetSerialSettings(&out));
    EXPECT_EQ(out.byDataBits, 1);
    EXPECT_EQ(out.byStopBits, 0);
    // The record it gave became the stored one: asked again, nothing changed.
    EXPECT_FALSE(pane.GetSerialSettings(&out));
    pane.DestroyWindow();
}

TEST_F(SystemPanes, SerialPortReportsEveryChoice)
{
    CSerialPortDlg pane(&host);
    ASSERT_TRUE(pane.Create(IDD_SERIAL_PORT, &host));
    pane.SetDeviceNames(3, kDevices);
    pane.SetSerialSettings(Setting(0, 0, 0, 2, 3));
    Choose(&pane, IDC_SERIAL_DEVICE, 2);
    Choose(&pane, IDC_SERIAL_BAUD, 4);
    Choose(&pane, IDC_SERIAL_PARITY, 1);
    Choose(&pane, IDC_SERIAL_STOP_BITS, 1);
    Choose(&pane, IDC_SERIAL_DATA_BITS, 0);
    EXPECT_EQ(host.modified, 5);
    tagSerialSetting out {};
    ASSERT_TRUE(pane.GetSerialSettings(&out));
    EXPECT_EQ(out.byDevice, 2);
    EXPECT_EQ(out.wBaudIndex, 4);
    EXPECT_EQ(out.byParity, 1);
    EXPECT_EQ(out.byStopBits, 2);
    EXPECT_EQ(out.byDataBits, 1);
    pane.DestroyWindow();
}

TEST_F(SystemPanes, SerialPortKeepsAtMostFiftyNames)
{
    std::string names[60];
    const char* table[60];
    for (int i = 0; i < 60; ++i) {
        names[i] = "device " + std::to_string(i) + std::string(200, 'x');
        table[i] = names[i].c_str();
    }
    CSerialPortDlg pane(&host);
    ASSERT_TRUE(pane.Create(IDD_SERIAL_PORT, &host));
    pane.SetDeviceNames(60, table);
    EXPECT_EQ(pane.SendDlgItemMessage(IDC_SERIAL_DEVICE, CB_GETCOUNT), 50);
    // A device the names do not hold selects none.
    pane.SetSerialSettings(Setting(55, 0, 0, 2, 3));
    EXPECT_EQ(Selection(&pane, IDC_SERIAL_DEVICE), -1);
    tagSerialSetting out {};
    EXPECT_FALSE(pane.GetSerialSettings(&out));
    EXPECT_EQ(out.byDevice, 55);
    pane.DestroyWindow();
}

tagTextInsertSetting TextRecord()
{
    tagTextInsertSetting t {};
    t.byFlags = TEXT_RECORDING | TEXT_SEEK_HEADER;
    t.byDevice = 0;
    t.bySyncChannel = SYNC_ALL;
    std::strcpy(t.szHeader1, "TOTAL");
    std::strcpy(t.szDelimiter, "0D0A");
    t.wTimeout = 3000;
    t.wLines = 20;
    return t;
}

const char* const kTextDevices[] = { "Manual", "POS Generic" };

struct TextPane {
    explicit TextPane(CWnd* host)
        : pane(host)
    {
        EXPECT_TRUE(pane.Create(IDD_TEXT_INSERT2, host));
        pane.FillSyncChannels(4);
        pane.FillDevices(2, kTextDevices);
    }
    ~TextPane() { pane.DestroyWindow(); }
    void Spin(int id, bool up) { static_cast<CSpinButtonCtrl*>(pane.GetDlgItem(id))->Step(up); }
    CTextInsertDlg2 pane;
};

TEST_F(SystemPanes, TextPaneShowsTheRecordAndGivesItBackUnchanged)
{
    TextPane t(&host);
    t.pane.SetTextSettings(TextRecord());
    EXPECT_EQ(SelectedText(&t.pane, IDC_TEXT_SYNC), "All");
    EXPECT_EQ(SelectedText(&t.pane, IDC_TEXT_DEVICE), "Manual");
    EXPECT_FALSE(t.pane.GetDlgItem(IDC_TEXT_DEVICE)->IsWindowEnabled());
    EXPECT_TRUE(t.pane.GetDlgItem(IDC_TEXT_FIRST_HEADER)->IsWindowEnabled());
    CString text;
    t.pane.GetDlgItemText(IDC_TEXT_TIMEOUT, text);
    EXPECT_EQ(std::string(text), "3000");
    tagTextInsertSetting out {};
    EXPECT_FALSE(t.pane.GetTextSettings(&out));
    // "All" goes back as 0xFF with the sync flag clear.
    EXPECT_EQ(out.bySyncChannel, SYNC_ALL);
    EXPECT_EQ(out.byFlags, TEXT_RECORDING | TEXT_SEEK_HEADER);

    // Without the sync flag the channel byte means nothing: it comes back
    // as "All". Bytes 0 to 2 come back cleared. Both are changes.
    tagTextInsertSetting dirty = TextRecord();
    dirty.bySyncChannel = 7;
    t.pane.SetTextSettings(dirty);
    EXPECT_EQ(SelectedText(&t.pane, IDC_TEXT_SYNC), "All");
    EXPECT_TRUE(t.pane.GetTextSettings(&out));
    EXPECT_EQ(out.bySyncChannel, SYNC_ALL);
    dirty = TextRecord();
    dirty.byReserved[1] = 9;
    t.pane.SetTextSettings(dirty);
    EXPECT_TRUE(t.pane.GetTextSettings(&out));
    EXPECT_EQ(out.byReserved[1], 0);
    EXPECT_EQ(host.modified, 0);
}

TEST_F(SystemPanes, TextPaneRulesAndSpins)
{
    TextPane t(&host);
    t.pane.SetTextSettings(TextRecord());
    // Headers follow "Seek Header".
    t.pane.SendDlgItemMessage(IDC_TEXT_SEEK_HEADER, BM_CLICK);
    EXPECT_FALSE(t.pane.GetDlgItem(IDC_TEXT_FIRST_HEADER)->IsWindowEnabled());
    EXPECT_TRUE(t.pane.GetDlgItem(IDC_TEXT_DELIMITER)->IsWindowEnabled());
    // Another device than the first disables the finding fields whatever "Seek Header" says.
    t.pane.SendDlgItemMessage(IDC_TEXT_SEEK_HEADER, BM_CLICK);
    Choose(&t.pane, IDC_TEXT_DEVICE, 1);
    for (int id : { IDC_TEXT_SEEK_HEADER, IDC_TEXT_FIRST_HEADER, IDC_TEXT_SECOND_HEADER, IDC_TEXT_DELIMITER,
             IDC_TEXT_TIMEOUT, IDC_TEXT_LINES, IDC_TEXT_TIMEOUT_SPIN, IDC_TEXT_LINES_SPIN })
        EXPECT_FALSE(t.pane.GetDlgItem(id)->IsWindowEnabled()) << id;
    Choose(&t.pane, IDC_TEXT_DEVICE, 0);
    EXPECT_TRUE(t.pane.GetDlgItem(IDC_TEXT_FIRST_HEADER)->IsWindowEnabled());
    EXPECT_EQ(host.modified, 4);

    // The up arrow makes the number grow; it stays within 0 and 65535.
    t.Spin(IDC_TEXT_LINES_SPIN, true);
    CString text;
    t.pane.GetDlgItemText(IDC_TEXT_LINES, text);
    EXPECT_EQ(std::string(text), "21");
    t.pane.SetDlgItemText(IDC_TEXT_TIMEOUT, "0");
    t.Spin(IDC_TEXT_TIMEOUT_SPIN, false);
    t.pane.GetDlgItemText(IDC_TEXT_TIMEOUT, text);
    EXPECT_EQ(std::string(text), "0");
    t.pane.SetDlgItemText(IDC_TEXT_TIMEOUT, "65535");
    t.Spin(IDC_TEXT_TIMEOUT_SPIN, true);
    t.pane.GetDlgItemText(IDC_TEXT_TIMEOUT, text);
    EXPECT_EQ(std::string(text), "65535");
    Choose(&t.pane, IDC_TEXT_SYNC, 3);
    tagTextInsertSetting out {};
    EXPECT_TRUE(t.pane.GetTextSettings(&out));
    EXPECT_EQ(out.bySyncChannel, 2);
    EXPECT_EQ(out.byFlags & TEXT_SYNC, TEXT_SYNC);
    EXPECT_EQ(out.wLines, 21);
    EXPECT_EQ(out.wTimeout, 65535);
}

TEST_F(SystemPanes, RelayPaneReadsModesBack)
{
    for (int model : { 0, 2 }) {
        g_nRecorderModel = model;
        const int n = model < 2 ? 4 : 16;
        CRelayDwellDlg pane(&host);
        ASSERT_TRUE(pane.Create(IDD_RELAY_DWELL, &host));
        EXPECT_EQ(pane.m_InputGrid.GetColumnCount(), n);
        uint8_t modes[64] = {};
        modes[1] = 2; // input 2 normally closed
        modes[32 + n - 1] = 2; // the last output
        std::memset(modes + 16, 0xAA, 16);
        pane.SetRelaySettings(modes, 5);
        EXPECT_EQ(std::string(pane.m_InputGrid.GetItemText(1, 0)), "N.O.");
        EXPECT_EQ(std::string(pane.m_InputGrid.GetItemText(1, 1)), "N.C.");
        EXPECT_EQ(SelectedText(&pane, IDC_RELAY_DWELL), "4");

        // A 0 that read as normally open is no change by itself.
        tagRelaySetting out {};
        std::memcpy(&out, modes, 64);
        out.byDwell = 5;
        EXPECT_EQ(pane.GetRelaySettings(&out), 0);
        EXPECT_EQ(out.byInputModes[0], 1);
        EXPECT_EQ(out.byOutputModes[n - 1], 2);
        EXPECT_EQ(out.byInputReserved[3], 0xAA); // carried through

        pane.m_OutputGrid.SetItemText(1, 0, "N.C.");
        Choose(&pane, IDC_RELAY_DWELL, 29);
        EXPECT_EQ(pane.GetRelaySettings(&out), 1);
        EXPECT_EQ(out.byOutputModes[0], 2);
        EXPECT_EQ(out.byDwell, 29);
        // Nothing was stored: asked again, the same change.
        EXPECT_EQ(pane.GetRelaySettings(&out), 1);
        pane.DestroyWindow();
    }
    EXPECT_EQ(host.modified, 2);
    g_nRecorderModel = 0;
}

TEST_F(SystemPanes, BlockPlaybackShowsItsValueAndReportsAChange)
{
    CBlockPlaybackDlg pane(&host);
    ASSERT_TRUE(pane.Create(IDD_BLOCK_PLAYBACK, &host));
    pane.SetValue(8);
    EXPECT_EQ(SelectedText(&pane, IDC_BLOCK_PLAYBACK), "14");
    Choose(&pane, IDC_BLOCK_PLAYBACK, 11);
    EXPECT_EQ(pane.GetValue(), 11);
    EXPECT_EQ(host.modified, 1);
    pane.SetValue(0);
    EXPECT_EQ(SelectedText(&pane, IDC_BLOCK_PLAYBACK), "Disable");
    pane.DestroyWindow();
}

TEST_F(SystemPanes, NicknameDialogGivesItsTextsOnOk)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        dlg->SetDlgItemText(IDC_NICKNAME, "Gate 2");
        dlg->SetDlgItemText(IDC_NICKNAME_LOCATION, "North yard");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CNicknameDlg dlg;
    dlg.m_strNickname = "Gate";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(std::string(dlg.m_strNickname), "Gate 2");
    EXPECT_EQ(std::string(dlg.m_strLocation), "North yard");
}

// A drag of the slider's thumb to a position.
void DragSlider(CWnd* pane, int id, int position)
{
    auto* slider = qobject_cast<QSlider*>(pane->GetDlgItem(id)->GetWidget());
    ASSERT_NE(slider, nullptr);
    slider->setSliderPosition(position);
}

tagAudioSetting Audio(uint8_t flags, uint8_t gain, uint8_t sync)
{
    return tagAudioSetting { { 7, 7, 7 }, flags, gain, sync };
}

TEST_F(SystemPanes, AudioPaneShowsTheChannelOnlyWhenSynchronised)
{
    CAudioDlg pane(&host);
    ASSERT_TRUE(pane.CreatePane(&host));
    pane.FillSyncChannels(4);
    EXPECT_EQ(int(pane.SendDlgItemMessage(IDC_AUDIO_CHANNEL, CB_GETCOUNT)), 5);
    // Without the synchronised flag the channel byte means nothing.
    pane.SetAudio(Audio(AUDIO_PLUS_20DB | AUDIO_RECORDING, 0, 2));
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_CHANNEL), "All");
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_GAIN_VALUE), "-7");
    tagAudioSetting out = Audio(0, 0, 0);
    pane.GetAudio(&out);
    EXPECT_EQ(out.byReserved[0] | out.byReserved[1] | out.byReserved[2], 0);
    EXPECT_EQ(out.byFlags, AUDIO_PLUS_20DB | AUDIO_RECORDING);
    EXPECT_EQ(out.bySyncChannel, SYNC_ALL);
    EXPECT_EQ(host.modified, 0); // what the page hands in is no edit

    pane.SetAudio(Audio(AUDIO_SYNC, 4, 2));
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_CHANNEL), "CH3");
    DragSlider(&pane, IDC_AUDIO_GAIN, 15);
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_GAIN_VALUE), "8");
    EXPECT_EQ(host.modified, 1);
    Choose(&pane, IDC_AUDIO_CHANNEL, 0);
    EXPECT_EQ(host.modified, 2);
    pane.GetAudio(&out);
    EXPECT_EQ(out.byGain, 15);
    EXPECT_EQ(out.byFlags, 0);
    EXPECT_EQ(out.bySyncChannel, SYNC_ALL);
    pane.DestroyWindow();
}

TEST_F(SystemPanes, AudioInputsPaneStoresTheShownInputOnASwitch)
{
    CAudioGainDlg pane(&host);
    ASSERT_TRUE(pane.CreatePane(&host));
    // Six inputs offered, four kept; the second's reserved byte 2 is set and
    // its channel is one the list lacks.
    const uint8_t records[6 * AUDIO_INPUT_SIZE] = {
        1, 2, 0, 0x30, 3, 1, //
        4, 5, 9, 0x20, 12, 7, //
        0, 0, 0, 0x10, 0, 2, //
        0, 0, 0, 0x00, 9, 3, //
        0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, //
        0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, //
    };
    pane.SetAudioInputs(6, records);
    EXPECT_EQ(int(pane.SendDlgItemMessage(IDC_AUDIO_INPUTS, LB_GETCOUNT)), 4);
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_GAIN_VALUE), "3");
    EXPECT_EQ(host.modified, 0);
    int count = 0;
    uint8_t out[CAudioGainDlg::kMaxInputs * AUDIO_INPUT_SIZE] = {};
    EXPECT_FALSE(pane.GetAudioInputs(&count, out));
    EXPECT_EQ(count, 4);

    auto choose = [&pane](int input) {
        pane.SendDlgItemMessage(IDC_AUDIO_INPUTS, LB_SETCURSEL, WPARAM(input));
        pane.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AUDIO_INPUTS, LBN_SELCHANGE),
            reinterpret_cast<LPARAM>(pane.GetDlgItem(IDC_AUDIO_INPUTS)->GetSafeHwnd()));
    };
    choose(1);
    // A gain beyond the slider shows at its end; the channel shows none.
    EXPECT_EQ(SelectedText(&pane, IDC_AUDIO_GAIN_VALUE), "9");
    EXPECT_EQ(Selection(&pane, IDC_AUDIO_CHANNEL), -1);
    choose(2);
    EXPECT_TRUE(pane.GetAudioInputs(&count, out));
    const uint8_t second[AUDIO_INPUT_SIZE] = { 4, 5, 0, 0x20, 9, 7 };
    EXPECT_EQ(std::memcmp(out + AUDIO_INPUT_SIZE, second, sizeof second), 0);

    pane.SendDlgItemMessage(IDC_AUDIO_RECORDING, BM_CLICK);
    DragSlider(&pane, IDC_AUDIO_GAIN, 6);
    EXPECT_EQ(host.modified, 2);
    EXPECT_TRUE(pane.GetAudioInputs(&count, out));
    const uint8_t third[AUDIO_INPUT_SIZE] = { 0, 0, 0, 0x30, 6, 2 };
    EXPECT_EQ(std::memcmp(out + 2 * AUDIO_INPUT_SIZE, third, sizeof third), 0);
    EXPECT_FALSE(pane.GetAudioInputs(&count, out));
    pane.DestroyWindow();
}

} // namespace
