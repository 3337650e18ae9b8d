// A group of configuration commands the simulated device answers: the
// values a fresh device starts with and its reading of each command. A page
// that needs commands of its own adds a group in a file of its own and lists
// it in CommandGroups.cpp.
#pragma once

#include "sim/StoreState.h"

#include <vector>

namespace sim
{

struct CommandGroup {
    // Puts the group's values of a fresh device into the state (may be null).
    void (*seed)(StoreState& state);
    // Answers a request whose credentials were accepted (`params` follow the
    // credential block). False: not a command of this group. Null for a
    // group whose commands the stored settings answer.
    bool (*answer)(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply);
};

// Every group, in the order they are asked; the stored settings, which take
// any get or set of the catalogue, come last.
const std::vector<CommandGroup>& CommandGroups();

// The stored-settings reading of a get or a set: a get answers the stored
// body, a set of a known size stores its body. Groups that follow up a set
// call it first.
bool AnswerStoredSetting(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply);

extern const CommandGroup kDeviceCommands;
extern const CommandGroup kClockCommands;
extern const CommandGroup kAccountCommands;
extern const CommandGroup kNetworkCommands;
extern const CommandGroup kCameraCommands;
extern const CommandGroup kDiskCommands;
extern const CommandGroup kEventCommands;
extern const CommandGroup kParameterCommands;
extern const CommandGroup kStreamServerCommands;
extern const CommandGroup kPictureCommands;
extern const CommandGroup kSystemCommands;
extern const CommandGroup kScheduleCommands;
// A recorder's recording settings and alarm outputs.
extern const CommandGroup kRecordingCommands;
extern const CommandGroup kAlarmSourceCommands;
extern const CommandGroup kStoredSettings;

} // namespace sim
