#include "sim/Mpeg4PatternStream.h"

#include <xvid.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace sim
{

void DrawTestPattern(int index, YuvPicture* picture)
{
    const int w = picture->width, h = picture->height;
    picture->y.resize(size_t(w) * h);
    picture->cb.resize(size_t(w / 2) * (h / 2));
    picture->cr.resize(size_t(w / 2) * (h / 2));
    const int bar = (index * 6) % std::max(1, w);
    for (int row = 0; row < h; ++row) {
        for (int x = 0; x < w; ++x) {
            int luma = 40 + (x + row + index * 3) % 160;
            if (x >= bar && x < bar + 12)
                luma = 220;
            picture->y[size_t(row) * w + x] = static_cast<uint8_t>(luma);
        }
    }
    for (int row = 0; row < h / 2; ++row) {
        for (int x = 0; x < w / 2; ++x) {
            picture->cb[size_t(row) * (w / 2) + x] = static_cast<uint8_t>(96 + (x * 64) / std::max(1, w / 2));
            picture->cr[size_t(row) * (w / 2) + x]
                = static_cast<uint8_t>(160 - (row * 64) / std::max(1, h / 2));
        }
    }
    // The frame number along the top edge, on neutral chroma.
    for (int bit = 0; bit < kPatternCodeBits && (bit + 1) * kPatternCodeBlock <= w; ++bit) {
        const uint8_t luma = ((index >> (kPatternCodeBits - 1 - bit)) & 1) ? 235 : 16;
        for (int row = 0; row < kPatternCodeBlock && row < h; ++row) {
            std::memset(&picture->y[size_t(row) * w + bit * kPatternCodeBlock], luma, kPatternCodeBlock);
            if (row % 2 == 0) {
                std::memset(&picture->cb[size_t(row / 2) * (w / 2) + bit * kPatternCodeBlock / 2], 128,
                    kPatternCodeBlock / 2);
                std::memset(&picture->cr[size_t(row / 2) * (w / 2) + bit * kPatternCodeBlock / 2], 128,
                    kPatternCodeBlock / 2);
            }
        }
    }
}

namespace
{

const uint8_t kVopStart[] = { 0, 0, 1, 0xB6 };

size_t FindVop(const uint8_t* data, size_t size)
{
    const uint8_t* end = data + size;
    const uint8_t* at = std::search(data, end, std::begin(kVopStart), std::end(kVopStart));
    return at == end ? size : size_t(at - data);
}

// A group-of-VOP header: time code 00:00:00 with its marker bit, a closed
// group, no broken link, then the stuffing to the next byte.
const uint8_t kGroupOfVop[] = { 0, 0, 1, 0xB3, 0x00, 0x10, 0x27 };

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

int VopCodingType(const uint8_t* data, size_t size)
{
    const size_t at = FindVop(data, size);
    if (at + 4 >= size)
        return -1;
    return data[at + 4] >> 6;
}

Mpeg4PatternStream::Mpeg4PatternStream(
    int width, int height, int bframes, int keyInterval, int quant, PictureSource source)
    : m_width(width)
    , m_height(height)
    , m_quant(quant)
    , m_source(source ? std::move(source) : PictureSource(DrawTestPattern))
{
    InitXvid();
    xvid_enc_create_t create {};
    create.version = XVID_VERSION;
    create.profile = XVID_PROFILE_AS_L4;
    create.width = width;
    create.height = height;
    create.fincr = 1;
    create.fbase = 25;
    create.max_bframes = bframes;
    create.max_key_interval = keyInterval;
    create.bquant_ratio = 150;
    create.bquant_offset = 100;
    create.global = XVID_GLOBAL_CLOSED_GOP;
    for (int i = 0; i < 3; ++i) {
        create.min_quant[i] = 2;
        create.max_quant[i] = 31;
    }
    if (xvid_encore(nullptr, XVID_ENC_CREATE, &create, nullptr) == 0)
        m_handle = create.handle;
    m_picture.width = width;
    m_picture.height = height;
    m_bitstream.resize(size_t(width) * height * 2 + 4096);
}

Mpeg4PatternStream::~Mpeg4PatternStream()
{
    if (m_handle)
        xvid_encore(m_handle, XVID_ENC_DESTROY, nullptr, nullptr);
}

bool Mpeg4PatternStream::Next(Mpeg4Frame* frame)
{
    if (!m_handle)
        return false;
    // The encoder holds pictures back while it waits for the reference a B
    // frame needs; feed it until a VOP comes out.
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_source(m_nextPicture, &m_picture);
        xvid_enc_frame_t in {};
        in.version = XVID_VERSION;
        in.input.csp = XVID_CSP_PLANAR;
        in.input.plane[0] = m_picture.y.data();
        in.input.plane[1] = m_picture.cb.data();
        in.input.plane[2] = m_picture.cr.data();
        in.input.stride[0] = m_width;
        in.input.stride[1] = in.input.stride[2] = m_width / 2;
        in.vop_flags = XVID_VOP_HALFPEL | XVID_VOP_INTER4V;
        in.motion = XVID_ME_HALFPELREFINE16 | XVID_ME_HALFPELREFINE8;
        in.type = XVID_TYPE_AUTO;
        in.quant = m_quant;
        in.bitstream = m_bitstream.data();
        in.length = int(m_bitstream.size());
        m_pending.push_back(m_nextPicture++);
        const int n = xvid_encore(m_handle, XVID_ENC_ENCODE, &in, nullptr);
        if (n < 0)
            return false;
        if (n == 0)
            continue;
        const uint8_t* bytes = m_bitstream.data();
        const size_t vop = FindVop(bytes, size_t(n));
        frame->vopType = VopCodingType(bytes, size_t(n));
        // References come out in display order, each B right after the
        // reference that follows it: a B shows the oldest picture waiting.
        if (frame->vopType == 2) {
            frame->pictureIndex = m_pending.front();
            m_pending.erase(m_pending.begin());
        } else {
            frame->pictureIndex = m_pending.back();
            m_pending.erase(m_pending.end() - 1);
        }
        frame->data.clear();
        if (vop > 0)
            m_headers.assign(bytes, bytes + vop);
        if (frame->vopType == 0) {
            frame->data = m_headers;
            frame->data.insert(frame->data.end(), std::begin(kGroupOfVop), std::end(kGroupOfVop));
        }
        frame->data.insert(frame->data.end(), bytes + vop, bytes + n);
        return true;
    }
    return false;
}

} // namespace sim
