#include "pages/common/RecorderCameras.h"

#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <algorithm>
#include <cstring>

int RecorderCameraList::Total() const
{
    return std::min(analogue + network, kMaxRecorderCameras);
}

BOOL ReadRecorderCameras(CConfigSession& session, ConfigReply& reply, RecorderCameraList* list)
{
    std::memset(list->on, 0, sizeof list->on);
    CFG_CAMERA_COUNTS counts;
    if (session.Request(GET_CAMERA_COUNTS, {}, &counts, reply) != CONFIG_DONE)
        return FALSE;
    list->analogue = counts.analogue;
    list->network = counts.network;
    for (int k = 0; k < list->Total(); ++k) {
        uint16_t flags = 0;
        if (k < list->analogue) {
            CFG_CAMERA camera;
            if (session.Request(GET_CAMERA, { uint8_t(k) }, &camera, reply) != CONFIG_DONE)
                continue;
            flags = camera.wFlags;
        } else {
            CFG_NET_CAMERA camera;
            if (session.Request(GET_NET_CAMERA, { uint8_t(k - list->analogue) }, &camera, reply)
                != CONFIG_DONE)
                continue;
            flags = camera.wFlags;
        }
        list->on[k] = (flags & CAMERA_ON) != 0;
    }
    return TRUE;
}

CString RecorderCameraName(int index, int analogue)
{
    CString name;
    name.Format(index < analogue ? "Cam%d" : "IPCam%d", index + 1);
    return name;
}

BOOL MayShowRecorderCamera(int index, const CFG_CAMERA_COUNTS& counts)
{
    if (index < counts.analogue || counts.networkSetup)
        return TRUE;
    AfxMessageBox(IDS_NETWORK_CAMERA_DISABLED);
    return FALSE;
}
