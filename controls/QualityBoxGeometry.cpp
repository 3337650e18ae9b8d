#include "controls/QualityBoxGeometry.h"

#include "controls/AreaPreviewStatic.h"
#include "controls/VideoPreviewWnd.h"

#include <utility>

RECT NormalizedBox(const RECT& box)
{
    RECT r = box;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

bool HasArea(const RECT& box)
{
    return box.right != box.left && box.bottom != box.top;
}

RECT QualityBoxToDevice(const RECT& previewBox, bool fullHeight, bool flipped)
{
    RECT r = NormalizedBox(previewBox);
    if (!HasArea(r))
        return r;
    if (flipped)
        r = CVideoPreviewWnd::RotateArea180(r);
    if (!fullHeight) {
        r.top += QUALITY_LINE_OFFSET;
        r.bottom += QUALITY_LINE_OFFSET;
    }
    r.left *= 2;
    r.right *= 2;
    return r;
}

RECT QualityBoxToPreview(const RECT& deviceBox, bool fullHeight, bool flipped)
{
    if (!HasArea(deviceBox))
        return RECT {};
    RECT r = QualityBoxBeforeFirstFrame(deviceBox);
    if (!fullHeight) {
        r.top -= QUALITY_LINE_OFFSET;
        r.bottom -= QUALITY_LINE_OFFSET;
    }
    return flipped ? CVideoPreviewWnd::RotateArea180(r) : r;
}

RECT QualityBoxBeforeFirstFrame(const RECT& deviceBox)
{
    return RECT { deviceBox.left / 2, deviceBox.top, deviceBox.right / 2, deviceBox.bottom };
}

RECT QualityBoxToArea(const RECT& deviceBox, bool fullHeight, bool turned)
{
    RECT r = deviceBox;
    if (turned)
        r = RECT { AREA_FIELD_WIDTH - deviceBox.right, AREA_FIELD_HEIGHT - deviceBox.bottom,
            AREA_FIELD_WIDTH - deviceBox.left, AREA_FIELD_HEIGHT - deviceBox.top };
    if (!fullHeight) {
        const int lines = turned ? QUALITY_LINE_OFFSET : -QUALITY_LINE_OFFSET;
        r.top += lines;
        r.bottom += lines;
    }
    return r;
}
