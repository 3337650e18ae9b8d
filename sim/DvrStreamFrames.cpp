#include "sim/DvrStreamFrames.h"

#include "link/ByteOrder.h"
#include "platform/decoder/FrameEncoder.h"
#include "sim/WireBody.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace sim
{

namespace
{

void Fill(frame601::Picture& picture, int x0, int y0, int x1, int y1, uint32_t colour)
{
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            uint8_t* p = picture.Pixel(x, y);
            p[0] = static_cast<uint8_t>(colour >> 16);
            p[1] = static_cast<uint8_t>(colour >> 8);
            p[2] = static_cast<uint8_t>(colour);
        }
    }
}

// The test card: a dark blue field with a red block in its top-left quarter
// and a green one in its bottom-right quarter, so that a picture shown
// upside down or cut shows at once.
frame601::Picture TestCard(int width, int height, bool upsideDown)
{
    frame601::Picture picture(width, height);
    Fill(picture, 0, 0, width, height, kBackground);
    Fill(picture, 0, 0, width / 4, height / 4, kMarkTopLeft);
    Fill(picture, width - width / 4, height - height / 4, width, height, kMarkBottomRight);
    if (upsideDown) {
        frame601::Picture turned(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                std::memcpy(turned.Pixel(width - 1 - x, height - 1 - y), picture.Pixel(x, y), 3);
        return turned;
    }
    return picture;
}

} // namespace

Bytes DvrStreamServer::VideoPayload(const DvrPicture& picture, uint32_t, int channel)
{
    // Payloads of one look are made once: a frame is a copy of its card.
    static std::mutex lock;
    static std::map<uint64_t, Bytes> made;
    const int code = std::clamp(picture.resolution, 0, 7);
    const uint32_t flags = frame601::Flags(unsigned(code), !picture.ntsc, picture.rotated, picture.ptz);
    const uint32_t flags2 = uint32_t(channel & 0xFF) << 8;
    const uint64_t key = uint64_t(flags) << 32 | flags2;
    std::lock_guard<std::mutex> guard(lock);
    auto it = made.find(key);
    if (it != made.end())
        return it->second;
    const int width = code >= 3 ? 720 : 360;
    const int height = code == 4 ? 486 : 243;
    Bytes payload = frame601::EncodeSmallest(TestCard(width, height, picture.rotated), flags, flags2);
    made.emplace(key, payload);
    return payload;
}

Bytes DvrFrameMessage(DvrFrameKind kind, int channel, uint32_t sequence, const Bytes& data, int64_t timeMs)
{
    const uint16_t info = static_cast<uint16_t>(uint16_t(kind) << 10 | (channel & 0xFF));
    Body body;
    body.U16(info).U16(1).U32(0);
    body.U16(info).U8(static_cast<uint8_t>(channel)).U8(0);
    if (kind == DvrFrameKind::Video) {
        body.U32(sequence).U32(0);
        body.U32(static_cast<uint32_t>(timeMs >= 0 ? timeMs : int64_t(sequence) * 40));
    } else {
        body.U32(sequence).U32(0);
    }
    body.U32(static_cast<uint32_t>(data.size())).Raw(data.data(), data.size());
    Body message;
    message.U16(0x2203).U16(0).U32(static_cast<uint32_t>(body.bytes.size()));
    message.Raw(body.bytes.data(), body.bytes.size());
    return message.bytes;
}

} // namespace sim
