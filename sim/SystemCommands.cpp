// The settings of a device's system group as a fresh device has them: the
// address filter, a recorder's system log and its miscellaneous items. The
// stored settings answer their gets and sets; a write of the network-camera
// item also switches what the camera counts report.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

constexpr uint16_t kSecurity = 0x0501;
constexpr uint16_t kLog = 0x0E07;
constexpr uint16_t kCameraCounts = 0x0403;
constexpr uint16_t kReadItem = 0x0310;
constexpr uint16_t kWriteItem = 0x0311;
constexpr uint8_t kNetworkCameraItem = 1;
constexpr uint8_t kNoVideoRecordingItem = 2;

struct LogEntry {
    uint32_t time; // seconds since 1970, UTC; 0xFFFFFFFF an unused slot
    uint16_t event; // shifted into the event word's upper bits
};
// Early December 2026.
const LogEntry kLogEntries[] = {
    { 1796716800, 0x300 }, // power on
    { 1796717100, 0x310 }, // configuration changed
    { 0xFFFFFFFF, 0 }, { 1796720400, 0x320 }, // recording off by hand
    { 1796720460, 0x321 }, // recording on by hand
    { 1796724000, 0x3A0 }, // an event the program does not name
    { 1796803200, 0x302 }, // power interrupted
    { 1796803260, 0x300 }, { 1796806800, 0x330 }, // time shift start
    { 1796806805, 0x331 }, // time shift finish
};

Bytes MiscItem(uint8_t item, uint8_t value)
{
    return Body().U8(item).U32(1).U8(value).bytes;
}

void Seed(StoreState& state)
{
    // Filtering off; the first range allowed would be the local network.
    Body security;
    security.U32(0).Zero(32).U32(0x40);
    security.U32(1).U32(0xC0A80001).U32(0xC0A800FE);
    security.U32(0).U32(0x0A000001).U32(0x0A0000FF);
    security.Zero(8 * 12);
    state.Value(kSecurity) = security.bytes;

    if (state.profile.family != 4)
        return;
    Body log;
    log.U32(uint32_t(std::size(kLogEntries)));
    for (const LogEntry& e : kLogEntries)
        log.U32(e.time).U32(0).U32(e.time == 0xFFFFFFFF ? 0 : 1).U32(uint32_t { e.event } << 8);
    state.Value(kLog) = log.bytes;
    state.Value(kReadItem, kNetworkCameraItem)
        = MiscItem(kNetworkCameraItem, state.profile.networkCameras ? 1 : 0);
    state.Value(kReadItem, kNoVideoRecordingItem) = MiscItem(kNoVideoRecordingItem, 0);
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (command != kWriteItem)
        return false;
    AnswerStoredSetting(state, command, params, reply);
    // The network-camera switch is what the camera counts report.
    Bytes& counts = state.Value(kCameraCounts);
    if (reply->status == 0 && params.size() == 6 && params[0] == kNetworkCameraItem && counts.size() >= 3)
        counts[2] = params[5];
    return true;
}

} // namespace

const CommandGroup kSystemCommands = { Seed, Answer };

} // namespace sim
