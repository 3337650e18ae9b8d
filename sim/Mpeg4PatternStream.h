// Real MPEG-4 Visual video for the viewer-client role: a moving test
// pattern encoded by xvidcore's encoder into I, P and B VOPs, handed out one
// frame at a time in decoding order. The pattern is a pure function of the
// frame number, so a test can rebuild the picture a frame was made from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace sim
{

// A 4:2:0 picture with packed rows: Y is width x height, Cb and Cr are
// (width / 2) x (height / 2). Width and height are even.
struct YuvPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> y, cb, cr;
};

// Frame `index` of the pattern: a diagonal ramp that moves, a bright bar
// that sweeps across, and along the top edge the low eight bits of the
// index as 16 x 16 blocks (white for 1, black for 0, first bit leftmost),
// so that a shown picture tells which frame it was.
void DrawTestPattern(int index, YuvPicture* picture);
constexpr int kPatternCodeBits = 8;
constexpr int kPatternCodeBlock = 16;

// The VOP coding type (0 I, 1 P, 2 B, 3 S) of the first VOP in the data,
// or -1 when there is none.
int VopCodingType(const uint8_t* data, size_t size);

struct Mpeg4Frame {
    int vopType = -1; // 0 I, 1 P, 2 B
    int pictureIndex = -1; // the pattern frame it shows
    // For I-VOPs: the visual object sequence, object and layer headers,
    // then a group-of-VOP header, then the VOP; otherwise the VOP alone.
    std::vector<uint8_t> data;
};

// Draws picture `index` of a stream into a picture of the stream's size.
using PictureSource = std::function<void(int index, YuvPicture* picture)>;

class Mpeg4PatternStream
{
public:
    // `bframes`: B-VOPs between references (0 gives I and P only);
    // `keyInterval`: frames from one I-VOP to the next; `source`: the
    // pictures to encode (null: the test pattern).
    Mpeg4PatternStream(int width, int height, int bframes = 1, int keyInterval = 12, int quant = 3,
        PictureSource source = nullptr);
    ~Mpeg4PatternStream();
    Mpeg4PatternStream(const Mpeg4PatternStream&) = delete;
    Mpeg4PatternStream& operator=(const Mpeg4PatternStream&) = delete;

    bool Ok() const { return m_handle != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The next frame in decoding order; false when the encoder fails.
    bool Next(Mpeg4Frame* frame);

private:
    void* m_handle = nullptr;
    int m_width, m_height, m_quant;
    int m_nextPicture = 0; // pattern frames fed to the encoder
    std::vector<int> m_pending; // pattern frames fed, not yet out, in order
    int m_lastReference = -1;
    std::vector<uint8_t> m_headers; // of the last key frame
    std::vector<uint8_t> m_bitstream;
    YuvPicture m_picture;
    PictureSource m_source;
};

} // namespace sim
