// What an icon static of a window shows: the picture of the first label
// under the window that has one.
#pragma once

#include "platform/ui/Icon.h"
#include "platform/ui/Wnd.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

// The picture, or a null image when no static of the window shows one.
inline QImage ShownIcon(const CWnd* window)
{
    for (const QLabel* label : window->GetWidget()->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            EXPECT_EQ(label->size(), QSize(kIconSize, kIconSize)) << "the static takes the icon's size";
            return label->pixmap().toImage();
        }
    }
    return QImage();
}

// Whether a picture is a whole large icon, not a blank one.
inline ::testing::AssertionResult IsWholeIcon(const QImage& picture)
{
    if (picture.size() != QSize(kIconSize, kIconSize))
        return ::testing::AssertionFailure()
            << "a picture of " << picture.width() << " x " << picture.height();
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            opaque += qAlpha(picture.pixel(x, y)) > 0;
    if (opaque < kIconSize * kIconSize / 4)
        return ::testing::AssertionFailure() << "only " << opaque << " pixels show";
    return ::testing::AssertionSuccess();
}
