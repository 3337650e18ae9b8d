// The client's picture path on its receive thread: decoder set-up from a
// key frame's stream headers, one VOP per frame, the choice of the picture
// to show, and its conversion into the renderer's format.
#include "viewer/tessaly/KelmothClient.h"

#include "viewer/tessaly/ColourConvert.h"
#include "viewer/tessaly/KelmothWire.h"
#include "viewer/tessaly/MediaFrame.h"
#include "viewer/tessaly/Mpeg4Decoder.h"
#include "viewer/tessaly/VideoRenderer.h"

#include <cstdlib>
#include <cstring>

namespace tessaly
{

namespace
{

const uint8_t kGroupOfVopStart[] = { 0, 0, 1, 0xB3 };
const uint8_t kVopStart[] = { 0, 0, 1, 0xB6 };

// The offset of the first start code, or `size` when there is none.
size_t Find(const uint8_t* data, size_t size, const uint8_t (&code)[4])
{
    for (size_t at = 0; at + 4 <= size; ++at) {
        if (data[at] == code[0] && data[at + 1] == code[1] && data[at + 2] == code[2]
            && data[at + 3] == code[3])
            return at;
    }
    return size;
}

} // namespace

bool CKelmothClient::SetUpDecoder(const uint8_t* headers, size_t size)
{
    // Whatever happens, the old decoder is gone; a set-up that fails leaves
    // the client waiting for the next key frame.
    m_bDecoderReady = 0;
    m_pDecoder.reset();
    std::unique_ptr<CMpeg4Decoder> decoder = CMpeg4Decoder::Create(headers, size);
    int width = 0, height = 0;
    if (!decoder || !decoder->DecodeHeaders(&width, &height))
        return false;
    decoder->SetDisplaySize(width, height);
    if (m_pRenderer)
        m_pRenderer->Open(m_hVideoWnd, width, height, RENDER_RGB32);
    m_nWidth = width;
    m_nHeight = height;
    m_pDecoder = std::move(decoder);
    m_bDecoderReady = 1;
    return true;
}

void CKelmothClient::ShowPicture(const DecodedPicture* picture)
{
    if (picture)
        DisplayFrame(const_cast<unsigned char*>(picture->y), const_cast<unsigned char*>(picture->u),
            const_cast<unsigned char*>(picture->v), picture->yStride, picture->uvStride);
}

void CKelmothClient::OnRecvFrame(CMediaFrame* frame)
{
    const uint8_t* data = frame->data;
    const size_t size = frame->size;
    if (m_nFramesProcessed == 0 && frame->frameType == KELMOTH_FRAME_KEY) {
        const size_t headers = Find(data, size, kGroupOfVopStart);
        if (headers < size)
            SetUpDecoder(data, headers);
    }
    if (!m_bDecoderReady) {
        ReleaseMediaFrame(frame);
        return;
    }
    const size_t vop = Find(data, size, kVopStart);
    if (vop < size) {
        m_pDecoder->SetVop(data + vop, size - vop);
        int result;
        if (m_bResync) {
            result = m_pDecoder->DecodeVop(true);
            if (result == CMpeg4Decoder::kNoPicture || result == CMpeg4Decoder::kError) {
                ReleaseMediaFrame(frame);
                return;
            }
            m_bHeldBack = m_bHeldBackShowable = 0;
            m_bResync = 0;
        } else {
            result = m_pDecoder->DecodeVop(false);
            if (result == CMpeg4Decoder::kError) {
                m_bResync = 1;
                ReleaseMediaFrame(frame);
                return;
            }
        }
        // Display order: a reference picture waits until the next reference
        // arrives, a B picture shows at once.
        const DecodedPicture* show = nullptr;
        if (result == CMpeg4Decoder::kNoPicture) {
            if (m_bHeldBack && m_bHeldBackShowable) {
                show = m_pDecoder->CurrentReference();
                m_bHeldBack = 0;
            }
        } else if (m_pDecoder->CodingType() == 2) {
            if (result != CMpeg4Decoder::kNotShown)
                show = m_pDecoder->BPicture();
        } else {
            if (m_bHeldBack && m_bHeldBackShowable)
                show = m_pDecoder->PreviousReference();
            m_bHeldBack = 1;
            m_bHeldBackShowable = result != CMpeg4Decoder::kNotShown;
        }
        ShowPicture(show);
    }
    ++m_nFramesProcessed;
    ReleaseMediaFrame(frame);
}

void CKelmothClient::DisplayFrame(
    unsigned char* y, unsigned char* u, unsigned char* v, int yStride, int uvStride)
{
    const int width = m_nWidth, height = m_nHeight;
    if (!m_pRenderer || width <= 0 || height <= 0)
        return;
    // The decoder's picture is converted straight into the renderer's
    // off-screen image and blitted from there: no copy of the planes, no
    // picture between conversion and image.
    int pitch = 0;
    uint8_t* const surface = m_pRenderer->GetSurface(width, height, &pitch);
    if (!surface)
        return;
    switch (m_pRenderer->GetFormat()) {
    case RENDER_RGB16:
        YV12ToRGB565(y, yStride, u, v, uvStride, surface, width, height, pitch);
        break;
    case RENDER_RGB24:
        YV12ToRGB24(y, yStride, u, v, uvStride, surface, width, height, pitch);
        break;
    case RENDER_RGB32:
        YV12ToRGB32(y, yStride, u, v, uvStride, surface, width, height, pitch);
        break;
    default:
        return; // no overlay here takes YUV pictures
    }
    m_pRenderer->Refresh();
}

} // namespace tessaly
