// Start-up of the application shell: the main window, its splitter, the
// tree files and the "Version" button.
#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/ConfigView.h"
#include "app/MainFrame.h"
#include "devtree/ItemInfo.h"
#include "devtree/TreeFile.h"
#include "devtree/TreeFileUpgrade.h"
#include "pages/common/TimeZones.h"
#include "platform/ui/DocView.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/Resource.h"
#include "tests/devtree/TreeFileFixtures.h"
#include "tests/platform/ShownIcon.h"
#include "tests/platform/TextsFit.h"

#include <QIcon>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace
{

LPARAM At(LONG x, LONG y)
{
    return MAKELPARAM(WORD(x), WORD(y));
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST_F(AppShellTest, TheMainWindowIsCentredAndTitled)
{
    SetScreenSizeOverride(1024, 768);
    ASSERT_TRUE(Start());
    CWnd* main = AfxGetMainWnd();
    ASSERT_NE(main, nullptr);
    RECT window;
    main->GetWindowRect(&window);
    EXPECT_EQ(window.right - window.left, 800);
    EXPECT_EQ(window.bottom - window.top, 634);
    EXPECT_EQ(window.left, (1024 - 800) / 2);
    EXPECT_EQ(window.top, (768 - 634) / 2);
    CString title;
    main->GetWindowText(title);
    EXPECT_EQ(title, CString("Pellmoor Tarnwick"));
    // The program's icon is the window's, big and small.
    HICON icon = main->GetIcon(TRUE);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon, ::LoadIcon(AfxGetInstanceHandle(), IDR_MAINFRAME));
    EXPECT_EQ(main->GetIcon(FALSE), icon);
    const QList<QSize> sizes = main->GetWidget()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(kIconSize, kIconSize)));
    EXPECT_TRUE(sizes.contains(QSize(kSmallIconSize, kSmallIconSize)));
    // The time-zone tables are loaded from the program's resources.
    EXPECT_STREQ(g_TimeZones[73].text, "(GMT+13:00) Nuku'alofa");
    EXPECT_EQ(g_TimeZoneOffsets[32].offset, 46800);

    auto* frame = dynamic_cast<CMainFrame*>(main);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->m_pCamSelView, nullptr);
    ASSERT_NE(frame->m_pConfigView, nullptr);
    EXPECT_EQ(frame->m_wndSplitter.GetPane(0, 0), frame->m_pCamSelView);
    EXPECT_EQ(frame->m_wndSplitter.GetPane(0, 1), frame->m_pConfigView);
    // Only the DVR family's button shows.
    for (int family = 0; family < FAMILY_COUNT; ++family)
        EXPECT_EQ(
            bool(frame->m_pCamSelView->GetFamilyButton(family)->IsWindowVisible()), family == FAMILY_DVR)
            << family;
}

TEST_F(AppShellTest, AScreenNarrowerThan800GivesNoWindow)
{
    for (int width : { 640, 720, 799 }) {
        SetScreenSizeOverride(width, 600);
        auto app = std::make_unique<CConfigApp>();
        EXPECT_FALSE(app->InitInstance()) << width;
        EXPECT_EQ(app->m_pMainWnd, nullptr) << width;
    }
    // On an 800 x 600 screen the window's top is asked 17 pixels above it.
    SetScreenSizeOverride(800, 600);
    CREATESTRUCT cs {};
    auto* frame = new CMainFrame;
    EXPECT_TRUE(frame->PreCreateWindow(cs));
    EXPECT_EQ(cs.x, 0);
    EXPECT_EQ(cs.y, -17);
    EXPECT_EQ(cs.cx, 800);
    EXPECT_EQ(cs.cy, 634);
    delete frame;
    ASSERT_TRUE(Start());
}

TEST_F(AppShellTest, TheSplitterKeepsItsMinimums)
{
    SetScreenSizeOverride(1024, 768);
    ASSERT_TRUE(Start());
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    CMinSplitterWnd& splitter = frame->m_wndSplitter;
    int left = 0, leftMin = 0, right = 0, rightMin = 0;
    splitter.GetColumnInfo(0, left, leftMin);
    EXPECT_EQ(left, 250);
    EXPECT_EQ(leftMin, 220);

    // Drag the bar far left, then far right: the panes stop at 220 and 550.
    const LONG barX = 2 + left + 3;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(barX, 100));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, 100));
    splitter.SendMessage(WM_LBUTTONUP, 0, At(10, 100));
    splitter.GetColumnInfo(0, left, leftMin);
    EXPECT_EQ(left, 220);

    splitter.GetColumnInfo(0, left, leftMin);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(2 + left + 3, 100));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(790, 100));
    splitter.SendMessage(WM_LBUTTONUP, 0, At(790, 100));
    splitter.GetColumnInfo(1, right, rightMin);
    EXPECT_EQ(rightMin, 550);
    EXPECT_EQ(right, 550);

    // The frame cannot be made smaller than 800 x 634.
    MINMAXINFO info {};
    frame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 800);
    EXPECT_EQ(info.ptMinTrackSize.y, 634);
    // Nor the splitter narrower than its columns.
    WINDOWPOS pos { splitter.GetSafeHwnd(), nullptr, 0, 0, 300, 200, 0 };
    splitter.SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    EXPECT_EQ(pos.cx, 2 * 2 + 220 + 7 + 550);
    EXPECT_EQ(pos.cy, 2 * 2 + 550);
}

TEST_F(AppShellTest, TheMissingDvrTreeFileIsCreated)
{
    ASSERT_TRUE(Start());
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadTreeFileBytes(InstallPath("qarn.info"), bytes));
    std::vector<uint8_t> current;
    EXPECT_EQ(ConvertTreeFileImage(bytes, &current), TreeFileConversion::Current);
}

TEST_F(AppShellTest, AnOldTreeFileIsUpgradedAtStartUp)
{
    std::filesystem::create_directories(m_dir + "/install");
    fixture::Device device;
    device.id = 1;
    device.name = "Gate";
    device.ip = 0xC0A80005;
    device.serial = "SN1";
    WriteFile(InstallPath("qarn.info"),
        fixture::Join(
            { fixture::Header(0x01000000, 1052, 1, 164, 0), fixture::OldRecord(device, 0x01000000) }));
    ASSERT_TRUE(Start());
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadTreeFileBytes(InstallPath("qarn.info"), bytes));
    std::vector<uint8_t> current;
    EXPECT_EQ(ConvertTreeFileImage(bytes, &current), TreeFileConversion::Current);

    // The tree was read from the upgraded file, so its device is whole.
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    CMySuperGrid* tree = frame->m_pCamSelView->GetTree(FAMILY_DVR);
    ASSERT_EQ(tree->m_pMyRoot->m_listChild.size(), 1u);
    const CItemInfo* gate = tree->m_pMyRoot->m_listChild[0]->m_lpNodeInfo;
    EXPECT_EQ(gate->GetItemText(), CString("Gate"));
    EXPECT_EQ(gate->m_dwIpAddress, 0xC0A80005u);
    EXPECT_STREQ(gate->m_szSerial, "SN1");
}

TEST_F(AppShellTest, TheVersionButtonOpensAbout)
{
    ASSERT_TRUE(Start());
    CWnd* bar = AfxGetMainWnd()->GetDlgItem(IDC_CAPTION_BUTTON_BAR);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsWindowVisible());
    RECT rect;
    bar->GetClientRect(&rect);
    // The button stands above the panes, not over them.
    RECT barRect, splitterRect;
    bar->GetWindowRect(&barRect);
    dynamic_cast<CMainFrame*>(AfxGetMainWnd())->m_wndSplitter.GetWindowRect(&splitterRect);
    EXPECT_LE(barRect.bottom, splitterRect.top);
    const LPARAM centre = At((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    QImage icon;
    m_dialogs.script = [&](CDialog* about) {
        icon = ShownIcon(about);
        // The version line shows whole.
        ExpectTextsFit(about, *FindDialogResource(AfxGetResourceHandle(), IDD_ABOUTBOX));
        about->EndDialog(IDOK);
    };
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    bar->SendMessage(WM_LBUTTONUP, 0, centre);
    PumpWaitingMessages();
    ASSERT_EQ(m_dialogs.captions.size(), 1u);
    EXPECT_EQ(m_dialogs.captions[0], CString("About Pellmoor Tarnwick"));
    EXPECT_TRUE(IsWholeIcon(icon));

    // Another id does nothing.
    AfxGetMainWnd()->SendMessage(WM_CAPTION_BUTTON, 2, 0);
    EXPECT_EQ(m_dialogs.captions.size(), 1u);
}

TEST_F(AppShellTest, TheEndOfTheProgramEndsTheProcess)
{
    ASSERT_TRUE(Start());
    m_app->ExitInstance();
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    ASSERT_EQ(m_process.exitCodes.size(), 1u);
    EXPECT_EQ(m_process.exitCodes[0], 0);
}

} // namespace
