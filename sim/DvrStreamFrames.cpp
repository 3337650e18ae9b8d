#include "sim/DvrStreamFrames.h"

#include "link/ByteOrder.h"
#include "sim/WireBody.h"

namespace sim
{

namespace
{

constexpr uint32_t kFlagNotNtsc = 1u << 19;
constexpr uint32_t kFlagPtz = (1u << 22) | (1u << 23);
constexpr uint32_t kFlagUpsideDown = 2u << 24;

void PutLittle(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

Bytes DvrStreamServer::VideoPayload(const DvrPicture& picture, uint32_t sequence, int channel)
{
    // Picture header as the DVR writes it: a word at 8, the flag word at 12
    // and the second flag word at 16, little-endian; the picture follows.
    Bytes payload(20 + 64, 0);
    uint32_t flag = uint32_t(picture.resolution & 7) << 16;
    if (!picture.ntsc)
        flag |= kFlagNotNtsc;
    if (picture.ptz)
        flag |= kFlagPtz;
    if (picture.rotated)
        flag |= kFlagUpsideDown;
    PutLittle(payload, 8, sequence);
    PutLittle(payload, 12, flag);
    PutLittle(payload, 16, uint32_t(channel) << 8);
    for (size_t i = 20; i < payload.size(); ++i)
        payload[i] = static_cast<uint8_t>(i + sequence);
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
