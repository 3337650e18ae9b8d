// A recorder's cameras as the pages count them: analogue cameras first,
// network cameras after them, each with its On switch.
#pragma once

#include "link/CameraBlocks.h"
#include "link/ConfigSession.h"
#include "platform/base/Types.h"

// The most cameras a recorder page shows.
constexpr int kMaxRecorderCameras = 24;

struct RecorderCameraList {
    int analogue = 0;
    int network = 0;
    BYTE on[kMaxRecorderCameras] = {};

    int Total() const;
};

// Reads the counts (0x0403) and each camera's switch (0x0404 for analogue
// camera i, 0x0406 for network camera i minus the analogue count). The
// switches are cleared first; when the counts cannot be read they keep their
// values and no camera is asked. FALSE when the counts could not be read.
BOOL ReadRecorderCameras(CConfigSession& session, ConfigReply& reply, RecorderCameraList* list);
