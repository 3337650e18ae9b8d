// The program's string table.
#include "resources/setup/SetupResources.h"

namespace
{

const StringEntry kStrings[] = {
    { 104, "Windows ?? ???? ???????." },
    { 61457, "Connection failed." },
    { 61592, "Do you like to confirm the new configuration?" },
};

} // namespace

std::span<const StringEntry> SetupStrings()
{
    return kStrings;
}
