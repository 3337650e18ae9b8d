// The alarm-source page against a simulated recorder of model class 4: the
// sensor types, each camera's motion entry and the text insertion read on
// activation and written by Apply, the two panes' Global and per-camera
// edits, the motion area drawn in the motion detect dialog, and what a
// failed read keeps from being written.
#include "pages/Page14DVRInput.h"
#include "dialogs/MotionDetectDlg.h"
#include "pages/SheetFactory.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <cstring>
#include <string>

namespace
{

class DvrInputPage : public PageTest
{
protected:
    CPage14DVRInput* Start(int analogCameras = -1)
    {
        sim::DeviceProfile& profile = Profile(4, 4);
        if (analogCameras >= 0)
            profile.analogCameras = analogCameras;
        StartDevice();
        return ShowPage<CPage14DVRInput>();
    }
    CPage14DVRInput* Page() { return static_cast<CPage14DVRInput*>(page); }
    CWnd* Sensors() { return Page()->SensorPane(); }
    CWnd* Motion() { return Page()->MotionPane(); }
    CWnd* TextPane() { return Page()->TextPane(); }
    std::string SensorCell(int input)
    {
        return std::string(Page()->SensorPane()->Grid().GetItemText(1, input));
    }
    std::string ListEntry(CWnd* pane, int id, int index, bool combo)
    {
        CString text;
        if (combo)
            static_cast<CComboBox*>(pane->GetDlgItem(id))->GetLBText(index, text);
        else
            static_cast<CListBox*>(pane->GetDlgItem(id))->GetText(index, text);
        return std::string(text);
    }
    int Count(CWnd* pane, int id, bool combo)
    {
        return int(pane->SendDlgItemMessage(id, combo ? CB_GETCOUNT : LB_GETCOUNT));
    }
    // The cameras whose motion entry a write carried, in order.
    std::vector<int> MotionWrites()
    {
        std::vector<int> cameras;
        for (const sim::Exchange& e : Sent(0x0315))
            cameras.push_back(e.params.empty() ? -1 : e.params[0]);
        return cameras;
    }
    // The text group's writes (0x0B06 group 5 item 6).
    std::vector<sim::Exchange> TextWrites()
    {
        std::vector<sim::Exchange> writes;
        for (const sim::Exchange& e : Sent(0x0B06)) {
            if (HexOf(e.params, 0, 4) == "00050006")
                writes.push_back(e);
        }
        return writes;
    }
};

std::vector<int> Range(int first, int end)
{
    std::vector<int> values;
    for (int v = first; v < end; ++v)
        values.push_back(v);
    return values;
}

TEST_F(DvrInputPage, ActivationShowsTheSensorsTheCamerasAndTheTextDevicesAsSent)
{
    Start();
    EXPECT_EQ(Sent(0x0314).size(), 12u) << "one motion read per analogue camera";
    // Sixteen inputs: the first two wired normally open and closed.
    EXPECT_EQ(Page()->SensorPane()->Grid().GetColumnCount(), 16);
    EXPECT_EQ(SensorCell(0), "NO");
    EXPECT_EQ(SensorCell(1), "NC");
    EXPECT_EQ(SensorCell(15), "Off");
    // A wide grid is cut to 470 pixels and made room for its scroll bar.
    CRect grid;
    Page()->SensorPane()->Grid().GetWindowRect(&grid);
    EXPECT_EQ(grid.Width(), 470);
    EXPECT_EQ(grid.Height(), 2 * 18 + 2 + 16);

    ASSERT_EQ(Count(Motion(), IDC_MOTION_CAMERAS, false), 13);
    EXPECT_EQ(ListEntry(Motion(), IDC_MOTION_CAMERAS, 0, false), "Global");
    EXPECT_EQ(ListEntry(Motion(), IDC_MOTION_CAMERAS, 12, false), "Cam12");
    EXPECT_TRUE(Shown(IDC_MOTION_AREA, Motion())) << "the Global view";
    EXPECT_FALSE(Shown(IDC_MOTION_CUSTOM_AREA, Motion()));
    // The text devices keep the name the device gives its first entry.
    ASSERT_EQ(Count(TextPane(), IDC_TEXT_DEVICE, true), 3);
    EXPECT_EQ(ListEntry(TextPane(), IDC_TEXT_DEVICE, 0, true), "-");
    EXPECT_EQ(ListEntry(TextPane(), IDC_TEXT_DEVICE, 1, true), "POS Generic");
    EXPECT_EQ(Count(TextPane(), IDC_TEXT_SYNC, true), 13) << "All and twelve channels";
    EXPECT_TRUE(Checked(IDC_TEXT_RECORDING, TextPane())) << "the flag byte is the word's high byte";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page14_dvr_input.png");

    SelectList(IDC_MOTION_CAMERAS, 1, Motion());
    EXPECT_EQ(ComboSelection(IDC_MOTION_SENSITIVITY, Motion()), 2);
    EXPECT_TRUE(Checked(IDC_MOTION_VIDEO_LOSS, Motion()));
    EXPECT_TRUE(Shown(IDC_MOTION_CUSTOM_AREA, Motion()));
    EXPECT_FALSE(Enabled(IDC_MOTION_APPLY, Motion()));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "looking is no edit";
}

TEST_F(DvrInputPage, ApplyWritesTheSensorsSixteenMotionEntriesAndTheText)
{
    Start(4);
    EXPECT_EQ(Sent(0x0314).size(), 4u);
    ChooseInGridCell(IDC_SENSOR_GRID, 1, 2, "NC", Sensors());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    // Camera 2 edited, then camera 3 shown and edited without a switch.
    SelectList(IDC_MOTION_CAMERAS, 2, Motion());
    SelectCombo(IDC_MOTION_SENSITIVITY, 3, Motion());
    Click(IDC_MOTION_VIDEO_LOSS, Motion());
    SelectList(IDC_MOTION_CAMERAS, 3, Motion());
    EXPECT_EQ(ComboSelection(IDC_MOTION_SENSITIVITY, Motion()), 2) << "camera 3's own entry";
    SelectCombo(IDC_MOTION_SENSITIVITY, 0, Motion());
    SetText(IDC_TEXT_DELIMITER, "0d0a", TextPane());
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());

    std::vector<sim::Exchange> sensors = Sent(0x0313);
    ASSERT_EQ(sensors.size(), 1u);
    EXPECT_EQ(sensors[0].length, 48u);
    EXPECT_EQ(HexOf(sensors[0].params, 0, 4), "01020200");
    // Four cameras read, sixteen entries written: the ones beyond empty.
    EXPECT_EQ(MotionWrites(), Range(0, 16));
    std::vector<sim::Exchange> motion = Sent(0x0315);
    EXPECT_EQ(motion[1].length, 43u);
    EXPECT_EQ(HexOf(motion[1].params, 0, 11), "0103003c3c3c3c00000001") << "camera 2: High, video loss on";
    EXPECT_EQ(HexOf(motion[2].params, 0, 2), "0200") << "camera 3: Off, kept though still shown";
    EXPECT_EQ(HexOf(motion[0].params, 0, 11), "0002003c3c3c3c00000001") << "camera 1 as read";
    EXPECT_EQ(HexOf(motion[15].params, 0, 11), "0f00000000000000000000");
    // A lower-case delimiter passes; the text goes with the recording flag
    // in the high byte of its word.
    std::vector<sim::Exchange> text = TextWrites();
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].length, 32u + 6 + 146);
    EXPECT_EQ(HexOf(text[0].params, 6, 3), "008000");
    EXPECT_EQ(HexOf(text[0].params, 6 + 1 + 4 + 128, 5), "3064306100");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    // What the device stored is what the next activation shows.
    ShowPage<CPage14DVRInput>();
    EXPECT_EQ(SensorCell(2), "NC");
    SelectList(IDC_MOTION_CAMERAS, 2, Motion());
    EXPECT_EQ(ComboSelection(IDC_MOTION_SENSITIVITY, Motion()), 3);
    EXPECT_EQ(Text(IDC_TEXT_DELIMITER, TextPane()), "0d0a");
}

TEST_F(DvrInputPage, TheGlobalChoicesSetEveryInputAndEveryCamera)
{
    Start(4);
    SelectCombo(IDC_SENSOR_GLOBAL, 2, Sensors());
    Click(IDC_SENSOR_APPLY, Sensors());
    for (int input : { 0, 7, 15 })
        EXPECT_EQ(SensorCell(input), "NC") << input;
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    SelectCombo(IDC_MOTION_SENSITIVITY, 1, Motion());
    Click(IDC_MOTION_VIDEO_LOSS, Motion());
    SelectCombo(IDC_MOTION_AREA, 1, Motion()); // "Clear All"
    Click(IDC_MOTION_APPLY, Motion());
    ClearSent();
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0313).size(), 1u);
    EXPECT_EQ(HexOf(Sent(0x0313)[0].params, 0, 16), "02020202020202020202020202020202");
    std::vector<sim::Exchange> motion = Sent(0x0315);
    ASSERT_EQ(motion.size(), 16u);
    for (int camera = 0; camera < 4; ++camera)
        EXPECT_EQ(HexOf(motion[camera].params, 1, 10), "01000000000000000001") << camera;
    EXPECT_EQ(HexOf(motion[4].params, 1, 10), "00000000000000000000") << "no camera 5 on this recorder";
}

TEST_F(DvrInputPage, TheCustomAreaChangesOnlyItsCamerasEightBytes)
{
    Start(4);
    SelectList(IDC_MOTION_CAMERAS, 3, Motion());
    dialogs.script = [this](CDialog* dlg) {
        auto* md = dynamic_cast<CMotionDetectDlg*>(dlg);
        ASSERT_NE(md, nullptr);
        EXPECT_FALSE(Shown(IDC_MD_THRESHOLD, md)) << "the pane hides the threshold";
        dlg->SendMessage(WM_COMMAND, IDC_MD_SET_ALL);
        dlg->SendMessage(WM_COMMAND, IDOK);
    };
    Click(IDC_MOTION_CUSTOM_AREA, Motion());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    std::vector<sim::Exchange> motion = Sent(0x0315);
    ASSERT_EQ(motion.size(), 16u);
    EXPECT_EQ(HexOf(motion[2].params, 0, 11), "0202ffffffffffffffff01");
    EXPECT_EQ(HexOf(motion[1].params, 0, 11), "0102003c3c3c3c00000000");
    EXPECT_EQ(HexOf(Server().Store().Stored(0x0314, 2), 2, 8), "ffffffffffffffff");

    // Cancel keeps the area.
    dialogs.script = [](CDialog* dlg) {
        dlg->SendMessage(WM_COMMAND, IDC_MD_CLEAR_ALL);
        dlg->SendMessage(WM_COMMAND, IDCANCEL);
    };
    Click(IDC_MOTION_CUSTOM_AREA, Motion());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(Page()->MotionPane()->Entry(2).byArea[0], 0xFF);
}

TEST_F(DvrInputPage, AHexErrorInTheDelimiterSkipsOnlyTheText)
{
    Start(4);
    SetText(IDC_TEXT_DELIMITER, "0G", TextPane());
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Please enter a hexa value." });
    EXPECT_TRUE(TextWrites().empty());
    EXPECT_EQ(Sent(0x0313).size(), 1u);
    EXPECT_EQ(Sent(0x0315).size(), 16u);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "the page counts as applied";
}

// A read that failed keeps its group, or the one camera, from being
// written over with what the page never had.
TEST_F(DvrInputPage, OkAfterAFailedReadWritesNothingOfWhatWasNotRead)
{
    struct Case {
        uint16_t failing;
        size_t sensorWrites;
        std::vector<int> motionWrites;
        size_t textWrites;
    };
    const Case cases[] = {
        { 0x0312, 0, Range(0, 16), 1 },
        { 0x0314, 1, Range(4, 16), 1 }, // no camera of the four, the empty ones still
        { 0x0403, 1, {}, 1 }, // no camera count, no motion entry known
        { 0x0B06, 0, {}, 0 }, // no device list: nothing more was read
    };
    Profile(4, 4).analogCameras = 4;
    StartDevice();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        sim::Fault drop;
        drop.closeWithoutReply = true;
        Server().SetFault(c.failing, drop);
        ShowPage<CPage14DVRInput>();
        Server().ClearFaults();
        ChooseInGridCell(IDC_SENSOR_GRID, 1, 3, "NC", Sensors());
        ClearSent();
        Click(IDC_PAGE_OK);
        EXPECT_EQ(Sent(0x0313).size(), c.sensorWrites);
        EXPECT_EQ(MotionWrites(), c.motionWrites);
        EXPECT_EQ(TextWrites().size(), c.textWrites);
    }
}

TEST_F(DvrInputPage, AnInvalidDeviceListStopsTheActivation)
{
    Profile(4, 4);
    StartDevice();
    // A list of a fourth kind.
    Server().Store().StoreParameter(3, 0xFFFF, sim::Body().U8(4).U8(1).U8(3).Text("Relay box", 32).bytes);
    ShowPage<CPage14DVRInput>();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The received data is invalid." });
    EXPECT_TRUE(Sent(0x0312).empty());
    EXPECT_TRUE(Sent(0x0314).empty());
    EXPECT_EQ(Count(Motion(), IDC_MOTION_CAMERAS, false), 0);
}

} // namespace
