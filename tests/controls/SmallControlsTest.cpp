// The small drawing controls: the video surface, the area box and the
// filtered edit, on a window of their own.
#include "controls/AreaPreviewStatic.h"
#include "controls/DoubleBufferWnd.h"
#include "controls/FilterEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include <string>

namespace
{

enum : UINT { IDC_AREA = 2105, IDC_DIGITS = 1018, IDC_VIEWER = 1300 };

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// The clicks a parent hears of.
class FormWindow : public CWnd
{
public:
    int clicks = 0;

protected:
    void OnAreaClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FormWindow, CWnd)
ON_BN_CLICKED(IDC_AREA, OnAreaClicked)
END_MESSAGE_MAP()

class SmallControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            form.CreateEx(0, nullptr, "form", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300, nullptr, nullptr));
    }
    // Presses and releases as the mouse makes them.
    static void Mouse(QWidget* widget, QEvent::Type type, QPoint at)
    {
        const bool press = type == QEvent::MouseButtonPress;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
            press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void MouseClick(QWidget* widget, QPoint at)
    {
        Mouse(widget, QEvent::MouseButtonPress, at);
        Mouse(widget, QEvent::MouseButtonRelease, at);
    }
    static void Type(QWidget* widget, const std::string& keys)
    {
        for (char c : keys) {
            const int key = c == '\b' ? Qt::Key_Backspace : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(c)));
            QApplication::sendEvent(widget, &press);
        }
    }
    FormWindow form;
};

TEST_F(SmallControls, TheVideoSurfaceStartsBlack)
{
    CDoubleBufferWnd viewer;
    ASSERT_EQ(viewer.GetBufferDC(), nullptr);
    ASSERT_TRUE(viewer.CreateEx(WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE,
        CRect(110, 30, 440, 245), &form, IDC_VIEWER));
    ASSERT_NE(viewer.GetBufferDC(), nullptr);
    EXPECT_EQ(viewer.GetBufferDC()->GetPixel(329, 214), RGB(0, 0, 0));
    // What a viewer drew into the picture shows at the next repaint.
    viewer.GetBufferDC()->FillSolidRect(10, 10, 20, 20, RGB(0, 200, 0));
    viewer.Invalidate();
    viewer.UpdateWindow();
    const QImage picture = viewer.GetSurface()->copy();
    picture.save(SUITE_BUILD_DIR "/double_buffer.png");
    EXPECT_EQ(At(picture, 15, 15), RGB(0, 200, 0));
    EXPECT_EQ(At(picture, 2, 2), RGB(0, 0, 0));
    EXPECT_EQ(At(picture, 320, 200), RGB(0, 0, 0));
}

TEST_F(SmallControls, AreaBoxScalesTheVideoFieldIntoItself)
{
    struct Case {
        int x1, y1, x2, y2, width, height;
        CRect scaled;
    } cases[] = {
        { 0, 0, 720, 243, 180, 61, CRect(1, 1, 179, 60) },
        { 360, 121, 540, 243, 180, 61, CRect(91, 31, 134, 60) },
        { 100, 50, 100, 50, 100, 40, CRect(14, 9, 12, 7) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CAreaPreviewStatic::ScaleArea(c.x1, c.y1, c.x2, c.y2, c.width, c.height), c.scaled) << c.x1;
    struct Mode {
        int mode;
        COLORREF color;
    } modes[] = { { 0, 0x9E9E9E }, { 3, 0x9E9E9E }, { 1, 0xB2B2B2 }, { 2, 0xA6A6A6 }, { 4, 0x8C8C8C },
        { 5, 0x848284 }, { 7, 0xCED3D6 }, { -1, 0xCED3D6 } };
    for (const Mode& m : modes)
        EXPECT_EQ(CAreaPreviewStatic::ModeColor(m.mode), m.color) << m.mode;
}

TEST_F(SmallControls, AreaBoxPaintsFaceBoxAndArea)
{
    CAreaPreviewStatic area;
    ASSERT_TRUE(area.Create(
        "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, CRect(10, 10, 190, 71), &form, IDC_AREA));
    area.m_bShowArea = true;
    area.m_nMode = 7;
    area.m_nX1 = 0;
    area.m_nY1 = 0;
    area.m_nX2 = 720;
    area.m_nY2 = 243;
    area.Refresh();
    QImage picture = area.GetSurface()->copy();
    picture.save(SUITE_BUILD_DIR "/area_preview.png");
    EXPECT_EQ(area.m_nRight, 179);
    EXPECT_EQ(area.m_nBottom, 60);
    EXPECT_EQ(At(picture, 1, 30), GetSysColor(COLOR_3DHILIGHT)) << "a raised face's inner light line";
    EXPECT_EQ(At(picture, 0, 30), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(At(picture, 179, 30), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(picture, 2, 30), RGB(0, 0, 0)) << "the area's outline from scaled left + 1";
    EXPECT_EQ(At(picture, 178, 59), RGB(0, 0, 0)) << "up to the scaled right and bottom";
    EXPECT_EQ(At(picture, 3, 3), RGB(255, 255, 255)) << "the area's inside";
    EXPECT_EQ(At(picture, 90, 30), RGB(255, 255, 255));

    // Corners that meet: the coloured box only.
    area.m_nMode = 4;
    area.m_nX2 = 0;
    area.m_nY2 = 0;
    area.Refresh();
    picture = area.GetSurface()->copy();
    EXPECT_EQ(At(picture, 2, 30), COLORREF(0x8C8C8C)) << "the box's outline";
    EXPECT_EQ(At(picture, 90, 30), COLORREF(0x8C8C8C));
    EXPECT_EQ(At(picture, 177, 58), COLORREF(0x8C8C8C)) << "the box ends before right - 2, bottom - 2";
    EXPECT_EQ(At(picture, 178, 58), GetSysColor(COLOR_3DSHADOW)) << "then the face's inner shadow";

    // Without the area the box is a bare button face.
    area.m_bShowArea = false;
    area.Refresh();
    EXPECT_EQ(At(area.GetSurface()->copy(), 90, 30), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SmallControls, AreaBoxPressesAndReportsItsClicks)
{
    CAreaPreviewStatic area;
    ASSERT_TRUE(area.Create(
        "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, CRect(10, 10, 190, 71), &form, IDC_AREA));
    area.m_bShowArea = true;
    area.m_nX2 = 360;
    area.m_nY2 = 120;
    QWidget* widget = area.GetWidget();
    Mouse(widget, QEvent::MouseButtonPress, QPoint(50, 30));
    EXPECT_FALSE(area.m_bReleased);
    EXPECT_EQ(At(*area.GetSurface(), 0, 30), GetSysColor(COLOR_3DSHADOW)) << "pressed: sunken";
    EXPECT_EQ(form.clicks, 1) << "the dialog hears BN_CLICKED at once";
    Mouse(widget, QEvent::MouseButtonRelease, QPoint(50, 30));
    EXPECT_TRUE(area.m_bReleased);
    EXPECT_EQ(At(*area.GetSurface(), 0, 30), GetSysColor(COLOR_3DLIGHT)) << "released: raised";

    // A box that shows no area ignores the mouse but still reports the click.
    area.m_bShowArea = false;
    MouseClick(widget, QPoint(50, 30));
    EXPECT_TRUE(area.m_bReleased);
    EXPECT_EQ(form.clicks, 2);
}

TEST_F(SmallControls, FilterEditLetsItsModesCharactersThrough)
{
    struct Case {
        int mode;
        const char* typed;
        const char* kept;
    } cases[] = {
        { 0, "a1b2-09\t", "1209" }, { 1, "0123456", "1234" }, { 2, "Ab-(9)$#%.z ", "Ab-(9)$#z" },
        { 3, "1092 x5", "1925" }, { 4, "any #.!", "any #.!" }, { 3, "12\b3", "13" },
        { -1, "9a-", "" }, // a mode below 0 lets only backspace through
    };
    for (const Case& c : cases) {
        CFilterEdit edit;
        ASSERT_TRUE(
            edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 100, 200, 124), &form, IDC_DIGITS));
        edit.SetFilterMode(c.mode);
        edit.SetFocus();
        Type(edit.GetWidget(), c.typed);
        CString text;
        form.GetDlgItemText(IDC_DIGITS, text);
        EXPECT_EQ(text, CString(c.kept)) << "mode " << c.mode << " typed " << c.typed;
        edit.DestroyWindow();
    }
    // Text set by the program is not filtered.
    CFilterEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 100, 200, 124), &form, IDC_DIGITS));
    edit.SetWindowText("0x");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString("0x"));
}

} // namespace
