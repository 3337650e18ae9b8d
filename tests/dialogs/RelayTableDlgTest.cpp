// The relay time tables of the four-relay and one-relay cameras: periods
// kept by the shared rules, the "Manual" lock and the masks read back.
#include "dialogs/RelayTableDlg.h"
#include "dialogs/RelayTableDlg2.h"
#include "platform/base/TestServices.h"
#include "platform/ui/DateTimeCtrl.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr uint32_t H(int hours)
{
    return uint32_t(hours * 3600);
}

// 0:00-6:00, 6:00-12:00, 12:00-18:00, 18:00-midnight; period 2 switches
// relay 1 on motion of CH 3, and every period keeps words of its own.
tagRelayTable Quarters()
{
    tagRelayTable table {};
    const uint32_t bounds[] = { 0, H(6), H(12), H(18), 86400 };
    for (int p = 0; p < 4; ++p) {
        table.period[p].start = bounds[p];
        table.period[p].end = bounds[p + 1];
        table.period[p].extra[0] = 0xA0 + uint32_t(p);
    }
    table.period[1].trigger[0] = 0x0400;
    table.period[1].trigger[3] = 0x0004;
    return table;
}

class RelayTable : public ::testing::Test
{
protected:
    void SetUp() override { UseSetupResources(); }

    void SetEnd(CDialog* dlg, int id, int hour)
    {
        NMDATETIMECHANGE change {};
        change.nmhdr = { dlg->GetDlgItem(id)->GetSafeHwnd(), UINT_PTR(id), DTN_DATETIMECHANGE };
        change.st = { 2000, 1, 6, 1, WORD(hour), 0, 0, 0 };
        dlg->GetDlgItem(id)->SendMessage(DTM_SETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&change.st));
        dlg->SendMessage(WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&change));
    }
    void Click(CDialog* dlg, int id) { dlg->GetDlgItem(id)->SendMessage(BM_CLICK); }
    bool Enabled(CDialog* dlg, int id) { return dlg->GetDlgItem(id)->IsWindowEnabled(); }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
};

TEST_F(RelayTable, AnEndOnALaterPeriodsEndDropsWhatItCoversAndKeepsTheTicks)
{
    const tagRelayTable table = Quarters();
    CRelayTableDlg dlg;
    dlg.SetRelayTable(&table);
    ScriptedDialogRunner runner([&](CDialog* d) {
        EXPECT_FALSE(Enabled(d, IDOK));
        EXPECT_EQ(dlg.PeriodsInUse(), 4);
        EXPECT_TRUE(d->IsDlgButtonChecked(IDC_RELAY_MD3_P2_R1));
        SetEnd(d, IDC_SCHEDULE_END1, 12);
        EXPECT_EQ(dlg.PeriodsInUse(), 3);
        EXPECT_FALSE(Enabled(d, IDC_RELAY_MD1_P4_R1)) << "period 4 went out of use";
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const tagRelayTable& out = dlg.m_RelayTable;
    EXPECT_EQ(out.period[0].end, H(12));
    EXPECT_EQ(out.period[1].start, H(12));
    EXPECT_EQ(out.period[1].end, H(18));
    EXPECT_EQ(out.period[2].end, 86400u);
    EXPECT_EQ(out.period[3].start + out.period[3].end, 0u);
    EXPECT_EQ(out.period[1].trigger[0], 0x0400) << "the boxes stay with their column";
    EXPECT_EQ(out.period[1].extra[0], 0xA1u) << "the extra words pass through";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(static_cast<LPCTSTR>(boxes.Boxes()[0].text)),
        "Do you want to replace the existing schedule?");
}

TEST_F(RelayTable, ManualLocksTheOtherEventsOfItsRelayAndPeriod)
{
    const tagRelayTable table = Quarters();
    CRelayTableDlg dlg;
    dlg.SetRelayTable(&table);
    ScriptedDialogRunner runner([&](CDialog* d) {
        Click(d, IDC_RELAY_MANUAL_P2_R3);
        EXPECT_FALSE(Enabled(d, IDC_RELAY_MD1_P2_R3));
        EXPECT_FALSE(Enabled(d, IDC_RELAY_S4_P2_R3));
        EXPECT_TRUE(Enabled(d, IDC_RELAY_MD1_P2_R2)) << "another relay stays free";
        Click(d, IDC_RELAY_MANUAL_P2_R3);
        EXPECT_TRUE(Enabled(d, IDC_RELAY_MD1_P2_R3));
        Click(d, IDC_RELAY_MANUAL_P3_R3);
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_RelayTable.period[2].trigger[2], 0x8000);
}

TEST_F(RelayTable, OutOfOrderEndsAreRefusedAtOk)
{
    const tagRelayTable table = Quarters();
    CRelayTableDlg2 dlg;
    dlg.SetRelayTable(&table);
    ScriptedDialogRunner runner([&](CDialog* d) {
        SetEnd(d, IDC_SCHEDULE_END2, 5);
        Click(d, IDOK);
        EXPECT_FALSE(d->IsModalEnded());
        Click(d, IDCANCEL);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(static_cast<LPCTSTR>(boxes.Boxes()[0].text)),
        "Time table2 is invalid. Please re-enter time properly. ");
}

TEST_F(RelayTable, TheOneRelayTableLeavesTheOtherRelaysAndUnknownBitsAlone)
{
    tagRelayTable table = Quarters();
    table.period[0].trigger[0] = 0x0004 | 0x0001; // sensor 3 has no box here
    CRelayTableDlg2 dlg;
    dlg.SetRelayTable(&table);
    ScriptedDialogRunner runner([&](CDialog* d) {
        EXPECT_TRUE(d->IsDlgButtonChecked(IDC_RELAY_S1_P1_R1));
        Click(d, IDC_RELAY_MD2_P1_R1);
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_RelayTable.period[0].trigger[0], 0x0201);
    EXPECT_EQ(dlg.m_RelayTable.period[1].trigger[3], 0x0004) << "relay 4's mask passes through";
    EXPECT_EQ(dlg.m_RelayTable.period[3].extra[0], 0xA3u);
}

} // namespace
