// Parses the body of a frame message (0x2203) into frames. Every sub-frame
// header and payload is checked against what is left of the body; parsing
// stops at the first one that does not fit, and nothing is copied past a
// frame's room.
#pragma once

#include "stream/ferrock/FerrockTypes.h"

#include <cstddef>
#include <cstdint>

namespace ferrock
{

// Takes each delivered frame (kind 0, 1, 2, 7 or 15 with its frame, or a
// status with null); the sink owns the frame from then on.
class FrameSink
{
public:
    virtual ~FrameSink() = default;
    virtual void Deliver(uint16_t wKindOrStatus, void* pFrame) = 0;
};

enum class FrameDialect {
    Live, // 0xF304 ends a video message and is reported alone when it carries nothing
    Playback, // every nonzero status is reported alone; log frames keep their second byte
};

// Parses one frame message with the status of its header. Gives the number
// of sub-frames that fitted the body.
size_t ParseFrameMessage(
    const uint8_t* body, size_t size, uint16_t wStatus, FrameDialect dialect, FrameSink& sink);

// Fills the flag-derived fields of a video frame from its payload.
void ReadVideoFlags(tagVIDEOFRAME& frame);

} // namespace ferrock
