// The pictures of a D1 camera for the video benchmarks: a slow pan over a
// textured street (buildings with windows, a road, fine grain), cars and
// people crossing it at their own speeds, and the sensor's noise, which
// changes every frame. Encoded at a camera's bit rate it gives an MPEG-4
// stream whose decoding costs what a real camera's does, unlike a flat
// test pattern that is mostly skipped blocks.
#pragma once

#include "sim/Mpeg4PatternStream.h"

#include <cstdint>
#include <vector>

namespace bench_video
{

class CameraScene
{
public:
    CameraScene(int width, int height);
    // Picture `index` (25 a second) into `picture`, which takes the scene's size.
    void Draw(int index, sim::YuvPicture* picture) const;

private:
    int m_width, m_height;
    int m_bgWidth, m_bgHeight; // the street, larger than the view by the pan
    std::vector<uint8_t> m_y, m_cb, m_cr; // chroma at half the street's size
};

} // namespace bench_video
