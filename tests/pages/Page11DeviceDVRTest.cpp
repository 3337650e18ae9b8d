// The recorder's device page against simulated recorders: the inputs and
// outputs line, the serial-port grid filled from the device lists and each
// port's settings, the choices a cell offers, the audio and text panes, what
// Apply writes in which order, and what a failed or odd read shows and
// keeps from being written.
#include "pages/Page11DeviceDVR.h"
#include "controls/GridInPlaceList.h"
#include "pages/SheetFactory.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class DeviceDvrPage : public PageTest
{
protected:
    CPage11DeviceDVR* Start(int recorderClass = 2)
    {
        Profile(4, recorderClass);
        StartDevice();
        return ShowPage<CPage11DeviceDVR>();
    }
    CPage11DeviceDVR* Page() { return static_cast<CPage11DeviceDVR*>(page); }
    // Whether a pane is shown in its page (the sheet itself may be off screen).
    static bool Shown(CWnd* pane) { return (pane->GetStyle() & WS_VISIBLE) != 0; }
    std::string Cell(int row, int col) { return std::string(Page()->Grid().GetItemText(row, col)); }
    std::vector<std::string> Row(int row)
    {
        std::vector<std::string> cells;
        for (int col = 0; col < 7; ++col)
            cells.push_back(Cell(row, col));
        return cells;
    }
    // The choices the in-place list of a cell offers; the edit is left as it was.
    std::vector<std::string> Offered(int row, int col)
    {
        CWnd* grid = page->GetDlgItem(IDC_DEVICE_GRID);
        ClickCell(IDC_DEVICE_GRID, row, col);
        if (!grid->GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)))
            ClickCell(IDC_DEVICE_GRID, row, col);
        std::vector<std::string> offered;
        auto* list = dynamic_cast<CInPlaceList*>(grid->GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)));
        if (!list)
            return offered;
        for (int i = 0; i < list->GetCount(); ++i) {
            CString text;
            list->GetLBText(i, text);
            offered.push_back(std::string(text));
        }
        list->EndEdit();
        PumpWaitingMessages();
        return offered;
    }
    // The generic parameter writes of `group` (item 6), in order.
    std::vector<sim::Exchange> Writes(uint16_t group)
    {
        std::vector<sim::Exchange> writes;
        char head[9];
        std::snprintf(head, sizeof head, "%04x0006", group);
        for (const sim::Exchange& e : Sent(0x0B06)) {
            if (HexOf(e.params, 0, 4) == head)
                writes.push_back(e);
        }
        return writes;
    }
    // The groups of the generic parameter writes, in the order sent.
    std::vector<int> WrittenGroups()
    {
        std::vector<int> groups;
        for (const sim::Exchange& e : Sent(0x0B06)) {
            if (e.params.size() >= 4 && e.params[3] == 6)
                groups.push_back(e.params[1]);
        }
        return groups;
    }
    static sim::Bytes Port(
        uint8_t device, uint8_t iface, uint8_t parity, uint8_t stop, uint8_t data, uint16_t baud)
    {
        return sim::Body().U8(device).U16(0).U8(iface).U8(parity).U8(stop).U8(data).U16(baud).bytes;
    }
};

using Cells = std::vector<std::string>;

TEST_F(DeviceDvrPage, ActivationFillsTheGridAndThePanes)
{
    Start();
    EXPECT_EQ(Text(IDC_DEVICE_IO_LABEL), "Sensor Input : 16 , Relay Output : 4");
    ASSERT_EQ(Page()->Grid().GetRowCount(), 5) << "four ports and the heading";
    EXPECT_EQ(Row(0), (Cells { "", "Device", "Interface", "Parity", "Stop", "Data", "Baud rate" }));
    EXPECT_EQ(Row(1), (Cells { "COM 1", "Text Insertion", "RS-232", "None", "1", "8", "9600" }));
    // The device's first name of a list means nothing attached.
    EXPECT_EQ(Row(2), (Cells { "COM 2", "None", "RS-485", "None", "1", "8", "2400" }));
    EXPECT_EQ(Sent(0x0B06).size(), 1u + 4 + 1 + 1) << "lists, four ports, audio, text";

    // The grid fits its cells, at most 460 pixels wide; the group holds it.
    CRect grid, group;
    Page()->Grid().GetWindowRect(&grid);
    page->GetDlgItem(IDC_DEVICE_SERIAL_GROUP)->GetWindowRect(&group);
    int width = 2;
    for (int col = 0; col < 7; ++col)
        width += Page()->Grid().GetColumnWidth(col);
    EXPECT_EQ(Page()->Grid().GetColumnWidth(0), 110);
    EXPECT_EQ(Page()->Grid().GetColumnWidth(1), 110);
    EXPECT_EQ(grid.Width(), std::min(width, 460));
    EXPECT_EQ(grid.Height(), 5 * Page()->Grid().GetRowHeight(0) + 2 + (width > 460 ? 16 : 0));
    EXPECT_EQ(group.Height(), grid.Height() + 40);

    CWnd* text = Page()->TextPane();
    EXPECT_TRUE(Shown(text));
    CString device;
    static_cast<CComboBox*>(text->GetDlgItem(IDC_TEXT_DEVICE))->GetLBText(0, device);
    EXPECT_EQ(std::string(device), "Manual");
    EXPECT_TRUE(Checked(IDC_TEXT_RECORDING, text));
    EXPECT_EQ(int(Page()->AudioPane()->SendDlgItemMessage(IDC_AUDIO_CHANNEL, CB_GETCOUNT)), 17)
        << "All and sixteen channels";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page11_device_dvr.png");
}

// The model class names the ports, counts the inputs, decides which rows
// are RS-232 only and whether the page has a text pane.
TEST_F(DeviceDvrPage, TheModelClassShapesThePage)
{
    struct Case {
        int recorderClass;
        const char* line;
        Cells names;
        int rs485Row; // the first row that offers RS-485 and RS-422
        bool text;
    };
    const Case cases[] = {
        { 0, "Sensor Input : 4 , Relay Output : 4", { "RS-232", "RS-232(PTZ)", "RS-422/485(PTZ)" }, 3, true },
        { 2, "Sensor Input : 16 , Relay Output : 4", { "COM 1", "COM 2", "COM 3", "COM 4" }, 2, true },
        { 4, "Sensor Input : 16 , Relay Output : 4", { "COM 1", "COM 2", "COM 3", "COM 4" }, 2, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.recorderClass);
        Start(c.recorderClass);
        EXPECT_EQ(Text(IDC_DEVICE_IO_LABEL), c.line);
        Cells names;
        for (int row = 1; row < Page()->Grid().GetRowCount(); ++row)
            names.push_back(Cell(row, 0));
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(Offered(1, 2), Cells { "RS-232" });
        EXPECT_EQ(Offered(c.rs485Row, 2), (Cells { "RS-485", "RS-422" }));
        EXPECT_EQ(Offered(3, 2), c.recorderClass >= 2 ? Cells { "RS-232" } : (Cells { "RS-485", "RS-422" }));
        EXPECT_EQ(Cell(3, 2), c.recorderClass >= 2 ? "RS-232" : "RS-485") << "as the recorder keeps it";
        // The first port has its own devices.
        EXPECT_EQ(Offered(1, 1), (Cells { "None", "Text Insertion", "Control Keyboard" }));
        EXPECT_EQ(Offered(2, 1), (Cells { "None", "Pelco-D", "Pelco-P", "Kalatel" }));
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << "an edit begun marks the page";
        EXPECT_EQ(Shown(Page()->TextPane()), c.text);
        CRect group;
        page->GetDlgItem(IDC_DEVICE_SERIAL_GROUP)->GetWindowRect(&group);
        page->ScreenToClient(&group);
        EXPECT_EQ(group.top, c.text ? 289 : 130);
        if (c.recorderClass == 4)
            SavePicture("page11_device_dvr_class4.png");
        Close();
    }
}

TEST_F(DeviceDvrPage, OddPortValuesShowAsTheRecorderMeansThem)
{
    Profile(4, 2);
    StartDevice();
    sim::SettingsStore& store = Server().Store();
    store.StoreParameter(3, 0, Port(9, 3, 3, 1, 0, 8)); // device and codes beyond their tables
    store.StoreParameter(3, 1, Port(3, 2, 2, 2, 3, 7));
    store.StoreParameter(3, 2, Port(0, 0, 1, 3, 1, 0xFFFF));
    ShowPage<CPage11DeviceDVR>();
    EXPECT_EQ(Row(1), (Cells { "COM 1", "", "", "", "2", "7", "1200" }));
    EXPECT_EQ(Row(2), (Cells { "COM 2", "Kalatel", "RS-422", "Odd", "2", "7", "115200" }));
    EXPECT_EQ(Row(3), (Cells { "COM 3", "None", "RS-232", "Even", "", "7", "1200" }));
}

TEST_F(DeviceDvrPage, ApplyWritesTextAudioThenEveryPort)
{
    Start();
    ChooseInGridCell(IDC_DEVICE_GRID, 2, 1, "Pelco-P");
    ChooseInGridCell(IDC_DEVICE_GRID, 2, 3, "Even");
    ChooseInGridCell(IDC_DEVICE_GRID, 2, 4, "2");
    ChooseInGridCell(IDC_DEVICE_GRID, 2, 5, "8");
    ChooseInGridCell(IDC_DEVICE_GRID, 2, 6, "19200");
    ChooseInGridCell(IDC_DEVICE_GRID, 4, 2, "RS-422");
    MoveSlider(IDC_AUDIO_GAIN, 12, Page()->AudioPane());
    Click(IDC_AUDIO_20DB, Page()->AudioPane());
    SetText(IDC_TEXT_DELIMITER, "0d0a", Page()->TextPane());
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(WrittenGroups(), (std::vector<int> { 5, 4, 3, 3, 3, 3 }));

    std::vector<sim::Exchange> ports = Writes(3);
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[1].length, 32u + 6 + 11);
    // Port, device, reserved word, interface, parity, stop, data, baud, 0.
    EXPECT_EQ(HexOf(ports[1].params, 6, 11), "0102000001010202000400");
    EXPECT_EQ(HexOf(ports[0].params, 6, 11), "0001000000000002000300") << "port 1 as read";
    EXPECT_EQ(HexOf(ports[3].params, 6, 11), "0300000002000002000100");
    std::vector<sim::Exchange> audio = Writes(4);
    ASSERT_EQ(audio.size(), 1u);
    EXPECT_EQ(audio[0].length, 32u + 6 + 5);
    EXPECT_EQ(audio[0].params[6], 0) << "the audio input";
    EXPECT_EQ(audio[0].params[7] & 0x80, 0x80) << "+ 20dB in the flag byte, the word's high byte";
    EXPECT_EQ(audio[0].params[9], 12) << "the gain";
    EXPECT_EQ(Writes(5).size(), 1u) << "a lower-case delimiter passes";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    // The next activation reads back what was stored.
    ShowPage<CPage11DeviceDVR>();
    EXPECT_EQ(Row(2), (Cells { "COM 2", "Pelco-P", "RS-485", "Even", "2", "8", "19200" }));
    EXPECT_EQ(Cell(4, 2), "RS-422");
    EXPECT_TRUE(Checked(IDC_AUDIO_20DB, Page()->AudioPane()));
    EXPECT_EQ(Text(IDC_AUDIO_GAIN_VALUE, Page()->AudioPane()), "5");
}

TEST_F(DeviceDvrPage, AHexErrorInTheDelimiterSkipsOnlyTheText)
{
    Start();
    SetText(IDC_TEXT_DELIMITER, "0G", Page()->TextPane());
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Please enter a hexa value." });
    EXPECT_EQ(WrittenGroups(), (std::vector<int> { 4, 3, 3, 3, 3 }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)) << "the page counts as applied";
}

// What was not read is not written: a port whose answer was short, the
// audio whose answer was short, or everything when the lists were lost.
TEST_F(DeviceDvrPage, OkAfterAFailedReadWritesOnlyWhatWasRead)
{
    Profile(4, 2);
    StartDevice();
    sim::SettingsStore& store = Server().Store();
    const sim::Bytes port1 = store.StoredParameter(3, 1);
    const sim::Bytes audio = store.StoredParameter(4, 0);
    struct Case {
        const char* what;
        std::function<void()> breakIt, mendIt;
        std::vector<int> groups;
    };
    const Case cases[] = {
        { "port 2", [&] { store.StoreParameter(3, 1, sim::Bytes(4, 0)); },
            [&] { store.StoreParameter(3, 1, port1); }, { 5, 4, 3, 3, 3 } },
        { "audio", [&] { store.StoreParameter(4, 0, sim::Bytes(3, 0)); },
            [&] { store.StoreParameter(4, 0, audio); }, { 5, 3, 3, 3, 3 } },
        { "lists",
            [&] {
                sim::Fault drop;
                drop.closeWithoutReply = true;
                Server().SetFault(0x0B06, drop);
            },
            [&] { Server().ClearFaults(); }, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        ShowPage<CPage11DeviceDVR>();
        c.mendIt();
        Click(IDC_AUDIO_20DB, Page()->AudioPane());
        ClearSent();
        Click(IDC_PAGE_OK);
        EXPECT_EQ(WrittenGroups(), c.groups);
        std::vector<sim::Exchange> ports = Writes(3);
        if (std::string(c.what) == "port 2" && ports.size() == 3) {
            EXPECT_EQ(HexOf(ports[1].params, 6, 1), "02") << "port 2 is passed over";
        }
    }
}

TEST_F(DeviceDvrPage, AnInvalidDeviceListStopsTheActivation)
{
    Profile(4, 2);
    StartDevice();
    Server().Store().StoreParameter(3, 0xFFFF, sim::Body().U8(4).U8(1).U8(3).Text("Relay box", 32).bytes);
    ShowPage<CPage11DeviceDVR>();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The received data is invalid." });
    EXPECT_EQ(Sent(0x0B06).size(), 1u) << "no port, audio or text read";
    EXPECT_TRUE(Sent(0x0403).empty());
}

TEST_F(DeviceDvrPage, CreatableByItsClassName)
{
    std::unique_ptr<CConfigPage> created(CreatePageByClassName("CPage11DeviceDVR"));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Slot(), SLOT_DeviceDVR);
}

} // namespace
