#include "CameraScene.h"

#include <algorithm>
#include <cmath>

namespace bench_video
{

namespace
{

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

// Smooth noise in -1..1 with features `scale` pixels apart.
double ValueNoise(int x, int y, int scale, uint32_t seed)
{
    const int cx = x / scale, cy = y / scale;
    const double fx = double(x % scale) / scale, fy = double(y % scale) / scale;
    auto at = [&](int i, int j) {
        return double(Hash(uint32_t(cx + i), uint32_t(cy + j), seed) & 0xffff) / 32768.0 - 1;
    };
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

uint8_t Clamp(double v)
{
    return uint8_t(std::clamp(v, 16.0, 235.0));
}

// Bilinear sample of a plane at (x + fx/256, y + fy/256).
uint8_t Sample(const std::vector<uint8_t>& plane, int stride, int x, int y, int fx, int fy)
{
    const uint8_t* p = &plane[size_t(y) * stride + x];
    const int top = p[0] * (256 - fx) + p[1] * fx;
    const int bottom = p[stride] * (256 - fx) + p[stride + 1] * fx;
    return uint8_t((top * (256 - fy) + bottom * fy + 32768) >> 16);
}

struct Mover {
    double x0, y, speed; // start, row of the top edge, pixels a frame
    int width, height;
    uint8_t luma, cb, cr;
    uint32_t seed;
};

const Mover kMovers[] = {
    { -200, 400, 7.0, 170, 70, 70, 110, 170, 1 }, // a red car
    { 900, 440, -4.5, 190, 80, 190, 150, 110, 2 }, // a pale van
    { -60, 300, 1.6, 28, 84, 120, 140, 120, 3 }, // people walking
    { 760, 310, -1.2, 26, 80, 60, 120, 140, 4 },
    { 200, 330, 0.9, 30, 86, 150, 110, 130, 5 },
};

} // namespace

CameraScene::CameraScene(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_bgWidth(width + 480)
    , m_bgHeight(height + 40)
{
    m_y.resize(size_t(m_bgWidth) * m_bgHeight);
    for (int y = 0; y < m_bgHeight; ++y) {
        for (int x = 0; x < m_bgWidth; ++x) {
            double v = 110 + 45 * ValueNoise(x, y, 96, 11) + 22 * ValueNoise(x, y, 24, 12)
                + 10 * ValueNoise(x, y, 6, 13) + 6 * ValueNoise(x, y, 2, 14);
            // Buildings above the road, with rows of windows.
            const int block = x / 150;
            const int roof = 60 + int(Hash(uint32_t(block), 0, 15) % 140);
            if (y > roof && y < m_bgHeight * 55 / 100) {
                v = 0.55 * v + 40 + 25 * (block % 3);
                if ((x % 150) > 12 && (x % 150) < 138 && (x % 26) < 15 && ((y - roof) % 34) < 20)
                    v = 40 + 150 * ((Hash(uint32_t(x / 26), uint32_t((y - roof) / 34), 16) & 3) == 0);
                if (x % 150 < 4)
                    v = 30;
            }
            // The road with its markings.
            if (y >= m_bgHeight * 62 / 100) {
                v = 0.3 * v + 60;
                if ((y - m_bgHeight * 80 / 100) / 6 == 0 && (x % 90) < 50)
                    v = 210;
            }
            m_y[size_t(y) * m_bgWidth + x] = Clamp(v);
        }
    }
    const int cw = m_bgWidth / 2, ch = m_bgHeight / 2;
    m_cb.resize(size_t(cw) * ch);
    m_cr.resize(size_t(cw) * ch);
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            const int block = x / 75;
            m_cb[size_t(y) * cw + x] = Clamp(128 + 14 * ValueNoise(x, y, 40, 21) + 6 * ValueNoise(x, y, 5, 22)
                + (y < ch * 55 / 100 ? 8 * (block % 3 - 1) : 0));
            m_cr[size_t(y) * cw + x] = Clamp(128 + 14 * ValueNoise(x, y, 40, 23) + 6 * ValueNoise(x, y, 5, 24)
                - (y < ch * 55 / 100 ? 6 * (block % 2) : 0));
        }
    }
}

void CameraScene::Draw(int index, sim::YuvPicture* picture) const
{
    const int w = m_width, h = m_height;
    picture->width = w;
    picture->height = h;
    picture->y.resize(size_t(w) * h);
    picture->cb.resize(size_t(w / 2) * (h / 2));
    picture->cr.resize(size_t(w / 2) * (h / 2));
    // The pan: 0.7 pixels a frame to the right and back, a slight tilt.
    const double period = 2.0 * 470 / 0.7;
    const double phase = std::fmod(index, period);
    const double ox = phase < period / 2 ? phase * 0.7 : (period - phase) * 0.7;
    const double oy = 18 + 14 * std::sin(index * 0.03);
    const int ix = int(ox), iy = int(oy);
    const int fx = int((ox - ix) * 256), fy = int((oy - iy) * 256);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int noise = int(Hash(uint32_t(x), uint32_t(y), uint32_t(index) + 100) % 9) - 4;
            picture->y[size_t(y) * w + x] = Clamp(Sample(m_y, m_bgWidth, ix + x, iy + y, fx, fy) + noise);
        }
    }
    const int cx = int(ox * 128) / 256, cy = int(oy * 128) / 256;
    const int cfx = int(ox * 128) % 256, cfy = int(oy * 128) % 256;
    for (int y = 0; y < h / 2; ++y) {
        for (int x = 0; x < w / 2; ++x) {
            picture->cb[size_t(y) * (w / 2) + x] = Sample(m_cb, m_bgWidth / 2, cx + x, cy + y, cfx, cfy);
            picture->cr[size_t(y) * (w / 2) + x] = Sample(m_cr, m_bgWidth / 2, cx + x, cy + y, cfx, cfy);
        }
    }
    // Cars and people, each with a texture of its own that moves with it.
    for (const Mover& m : kMovers) {
        const double span = w + 2.0 * m.width + 200;
        double left = std::fmod(m.x0 + m.speed * index - ox, span);
        if (left < 0)
            left += span;
        const int x0 = int(left) - m.width - 100;
        for (int y = std::max(0, int(m.y)); y < std::min(h, int(m.y) + m.height); ++y) {
            for (int x = std::max(0, x0); x < std::min(w, x0 + m.width); ++x) {
                const int u = x - x0, v = y - int(m.y);
                const int edge = std::min({ u, v, m.width - 1 - u, m.height - 1 - v });
                if (edge < 2)
                    continue;
                const int texture = int(Hash(uint32_t(u / 3), uint32_t(v / 3), m.seed) % 31) - 15;
                const int shade = (v * 3 < m.height) ? 25 : 0;
                picture->y[size_t(y) * w + x] = Clamp(m.luma + texture + shade);
                if (x % 2 == 0 && y % 2 == 0) {
                    picture->cb[size_t(y / 2) * (w / 2) + x / 2] = m.cb;
                    picture->cr[size_t(y / 2) * (w / 2) + x / 2] = m.cr;
                }
            }
        }
    }
}

} // namespace bench_video
