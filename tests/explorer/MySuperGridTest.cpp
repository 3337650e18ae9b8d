// The device tree as its owner builds it: roots by tree number, the rows
// read from the tree file, and the file written back from the rows.
#include "tests/explorer/MySuperGridFixture.h"

#include "platform/ui/ImageList.h"
#include "resources/morrik/Resource.h"

namespace morrik_test
{
namespace
{

TEST_F(MySuperGridTest, RootsFollowTheTreeNumberAndTheMyRootOnlyFlag)
{
    struct Case {
        int tree;
        bool myRootOnly;
        std::vector<std::string> roots;
    };
    const Case cases[] = {
        { 2, false, { "My DVR", "ローカルエリアDVR", "ZPT" } },
        { 0, false, { "マイカメラ", "ローカルエリアカメラ", "ZPT" } },
        { 1, false, { "マイカメラ", "ローカルエリアカメラ", "ZPT" } },
        { 2, true, { "My DVR" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tree);
        CMySuperGrid tree;
        CRect client;
        frame.GetClientRect(&client);
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, client, &frame, 4097));
        tree.m_bMyRootOnly = c.myRootOnly;
        tree.ResetFileIfNoFileIs(c.tree);
        tree.InitializeGrid();
        std::vector<std::string> roots;
        for (const Item* root : tree.GetRoots()) {
            roots.push_back(root->m_lpNodeInfo->GetItemText().GetString());
            EXPECT_TRUE(root->m_lpNodeInfo->m_bFolder);
        }
        EXPECT_EQ(c.roots, roots);
        EXPECT_EQ(8, tree.m_pMyRoot->m_lpNodeInfo->GetImage());
        EXPECT_EQ(c.myRootOnly, tree.m_pLocalRoot == nullptr);
        EXPECT_EQ(c.myRootOnly, tree.m_pYemRoot == nullptr);
        if (!c.myRootOnly) {
            EXPECT_EQ(6, tree.m_pLocalRoot->m_lpNodeInfo->GetImage());
            EXPECT_EQ(7, tree.m_pYemRoot->m_lpNodeInfo->GetImage());
        }
        EXPECT_EQ(1, tree.GetColumnCount());
        EXPECT_EQ(370, tree.GetColumnWidth(0));
        EXPECT_EQ(0, tree.GetSelectedItem());
        // The icons of the rows and their states, from the library's bitmaps.
        ASSERT_NE(nullptr, tree.GetImageList(LVSIL_SMALL));
        EXPECT_EQ(12, tree.GetImageList(LVSIL_SMALL)->GetImageCount());
        ASSERT_NE(nullptr, tree.GetImageList(LVSIL_STATE));
        tree.DestroyWindow();
    }
    // The DVR tree's file was created with a bare header; trees 0 and 1
    // name the folder itself and have no file.
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(Path(), bytes));
    EXPECT_EQ(132u, bytes.size());
    EXPECT_EQ(0, ReadFile().nodes.size());
}

TEST_F(MySuperGridTest, TheFileBuildsBothBranchesAndTheRowsWriteItBack)
{
    OpenWith({
        FileNode(1, 0, "North site", true),
        FileNode(2, 1, "Gate", false, 1),
        FileNode(3, 1, "Inner", true),
        FileNode(4, 3, "Dock", false, 2),
        FileNode(5, 0, "Hall", false, 3),
    });

    EXPECT_EQ((std::vector<std::string> { "North site", "Hall" }), Children(grid.m_pMyRoot));
    Item* site = Find("North site");
    EXPECT_EQ((std::vector<std::string> { "Inner", "Gate" }), Children(site));
    EXPECT_EQ((std::vector<std::string> { "Dock" }), Children(Find("Inner")));
    const CItemInfo* gate = Find("Gate")->m_lpNodeInfo;
    EXPECT_EQ(11, gate->GetImage()); // saved, not seen yet
    EXPECT_TRUE(gate->m_bInFile);
    EXPECT_EQ(CString("SN-Gate"), gate->GetSubItem(0));
    EXPECT_EQ(CString("192.168.0.1"), gate->GetSubItem(1));
    EXPECT_EQ(CString("00:1b:00:00:00:01"), gate->GetSubItem(2));
    EXPECT_EQ(1, site->m_lpNodeInfo->GetImage());
    EXPECT_TRUE(site->m_lpNodeInfo->m_bFolder);

    Item* server = Find("Main server");
    ASSERT_NE(nullptr, server);
    EXPECT_EQ(grid.m_pYemRoot, server->m_pParent);
    EXPECT_TRUE(server->m_lpNodeInfo->m_bYemFolder);
    EXPECT_STREQ("127.0.0.1", server->m_lpNodeInfo->m_szLookupServer);
    const Item* group = Find("GRP-A");
    ASSERT_NE(nullptr, group);
    EXPECT_EQ(server, group->m_pParent);
    EXPECT_TRUE(group->m_lpNodeInfo->m_bGroupFolder);
    EXPECT_EQ(1, group->m_lpNodeInfo->GetImage());
    EXPECT_STREQ("GRP-A", reinterpret_cast<const char*>(group->m_lpNodeInfo->m_byGroupId));
    grid.ExpandAll(grid.m_pMyRoot);
    grid.ExpandAll(grid.m_pYemRoot);
    SavePicture("morrik_device_tree.png");

    // Channel rows of a DVR are shown but never saved; the rows write the
    // records they were read from.
    char name[24] = {};
    ASSERT_NE(nullptr, grid.InsertChNodeOfListCtrl(Find("Hall"), 1, name));
    EXPECT_STREQ("CH01", name);
    grid.SendMessage(WM_TREE_SAVE, 0, 0);
    EXPECT_TRUE(grid.LastSaveSucceeded());
    const TreeFileLists saved = ReadFile();
    ASSERT_EQ(5u, saved.nodes.size());
    std::vector<std::string> names;
    for (const FILE_NODE& node : saved.nodes)
        names.push_back(node.szName);
    EXPECT_EQ((std::vector<std::string> { "North site", "Inner", "Dock", "Gate", "Hall" }), names);
    EXPECT_EQ(2u, saved.nodes[2].dwParentNo); // Dock under Inner
    EXPECT_EQ(0x00, saved.nodes[3].item.byMac[0]);
    EXPECT_EQ(1, saved.nodes[3].item.byMac[5]);
    ASSERT_EQ(2u, saved.yemNodes.size());
    EXPECT_STREQ("GRP-A", saved.yemNodes[1].szName);
    EXPECT_EQ(1u, saved.yemNodes[1].dwParentNo);
    EXPECT_EQ(1, saved.yemNodes[1].bGroupFolder);
}

TEST_F(MySuperGridTest, ARecordWhoseParentIsMissingEndsItsBranch)
{
    TreeFileLists lists;
    lists.nodes = {
        FileNode(1, 0, "Gate", false, 1),
        FileNode(2, 9, "Lost", false, 2),
        FileNode(3, 0, "After", false, 3),
    };
    lists.yemNodes = {
        YemNode(1, 0, "Server", true, "127.0.0.2"),
        // A device of a group: the server's answer, not kept.
        YemNode(2, 1, "00:1B:00:00:00:07", true, "127.0.0.2"),
        YemNode(3, 7, "Orphan group", false, "127.0.0.2"),
        YemNode(4, 1, "GRP-B", false, "127.0.0.2"),
    };
    lists.yemNodes[1].bServerFolder = 0;
    WriteFile(lists);
    Open();
    Fill();
    EXPECT_EQ((std::vector<std::string> { "Gate" }), Children(grid.m_pMyRoot));
    EXPECT_EQ((std::vector<std::string> { "Server" }), Children(grid.m_pYemRoot));
    EXPECT_TRUE(Children(Find("Server")).empty());
}

TEST_F(MySuperGridTest, IconsFollowTheRowsRole)
{
    Open();
    Item* folder = grid.HowToInsertFolder(grid.GetCurIndex(grid.m_pMyRoot), "Site");
    ASSERT_NE(nullptr, folder);
    auto device = [&](Item* parent, const char* name) {
        auto* info = new CItemInfo;
        info->SetItemText(name);
        return grid.InsertItem(parent, info, TRUE);
    };
    Item* top = device(grid.m_pMyRoot, "Top");
    Item* inner = device(folder, "Inner");
    Item* local = device(grid.m_pLocalRoot, "10.0.0.5");
    folder->m_lpNodeInfo->SetImage(-1);
    grid.Collapse(folder);
    EXPECT_EQ(3, grid.GetIcon(top));
    EXPECT_EQ(2, grid.GetIcon(inner));
    EXPECT_EQ(2, grid.GetIcon(local));
    EXPECT_EQ(1, grid.GetIcon(folder));
    grid.Expand(folder, grid.GetCurIndex(folder));
    EXPECT_EQ(0, grid.GetIcon(folder));
    top->m_lpNodeInfo->SetImage(11);
    EXPECT_EQ(11, grid.GetIcon(top));
    EXPECT_EQ(RGB(20, 30, 112), grid.GetCellRGB());
}

} // namespace
} // namespace morrik_test
