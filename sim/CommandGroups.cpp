#include "sim/CommandGroup.h"

namespace sim
{

const std::vector<CommandGroup>& CommandGroups()
{
    static const std::vector<CommandGroup> groups = {
        kDeviceCommands,
        kClockCommands,
        kAccountCommands,
        kNetworkCommands,
        kCameraCommands,
        kDiskCommands,
        kEventCommands,
        kParameterCommands,
        kStreamServerCommands,
        kPictureCommands,
        // After the stream server's: a recorder's 0x0E07 is its system log.
        kSystemCommands,
        kScheduleCommands,
        kRecordingCommands,
        kAlarmSourceCommands,
        kStoredSettings,
    };
    return groups;
}

} // namespace sim
