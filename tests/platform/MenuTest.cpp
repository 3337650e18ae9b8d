#include "platform/ui/Menu.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/Wnd.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace
{

enum : UINT {
    IDR_TREE_POPUP = 700,
    ID_ADD = 32775,
    ID_DELETE = 32778,
    ID_RENAME = 32779,
    ID_REFRESH = 32780
};

const MenuEntry kPopupItems[] = {
    { ID_ADD, "&Add Cam/DVR", MF_STRING },
    { 0, nullptr, MF_SEPARATOR },
    { ID_DELETE, "&Delete", MF_STRING },
    { ID_RENAME, "&Rename", MF_GRAYED },
};
const MenuEntry kBar[] = {
    { 0, "Tree", MF_POPUP, kPopupItems },
    { ID_REFRESH, "Refresh", MF_STRING },
};
const MenuTemplate kMenus[] = { { IDR_TREE_POPUP, kBar } };
const ResourceTables kTables { .moduleName = "MenuTest", .menus = kMenus };

class RecordingChooser : public IPopupMenuChooser
{
public:
    UINT Choose(HMENU menu, UINT flags, int x, int y, HWND owner) override
    {
        shown.push_back({ menu, flags, x, y, owner });
        return answer;
    }
    struct Shown {
        HMENU menu;
        UINT flags;
        int x, y;
        HWND owner;
    };
    std::vector<Shown> shown;
    UINT answer = 0;
};

class CMenuOwner : public CWnd
{
public:
    std::vector<UINT> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

class Menus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(RegisterResourceModule(&kTables));
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        AfxSetResourceHandle(m_previous);
    }
    HINSTANCE m_previous = nullptr;
    RecordingChooser m_chooser;
    ScopedService<IPopupMenuChooser> m_scope { &m_chooser };
    CMenuOwner m_owner;
};

TEST_F(Menus, ResourceMenuHasItsPopupsItemsAndStates)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TREE_POPUP));
    EXPECT_FALSE(CMenu().LoadMenu(4711));
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_EQ(menu.GetMenuItemID(0), UINT(-1));
    EXPECT_EQ(menu.GetMenuItemID(1), UINT(ID_REFRESH));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.GetSubMenu(0), popup);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 4);
    CString text;
    popup->GetMenuString(ID_DELETE, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Delete");
    EXPECT_TRUE(popup->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(popup->EnableMenuItem(ID_RENAME, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(popup->EnableMenuItem(ID_DELETE, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(popup->EnableMenuItem(4711, MF_GRAYED), UINT(-1));
    EXPECT_EQ(popup->CheckMenuItem(ID_ADD, MF_CHECKED), DWORD(MF_UNCHECKED));
    EXPECT_TRUE(menu.GetMenuState(ID_ADD, MF_BYCOMMAND) & MF_CHECKED); // found through the popup
}

TEST_F(Menus, TrackingGoesThroughTheChooserAndOnlyEnabledCommandsCount)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_ADD, "Add");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_GRAYED, ID_DELETE, "Delete");

    m_chooser.answer = ID_ADD;
    EXPECT_EQ(UINT(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 30, 40, &m_owner)), UINT(ID_ADD));
    ASSERT_EQ(m_chooser.shown.size(), 1u);
    EXPECT_EQ(m_chooser.shown[0].menu, menu.m_hMenu);
    EXPECT_EQ(m_chooser.shown[0].x, 30);
    EXPECT_EQ(m_chooser.shown[0].owner, m_owner.m_hWnd);

    m_chooser.answer = ID_DELETE; // grayed: nothing is chosen
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner), 0);

    // Without TPM_RETURNCMD the command arrives as a posted WM_COMMAND.
    m_chooser.answer = ID_ADD;
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &m_owner));
    EXPECT_TRUE(m_owner.commands.empty());
    PumpWaitingMessages();
    ASSERT_EQ(m_owner.commands.size(), 1u);
    EXPECT_EQ(m_owner.commands[0], UINT(ID_ADD));

    m_chooser.answer = 0;
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &m_owner));
    PumpWaitingMessages();
    EXPECT_EQ(m_owner.commands.size(), 1u);
}

TEST(Cursors, WaitCursorIsCounted)
{
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    BeginWaitCursor();
    BeginWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    EndWaitCursor();
    EndWaitCursor(); // one end too many does no harm
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_NE(LoadCursor(nullptr, IDC_SIZEWE), nullptr);
    EXPECT_EQ(LoadCursor(nullptr, reinterpret_cast<LPCTSTR>(uintptr_t(1))), nullptr);
}

} // namespace
