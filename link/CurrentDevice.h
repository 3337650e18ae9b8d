// The device the user selected and logged in to, shared by the whole program.
#pragma once

#include "link/DeviceFamily.h"

#include <cstdint>
#include <string>

// The record in which a device travels from the device tree to the views.
struct SELECTED_DEVICE {
    char szName[48]; // tree text; window title while logged in
    uint16_t wTreeWord;
    char szModel[16];
    char szVersion1[32]; // hardware version
    char szVersion2[32]; // firmware version; the version gates read it
    char szSerial[24];
    uint32_t dwIpAddress; // first octet in the most significant byte
    uint8_t byMac[6];
    char szInfo[32];
    uint8_t byPassword[16]; // password saved in the tree
    uint8_t bPasswordSaved;
    uint32_t dwStreamPort; // second service port (8105, or 554 for a streaming server)
    uint32_t dwHttpPort; // first service port (8001, or 80 for a streaming server)
    uint32_t dwConfigPort; // configuration protocol, default 8405
    uint8_t bMacText; // known from discovery on the local network
    uint8_t bLookup; // reached through a registration server
    char szLookupHost[64]; // registration server or dial-up number
    uint32_t dwLookup[4];
    char szKey[24]; // with bMacText, the MAC as "xx:xx:xx:xx:xx:xx"
    char szAddress[128]; // dotted address or host name
    uint32_t dwFamily; // device family 0 to 4
};

extern SELECTED_DEVICE g_CurrentDevice;
// Copy of g_CurrentDevice taken after a successful dial-up login.
extern SELECTED_DEVICE g_DialUpDevice;
// Password of the current session, put into every request.
extern std::string g_strDevicePassword;
// Recorder model class 0 to 4, -1 for a model that is no recorder.
extern int32_t g_nRecorderModel;
// Revision a device appends to its information reply (0 when absent).
extern uint16_t g_nDeviceRevision;

// Copies a selection into g_CurrentDevice: every field from the name to the
// lookup flag; the lookup host, settings, address text and key text only when
// the record is reached through a registration server; always the family.
void SetCurrentDevice(const SELECTED_DEVICE& device);
// Forgets what the last login learned; name, ports, lookup fields and
// family stay.
void ClearCurrentDevice();
