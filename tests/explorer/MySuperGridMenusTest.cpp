// The device tree's context menus on the offscreen platform: what each kind
// of row offers, and the commands carried out by the grid (folders,
// registration servers, group ids, deletes, channel names) or handed to
// the dialog that holds it.
#include "explorer/MorrikResources.h"
#include "resources/morrik/Resource.h"
#include "tests/explorer/MySuperGridFixture.h"
#include "tests/platform/RecordingMenuChooser.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include "platform/msg/WndBase.h"

#include <QMouseEvent>

#include <functional>

namespace morrik_test
{
namespace
{

class MySuperGridMenus : public MySuperGridTest
{
protected:
    void SetUp() override
    {
        MySuperGridTest::SetUp();
        OpenWith({
            FileNode(1, 0, "Site", true),
            FileNode(2, 1, "Gate", false, 2),
            FileNode(3, 0, "Hall", false, 3),
            FileNode(4, 0, "Empty", true),
        });
        Item* gate = Find("Gate");
        ASSERT_NE(gate, nullptr);
        char name[8] = "CH01";
        ASSERT_NE(grid.InsertChNodeOfListCtrl(gate, 1, name), nullptr);
    }
    void Select(Item* node)
    {
        ASSERT_NE(node, nullptr);
        grid.SetBar(node);
        ASSERT_EQ(grid.GetTreeItem(grid.GetSelectedItem()), node);
    }
    // The context menu of a row, as a right click on it opens it; the
    // command the chooser picks runs after.
    void Menu(Item* node, UINT choice = 0)
    {
        Select(node);
        chooser.choice = choice;
        grid.SendMessage(WM_CONTEXTMENU, WPARAM(grid.m_hWnd), MAKELPARAM(10, 10));
        PumpWaitingMessages();
    }
    void Command(Item* node, UINT id)
    {
        Select(node);
        grid.SendMessage(WM_COMMAND, id);
        PumpWaitingMessages();
    }
    Item* Channel() const { return Find("Gate")->m_listChild.front(); }
    Item* Server() const { return Find("Main server"); }
    Item* Group() const { return Find("GRP-A"); }

    RecordingMenuChooser chooser;
    ScopedService<IPopupMenuChooser> useChooser { &chooser };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
};

using Ids = std::vector<UINT>;

TEST_F(MySuperGridMenus, EachKindOfRowOffersItsCommands)
{
    struct Case {
        const char* row;
        std::function<Item*()> node;
        Ids offered; // empty: no menu
        Ids enabled;
    };
    const Ids dvrPopup { ID_POPUP_INSERT, ID_POPUP_DELETE, ID_POPUP_INSERT_OVEL, ID_POPUP_DELETE_OVEL,
        ID_POPUP_RENAME_OVEL };
    const Ids yemPopup { ID_POPUP_INSERT_YEM, ID_POPUP_DELETE_YEM, ID_POPUP_INSERT_YEM_GROUP_ID,
        ID_POPUP_DELETE_YEM_GROUP_ID };
    const Case cases[] = {
        { "My DVR", [&] { return grid.m_pMyRoot; }, dvrPopup, { ID_POPUP_INSERT, ID_POPUP_INSERT_OVEL } },
        { "folder", [&] { return Find("Site"); }, dvrPopup, { ID_POPUP_INSERT, ID_POPUP_DELETE } },
        { "device", [&] { return Find("Hall"); }, dvrPopup, { ID_POPUP_DELETE_OVEL, ID_POPUP_RENAME_OVEL } },
        { "channel", [&] { return Channel(); }, { ID_POPUP_RENAME }, {} },
        { "ZPT root", [&] { return grid.m_pYemRoot; }, yemPopup, { ID_POPUP_INSERT_YEM } },
        { "server", [&] { return Server(); }, yemPopup,
            { ID_POPUP_DELETE_YEM, ID_POPUP_INSERT_YEM_GROUP_ID } },
        { "group id", [&] { return Group(); }, yemPopup, { ID_POPUP_DELETE_YEM_GROUP_ID } },
        { "local area", [&] { return grid.m_pLocalRoot; }, {}, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const int shown = chooser.shown;
        const int clicks = frame.Count(WM_TREE_ITEM_CLICK);
        Menu(c.node());
        EXPECT_EQ(chooser.shown, shown + (c.offered.empty() ? 0 : 1));
        if (!c.offered.empty()) {
            EXPECT_EQ(chooser.offered, c.offered);
            EXPECT_EQ(chooser.enabled, c.enabled);
        }
        EXPECT_EQ(frame.Count(WM_TREE_ITEM_CLICK), clicks + 1) << "the owner hears of every context menu";
    }
}

TEST_F(MySuperGridMenus, ARightClickChoosesTheRowItsMenuIsFor)
{
    Select(Find("Site"));
    CRect label;
    grid.GetItemRect(grid.GetCurIndex(Find("Hall")), &label, LVIR_LABEL);
    const QPoint at(label.left + 40, (label.top + label.bottom) / 2);
    QWidget* widget = grid.GetWidget();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(widget->mapToGlobal(at)),
        Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    EXPECT_EQ(grid.GetTreeItem(grid.GetSelectedItem()), Find("Hall"));
    grid.SendMessage(WM_CONTEXTMENU, WPARAM(grid.m_hWnd), MAKELPARAM(at.x(), at.y()));
    PumpWaitingMessages();
    EXPECT_EQ(chooser.enabled, (Ids { ID_POPUP_DELETE_OVEL, ID_POPUP_RENAME_OVEL }));
}

TEST_F(MySuperGridMenus, RenamingAChannelFollowsTheOwnerModeOrItsSwitch)
{
    grid.m_nOwnerMode = 1;
    Menu(Channel());
    EXPECT_EQ(chooser.enabled, Ids { ID_POPUP_RENAME });
    grid.m_nOwnerMode = 0;
    Menu(Channel());
    EXPECT_TRUE(chooser.enabled.empty()) << "no owner to enable it";
}

TEST_F(MySuperGridMenus, WithoutEditingEveryItemIsGreyedAndWithoutMenusNoneShows)
{
    grid.SetPopupMenu(false);
    for (Item* node : { grid.m_pMyRoot, Find("Site"), Find("Hall"), grid.m_pYemRoot, Server(), Group() }) {
        SCOPED_TRACE(node->m_lpNodeInfo->GetItemText().GetString());
        Menu(node);
        EXPECT_FALSE(chooser.offered.empty());
        EXPECT_TRUE(chooser.enabled.empty());
    }
    grid.SetPopupMenu(true);
    grid.SetEnableMenu(false);
    const int shown = chooser.shown;
    Menu(Find("Hall"));
    EXPECT_EQ(chooser.shown, shown);
}

TEST_F(MySuperGridMenus, DeletingTheLastDeviceOfAFolderClosesItAndReportsTheDevice)
{
    Find("Site")->m_lpNodeInfo->m_bExpanded = true;
    boxes.Answer(IDYES);
    Menu(Find("Gate"), ID_POPUP_DELETE_OVEL);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "本当にDVRを削除してよろしいですか？");
    EXPECT_EQ(Find("Gate"), nullptr);
    EXPECT_FALSE(Find("Site")->m_lpNodeInfo->m_bExpanded);
    EXPECT_EQ(frame.Count(WM_TREE_DELETE_ITEM), 1) << "the device, not its channel";
    EXPECT_FALSE(grid.m_bDeleteNotify) << "reporting ends with the command";
    std::vector<std::string> saved;
    for (const FILE_NODE& node : ReadFile().nodes)
        saved.push_back(node.szName);
    EXPECT_EQ(saved, (std::vector<std::string> { "Empty", "Site", "Hall" }));
}

TEST_F(MySuperGridMenus, DeletingWalksFromAChannelToItsDeviceAndNeverRemovesARoot)
{
    // No: nothing happens.
    boxes.Answer(IDNO);
    Command(Channel(), ID_POPUP_DELETE_OVEL);
    EXPECT_NE(Find("Gate"), nullptr);
    // Yes on the channel: its DVR goes.
    boxes.Answer(IDYES);
    Command(Channel(), ID_POPUP_DELETE_OVEL);
    EXPECT_EQ(Find("Gate"), nullptr);
    // A root is refused.
    boxes.Clear();
    boxes.Answer(IDYES);
    Command(grid.m_pMyRoot, ID_POPUP_DELETE);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "フォルダを削除してよろしいですか？");
    EXPECT_EQ(boxes.Boxes()[1].text, "フォルダまたはDVR項目のみ削除できます。");
    EXPECT_EQ(Children(grid.m_pMyRoot), (std::vector<std::string> { "Empty", "Site", "Hall" }));
    // Servers and group ids go without reports to the owner.
    boxes.Answer(IDYES);
    Command(Group(), ID_POPUP_DELETE_YEM_GROUP_ID);
    EXPECT_EQ(Group(), nullptr);
    EXPECT_EQ(frame.Count(WM_TREE_DELETE_ITEM), 1);
    EXPECT_EQ(ReadFile().yemNodes.size(), 1u);
}

TEST_F(MySuperGridMenus, NewFolderAndChannelNameComeFromTheTextDialog)
{
    std::vector<CString> captions, presets;
    const char* typed = "Depot";
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        CString caption, text;
        dlg->GetWindowText(caption);
        dlg->GetDlgItemText(IDC_NEW_FOLDER_TEXT, text);
        captions.push_back(caption);
        presets.push_back(text);
        dlg->SetDlgItemText(IDC_NEW_FOLDER_TEXT, typed);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    Menu(Find("Site"), ID_POPUP_INSERT);
    EXPECT_EQ(Children(Find("Site")), (std::vector<std::string> { "Depot", "Gate" }));
    bool saved = false;
    for (const FILE_NODE& node : ReadFile().nodes)
        saved = saved || std::string(node.szName) == "Depot";
    EXPECT_TRUE(saved);

    grid.m_nOwnerMode = 1;
    typed = "Door";
    Menu(Channel(), ID_POPUP_RENAME);
    EXPECT_EQ(Channel()->m_lpNodeInfo->GetItemText(), "Door");
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0], "新しいフォルダ");
    EXPECT_EQ(presets[0], "");
    EXPECT_EQ(captions[1], "チャンネル名の変更");
    EXPECT_EQ(presets[1], "CH01");
    EXPECT_EQ(frame.Count(WM_TREE_RENAME_CHANNEL), 1);
}

TEST_F(MySuperGridMenus, RegistrationServersAndGroupIdsAreAddedOnce)
{
    CString typed = "localhost";
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        dlg->SetDlgItemText(dlg->GetDlgItem(IDC_YEM_SERVER) ? IDC_YEM_SERVER : IDC_YEM_GROUP_ID, typed);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    // "localhost" is the server already listed as 127.0.0.1.
    Menu(grid.m_pYemRoot, ID_POPUP_INSERT_YEM);
    EXPECT_EQ(Children(grid.m_pYemRoot), (std::vector<std::string> { "Main server" }));
    typed = "127.0.0.2";
    Menu(grid.m_pYemRoot, ID_POPUP_INSERT_YEM);
    Item* added = Find("127.0.0.2");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(grid.GetTreeItem(grid.GetSelectedItem()), added);
    EXPECT_TRUE(added->m_lpNodeInfo->m_bYemFolder);
    EXPECT_STREQ(added->m_lpNodeInfo->m_szLookupServer, "127.0.0.2");
    // A name that does not resolve is refused.
    typed = "no-such-host.invalid";
    Menu(grid.m_pYemRoot, ID_POPUP_INSERT_YEM);
    EXPECT_EQ(Find("no-such-host.invalid"), nullptr);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().text, "アドレスが見つかりません。アドレスを確認して下さい。");

    // A group id under the new server, once.
    typed = "GRP-B";
    Menu(added, ID_POPUP_INSERT_YEM_GROUP_ID);
    Menu(added, ID_POPUP_INSERT_YEM_GROUP_ID);
    ASSERT_EQ(added->m_listChild.size(), 1u);
    const CItemInfo* group = added->m_listChild.front()->m_lpNodeInfo;
    EXPECT_EQ(group->GetItemText(), "GRP-B");
    EXPECT_TRUE(group->m_bGroupFolder);
    EXPECT_TRUE(group->m_bFolder);
    EXPECT_STREQ(group->m_szLookupServer, "127.0.0.2");
    EXPECT_STREQ(reinterpret_cast<const char*>(group->m_byGroupId), "GRP-B");
    const TreeFileLists file = ReadFile();
    ASSERT_EQ(file.yemNodes.size(), 4u);
}

TEST_F(MySuperGridMenus, DeviceEditsGoToTheDialogWithACopyOfTheRow)
{
    Menu(grid.m_pMyRoot, ID_POPUP_INSERT_OVEL);
    EXPECT_EQ(frame.Count(WM_TREE_INSERT_DEVICE), 1);
    Menu(Find("Hall"), ID_POPUP_RENAME_OVEL);
    ASSERT_EQ(frame.Count(WM_TREE_EDIT_ITEM), 1);
    EXPECT_EQ(frame.texts.back(), "Hall");
    Command(Find("Hall"), ID_POPUP_CHANGE_IP);
    ASSERT_EQ(frame.Count(WM_TREE_CHANGE_IP), 1);
    EXPECT_EQ(frame.texts.back(), "Hall");
}

} // namespace
} // namespace morrik_test
