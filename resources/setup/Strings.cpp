// The program's string table.
#include "resources/setup/SetupResources.h"

namespace
{

const StringEntry kStrings[] = {
    { 104, "Windows ?? ???? ???????." },
    { 61448, "The IP address is already used. Please use another one." },
    { 61449, "Failed to change IP address." },
    { 61450, "IP change OK!" },
    { 61453, "The group ID already exists." },
    { 61454, "The server already exists." },
    { 61456, "Invalid IP address. Please input correct IP address." },
    { 61457, "Connection failed." },
    { 61458, "Authorization failed." },
    { 61459, "No channel is enabled." },
    { 61460, "HDD is disabled." },
    { 61461, "HDD is enabled." },
    { 61462, "IP Address is filtered." },
    { 61463, "IP Address is not filtered." },
    { 61473, "The port is already used!" },
    { 61519, "No HDD available" },
    { 61533, "Time Error!" },
    { 61534, "No User" },
    { 61535, "Internal CH1" },
    { 61536, "External CH1" },
    { 61537, "CH1" },
    { 61538, "CH2" },
    { 61539, "CH3" },
    { 61540, "CH4" },
    { 61541, "\r\n $ Serial Number : " },
    { 61542, "\r\n $ MAC Address :" },
    { 61550, "Invalid value" },
    { 61551, "IP Address of the camera is being changed!" },
    { 61574, "Please close the open tab and try again." },
    { 61592, "Do you like to confirm the new configuration?" },
    { 61597, "ZPT" },
    { 61598, "Information" },
    { 61599, "Content" },
    { 61600, "User name" },
    { 61601, "Password" },
    { 61602, "Change IP" },
    { 61603, "Save Password" },
    { 61604, "Login" },
    { 61605, "Exit" },
    { 61619, "DST" },
    { 61620, "No Content" },
    { 61626, "Video" },
    { 61627, "Audio" },
    { 61637, "Video/Audio Adjustment" },
    { 61638, "The first try" },
    { 61639, "The second try" },
    { 61640, "The third try" },
    { 61642, "Probe OK!" },
    { 61643, "Probe failed." },
    { 61644, "Login" },
    { 61655, "Internal error!" },
    { 61656, "The console setup program is activated." },
    { 61657, "Your command is not allowed in remote setup." },
    { 61692, "My DVR" },
    { 61693, "Local Area DVR" },
    { 61694, "The admin's passwords of both Monitor and Playback programs are deleted too." },
    { 61696, "Version Mismatch! Please upgrade your DVR or Manager software." },
    { 61720, "Probe failed" },
    { 61721, "Probe OK!" },
    { 61794, "Line is busy now. Will you hangup?" },
    { 61799, "Add New DVR" },
    { 61800, "Port" },
    { 61801, "Port is invalid. Please use value from 1 to 65535." },
    { 61819, "The DVR already exists." },
};

} // namespace

std::span<const StringEntry> SetupStrings()
{
    return kStrings;
}
