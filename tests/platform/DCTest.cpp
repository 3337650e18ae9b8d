#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace
{

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory DC with a white bitmap of the given size selected.
class MemoryDC : public ::testing::Test
{
protected:
    void Make(int width, int height)
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&m_dc, width, height));
        m_old = m_dc.SelectObject(&m_bitmap);
        ASSERT_NE(m_old, nullptr);
        m_dc.FillSolidRect(0, 0, width, height, kWhite);
    }
    void SetUp() override { Make(40, 30); }
    void TearDown() override { m_dc.SelectObject(m_old); }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};

TEST_F(MemoryDC, RectangleHasPenOutlineBrushInsideAndExclusiveEdges)
{
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kGreen);
    CPen* oldPen = m_dc.SelectObject(&pen);
    CBrush* oldBrush = m_dc.SelectObject(&brush);
    ASSERT_TRUE(m_dc.Rectangle(5, 5, 15, 12));
    EXPECT_EQ(m_dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(m_dc.GetPixel(14, 11), kRed);
    EXPECT_EQ(m_dc.GetPixel(14, 8), kRed);
    EXPECT_EQ(m_dc.GetPixel(6, 6), kGreen);
    EXPECT_EQ(m_dc.GetPixel(13, 10), kGreen);
    EXPECT_EQ(m_dc.GetPixel(15, 8), kWhite);
    EXPECT_EQ(m_dc.GetPixel(8, 12), kWhite);
    EXPECT_EQ(m_dc.GetPixel(4, 4), kWhite);

    // A hollow brush keeps what is inside.
    m_dc.SelectStockObject(NULL_BRUSH);
    m_dc.FillSolidRect(20, 20, 10, 8, kBlue);
    m_dc.Rectangle(20, 20, 30, 28);
    EXPECT_EQ(m_dc.GetPixel(20, 20), kRed);
    EXPECT_EQ(m_dc.GetPixel(25, 24), kBlue);

    EXPECT_EQ(m_dc.SelectObject(oldPen), &pen);
    EXPECT_NE(m_dc.SelectObject(oldBrush), nullptr);
}

TEST_F(MemoryDC, LinesLeaveOutTheirEndPoint)
{
    CPen pen(PS_SOLID, 1, kBlue);
    m_dc.SelectObject(&pen);
    m_dc.MoveTo(2, 3);
    ASSERT_TRUE(m_dc.LineTo(12, 3));
    EXPECT_EQ(m_dc.GetPixel(2, 3), kBlue);
    EXPECT_EQ(m_dc.GetPixel(11, 3), kBlue);
    EXPECT_EQ(m_dc.GetPixel(12, 3), kWhite);
    EXPECT_EQ(m_dc.GetPixel(7, 2), kWhite);
    EXPECT_EQ(m_dc.GetCurrentPosition().x, 12);

    ASSERT_TRUE(m_dc.LineTo(12, 20)); // on from the current position
    EXPECT_EQ(m_dc.GetPixel(12, 3), kBlue);
    EXPECT_EQ(m_dc.GetPixel(12, 19), kBlue);
    EXPECT_EQ(m_dc.GetPixel(12, 20), kWhite);

    m_dc.SelectStockObject(NULL_PEN);
    m_dc.MoveTo(0, 25);
    m_dc.LineTo(30, 25);
    EXPECT_EQ(m_dc.GetPixel(5, 25), kWhite);
}

TEST_F(MemoryDC, FramesAndThreeDRects)
{
    CBrush brush(kRed);
    RECT r { 2, 2, 10, 8 };
    m_dc.FrameRect(&r, &brush);
    EXPECT_EQ(m_dc.GetPixel(2, 2), kRed);
    EXPECT_EQ(m_dc.GetPixel(9, 7), kRed);
    EXPECT_EQ(m_dc.GetPixel(5, 5), kWhite);
    EXPECT_EQ(m_dc.GetPixel(10, 8), kWhite);

    m_dc.Draw3dRect(20, 2, 10, 8, kWhite, kBlack);
    m_dc.Draw3dRect(20, 2, 10, 8, kBlue, kBlack);
    EXPECT_EQ(m_dc.GetPixel(20, 2), kBlue);
    EXPECT_EQ(m_dc.GetPixel(20, 8), kBlue);
    EXPECT_EQ(m_dc.GetPixel(29, 2), kBlack); // the top right corner is the dark side's
    EXPECT_EQ(m_dc.GetPixel(25, 9), kBlack);
    EXPECT_EQ(m_dc.GetPixel(25, 5), kWhite);
}

TEST_F(MemoryDC, AFocusRectIsADottedInvertedFrameThatASecondDrawTakesAway)
{
    m_dc.FillSolidRect(2, 2, 10, 7, kRed);
    const RECT r { 2, 2, 12, 9 };
    const POINT dots[] = { { 2, 2 }, { 4, 2 }, { 10, 2 }, { 2, 8 }, { 6, 8 }, { 2, 4 }, { 11, 6 } };
    const POINT gaps[] = { { 3, 2 }, { 2, 3 }, { 6, 5 }, { 12, 2 }, { 2, 9 } };
    m_dc.DrawFocusRect(&r);
    for (const POINT& p : dots)
        EXPECT_EQ(m_dc.GetPixel(p.x, p.y), RGB(0, 255, 255)) << p.x << "," << p.y;
    for (const POINT& p : gaps)
        EXPECT_NE(m_dc.GetPixel(p.x, p.y), RGB(0, 255, 255)) << p.x << "," << p.y;
    m_dc.DrawFocusRect(&r);
    for (const POINT& p : dots)
        EXPECT_EQ(m_dc.GetPixel(p.x, p.y), kRed) << p.x << "," << p.y;
}

// The darkest pixel of an area, as text is antialiased.
int Darkest(const QImage& image, QRect area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

TEST_F(MemoryDC, TextIsMeasuredAndDrawnWhereAsked)
{
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, 200, 40);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 200, 40, kWhite);
    CFont font;
    ASSERT_TRUE(font.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    dc.SelectObject(&font);

    CSize wide = dc.GetTextExtent("WWWW");
    CSize narrow = dc.GetTextExtent("iiii");
    EXPECT_GT(wide.cx, narrow.cx);
    EXPECT_GT(wide.cy, 8);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, wide.cy);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);

    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);
    ASSERT_TRUE(dc.TextOut(4, 2, "WWWW"));
    QImage* image = dc.GetTargetImage();
    EXPECT_LT(Darkest(*image, QRect(4, 2, wide.cx, wide.cy)), 80);
    EXPECT_EQ(Darkest(*image, QRect(4 + wide.cx + 2, 0, 40, 40)), 255);

    // Right-aligned, vertically centred single line; opaque background.
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kBlue);
    RECT box { 100, 0, 200, 40 };
    int height = dc.DrawText("Apply", -1, &box, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(height, dc.GetTextExtent("Apply").cy);
    int top = (40 - height) / 2; // the top row of the text cell is leading, not glyph
    EXPECT_EQ(dc.GetPixel(199, top), kBlue);
    EXPECT_EQ(dc.GetPixel(199, top - 1), kWhite);
    EXPECT_EQ(dc.GetPixel(199, top + height), kWhite);
    EXPECT_EQ(dc.GetPixel(101, 20), kWhite);
    EXPECT_LT(Darkest(*image, QRect(200 - dc.GetTextExtent("Apply").cx, top, 40, height)), 80);

    RECT calc { 10, 10, 10, 10 };
    dc.DrawText("Apply", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right - calc.left, dc.GetTextExtent("Apply").cx);
    EXPECT_EQ(calc.bottom - calc.top, height);
    dc.SelectObject(old);
}

// A 24-bit bottom-up picture with padded rows: 3 x 2, top row red green
// blue, bottom row white black white.
std::vector<uint8_t> BottomUpPicture(BITMAPINFO& info)
{
    info = BITMAPINFO {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return {
        255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0, // bottom row first, blue green red order
        0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0, //
    };
}

TEST_F(MemoryDC, StretchDIBitsOfABottomUpPictureLandsUpright)
{
    BITMAPINFO info;
    std::vector<uint8_t> bits = BottomUpPicture(info);
    EXPECT_EQ(m_dc.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(m_dc.GetPixel(1, 0), kGreen);
    EXPECT_EQ(m_dc.GetPixel(2, 0), kBlue);
    EXPECT_EQ(m_dc.GetPixel(0, 1), kWhite);
    EXPECT_EQ(m_dc.GetPixel(1, 1), kBlack);

    // Stretched four times.
    m_dc.StretchDIBits(10, 10, 12, 8, 0, 0, 3, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(m_dc.GetPixel(10, 10), kRed);
    EXPECT_EQ(m_dc.GetPixel(13, 13), kRed);
    EXPECT_EQ(m_dc.GetPixel(14, 10), kGreen);
    EXPECT_EQ(m_dc.GetPixel(21, 13), kBlue);
    EXPECT_EQ(m_dc.GetPixel(15, 17), kBlack);

    // The source rectangle of a bottom-up picture counts from its bottom row.
    m_dc.StretchDIBits(30, 0, 3, 1, 0, 1, 3, 1, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(m_dc.GetPixel(30, 0), kRed);

    // A top-down picture (negative height) is read as it lies.
    info.bmiHeader.biHeight = -2;
    m_dc.StretchDIBits(0, 20, 3, 2, 0, 0, 3, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(m_dc.GetPixel(0, 20), kWhite);
    EXPECT_EQ(m_dc.GetPixel(0, 21), kRed);
}

TEST_F(MemoryDC, StretchDIBitsRefusesWhatItCannotRead)
{
    BITMAPINFO info;
    std::vector<uint8_t> bits = BottomUpPicture(info);
    struct Case {
        const char* what;
        void (*spoil)(BITMAPINFOHEADER&);
    } cases[] = {
        { "8 bits", [](BITMAPINFOHEADER& h) { h.biBitCount = 8; } },
        { "compressed", [](BITMAPINFOHEADER& h) { h.biCompression = 1; } },
        { "no width", [](BITMAPINFOHEADER& h) { h.biWidth = 0; } },
        { "huge", [](BITMAPINFOHEADER& h) { h.biWidth = 1 << 30; } },
    };
    for (const Case& c : cases) {
        BITMAPINFO spoilt = info;
        c.spoil(spoilt.bmiHeader);
        EXPECT_EQ(
            m_dc.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, bits.data(), &spoilt, DIB_RGB_COLORS, SRCCOPY), 0)
            << c.what;
    }
    // A source rectangle outside the picture.
    EXPECT_EQ(m_dc.StretchDIBits(0, 0, 3, 2, 1, 0, 3, 2, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kWhite);
}

TEST_F(MemoryDC, BitBltCopiesAndCombines)
{
    CDC source;
    CBitmap picture;
    source.CreateCompatibleDC(&m_dc);
    picture.CreateCompatibleBitmap(&source, 4, 4);
    CBitmap* old = source.SelectObject(&picture);
    source.FillSolidRect(0, 0, 4, 4, kRed);
    source.SetPixel(3, 3, kBlue);

    ASSERT_TRUE(m_dc.BitBlt(10, 10, 4, 4, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(m_dc.GetPixel(10, 10), kRed);
    EXPECT_EQ(m_dc.GetPixel(13, 13), kBlue);
    EXPECT_EQ(m_dc.GetPixel(14, 14), kWhite);

    m_dc.FillSolidRect(0, 0, 4, 4, RGB(0, 255, 255));
    m_dc.BitBlt(0, 0, 4, 4, &source, 0, 0, SRCAND);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(m_dc.GetPixel(3, 3), kBlue);
    m_dc.BitBlt(0, 0, 4, 4, &source, 0, 0, SRCINVERT);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(m_dc.GetPixel(3, 3), kBlack);

    // Doubled; and a blit within one image.
    m_dc.StretchBlt(20, 0, 8, 8, &source, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(m_dc.GetPixel(26, 6), kBlue);
    EXPECT_EQ(m_dc.GetPixel(25, 5), kRed);
    m_dc.BitBlt(11, 10, 4, 4, &m_dc, 10, 10, SRCCOPY);
    EXPECT_EQ(m_dc.GetPixel(14, 13), kBlue);
    EXPECT_EQ(m_dc.GetPixel(11, 10), kRed);
    source.SelectObject(old);
}

TEST_F(MemoryDC, ImageListCutsAStripAndDrawsWithTheMaskColourTransparent)
{
    // Two 4 x 4 images: a red one and a blue one, each with a white corner.
    CDC strip;
    CBitmap bitmap;
    strip.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&strip, 8, 4);
    CBitmap* old = strip.SelectObject(&bitmap);
    strip.FillSolidRect(0, 0, 4, 4, kRed);
    strip.FillSolidRect(4, 0, 4, 4, kBlue);
    strip.SetPixel(0, 0, kWhite);
    strip.SetPixel(4, 0, kWhite);
    strip.SelectObject(old);

    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(list.Add(&bitmap, kWhite), 0);
    EXPECT_EQ(list.GetImageCount(), 2);
    EXPECT_EQ(list.Add(&bitmap, kWhite), 2);

    m_dc.FillSolidRect(0, 0, 20, 10, kGreen);
    ASSERT_TRUE(list.Draw(&m_dc, 1, CPoint(5, 5), ILD_TRANSPARENT));
    EXPECT_EQ(m_dc.GetPixel(5, 5), kGreen);
    EXPECT_EQ(m_dc.GetPixel(6, 5), kBlue);
    EXPECT_EQ(m_dc.GetPixel(8, 8), kBlue);
    EXPECT_FALSE(list.Draw(&m_dc, 4, CPoint(0, 0), ILD_NORMAL));
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 3);

    CImageList unmasked;
    unmasked.Create(4, 4, ILC_COLOR24, 1, 1);
    unmasked.Add(&bitmap, kWhite);
    unmasked.Draw(&m_dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kWhite);
}

} // namespace
