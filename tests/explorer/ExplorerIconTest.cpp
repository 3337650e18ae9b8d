// The library's icon where the explorers show it: the pane's and the camera
// explorer's window icon and drag icon, the minimised camera explorer's
// client area, and the icon static of the library's About box.
#include "explorer/DlgExplore.h"
#include "explorer/MorrikResources.h"
#include "explorer/Sel2Dlg.h"
#include "platform/ui/ResourceModule.h"
#include "resources/morrik/Resource.h"
#include "tests/explorer/ExplorerFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"
#include "tests/platform/ShownIcon.h"

#include <QIcon>

namespace
{

using namespace morrik;
using namespace explorer_test;

// The library's module is there once one of its dialogs is.
HICON LibraryIcon()
{
    return ::LoadIcon(FindResourceModule("Morrik"), IDR_EXPLORE_ICON);
}

// The icon as a window draws it over a background colour.
QImage IconOver(HICON icon, QRgb background)
{
    CBitmap bitmap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, kIconSize, kIconSize);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(
        0, 0, kIconSize, kIconSize, RGB(qRed(background), qGreen(background), qBlue(background)));
    dc.DrawIcon(0, 0, icon);
    return dc.GetTargetImage()->copy();
}

// Whether every pixel of `area` of a picture is the colour of its top left pixel.
bool IsPlain(const QImage& picture, QRect area)
{
    area = area.intersected(picture.rect());
    const QRgb ground = picture.pixel(0, 0) & 0xFFFFFF;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) != ground)
                return false;
    return true;
}

class ExplorerIconTest : public ExplorerFixture
{
protected:
    void SetUp() override
    {
        ExplorerFixture::SetUp();
        WriteTree(TreeFileLists {});
    }
};

TEST_F(ExplorerIconTest, ThePaneShowsTheLibraryIcon)
{
    CDlgExplore pane(&m_host, false, false);
    ASSERT_NE(LibraryIcon(), nullptr);
    EXPECT_EQ(pane.m_hIcon, LibraryIcon());
    ASSERT_TRUE(pane.Create(&m_host));
    EXPECT_EQ(pane.GetIcon(TRUE), LibraryIcon());
    EXPECT_EQ(pane.GetIcon(FALSE), LibraryIcon());
    EXPECT_FALSE(pane.GetWidget()->windowIcon().isNull());
    EXPECT_EQ(pane.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(LibraryIcon()));
    pane.DestroyWindow();
}

TEST_F(ExplorerIconTest, TheCameraExplorerDrawsItsIconCentredWhenMinimised)
{
    CSel2Dlg dialog(&m_host);
    ASSERT_NE(LibraryIcon(), nullptr);
    ScriptedDialogRunner runner([&](CDialog* d) {
        EXPECT_EQ(d->GetIcon(TRUE), LibraryIcon());
        EXPECT_EQ(d->GetIcon(FALSE), LibraryIcon());
        const QList<QSize> sizes = d->GetWidget()->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(kIconSize, kIconSize)));
        EXPECT_TRUE(sizes.contains(QSize(kSmallIconSize, kSmallIconSize)));
        EXPECT_EQ(d->SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(LibraryIcon()));

        RECT client {};
        d->GetClientRect(&client);
        const QRect centred(
            (client.right - kIconSize + 1) / 2, (client.bottom - kIconSize + 1) / 2, kIconSize, kIconSize);
        // Open, the dialog paints no icon of its own.
        d->Invalidate();
        d->UpdateWindow();
        ASSERT_NE(d->GetSurface(), nullptr);
        EXPECT_TRUE(IsPlain(*d->GetSurface(), d->GetSurface()->rect()));

        d->ShowWindow(SW_MINIMIZE);
        ASSERT_TRUE(d->IsIconic());
        d->Invalidate();
        d->UpdateWindow();
        // A second paint without erasing first looks the same.
        d->UpdateWindow();
        const QImage& surface = *d->GetSurface();
        const QImage expected = IconOver(LibraryIcon(), surface.pixel(0, 0));
        for (int y = 0; y < kIconSize; ++y)
            for (int x = 0; x < kIconSize; ++x)
                ASSERT_EQ(surface.pixel(centred.x() + x, centred.y() + y) & 0xFFFFFF,
                    expected.pixel(x, y) & 0xFFFFFF)
                    << "at " << x << ", " << y << " of the icon";
        // Nothing else is drawn.
        EXPECT_TRUE(IsPlain(surface, QRect(0, 0, surface.width(), centred.top())));
        EXPECT_TRUE(IsPlain(surface, QRect(0, centred.bottom() + 1, surface.width(), surface.height())));
        EXPECT_TRUE(IsPlain(surface, QRect(0, 0, centred.left(), surface.height())));
        d->EndDialog(IDCANCEL);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(runner.runs, 1);
}

TEST_F(ExplorerIconTest, TheAboutBoxShowsTheLibraryIcon)
{
    CMorrikDialog about(IDD_ABOUTBOX);
    QImage icon;
    ScriptedDialogRunner runner([&](CDialog* d) {
        icon = ShownIcon(d);
        d->EndDialog(IDOK);
    });
    ScopedService<IModalDialogRunner> scope(&runner);
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_TRUE(IsWholeIcon(icon));
}

} // namespace
