#include "link/DeviceHelpers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace
{

// The recorders of each class; the last name of each group is the generic
// one that states the class.
const char* const kModelTable[] = {
    // class 0: 4 channels
    "pt-d4",
    "pt-d4e",
    "pt-d4h",
    "rk-400",
    "rk-400h",
    "tv-4c",
    "4ch dvr",
    // class 1: 8 channels
    "pt-d8",
    "pt-d8e",
    "rk-800",
    "tv-8c",
    "8ch dvr",
    // class 2: 16 channels at 120 frames per second
    "pt-d16",
    "pt-d16e",
    "rk-1600",
    "tv-16c",
    "tv-16ce",
    "16ch dvr(120fps)",
    // class 3: 16 channels at 60 frames per second
    "pt-d16l",
    "rk-1600l",
    "tv-16cl",
    "tv-16cle",
    "16ch dvr(60fps)",
    // class 4: 16 channels at 240 frames per second
    "pt-d16r",
    "pt-d16re",
    "rk-1600r",
    "rk-1600re",
    "tv-16cr",
    "tv-16cre",
    "16ch dvr(240fps)",
};
const int kModelGroupSizes[] = { 7, 5, 6, 5, 7 };

} // namespace

bool HasLetter(const char* text)
{
    if (!text)
        return false;
    for (; *text; ++text)
        if (std::isalpha(static_cast<unsigned char>(*text)))
            return true;
    return false;
}

uint32_t ParseDottedAddress(const char* text)
{
    int parts[4];
    ParseVersionText(text, parts, 4);
    uint32_t address = 0;
    for (int p : parts)
        address = (address << 8) | static_cast<uint32_t>(p);
    return address;
}

bool ParseStrictAddress(const char* text, uint32_t* address)
{
    unsigned parts[4];
    char tail = 0;
    if (!text || std::sscanf(text, "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) != 4)
        return false;
    uint32_t value = 0;
    for (unsigned part : parts) {
        if (part > 255)
            return false;
        value = (value << 8) | part;
    }
    *address = value;
    return true;
}

std::string FormatIpAddress(uint32_t a)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF);
    return text;
}

void FormatMacText(const uint8_t mac[6], char* dst, size_t dstSize)
{
    std::snprintf(
        dst, dstSize, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
}

void ParseVersionText(const char* text, int parts[], int count)
{
    std::fill(parts, parts + count, 0);
    if (!text)
        return;
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        // A part is its leading decimal digits; anything else reads as 0.
        unsigned value = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            value = value * 10 + static_cast<unsigned>(*p++ - '0');
        parts[i] = static_cast<int>(value & 0xFF);
        while (*p && *p != '.')
            ++p;
        if (*p != '.')
            break;
        ++p;
    }
}

int ModelNameToRecorderModel(std::string modelName)
{
    std::transform(modelName.begin(), modelName.end(), modelName.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    int index = 0;
    for (int group = 0; group < 5; ++group) {
        for (int i = 0; i < kModelGroupSizes[group]; ++i, ++index) {
            if (modelName == kModelTable[index])
                return group;
        }
    }
    return -1;
}

void ScramblePassword(uint8_t field[16])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = static_cast<uint8_t>(field[i] + 3);
        field[i] = static_cast<uint8_t>((b << 1) | (b >> 7));
    }
}

void UnscramblePassword(uint8_t field[16])
{
    for (int i = 0; i < 16; ++i) {
        uint8_t b = static_cast<uint8_t>((field[i] >> 1) | (field[i] << 7));
        field[i] = static_cast<uint8_t>(b - 3);
    }
}
