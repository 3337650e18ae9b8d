// The discovery socket of the auto-detect Add New DVR dialog: broadcasts the
// discovery request and sends each device that answers to its owner window
// as a DiscoveredDevice.
#pragma once

#include "link/MsgSocket.h"
#include "link/WindowMessages.h"

#include <cstddef>
#include <cstdint>
#include <string>

// One device as the dialog lists it; texts need not end in a terminator
// when they fill their field.
struct DiscoveredDevice {
    char name[32];
    char serial[24];
    char macText[18]; // "%02X:%02X:%02X:%02X:%02X:%02X"
    char addressText[18]; // dotted
    uint32_t ipAddress; // first octet most significant
    char model[16];
    char version1[32];
    char version2[32];
    uint32_t port; // configuration port of a 0x1111 reply, else 80
};
static_assert(sizeof(DiscoveredDevice) == 180);
static_assert(offsetof(DiscoveredDevice, ipAddress) == 92);
static_assert(offsetof(DiscoveredDevice, port) == 176);

// A text field of a DiscoveredDevice as a string, without what follows a
// full field.
std::string DetectedText(const char* field, size_t size);

class CDetectSocket : public CMsgSocket, private CDiscoveryOwner
{
public:
    // After Create: broadcasts to 255.255.255.255 port 8404; replies go to
    // `hOwner`.
    void Init(HWND hOwner);
    // Broadcasts the discovery request; tells the user when it cannot go out.
    BOOL ReqDiscoveryMsg();

private:
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override;
    void SetChangedIp() override { }

    HWND m_hOwner = nullptr;
};
