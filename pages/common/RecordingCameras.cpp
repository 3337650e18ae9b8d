#include "pages/common/RecordingCameras.h"

#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <algorithm>

int RecordingCameraCounts::Total() const
{
    return std::min(analogue + network, kMaxRecorderCameras);
}

RecordingCameraCounts CountsOf(const CFG_CAMERA_COUNTS& counts)
{
    RecordingCameraCounts out;
    out.analogue = std::min<int>(counts.analogue, kMaxRecorderCameras);
    out.network = std::min<int>(counts.network, kMaxRecorderCameras - out.analogue);
    out.networkSetup = counts.networkSetup != 0;
    return out;
}

void FillRecordingCameraList(CListBox* pList, const RecordingCameraCounts& counts, BOOL global)
{
    if (!pList)
        return;
    pList->ResetContent();
    if (global) {
        CString text;
        text.LoadString(IDS_GLOBAL_CAMERA);
        pList->AddString(text);
    }
    for (int camera = 0; camera < counts.Total(); ++camera) {
        CString text;
        text.Format(counts.IsNetwork(camera) ? "IPCam%d" : "Cam%d", camera + 1);
        pList->AddString(text);
    }
}

BOOL MayChooseCamera(const RecordingCameraCounts& counts, int camera)
{
    if (!counts.IsNetwork(camera) || counts.networkSetup)
        return TRUE;
    AfxMessageBox(IDS_NETWORK_CAMERA_DISABLED);
    return FALSE;
}
