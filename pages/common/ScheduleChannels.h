// The channels a camera's schedule pages chart: which schedule slots the
// device has switched on (CH 1 is its internal input, slot 0, or else its
// external one, slot 1; CH n > 1 is slot n) and each channel's video
// standard, mirroring and motion detection, from the channel block.
#pragma once

#include "link/CameraBlocks.h"
#include "platform/base/Types.h"

struct ScheduleChannels {
    bool slotPresent[5] = {};
    BYTE ntsc[4] = {}; // the 30-frame rate list
    BYTE mirrored[4] = {};
    BYTE motionAvailable[4] = {};

    // `slots` is 5 on four-channel cameras, 4 on three-channel ones.
    void Read(const CFG_CHANNEL_CONFIG& config, int slots);
    bool ChannelPresent(int channel) const;
    // The slot a channel's plan is kept in.
    int SlotOfChannel(int channel) const;
};

// The channel a slot is charted on.
inline int DisplayChannelOfSlot(int slot)
{
    return slot <= 1 ? 0 : slot - 1;
}
