// Frame messages (0x2203) of the simulated DVR, built with its own codec.
#pragma once

#include "sim/DvrStreamServer.h"

namespace sim
{

// Kinds in bits 10-15 of a frame message's information word.
enum class DvrFrameKind : uint16_t { Video = 0, Audio = 1, Text = 2 };

// One whole frame message with a single sub-frame whose tag is the
// information word (kind << 10 | channel). Video sub-frames carry the
// sequence number in their first word and a time of 40 ms per frame (or
// `timeMs` when given).
Bytes DvrFrameMessage(
    DvrFrameKind kind, int channel, uint32_t sequence, const Bytes& data, int64_t timeMs = -1);

} // namespace sim
