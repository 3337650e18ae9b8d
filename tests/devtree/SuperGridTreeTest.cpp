// Tree operations of the tree-in-list control, without painting: rows and
// nodes stay in step through insert, expand, collapse, sort and removal.
#include "devtree/SuperGridCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Item = CSuperGridCtrl::CTreeItem;

CItemInfo* Info(const char* text, bool folder = false)
{
    auto* info = new CItemInfo;
    info->SetItemText(text);
    info->m_bFolder = folder ? 1 : 0;
    return info;
}

std::vector<std::string> RowTexts(const CSuperGridCtrl& grid)
{
    std::vector<std::string> texts;
    for (int i = 0; i < grid.GetItemCount(); ++i)
        texts.push_back(grid.GetItemText(i, 0).Str());
    return texts;
}

std::vector<std::string> ChildTexts(const Item* parent)
{
    std::vector<std::string> texts;
    for (const Item* child : parent->m_listChild)
        texts.push_back(child->m_lpNodeInfo->GetItemText().Str());
    return texts;
}

// Every row's node knows its row, and every visible node has that row.
void ExpectInStep(CSuperGridCtrl& grid)
{
    int visible = 0;
    auto walk = [&](auto& self, Item* node, bool shown) -> void {
        if (shown) {
            ++visible;
            EXPECT_EQ(grid.RowOfNode(node), node->m_nIndex) << node->m_lpNodeInfo->GetItemText().Str();
        } else {
            EXPECT_EQ(grid.RowOfNode(node), -1) << node->m_lpNodeInfo->GetItemText().Str();
        }
        for (Item* child : node->m_listChild)
            self(self, child, shown && !node->m_bHideChildren);
    };
    for (Item* root : grid.Roots())
        walk(walk, root, true);
    ASSERT_EQ(grid.GetItemCount(), visible);
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        Item* node = grid.NodeAtRow(row);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->m_nIndex, row);
        EXPECT_EQ(grid.GetItemText(row, 0), node->m_lpNodeInfo->GetItemText());
        LVITEM lvi {};
        lvi.mask = LVIF_INDENT;
        lvi.iItem = row;
        grid.GetItem(&lvi);
        EXPECT_EQ(lvi.iIndent, node->m_nIndent);
    }
}

TEST(SuperGridTree, FoldersComeFirstThenByteOrderAndNoPrefixStays)
{
    CSuperGridCtrl grid;
    Item* root = grid.AddRoot(Info("My DVR"));
    grid.InsertNode(root, Info("B"), TRUE);
    grid.InsertNode(root, Info("A"), TRUE);
    grid.InsertNode(root, Info("Z", true), TRUE);
    EXPECT_EQ(ChildTexts(root), (std::vector<std::string> { "Z", "A", "B" }));
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "My DVR", "Z", "A", "B" }));
    ExpectInStep(grid);

    // Letter case makes a different name; byte order puts upper case first.
    EXPECT_NE(grid.InsertNode(root, Info("a"), TRUE), nullptr);
    CItemInfo* dup = Info("A");
    EXPECT_EQ(grid.InsertNode(root, dup, TRUE), nullptr);
    delete dup; // refused: still the caller's
    EXPECT_EQ(ChildTexts(root), (std::vector<std::string> { "Z", "A", "B", "a" }));
    ExpectInStep(grid);
    EXPECT_EQ(grid.InsertNode(nullptr, nullptr, TRUE), nullptr);
}

TEST(SuperGridTree, ExpandShowsOnlyChildrenAndCollapseHidesEveryLevel)
{
    CSuperGridCtrl grid;
    Item* root = grid.AddRoot(Info("My DVR"));
    Item* outer = grid.InsertNode(root, Info("Outer", true), TRUE);
    Item* inner = grid.InsertNode(outer, Info("Inner", true), FALSE);
    grid.InsertNode(inner, Info("10.0.0.1"), FALSE);
    grid.InsertNode(outer, Info("10.0.0.2"), FALSE);
    ExpectInStep(grid);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer" }));
    EXPECT_TRUE(grid.IsCollapsed(outer));

    EXPECT_EQ(grid.ExpandNode(outer, outer->m_nIndex), 3);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer", "Inner", "10.0.0.2" }));
    ExpectInStep(grid);
    grid.ExpandNode(inner, inner->m_nIndex);
    EXPECT_EQ(
        RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer", "Inner", "10.0.0.1", "10.0.0.2" }));
    ExpectInStep(grid);

    // Collapsing the outer folder collapses the inner one too; expanding it
    // again shows its children only, each collapsed.
    grid.CollapseNode(outer);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer" }));
    EXPECT_TRUE(grid.IsCollapsed(inner));
    ExpectInStep(grid);
    grid.ExpandNode(outer, outer->m_nIndex);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer", "Inner", "10.0.0.2" }));
    EXPECT_EQ(grid.RowOfNode(inner->m_listChild.front()), -1);
    ExpectInStep(grid);

    // A shown insertion into an open folder takes its sorted row.
    grid.InsertNode(outer, Info("10.0.0.0"), TRUE);
    EXPECT_EQ(
        RowTexts(grid), (std::vector<std::string> { "My DVR", "Outer", "Inner", "10.0.0.0", "10.0.0.2" }));
    ExpectInStep(grid);
}

TEST(SuperGridTree, RemovingASubtreeDropsItsRowsAndSelectsANeighbour)
{
    CSuperGridCtrl grid;
    Item* root = grid.AddRoot(Info("My DVR"));
    Item* local = grid.AddRoot(Info("Local Area DVR"));
    Item* folder = grid.InsertNode(root, Info("F", true), TRUE);
    grid.InsertNode(folder, Info("1.1.1.1"), FALSE);
    grid.ExpandNode(folder, folder->m_nIndex);
    grid.InsertNode(root, Info("2.2.2.2"), TRUE);
    grid.InsertNode(local, Info("3.3.3.3"), TRUE);
    EXPECT_EQ(RowTexts(grid),
        (std::vector<std::string> { "My DVR", "F", "1.1.1.1", "2.2.2.2", "Local Area DVR", "3.3.3.3" }));
    ExpectInStep(grid);

    grid.RemoveNode(folder, folder->m_nIndex, TRUE);
    EXPECT_EQ(
        RowTexts(grid), (std::vector<std::string> { "My DVR", "2.2.2.2", "Local Area DVR", "3.3.3.3" }));
    EXPECT_EQ(grid.SelectedRow(), 1);
    ExpectInStep(grid);

    // The last row: the row before it is selected.
    Item* last = grid.NodeAtRow(3);
    grid.RemoveNode(last, 3, TRUE);
    EXPECT_EQ(grid.SelectedRow(), 2);
    EXPECT_EQ(grid.m_pCurItem, local);
    ExpectInStep(grid);

    // Row 0 selects nothing new.
    grid.SetItemState(-1, 0, LVIS_SELECTED);
    grid.RemoveNode(root, 0, TRUE);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "Local Area DVR" }));
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_EQ(grid.Roots().size(), 1u);
    ExpectInStep(grid);
}

TEST(SuperGridTree, SortAllLeavesOnlyTheRootsInTextOrder)
{
    CSuperGridCtrl grid;
    Item* b = grid.AddRoot(Info("b"));
    grid.AddRoot(Info("a"));
    grid.InsertNode(b, Info("y"), TRUE);
    grid.InsertNode(b, Info("x"), TRUE);
    grid.SortAll(TRUE);
    EXPECT_EQ(RowTexts(grid), (std::vector<std::string> { "a", "b" }));
    EXPECT_EQ(ChildTexts(b), (std::vector<std::string> { "x", "y" }));
    ExpectInStep(grid);
}

TEST(SuperGridTree, WalksAndAncestry)
{
    CSuperGridCtrl grid;
    Item* root = grid.AddRoot(Info("r"));
    Item* f = grid.InsertNode(root, Info("f", true), FALSE);
    Item* d = grid.InsertNode(f, Info("d"), FALSE);
    Item* e = grid.InsertNode(root, Info("e"), FALSE);
    EXPECT_EQ(grid.NextNode(root, root), f);
    EXPECT_EQ(grid.NextNode(root, f), d);
    EXPECT_EQ(grid.NextNode(root, d), e);
    EXPECT_EQ(grid.NextNode(root, e), e); // nothing follows
    EXPECT_EQ(grid.NextNode(root, f, TRUE, TRUE), e); // f is collapsed
    EXPECT_EQ(grid.TopOfNode(d), root);
    EXPECT_TRUE(grid.IsInSubtree(f, d));
    EXPECT_FALSE(grid.IsInSubtree(d, f));
    EXPECT_TRUE(grid.IsRootNode(root));
    EXPECT_FALSE(grid.IsRootNode(f));
    EXPECT_EQ(grid.RowOfNode(d), -1);
}

TEST(SuperGridTree, ShortenedTextsEndInDotsAndFitTheWidth)
{
    // Eight pixels per character, the terminator of the dots included.
    auto extent = [](const char*, int length, void*) { return length * 8; };
    EXPECT_EQ(ShortenText("", 10, 6, extent, nullptr), "");
    EXPECT_EQ(ShortenText("abc", 30, 6, extent, nullptr), "abc");
    // Two characters: 2 * 8 + 32 + 6 = 54 < 60; three would need 62.
    EXPECT_EQ(ShortenText("abcdefghij", 60, 6, extent, nullptr), "ab...");
    EXPECT_EQ(ShortenText("abcdefghij", 5, 6, extent, nullptr), "a...");
}

} // namespace
