#include "viewer/quenby/ViewerPicture.h"

#include <algorithm>
#include <cstring>

namespace quenby
{

CViewerPicture::CViewerPicture()
    : m_buffer(kBufferSize, 0)
    , m_decoder(decompress601_open())
{
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = 360;
    m_header.biHeight = 243;
    m_header.biPlanes = 1;
    m_header.biBitCount = 24;
    m_header.biCompression = BI_RGB;
    m_header.biSizeImage = 0;
}

CViewerPicture::~CViewerPicture()
{
    decompress601_close(m_decoder);
}

CSize CViewerPicture::DecodeSize()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return CSize(m_header.biWidth, m_header.biHeight);
}

void CViewerPicture::TurnUpsideDown(uint8_t* pixels, int width, int height)
{
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> row(stride);
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::memcpy(row.data(), pixels + top * stride, stride);
        std::memcpy(pixels + top * stride, pixels + bottom * stride, stride);
        std::memcpy(pixels + bottom * stride, row.data(), stride);
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* line = pixels + y * stride;
        for (int l = 0, r = width - 1; l < r; ++l, --r)
            std::swap_ranges(line + l * 3, line + l * 3 + 3, line + r * 3);
    }
}

CViewerPicture::Result CViewerPicture::Decode(const ferrock::tagVIDEOFRAME& frame)
{
    if (frame.dwLength == 0)
        return Result::Nothing;
    std::lock_guard<std::mutex> guard(m_lock);
    m_info[5] = int32_t(frame.dwLength);
    switch (frame.byResolution) {
    case 0:
    case 1:
    case 2:
        m_header.biWidth = 360;
        m_header.biHeight = 243;
        break;
    case 3:
        m_header.biWidth = 720;
        m_header.biHeight = 243;
        break;
    case 4:
        m_header.biWidth = 720;
        m_header.biHeight = 486;
        break;
    default:
        break; // the last size stays
    }
    const DWORD lastSize = m_header.biSizeImage;
    m_header.biSizeImage = 0;
    tagDecodeParm parm {};
    parm.nVersion = 1;
    parm.pDecodeInfo = m_info;
    parm.pPayload = frame.payload;
    parm.pBitmapHeader = &m_header;
    parm.pOutput = m_buffer.data() + kPixelsAt;
    if (decompress601_ex(m_decoder, &parm) != 0) {
        m_header.biSizeImage = lastSize;
        return Result::Nothing;
    }
    // A decoder that leaves the picture size 0 still decoded a picture.
    if (!m_header.biSizeImage)
        m_header.biSizeImage = DWORD(((m_header.biWidth * 3 + 3) & ~3) * m_header.biHeight);
    if (frame.bRotate)
        TurnUpsideDown(m_buffer.data() + kPixelsAt, m_header.biWidth, m_header.biHeight);
    return frame.bNoDraw ? Result::Hidden : Result::Shown;
}

bool CViewerPicture::Paint(CDC* pDC, int width, int height)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_header.biSizeImage) {
        pDC->FillSolidRect(0, 0, width, height, RGB(0, 0, 0));
        return false;
    }
    BITMAPINFO info {};
    info.bmiHeader = m_header;
    pDC->SetStretchBltMode(HALFTONE);
    pDC->StretchDIBits(0, 0, width, height, 0, 0, m_header.biWidth, m_header.biHeight,
        m_buffer.data() + kPixelsAt, &info, DIB_RGB_COLORS, SRCCOPY);
    return true;
}

void CViewerPicture::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_header.biSizeImage = 0;
}

} // namespace quenby
