// The camera explorer run modally by a host, against simulated devices on
// loopback: each device goes to the tree of its family, the tree buttons
// switch trees, and the device chosen at OK is what the host reads back;
// a folder is refused.
#include "explorer/Sel2Dlg.h"
#include "explorer/MySuperGrid.h"
#include "explorer/TreeMessages.h"
#include "resources/morrik/Resource.h"
#include "tests/explorer/ExplorerFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

namespace
{

using namespace morrik;
using namespace explorer_test;
using Item = CSuperGridCtrl::CTreeItem;

class Sel2DlgTest : public ExplorerFixture
{
protected:
    void SetUp() override
    {
        ExplorerFixture::SetUp();
        m_responder.AddDevice(SimDvr(0x7F000002, "PT-D16", 8405));
        sim::DiscoveryDevice camera = SimDvr(0x7F000004, "NC-210", 8405);
        m_responder.AddDevice(camera);
        sim::DiscoveryDevice server = SimDvr(0x7F000006, "VS-100", 8405);
        m_responder.AddDevice(server);
        ASSERT_TRUE(m_responder.Start());
        WriteTree(TreeFileLists {});
    }
    static void Select(CMySuperGrid* grid, Item* row)
    {
        grid->SetBar(row);
        ASSERT_EQ(grid->GetTreeItem(grid->GetSelectedItem()), row);
    }
};

TEST_F(Sel2DlgTest, TheDeviceChosenAtOkIsWhatTheHostReads)
{
    CSel2Dlg dialog(&m_host);
    bool checked = false;
    ScriptedDialogRunner runner([&](CDialog* d) {
        ASSERT_EQ(d, &dialog);
        CMySuperGrid* dvrs = dialog.Grid(2);
        ASSERT_EQ(dialog.m_nTreeNo, 2);
        ASSERT_TRUE(Pump([&] { return Child(dvrs->m_pLocalRoot, "127.0.0.2") != nullptr; }));
        // The camera belongs to tree 0, the K386 server to tree 1.
        EXPECT_EQ(Child(dvrs->m_pLocalRoot, "127.0.0.4"), nullptr);
        EXPECT_EQ(Child(dvrs->m_pLocalRoot, "127.0.0.6"), nullptr);
        SavePicture(d->GetWidget(), "camera_explorer.png");

        // A root is no device: the dialog says so and stays.
        Select(dvrs, dvrs->m_pMyRoot);
        d->SendDlgItemMessage(IDOK, BM_CLICK);
        EXPECT_FALSE(d->IsModalEnded());
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text, CString("フォルダは選択されています。"));

        // Tree 0 shows the camera once its button is pressed.
        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEL2_TREE0, BN_CLICKED), 0);
        EXPECT_EQ(dialog.m_nTreeNo, 0);
        CMySuperGrid* cameras = dialog.Grid(0);
        EXPECT_TRUE(cameras->IsWindowVisible());
        EXPECT_FALSE(dvrs->IsWindowVisible());
        ASSERT_TRUE(Pump([&] { return Child(cameras->m_pLocalRoot, "127.0.0.4") != nullptr; }));
        SavePicture(d->GetWidget(), "camera_explorer_tree0.png");

        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEL2_TREE2, BN_CLICKED), 0);
        ASSERT_TRUE(Pump([&] { return Child(dvrs->m_pLocalRoot, "127.0.0.2") != nullptr; }));
        Select(dvrs, Child(dvrs->m_pLocalRoot, "127.0.0.2"));
        d->SendDlgItemMessage(IDOK, BM_CLICK);
        EXPECT_TRUE(d->IsModalEnded());
        checked = true;
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_TRUE(checked);

    CItemInfo chosen;
    dialog.GetSelectedCam(&chosen);
    EXPECT_EQ(chosen.m_lParam, 0u) << "a device, not a backup file";
    EXPECT_EQ(chosen.m_dwIp, 0x7F000002u);
    EXPECT_STREQ(chosen.m_szSerial, "DVRSN2");
    EXPECT_STREQ(chosen.m_szMacText, "00:1b:9e:20:30:02");
    EXPECT_EQ(chosen.m_nTreeNo, 2);
}

TEST_F(Sel2DlgTest, CancelChoosesNothing)
{
    CSel2Dlg dialog(&m_host);
    ScriptedDialogRunner runner([](CDialog* d) { d->SendDlgItemMessage(IDCANCEL, BM_CLICK); });
    ScopedService<IModalDialogRunner> scope(&runner);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_pSelected, nullptr);
}

// Answers the open-file dialog with the next path of its list.
class ScriptedFiles : public IFileChooser
{
public:
    bool ChooseOpen(HWND, const CString& filter, CString& path) override
    {
        filters.push_back(filter);
        if (paths.empty())
            return false;
        path = paths.front().c_str();
        paths.erase(paths.begin());
        return true;
    }
    std::vector<std::string> paths;
    std::vector<CString> filters;
};

TEST_F(Sel2DlgTest, ABackupFileInsteadOfADevice)
{
    ScriptedFiles files;
    files.paths = { "/media/backup/shop.re4", "/media/backup/Shop.RE3" };
    ScopedService<IFileChooser> fileScope(&files);
    CSel2Dlg dialog(&m_host);
    ScriptedDialogRunner runner([&](CDialog* d) {
        // Another extension is refused and the dialog stays; the case of
        // the extension does not matter.
        d->SendDlgItemMessage(IDC_SEL2_BACKUP, BM_CLICK);
        EXPECT_FALSE(d->IsModalEnded());
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text,
            CString(
                "ファイル/media/backup/shop.re4は無効なバックアップファイルです。\n\t開けませんでした。"));
        d->SendDlgItemMessage(IDC_SEL2_BACKUP, BM_CLICK);
        EXPECT_TRUE(d->IsModalEnded());
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(files.filters.size(), 2u);
    EXPECT_EQ(files.filters[0], CString("Backup Files (*.re3;*.vfs2)|*.re3;*.vfs2||"));
    CItemInfo chosen;
    dialog.GetSelectedCam(&chosen);
    EXPECT_EQ(chosen.m_lParam, 2u);
    EXPECT_EQ(chosen.GetItemText(), CString("Shop"));
    EXPECT_STREQ(chosen.m_szAddress, "/media/backup/Shop.RE3");
}

} // namespace
