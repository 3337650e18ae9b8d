#include "controls/DeviceInfoText.h"

#include "link/DeviceHelpers.h"
#include "platform/base/String.h"

#include <cstdio>
#include <ctime>

namespace
{

// "0%d" below 10, else "%d", followed by `tail`.
std::string TwoDigits(long value, const char* tail)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, value < 10 ? "0%ld%s" : "%ld%s", value, tail);
    return buffer;
}

} // namespace

std::string InfoIpText(uint32_t address)
{
    return FormatIpAddress(address);
}

std::string InfoMacText(const uint8_t mac[6])
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3],
        mac[4], mac[5]);
    return buffer;
}

std::string InfoFieldText(const char* field, size_t size)
{
    size_t length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

std::string InfoTimeText(int32_t deviceTime, int32_t gmtOffset, bool daylightSaving, bool checkLocalTime)
{
    const int64_t local = int64_t(deviceTime) + gmtOffset;
    if (deviceTime < 0 || (checkLocalTime && local < 0))
        return LoadText(IDS_TIME_ERROR).GetString();
    const time_t seconds = static_cast<time_t>(local);
    struct tm parts {
    };
    if (gmtime_r(&seconds, &parts) == nullptr)
        return LoadText(IDS_TIME_ERROR).GetString();

    std::string text = std::to_string(parts.tm_year + 1900) + "/";
    text += TwoDigits(parts.tm_mon + 1, "/");
    text += TwoDigits(parts.tm_mday, ", ");
    text += TwoDigits(parts.tm_hour, ":");
    text += TwoDigits(parts.tm_min, ":");
    text += TwoDigits(parts.tm_sec, "");
    text += ", GMT";
    text += gmtOffset >= 0 ? "+ " : "- ";
    const long magnitude = gmtOffset >= 0 ? long(gmtOffset) : -long(gmtOffset);
    text += TwoDigits(magnitude / 3600, ":");
    const long minutes = magnitude % 3600 / 60;
    text += minutes == 0 ? std::string("00") : std::to_string(minutes);
    if (daylightSaving) {
        text += ", ";
        text += LoadText(IDS_DST).GetString();
    }
    return text;
}

std::string InfoUsersText(const uint8_t* present, const char (*names)[16], int slots)
{
    std::string text;
    for (int i = 0; i < slots; ++i) {
        if (present[i] == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += InfoFieldText(names[i], sizeof names[i]);
    }
    return text.empty() ? LoadText(IDS_NO_USER).GetString() : text;
}

std::string InfoCameraChannelsText(const uint8_t flags[5], int family)
{
    std::string text;
    if (flags[0] != 0)
        text = LoadText(IDS_INTERNAL_CH1).GetString();
    if (flags[1] != 0)
        text = LoadText(family == 3 ? IDS_CH1 : IDS_EXTERNAL_CH1).GetString();
    for (int i = 2; i <= 4; ++i) {
        if (flags[i] == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += LoadText(IDS_CH2 + unsigned(i - 2)).GetString();
    }
    return text.empty() ? LoadText(IDS_NO_CHANNEL_ENABLED).GetString() : text;
}

std::string InfoChannelsText(const uint8_t* flags, int count, int family)
{
    std::string text;
    for (int channel = 1; channel <= count; ++channel) {
        if (flags[channel] == 0)
            continue;
        if (!text.empty())
            text += ", ";
        if (family != 4)
            text += "CH";
        text += std::to_string(channel);
    }
    return text.empty() ? LoadText(IDS_NO_CHANNEL_ENABLED).GetString() : text;
}

std::string InfoHddText(uint8_t status, uint8_t enabled)
{
    if (status == 128)
        return LoadText(IDS_NO_HDD).GetString();
    if (status != 0)
        return std::string();
    if (enabled == 0)
        return LoadText(IDS_HDD_DISABLED).GetString();
    if (enabled == 1)
        return LoadText(IDS_HDD_ENABLED).GetString();
    return std::string();
}

std::string InfoAddressFilterText(uint8_t filtered)
{
    return LoadText(filtered != 0 ? IDS_IP_FILTERED : IDS_IP_NOT_FILTERED).GetString();
}

std::string InfoContentText(const std::string& name, const std::string& videoType,
    const std::string& resolution, int videoValue1, int videoValue2, const std::string& audioType,
    int audioBitRate)
{
    std::string text = name + " : " + LoadText(IDS_VIDEO).GetString();
    text += "[" + videoType + "/" + resolution + "/" + std::to_string(videoValue1) + "/"
        + std::to_string(videoValue2) + "] ";
    text += LoadText(IDS_AUDIO).GetString();
    text += "[" + audioType + "/" + std::to_string(audioBitRate) + "]";
    return text;
}
