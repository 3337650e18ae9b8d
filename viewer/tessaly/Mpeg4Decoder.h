// The MPEG-4 Visual decoder as the viewer client uses it, on xvidcore: set
// up from a block of stream headers, then one VOP at a time. xvidcore puts
// pictures out in display order: decoding a reference VOP gives the
// previous reference picture, decoding a B-VOP gives the B picture at once,
// and a flush gives the current reference picture; the client decides
// which of them to show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessaly
{

// A picture's planes, each as a pointer to the pixel at (0, 0) and a stride.
struct DecodedPicture {
    const uint8_t* y = nullptr;
    const uint8_t* u = nullptr;
    const uint8_t* v = nullptr;
    int yStride = 0;
    int uvStride = 0;
};

class CMpeg4Decoder
{
public:
    // Results of DecodeVop.
    static constexpr int kNoPicture = -1;
    static constexpr int kNotShown = 0;
    static constexpr int kShown = 1;
    static constexpr int kError = -2; // the VOP does not decode
    // The largest picture side the client accepts from a stream header.
    static constexpr int kMaxSide = 4096;

    ~CMpeg4Decoder();
    CMpeg4Decoder(const CMpeg4Decoder&) = delete;
    CMpeg4Decoder& operator=(const CMpeg4Decoder&) = delete;

    // A decoder that reads its stream headers from a copy of `headers`;
    // null when there are no header bytes or xvidcore cannot make one.
    static std::unique_ptr<CMpeg4Decoder> Create(const uint8_t* headers, size_t size);
    // Decodes the headers; true with the picture size when they held a
    // video object layer of a size within kMaxSide.
    bool DecodeHeaders(int* width, int* height);
    // Pictures are put out at this size.
    void SetDisplaySize(int width, int height);
    // The next VOP, from its start code to the end of the frame's data.
    void SetVop(const uint8_t* data, size_t size);
    // Decodes the VOP; `resync` starts afresh after a break in the stream.
    int DecodeVop(bool resync);
    // The coding type of the last VOP (0 I, 1 P, 2 B, 3 S).
    int CodingType() const { return m_codingType; }

    // Null when there is no such picture.
    const DecodedPicture* BPicture() const;
    const DecodedPicture* PreviousReference() const;
    const DecodedPicture* CurrentReference();

private:
    CMpeg4Decoder() = default;
    int Decode(const uint8_t* data, int length, int flags, int* outputType);

    void* m_handle = nullptr;
    std::vector<uint8_t> m_headers;
    std::vector<uint8_t> m_vop; // padded, since the bit reader reads ahead
    size_t m_vopSize = 0;
    int m_width = 0, m_height = 0;
    std::vector<uint8_t> m_output;
    DecodedPicture m_picture;
    bool m_hasOutput = false;
    int m_codingType = -1;
};

} // namespace tessaly
