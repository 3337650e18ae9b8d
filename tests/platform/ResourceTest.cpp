#include "resources/setup/Resource.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DC.h"
#include "platform/ui/GdiInternal.h"
#include "platform/ui/IconInternal.h"
#include "platform/ui/LanguagePack.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"

#include <QBuffer>
#include <QByteArray>
#include <QLabel>

#include <gtest/gtest.h>

#include <vector>

extern const uint8_t test_fixture_icons_bmp[];
extern const size_t test_fixture_icons_bmp_size;

namespace
{

const StringEntry kLibraryStrings[] = { { 61592, "library text" }, { 7, "seven" } };
const ResourceTables kLibrary { .moduleName = "TestLibrary", .strings = kLibraryStrings };

class Resources : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_setup = SetupResourceModule();
        AfxSetInstanceHandle(m_setup);
        AfxSetResourceHandle(m_setup);
    }
    HINSTANCE m_setup = nullptr;
};

TEST_F(Resources, LookupIsPerModuleBecauseLibrariesReuseIds)
{
    HINSTANCE library = RegisterResourceModule(&kLibrary);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(RegisterResourceModule(&kLibrary), library);
    EXPECT_EQ(FindResourceModule("TestLibrary"), library);

    EXPECT_STREQ(FindStringResource(m_setup, 61592), "Do you like to confirm the new configuration?");
    EXPECT_STREQ(FindStringResource(library, 61592), "library text");
    EXPECT_EQ(FindStringResource(m_setup, 7), nullptr);
    EXPECT_EQ(LoadResourceString(7), "");
    {
        CResourceScope scope(library);
        EXPECT_EQ(LoadResourceString(7), "seven");
    }
    EXPECT_EQ(AfxGetResourceHandle(), m_setup);
}

TEST_F(Resources, LoadStringCutsToTheBuffer)
{
    char buffer[11];
    EXPECT_EQ(LoadString(m_setup, 61457, buffer, sizeof buffer), 10);
    EXPECT_STREQ(buffer, "Connection");
    EXPECT_EQ(LoadString(m_setup, 1, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(LoadString(m_setup, 61457, buffer, 0), 0);
}

TEST_F(Resources, DialogUnitsConvertWithTheFixedBaseUnit)
{
    struct Case {
        int x, y, cx, cy;
        RECT pixels;
    } cases[] = {
        { 0, 0, 4, 8, { 0, 0, 6, 13 } },
        { 178, 7, 50, 14, { 267, 11, 342, 34 } },
        { 1, 1, 1, 1, { 2, 2, 3, 3 } }, // 1.5 and 1.625 round up; 3 and 3.25 stay
        { -4, -8, 4, 8, { -6, -13, 0, 0 } },
    };
    for (const Case& c : cases) {
        RECT r {};
        MapDialogUnits(c.x, c.y, c.cx, c.cy, &r);
        EXPECT_EQ(r.left, c.pixels.left) << c.x;
        EXPECT_EQ(r.top, c.pixels.top) << c.y;
        EXPECT_EQ(r.right, c.pixels.right) << c.x;
        EXPECT_EQ(r.bottom, c.pixels.bottom) << c.y;
    }
}

TEST_F(Resources, LanguagePackReplacesWhatItCarries)
{
    EXPECT_EQ(LoadLanguagePack(TEST_LANGUAGE_PACK_DIR "/missing", "OstraCFGRes"), nullptr);
    EXPECT_EQ(LoadLanguagePack(TEST_LANGUAGE_PACK_DIR, "NoSuchPack"), nullptr);

    HINSTANCE pack = LoadLanguagePack(TEST_LANGUAGE_PACK_DIR, "OstraCFGRes");
    ASSERT_NE(pack, nullptr);
    AfxSetResourceHandle(pack);

    EXPECT_EQ(LoadResourceString(61592), "Neue Konfiguration bestätigen?");
    EXPECT_EQ(LoadResourceString(61457), "Connection failed.");
    const DialogTemplate* about = FindDialogResource(AfxGetResourceHandle(), 328);
    ASSERT_NE(about, nullptr);
    EXPECT_STREQ(about->caption, "Info zu Pellmoor Tarnwick");
    EXPECT_NE(FindDialogResource(AfxGetResourceHandle(), 9001), nullptr);
    // The program's own module is untouched.
    EXPECT_STREQ(FindDialogResource(m_setup, 328)->caption, "About Pellmoor Tarnwick");
    EXPECT_EQ(FindDialogResource(m_setup, 9001), nullptr);
    AfxSetResourceHandle(m_setup);
}

TEST_F(Resources, BitmapsComeFromTheirModule)
{
    const BitmapEntry bitmaps[] = { { 9147, { test_fixture_icons_bmp, test_fixture_icons_bmp_size } } };
    const uint8_t junk[] = { 1, 2, 3 };
    const BitmapEntry broken[] = { { 9147, junk } };
    static const ResourceTables good { .moduleName = "Icons", .bitmaps = bitmaps };
    static const ResourceTables bad { .moduleName = "Broken", .bitmaps = broken };
    HBITMAP bitmap = LoadBitmap(RegisterResourceModule(&good), 9147);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->image.size(), QSize(32, 16));
    // Rows are stored bottom-up in the file; the red square is at the top left.
    EXPECT_EQ(FromQRgb(bitmap->image.pixel(5, 5)), RGB(255, 0, 0));
    EXPECT_EQ(FromQRgb(bitmap->image.pixel(21, 5)), RGB(0, 0, 255));
    DeleteObject(bitmap);
    EXPECT_EQ(LoadBitmap(RegisterResourceModule(&bad), 9147), nullptr);
    EXPECT_EQ(LoadBitmap(m_setup, 9147), nullptr);
}

// A PNG of `side` x `side` pixels: the left half transparent, the right half red.
std::vector<uint8_t> HalfRedPng(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < side; ++y)
        for (int x = side / 2; x < side; ++x)
            image.setPixel(x, y, qRgba(255, 0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

TEST_F(Resources, IconsComeFromTheirModuleInTwoSizes)
{
    // The program's icon: both pictures, one shared handle however often it loads.
    HICON program = LoadIcon(m_setup, IDR_MAINFRAME);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->large.size(), QSize(kIconSize, kIconSize));
    EXPECT_EQ(program->small.size(), QSize(kSmallIconSize, kSmallIconSize));
    EXPECT_EQ(LoadIcon(m_setup, IDR_MAINFRAME), program);
    EXPECT_NE(LoadIcon(m_setup, IDI_DIALUP), nullptr);
    EXPECT_EQ(LoadIcon(m_setup, 9128), nullptr);

    // Another size is scaled to the icon's; without a small picture the
    // large one serves reduced; a library's icon is not the program's.
    static const std::vector<uint8_t> png = HalfRedPng(64);
    static const IconEntry icons[] = { { IDR_MAINFRAME, png } };
    static const ResourceTables library { .moduleName = "IconLibrary", .icons = icons };
    HINSTANCE module = RegisterResourceModule(&library, m_setup);
    HICON own = LoadIcon(module, IDR_MAINFRAME);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, program);
    EXPECT_EQ(own->large.size(), QSize(kIconSize, kIconSize));
    EXPECT_EQ(own->small.size(), QSize(kSmallIconSize, kSmallIconSize));
    EXPECT_EQ(qAlpha(own->small.pixel(2, 8)), 0);
    EXPECT_EQ(own->small.pixel(13, 8), qRgba(255, 0, 0, 255));
    // What the library lacks comes from the module it falls back to.
    EXPECT_EQ(LoadIcon(module, IDI_DIALUP), LoadIcon(m_setup, IDI_DIALUP));

    // Bytes that are no image give no icon.
    const uint8_t junk[] = { 0x89, 'P', 'N', 'G', 0 };
    static const IconEntry broken[] = { { 9128, junk } };
    static const ResourceTables bad { .moduleName = "BrokenIcons", .icons = broken };
    EXPECT_EQ(LoadIcon(RegisterResourceModule(&bad), 9128), nullptr);

    // Drawn, the transparent half leaves what lies under it.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 40, 40));
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 40, 40, RGB(0, 0, 255));
    EXPECT_TRUE(dc.DrawIcon(4, 4, own));
    EXPECT_FALSE(dc.DrawIcon(4, 4, nullptr));
    const QImage& drawn = *dc.GetTargetImage();
    EXPECT_EQ(FromQRgb(drawn.pixel(6, 10)), RGB(0, 0, 255));
    EXPECT_EQ(FromQRgb(drawn.pixel(30, 10)), RGB(255, 0, 0));
    EXPECT_EQ(FromQRgb(drawn.pixel(37, 10)), RGB(0, 0, 255)) << "the icon ends at its side";
}

TEST_F(Resources, AnIconStaticShowsOnlyAnIconItsTextNames)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    const struct {
        const char* text;
        bool shows;
    } cases[] = { { "#128", true }, { "#132", true }, { "#9128", false }, { "128", false }, { "#12x", false },
        { "#", false }, { "", false } };
    for (const auto& c : cases) {
        CStatic icon;
        const RECT rect { 10, 10, 70, 50 };
        ASSERT_TRUE(icon.Create(c.text, WS_CHILD | WS_VISIBLE | SS_ICON, rect, &parent, 1));
        const auto* label = qobject_cast<const QLabel*>(icon.GetWidget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(!label->pixmap().isNull(), c.shows) << c.text;
        // The icon takes its own size; without one the rectangle stays.
        EXPECT_EQ(label->size(), c.shows ? QSize(kIconSize, kIconSize) : QSize(60, 40)) << c.text;
        EXPECT_TRUE(label->text().isEmpty()) << c.text;
        icon.DestroyWindow();
    }
    parent.DestroyWindow();
}

} // namespace
