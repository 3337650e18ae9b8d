// The device tree driven through its messages: selection records, the
// boxes, renames, drag and drop between the roots, the context menus and
// the tree file after every structural change.
#include "DeviceTreeHarness.h"

#include "link/DeviceHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

using namespace devtree_test;
using Item = CSuperGridCtrl::CTreeItem;

constexpr WPARAM kMkLButton = 0x1;
constexpr WPARAM kMkRButton = 0x2;

Item* Find(CSuperGridCtrl& grid, const char* name)
{
    Item* found = nullptr;
    auto walk = [&](auto& self, Item* node) -> void {
        if (!found && node->m_lpNodeInfo->GetItemText() == name)
            found = node;
        for (Item* child : node->m_listChild)
            self(self, child);
    };
    for (Item* root : grid.Roots())
        walk(walk, root);
    return found;
}

// Every node of every root as "name<parent".
std::vector<std::string> Dump(CSuperGridCtrl& grid)
{
    std::vector<std::string> lines;
    auto walk = [&](auto& self, Item* node) -> void {
        for (Item* child : node->m_listChild) {
            lines.push_back(
                child->m_lpNodeInfo->GetItemText().Str() + "<" + node->m_lpNodeInfo->GetItemText().Str());
            self(self, child);
        }
    };
    for (Item* root : grid.Roots())
        walk(walk, root);
    return lines;
}

// Lines of `lines` that start with name + "<".
std::vector<std::string> Where(const std::vector<std::string>& lines, const std::string& name)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(name + "<", 0) == 0)
            found.push_back(line);
    return found;
}

void ExpandAll(CSuperGridCtrl& grid)
{
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        Item* node = grid.NodeAtRow(row);
        if (grid.HasChildren(node) && node->m_bHideChildren)
            grid.ExpandNode(node, row);
    }
}

// My DVR: F1 (10.0.0.1), F2, 10.0.0.2; Local Area DVR: 10.0.0.9;
// ZPT: server 192.168.1.5 with group G1 and a device Cam-Z it reported.
void BuildSample(TreeHarness& h)
{
    CMySuperGrid& g = *h.grid;
    Item* f1 = g.HowToInsertFolder(g.m_pMyRoot, "F1");
    g.HowToInsertFolder(g.m_pMyRoot, "F2");
    g.InsertDVR(f1, h.Device("10.0.0.1", 0x0A000001, 1, "S1"));
    g.InsertDVR(g.m_pMyRoot, h.Device("10.0.0.2", 0x0A000002, 2, "S2"));
    CItemInfo* local = h.Device("10.0.0.9", 0x0A000009, 9, "S9");
    local->m_bKnown = 0;
    g.InsertNode(g.m_pLocalRoot, local, TRUE);
    Item* server = g.InsertServer("192.168.1.5", "reg", "pw");
    g.InsertGroupId(server, "G1");
    CItemInfo* remote = h.Device("Cam-Z", 0xC0A80107, 7, "S7");
    remote->m_bLookup = 1;
    CItemInfo::SetText(remote->m_szKey, sizeof(remote->m_szKey), "00:1c:23:10:20:07");
    g.InsertNode(server, remote, FALSE);
    ExpandAll(g);
}

TEST(DeviceTree, StructuralChangesReachTheFileAtOnce)
{
    TreeHarness h;
    BuildSample(h);
    EXPECT_EQ(h.FileTree(),
        (std::vector<std::string> { "F1<My DVR", "10.0.0.1<F1", "F2<My DVR", "10.0.0.2<My DVR",
            "192.168.1.5<ZPT", "G1<192.168.1.5" }))
        << "the reported device is transient and never saved";

    // Delete asks first; No keeps everything.
    h.grid->SelectRow(h.Row(Find(*h.grid, "10.0.0.1")));
    h.boxes.Answer(IDNO);
    h.grid->OnDelete();
    EXPECT_EQ(h.FileTree().size(), 6u);
    h.boxes.Answer(IDYES);
    h.grid->OnDelete();
    ASSERT_EQ(h.boxes.Boxes().size(), 2u);
    EXPECT_EQ(h.boxes.Boxes()[1].text, "Do you really want to delete the DVR?");
    EXPECT_EQ(h.boxes.Boxes()[1].type, MB_YESNO | MB_ICONHAND);
    EXPECT_EQ(Where(h.FileTree(), "10.0.0.1"), std::vector<std::string> {});
    // The folder that lost its only device shows closed.
    EXPECT_EQ(Find(*h.grid, "F1")->m_lpNodeInfo->GetImage(), TREE_IMAGE_CLOSED_FOLDER);

    // The roots stay, whatever the answer.
    h.grid->SelectRow(h.Row(h.grid->m_pMyRoot));
    h.boxes.Answer(IDYES);
    h.grid->OnDelete();
    EXPECT_EQ(h.grid->Roots().size(), 3u);

    // A new folder needs a name.
    EXPECT_EQ(h.grid->HowToInsertFolder(h.grid->m_pMyRoot, ""), nullptr);
    EXPECT_EQ(h.grid->HowToInsertFolder(Find(*h.grid, "F2"), "Inner")->m_pParent, Find(*h.grid, "F2"));
    EXPECT_EQ(Where(h.FileTree(), "Inner"), std::vector<std::string> { "Inner<F2" });

    // A second tree on the same file loads what the first saved.
    const std::vector<std::string> saved = h.FileTree();
    h.MakeGrid(true);
    EXPECT_EQ(h.FileTree(), saved);
    Item* device = Find(*h.grid, "10.0.0.2");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->m_lpNodeInfo->m_bKnown, 1);
    EXPECT_EQ(device->m_lpNodeInfo->GetImage(), TREE_IMAGE_OFFLINE);
    EXPECT_STREQ(device->m_lpNodeInfo->m_szSerial, "S2");
    EXPECT_EQ(device->m_lpNodeInfo->m_dwConfigPort, 8405u);
    EXPECT_STREQ(Find(*h.grid, "G1")->m_lpNodeInfo->m_szLookupHost, "192.168.1.5");
}

TEST(DeviceTree, PickingADeviceSendsItsRecord)
{
    TreeHarness h;
    BuildSample(h);
    Item* device = Find(*h.grid, "10.0.0.2");
    std::strcpy(device->m_lpNodeInfo->m_szInfo, "Front door");
    h.Click(device);
    const OwnerMessage* m = h.owner.Last(WM_DEVICE_SELECT);
    ASSERT_NE(m, nullptr);
    const SELECTED_DEVICE& d = m->device;
    EXPECT_STREQ(d.szName, "10.0.0.2");
    EXPECT_STREQ(d.szModel, "QR-1604");
    EXPECT_STREQ(d.szVersion2, "2.1.7");
    EXPECT_STREQ(d.szSerial, "S2");
    EXPECT_STREQ(d.szInfo, "Front door");
    EXPECT_EQ(d.dwIpAddress, 0x0A000002u);
    EXPECT_EQ(d.byMac[5], 2);
    EXPECT_EQ(d.dwHttpPort, 8001u);
    EXPECT_EQ(d.dwStreamPort, 8105u);
    EXPECT_EQ(d.dwConfigPort, 8405u);
    EXPECT_EQ(d.bMacText, 1);
    EXPECT_EQ(d.bLookup, 0);
    EXPECT_STREQ(d.szAddress, "10.0.0.2");
    EXPECT_EQ(d.dwFamily, 4u);
    EXPECT_EQ(h.grid->SelectedRow(), h.Row(device));

    // A folder clears the selection with its node.
    h.Click(Find(*h.grid, "F2"));
    ASSERT_NE(h.owner.Last(WM_DEVICE_CLEAR), nullptr);
    EXPECT_EQ(h.owner.Last(WM_DEVICE_CLEAR)->wParam, WPARAM(Find(*h.grid, "F2")));

    // An offline device never seen this run sends no texts.
    device->m_lpNodeInfo->m_bOnline = 0;
    device->m_lpNodeInfo->SetImage(TREE_IMAGE_OFFLINE);
    h.Click(device);
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT)->device.szModel, "");
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT)->device.szInfo, "");
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT)->device.szSerial, "S2");

    // Return logs in to the selected device.
    h.grid->SendMessage(WM_KEYDOWN, 0x0D, 0);
    EXPECT_EQ(h.view.log.back(), "login");
}

TEST(DeviceTree, TheBoxOpensAndClosesAFolder)
{
    TreeHarness h;
    BuildSample(h);
    Item* f1 = Find(*h.grid, "F1");
    h.grid->CollapseNode(f1);
    ASSERT_TRUE(f1->m_bHideChildren);
    const int rows = h.grid->GetItemCount();
    const CPoint box = h.grid->BoxRect(h.Row(f1)).CenterPoint();
    h.grid->SendMessage(WM_LBUTTONDOWN, kMkLButton, MAKELPARAM(box.x, box.y));
    EXPECT_FALSE(f1->m_bHideChildren);
    EXPECT_EQ(h.grid->GetItemCount(), rows + 1);
    EXPECT_EQ(f1->m_lpNodeInfo->GetImage(), TREE_IMAGE_OPEN_FOLDER);
    EXPECT_EQ(f1->m_lpNodeInfo->m_bExpanded, 1);
    // A click on the box does not select or report anything.
    EXPECT_EQ(h.owner.Last(WM_DEVICE_CLEAR), nullptr);
    h.grid->SendMessage(WM_LBUTTONDOWN, kMkLButton, MAKELPARAM(box.x, box.y));
    EXPECT_TRUE(f1->m_bHideChildren);
    EXPECT_EQ(h.grid->GetItemCount(), rows);
    EXPECT_EQ(f1->m_lpNodeInfo->GetImage(), TREE_IMAGE_CLOSED_FOLDER);

    // A double-click on the folder's label toggles it as well.
    const CPoint label = h.LabelPoint(f1);
    h.grid->SendMessage(WM_LBUTTONDOWN, kMkLButton, MAKELPARAM(label.x, label.y));
    h.grid->SendMessage(WM_LBUTTONDBLCLK, kMkLButton, MAKELPARAM(label.x, label.y));
    EXPECT_FALSE(f1->m_bHideChildren);

    // Up and Down do not move the selection.
    const int selected = h.grid->SelectedRow();
    h.grid->SendMessage(WM_KEYDOWN, 0x28, 0);
    h.grid->SendMessage(WM_KEYDOWN, 0x26, 0);
    EXPECT_EQ(h.grid->SelectedRow(), selected);
}

TEST(DeviceTree, RenameInPlaceKeepsNamesUniqueAndNonEmpty)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    TreeHarness h;
    BuildSample(h);
    Item* device = Find(*h.grid, "10.0.0.2");

    // A second click on the selected row opens the editor 500 ms later.
    h.Click(device);
    h.Click(device);
    clock.Advance(499);
    PumpWaitingMessages();
    EXPECT_EQ(h.grid->m_bEditing, 0);
    clock.Advance(1);
    PumpWaitingMessages();
    EXPECT_EQ(h.grid->m_bEditing, 1);
    EXPECT_EQ(h.grid->m_nEditingRow, h.Row(device));

    struct Case {
        const char* typed; // null: Escape
        const char* expected;
    };
    const Case cases[] = {
        { nullptr, "10.0.0.2" }, // cancelled
        { "F2", "10.0.0.2" }, // a sibling's name
        { "", "10.0.0.2" }, // empty
        { "10.0.0.2", "10.0.0.2" }, // its own name
        { "Gate", "Gate" },
    };
    for (const Case& c : cases) {
        NMLVDISPINFO info {};
        info.hdr = { h.grid->m_hWnd, IDC_TREE_LABEL_EDIT, LVN_ENDLABELEDIT };
        info.item.mask = LVIF_TEXT;
        info.item.iItem = h.Row(device);
        info.item.pszText = const_cast<char*>(c.typed);
        h.owner.SendMessage(WM_NOTIFY, IDC_DEVICE_TREE, LPARAM(&info));
        EXPECT_EQ(device->m_lpNodeInfo->GetItemText(), c.expected) << (c.typed ? c.typed : "(escape)");
        EXPECT_EQ(h.grid->GetItemText(h.Row(device), 0), c.expected);
        EXPECT_EQ(h.grid->m_bEditing, 0);
    }
    EXPECT_EQ(Where(h.FileTree(), "Gate"), std::vector<std::string> { "Gate<My DVR" });
    // Rows under "Local Area DVR" are never renamed.
    Item* local = Find(*h.grid, "10.0.0.9");
    h.Click(local);
    h.Click(local);
    clock.Advance(600);
    PumpWaitingMessages();
    EXPECT_EQ(h.grid->m_bEditing, 0);
}

struct DropCase {
    const char* name;
    uint32_t family;
    const char* dragged;
    const char* target;
    std::vector<std::string> after; // where the dragged name stands afterwards
};

class DropRules : public ::testing::TestWithParam<DropCase>
{
};

TEST_P(DropRules, FollowTheRootRules)
{
    const DropCase& c = GetParam();
    TreeHarness h;
    h.grid->m_nFamily = c.family;
    ResetFileIfNoFileIs(h.Path());
    BuildSample(h);
    const std::vector<std::string> before = Dump(*h.grid);
    const std::vector<std::string> fileBefore = h.FileTree();
    h.grid->DropOnRow(h.Row(Find(*h.grid, c.dragged)), h.Row(Find(*h.grid, c.target)));
    EXPECT_EQ(Where(Dump(*h.grid), c.dragged), c.after);
    if (Where(before, c.dragged) == c.after) {
        EXPECT_EQ(Dump(*h.grid), before);
        EXPECT_EQ(h.FileTree(), fileBefore);
    } else {
        // The file holds the new tree, read back through the file layer.
        std::vector<std::string> expected;
        for (const std::string& line : Dump(*h.grid))
            if (line.find("<Local Area DVR") == std::string::npos && line.rfind("Cam-Z<192", 0) != 0)
                expected.push_back(line);
        EXPECT_EQ(h.FileTree(), expected);
    }
    // Rows and nodes stay in step.
    for (int row = 0; row < h.grid->GetItemCount(); ++row)
        EXPECT_EQ(h.grid->RowOfNode(h.grid->NodeAtRow(row)), row);
}

INSTANTIATE_TEST_SUITE_P(DeviceTree, DropRules,
    ::testing::Values(DropCase { "FolderIntoLocal", 4, "F1", "Local Area DVR", { "F1<My DVR" } },
        DropCase { "FolderIntoServers", 4, "F1", "ZPT", { "F1<My DVR" } },
        DropCase { "FolderIntoFolder", 4, "F2", "F1", { "F2<F1" } },
        DropCase { "FolderOnItsParent", 4, "F1", "My DVR", { "F1<My DVR" } },
        DropCase { "FolderOnItself", 4, "F1", "F1", { "F1<My DVR" } },
        DropCase { "RootNeverMoves", 4, "Local Area DVR", "F1", {} },
        DropCase { "DeviceIntoServers", 4, "10.0.0.2", "ZPT", { "10.0.0.2<My DVR" } },
        DropCase { "DeviceIntoFolder", 4, "10.0.0.2", "F2", { "10.0.0.2<F2" } },
        DropCase { "DeviceOnDeviceGoesToItsFolder", 4, "10.0.0.2", "10.0.0.1", { "10.0.0.2<F1" } },
        DropCase { "DeviceToItsOwnFolder", 4, "10.0.0.1", "F1", { "10.0.0.1<F1" } },
        DropCase { "LocalDeviceIntoMyDvr", 4, "10.0.0.9", "F2", { "10.0.0.9<F2" } },
        DropCase { "LocalDeviceIntoServers", 4, "10.0.0.9", "ZPT", { "10.0.0.9<Local Area DVR" } },
        DropCase { "ReportedDeviceIsCopiedIntoMyDvr", 4, "Cam-Z", "F2", { "Cam-Z<F2", "Cam-Z<192.168.1.5" } },
        DropCase { "ReportedDeviceIntoLocal", 4, "Cam-Z", "Local Area DVR", { "Cam-Z<192.168.1.5" } },
        DropCase { "ServerFolderNeverMoves", 4, "G1", "F2", { "G1<192.168.1.5" } },
        DropCase { "GroupBFolderIntoLocal", 1, "F1", "Local Area DVR", { "F1<My DVR" } },
        DropCase { "GroupBDeviceIntoLocalTakesItsAddress", 1, "10.0.0.2", "Local Area DVR",
            { "10.0.0.2<Local Area DVR" } },
        DropCase { "GroupBFolderIntoFolder", 1, "F2", "F1", { "F2<F1" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceTree, DraggingWithTheMouseMovesAndRightButtonOrEscapeCancel)
{
    TreeHarness h;
    BuildSample(h);
    auto press = [&](CPoint p) { h.grid->SendMessage(WM_LBUTTONDOWN, kMkLButton, MAKELPARAM(p.x, p.y)); };
    auto move = [&](CPoint p, WPARAM keys) { h.grid->SendMessage(WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y)); };
    auto release = [&](CPoint p) { h.grid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); };

    // Right button alone ends the drag; the release drops nothing.
    CPoint from = h.LabelPoint(Find(*h.grid, "10.0.0.2"));
    CPoint to = h.LabelPoint(Find(*h.grid, "F2"));
    press(from);
    move(to, kMkLButton); // begins the drag
    move(to, kMkLButton);
    EXPECT_EQ(h.grid->m_bIsDragging, 1);
    EXPECT_EQ(h.grid->GetItemState(h.Row(Find(*h.grid, "F2")), LVIS_DROPHILITED), LVIS_DROPHILITED);
    move(to, kMkRButton);
    EXPECT_EQ(h.grid->m_bIsDragging, 0);
    EXPECT_EQ(h.grid->GetItemState(h.Row(Find(*h.grid, "F2")), LVIS_DROPHILITED), 0u);
    release(to);
    EXPECT_EQ(Where(Dump(*h.grid), "10.0.0.2"), std::vector<std::string> { "10.0.0.2<My DVR" });

    // Escape ends it as well.
    press(from);
    move(to, kMkLButton);
    ASSERT_EQ(h.grid->m_bIsDragging, 1);
    h.grid->SendMessage(WM_KEYDOWN, 0x1B, 0);
    EXPECT_EQ(h.grid->m_bIsDragging, 0);
    release(to);
    EXPECT_EQ(Where(Dump(*h.grid), "10.0.0.2"), std::vector<std::string> { "10.0.0.2<My DVR" });

    // A whole drag moves the device; the owner hears of the moved device.
    from = h.LabelPoint(Find(*h.grid, "10.0.0.2"));
    to = h.LabelPoint(Find(*h.grid, "F2"));
    press(from);
    move(to, kMkLButton);
    move(to, kMkLButton);
    release(to);
    EXPECT_EQ(Where(Dump(*h.grid), "10.0.0.2"), std::vector<std::string> { "10.0.0.2<F2" });
    EXPECT_EQ(Where(h.FileTree(), "10.0.0.2"), std::vector<std::string> { "10.0.0.2<F2" });
    ASSERT_NE(h.owner.Last(WM_DEVICE_SELECT), nullptr);
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT)->device.szName, "10.0.0.2");
    EXPECT_EQ(h.grid->NodeAtRow(h.grid->SelectedRow()), Find(*h.grid, "10.0.0.2"));
}

TEST(DeviceTree, ContextMenuCommandsByNodeKind)
{
    TreeHarness h;
    BuildSample(h);
    g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    struct Case {
        const char* node;
        UINT menu;
        std::set<UINT> disabled;
    };
    const Case cases[] = {
        { "My DVR", IDR_TREE_MENU_DVR, { ID_TREE_DELETE_FOLDER, ID_TREE_DELETE_CAM, ID_TREE_RENAME } },
        { "F1", IDR_TREE_MENU_DVR, { ID_TREE_DELETE_CAM, ID_TREE_RENAME } },
        { "10.0.0.2", IDR_TREE_MENU_DVR, { ID_TREE_NEW_FOLDER, ID_TREE_DELETE_FOLDER, ID_TREE_ADD_CAM } },
        { "Local Area DVR", 0, {} },
        { "10.0.0.9", 0, {} },
        { "ZPT", IDR_TREE_MENU_SERVER,
            { ID_TREE_DELETE_ZPT, ID_TREE_ADD_GROUP_ID, ID_TREE_DELETE_GROUP_ID } },
        { "192.168.1.5", IDR_TREE_MENU_SERVER, { ID_TREE_ADD_ZPT, ID_TREE_DELETE_GROUP_ID } },
        { "G1", IDR_TREE_MENU_SERVER, { ID_TREE_ADD_ZPT, ID_TREE_DELETE_ZPT, ID_TREE_ADD_GROUP_ID } },
        { "Cam-Z", 0, {} },
    };
    for (const Case& c : cases) {
        const TreeMenuChoice choice = h.grid->ContextMenuFor(Find(*h.grid, c.node));
        EXPECT_EQ(choice.menuId, c.menu) << c.node;
        EXPECT_EQ(choice.disabled, c.disabled) << c.node;
    }
    g_CurrentDevice.dwFamily = 0;
    EXPECT_EQ(h.grid->ContextMenuFor(Find(*h.grid, "F1")).menuId, IDR_TREE_MENU_CAM);
    EXPECT_EQ(h.grid->ContextMenuFor(nullptr).menuId, 0u);
}

TEST(DeviceTree, ServersAndGroupIdsAreNotRepeated)
{
    TreeHarness h;
    BuildSample(h);
    EXPECT_EQ(h.grid->InsertServer("192.168.1.5", "x", "y"), nullptr);
    EXPECT_EQ(h.grid->InsertGroupId(Find(*h.grid, "192.168.1.5"), "G1"), nullptr);
    ASSERT_EQ(h.boxes.Boxes().size(), 2u);
    EXPECT_EQ(h.boxes.Boxes()[0].text, "The server already exists.");
    EXPECT_EQ(h.boxes.Boxes()[1].text, "The group ID already exists.");
    h.grid->SendYemMsg();
    EXPECT_EQ(h.view.log.back(), "fetch 192.168.1.5 G1");
}

TEST(DeviceTree, TheCurrentDevicesChangesArePatchedIntoItsRecord)
{
    TreeHarness h;
    BuildSample(h);
    auto record = [&](const char* name) {
        CTreeFileLists lists;
        ReadTreeFileAndConsistLlist(h.Path(), lists);
        for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext)
            if (std::string(n->node.szName) == name)
                return n->node;
        return FILE_NODE {};
    };
    g_CurrentDevice = SELECTED_DEVICE();
    g_CurrentDevice.dwIpAddress = 0x0A000001;
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, 1 };
    std::memcpy(g_CurrentDevice.byMac, mac, 6);
    bool mine = false;
    ASSERT_EQ(h.grid->FindCurrentItem(&mine), Find(*h.grid, "10.0.0.1"));
    EXPECT_TRUE(mine);

    EXPECT_TRUE(h.grid->SetCurrentDevicePorts(81, 8106, 8406));
    EXPECT_EQ(record("10.0.0.1").dwHttpPort, 81u);
    EXPECT_EQ(record("10.0.0.1").dwStreamPort, 8106u);
    EXPECT_EQ(record("10.0.0.1").dwConfigPort, 8406u);
    EXPECT_TRUE(h.grid->SetCurrentDeviceIp(0x0A000063));
    EXPECT_EQ(record("10.0.0.1").item.dwIpAddress, 0x0A000063u);
    const uint32_t lookup[4] = { 1, 2, 3, 4 };
    EXPECT_TRUE(h.grid->SetCurrentLookupSettings(lookup));
    EXPECT_EQ(record("10.0.0.1").dwLookup[3], 4u);
    EXPECT_EQ(record("10.0.0.2").dwHttpPort, 8001u); // the others stay

    EXPECT_TRUE(h.grid->FindConnectedDevice(0x0A000063));
    h.grid->DisconnectCurrentDevice();
    EXPECT_FALSE(h.grid->FindConnectedDevice(0x0A000063));
    EXPECT_EQ(Find(*h.grid, "10.0.0.1")->m_lpNodeInfo->GetImage(), TREE_IMAGE_OFFLINE);

    // Found under "Local Area DVR" too; nothing is written for it.
    g_CurrentDevice.dwIpAddress = 0x0A000009;
    g_CurrentDevice.byMac[5] = 9;
    ASSERT_EQ(h.grid->FindCurrentItem(&mine), Find(*h.grid, "10.0.0.9"));
    EXPECT_FALSE(mine);
    EXPECT_TRUE(h.grid->SetCurrentInfoText("Back door"));
    EXPECT_STREQ(Find(*h.grid, "10.0.0.9")->m_lpNodeInfo->m_szInfo, "Back door");
    g_CurrentDevice = SELECTED_DEVICE();
}

TEST(DeviceTree, SavedLoginsAndPasswordTablesReachTheRecord)
{
    TreeHarness h;
    BuildSample(h);
    CItemInfo* info = Find(*h.grid, "10.0.0.2")->m_lpNodeInfo;
    const uint8_t secret[16] = { 's', 'e', 'c', 'r', 'e', 't' };
    uint8_t read[16] = {};

    // The saved login keeps only the default user name.
    EXPECT_FALSE(h.grid->SetPasswd(info, 0, "guest", secret, TRUE));
    EXPECT_TRUE(h.grid->SetPasswd(info, 0, "admin", secret, TRUE));
    ASSERT_TRUE(h.grid->GetPasswd(info, 0, "anyone", read));
    EXPECT_EQ(std::memcmp(read, secret, 16), 0);
    h.Click(Find(*h.grid, "10.0.0.2")); // a click sends the saved password of the record
    ASSERT_NE(h.owner.Last(WM_DEVICE_SELECT), nullptr);
    EXPECT_EQ(h.owner.Last(WM_DEVICE_SELECT)->device.bPasswordSaved, 1);
    EXPECT_EQ(std::memcmp(h.owner.Last(WM_DEVICE_SELECT)->device.byPassword, secret, 16), 0);

    // Table A: users take the first free entries; a removal moves the rest up.
    for (const char* user : { "u1", "u2", "u3" }) {
        uint8_t pw[16] = {};
        std::strcpy(reinterpret_cast<char*>(pw), user);
        EXPECT_TRUE(h.grid->SetPasswd(info, 1, user, pw, TRUE));
    }
    EXPECT_TRUE(h.grid->SetPasswd(info, 1, "u1", secret, FALSE));
    EXPECT_STREQ(info->m_tableA[0].szUser, "u2");
    EXPECT_STREQ(info->m_tableA[1].szUser, "u3");
    EXPECT_STREQ(info->m_tableA[2].szUser, "");
    EXPECT_FALSE(h.grid->GetPasswd(info, 1, "u1", read));
    ASSERT_TRUE(h.grid->GetPasswd(info, 1, "u3", read));
    EXPECT_STREQ(reinterpret_cast<const char*>(read), "u3");
    EXPECT_FALSE(h.grid->GetPasswd(info, 2, "u3", read)); // table B is apart

    // A full table stays as it is; devices not of "My DVR" keep nothing.
    for (int i = 0; i < 10; ++i) {
        char user[8];
        std::snprintf(user, sizeof(user), "b%d", i);
        EXPECT_TRUE(h.grid->SetPasswd(info, 2, user, secret, TRUE));
    }
    EXPECT_FALSE(h.grid->SetPasswd(info, 2, "b10", secret, TRUE));
    EXPECT_FALSE(h.grid->SetPasswd(Find(*h.grid, "10.0.0.9")->m_lpNodeInfo, 1, "u9", secret, TRUE));
}

TEST(DeviceTree, TheLastDeviceIsSelectedAtStart)
{
    TreeHarness h;
    BuildSample(h);
    CAM_SERIAL_MAC_INFO key {};
    std::strcpy(key.szSerial, "S1");
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, 1 };
    std::memcpy(key.byMac, mac, 6);
    ASSERT_TRUE(SetLastCam(h.Path(), 0, key));
    h.MakeGrid(true);
    h.grid->OpenLastCam(0);
    Item* device = Find(*h.grid, "10.0.0.1");
    EXPECT_EQ(h.grid->NodeAtRow(h.grid->SelectedRow()), device);
    EXPECT_EQ(Find(*h.grid, "F1")->m_lpNodeInfo->GetImage(), TREE_IMAGE_OPEN_FOLDER);
    EXPECT_EQ(h.grid->m_bWaitSelection, 1);
    EXPECT_STREQ(h.grid->m_szWaitMac, "00:1c:23:10:20:01");
    ASSERT_NE(h.owner.Last(WM_DEVICE_SELECT_IN_FAMILY), nullptr);
    EXPECT_STREQ(h.owner.Last(WM_DEVICE_SELECT_IN_FAMILY)->device.szSerial, "S1");
}

} // namespace

namespace
{

// A discovery reply of a device with the harness's MAC ending in macLast.
RES_DISCOVER_OVEL Reply(uint32_t ip, uint8_t macLast, const char* serial = "")
{
    RES_DISCOVER_OVEL reply {};
    reply.ipAddress = ip;
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, macLast };
    std::memcpy(reply.mac, mac, 6);
    CItemInfo::SetText(reply.serial, sizeof(reply.serial), serial);
    CItemInfo::SetText(reply.model, sizeof(reply.model), "QR-1604");
    return reply;
}

} // namespace

TEST(DeviceTree, ADeviceIsFoundByItsMacAfterARenameADragAndADelete)
{
    TreeHarness h;
    BuildSample(h);
    CMySuperGrid& g = *h.grid;
    const RES_DISCOVER_OVEL reply = Reply(0x0A000002, 2);

    // Renamed in place: the same node answers to its MAC.
    Item* device = Find(g, "10.0.0.2");
    g.EndLabelEdit(h.Row(device), "Gate");
    ASSERT_EQ(Find(g, "Gate"), device);
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, reply), device);

    // Dragged into a folder: the copy there answers, the old node is gone.
    g.DropOnRow(h.Row(device), h.Row(Find(g, "F2")));
    Item* moved = Find(g, "Gate");
    ASSERT_NE(moved, nullptr);
    ASSERT_EQ(moved->m_pParent, Find(g, "F2"));
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, reply), moved);

    // A reply with a new MAC re-files the device under it.
    RES_DISCOVER_OVEL changed = reply;
    changed.mac[5] = 0x42;
    g.ModifyNodeOfTreeCtrl(moved, changed, 1);
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, changed), moved);
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, Reply(0x0B000002, 2)), nullptr) << "the old MAC is no key any more";

    // Deleted: no longer found, and its reply joins "Local Area DVR".
    g.SelectRow(h.Row(moved));
    h.boxes.Answer(IDYES);
    g.OnDelete();
    ASSERT_EQ(Find(g, "Gate"), nullptr);
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, changed), nullptr);
    g.ResDiscoverProc(&changed);
    Item* local = Find(g, "10.0.0.2");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->m_pParent, g.m_pLocalRoot);
    EXPECT_EQ(g.SearchReply(g.m_pLocalRoot, changed), local);
    // The first match in display order wins when two devices share a MAC.
    CItemInfo* twin = h.Device("A-twin", 0x0A000077, 0x42, "");
    Item* first = g.InsertDVR(Find(g, "F1"), twin);
    ASSERT_NE(first, nullptr);
    CItemInfo* later = h.Device("B-twin", 0x0A000078, 0x42, "");
    ASSERT_NE(g.InsertDVR(Find(g, "F2"), later), nullptr);
    EXPECT_EQ(g.SearchReply(g.m_pMyRoot, changed), first);
}

TEST(DeviceTree, TheDropMovesTheDraggedDeviceWhileDiscoveryMovesRows)
{
    TreeHarness h;
    BuildSample(h);
    CMySuperGrid& g = *h.grid;
    auto press = [&](CPoint p) { g.SendMessage(WM_LBUTTONDOWN, kMkLButton, MAKELPARAM(p.x, p.y)); };
    auto move = [&](CPoint p) { g.SendMessage(WM_MOUSEMOVE, kMkLButton, MAKELPARAM(p.x, p.y)); };
    auto release = [&](CPoint p) { g.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); };

    // A found device sorts in above the dragged one while it is dragged:
    // the drop still moves the device that was picked up.
    const CPoint to = h.LabelPoint(Find(g, "F2"));
    press(h.LabelPoint(Find(g, "10.0.0.9")));
    move(to);
    move(to);
    ASSERT_EQ(g.m_bIsDragging, 1);
    const RES_DISCOVER_OVEL found = Reply(0x0A00000A, 10, "S10");
    g.ResDiscoverProc(&found);
    ASSERT_EQ(g.NodeAtRow(h.Row(Find(g, "10.0.0.10")) + 1), Find(g, "10.0.0.9"));
    release(to);
    EXPECT_EQ(Where(Dump(g), "10.0.0.9"), std::vector<std::string> { "10.0.0.9<F2" });
    EXPECT_EQ(Where(Dump(g), "10.0.0.10"), std::vector<std::string> { "10.0.0.10<Local Area DVR" });
    EXPECT_EQ(Where(h.FileTree(), "10.0.0.9"), std::vector<std::string> { "10.0.0.9<F2" });
    EXPECT_EQ(Where(h.FileTree(), "10.0.0.10"), std::vector<std::string> {});

    // A dragged device that the end of the cycle removes is not dropped.
    press(h.LabelPoint(Find(g, "10.0.0.10")));
    move(to);
    move(to);
    ASSERT_EQ(g.m_bIsDragging, 1);
    const std::vector<std::string> before = h.FileTree();
    g.ClearOnlineFlags();
    g.EndDiscoveryCycle();
    ASSERT_EQ(Find(g, "10.0.0.10"), nullptr);
    release(to);
    EXPECT_EQ(h.FileTree(), before);
    EXPECT_EQ(Find(g, "10.0.0.10"), nullptr);
    for (int row = 0; row < g.GetItemCount(); ++row)
        EXPECT_EQ(g.RowOfNode(g.NodeAtRow(row)), row);
}
