// The dual list manager on a dialog of its own: two list boxes and the six
// buttons, every command offered to the manager first.
#include "controls/DualListManager.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceModule.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace
{

enum : int {
    IDD_DUAL = 600,
    IDC_AVAILABLE = 1001,
    IDC_GRANTED = 1002,
    IDC_ADD = 1003,
    IDC_ADD_ALL = 1004,
    IDC_REMOVE = 1005,
    IDC_REMOVE_ALL = 1006,
    IDC_UP = 1007,
    IDC_DOWN = 1008,
};

constexpr uint32_t kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const DialogControl kControls[] = {
    { IDC_AVAILABLE, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY, 7, 7, 80, 90 },
    { IDC_ADD, WC_BUTTON, ">", kButton, 92, 10, 30, 14 },
    { IDC_ADD_ALL, WC_BUTTON, ">>", kButton, 92, 28, 30, 14 },
    { IDC_REMOVE, WC_BUTTON, "<", kButton, 92, 46, 30, 14 },
    { IDC_REMOVE_ALL, WC_BUTTON, "<<", kButton, 92, 64, 30, 14 },
    { IDC_GRANTED, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_EXTENDEDSEL, 127, 7,
        80, 90 },
    { IDC_UP, WC_BUTTON, "Up", kButton, 212, 10, 30, 14 },
    { IDC_DOWN, WC_BUTTON, "Down", kButton, 212, 28, 30, 14 },
    { IDOK, WC_BUTTON, "OK", kButton | BS_DEFPUSHBUTTON, 150, 105, 45, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 200, 105, 45, 14 },
};
const DialogTemplate kDialogs[] = {
    { IDD_DUAL, "Access List", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 250, 125, kControls },
};
const ResourceTables kTables { .moduleName = "DualListTest", .dialogs = kDialogs };

class CDualDlg : public CDialog
{
public:
    CDualDlg()
        : CDialog(IDD_DUAL)
    {
    }
    CDualListManager m_Manager;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_Manager.Init(this, IDC_AVAILABLE, IDC_GRANTED, IDC_ADD, IDC_ADD_ALL, IDC_REMOVE, IDC_REMOVE_ALL,
            IDC_UP, IDC_DOWN);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_Manager.OnCommand(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

class DualList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(RegisterResourceModule(&kTables));
        ASSERT_TRUE(dlg.Create(IDD_DUAL));
        dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        AfxSetResourceHandle(m_previous);
    }
    // A group of users as the access list dialog fills one per content.
    void Users(int group, std::vector<int> granted)
    {
        const char* names[] = { "admin", "user1", "user2", "guest" };
        Manager().SetGroup(group);
        for (UINT key = 1; key <= 4; ++key)
            Manager().AddSourceItem(names[key - 1], key);
        for (int key : granted)
            Manager().AddTargetItem(names[key - 1], UINT(key));
    }
    CDualListManager& Manager() { return dlg.m_Manager; }
    LRESULT Send(int id, UINT message, WPARAM w = 0, LPARAM l = 0)
    {
        return dlg.GetDlgItem(id)->SendMessage(message, w, l);
    }
    void Press(int id) { Send(id, BM_CLICK); }
    // What the user does to a list: a selection change, then the notification.
    void Pick(int id, std::vector<int> items)
    {
        const bool multiple = dlg.GetDlgItem(id)->GetStyle() & LBS_EXTENDEDSEL;
        if (multiple)
            Send(id, LB_SETSEL, FALSE, -1);
        for (int i : items)
            multiple ? Send(id, LB_SETSEL, TRUE, i) : Send(id, LB_SETCURSEL, WPARAM(i));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), LPARAM(dlg.GetDlgItem(id)->m_hWnd));
    }
    std::string Items(int id)
    {
        std::string all;
        for (int i = 0; i < int(Send(id, LB_GETCOUNT)); ++i) {
            char text[64] = {};
            Send(id, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            if (!all.empty())
                all += ',';
            all += text;
        }
        return all;
    }
    std::vector<int> Selection(int id)
    {
        std::vector<int> selected;
        for (int i = 0; i < int(Send(id, LB_GETCOUNT)); ++i)
            if (Send(id, LB_GETSEL, WPARAM(i)) > 0)
                selected.push_back(i);
        return selected;
    }
    bool Enabled(int id) { return dlg.GetDlgItem(id)->IsWindowEnabled(); }

    HINSTANCE m_previous = nullptr;
    CDualDlg dlg;
};

TEST_F(DualList, CopyAndRemoveKeepTheSourceWhole)
{
    Users(0, {});
    Manager().Refresh();
    EXPECT_EQ(Items(IDC_AVAILABLE), "admin,user1,user2,guest");
    EXPECT_EQ(Send(IDC_AVAILABLE, LB_GETCURSEL), 0) << "a single-selection box has a current item";
    EXPECT_FALSE(Enabled(IDC_REMOVE));
    EXPECT_FALSE(Enabled(IDC_REMOVE_ALL));

    Pick(IDC_AVAILABLE, { 1 });
    Press(IDC_ADD);
    EXPECT_EQ(Items(IDC_GRANTED), "user1");
    EXPECT_EQ(Selection(IDC_GRANTED), std::vector<int> { 0 }) << "the copied item is selected";
    EXPECT_EQ(Send(IDC_AVAILABLE, LB_GETCURSEL), 1);
    Press(IDC_ADD); // already granted: nothing changes
    EXPECT_EQ(Items(IDC_GRANTED), "user1");

    Press(IDC_ADD_ALL);
    EXPECT_EQ(Items(IDC_GRANTED), "user1,admin,user2,guest");
    EXPECT_EQ(Items(IDC_AVAILABLE), "admin,user1,user2,guest");
    EXPECT_FALSE(Enabled(IDC_UP)) << "the first item alone is at the top";
    EXPECT_TRUE(Enabled(IDC_DOWN));

    Pick(IDC_GRANTED, { 0, 2 });
    Press(IDC_REMOVE);
    EXPECT_EQ(Items(IDC_GRANTED), "admin,guest");
    EXPECT_EQ(Selection(IDC_GRANTED), std::vector<int> { 0 });

    // A double-click is a copy on A and a removal on B.
    Pick(IDC_GRANTED, { 1 });
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GRANTED, LBN_DBLCLK));
    EXPECT_EQ(Items(IDC_GRANTED), "admin");
    Pick(IDC_AVAILABLE, { 2 });
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_AVAILABLE, LBN_DBLCLK));
    EXPECT_EQ(Items(IDC_GRANTED), "admin,user2");

    Press(IDC_REMOVE_ALL);
    EXPECT_EQ(Items(IDC_GRANTED), "");
    EXPECT_EQ(Items(IDC_AVAILABLE), "admin,user1,user2,guest");
    EXPECT_FALSE(Enabled(IDC_REMOVE_ALL));
    EXPECT_FALSE(Manager().OnCommand(IDOK, BN_CLICKED)) << "not the manager's command";
}

TEST_F(DualList, MovesStepOverTheNeighbourUnlessAgainstTheEdge)
{
    struct Case {
        std::vector<int> selected;
        int button;
        bool upEnabled, downEnabled;
        const char* after;
        std::vector<int> selectedAfter;
    } cases[] = {
        { { 0, 1 }, IDC_DOWN, false, true, "user2,admin,user1", { 1, 2 } },
        { { 1, 2 }, IDC_UP, true, false, "user1,user2,admin", { 0, 1 } },
        { { 0, 2 }, IDC_UP, true, true, "admin,user2,user1", { 0, 1 } },
        { { 0, 2 }, IDC_DOWN, true, true, "user1,admin,user2", { 1, 2 } },
        { { 1 }, IDC_UP, true, true, "user1,admin,user2", { 0 } },
    };
    // One group per case, each with the same three granted users.
    for (size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        Users(int(n), { 1, 2, 3 });
        Manager().Refresh();
        ASSERT_EQ(Items(IDC_GRANTED), "admin,user1,user2");
        Pick(IDC_GRANTED, c.selected);
        EXPECT_EQ(Enabled(IDC_UP), c.upEnabled) << c.after;
        EXPECT_EQ(Enabled(IDC_DOWN), c.downEnabled) << c.after;
        Press(c.button);
        EXPECT_EQ(Items(IDC_GRANTED), c.after);
        EXPECT_EQ(Selection(IDC_GRANTED), c.selectedAfter) << c.after;
    }
}

TEST_F(DualList, TheTenGroupsStayApart)
{
    Users(0, { 1 });
    Users(3, { 2, 4 });
    Manager().SetGroup(9);
    Manager().AddSourceItem("night", 1);
    Manager().SetGroup(3);
    Manager().Refresh();
    EXPECT_EQ(Items(IDC_GRANTED), "user1,guest");
    Pick(IDC_AVAILABLE, { 2 });
    Press(IDC_ADD);
    EXPECT_EQ(Items(IDC_GRANTED), "user1,guest,user2");

    Manager().SetGroup(0);
    Manager().Refresh();
    EXPECT_EQ(Items(IDC_GRANTED), "admin");
    Manager().SetGroup(9);
    Manager().Refresh();
    EXPECT_EQ(Items(IDC_AVAILABLE), "night");
    EXPECT_EQ(Items(IDC_GRANTED), "");
    Manager().SetGroup(10); // no such group: the lists stay on group 9
    EXPECT_EQ(Manager().GetGroup(), 9);

    struct Case {
        int group;
        const char* text;
        bool granted;
    } cases[] = {
        { 0, "admin", true },
        { 0, "user1", false },
        { 3, "user1", true },
        { 3, "user2", true },
        { 3, "admin", false },
        { 9, "night", false },
        { 9, "admin", false },
        { 0, "", false },
        { -1, "admin", false },
        { 10, "admin", false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Manager().IsInTarget(c.group, c.text), c.granted) << c.group << " " << c.text;

    // Each group names its keys itself, whichever group the lists show.
    Manager().SetGroup(5);
    Manager().AddTargetItem("outing", 1);
    Manager().SetGroup(0);
    EXPECT_TRUE(Manager().IsInTarget(5, "outing"));
    EXPECT_FALSE(Manager().IsInTarget(5, "admin"));
}

TEST_F(DualList, ADisabledButtonPassesTheFocusOn)
{
    Users(0, { 1, 2 });
    Manager().Refresh();
    CWnd* removeAll = dlg.GetDlgItem(IDC_REMOVE_ALL);
    removeAll->SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), removeAll);
    Press(IDC_REMOVE_ALL);
    EXPECT_FALSE(Enabled(IDC_REMOVE_ALL));
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_GRANTED)) << "the next tab stop";
}

} // namespace
