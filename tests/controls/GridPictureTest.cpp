// The grid as the screen shows it: a few pixels of its picture, kept under
// the build folder for a look.
#include "tests/controls/GridFixture.h"

#include <QColor>
#include <QImage>

namespace
{

class GridPicture : public GridTestBase
{
protected:
    void SetUp() override
    {
        GridTestBase::SetUp();
        Make(8, 5);
        grid.SetTextBkColor(RGB(255, 255, 255));
        grid.SetItemText(0, 4, "");
        grid.SetItemText(2, 2, "");
        grid.SetItemText(3, 2, "A text far too long for its cell");
        grid.SetItemText(3, 3, "");
        grid.SetItemText(4, 1, "");
    }

    // The grid's window grabbed, read in its client coordinates.
    QImage Grab(CWnd& wnd, const char* saveAs)
    {
        wnd.UpdateWindow();
        QImage image = wnd.GetWidget()->grab().toImage();
        image.save(QString(SUITE_BUILD_DIR "/") + saveAs);
        return image;
    }
    QColor At(const QImage& image, CWnd& wnd, int x, int y)
    {
        const QPoint p = WidgetPoint(wnd, CPoint(x, y));
        return image.pixelColor(p);
    }
    CRect Cell(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, &rect));
        return rect;
    }
    static QColor Sys(int index)
    {
        const COLORREF c = GetSysColor(index);
        return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    }
    static bool Dark(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }
    bool AnyDark(const QImage& image, CWnd& wnd, const CRect& area)
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (Dark(At(image, wnd, x, y)))
                    return true;
        return false;
    }
};

TEST_F(GridPicture, FixedCellsFocusSelectionAndClippedText)
{
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(4, 1, 4, 2);
    const QImage image = Grab(grid, "grid_cells.png");

    const CRect heading = Cell(0, 4);
    EXPECT_EQ(At(image, grid, heading.CenterPoint().x, heading.CenterPoint().y), Sys(COLOR_BTNFACE))
        << "fixed shade";
    const CRect plain = Cell(3, 3);
    EXPECT_EQ(At(image, grid, plain.CenterPoint().x, plain.CenterPoint().y), QColor(255, 255, 255));
    EXPECT_EQ(At(image, grid, plain.right, plain.CenterPoint().y), QColor(192, 192, 192)) << "grid line";

    // The focus cell: a black frame around its own background.
    const CRect focus = Cell(2, 2);
    const int mid = focus.CenterPoint().y;
    EXPECT_EQ(At(image, grid, focus.left, mid), QColor(0, 0, 0));
    EXPECT_EQ(At(image, grid, focus.CenterPoint().x, focus.top), QColor(0, 0, 0));
    EXPECT_EQ(At(image, grid, focus.left + 3, mid), QColor(255, 255, 255));

    const CRect selected = Cell(4, 1);
    EXPECT_EQ(At(image, grid, selected.CenterPoint().x, selected.CenterPoint().y), Sys(COLOR_HIGHLIGHT));

    // A text too long for its cell stops at the cell's edge.
    EXPECT_TRUE(AnyDark(image, grid, Cell(3, 2)));
    CRect next = Cell(3, 3);
    next.left += 1;
    EXPECT_FALSE(AnyDark(image, grid, next)) << "the text ran into the next cell";
}

TEST_F(GridPicture, ACutTextShowsItsTitleTipWhileHovered)
{
    grid.SetFocus();
    Mouse(grid, QEvent::MouseMove, Cell(3, 1).CenterPoint(), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(grid.GetTitleTip().IsWindowVisible()) << "a text that fits shows no tip";

    Mouse(grid, QEvent::MouseMove, Cell(3, 2).CenterPoint(), Qt::NoButton, Qt::NoButton);
    CTitleTipWnd& tip = grid.GetTitleTip();
    ASSERT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(tip.GetTitleText(), CString(" A text far too long for its cell "));
    CRect tipRect, cellRect = Cell(3, 2);
    tip.GetWindowRect(&tipRect);
    grid.ClientToScreen(&cellRect);
    EXPECT_GT(tipRect.Width(), cellRect.Width()) << "the tip shows the whole text";
    const QImage picture = Grab(tip, "grid_title_tip.png");
    CRect client;
    tip.GetClientRect(&client);
    EXPECT_TRUE(AnyDark(picture, tip, client));
    EXPECT_EQ(At(picture, tip, client.right - 2, client.bottom - 2), Sys(COLOR_INFOBK));

    // Leaving the cell hides the tip and hands the move on to the grid.
    Mouse(grid, QEvent::MouseMove, Cell(6, 3).CenterPoint(), Qt::NoButton, Qt::NoButton);
    Pump();
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_NE(CWnd::GetCapture(), &tip);
}

} // namespace
