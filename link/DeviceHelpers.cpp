#include "link/DeviceHelpers.h"

#include "app/CurrentDevice.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <netdb.h>

namespace {

// The recorders of each class; the last name of each group is the generic
// one that states the class.
const char* const kModelTable[] = {
    // class 0: 4 channels
    "pt-d4", "pt-d4e", "pt-d4h", "rk-400", "rk-400h", "tv-4c", "4ch dvr",
    // class 1: 8 channels
    "pt-d8", "pt-d8e", "rk-800", "tv-8c", "8ch dvr",
    // class 2: 16 channels at 120 frames per second
    "pt-d16", "pt-d16e", "rk-1600", "tv-16c", "tv-16ce", "16ch dvr(120fps)",
    // class 3: 16 channels at 60 frames per second
    "pt-d16l", "rk-1600l", "tv-16cl", "tv-16cle", "16ch dvr(60fps)",
    // class 4: 16 channels at 240 frames per second
    "pt-d16r", "pt-d16re", "rk-1600r", "rk-1600re", "tv-16cr", "tv-16cre", "16ch dvr(240fps)",
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

int ResolveHostName(const char* text, char out[128])
{
    std::memset(out, 0, 128);
    if (text)
        CopyFixedText(out, 128, text, std::strlen(text));
    if (!HasLetter(out))
        return 0;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* result = nullptr;
    if (getaddrinfo(out, nullptr, &hints, &result) != 0 || !result)
        return -1;
    char dotted[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, dotted, sizeof dotted);
    freeaddrinfo(result);
    std::memset(out, 0, 128);
    std::strcpy(out, dotted);
    return 0;
}

uint32_t ParseIpAddress(const char* text)
{
    char resolved[128];
    ResolveHostName(text, resolved);
    int parts[4];
    ParseVersionText(resolved, parts, 4);
    uint32_t address = 0;
    for (int p : parts)
        address = (address << 8) | static_cast<uint32_t>(p);
    return address;
}

std::string FormatIpAddress(uint32_t a)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF);
    return text;
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

namespace {

bool VersionAtLeast(const int want[], int count)
{
    int have[4];
    ParseVersionText(g_CurrentDevice.szVersion2, have, count);
    for (int i = 0; i < count - 1; ++i) {
        if (have[i] != want[i])
            return have[i] > want[i];
    }
    return have[count - 1] >= want[count - 1];
}

} // namespace

bool IsVersionAtLeast(int a, int b, int c)
{
    const int want[] = { a, b, c };
    return VersionAtLeast(want, 3);
}

bool IsVersionAtLeast4(int a, int b, int c, int d)
{
    const int want[] = { a, b, c, d };
    return VersionAtLeast(want, 4);
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

bool IsFeatureSupported()
{
    int hardware[1];
    ParseVersionText(g_CurrentDevice.szVersion1, hardware, 1);
    switch (g_nRecorderModel) {
    case 0:
    case 1:
    case 3:
        return IsVersionAtLeast(1, 7, 22);
    case 2:
    case 4:
        return hardware[0] == 1 ? IsVersionAtLeast(1, 7, 22) : IsVersionAtLeast(2, 3, 22);
    default:
        return false;
    }
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

void StampRequestHeader(NET_MSG_HEADER& header)
{
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR)
        header.word2 = 22;
}
