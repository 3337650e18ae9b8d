// The explorer's tree-grid as a window on the offscreen platform: rows
// inserted, expanded, collapsed and sorted, clicks and what the parent is
// told, both cell editors, drag and drop between the roots, and pictures.
#include "explorer/GridCellEdit.h"
#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeBranch.h"
#include "explorer/TreeFile.h"
#include "explorer/TreeMessages.h"
#include "resources/morrik/Resource.h"
#include "tests/explorer/ScratchFolder.h"

#include "platform/base/FileIo.h"
#include "platform/base/Services.h"
#include "platform/base/TestServices.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

using namespace morrik;
using Item = CSuperGridCtrl::CTreeItem;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<uint8_t> record;
    CString text;
};

class RecordingFrame : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_TREE_SAVE && message <= WM_TREE_DROP) {
            Received r { message, wParam, lParam, {}, {} };
            if ((message == WM_TREE_ITEM_CLICK || message == WM_TREE_DRAG_BEGIN) && wParam) {
                const auto* bytes = reinterpret_cast<const uint8_t*>(wParam);
                r.record.assign(bytes, bytes + TREE_DEVICE_RECORD_SIZE);
            }
            if (message == WM_TREE_RENAME_CHANNEL && wParam)
                r.text = reinterpret_cast<const CItemInfo*>(wParam)->GetItemText();
            received.push_back(r);
            return 0;
        }
        // The cursor while the grid changes its rows.
        if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMCHANGED)
            cursors.push_back(
                QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Received> Take(UINT message)
    {
        std::vector<Received> found, rest;
        for (auto& r : received)
            (r.message == message ? found : rest).push_back(r);
        received = rest;
        return found;
    }
    std::vector<Received> received;
    std::vector<Qt::CursorShape> cursors;
};

CItemInfo* Folder(const char* name)
{
    auto* info = new CItemInfo;
    info->SetItemText(name);
    info->m_bFolder = true;
    info->SetImage(IMAGE_CLOSED);
    return info;
}

CItemInfo* Device(const char* name, uint8_t macLast)
{
    auto* info = new CItemInfo;
    info->SetItemText(name);
    info->AddSubItemText(CString("SN-") + name);
    info->AddSubItemText("DVR");
    std::snprintf(info->m_szSerial, sizeof info->m_szSerial, "SN-%s", name);
    info->m_byMac[5] = macLast;
    info->m_dwIp = 0x0A000000u | macLast;
    std::snprintf(info->m_szAddress, sizeof info->m_szAddress, "10.0.0.%u", macLast);
    info->m_dwConfigPort = 8405;
    info->m_dwService1Port = 8105;
    info->m_dwService2Port = 8001;
    info->SetImage(IMAGE_SEEN);
    return info;
}

class SuperGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(
            0, "MorrikGridFrame", "Tree", WS_POPUP | WS_VISIBLE, 0, 0, 420, 320, nullptr, nullptr));
        CRect client;
        frame.GetClientRect(&client);
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, client, &frame, 4097));
        grid.InsertColumn(0, "", LVCFMT_LEFT, 220);
        grid.InsertColumn(1, "Serial", LVCFMT_LEFT, 110);
        grid.InsertColumn(2, "Kind", LVCFMT_RIGHT, 80);
        grid.m_nTreeNo = 2;
        auto* my = Folder("My DVR");
        my->SetImage(IMAGE_MY_ROOT);
        grid.m_pMyRoot = grid.InsertRootItem(my);
        auto* local = Folder("Local area");
        local->SetImage(6);
        grid.m_pLocalRoot = grid.InsertRootItem(local);
        auto* yem = Folder("ZPT");
        yem->SetImage(7);
        grid.m_pYemRoot = grid.InsertRootItem(yem);

        site = grid.InsertItem(grid.m_pMyRoot, Folder("Site"), TRUE);
        gate = grid.InsertItem(site, Device("Gate", 1));
        yard = grid.InsertItem(grid.m_pMyRoot, Folder("Yard"), TRUE);
        grid.InsertItem(grid.m_pMyRoot, Device("Hall", 2), TRUE);
        auto* ch = Device("CH01", 0);
        ch->m_nChannel = 1;
        ch->SetImage(IMAGE_CHANNEL_OFF);
        channel = grid.InsertItem(gate, ch);
        found = grid.InsertItem(grid.m_pLocalRoot, Device("10.0.0.9", 9), TRUE);
        grid.Expand(site, grid.GetCurIndex(site));
    }
    void TearDown() override
    {
        grid.DestroyWindow();
        frame.DestroyWindow();
    }

    Item* Find(const char* text)
    {
        Item* hit = nullptr;
        auto walk = [&](auto& self, Item* node) -> void {
            if (!hit && node->m_lpNodeInfo->GetItemText() == text)
                hit = node;
            for (Item* child : node->m_listChild)
                self(self, child);
        };
        for (Item* root : grid.GetRoots())
            walk(walk, root);
        return hit;
    }
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < grid.GetItemCount(); ++i)
            rows.push_back(grid.GetItemText(i, 0).GetString());
        return rows;
    }
    std::vector<std::string> Children(Item* node)
    {
        std::vector<std::string> names;
        for (Item* child : node->m_listChild)
            names.push_back(child->m_lpNodeInfo->GetItemText().GetString());
        return names;
    }
    QPoint LabelPoint(Item* node)
    {
        CRect label;
        grid.GetItemRect(grid.GetCurIndex(node), &label, LVIR_LABEL);
        return QPoint(
            label.left + (node->m_nIndent + 1) * grid.m_cxImage + 8, (label.top + label.bottom) / 2);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* w = grid.GetWidget();
        QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void Click(QPoint p)
    {
        Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    void Key(QWidget* target, int key, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        // A key that ended an edit is released over the grid, which has the
        // focus by then.
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target->isVisible() ? target : grid.GetWidget(), &release);
    }
    void SavePicture(const char* name)
    {
        const QImage image = grid.GetWidget()->grab().toImage();
        const std::string dir = std::string(SUITE_BUILD_DIR) + "/pictures";
        QDir().mkpath(QString::fromStdString(dir));
        ASSERT_TRUE(image.save(QString::fromStdString(dir + "/" + name)));
    }
    template <class T> T* Editor(UINT id) { return dynamic_cast<T*>(grid.GetDlgItem(int(id))); }

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    RecordingFrame frame;
    CSuperGridCtrl grid;
    Item* site = nullptr;
    Item* gate = nullptr;
    Item* yard = nullptr;
    Item* channel = nullptr;
    Item* found = nullptr;
};

TEST_F(SuperGridTest, InsertSortsExpandAndCollapse)
{
    // Folders first, each group in text order; the collapsed gate hides its
    // channel.
    EXPECT_EQ((std::vector<std::string> {
                  "My DVR", "Site", "Gate", "Yard", "Hall", "Local area", "10.0.0.9", "ZPT" }),
        Rows());
    Item* beta = grid.InsertItem(yard, Device("Beta", 3));
    grid.InsertItem(yard, Device("Alpha", 4));
    grid.InsertItem(yard, Folder("Zulu"));
    EXPECT_EQ((std::vector<std::string> { "Zulu", "Alpha", "Beta" }), Children(yard));
    EXPECT_EQ(-1, grid.GetCurIndex(beta));

    grid.Expand(yard, grid.GetCurIndex(yard));
    EXPECT_EQ((std::vector<std::string> { "My DVR", "Site", "Gate", "Yard", "Zulu", "Alpha", "Beta", "Hall",
                  "Local area", "10.0.0.9", "ZPT" }),
        Rows());
    for (int i = 0; i < grid.GetItemCount(); ++i)
        EXPECT_EQ(i, grid.GetCurIndex(grid.GetTreeItem(i)));
    // A new row under an open folder is shown at its place at once.
    grid.InsertItem(yard, Device("Bravo", 5));
    EXPECT_EQ("Bravo", Rows()[7]);

    grid.Collapse(grid.m_pMyRoot);
    EXPECT_EQ((std::vector<std::string> { "My DVR", "Local area", "10.0.0.9", "ZPT" }), Rows());
    grid.SelectNode(beta);
    EXPECT_EQ(grid.GetCurIndex(beta), grid.GetSelectedItem());
    EXPECT_EQ(CString("Beta"), grid.GetItemText(grid.GetSelectedItem(), 0));
    EXPECT_EQ(13, grid.NumberOfItems());
    EXPECT_TRUE(grid.IsAncestor(grid.m_pMyRoot, beta));
    EXPECT_EQ(grid.m_pMyRoot, grid.GetRootItem(beta));

    grid.SortRoots(FALSE);
    EXPECT_EQ((std::vector<std::string> { "Local area", "My DVR", "ZPT" }), Rows());
}

TEST_F(SuperGridTest, NamesUnderEachRoot)
{
    // Under "My DVR" a used name is refused with the message.
    auto* twin = Device("Hall", 7);
    EXPECT_EQ(nullptr, grid.InsertItem(grid.m_pMyRoot, twin));
    delete twin;
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(CString("その名前は既に使われています。他の名前を使用して下さい。"), boxes.Boxes()[0].text);
    // Elsewhere the namesakes are counted.
    Item* folder = grid.InsertItem(grid.m_pLocalRoot, Folder("Spare"));
    grid.InsertItem(folder, Device("Cam", 10));
    grid.InsertItem(folder, Device("Cam", 11));
    Item* third = grid.InsertItem(folder, Device("Cam", 12));
    EXPECT_EQ(CString("Cam(3)"), third->m_lpNodeInfo->GetItemText());
}

TEST_F(SuperGridTest, TheBoxAndTheKeys)
{
    const int row = grid.GetCurIndex(site);
    CRect box = [&] {
        CRect r;
        grid.GetItemRect(row, &r, LVIR_BOUNDS);
        const int x = site->m_nIndent * grid.m_cxImage - grid.m_cxImage / 2 + r.left;
        const int y = r.top + (r.bottom - grid.m_cyImage - r.top) / 2 + grid.m_cxImage / 2;
        return CRect(x - 1, y - 1, x + 1, y + 1);
    }();
    Click(QPoint(box.CenterPoint().x, box.CenterPoint().y));
    EXPECT_EQ(-1, grid.GetCurIndex(gate)) << "closed by its box";
    Click(QPoint(box.CenterPoint().x, box.CenterPoint().y));
    EXPECT_EQ(row + 1, grid.GetCurIndex(gate));

    // Left stops at the first column, Right at the last.
    grid.SetFocus();
    Click(LabelPoint(gate));
    Key(grid.GetWidget(), Qt::Key_Left);
    EXPECT_EQ(0, grid.GetCurrentColumn());
    for (int i = 0; i < 4; ++i)
        Key(grid.GetWidget(), Qt::Key_Right);
    EXPECT_EQ(2, grid.GetCurrentColumn());
}

TEST_F(SuperGridTest, ClicksTellTheParent)
{
    frame.received.clear();
    Click(LabelPoint(grid.m_pMyRoot));
    auto clicks = frame.Take(WM_TREE_ITEM_CLICK);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(3, clicks[0].lParam);
    EXPECT_EQ(0u, clicks[0].wParam);
    Click(LabelPoint(yard));
    clicks = frame.Take(WM_TREE_ITEM_CLICK);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(2, clicks[0].lParam);
    // An open folder (image 0) tells nothing.
    site->m_lpNodeInfo->SetImage(IMAGE_OPEN);
    Click(LabelPoint(site));
    EXPECT_TRUE(frame.Take(WM_TREE_ITEM_CLICK).empty());

    // A device: its record, its address as a dotted text.
    Click(LabelPoint(gate));
    clicks = frame.Take(WM_TREE_ITEM_CLICK);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(0, clicks[0].lParam);
    EXPECT_STREQ("Gate", reinterpret_cast<const char*>(clicks[0].record.data()));
    EXPECT_STREQ("10.0.0.1", reinterpret_cast<const char*>(clicks[0].record.data() + DeviceRecord::Address));
    EXPECT_STREQ("SN-Gate", reinterpret_cast<const char*>(clicks[0].record.data() + DeviceRecord::Serial));

    // A channel turns on, then off, and speaks with its device's name.
    grid.Expand(gate, grid.GetCurIndex(gate));
    for (int on : { 1, 0 }) {
        Click(LabelPoint(channel));
        clicks = frame.Take(WM_TREE_ITEM_CLICK);
        ASSERT_EQ(1u, clicks.size());
        EXPECT_EQ(on, clicks[0].record[DeviceRecord::ChannelOn]);
        EXPECT_EQ(1, clicks[0].record[DeviceRecord::Channel]);
        EXPECT_STREQ("Gate", reinterpret_cast<const char*>(clicks[0].record.data()));
        EXPECT_EQ(on ? IMAGE_CHANNEL_ON : IMAGE_CHANNEL_OFF, channel->m_lpNodeInfo->GetImage());
    }
}

TEST_F(SuperGridTest, TheLabelEditor)
{
    const int row = grid.GetCurIndex(gate);
    grid.EditLabel(row);
    auto* edit = Editor<CGridCellEdit>(IDC_GRID_LABEL_EDIT);
    ASSERT_NE(nullptr, edit);
    auto* line = qobject_cast<QLineEdit*>(edit->GetWidget());
    ASSERT_NE(nullptr, line);
    line->selectAll();
    for (char c : std::string(25, 'x'))
        Key(line, Qt::Key_X, QString(QChar(c)));
    EXPECT_EQ(24, line->text().size()) << "a 25th character is refused";
    line->setText("Entrance");
    Key(line, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(CString("Entrance"), gate->m_lpNodeInfo->GetItemText());
    auto renames = frame.Take(WM_TREE_RENAME_CHANNEL);
    ASSERT_EQ(1u, renames.size());
    EXPECT_EQ(CString("Entrance"), renames[0].text);

    // Escape keeps the old text.
    grid.EditLabel(grid.GetCurIndex(gate));
    edit = Editor<CGridCellEdit>(IDC_GRID_LABEL_EDIT);
    ASSERT_NE(nullptr, edit);
    qobject_cast<QLineEdit*>(edit->GetWidget())->setText("Other");
    Key(edit->GetWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(CString("Entrance"), gate->m_lpNodeInfo->GetItemText());
    EXPECT_TRUE(frame.Take(WM_TREE_RENAME_CHANNEL).empty());

    // A sibling's name: the message, and the edit opens again.
    Item* hall = Find("Hall");
    grid.EditLabel(grid.GetCurIndex(hall));
    edit = Editor<CGridCellEdit>(IDC_GRID_LABEL_EDIT);
    qobject_cast<QLineEdit*>(edit->GetWidget())->setText("Site");
    Key(edit->GetWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(CString("Hall"), hall->m_lpNodeInfo->GetItemText());
    EXPECT_EQ(1u, boxes.Boxes().size());
    EXPECT_NE(nullptr, Editor<CGridCellEdit>(IDC_GRID_LABEL_EDIT));
    grid.SetFocus();
    QApplication::processEvents();
}

TEST_F(SuperGridTest, TheCellEditors)
{
    const int row = grid.GetCurIndex(gate);
    grid.EditCell(row, 1);
    auto* edit = Editor<CGridCellEdit>(IDC_GRID_CELL_EDIT);
    ASSERT_NE(nullptr, edit);
    qobject_cast<QLineEdit*>(edit->GetWidget())->setText("SN-NEW");
    Key(edit->GetWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(CString("SN-NEW"), gate->m_lpNodeInfo->GetSubItem(0));
    EXPECT_EQ(CString("SN-NEW"), grid.GetItemText(row, 1));

    // The drop-down list of a cell with choices.
    CStringList kinds { "DVR", "Camera", "Server" };
    gate->m_lpNodeInfo->SetControlType(combobox, 1);
    gate->m_lpNodeInfo->SetListData(1, &kinds);
    const CStringList* choices = nullptr;
    ASSERT_TRUE(gate->m_lpNodeInfo->GetListData(1, choices));
    CRect cell;
    grid.GetSubItemRect(row, 2, LVIR_BOUNDS, cell);
    auto* combo = new CGridCellCombo(row, 2, choices);
    ASSERT_TRUE(combo->Create(
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, cell, &grid, IDC_GRID_CELL_COMBO));
    EXPECT_EQ(3, combo->GetCount());
    combo->SetCurSel(1);
    grid.SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(CString("Camera"), gate->m_lpNodeInfo->GetSubItem(1));

    // Leaving without a choice sends nothing.
    combo = new CGridCellCombo(row, 2, choices);
    ASSERT_TRUE(combo->Create(
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, cell, &grid, IDC_GRID_CELL_COMBO));
    combo->SetFocus();
    grid.SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(CString("Camera"), gate->m_lpNodeInfo->GetSubItem(1));
    SavePicture("morrik_grid_cells.png");
}

TEST_F(SuperGridTest, DropsMoveRowsByTheRolesOfTheRoots)
{
    Item* hall = Find("Hall");
    // Onto itself, onto its own parent: nothing.
    grid.DropItem(grid.GetCurIndex(hall), grid.GetCurIndex(hall));
    grid.DropItem(grid.GetCurIndex(hall), grid.GetCurIndex(grid.m_pMyRoot));
    EXPECT_EQ(grid.m_pMyRoot, hall->m_pParent);
    // A folder into its own descendant: nothing.
    Item* inner = grid.InsertItem(site, Folder("Inner"), TRUE);
    grid.DropItem(grid.GetCurIndex(site), grid.GetCurIndex(inner));
    EXPECT_EQ(grid.m_pMyRoot, site->m_pParent);
    // A folder of "My DVR" into the local area, a device into the
    // registration servers: refused.
    grid.DropItem(grid.GetCurIndex(yard), grid.GetCurIndex(grid.m_pLocalRoot));
    EXPECT_EQ(yard, Find("Yard"));
    EXPECT_EQ(grid.m_pMyRoot, Find("Yard")->m_pParent);
    grid.DropItem(grid.GetCurIndex(hall), grid.GetCurIndex(grid.m_pYemRoot));
    EXPECT_EQ(grid.m_pMyRoot, Find("Hall")->m_pParent);
    EXPECT_TRUE(frame.Take(WM_TREE_ITEM_MOVED).empty());

    // A device into a folder: the row moves with its data.
    grid.DropItem(grid.GetCurIndex(hall), grid.GetCurIndex(yard));
    Item* moved = Find("Hall");
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(yard, moved->m_pParent);
    EXPECT_STREQ("SN-Hall", moved->m_lpNodeInfo->m_szSerial);
    EXPECT_EQ(grid.GetCurIndex(moved), grid.GetSelectedItem());
    EXPECT_TRUE(moved->m_lpNodeInfo->m_bInFile);
    EXPECT_EQ(IMAGE_OPEN, yard->m_lpNodeInfo->GetImage());
    // A folder with its devices, inside "My DVR".
    grid.DropItem(grid.GetCurIndex(site), grid.GetCurIndex(yard));
    ASSERT_NE(nullptr, Find("Gate"));
    EXPECT_EQ(Find("Site"), Find("Gate")->m_pParent);
    EXPECT_EQ(yard, Find("Site")->m_pParent);

    // From the local area into "My DVR": the parent hears of it.
    grid.Expand(grid.m_pLocalRoot, grid.GetCurIndex(grid.m_pLocalRoot));
    grid.DropItem(grid.GetCurIndex(Find("10.0.0.9")), grid.GetCurIndex(grid.m_pMyRoot));
    QApplication::processEvents();
    EXPECT_EQ(grid.m_pMyRoot, Find("10.0.0.9")->m_pParent);
    const auto moves = frame.Take(WM_TREE_ITEM_MOVED);
    ASSERT_EQ(1u, moves.size());
    EXPECT_EQ(1u, moves[0].wParam);
    EXPECT_EQ(IMAGE_NOT_SEEN, Find("10.0.0.9")->m_lpNodeInfo->GetImage());

    // The row limit of "My DVR" refuses one more from elsewhere.
    grid.m_nRowLimit = 3;
    Item* spare = grid.InsertItem(grid.m_pLocalRoot, Device("10.0.0.20", 20), TRUE);
    grid.DropItem(grid.GetCurIndex(spare), grid.GetCurIndex(grid.m_pMyRoot));
    EXPECT_EQ(grid.m_pLocalRoot, Find("10.0.0.20")->m_pParent);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(CString("Over limit"), boxes.Boxes().back().text);
    SavePicture("morrik_grid_after_drops.png");
}

TEST_F(SuperGridTest, ADragWithTheMouse)
{
    frame.received.clear();
    Item* hall = Find("Hall");
    const QPoint from = LabelPoint(hall);
    const QPoint to = LabelPoint(yard);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, from + QPoint(0, 4), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    const auto begins = frame.Take(WM_TREE_DRAG_BEGIN);
    ASSERT_EQ(1u, begins.size());
    EXPECT_STREQ("Hall", reinterpret_cast<const char*>(begins[0].record.data()));
    EXPECT_TRUE(grid.m_bIsDragging);
    EXPECT_EQ(grid.GetCurIndex(yard), grid.m_nDropItem);
    SavePicture("morrik_grid_dragging.png");
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(1u, frame.Take(WM_TREE_DROP).size());
    EXPECT_FALSE(grid.m_bIsDragging);
    EXPECT_EQ(yard, Find("Hall")->m_pParent);
}

TEST_F(SuperGridTest, RestingOverAClosedFolderOpensItAndEscapeEndsTheDrag)
{
    Item* alpha = grid.InsertItem(yard, Device("Alpha", 30));
    ASSERT_EQ(-1, grid.GetCurIndex(alpha));
    Item* hall = Find("Hall");
    const QPoint from = LabelPoint(hall);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, from + QPoint(0, 4), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, LabelPoint(yard), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(grid.m_bIsDragging);
    EXPECT_EQ(grid.GetCurIndex(yard), grid.m_nDropItem);
    // The drag timer's tick over the closed folder opens it.
    grid.SendMessage(WM_TIMER, TIMER_DRAG);
    EXPECT_GE(grid.GetCurIndex(alpha), 0);
    EXPECT_TRUE(yard->m_lpNodeInfo->m_bExpanded);

    // Escape held: the next move ends the drag, and the release moves nothing.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(grid.GetWidget(), &escape);
    Mouse(QEvent::MouseMove, LabelPoint(alpha), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(grid.m_bIsDragging);
    Mouse(QEvent::MouseButtonRelease, LabelPoint(alpha), Qt::LeftButton, Qt::NoButton);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(grid.GetWidget(), &release);
    EXPECT_EQ(grid.m_pMyRoot, Find("Hall")->m_pParent);
    EXPECT_TRUE(frame.Take(WM_TREE_DROP).empty());
}

// A host opens the grid on a tree file: the rows come from the records, and
// a save of the same rows writes the same bytes, channel rows numbered but
// not written.
TEST_F(SuperGridTest, ATreeFileShownAndSavedAgain)
{
    while (!grid.m_pMyRoot->m_listChild.empty())
        grid.Delete(grid.m_pMyRoot->m_listChild.front());
    ScratchFolder folder;
    const std::string path = folder.Path("qarn.info");
    ASSERT_TRUE(ResetFileIfNoFileIs(path));
    TreeFileLists lists;
    FILE_NODE node {};
    node.dwNo = 1;
    std::strcpy(node.szName, "North site");
    node.bFolder = 1;
    lists.nodes.push_back(node);
    const char* names[] = { "CH01", "Gate", "Loading bay" };
    for (uint32_t i = 0; i < 3; ++i) {
        node = FILE_NODE {};
        node.dwNo = 2 + i;
        node.dwParentNo = 1;
        std::strcpy(node.szName, names[i]);
        std::snprintf(node.item.szSerial, sizeof node.item.szSerial, "SN-%u", i);
        node.item.byMac[5] = uint8_t(i + 1);
        node.item.dwIp = 0xC0A80001 + i;
        // A saved device's address text is its dotted address.
        std::snprintf(node.szAddress, sizeof node.szAddress, "192.168.0.%u", 1 + i);
        std::strcpy(node.login.szUser, "admin");
        node.dwConfigPort = 8405;
        lists.nodes.push_back(node);
    }
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));
    std::vector<uint8_t> before;
    ASSERT_TRUE(ReadWholeFile(path, before));

    TreeFileLists read;
    ASSERT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &read));
    EXPECT_EQ(4, CreateBranch(grid, grid.m_pMyRoot, read));
    grid.ExpandAll(grid.m_pMyRoot);
    EXPECT_EQ((std::vector<std::string> {
                  "My DVR", "North site", "CH01", "Gate", "Loading bay", "Local area", "10.0.0.9", "ZPT" }),
        Rows());
    EXPECT_EQ(CString("SN-1"), grid.GetItemText(3, 1));
    SavePicture("morrik_grid_from_tree_file.png");

    // The same rows write the same file.
    TreeFileLists again;
    ConsistLlist(grid, grid.m_pMyRoot, &again);
    ASSERT_TRUE(ReadLlistAndUpdateFile(path, again, true));
    std::vector<uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(path, after));
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(before[i], after[i]) << "byte " << i << ", record offset " << (i - 132) % 1052;

    // Channels of a DVR take numbers but no records; the device named like
    // a channel stays.
    Item* dvr = Find("Gate");
    for (int ch = 1; ch <= 2; ++ch) {
        auto* info = new CItemInfo;
        CString text;
        text.Format("CH%02d", ch);
        info->SetItemText(text);
        info->m_nChannel = ch;
        grid.InsertItem(dvr, info);
    }
    ConsistLlist(grid, grid.m_pMyRoot, &again);
    ASSERT_EQ(4u, again.nodes.size());
    EXPECT_STREQ("CH01", again.nodes[1].szName);
    EXPECT_EQ(3u, again.nodes[2].dwNo); // Gate
    EXPECT_EQ(6u, again.nodes[3].dwNo); // after Gate's two channels
}

TEST_F(SuperGridTest, AClickUnderTheRegistrationServerRootIsRemembered)
{
    auto* server = Folder("Server");
    server->m_bYemFolder = 1;
    std::strcpy(server->m_szLookupServer, "192.168.7.1");
    Item* serverRow = grid.InsertItem(grid.m_pYemRoot, server, TRUE);
    auto* group = Folder("shop");
    group->m_bGroupFolder = 1;
    std::strcpy(group->m_szLookupServer, "192.168.7.1");
    std::memcpy(group->m_byGroupId, "shop\0\0\0\0\x01\0\0\0\x02\0\0\0", 16);
    Item* groupRow = grid.InsertItem(serverRow, group, TRUE);
    auto* device = Device("Kiosk", 0x42);
    std::strcpy(device->m_szLookupServer, "192.168.7.1");
    Item* deviceRow = grid.InsertItem(groupRow, device, FALSE);
    grid.Expand(serverRow, grid.GetCurIndex(serverRow));
    grid.Expand(groupRow, grid.GetCurIndex(groupRow));

    Click(LabelPoint(groupRow));
    const YEM_SELECTION& s = grid.m_yemSelection;
    EXPECT_TRUE(s.bSelected);
    EXPECT_TRUE(s.bFolder);
    EXPECT_TRUE(s.bGroup);
    EXPECT_STREQ("192.168.7.1", s.szServer);
    EXPECT_EQ(0, std::memcmp(s.bySettings, group->m_byGroupId, 16));

    Click(LabelPoint(deviceRow));
    EXPECT_TRUE(s.bSelected);
    EXPECT_FALSE(s.bFolder);
    EXPECT_EQ(0x42, s.byMac[5]);
    EXPECT_EQ(0, s.bySettings[0]); // a device has no settings

    Click(LabelPoint(serverRow));
    EXPECT_TRUE(s.bFolder);
    EXPECT_FALSE(s.bGroup);

    // A row elsewhere: no registration-server row is selected any more.
    Click(LabelPoint(yard));
    EXPECT_FALSE(s.bSelected);
    EXPECT_EQ(0, s.szServer[0]);

    // Only the trees with a registration-server root remember.
    grid.m_nTreeNo = 3;
    Click(LabelPoint(groupRow));
    EXPECT_FALSE(s.bSelected);
}

TEST_F(SuperGridTest, SelectingAHiddenRowShowsTheWaitCursorWhileItOpensItsFolders)
{
    grid.Collapse(site);
    frame.cursors.clear();
    grid.SelectNode(gate);
    EXPECT_EQ(grid.GetCurIndex(gate), grid.GetSelectedItem());
    ASSERT_FALSE(frame.cursors.empty());
    for (Qt::CursorShape shape : frame.cursors)
        EXPECT_EQ(Qt::WaitCursor, shape);
    EXPECT_EQ(nullptr, QApplication::overrideCursor()); // and gone after
}

TEST_F(SuperGridTest, ScrollingTakesTheFocus)
{
    for (int i = 0; i < 40; ++i)
        grid.InsertItem(
            grid.m_pLocalRoot, Device(("10.0.1." + std::to_string(i)).c_str(), uint8_t(100 + i)), TRUE);
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &frame, 77));
    other.SetFocus();
    ASSERT_EQ(&other, CWnd::GetFocus());
    const int top = grid.GetTopIndex();
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(&grid, CWnd::GetFocus());
    EXPECT_EQ(top + 1, grid.GetTopIndex());
    other.SetFocus();
    grid.SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(&grid, CWnd::GetFocus());
    other.DestroyWindow();
}

TEST_F(SuperGridTest, AStateImageIsDrawnAfterTheRowImage)
{
    // Two 16 x 16 state images, red and blue.
    CDC strip;
    CBitmap bitmap;
    strip.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&strip, 32, 16);
    CBitmap* old = strip.SelectObject(&bitmap);
    strip.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
    strip.FillSolidRect(16, 0, 16, 16, RGB(0, 0, 255));
    strip.SelectObject(old);
    CImageList states;
    ASSERT_TRUE(states.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    ASSERT_EQ(0, states.Add(&bitmap, RGB(255, 255, 255)));
    grid.SetImageList(&states, LVSIL_STATE);
    Item* hall = Find("Hall");
    const int row = grid.GetCurIndex(hall);
    grid.SetItemState(row, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);

    const QImage image = grid.GetWidget()->grab().toImage();
    CRect rect;
    grid.GetItemRect(row, &rect, LVIR_BOUNDS);
    const int x = rect.left + (hall->m_nIndent + 1) * grid.m_cxImage + 2 + 8;
    const int y = (rect.top + rect.bottom) / 2;
    EXPECT_EQ(qRgb(0, 0, 255), (image.pixel(x, y) & 0xFFFFFF) | 0xFF000000);
    // A row without state bits has none there.
    CRect other;
    grid.GetItemRect(grid.GetCurIndex(yard), &other, LVIR_BOUNDS);
    EXPECT_NE(qRgb(0, 0, 255), image.pixel(x, (other.top + other.bottom) / 2) | 0xFF000000);
    SavePicture("morrik_grid_state_image.png");
    grid.SetImageList(nullptr, LVSIL_STATE);
}

TEST(FitText, TheLongestPrefixThatFitsWithDots)
{
    // Ten pixels a character, dots included.
    auto extent = [](int n) { return n < 0 ? 30 : 10 * n; };
    EXPECT_EQ(CString("abc"), FitText(CString("abc"), 30, extent));
    EXPECT_EQ(CString("ab..."), FitText(CString("abcdef"), 55, extent));
    EXPECT_EQ(CString("..."), FitText(CString("abcdef"), 20, extent));
}

} // namespace
