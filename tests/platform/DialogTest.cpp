#include "platform/ui/Dialog.h"
#include "platform/base/TestServices.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ResourceModule.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <string>

#include <functional>

namespace
{

enum : int {
    IDD_TEST = 500,
    IDC_NAME = 1001,
    IDC_COUNT = 1002,
    IDC_ENABLED = 1003,
    IDC_MODE_A = 1004,
    IDC_MODE_B = 1005,
    IDC_KIND = 1006,
    IDC_HOST = 1007,
    IDC_CHANNELS = 1008,
    IDC_GROUP = 1009,
};

const DialogControl kControls[] = {
    { IDC_STATIC, WC_STATIC, "Name", WS_CHILD | WS_VISIBLE, 7, 9, 40, 8 },
    { IDC_NAME, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_PASSWORD, 50, 7, 80, 14 },
    { IDC_COUNT, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT, 50, 25, 40, 14 },
    { IDC_ENABLED, WC_BUTTON, "&Enabled", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 43, 60,
        10 },
    { IDC_GROUP, WC_BUTTON, "Mode", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 56, 120, 30 },
    { IDC_MODE_A, WC_BUTTON, "A", WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 14, 68,
        30, 10 },
    { IDC_MODE_B, WC_BUTTON, "B", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 50, 68, 30, 10 },
    { IDC_KIND, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST, 7, 90, 80,
        60 },
    { IDC_HOST, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, 90, 90, 80,
        60 },
    { IDC_CHANNELS, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_MULTIPLESEL, 140, 7, 50, 60 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 120, 110, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 175, 110, 50, 14 },
};
const DialogTemplate kDialogs[] = {
    { IDD_TEST, "Test settings", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 230, 130,
        kControls },
};
const ResourceTables kTables { .moduleName = "DialogTest", .dialogs = kDialogs };

class CTestDlg : public CDialog
{
public:
    CTestDlg()
        : CDialog(IDD_TEST)
    {
    }
    CString m_name = "secret";
    int m_count = 7;
    int m_enabled = 1;
    int m_mode = 1;
    int m_kind = 2;
    CString m_host = "beta";
    CListBox m_channels;
    int m_clicks = 0;
    int m_changes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 15);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDV_MinMaxInt(pDX, m_count, 1, 16);
        DDX_Check(pDX, IDC_ENABLED, m_enabled);
        DDX_Radio(pDX, IDC_MODE_A, m_mode);
        DDX_CBIndex(pDX, IDC_KIND, m_kind);
        DDX_CBString(pDX, IDC_HOST, m_host);
        DDX_Control(pDX, IDC_CHANNELS, m_channels);
    }
    BOOL OnInitDialog() override
    {
        for (const char* kind : { "camera", "server", "recorder" })
            SendDlgItemMessage(IDC_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind));
        for (const char* host : { "gamma", "alpha", "beta" })
            SendDlgItemMessage(IDC_HOST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(host));
        return CDialog::OnInitDialog();
    }
    void OnEnabled() { ++m_clicks; }
    void OnNameChange() { ++m_changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(IDC_ENABLED, OnEnabled)
ON_EN_CHANGE(IDC_NAME, OnNameChange)
END_MESSAGE_MAP()

class Dialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(RegisterResourceModule(&kTables));
    }
    void TearDown() override { AfxSetResourceHandle(m_previous); }
    HINSTANCE m_previous = nullptr;
    ScriptedMessageBoxPresenter m_boxes;
    ScopedService<IMessageBoxPresenter> m_boxScope { &m_boxes };
};

CString TextOf(CWnd* wnd)
{
    CString s;
    wnd->GetWindowText(s);
    return s;
}

TEST_F(Dialogs, TemplateControlsHaveTheirIdsTextsAndConvertedRectangles)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CRect client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 345, 211)); // 230 x 130 dialog units
    EXPECT_EQ(TextOf(&dlg), "Test settings");

    for (const DialogControl& c : kControls) {
        if (c.id == IDC_STATIC)
            continue;
        CWnd* control = dlg.GetDlgItem(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(control->GetDlgCtrlID(), c.id);
        CRect r;
        control->GetWindowRect(&r);
        dlg.ScreenToClient(&r);
        RECT expected;
        MapDialogUnits(c.x, c.y, c.cx, c.cy, &expected);
        // A combo box's height holds its drop-down list; the box shows one line.
        if (std::string(c.className) == WC_COMBOBOX) {
            EXPECT_EQ(r.TopLeft(), CRect(expected).TopLeft()) << c.id;
            EXPECT_EQ(r.Width(), CRect(expected).Width()) << c.id;
            EXPECT_LT(r.Height(), CRect(expected).Height()) << c.id;
            EXPECT_GT(r.Height(), 10) << c.id;
            continue;
        }
        EXPECT_EQ(r, CRect(expected)) << c.id;
    }
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_ENABLED)), "&Enabled");
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDOK)), "OK");
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_GROUP)), "Mode");
    dlg.DestroyWindow();
}

TEST_F(Dialogs, DataExchangeMovesValuesBothWays)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST)); // OnInitDialog loads the members
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_NAME)), "secret");
    EXPECT_EQ(dlg.GetDlgItemInt(IDC_COUNT), 7u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_ENABLED), UINT(BST_CHECKED));
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_MODE_B), UINT(BST_CHECKED));
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_KIND, CB_GETCURSEL), 2);
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_HOST)), "beta");
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_HOST, CB_GETCURSEL), 1); // sorted: alpha beta gamma
    ASSERT_EQ(CWnd::FromHandle(dlg.GetDlgItemHandle(IDC_CHANNELS)), &dlg.m_channels);
    // DDV_MaxChars limits the edit when loading.
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_NAME, EM_GETLIMITTEXT), 15);

    dlg.SetDlgItemText(IDC_NAME, "other");
    dlg.SetDlgItemText(IDC_COUNT, " 12 ");
    dlg.CheckDlgButton(IDC_ENABLED, BST_UNCHECKED);
    dlg.SendDlgItemMessage(IDC_MODE_A, BM_CLICK); // an automatic radio clears its group
    dlg.SendDlgItemMessage(IDC_KIND, CB_SETCURSEL, 0);
    dlg.SetDlgItemText(IDC_HOST, "delta");
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_name, "other");
    EXPECT_EQ(dlg.m_count, 12);
    EXPECT_EQ(dlg.m_enabled, 0);
    EXPECT_EQ(dlg.m_mode, 0);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_MODE_B), UINT(BST_UNCHECKED));
    EXPECT_EQ(dlg.m_kind, 0);
    EXPECT_EQ(dlg.m_host, "delta");
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // A value out of range fails the exchange, tells the user and keeps the member.
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        { "17", "Please enter an integer between 1 and 16." },
        { "12a", "Please enter an integer." },
        { "0", "Please enter an integer between 1 and 16." },
        { "", "Please enter an integer." },
        { "99999999999", "Please enter an integer." },
    };
    for (const Case& c : cases) {
        m_boxes.Clear();
        dlg.SetDlgItemText(IDC_COUNT, c.text);
        EXPECT_FALSE(dlg.UpdateData(TRUE)) << c.text;
        ASSERT_EQ(m_boxes.Boxes().size(), 1u) << c.text;
        EXPECT_EQ(m_boxes.Boxes()[0].text, c.message);
    }
    // A range check sees what the exchange stored; text that is no number stores nothing.
    EXPECT_EQ(dlg.m_count, 0);
    dlg.DestroyWindow();
}

TEST_F(Dialogs, ModalDialogDrivenByTheRunnerReturnsOkWithTheValuesSet)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        ASSERT_NE(dlg, nullptr);
        EXPECT_TRUE(dlg->IsWindowVisible());
        dlg->SetDlgItemText(IDC_NAME, "admin");
        dlg->SetDlgItemText(IDC_COUNT, "3");
        dlg->SendDlgItemMessage(IDC_ENABLED, BM_CLICK);
        dlg->SendDlgItemMessage(IDC_KIND, CB_SETCURSEL, 1);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(runner.runs, 1);
    EXPECT_EQ(dlg.m_name, "admin");
    EXPECT_EQ(dlg.m_count, 3);
    EXPECT_EQ(dlg.m_enabled, 0);
    EXPECT_EQ(dlg.m_kind, 1);
    EXPECT_EQ(dlg.m_clicks, 1);
    EXPECT_GE(dlg.m_changes, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr); // the window is gone after DoModal
}

TEST_F(Dialogs, OkWithAnInvalidValueKeepsTheDialogOpen)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        dlg->SetDlgItemText(IDC_COUNT, "40");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        EXPECT_FALSE(dlg->IsModalEnded());
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_COUNT));
        dlg->SetDlgItemText(IDC_COUNT, "4");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        EXPECT_TRUE(dlg->IsModalEnded());
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_count, 4);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(Dialogs, CancelAndARunnerThatGivesUpLeaveTheMembers)
{
    ScriptedDialogRunner cancel([](CDialog* dlg) {
        dlg->SetDlgItemText(IDC_NAME, "changed");
        dlg->SendDlgItemMessage(IDCANCEL, BM_CLICK);
    });
    {
        ScopedService<IModalDialogRunner> scope(&cancel);
        CTestDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.m_name, "secret");
    }
    ScriptedDialogRunner idle([](CDialog*) {});
    ScopedService<IModalDialogRunner> scope(&idle);
    CTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);

    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(Dialogs, StandardControlsAnswerTheirMessages)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CEdit& name = *static_cast<CEdit*>(dlg.GetDlgItem(IDC_NAME));
    name.LimitText(4);
    name.SetWindowText("abcdefgh"); // the limit binds the user, as on the platform
    name.SetSel(1, 3);
    int start = -1, end = -1;
    name.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    name.SetSel(0, -1);
    name.GetSel(start, end);
    EXPECT_EQ(end, name.GetWindowTextLength());

    CListBox& list = dlg.m_channels;
    for (const char* c : { "ch1", "ch2", "ch3" })
        list.AddString(c);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.SetCurSel(1), LB_ERR); // a multiple-selection list has no single selection
    list.SetSel(0);
    list.SetSel(2);
    EXPECT_EQ(list.GetSelCount(), 2);
    int items[4] = {};
    EXPECT_EQ(list.GetSelItems(4, items), 2);
    EXPECT_EQ(items[1], 2);
    CString text;
    list.GetText(2, text);
    EXPECT_EQ(text, "ch3");
    EXPECT_EQ(list.FindStringExact(-1, "CH2"), 1);
    list.SetItemData(1, 77);
    EXPECT_EQ(list.GetItemData(1), 77u);
    EXPECT_EQ(list.DeleteString(5), LB_ERR);

    CComboBox* kind = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_KIND));
    EXPECT_EQ(kind->SetCurSel(9), CB_ERR);
    EXPECT_EQ(kind->GetCurSel(), -1);
    EXPECT_EQ(kind->FindString(-1, "SER"), 1);
    EXPECT_EQ(kind->SelectString(-1, "rec"), 2);
    EXPECT_EQ(TextOf(kind), "recorder");
    kind->GetLBText(0, text);
    EXPECT_EQ(text, "camera");
    EXPECT_EQ(kind->DeleteString(0), 2);
    dlg.DestroyWindow();
}

} // namespace
