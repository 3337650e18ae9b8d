// One channel's Home/Night/Outing recording: the two grids filled from the
// channel's record and read back at OK, the quality box of a mode on the
// camera's live picture, and what the dialog must hand back untouched.
#include "dialogs/ChannelScheduleDlg.h"
#include "controls/CheckMarkGrid.h"
#include "dialogs/QualityBoxDlg3.h"
#include "tests/pages/PageFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstring>

namespace
{

// Home records 1 f/30 s, Night a rate no list holds, Outing nothing; every
// byte the dialog does not own is filled so that a change shows.
tagChannelSchedule Record()
{
    tagChannelSchedule record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = uint8_t(0x30 + i);
    tagScheduleEntry& home = record.row[0];
    home.normalRate = 0x00088888;
    home.normalResolution = 2;
    home.normalQuality = 7;
    home.normalFlags = 0x70 | 0x80 | 3; // box on at level 3; bits 4 to 6 are not the dialog's
    home.alarmRate = 0x0F000000;
    home.alarmResolution = 4;
    home.alarmQuality = 9;
    home.triggers = 0x80 | 0x02; // MD and S2
    home.reserved = 0x0001; // S5
    home.boxLeft = 100;
    home.boxTop = 60;
    home.boxRight = 300;
    home.boxBottom = 200;
    tagScheduleEntry& night = record.row[1];
    night.normalRate = 0x12345678;
    night.normalResolution = 1;
    night.normalQuality = 0;
    night.normalFlags = 0;
    night.alarmRate = 0x1E000000;
    night.alarmResolution = 0;
    night.alarmQuality = 5;
    night.triggers = 0;
    night.reserved = 0;
    night.boxLeft = night.boxTop = night.boxRight = night.boxBottom = 0;
    tagScheduleEntry& outing = record.row[2];
    outing.normalRate = outing.alarmRate = 0;
    outing.normalResolution = outing.normalQuality = outing.alarmResolution = outing.alarmQuality = 0;
    outing.normalFlags = 0;
    outing.triggers = 0;
    outing.reserved = 0x8000; // S20
    outing.boxLeft = outing.boxTop = outing.boxRight = outing.boxBottom = 0;
    return record;
}

class ChannelScheduleDlgTest : public PageTest
{
protected:
    // Runs the dialog of channel 2 over `record`; the record after OK.
    int Run(BYTE b30Frames, BYTE bExtended, tagChannelSchedule* record,
        const std::function<void(CChannelScheduleDlg*)>& script, BYTE bRotate = 0)
    {
        CChannelScheduleDlg dlg;
        dlg.SetChannelSchedule(2, b30Frames, bRotate, bExtended, *record);
        ScriptedDialogRunner runner([&](CDialog* shown) {
            if (auto* box = dynamic_cast<CQualityBoxDlg3*>(shown))
                boxScript(box);
            else
                script(static_cast<CChannelScheduleDlg*>(shown));
        });
        ScopedService<IModalDialogRunner> scope(&runner);
        const int result = int(dlg.DoModal());
        if (result == IDOK)
            dlg.GetChannelSchedule(record);
        return result;
    }
    std::string Cell(CGridCtrl& grid, int row, int col)
    {
        return static_cast<LPCTSTR>(grid.GetItemText(row, col));
    }

    std::function<void(CQualityBoxDlg3*)> boxScript = [](CQualityBoxDlg3* box) { box->EndDialog(IDCANCEL); };
};

TEST_F(ChannelScheduleDlgTest, TheRecordIsShownAndAnUntouchedOneComesBackAsItWent)
{
    tagChannelSchedule record = Record();
    tagChannelSchedule expected = record;
    // The rate no list holds shows as the first and is written as it.
    expected.row[1].normalRate = 0x1E000000;
    EXPECT_EQ(Run(1, 0, &record,
                  [this](CChannelScheduleDlg* dlg) {
                      CString caption;
                      dlg->GetWindowText(caption);
                      EXPECT_EQ(std::string(caption), "Channel 2");
                      CGridCtrl& grid = dlg->m_RecordGrid;
                      EXPECT_EQ(Cell(grid, 0, 1), "Frame rate");
                      EXPECT_EQ(Cell(grid, 0, 6), "Quality");
                      EXPECT_EQ(Cell(grid, 3, 0), "Outing");
                      EXPECT_EQ(Cell(grid, 1, 1), "1f/30s");
                      EXPECT_EQ(Cell(grid, 1, 2), "CIF(360X243)");
                      EXPECT_EQ(Cell(grid, 1, 3), "7");
                      EXPECT_EQ(Cell(grid, 1, 4), "15f/s");
                      EXPECT_EQ(Cell(grid, 2, 1), "30f/s");
                      EXPECT_EQ(Cell(grid, 3, 1), "No Save");
                      CGridCtrl& triggers = dlg->m_TriggerGrid;
                      EXPECT_EQ(triggers.GetColumnCount(), 6) << "MD and S1 to S4";
                      EXPECT_EQ(Cell(triggers, 0, 1), "MD");
                      EXPECT_EQ(Cell(triggers, 0, 5), "S4");
                      EXPECT_EQ(triggers.GetItemImage(1, 1), CHECK_TICKED);
                      EXPECT_EQ(triggers.GetItemImage(1, 2), CHECK_CLEAR);
                      EXPECT_EQ(triggers.GetItemImage(1, 3), CHECK_TICKED);
                      EXPECT_EQ(Checked(IDC_CHSCHED_BOX_HOME, dlg), BST_CHECKED);
                      EXPECT_EQ(Checked(IDC_CHSCHED_BOX_NIGHT, dlg), BST_UNCHECKED);
                      EXPECT_EQ(dlg->m_Area[0].m_nMode, 3) << "the level";
                      EXPECT_EQ(CRect(dlg->m_Area[0].m_nX1, dlg->m_Area[0].m_nY1, dlg->m_Area[0].m_nX2,
                                    dlg->m_Area[0].m_nY2),
                          CRect(100, 60, 300, 200));
                      EXPECT_FALSE(Enabled(IDOK, dlg));
                      // Ticked and unticked again: nothing changed, but OK may be pressed.
                      ClickCell(triggers, 2, 4);
                      EXPECT_EQ(triggers.GetItemImage(2, 4), CHECK_TICKED);
                      ClickCell(triggers, 2, 4);
                      EXPECT_TRUE(Enabled(IDOK, dlg));
                      SavePicture("channel_schedule_dlg.png", dlg);
                      Click(IDOK, dlg);
                  }),
        IDOK);
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
}

TEST_F(ChannelScheduleDlgTest, EditsOfBothGridsAndTheBoxChecksAreWrittenAtOk)
{
    tagChannelSchedule record = Record();
    Run(0, 1, &record, [this](CChannelScheduleDlg* dlg) {
        CGridCtrl& grid = dlg->m_RecordGrid;
        EXPECT_EQ(Cell(grid, 2, 4), "25f/s") << "a 30-frame code is not in a 25-frame camera's list";
        // A click opens the column's list; its choice lands in the cell.
        ClickCell(grid, 3, 1);
        EXPECT_TRUE(Enabled(IDOK, dlg));
        grid.SetItemText(3, 1, "25f/s");
        grid.SetItemText(3, 2, "FULL(720X486)");
        grid.SetItemText(3, 6, "4");
        grid.SetItemText(2, 3, "Best"); // not an option: the first
        CGridCtrl& triggers = dlg->m_TriggerGrid;
        EXPECT_EQ(triggers.GetColumnCount(), 22) << "MD and S1 to S20";
        EXPECT_EQ(triggers.GetItemImage(1, 6), CHECK_TICKED) << "S5";
        EXPECT_EQ(triggers.GetItemImage(3, 21), CHECK_TICKED) << "S20";
        ClickCell(triggers, 2, 1); // Night: MD
        ClickCell(triggers, 2, 7); // Night: S6
        ClickCell(triggers, 1, 6); // Home: S5 off
        Click(IDC_CHSCHED_BOX_HOME, dlg);
        Click(IDC_CHSCHED_BOX_OUTING, dlg);
        Click(IDOK, dlg);
    });
    EXPECT_EQ(record.row[2].normalRate, 0x19000000u);
    EXPECT_EQ(record.row[2].normalResolution, 4);
    EXPECT_EQ(record.row[2].alarmQuality, 4);
    EXPECT_EQ(record.row[2].normalFlags, 0x80);
    EXPECT_EQ(record.row[1].alarmRate, 0x19000000u) << "shown as the first, written as the 25-frame first";
    EXPECT_EQ(record.row[1].normalQuality, 0);
    EXPECT_EQ(record.row[1].triggers, 0x80);
    EXPECT_EQ(record.row[1].reserved, 1u << 1);
    EXPECT_EQ(record.row[0].triggers, 0x82);
    EXPECT_EQ(record.row[0].reserved, 0u);
    EXPECT_EQ(record.row[0].normalFlags, 0x73) << "box off, level and the other bits kept";
    EXPECT_EQ(record.row[2].reserved, 0x8000u);
}

TEST_F(ChannelScheduleDlgTest, AModesQualityBoxIsDrawnOnTheLivePictureAndCancelHandsNothingBack)
{
    Profile(0);
    StartDevice();
    g_CurrentDevice.dwHttpPort = StartCamera().Port();
    tagChannelSchedule record = Record();
    record.row[1].boxLeft = 200;
    record.row[1].boxTop = 100;
    record.row[1].boxRight = 400;
    record.row[1].boxBottom = 300;
    RECT chosen {};
    boxScript = [&](CQualityBoxDlg3* box) {
        EXPECT_EQ(box->m_nMode, 1);
        EXPECT_EQ(box->m_nChannel, 1);
        EXPECT_EQ(CRect(box->m_rcArea), CRect(200, 100, 400, 300));
        EXPECT_EQ(box->m_nQuality, -1) << "level 0: no level chosen";
        EXPECT_TRUE(box->m_bRotate);
        Click(IDC_QUALITY_LEVEL2, box);
        Click(IDOK, box);
        chosen = box->m_rcArea;
    };
    const tagChannelSchedule before = record;
    EXPECT_EQ(Run(
                  1, 0, &record,
                  [this](CChannelScheduleDlg* dlg) {
                      // Turned: mirrored both ways in the 720 x 243 field.
                      EXPECT_EQ(CRect(dlg->m_Area[1].m_nX1, dlg->m_Area[1].m_nY1, dlg->m_Area[1].m_nX2,
                                    dlg->m_Area[1].m_nY2),
                          CRect(320, -57, 520, 143));
                      ClickMiddle(IDC_SCHEDULE_AREA2, dlg);
                      EXPECT_TRUE(Enabled(IDOK, dlg));
                      EXPECT_EQ(dlg->m_Area[1].m_nMode, 2);
                      Click(IDCANCEL, dlg);
                  },
                  1),
        IDCANCEL);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);

    Run(
        1, 0, &record,
        [this](CChannelScheduleDlg* dlg) {
            ClickMiddle(IDC_SCHEDULE_AREA2, dlg);
            Click(IDOK, dlg);
        },
        1);
    EXPECT_EQ(record.row[1].normalFlags, 0x02);
    EXPECT_EQ(
        CRect(record.row[1].boxLeft, record.row[1].boxTop, record.row[1].boxRight, record.row[1].boxBottom),
        CRect(chosen));
}

} // namespace
