// What a host keeps of a DVR it reaches through a registration server: the
// texts the explorer pane's address lookup reads, and the address it writes.
// Plain types only, so that a host can include it.
#pragma once

#include <cstddef>

struct tagDVrNetInfo {
    char szSerial[24];
    char szAddress[128]; // the device's current address, from the lookup
    char szMacText[24]; // "xx:xx:xx:xx:xx:xx"
    unsigned char byHost[46]; // the host's own
    char szServer[128]; // the registration server's address
};
static_assert(offsetof(tagDVrNetInfo, szAddress) == 24);
static_assert(offsetof(tagDVrNetInfo, szMacText) == 152);
static_assert(offsetof(tagDVrNetInfo, szServer) == 222);
