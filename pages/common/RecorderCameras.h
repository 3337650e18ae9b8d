// A recorder's cameras as the pages count them: analogue cameras first,
// network cameras after them, each with its On switch.
#pragma once

#include "link/CameraBlocks.h"
#include "link/ConfigSession.h"
#include "platform/base/String.h"
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

// A camera's row in the recorder pages' lists, numbered over all cameras:
// "Cam%d" for an analogue camera, "IPCam%d" for a network camera (the first
// network camera after four analogue ones is "IPCam5").
CString RecorderCameraName(int index, int analogue);
// Whether camera `index` may be shown: a network camera needs the device's
// network-camera set-up, otherwise "Network Camera setup is not enabled." is
// told and FALSE given.
BOOL MayShowRecorderCamera(int index, const CFG_CAMERA_COUNTS& counts);
