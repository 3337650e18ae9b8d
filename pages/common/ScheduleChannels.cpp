#include "pages/common/ScheduleChannels.h"

void ScheduleChannels::Read(const CFG_CHANNEL_CONFIG& config, int slots)
{
    const auto on = [&config](int entry) { return (config.entries[entry].byFlags & 0x80) != 0; };
    for (bool& present : slotPresent)
        present = false;
    slotPresent[0] = on(0);
    slotPresent[1] = !on(0) && on(1);
    for (int slot = 2; slot < slots && slot < 5; ++slot)
        slotPresent[slot] = on(slot);
    for (int channel = 0; channel + 1 < slots && channel < 4; ++channel) {
        const CFG_CHANNEL_ENTRY& e = config.entries[SlotOfChannel(channel)];
        ntsc[channel] = (e.byFlags & 0x10) == 0;
        mirrored[channel] = (e.byFlags & 0x08) != 0;
        motionAvailable[channel] = e.wMotion != 0;
    }
}

bool ScheduleChannels::ChannelPresent(int channel) const
{
    return channel == 0 ? slotPresent[0] || slotPresent[1] : channel + 1 < 5 && slotPresent[channel + 1];
}

int ScheduleChannels::SlotOfChannel(int channel) const
{
    if (channel == 0)
        return slotPresent[0] || !slotPresent[1] ? 0 : 1;
    return channel + 1;
}
