// The slider painter and the text progress bar, checked pixel by pixel in
// pictures kept under the build folder.
#include "controls/SkinSliderCtrl.h"
#include "controls/TextProgressCtrl.h"

#include "platform/base/TestServices.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

namespace
{

void Keep(const QImage& image, const char* name)
{
    image.save(QString(SUITE_BUILD_DIR "/") + name);
}

// Whether any pixel of an area (right and bottom exclusive) matches.
bool AnyIn(const QImage& image, const CRect& area, const std::function<bool(COLORREF)>& match)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (image.valid(x, y)
                && match(RGB(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y)))))
                return true;
    return false;
}

bool Dark(COLORREF c)
{
    return GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110;
}

TEST(SkinSlider, ShadesStepBy51WithinTheChannelRange)
{
    struct Case {
        COLORREF from;
        COLORREF lighter;
        COLORREF darker;
    } cases[] = {
        { RGB(220, 190, 180), RGB(220, 241, 231), RGB(169, 139, 129) },
        { RGB(40, 60, 200), RGB(91, 111, 251), RGB(40, 9, 149) },
        { RGB(0, 255, 51), RGB(51, 255, 102), RGB(0, 204, 0) },
        { RGB(204, 205, 50), RGB(255, 205, 101), RGB(153, 154, 50) },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSkinSliderCtrl::Lighter(c.from), c.lighter) << std::hex << c.from;
        EXPECT_EQ(CSkinSliderCtrl::Darker(c.from), c.darker) << std::hex << c.from;
    }
    // Halfway mixes halve the signed difference.
    EXPECT_EQ(CSkinSliderCtrl::Mix(RGB(240, 240, 240), RGB(160, 160, 160)), RGB(200, 200, 200));
    EXPECT_EQ(CSkinSliderCtrl::Mix(RGB(160, 0, 255), RGB(105, 3, 0)), RGB(133, 1, 128));
}

TEST(SkinSlider, TheFaceFollowsTheSystemLanguage)
{
    FixedLocale japanese(0x0411, "Japanese");
    {
        ScopedService<ILocale> use(&japanese);
        CSkinSliderCtrl painter;
        EXPECT_STREQ(painter.GetFaceName(), "ＭＳ Ｐゴシック");
    }
    FixedLocale german(0x0407, "German");
    ScopedService<ILocale> use(&german);
    CSkinSliderCtrl painter;
    EXPECT_STREQ(painter.GetFaceName(), "MS Shell Dlg");
}

// The zoom lever's picture: channel in (4, 2, 20, 118), thumb at 70.
TEST(SkinSlider, PaintsChannelAndThumb)
{
    constexpr COLORREF kBack = RGB(200, 200, 200);
    constexpr COLORREF kBase = RGB(180, 190, 220);
    constexpr COLORREF kChannel = RGB(225, 230, 230);
    CDC dc;
    CBitmap bitmap;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 24, 120));
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 24, 120, kBack);

    CSkinSliderCtrl painter;
    painter.SetBaseColor(kBase);
    painter.SetChannelColor(kChannel);
    EXPECT_EQ(painter.GetBaseColor(), kBase);
    const CRect channel(4, 2, 20, 118);
    painter.DrawChannel(&dc, channel);
    const CRect thumb(2, 70, 22, 88);
    painter.DrawThumb(&dc, thumb, "Z");
    Keep(*dc.GetTargetImage(), "skin_slider.png");

    const COLORREF shadow = CSkinSliderCtrl::Mix(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW));
    struct Pixel {
        int x, y;
        COLORREF color;
        const char* what;
    } pixels[] = {
        { 5, 30, RGB(40, 40, 40), "the channel's outline, one inside the rectangle" },
        { 18, 90, RGB(40, 40, 40), "the channel's right outline" },
        { 5, 3, kBack, "the channel's rounded corner" },
        { 10, 30, kChannel, "the channel's fill" },
        { 4, 30, kBack, "left of the channel" },
        { 8, 117, shadow, "the line above the bottom" },
        { 12, 60, shadow, "the middle line" },
        { 19, 117, kBack, "the bottom line stops one short of the right" },
        { 2, 75, RGB(20, 10, 90), "the thumb's outline" },
        { 2, 70, kBack, "the thumb's rounded corner" },
        { 16, 71, CSkinSliderCtrl::Lighter(kBase), "the thumb's lit top" },
        { 20, 80, CSkinSliderCtrl::Darker(kBase), "the thumb's shaded right" },
        { 3, 71, CSkinSliderCtrl::Lighter(CSkinSliderCtrl::Lighter(kBase)), "the top-left highlight" },
        { 20, 71, kBase, "the top-right corner" },
        { 3, 86, kBase, "the bottom-left corner" },
        { 20, 86, CSkinSliderCtrl::Darker(CSkinSliderCtrl::Darker(kBase)), "the bottom-right shade" },
        { 17, 82, kBase, "the thumb's face" },
    };
    const QImage& image = *dc.GetTargetImage();
    for (const Pixel& p : pixels) {
        const QRgb c = image.pixel(p.x, p.y);
        EXPECT_EQ(RGB(qRed(c), qGreen(c), qBlue(c)), p.color) << p.what << " at " << p.x << "," << p.y;
    }
    EXPECT_TRUE(AnyIn(image, CRect(6, 4, 16, 14), Dark)) << "the plus sign";
    EXPECT_TRUE(AnyIn(image, CRect(7, 103, 16, 116), Dark)) << "the minus sign";
    EXPECT_TRUE(AnyIn(image, CRect(6, 73, 16, 86), Dark)) << "the thumb's label";
    dc.SelectObject(old);
}

class TextProgress : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            frame.CreateEx(0, nullptr, "progress", WS_POPUP | WS_VISIBLE, 0, 0, 300, 60, nullptr, nullptr));
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 24), &frame, 1077));
        bar.SetBarColor(kBar);
        bar.SetBgColor(kBack);
        bar.SetTextColor(kTextOverBack);
        bar.SetTextBkColor(kTextOverBar);
    }
    QImage Picture() const { return bar.GetSurface()->copy(); }

    static constexpr COLORREF kBar = RGB(0, 0, 128);
    static constexpr COLORREF kBack = RGB(255, 255, 255);
    static constexpr COLORREF kTextOverBack = RGB(255, 0, 0);
    static constexpr COLORREF kTextOverBar = RGB(0, 255, 0);
    CWnd frame;
    CTextProgressCtrl bar;
};

bool Red(COLORREF c)
{
    return GetRValue(c) > 128 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
bool Green(COLORREF c)
{
    return GetGValue(c) > 128 && GetRValue(c) < 100;
}

TEST_F(TextProgress, TheTextKeepsContrastOverBothParts)
{
    bar.SetRange(0, 100);
    EXPECT_EQ(bar.SetPos(50), 0);
    const QImage half = Picture();
    Keep(half, "text_progress_half.png");
    EXPECT_EQ(bar.BarWidth(200), 100);
    const CRect barPart(0, 0, 100, 24), rest(100, 0, 200, 24);
    EXPECT_EQ(half.pixel(2, 2), QColor(0, 0, 128).rgb());
    EXPECT_EQ(half.pixel(197, 2), QColor(255, 255, 255).rgb());
    EXPECT_TRUE(AnyIn(half, barPart, Green)) << "the text over the bar";
    EXPECT_FALSE(AnyIn(half, barPart, Red));
    EXPECT_TRUE(AnyIn(half, rest, Red)) << "the text over the background";
    EXPECT_FALSE(AnyIn(half, rest, Green));

    // 33 of 100 in 200 pixels: a bar of 66, the whole text over the background.
    EXPECT_EQ(bar.SetPos(33), 50);
    const QImage third = Picture();
    Keep(third, "text_progress_third.png");
    EXPECT_EQ(third.pixel(65, 2), QColor(0, 0, 128).rgb());
    EXPECT_EQ(third.pixel(66, 2), QColor(255, 255, 255).rgb());
    EXPECT_FALSE(AnyIn(third, CRect(0, 0, 66, 24), Green));
    EXPECT_TRUE(AnyIn(third, CRect(66, 0, 200, 24), Red));
}

TEST_F(TextProgress, TheWindowTextReplacesThePercentage)
{
    bar.SetRange(0, 100);
    bar.SetPos(0);
    const QImage empty = Picture();
    bar.SetWindowText("Formatting disk");
    bar.UpdateWindow();
    const QImage titled = Picture();
    EXPECT_NE(titled, empty);
    EXPECT_TRUE(AnyIn(titled, CRect(0, 0, 200, 24), Red));

    CString text;
    bar.GetWindowText(text);
    EXPECT_EQ(text, CString("Formatting disk"));
    char small[5];
    EXPECT_EQ(bar.GetWindowText(small, sizeof small), 4);
    EXPECT_STREQ(small, "Form") << "a short buffer still ends with its terminator";

    bar.SetShowText(FALSE);
    bar.UpdateWindow();
    EXPECT_FALSE(AnyIn(Picture(), CRect(0, 0, 200, 24), Red));
}

// The bar repaints when its width in pixels changes, and after a resize.
TEST_F(TextProgress, RepaintsOnlyWhenTheBarWidthChanges)
{
    bar.MoveWindow(0, 0, 50, 24);
    bar.SetRange(0, 100);
    bar.SetPos(32); // 16 pixels
    const QImage at32 = Picture();
    bar.SetPos(33); // 16.5 pixels: the same bar, the old text stays
    EXPECT_EQ(Picture(), at32);
    bar.SetPos(34); // 17 pixels
    EXPECT_NE(Picture(), at32);

    bar.MoveWindow(0, 0, 51, 24);
    const QImage resized = Picture();
    bar.SetPos(33); // 16 pixels again, but the width is no longer known
    EXPECT_NE(Picture(), resized);
}

TEST_F(TextProgress, AnEmptyRangePaintsNothing)
{
    struct Case {
        int lower, upper, pos;
    } cases[] = { { 5, 5, 5 }, { 5, 5, 9 }, { 10, 0, 3 }, { 0, 0, 0 } };
    for (const Case& c : cases) {
        bar.SetRange(c.lower, c.upper);
        bar.SetPos(c.pos);
        EXPECT_EQ(bar.BarWidth(200), 0);
        bar.Invalidate();
        bar.UpdateWindow();
        EXPECT_FALSE(AnyIn(Picture(), CRect(0, 0, 200, 24), [](COLORREF p) { return p == kBar; }))
            << c.lower << ".." << c.upper;
    }
    // Positions beyond the range fill nothing or all of it.
    bar.SetRange(0, 10);
    bar.SetPos(-4);
    EXPECT_EQ(bar.BarWidth(200), 0);
    bar.SetPos(25);
    EXPECT_EQ(bar.BarWidth(200), 200);
    CTextProgressCtrl windowless;
    EXPECT_EQ(windowless.SetPos(3), -1);
}

} // namespace
