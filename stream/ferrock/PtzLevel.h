// The arithmetic of a zoom or focus lever, for every lever that drives a
// PTZ move (the viewer's bars, the preview's levers): the level 0 (top) to
// 127 (bottom) that a mouse position or a thumb position stands for. The
// thumb is a band 18 pixels high.
#pragma once

namespace ferrock
{

constexpr int kThumbHeight = 18;

// The level of a press or release at y in a bar `height` pixels high.
inline int LevelFromY(int y, int height)
{
    if (height <= 0)
        return 0;
    int at = y < 0 ? 0 : y;
    if (at + kThumbHeight > height)
        at = height - 1;
    return int(127.0 / height * at + 0.5);
}

// Places a thumb whose top is wanted at *top within the bar and gives the
// level it shows.
inline int PlaceThumb(int* top, int height)
{
    if (*top < 0) {
        *top = 0;
        return 0;
    }
    if (*top + kThumbHeight > height) {
        *top = height - kThumbHeight;
        return 127;
    }
    return height > 0 ? int(127.0 / height * (*top + kThumbHeight / 2) + 0.5) : 0;
}

} // namespace ferrock
