// A list as the screen shows it: its window grabbed into an image, read in
// the list's client coordinates.
#pragma once

#include "platform/ui/GdiObject.h"
#include "platform/ui/ListCtrl.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class ListPicture
{
public:
    // `saveAs`, when given, keeps the picture under the build folder for a look.
    explicit ListPicture(CListCtrl& list, const char* saveAs = nullptr)
        : m_list(list)
    {
        list.UpdateWindow();
        m_image = list.GetWidget()->grab().toImage();
        // The border lies between the window's corner and the client area's.
        CRect window;
        list.GetWindowRect(&window);
        CPoint origin(0, 0);
        list.ClientToScreen(&origin);
        m_offset = CPoint(origin.x - window.left, origin.y - window.top);
#ifdef SUITE_BUILD_DIR
        if (saveAs)
            m_image.save(QString(SUITE_BUILD_DIR "/") + saveAs);
#else
        (void)saveAs;
#endif
    }

    QColor At(int x, int y) const
    {
        return m_image.pixelColor(x + m_offset.x, y + m_offset.y);
    }

    // Whether any pixel inside an area (its edges left out) matches.
    bool Has(const CRect& area, const std::function<bool(QColor)>& match) const
    {
        for (int y = area.top + 1; y < area.bottom - 1; ++y)
            for (int x = area.left + 1; x < area.right - 1; ++x)
                if (match(At(x, y)))
                    return true;
        return false;
    }
    bool CellHas(int row, int column, const std::function<bool(QColor)>& match) const
    {
        CRect cell;
        return m_list.GetSubItemRect(row, column, LVIR_BOUNDS, cell) && Has(cell, match);
    }

    // The vertical middle of a row.
    int Middle(int row) const
    {
        CRect bounds;
        m_list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        return (bounds.top + bounds.bottom) / 2;
    }

    static QColor Color(COLORREF c)
    {
        return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    }
    static QColor SysColor(int index)
    {
        return Color(GetSysColor(index));
    }
    // Text colours, told apart with room for anti-aliasing.
    static bool Dark(QColor c)
    {
        return c.red() < 100 && c.green() < 100 && c.blue() < 100;
    }
    static bool LinkBlue(QColor c)
    {
        return c.blue() - c.red() > 60 && c.blue() > 120;
    }
    static bool Reddish(QColor c)
    {
        return c.red() - c.blue() > 40 && c.red() - c.green() > 40;
    }

private:
    CListCtrl& m_list;
    QImage m_image;
    CPoint m_offset;
};
