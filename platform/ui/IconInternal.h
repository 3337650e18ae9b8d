// What lies behind an icon handle; for the layer's own code.
#pragma once

#include "platform/ui/Icon.h"

#include <QIcon>
#include <QImage>

struct HICON__ {
    QImage large; // kIconSize square, ARGB
    QImage small; // kSmallIconSize square, ARGB
};

// A window icon for Qt from a window's big and small icons (either may be null).
QIcon ToQIcon(HICON big, HICON small);
