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
        kStoredSettings,
    };
    return groups;
}

} // namespace sim
