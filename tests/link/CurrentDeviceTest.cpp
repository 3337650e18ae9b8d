#include "link/CurrentDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

SELECTED_DEVICE Sample(bool lookup, bool macText)
{
    SELECTED_DEVICE d {};
    std::strcpy(d.szName, "Front door");
    std::strcpy(d.szModel, "4ch dvr");
    std::strcpy(d.szVersion2, "1.7.22");
    d.dwIpAddress = 0xC0A80005;
    const uint8_t mac[6] = { 0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e };
    std::memcpy(d.byMac, mac, 6);
    d.bPasswordSaved = 1;
    d.dwStreamPort = 8105;
    d.dwHttpPort = 8001;
    d.dwConfigPort = 8405;
    d.bMacText = macText;
    d.bLookup = lookup;
    std::strcpy(d.szLookupHost, "reg.example");
    d.dwLookup[2] = 7;
    std::strcpy(d.szKey, "key");
    std::strcpy(d.szAddress, "camera.example");
    d.dwFamily = 4;
    return d;
}

TEST(CurrentDevice, LookupFieldsAreCopiedOnlyForLookupDevices)
{
    std::memset(&g_CurrentDevice, 0, sizeof g_CurrentDevice);
    SetCurrentDevice(Sample(false, true));
    EXPECT_STREQ(g_CurrentDevice.szName, "Front door");
    EXPECT_EQ(g_CurrentDevice.dwConfigPort, 8405u);
    EXPECT_EQ(g_CurrentDevice.dwFamily, 4u);
    EXPECT_STREQ(g_CurrentDevice.szLookupHost, "");
    EXPECT_STREQ(g_CurrentDevice.szAddress, "");
    EXPECT_STREQ(g_CurrentDevice.szKey, "");

    SetCurrentDevice(Sample(true, true));
    EXPECT_STREQ(g_CurrentDevice.szLookupHost, "reg.example");
    EXPECT_EQ(g_CurrentDevice.dwLookup[2], 7u);
    EXPECT_STREQ(g_CurrentDevice.szAddress, "camera.example");
    EXPECT_STREQ(g_CurrentDevice.szKey, "00:1a:2b:3c:4d:5e");

    SetCurrentDevice(Sample(true, false));
    EXPECT_STREQ(g_CurrentDevice.szKey, "key");
}

TEST(CurrentDevice, UnterminatedTextsAreCutToTheirWidth)
{
    SELECTED_DEVICE d = Sample(true, false);
    std::memset(d.szName, 'N', sizeof d.szName);
    std::memset(d.szAddress, 'A', sizeof d.szAddress);
    SetCurrentDevice(d);
    EXPECT_EQ(std::strlen(g_CurrentDevice.szName), sizeof d.szName - 1);
    EXPECT_EQ(std::strlen(g_CurrentDevice.szAddress), sizeof d.szAddress - 1);
}

TEST(CurrentDevice, ClearKeepsNamePortsLookupAndFamily)
{
    SetCurrentDevice(Sample(true, true));
    ClearCurrentDevice();
    EXPECT_STREQ(g_CurrentDevice.szModel, "");
    EXPECT_STREQ(g_CurrentDevice.szVersion2, "");
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, 0u);
    EXPECT_EQ(g_CurrentDevice.byMac[1], 0);
    EXPECT_EQ(g_CurrentDevice.bPasswordSaved, 0);
    EXPECT_EQ(g_CurrentDevice.bMacText, 0);
    EXPECT_STREQ(g_CurrentDevice.szName, "Front door");
    EXPECT_EQ(g_CurrentDevice.dwHttpPort, 8001u);
    EXPECT_STREQ(g_CurrentDevice.szLookupHost, "reg.example");
    EXPECT_EQ(g_CurrentDevice.dwFamily, 4u);
}

} // namespace
