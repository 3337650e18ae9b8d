// The program's string table. Strings that the code reaches by counting on
// from a named one (the channels, the probe tries) keep their bare numbers.
#include "resources/setup/SetupResources.h"

#include "resources/setup/Resource.h"

namespace
{

const StringEntry kStrings[] = {
    { IDS_SOCKETS_INIT_FAILED, "Windows ?? ???? ???????." },
    { IDS_IP_USED, "The IP address is already used. Please use another one." },
    { IDS_IP_CHANGE_FAILED, "Failed to change IP address." },
    { IDS_IP_CHANGE_OK, "IP change OK!" },
    { IDS_GROUP_ID_EXISTS, "The group ID already exists." },
    { IDS_SERVER_EXISTS, "The server already exists." },
    { IDS_IP_INVALID, "Invalid IP address. Please input correct IP address." },
    { IDS_CONNECTION_FAILED, "Connection failed." },
    { IDS_AUTH_FAILED, "Authorization failed." },
    { IDS_NO_CHANNEL_ENABLED, "No channel is enabled." },
    { IDS_HDD_DISABLED, "HDD is disabled." },
    { IDS_HDD_ENABLED, "HDD is enabled." },
    { IDS_IP_FILTERED, "IP Address is filtered." },
    { IDS_IP_NOT_FILTERED, "IP Address is not filtered." },
    { IDS_PORT_IN_USE, "The port is already used!" },
    { IDS_NO_HDD, "No HDD available" },
    { IDS_TIME_ERROR, "Time Error!" },
    { IDS_NO_USER, "No User" },
    { IDS_INTERNAL_CH1, "Internal CH1" },
    { IDS_EXTERNAL_CH1, "External CH1" },
    { IDS_CH1, "CH1" },
    { IDS_CH2, "CH2" },
    { 61539, "CH3" },
    { 61540, "CH4" },
    { IDS_SERIAL_LINE, "\r\n $ Serial Number : " },
    { IDS_MAC_LINE, "\r\n $ MAC Address :" },
    { IDS_INVALID_VALUE, "Invalid value" },
    { IDS_IP_CHANGING, "IP Address of the camera is being changed!" },
    { IDS_CLOSE_TAB_FIRST, "Please close the open tab and try again." },
    { IDS_CONFIRM_CONFIGURATION, "Do you like to confirm the new configuration?" },
    { IDS_ROOT_SERVER, "ZPT" },
    { IDS_INFO_TITLE, "Information" },
    { IDS_CONTENT_TITLE, "Content" },
    { IDS_USER_NAME, "User name" },
    { IDS_PASSWORD, "Password" },
    { IDS_CHANGE_IP, "Change IP" },
    { IDS_SAVE_PASSWORD, "Save Password" },
    { IDS_LOGIN, "Login" },
    { IDS_EXIT, "Exit" },
    { IDS_DST, "DST" },
    { IDS_NO_CONTENT, "No Content" },
    { IDS_VIDEO, "Video" },
    { IDS_AUDIO, "Audio" },
    { IDS_VIDEO_AUDIO_ADJUSTMENT, "Video/Audio Adjustment" },
    { IDS_FIRST_TRY, "The first try" },
    { 61639, "The second try" },
    { 61640, "The third try" },
    { IDS_PROBE_OK, "Probe OK!" },
    { IDS_PROBE_FAILED, "Probe failed." },
    { IDS_LOGIN_HIDDEN, "Login" },
    { IDS_INTERNAL_ERROR, "Internal error!" },
    { IDS_CONSOLE_SETUP_ACTIVE, "The console setup program is activated." },
    { IDS_NOT_ALLOWED_REMOTELY, "Your command is not allowed in remote setup." },
    { IDS_ROOT_MY_DVR, "My DVR" },
    { IDS_ROOT_LOCAL_DVR, "Local Area DVR" },
    { IDS_PASSWORDS_DELETED, "The admin's passwords of both Monitor and Playback programs are deleted too." },
    { IDS_VERSION_MISMATCH, "Version Mismatch! Please upgrade your DVR or Manager software." },
    { IDS_DVR_PROBE_FAILED, "Probe failed" },
    { IDS_DVR_PROBE_OK, "Probe OK!" },
    { IDS_LINE_BUSY, "Line is busy now. Will you hangup?" },
    { IDS_ADD_NEW_DVR, "Add New DVR" },
    { IDS_PORT, "Port" },
    { IDS_PORT_INVALID, "Port is invalid. Please use value from 1 to 65535." },
    { IDS_DVR_EXISTS, "The DVR already exists." },
    { IDS_SETTINGS_UNREADABLE, "The settings file %1 cannot be read. Setup starts with its default settings and does not save "
             "them to that file." },
    { IDS_TREE_FILE_UNREADABLE, "The device tree file %1 cannot be read. The tree starts empty and is not saved to that file." },
    { IDS_TREE_FILE_UNKNOWN, "The device tree file %1 was written in a format that this version cannot read. The tree "
             "starts empty and is not saved to that file." },
    { IDS_TREE_SAVE_REFUSED, "The device tree is not saved: %1 could not be read at start and is kept as it is." },
    { IDS_TREE_SAVE_FAILED, "The device tree could not be saved to %1. The change is lost when Setup ends." },
    { IDS_ALREADY_RUNNING, "Pellmoor Tarnwick is already running." },
    { IDS_LOCAL_AREA_FULL, "\"Local Area DVR\" lists %1 devices, the most it holds. Further devices found on the network "
             "are not listed." },
};

} // namespace

std::span<const StringEntry> SetupStrings()
{
    return kStrings;
}
