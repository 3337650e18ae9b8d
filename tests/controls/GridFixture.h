// A grid as the settings pages put it on a window: control 305 on a host
// that records what the grid tells it, driven by the mouse and the keys.
#pragma once

#include "controls/GridCtrl.h"

#include "platform/ui/WinApp.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

constexpr UINT kGridId = 305;

// The window the grid sits on: it keeps every notification of the grid and
// answers GVN_BEGINLABELEDIT as the test asks.
class GridHost : public CWnd
{
public:
    struct Note {
        UINT code;
        int row;
        int col;
    };
    std::vector<Note> notes;
    int clicks = 0; // WM_COMMAND from the grid after a button release
    std::function<LRESULT(CGridCtrl&, int row, int col)> onBeginEdit;
    CGridCtrl* grid = nullptr;

    std::vector<Note> Of(UINT code) const
    {
        std::vector<Note> found;
        for (const Note& n : notes)
            if (n.code == code)
                found.push_back(n);
        return found;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
            if (nm->hdr.idFrom == kGridId) {
                notes.push_back({ nm->hdr.code, nm->iRow, nm->iColumn });
                if (nm->hdr.code == GVN_BEGINLABELEDIT && onBeginEdit && grid)
                    return onBeginEdit(*grid, nm->iRow, nm->iColumn);
                return 0;
            }
        }
        if (message == WM_COMMAND && LOWORD(wParam) == kGridId)
            ++clicks;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class GridTestBase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            host.CreateEx(0, nullptr, "grid host", WS_POPUP | WS_VISIBLE, 0, 0, 700, 400, nullptr, nullptr));
        host.grid = &grid;
    }

    // A grid of `rows` x `cols` cells with one fixed row and column, texts
    // "r<row>c<col>", 60 x 20 pixel cells.
    void Make(CGridCtrl& g, int rows, int cols, CRect place = CRect(0, 0, 330, 170), UINT id = kGridId)
    {
        ASSERT_TRUE(g.Create(place, &host, id, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP));
        ASSERT_TRUE(g.SetRowCount(rows));
        ASSERT_TRUE(g.SetColumnCount(cols));
        ASSERT_TRUE(g.SetFixedRowCount(1));
        ASSERT_TRUE(g.SetFixedColumnCount(1));
        for (int r = 0; r < rows; ++r) {
            g.SetRowHeight(r, 20);
            for (int c = 0; c < cols; ++c) {
                CString text;
                text.Format("r%dc%d", r, c);
                g.SetItemText(r, c, text);
            }
        }
        for (int c = 0; c < cols; ++c)
            g.SetColumnWidth(c, 60);
        g.ResetScrollBars();
        g.UpdateWindow();
    }
    void Make(int rows = 8, int cols = 5) { Make(grid, rows, cols); }

    static void Pump()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // Where a client point of a window lies on its widget.
    static QPoint WidgetPoint(CWnd& wnd, CPoint client)
    {
        CPoint screen = client;
        wnd.ClientToScreen(&screen);
        return wnd.GetWidget()->mapFromGlobal(QPoint(screen.x, screen.y));
    }
    static CPoint Middle(CGridCtrl& g, int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(g.GetCellRect(row, col, &rect)) << row << "," << col;
        return rect.CenterPoint();
    }
    static void Mouse(CWnd& wnd, QEvent::Type type, CPoint client, Qt::MouseButton button,
        Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* w = wnd.GetWidget();
        const QPoint p = WidgetPoint(wnd, client);
        QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, buttons, modifiers);
        QApplication::sendEvent(w, &event);
    }
    static void Click(CGridCtrl& g, int row, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const CPoint p = Middle(g, row, col);
        Mouse(g, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, modifiers);
        Mouse(g, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void Click(int row, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Click(grid, row, col, modifiers);
    }
    // A key pressed and released on the grid, as a dialog hands it on.
    void Key(UINT vk)
    {
        grid.SendMessage(WM_KEYDOWN, vk, 1);
        grid.SendMessage(WM_KEYUP, vk, 1);
    }
    void Hold(UINT vk) { grid.SendMessage(WM_KEYDOWN, vk, 1); }
    void Release(UINT vk) { grid.SendMessage(WM_KEYUP, vk, 1); }
    // A key typed into a widget (an editor over a cell).
    static void Type(QWidget* target, int key, const QString& text = QString(),
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
    }
    CWnd* Editor() { return grid.GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)); }
    CCellRange Selection() { return grid.GetSelectedCellRange(); }

    CWinApp app;
    GridHost host;
    CGridCtrl grid;
};
