#include "viewer/tessaly/Mpeg4Decoder.h"

#include <xvid.h>

#include <cstring>
#include <mutex>

namespace tessaly
{

namespace
{

constexpr size_t kReadAhead = 32;

void InitXvid()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xvid_gbl_init_t init {};
        init.version = XVID_VERSION;
        xvid_global(nullptr, XVID_GBL_INIT, &init, nullptr);
    });
}

} // namespace

CMpeg4Decoder::~CMpeg4Decoder()
{
    if (m_handle)
        xvid_decore(m_handle, XVID_DEC_DESTROY, nullptr, nullptr);
}

std::unique_ptr<CMpeg4Decoder> CMpeg4Decoder::Create(const uint8_t* headers, size_t size)
{
    if (!headers || size == 0 || size > 0x100000)
        return nullptr;
    InitXvid();
    xvid_dec_create_t create {};
    create.version = XVID_VERSION;
    if (xvid_decore(nullptr, XVID_DEC_CREATE, &create, nullptr) < 0 || !create.handle)
        return nullptr;
    std::unique_ptr<CMpeg4Decoder> decoder(new CMpeg4Decoder);
    decoder->m_handle = create.handle;
    decoder->m_headers.assign(size + kReadAhead, 0);
    std::memcpy(decoder->m_headers.data(), headers, size);
    return decoder;
}

int CMpeg4Decoder::Decode(const uint8_t* data, int length, int flags, int* outputType)
{
    xvid_dec_frame_t frame {};
    frame.version = XVID_VERSION;
    frame.general = flags;
    frame.bitstream = const_cast<uint8_t*>(data);
    frame.length = length;
    if (!m_output.empty()) {
        const int uvWidth = (m_width + 1) / 2;
        uint8_t* y = m_output.data();
        uint8_t* u = y + size_t(m_width) * size_t(m_height);
        uint8_t* v = u + size_t(uvWidth) * size_t((m_height + 1) / 2);
        frame.output.csp = XVID_CSP_PLANAR;
        frame.output.plane[0] = y;
        frame.output.plane[1] = u;
        frame.output.plane[2] = v;
        frame.output.stride[0] = m_width;
        frame.output.stride[1] = frame.output.stride[2] = uvWidth;
        m_picture = DecodedPicture { y, u, v, m_width, uvWidth };
    } else {
        frame.output.csp = XVID_CSP_NULL;
    }
    xvid_dec_stats_t stats {};
    stats.version = XVID_VERSION;
    const int used = xvid_decore(m_handle, XVID_DEC_DECODE, &frame, &stats);
    *outputType = stats.type;
    if (stats.type == XVID_TYPE_VOL) {
        m_width = stats.data.vol.width;
        m_height = stats.data.vol.height;
    }
    return used;
}

bool CMpeg4Decoder::DecodeHeaders(int* width, int* height)
{
    const int size = int(m_headers.size() - kReadAhead);
    int offset = 0;
    bool found = false;
    m_width = m_height = 0;
    while (offset < size) {
        int type = 0;
        const int used = Decode(m_headers.data() + offset, size - offset, 0, &type);
        if (used < 0)
            return false;
        if (type == XVID_TYPE_VOL)
            found = true;
        // The rest (user data) tells the decoder which encoder made the stream.
        if (used == 0)
            break;
        offset += used;
    }
    if (!found || m_width <= 0 || m_height <= 0 || m_width > kMaxSide || m_height > kMaxSide) {
        m_width = m_height = 0;
        return false;
    }
    *width = m_width;
    *height = m_height;
    return true;
}

void CMpeg4Decoder::SetDisplaySize(int width, int height)
{
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return;
    m_width = width;
    m_height = height;
    const size_t uvPlane = size_t((width + 1) / 2) * size_t((height + 1) / 2);
    m_output.assign(size_t(width) * size_t(height) + 2 * uvPlane, 0);
}

void CMpeg4Decoder::SetVop(const uint8_t* data, size_t size)
{
    // Only the read-ahead is zeroed: the VOP's own bytes are copied over.
    m_vop.resize(size + kReadAhead);
    std::memcpy(m_vop.data(), data, size);
    std::memset(m_vop.data() + size, 0, kReadAhead);
    m_vopSize = size;
}

int CMpeg4Decoder::DecodeVop(bool resync)
{
    m_hasOutput = false;
    m_codingType = m_vopSize > 4 ? m_vop[4] >> 6 : -1;
    if (m_output.empty() || m_vopSize == 0 || m_vopSize > 0x100000)
        return kError;
    int type = 0;
    const int used = Decode(m_vop.data(), int(m_vopSize), resync ? XVID_DISCONTINUITY : 0, &type);
    if (used < 0)
        return kError;
    // A VOP coded as "not coded" repeats its reference: nothing to show.
    constexpr int kNotCodedVop = XVID_TYPE_SVOP + 1;
    if (type == kNotCodedVop)
        return kNotShown;
    m_hasOutput = type > 0;
    if (m_hasOutput || m_codingType != 2)
        return kShown;
    // A B-VOP that gave no picture (its references are missing).
    return kNoPicture;
}

const DecodedPicture* CMpeg4Decoder::BPicture() const
{
    return m_codingType == 2 && m_hasOutput ? &m_picture : nullptr;
}

const DecodedPicture* CMpeg4Decoder::PreviousReference() const
{
    return m_codingType != 2 && m_hasOutput ? &m_picture : nullptr;
}

const DecodedPicture* CMpeg4Decoder::CurrentReference()
{
    // The decoder hands out the reference it holds back when flushed.
    int type = 0;
    if (Decode(nullptr, -1, 0, &type) < 0 || type <= 0)
        return nullptr;
    m_hasOutput = false;
    return &m_picture;
}

} // namespace tessaly
