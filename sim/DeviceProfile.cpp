#include "sim/DeviceProfile.h"

namespace sim
{

namespace
{

struct FamilyIdentity {
    const char* model;
    const char* version1;
    const char* version2;
    const char* serial;
    const char* title;
    uint8_t sourcesOn;
};

// The cameras use their internal camera on channel 1; the server and the
// video server an external input. Channel 4 is free on each.
const FamilyIdentity kFamilies[] = {
    { "NC-210", "1.2.0", "1.6.31", "NC210A0100231", "Lobby camera", 0x0D },
    { "NC-420", "2.0.1", "2.1.7", "NC420B0200458", "Car park camera", 0x0D },
    { "SV-400", "1.0.3", "1.4.12", "SV400C0300077", "Streaming server", 0x0E },
    { "VS-100", "1.1.0", "1.3.2", "VS100D0400112", "Video server", 0x0E },
};

struct RecorderCameras {
    const char* model;
    int analog, network, off;
};
const RecorderCameras kRecorders[] = {
    { "PT-D4", 4, 0, 1 },
    { "PT-D8", 8, 0, 1 },
    { "PT-D16", 16, 0, 2 },
    { "PT-D16L", 16, 0, 2 },
    { "PT-D16R", 12, 4, 2 },
};

} // namespace

DeviceProfile MakeProfile(uint32_t family, int recorderClass)
{
    DeviceProfile p;
    p.family = family > 4 ? 0 : family;
    uint8_t mac[6] = { 0x00, 0x1B, 0x9E, 0x10, static_cast<uint8_t>(p.family), 0x21 };
    for (int i = 0; i < 6; ++i)
        p.mac[i] = mac[i];
    if (p.family < 4) {
        const FamilyIdentity& id = kFamilies[p.family];
        p.model = id.model;
        p.version1 = id.version1;
        p.version2 = id.version2;
        p.serial = id.serial;
        p.title = id.title;
        p.sourcesOn = id.sourcesOn;
        if (p.family == 3) {
            // The video server stands in an office in New York.
            p.zone = 12;
            p.zoneOffset = -18000;
        }
        return p;
    }
    if (recorderClass < 0 || recorderClass > 4)
        recorderClass = 2;
    p.recorderClass = recorderClass;
    const RecorderCameras& cameras = kRecorders[recorderClass];
    p.model = cameras.model;
    p.analogCameras = cameras.analog;
    p.networkCameras = cameras.network;
    p.camerasOff = cameras.off;
    p.version1 = "1.0.4";
    p.version2 = "1.7.22";
    p.serial = "DVR16E0500" + std::to_string(100 + recorderClass);
    p.title = "Shop recorder";
    p.revision = 22;
    return p;
}

} // namespace sim
