// The date-time picker, the multi-line edit and the up-down control's steps
// of its acceleration from the number its buddy shows.
#include "platform/base/TestServices.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

enum : int { IDD_PICKERS = 600, IDC_VALUE = 1001, IDC_SPIN = 1002, IDC_TIME = 1003, IDC_TEXT = 1004 };

const DialogControl kControls[] = {
    { IDC_VALUE, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 7, 7, 40, 14 },
    { IDC_SPIN, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, 47, 7, 10, 14 },
    { IDC_TIME, DATETIMEPICK_CLASS, "", WS_CHILD | WS_VISIBLE | DTS_TIMEFORMAT, 7, 25, 50, 14 },
    { IDC_TEXT, WC_EDIT, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 7, 45, 100, 40 },
};
const DialogTemplate kDialogs[] = {
    { IDD_PICKERS, "Pickers", WS_POPUP | WS_CAPTION, 0, 0, 120, 100, kControls },
};
const ResourceTables kTables { .moduleName = "PickerControlsTest", .dialogs = kDialogs };

class CPickerDlg : public CDialog
{
public:
    CPickerDlg()
        : CDialog(IDD_PICKERS)
    {
    }
    std::vector<int> deltas;
    bool refuse = false;
    int timeChanges = 0;

protected:
    void OnDelta(NMHDR* hdr, LRESULT* result)
    {
        deltas.push_back(reinterpret_cast<NMUPDOWN*>(hdr)->iDelta);
        *result = refuse ? 1 : 0;
    }
    void OnTime(NMHDR*, LRESULT* result)
    {
        ++timeChanges;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPickerDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, OnDelta)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_TIME, OnTime)
END_MESSAGE_MAP()

class PickerControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(RegisterResourceModule(&kTables));
        ASSERT_TRUE(dlg.Create(IDD_PICKERS));
        spin = static_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_SPIN));
        ASSERT_NE(spin, nullptr);
        spin->SetBuddy(dlg.GetDlgItem(IDC_VALUE));
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        AfxSetResourceHandle(m_previous);
    }
    CString Value()
    {
        CString s;
        dlg.GetDlgItemText(IDC_VALUE, s);
        return s;
    }
    HINSTANCE m_previous = nullptr;
    CPickerDlg dlg;
    CSpinButtonCtrl* spin = nullptr;
};

TEST_F(PickerControls, TheSpinStepsWithinItsRangeAskingTheParentFirst)
{
    spin->SetRange32(5, 95);
    UDACCEL step { 0, 5 };
    spin->SetAccel(1, &step);
    dlg.SetDlgItemText(IDC_VALUE, "90");
    spin->Step(true);
    spin->Step(true);
    EXPECT_EQ(Value(), "95") << "held at the top";
    EXPECT_EQ(dlg.deltas, (std::vector<int> { 5, 5 }));
    // The buddy's own text is where the next step starts.
    dlg.SetDlgItemText(IDC_VALUE, "40");
    spin->Step(false);
    EXPECT_EQ(Value(), "35");
    EXPECT_EQ(spin->GetPos(), 35);
    dlg.refuse = true;
    spin->Step(false);
    EXPECT_EQ(Value(), "35") << "a refused step changes nothing";
}

TEST_F(PickerControls, ThePickerKeepsTheTimeAndTellsOnlyTheUsersChanges)
{
    auto* picker = static_cast<CDateTimeCtrl*>(dlg.GetDlgItem(IDC_TIME));
    ASSERT_NE(picker, nullptr);
    picker->SetFormat("HH:mm");
    const CTime evening(2003, 1, 1, 18, 30, 0);
    ASSERT_TRUE(picker->SetTime(&evening));
    CTime read;
    picker->GetTime(read);
    EXPECT_EQ(read.GetHour(), 18);
    EXPECT_EQ(read.GetMinute(), 30);
    EXPECT_EQ(dlg.timeChanges, 0) << "the program's own set is not a change";

    CTime member(2003, 1, 1, 7, 5, 0);
    CDataExchange put(&dlg, FALSE);
    DDX_DateTimeCtrl(&put, IDC_TIME, member);
    CTime back;
    CDataExchange get(&dlg, TRUE);
    DDX_DateTimeCtrl(&get, IDC_TIME, back);
    EXPECT_EQ(back.GetHour(), 7);
    EXPECT_EQ(back.GetMinute(), 5);
}

TEST_F(PickerControls, AMultiLineEditKeepsItsLineBreaks)
{
    dlg.SetDlgItemText(IDC_TEXT, "first\r\nsecond");
    CString text;
    dlg.GetDlgItemText(IDC_TEXT, text);
    EXPECT_EQ(std::string(text), "first\r\nsecond");
}

} // namespace
