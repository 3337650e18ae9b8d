// The device tree as a window on the offscreen platform: driven by mouse and
// key events of its widget, painted into a picture with the tree lines and
// the plus/minus boxes where they belong.
#include "controls/ListInPlaceEdit.h"
#include "devtree/MySuperGrid.h"
#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "platform/base/TestServices.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "tests/devtree/TreeWindow.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/RecordingMenuChooser.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

namespace
{

using Item = CSuperGridCtrl::CTreeItem;

class RecordingFrame : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DEVICE_SELECT && wParam)
            selected.push_back(*reinterpret_cast<const SELECTED_DEVICE*>(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<SELECTED_DEVICE> selected;
};

QColor Pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

class DeviceTreeWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        std::random_device rd;
        folder = std::filesystem::temp_directory_path() / ("devtree_gui_" + std::to_string(rd()));
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(CreateTreeFrame(frame, "DeviceTreeTestFrame", 300, 400));
        grid = new CMySuperGrid;
        ASSERT_TRUE(CreateTreeWindow(*grid, frame, folder.string()));
        ASSERT_NE(grid->GetImageList(LVSIL_SMALL), nullptr) << "bitmap 148 is missing";

        Item* f1 = grid->HowToInsertFolder(grid->m_pMyRoot, "Shop");
        grid->HowToInsertFolder(grid->m_pMyRoot, "Yard");
        grid->InsertDVR(f1, Device("10.0.0.1", 0x0A000001, 1));
        grid->InsertDVR(grid->m_pMyRoot, Device("10.0.0.2", 0x0A000002, 2));
        grid->InsertDVR(Find("Yard"), Device("10.0.0.3", 0x0A000003, 3));
        grid->CollapseNode(Find("Yard"));
        grid->OnItemCollapsed(Find("Yard"));
    }
    void TearDown() override
    {
        grid->DestroyWindow();
        delete grid;
        frame.DestroyWindow();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    CItemInfo* Device(const char* name, uint32_t ip, uint8_t macLast)
    {
        auto* info = new CItemInfo;
        info->SetItemText(name);
        info->m_dwIpAddress = ip;
        info->m_byMac[0] = 0x00;
        info->m_byMac[5] = macLast;
        CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), name);
        CItemInfo::SetText(info->m_szModel, sizeof(info->m_szModel), "QR-1604");
        info->m_dwConfigPort = 8405;
        info->m_bOnline = 1;
        info->SetImage(TREE_IMAGE_ONLINE);
        return info;
    }
    Item* Find(const char* name)
    {
        Item* found = nullptr;
        auto walk = [&](auto& self, Item* node) -> void {
            if (!found && node->m_lpNodeInfo->GetItemText() == name)
                found = node;
            for (Item* child : node->m_listChild)
                self(self, child);
        };
        for (Item* root : grid->Roots())
            walk(walk, root);
        return found;
    }
    QPoint LabelPoint(Item* node)
    {
        CRect label;
        grid->GetItemRect(grid->RowOfNode(node), &label, LVIR_LABEL);
        return QPoint(label.left + 8, (label.top + label.bottom) / 2);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* w = grid->GetWidget();
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
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
    QImage Picture() { return grid->GetWidget()->grab().toImage(); }
    // Presses at `from` and moves there with the button held: a drag begins.
    void DragTo(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }

    std::filesystem::path folder;
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    RecordingFrame frame;
    CMySuperGrid* grid = nullptr;
};

TEST_F(DeviceTreeWindow, PictureShowsTheLinesAndBoxes)
{
    const QImage image = Picture();
    const std::string path = std::string(SUITE_BUILD_DIR) + "/device_tree.png";
    ASSERT_TRUE(image.save(QString::fromStdString(path)));

    const QColor line(192, 192, 192);
    const QColor boxBorder(198, 198, 198);
    const QColor sign(0, 0, 0);
    const int half = 8;
    auto rowRect = [&](Item* node) {
        CRect r;
        grid->GetItemRect(grid->RowOfNode(node), &r, LVIR_BOUNDS);
        return r;
    };
    auto middle = [&](const CRect& r) { return r.top + (r.bottom - 16 - r.top) / 2 + half; };

    // "Shop" is open: a minus, no plus; its connector runs on to "Yard".
    Item* shop = Find("Shop");
    CRect r = rowRect(shop);
    int x = 16 * shop->m_nIndent - half;
    int y = middle(r);
    EXPECT_EQ(Pixel(image, x, y), sign);
    EXPECT_EQ(Pixel(image, x + 2, y), sign);
    EXPECT_NE(Pixel(image, x, y - 2), sign);
    EXPECT_EQ(Pixel(image, x - (half + 3) / 2, y), boxBorder);
    EXPECT_EQ(Pixel(image, x, r.bottom - 1), line) << "a later sibling follows";

    // "Yard" is closed: a plus.
    Item* yard = Find("Yard");
    r = rowRect(yard);
    y = middle(r);
    EXPECT_EQ(Pixel(image, x, y - 2), sign);
    EXPECT_EQ(Pixel(image, x, y + 2), sign);

    // "10.0.0.2", the last child of "My DVR": its connector stops at the
    // middle and turns right.
    Item* last = Find("10.0.0.2");
    r = rowRect(last);
    y = middle(r);
    EXPECT_EQ(Pixel(image, x, r.top), line);
    EXPECT_EQ(Pixel(image, x + 4, y), line);
    EXPECT_NE(Pixel(image, x, r.bottom - 1), line);

    // "10.0.0.1" inside "Shop": the ancestor's level line passes beside it.
    Item* inner = Find("10.0.0.1");
    r = rowRect(inner);
    EXPECT_EQ(Pixel(image, x, r.top + 1), line);
    EXPECT_EQ(Pixel(image, 16 * inner->m_nIndent - half, r.top), line);
}

TEST_F(DeviceTreeWindow, ClicksSelectExpandAndRename)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    // A click on a device reports it.
    Item* device = Find("10.0.0.2");
    Click(LabelPoint(device));
    ASSERT_FALSE(frame.selected.empty());
    EXPECT_STREQ(frame.selected.back().szName, "10.0.0.2");
    EXPECT_EQ(grid->NodeAtRow(grid->SelectedRow()), device);

    // The plus box opens "Yard".
    Item* yard = Find("Yard");
    const CRect box = grid->BoxRect(grid->RowOfNode(yard));
    Click(QPoint(box.CenterPoint().x, box.CenterPoint().y));
    EXPECT_FALSE(yard->m_bHideChildren);
    EXPECT_GE(grid->RowOfNode(Find("10.0.0.3")), 0);

    // A second click opens the editor; Escape keeps the name.
    Click(LabelPoint(device));
    clock.Advance(500);
    PumpWaitingMessages();
    ASSERT_EQ(grid->m_bEditing, 1);
    auto editWidget = [] {
        return CSuperGridCtrl::s_pEdit ? qobject_cast<QLineEdit*>(CSuperGridCtrl::s_pEdit->GetWidget())
                                       : nullptr;
    };
    auto* edit = editWidget();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "10.0.0.2");
    edit->setText("Till");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    Key(edit, Qt::Key_Escape);
    PumpWaitingMessages();
    EXPECT_EQ(grid->m_bEditing, 0);
    EXPECT_EQ(CSuperGridCtrl::s_pEdit, nullptr);
    EXPECT_EQ(device->m_lpNodeInfo->GetItemText(), "10.0.0.2");

    // A sibling's name is refused, then a new one taken with Return.
    for (const char* typed : { "Shop", "Till" }) {
        Click(LabelPoint(device));
        clock.Advance(500);
        PumpWaitingMessages();
        edit = editWidget();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        for (const char* c = typed; *c; ++c)
            Key(edit, 0, QString(QChar(*c)));
        EXPECT_EQ(edit->text(), typed);
        Key(edit, Qt::Key_Return);
        PumpWaitingMessages();
    }
    EXPECT_EQ(device->m_lpNodeInfo->GetItemText(), "Till");
    CTreeFileLists lists;
    ReadTreeFileAndConsistLlist(grid->TreeFilePath(), lists);
    bool saved = false;
    for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext)
        saved = saved || std::string(n->node.szName) == "Till";
    EXPECT_TRUE(saved);
}

TEST_F(DeviceTreeWindow, DragWithTheMouseAndCancelWithTheRightButton)
{
    Item* device = Find("10.0.0.2");
    const QPoint from = LabelPoint(device);
    const QPoint to = LabelPoint(Find("Yard"));
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(grid->m_bIsDragging, 1);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(grid->m_bIsDragging, 0);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Find("10.0.0.2")->m_pParent, grid->m_pMyRoot);

    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Find("10.0.0.2")->m_pParent, Find("Yard"));
}

// Dark pixels (the row's icon and text) in the box the drag picture covers
// when the pointer is at `p`.
int DarkPixelsAt(const QImage& picture, QPoint p)
{
    int dark = 0;
    for (int y = p.y(); y < std::min(picture.height(), p.y() + 16); ++y) {
        for (int x = p.x(); x < std::min(picture.width(), p.x() + 80); ++x)
            dark += picture.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    }
    return dark;
}

TEST_F(DeviceTreeWindow, TheDragPictureFollowsThePointerUntilTheDropOrEscape)
{
    const QPoint from = LabelPoint(Find("10.0.0.2"));
    const QPoint blank(150, 330); // below the last row
    ASSERT_EQ(DarkPixelsAt(Picture(), blank), 0);

    DragTo(from, blank);
    ASSERT_EQ(grid->m_bIsDragging, 1);
    EXPECT_GT(DarkPixelsAt(Picture(), blank), 20);
    const QPoint further(60, 260);
    Mouse(QEvent::MouseMove, further, Qt::NoButton, Qt::LeftButton);
    QImage picture = Picture();
    EXPECT_GT(DarkPixelsAt(picture, further), 20);
    EXPECT_EQ(DarkPixelsAt(picture, blank), 0);
    Mouse(QEvent::MouseButtonRelease, further, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(grid->m_bIsDragging, 0);
    EXPECT_EQ(DarkPixelsAt(Picture(), further), 0);

    DragTo(from, blank);
    ASSERT_EQ(grid->m_bIsDragging, 1);
    EXPECT_GT(DarkPixelsAt(Picture(), blank), 20);
    Key(grid->GetWidget(), Qt::Key_Escape);
    EXPECT_EQ(grid->m_bIsDragging, 0);
    EXPECT_EQ(DarkPixelsAt(Picture(), blank), 0);
    Mouse(QEvent::MouseButtonRelease, blank, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Find("10.0.0.2")->m_pParent, grid->m_pMyRoot);
}

TEST_F(DeviceTreeWindow, ALongTreeScrollsByRows)
{
    for (int i = 0; i < 40; ++i) {
        CString name;
        name.Format("10.1.0.%d", i + 10);
        grid->InsertNode(
            grid->m_pLocalRoot, Device(name, 0x0A010000u + uint32_t(i + 10), uint8_t(i + 10)), TRUE);
    }
    ASSERT_GT(grid->GetItemCount(), grid->GetCountPerPage());
    grid->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->GetTopIndex(), 1);
    grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(SHORT(-120))), 0);
    EXPECT_EQ(grid->GetTopIndex(), 4);
    grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    const int page = grid->GetCountPerPage();
    EXPECT_EQ(grid->GetTopIndex(), std::min(4 + page, grid->GetItemCount() - page));
    grid->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1000), 0);
    // The last row shows at the bottom.
    EXPECT_GE(grid->GetTopIndex() + grid->GetCountPerPage(), grid->GetItemCount());
    EXPECT_LE(grid->GetTopIndex() + grid->GetCountPerPage(), grid->GetItemCount() + 1);
    // A click lands on the row shown under it.
    Item* top = grid->NodeAtRow(grid->GetTopIndex());
    Click(LabelPoint(top));
    EXPECT_EQ(grid->NodeAtRow(grid->SelectedRow()), top);
    ASSERT_FALSE(frame.selected.empty());
    EXPECT_EQ(CString(frame.selected.back().szName), top->m_lpNodeInfo->GetItemText());
}

TEST_F(DeviceTreeWindow, TheContextMenuOffersTheCommandsOfTheRowAndRunsTheChosenOne)
{
    g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    RecordingMenuChooser chooser;
    ScopedService<IPopupMenuChooser> use(&chooser);
    auto rightClick = [&](Item* node) {
        Click(LabelPoint(node));
        grid->SendMessage(WM_CONTEXTMENU, WPARAM(grid->m_hWnd), MAKELPARAM(10, 10));
        PumpWaitingMessages();
    };
    rightClick(Find("10.0.0.2"));
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_EQ(chooser.enabled, (std::vector<UINT> { ID_TREE_DELETE_CAM, ID_TREE_RENAME }));
    rightClick(Find("Shop"));
    EXPECT_EQ(
        chooser.enabled, (std::vector<UINT> { ID_TREE_NEW_FOLDER, ID_TREE_DELETE_FOLDER, ID_TREE_ADD_CAM }));
    // No menu on "Local Area DVR".
    rightClick(grid->m_pLocalRoot);
    EXPECT_EQ(chooser.shown, 2);
    rightClick(grid->m_pServerRoot);
    EXPECT_EQ(chooser.enabled, (std::vector<UINT> { ID_TREE_ADD_ZPT }));

    // The chosen command runs: Delete DVR, confirmed.
    chooser.choice = ID_TREE_DELETE_CAM;
    boxes.Answer(IDYES);
    rightClick(Find("10.0.0.2"));
    EXPECT_EQ(Find("10.0.0.2"), nullptr);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().text, "Do you really want to delete the DVR?");
}

class ScriptedRunner : public IModalDialogRunner
{
public:
    explicit ScriptedRunner(std::function<void(CDialog*)> script)
        : m_script(std::move(script))
    {
    }
    void RunModalLoop(CWnd* dialog) override
    {
        captions.push_back(CString());
        dialog->GetWindowText(captions.back());
        m_script(dynamic_cast<CDialog*>(dialog));
    }
    std::vector<CString> captions;

private:
    std::function<void(CDialog*)> m_script;
};

TEST_F(DeviceTreeWindow, CommandsOpenTheirDialogsAndChangeTheTree)
{
    g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    const char* typed = nullptr;
    int edit = 0;
    ScriptedRunner runner([&](CDialog* dlg) {
        dlg->SetDlgItemText(edit, typed);
        // Add New DVR offers Add once a probe of the address ended; without
        // a view to send it, the probe fails at once.
        if (edit == 1565)
            dlg->SendDlgItemMessage(1001, BM_CLICK);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    auto command = [&](UINT id, int control, const char* text) {
        edit = control;
        typed = text;
        grid->SendMessage(WM_COMMAND, id, 0);
    };

    // New Folder under the selected folder.
    grid->SelectRow(grid->RowOfNode(Find("Shop")));
    command(ID_TREE_NEW_FOLDER, 1001, "Back room");
    ASSERT_NE(Find("Back room"), nullptr);
    EXPECT_EQ(Find("Back room")->m_pParent, Find("Shop"));

    // Add DVR without a probe: the address, the Normal ports and 8405.
    grid->SelectRow(grid->RowOfNode(Find("Back room")));
    command(ID_TREE_ADD_CAM, 1565, "10.9.8.7");
    Item* added = Find("10.9.8.7");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->m_pParent, Find("Back room"));
    EXPECT_EQ(added->m_lpNodeInfo->m_dwIpAddress, 0x0A090807u);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwHttpPort, 8001u);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwStreamPort, 8105u);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwConfigPort, 8405u);
    EXPECT_STREQ(added->m_lpNodeInfo->m_szInfo, "Welcome to Quillomaranth");
    ASSERT_FALSE(frame.selected.empty());
    EXPECT_STREQ(frame.selected.back().szName, "10.9.8.7");

    // Add ZPT at the server root, then a group id under the server.
    grid->SelectRow(grid->RowOfNode(grid->m_pServerRoot));
    command(ID_TREE_ADD_ZPT, 1167, "192.168.7.1");
    Item* server = Find("192.168.7.1");
    ASSERT_NE(server, nullptr);
    grid->SelectRow(grid->RowOfNode(server));
    command(ID_TREE_ADD_GROUP_ID, 1199, "North");
    ASSERT_NE(Find("North"), nullptr);
    EXPECT_EQ(Find("North")->m_pParent, server);
    EXPECT_EQ(
        runner.captions, (std::vector<CString> { "New Folder", "Add New DVR", "Add ZPT", "Add Group ID" }));

    // Everything is in the file at once.
    CTreeFileLists lists;
    ReadTreeFileAndConsistLlist(grid->TreeFilePath(), lists);
    std::vector<std::string> names;
    for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext)
        names.push_back(n->node.szName);
    for (const tagLinkedYemListNode* n = lists.m_pYemHead; n; n = n->pNext)
        names.push_back(n->node.szName);
    for (const char* name : { "Back room", "10.9.8.7", "192.168.7.1", "North" })
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

} // namespace
