// The relay plan of the Home/Night/Outing schedules: a check grid per mode,
// "Manual" locking its row, the masks rebuilt at OK and everything else of
// the table handed back as it came.
#include "dialogs/RelayModeDlg.h"
#include "controls/CheckMarkGrid.h"
#include "tests/pages/PageFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <cstring>

namespace
{

constexpr uint32_t kManual = 0x80000000;
constexpr uint32_t kMd1 = 1u << 20;
constexpr uint32_t kS1 = 1u;

// Every byte filled, so that what the dialog must not touch shows.
tagRelayTable Filled()
{
    tagRelayTable table;
    auto* bytes = reinterpret_cast<uint8_t*>(&table);
    for (size_t i = 0; i < sizeof table; ++i)
        bytes[i] = uint8_t(0x40 + i);
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        for (int relay = 0; relay < 4; ++relay)
            CRelayModeDlg::ModeMask(table, mode, relay) = 0;
    }
    return table;
}

// The table without its mode masks.
tagRelayTable Rest(tagRelayTable table)
{
    for (int mode = 0; mode < SCHEDULE_MODE_COUNT; ++mode) {
        for (int relay = 0; relay < 4; ++relay)
            CRelayModeDlg::ModeMask(table, mode, relay) = 0;
    }
    return table;
}

class RelayModeDlgTest : public PageTest
{
protected:
    // Runs the dialog over `table` with a script; gives the table after OK.
    int Run(BYTE wide, tagRelayTable* table, const std::function<void(CRelayModeDlg*)>& script)
    {
        CRelayModeDlg dlg;
        dlg.SetRelaySchedule(wide, table);
        ScriptedDialogRunner runner([&](CDialog* shown) { script(static_cast<CRelayModeDlg*>(shown)); });
        ScopedService<IModalDialogRunner> scope(&runner);
        const int result = int(dlg.DoModal());
        if (result == IDOK)
            dlg.GetRelaySchedule(table);
        return result;
    }
};

TEST_F(RelayModeDlgTest, ManualLocksItsRowAndTheMasksComeBackAsTheyWent)
{
    tagRelayTable table = Filled();
    CRelayModeDlg::ModeMask(table, 0, 0) = kManual | kMd1 | kS1;
    CRelayModeDlg::ModeMask(table, 2, 3) = 1u << 19 | 1u << 23;
    const tagRelayTable before = table;
    EXPECT_EQ(Run(1, &table,
                  [this](CRelayModeDlg* dlg) {
                      CGridCtrl& home = dlg->m_Grid[0];
                      EXPECT_EQ(home.GetItemImage(1, 1), CHECK_TICKED);
                      EXPECT_EQ(home.GetItemImage(1, 2), CHECK_GREY_TICKED) << "MD1 locked";
                      EXPECT_EQ(home.GetItemImage(1, 3), CHECK_GREY_CLEAR);
                      EXPECT_EQ(home.GetItemImage(1, 6), CHECK_GREY_TICKED) << "S1 locked";
                      EXPECT_EQ(home.GetItemImage(2, 2), CHECK_CLEAR) << "relay 2 is free";
                      EXPECT_EQ(dlg->m_Grid[2].GetItemImage(4, 25), CHECK_TICKED) << "S20 of Outing";
                      EXPECT_EQ(home.GetItemText(0, 1), "Manual");
                      EXPECT_EQ(home.GetItemText(1, 0), "Relay1");
                      EXPECT_EQ(home.GetItemText(0, 25), "S20");
                      EXPECT_FALSE(Enabled(IDOK, dlg));
                      // A locked cell stays as it is, but the click counts.
                      ClickCell(home, 1, 3);
                      EXPECT_EQ(home.GetItemImage(1, 3), CHECK_GREY_CLEAR);
                      EXPECT_TRUE(Enabled(IDOK, dlg));
                      SavePicture("relay_mode_dlg.png", dlg);
                      Click(IDOK, dlg);
                  }),
        IDOK);
    EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
}

TEST_F(RelayModeDlgTest, UntickingManualFreesTheRowWithItsTicksAndEachGridKeepsItsMode)
{
    tagRelayTable table = Filled();
    CRelayModeDlg::ModeMask(table, 1, 0) = kManual | kMd1;
    Run(1, &table, [this](CRelayModeDlg* dlg) {
        CGridCtrl& night = dlg->m_Grid[1];
        ClickCell(night, 1, 1);
        EXPECT_EQ(night.GetItemImage(1, 2), CHECK_TICKED);
        EXPECT_EQ(night.GetItemImage(1, 3), CHECK_CLEAR);
        ClickCell(night, 1, 3); // MD2
        ClickCell(night, 1, 1);
        EXPECT_EQ(night.GetItemImage(1, 3), CHECK_GREY_TICKED) << "locked again with its tick";
        ClickCell(night, 1, 1);
        ClickCell(dlg->m_Grid[0], 2, 7); // Home, relay 2, S2
        Click(IDOK, dlg);
    });
    EXPECT_EQ(CRelayModeDlg::ModeMask(table, 1, 0), kMd1 | 1u << 21);
    EXPECT_EQ(CRelayModeDlg::ModeMask(table, 0, 1), 1u << 1);
    EXPECT_EQ(CRelayModeDlg::ModeMask(table, 2, 0), 0u);
}

TEST_F(RelayModeDlgTest, TheNarrowFormShowsFourSensorsAndDropsTheOthersWhileCancelGivesNothing)
{
    tagRelayTable table = Filled();
    CRelayModeDlg::ModeMask(table, 0, 2) = 1u << 3 | 1u << 4 | 1u << 19;
    const tagRelayTable before = table;
    EXPECT_EQ(Run(0, &table,
                  [this](CRelayModeDlg* dlg) {
                      EXPECT_EQ(dlg->m_Grid[0].GetColumnCount(), 10);
                      EXPECT_EQ(dlg->m_Grid[0].GetItemImage(3, 9), CHECK_TICKED) << "S4";
                      ClickCell(dlg->m_Grid[0], 3, 9);
                      Click(IDCANCEL, dlg);
                  }),
        IDCANCEL);
    EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);

    Run(0, &table, [this](CRelayModeDlg* dlg) {
        ClickCell(dlg->m_Grid[2], 1, 2);
        Click(IDOK, dlg);
    });
    EXPECT_EQ(CRelayModeDlg::ModeMask(table, 0, 2), 1u << 3)
        << "S5 and S20 are not shown and come back clear";
    EXPECT_EQ(CRelayModeDlg::ModeMask(table, 2, 0), kMd1);
    const tagRelayTable rest = Rest(table), restBefore = Rest(before);
    EXPECT_EQ(std::memcmp(&rest, &restBefore, sizeof rest), 0);
}

TEST_F(RelayModeDlgTest, AWideGridIsCutToTheDialogWithRoomForItsScrollBar)
{
    tagRelayTable table = Filled();
    CRect narrowWindow, wideWindow, wideGrid, narrowGrid;
    Run(0, &table, [&](CRelayModeDlg* dlg) {
        dlg->GetWindowRect(&narrowWindow);
        dlg->m_Grid[0].GetWindowRect(&narrowGrid);
        Click(IDCANCEL, dlg);
    });
    Run(1, &table, [&](CRelayModeDlg* dlg) {
        dlg->GetWindowRect(&wideWindow);
        dlg->m_Grid[0].GetWindowRect(&wideGrid);
        Click(IDCANCEL, dlg);
    });
    EXPECT_EQ(narrowGrid.Width(), 2 + 10 * 58);
    EXPECT_EQ(wideGrid.Width(), 590) << "30 + 50 + 24 x 30 + 2 is wider";
    EXPECT_EQ(wideGrid.Height(), narrowGrid.Height() + 16);
    EXPECT_EQ(wideWindow.Height(), narrowWindow.Height() + 3 * 16);
}

} // namespace
