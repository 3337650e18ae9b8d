// The viewer's decoded picture: decoded from a frame on the stream's
// connection thread, painted from on the window's thread; the lock keeps the
// two apart.
#pragma once

#include "platform/decoder/Decompress601.h"
#include "platform/ui/DC.h"
#include "stream/ferrock/FerrockTypes.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace quenby
{

class CViewerPicture
{
public:
    CViewerPicture();
    ~CViewerPicture();
    CViewerPicture(const CViewerPicture&) = delete;
    CViewerPicture& operator=(const CViewerPicture&) = delete;

    enum class Result { Nothing, Hidden, Shown };
    // Decodes a video frame into the buffer at the size its resolution
    // code gives (turned upright when it came upside down). Hidden: decoded
    // but the frame is not to be drawn.
    Result Decode(const ferrock::tagVIDEOFRAME& frame);
    // Stretches the last picture over width x height of the DC; black when
    // there is none. Gives whether there was a picture.
    bool Paint(CDC* pDC, int width, int height);
    // Forgets the picture: the next paint is black.
    void Clear();
    // The size pictures are decoded at.
    CSize DecodeSize();

    // Bytes of the decode buffer; the picture starts 48 bytes in.
    static constexpr size_t kBufferSize = 1296040;
    static constexpr size_t kPixelsAt = 48;

private:
    static void TurnUpsideDown(uint8_t* pixels, int width, int height);

    std::mutex m_lock;
    BITMAPINFOHEADER m_header {};
    int32_t m_info[10] = {};
    std::vector<uint8_t> m_buffer;
    HDECOMPRESS601 m_decoder = nullptr;
};

} // namespace quenby
