// What lies behind an image-list handle; for the layer's own controls.
#pragma once

#include "platform/ui/ImageList.h"

#include <QImage>
#include <vector>

struct ImageListData {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF bkColor = CLR_NONE;
    std::vector<QImage> images; // ARGB32; transparent where masked
};

// Image `index` of a list, or a null image.
QImage ImageListImage(HIMAGELIST list, int index);
