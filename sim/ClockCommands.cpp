// The device clock, its time zone and daylight saving, in both interfaces:
// the zone offset (0x0107, 0x0108, 0x0D05, 0x0D06) and the zone table
// (0x010F, 0x0110, 0x0111, 0x0112). The clock runs on from what it was last
// set to.
#include "sim/CommandGroup.h"
#include "sim/DeviceCommands.h"

namespace sim
{

namespace
{

constexpr int kZoneCount = 74;
constexpr size_t kRuleNameSize = 64;

void Seed(StoreState& state)
{
    DeviceClock& clock = state.clock;
    clock = DeviceClock();
    clock.source = state.profile.clock;
    clock.zone = state.profile.zone;
    clock.offset = state.profile.zoneOffset;
    // The daylight-saving box of the zone-offset interface is the user's: a
    // device set up now has it as the season has it.
    state.Value(0x0D05) = Body().U32(clock.DaylightNow() ? 1 : 0).bytes;

    Body rules;
    rules.U32(kDaylightRuleCount);
    for (const DaylightRule& r : kDaylightRules)
        rules.Text(r.name, kRuleNameSize);
    // Each end as month, day (0: by weekday), week (0: the last), weekday,
    // hour and minute; then the UTC flag and the shift.
    auto week = [](uint8_t w) { return static_cast<uint8_t>(w == 5 ? 0 : w); };
    for (const DaylightRule& r : kDaylightRules) {
        rules.U8(r.startMonth)
            .U8(0)
            .U8(week(r.startWeek))
            .U8(r.startWeekday)
            .U8(r.startHour)
            .U8(r.startMinute);
        rules.U8(r.endMonth).U8(0).U8(week(r.endWeek)).U8(r.endWeekday).U8(r.endHour).U8(r.endMinute);
        rules.U8(r.inUtc).U16(static_cast<uint16_t>(r.shiftMinutes));
    }
    state.Value(0x010F) = rules.bytes;
    Body zones;
    zones.U32(kZoneCount);
    for (uint32_t zone = 0; zone < kZoneCount; ++zone)
        zones.U8(ZoneRuleNumber(zone));
    state.Value(0x0112) = zones.bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    DeviceClock& clock = state.clock;
    WireReader in(params.data(), params.size());
    switch (command) {
    case 0x0107: // UTC time and zone offset
        if (params.size() != 8) {
            reply->status = kInvalidValue;
            return true;
        }
        clock.SetUtc(static_cast<int32_t>(in.U32()));
        clock.offset = static_cast<int32_t>(in.U32());
        return true;
    case 0x0108:
        reply->body
            = Body().U32(static_cast<uint32_t>(clock.Utc())).U32(static_cast<uint32_t>(clock.offset)).bytes;
        return true;
    case 0x0110:
        reply->body = Body()
                          .U32(static_cast<uint32_t>(clock.Utc()))
                          .U32(clock.zone)
                          .U32(static_cast<uint32_t>(clock.offset))
                          .U32(clock.automatic ? 1 : 0)
                          .U32(clock.DaylightNow() ? 1 : 0)
                          .bytes;
        return true;
    case 0x0111: {
        // Wall-clock time (0: leave the clock), zone, its offset, automatic
        // daylight saving. The reply carries the identity, as discovery's.
        if (params.size() != 16) {
            reply->status = kInvalidValue;
            return true;
        }
        const int64_t wall = static_cast<int32_t>(in.U32());
        const uint32_t zone = in.U32();
        if (zone >= kZoneCount) {
            reply->status = kInvalidValue;
            return true;
        }
        clock.zone = zone;
        clock.offset = static_cast<int32_t>(in.U32());
        clock.automatic = in.U32() != 0;
        if (wall != 0) {
            clock.SetUtc(wall - clock.offset);
            if (clock.DaylightNow())
                clock.SetUtc(wall - clock.offset - clock.Rule()->shiftMinutes * 60);
        }
        reply->body = DiscoveryBody(state, true);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

const CommandGroup kClockCommands = { Seed, Answer };

} // namespace sim
