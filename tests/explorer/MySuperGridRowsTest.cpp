// The device tree's rows as its owner dialogs use them: channels of a
// recorder, searches, the last camera, the drop-down list of a cell, and
// the sample rows.
#include "tests/explorer/MySuperGridFixture.h"

#include "explorer/DiscoverRecord.h"
#include "explorer/GridCellEdit.h"
#include "explorer/ZptNode.h"
#include "platform/ui/DC.h"
#include "resources/morrik/Resource.h"

#include <QComboBox>

namespace morrik_test
{
namespace
{

class RowsTest : public MySuperGridTest
{
protected:
    void SetUp() override
    {
        MySuperGridTest::SetUp();
        OpenWith({
            FileNode(1, 0, "Site", true),
            FileNode(2, 1, "Inner", true),
            FileNode(3, 2, "Gate", false, 1),
            FileNode(4, 0, "Hall", false, 2),
            FileNode(5, 0, "Yard", false, 3),
        });
    }
};

TEST_F(RowsTest, ChannelsOfARecorderAreRowsOfTheirOwn)
{
    Item* hall = Find("Hall");
    char names[3][24] = { "", "Door", "" };
    for (int ch = 1; ch <= 3; ++ch)
        ASSERT_NE(nullptr, grid.InsertChNodeOfListCtrl(hall, ch, names[ch - 1]));
    EXPECT_STREQ("CH01", names[0]);
    EXPECT_STREQ("CH03", names[2]);
    EXPECT_EQ((std::vector<std::string> { "CH01", "CH03", "Door" }), Children(hall));
    const CItemInfo* door = Find("Door")->m_lpNodeInfo;
    EXPECT_EQ(2, door->m_nChannel);
    EXPECT_EQ(9, door->GetImage());
    EXPECT_TRUE(door->m_bOnline);
    // Devices are counted, channels and folders are not.
    EXPECT_EQ(3, grid.CountDevices(grid.m_pMyRoot));
    EXPECT_EQ(1, grid.CountDevices(Find("Site")));

    EXPECT_FALSE(grid.CheckOnChannel(hall));
    grid.SetChannelStatus(hall, 2, true);
    EXPECT_EQ(10, door->GetImage());
    EXPECT_EQ(9, Find("CH01")->m_lpNodeInfo->GetImage());
    EXPECT_TRUE(grid.CheckOnChannel(hall));
    grid.SetChannelIcons(hall, true);
    EXPECT_EQ(10, Find("CH03")->m_lpNodeInfo->GetImage());
    grid.SetChannelIcons(hall, false);
    EXPECT_FALSE(grid.CheckOnChannel(hall));

    grid.SelectDeviceOrChannel(hall, 2);
    EXPECT_EQ(grid.GetCurIndex(Find("Door")), grid.GetSelectedItem());
    grid.SelectDeviceOrChannel(hall, -1);
    EXPECT_EQ(grid.GetCurIndex(hall), grid.GetSelectedItem());
    EXPECT_EQ(1u, grid.GetSelectedCount());

    EXPECT_TRUE(grid.HasSiblingNamed(Find("Door"), "CH01"));
    EXPECT_FALSE(grid.HasSiblingNamed(Find("Door"), "Door"));
    SavePicture("morrik_device_tree_channels.png");

    // Channels never reach the file.
    grid.RemoveChannelRows(hall);
    EXPECT_TRUE(hall->m_listChild.empty());
    EXPECT_EQ(5u, ReadFile().nodes.size());
}

TEST_F(RowsTest, SearchesFindSavedDevicesByTheirKey)
{
    const uint8_t gateMac[6] = { 0x00, 0x1B, 0, 0, 0, 1 };
    const uint8_t noMac[6] = { 0x00, 0x1B, 0, 0, 0, 9 };
    EXPECT_EQ(Find("Gate")->m_lpNodeInfo, grid.SearchItemOfMac(gateMac));
    EXPECT_EQ(nullptr, grid.SearchItemOfMac(noMac));
    EXPECT_EQ(
        Find("Yard")->m_lpNodeInfo, grid.SearchItemOfSerialNum(reinterpret_cast<const BYTE*>("SN-Yard")));
    EXPECT_EQ(Find("Hall")->m_lpNodeInfo, grid.SearchItemOfIp(0xC0A80002, 8405));
    EXPECT_EQ(nullptr, grid.SearchItemOfIp(0xC0A80002, 8406));
    EXPECT_EQ(Find("Inner"), grid.SearchPrntNoOfMyTreeCtrl(2, grid.m_pMyRoot));
    EXPECT_EQ(grid.m_pMyRoot, grid.SearchPrntNoOfMyTreeCtrl(0, grid.m_pMyRoot));
    EXPECT_EQ(grid.m_pYemRoot, grid.SearchTreeItem("ZPT"));
    EXPECT_EQ(nullptr, grid.SearchTreeItem("Nowhere"));
    // Sub-items narrow a search, whatever their case.
    EXPECT_EQ(Find("Gate"), grid.Search("Gate", { "sn-gate", "00:1B:00:00:00:01" }));
    EXPECT_EQ(nullptr, grid.Search("Gate", { "SN-Hall" }));
    EXPECT_EQ(Find("Gate"), grid.SearchEx(Find("Site"), "Gate"));
    EXPECT_EQ(nullptr, grid.SearchEx(Find("Inner"), "Hall"));
}

TEST_F(RowsTest, SortingAsksHowFar)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    // Out of order, as a host may leave them.
    auto& roots = const_cast<std::vector<Item*>&>(grid.GetRoots());
    std::swap(roots[0], roots[2]);
    std::swap(grid.m_pMyRoot->m_listChild[0], grid.m_pMyRoot->m_listChild[2]);
    boxes.Answer(IDNO);
    grid.SortData();
    EXPECT_EQ((std::vector<std::string> { "My DVR", "ZPT", "ローカルエリアDVR" }), Rows());
    EXPECT_EQ(CString("Yard"), grid.m_pMyRoot->m_listChild[0]->m_lpNodeInfo->GetItemText());
    boxes.Answer(IDYES);
    grid.SortData();
    EXPECT_EQ((std::vector<std::string> { "Site", "Hall", "Yard" }), Children(grid.m_pMyRoot));
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ(
        CString("Sort roots and all children(Yes)\nor just sort the rootitems(No)"), boxes.Boxes()[0].text);
}

TEST_F(RowsTest, SampleRowsReplaceTheTreeButNeverItsFile)
{
    grid._DeleteAll();
    EXPECT_EQ((std::vector<std::string> { "New data", "Item 0", "Item 1", "Item 2" }), Rows());
    const int row = grid.GetCurIndex(Find("Item 1"));
    CItemInfo* item = Find("Item 1")->m_lpNodeInfo;
    EXPECT_EQ(CString("subItem 3 of Item 1"), item->GetSubItem(2));

    grid.DynamicUpdateSomeItems(row);
    EXPECT_EQ(CString("Dynamic"), item->GetSubItem(0));
    EXPECT_EQ(CString("not always"), item->GetSubItem(2));
    const int image = item->GetImage();
    grid.SetNewImage(row);
    EXPECT_NE(image, item->GetImage());
    SavePicture("morrik_device_tree_samples.png");

    // A device seen on the network, a registered one and a save request
    // change neither the sample rows nor the saved tree.
    RES_DISCOVER_OVEL seen {};
    std::snprintf(seen.model, sizeof seen.model, "QARN-1604");
    seen.ipAddress = 0xC0A80009;
    seen.mac[5] = 9;
    grid.ResDiscoverProc(&seen);
    ZPT_NODE registered {};
    std::snprintf(registered.szModel, sizeof registered.szModel, "QARN-0802");
    grid.RetYemMsg(&registered);
    grid.SendMessage(WM_TREE_SAVE, 0, 0);
    EXPECT_EQ(4, grid.GetItemCount());
    const TreeFileLists saved = ReadFile();
    ASSERT_EQ(5u, saved.nodes.size());
    EXPECT_STREQ("Site", saved.nodes[0].szName);
}

TEST_F(RowsTest, TheLastCameraIsSelectedInsideItsFolders)
{
    CItemInfo* gate = Find("Gate")->m_lpNodeInfo;
    ASSERT_TRUE(grid.SetLastCam(1, gate));
    grid.Collapse(grid.m_pMyRoot);
    grid.OpenLastCam(1);
    EXPECT_EQ(grid.GetCurIndex(Find("Gate")), grid.GetSelectedItem());
    EXPECT_EQ(Find("Gate"), grid.m_pFindItem);
    EXPECT_EQ(CString("00:1b:00:00:00:01"), grid.m_strFindMac);
    EXPECT_TRUE(Find("Inner")->m_lpNodeInfo->m_bExpanded);

    CItemInfo copy;
    ASSERT_TRUE(grid.GetLastCam(1, &copy));
    EXPECT_EQ(CString("Gate"), copy.GetItemText());
    EXPECT_TRUE(copy.m_bInFile);

    // No last camera: "My DVR" closed again, the first row current.
    grid.OpenLastCam(2);
    EXPECT_EQ(nullptr, grid.m_pFindItem);
    EXPECT_TRUE(grid.IsCollapsed(grid.m_pMyRoot));
    EXPECT_EQ(0, grid.GetSelectedItem());
}

TEST_F(RowsTest, ReturnOverACellWithChoicesOpensItsList)
{
    grid.InsertColumn(1, "Kind", LVCFMT_LEFT, 120);
    Item* hall = Find("Hall");
    CStringList kinds { "DVR", "Camera", "Server" };
    hall->m_lpNodeInfo->SetSubItemText(0, "Camera");
    hall->m_lpNodeInfo->SetControlType(combobox, 0);
    hall->m_lpNodeInfo->SetListData(0, &kinds);
    grid.SetBar(hall);

    // Column 0 has no choices.
    EXPECT_FALSE(grid.OnVkReturn());
    EXPECT_EQ(nullptr, grid.GetDlgItem(IDC_GRID_CELL_COMBO));
    grid.SetBar(hall);
    grid.EditCell(grid.GetCurIndex(hall), 1); // makes column 1 current
    if (CWnd* edit = grid.GetDlgItem(IDC_GRID_CELL_EDIT))
        edit->DestroyWindow();
    LVHITTESTINFO ht {};
    ht.iItem = grid.GetCurIndex(hall);
    ht.iSubItem = 1;
    grid.OnControlLButtonDown(0, CPoint(0, 0), ht);
    auto* combo = dynamic_cast<CGridCellCombo*>(grid.GetDlgItem(IDC_GRID_CELL_COMBO));
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(3, combo->GetCount());
    EXPECT_EQ(1, combo->GetCurSel());
    CRect cell, box;
    grid.GetSubItemRect(ht.iItem, 1, LVIR_BOUNDS, cell);
    combo->GetWindowRect(&box);
    grid.ScreenToClient(&box);
    EXPECT_EQ(cell.left, box.left);
    // Wide enough for the widest choice.
    CClientDC dc(combo);
    dc.SelectObject(combo->GetFont());
    EXPECT_EQ(UINT(dc.GetTextExtent("Camera").cx + 6), combo->GetHorizontalExtent());
}

} // namespace
} // namespace morrik_test
