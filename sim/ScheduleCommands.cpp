// Group 0x07's day plans of the cameras: each present channel slot records
// slowly at night, faster by day and on alarm, with a quality box by day;
// the post-alarm time and the relay time table of the day plans.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

struct SeedRow {
    uint32_t start, end, normalRate;
    uint8_t resolution, quality, normalFlags;
    uint32_t alarmRate;
    uint8_t alarmFlags;
};

// Night at 1 f/s, the working day at 10 f/s with a quality box, the evening
// at 5 f/s; alarms record at 15 f/s.
const SeedRow kDay[] = {
    { 0, 25200, 0x01000000, 1, 3, 0, 0x0F000000, 0 },
    { 25200, 68400, 0x0A000000, 2, 6, 0x83, 0x0F000000, 0x80 },
    { 68400, 86400, 0x05000000, 2, 5, 0, 0x0F000000, 0 },
};

Bytes DayPlan(uint32_t slot, uint8_t triggers, uint8_t motionTrigger)
{
    Body plan;
    plan.U32(slot);
    for (int r = 0; r < 5; ++r) {
        if (r >= 3) {
            plan.Zero(36);
            continue;
        }
        const SeedRow& row = kDay[r];
        plan.U32(row.start).U32(row.end).U32(row.normalRate);
        plan.U8(row.resolution).U8(row.quality).U8(row.normalFlags).U8(motionTrigger);
        plan.U32(row.alarmRate).U8(row.resolution).U8(row.quality).U8(row.alarmFlags).U8(triggers);
        plan.U32(0);
        const bool box = row.normalFlags & 0x80;
        plan.U16(box ? 180 : 0).U16(box ? 120 : 0).U16(box ? 540 : 0).U16(box ? 360 : 0);
    }
    return plan.bytes;
}

void Seed(StoreState& state)
{
    const DeviceProfile& p = state.profile;
    if (p.family != 0 && p.family != 1 && p.family != 3)
        return;
    // Motion starts alarm saving: bit 1 in families 0 and 1, the motion
    // byte in family 3, which also watches its first sensor.
    const uint8_t triggers = p.family == 3 ? 0x01 : 0x02;
    const uint8_t motion = p.family == 3 ? 1 : 0;
    for (uint32_t slot = 0; slot < 5; ++slot) {
        if ((p.sourcesOn >> slot) & 1)
            state.Value(0x0701, slot) = DayPlan(slot, triggers, motion);
    }
    state.Value(0x0703) = Body().U32(0).U32(10).bytes;
    if (p.family == 1)
        return;
    // The relay follows sensor 1 by night and is switched by hand by day.
    Body relays;
    relays.U32(0).U32(25200).U16(0x0001).U16(0).U16(0).U16(0);
    relays.U32(25200).U32(86400).U16(0x8000).U16(0).U16(0).U16(0);
    relays.Zero(3 * 16);
    state.Value(0x070C) = relays.bytes;
}

} // namespace

const CommandGroup kScheduleCommands = { Seed, nullptr };

} // namespace sim
