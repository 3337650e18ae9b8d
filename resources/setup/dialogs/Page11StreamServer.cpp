// The streaming server's page: the shared frame rate, the audio rates, the
// contents (their list is made by the page) and the connection limit. The
// page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kStreamServer[] = {
    { IDC_STREAM_VIDEO_GROUP, WC_BUTTON, "Video", kGroupBox, 10, 9, 340, 34 },
    { IDC_STREAM_FRAME_RATE_LABEL, WC_STATIC, "Frame Rate", kChild, 20, 23, 67, 9 },
    { IDC_STREAM_FRAME_RATE, WC_EDIT, "8", kEdit | ES_NUMBER, 93, 22, 47, 12 },
    { IDC_STREAM_FRAME_RATE_SPIN, UPDOWN_CLASS, "", kUpDown, 140, 22, 10, 12 },
    { IDC_STREAM_FPS_LABEL, WC_STATIC, "fps", kChild, 153, 23, 20, 9 },
    { IDC_STREAM_RESOLUTION_LABEL, WC_STATIC, "Resolution", kChild, 200, 23, 40, 9 },
    { IDC_STREAM_RESOLUTION, WC_COMBOBOX, "", kDropList, 240, 22, 60, 60 },
    { IDC_STREAM_AUDIO_GROUP, WC_BUTTON, "Audio", kGroupBox, 10, 46, 340, 34 },
    { IDC_STREAM_AAC_LABEL, WC_STATIC, "AAC Bitrate", kChild, 20, 60, 67, 9 },
    { IDC_STREAM_AAC_BITRATE, WC_COMBOBOX, "", kDropList, 93, 58, 67, 120 },
    { IDC_STREAM_AAC_BPS, WC_STATIC, "bps", kChild, 163, 60, 20, 9 },
    { IDC_STREAM_AMR_LABEL, WC_STATIC, "AMR Bitrate", kChild, 187, 60, 47, 9 },
    { IDC_STREAM_AMR_BITRATE, WC_COMBOBOX, "", kDropList, 233, 58, 67, 120 },
    { IDC_STREAM_AMR_BPS, WC_STATIC, "bps", kChild, 303, 60, 20, 9 },
    { IDC_STREAM_CONTENT_GROUP, WC_BUTTON, "Content", kGroupBox, 10, 83, 340, 185 },
    { IDC_CONTENT_ADD, WC_BUTTON, "Add", kButton, 20, 246, 67, 15 },
    { IDC_CONTENT_DELETE, WC_BUTTON, "Delete", kButton, 93, 246, 67, 15 },
    { IDC_CONTENT_EDIT, WC_BUTTON, "Edit", kButton, 167, 246, 67, 15 },
    { IDC_STREAM_ACCESS_LIST, WC_BUTTON, "Access List", kButton, 10, 274, 67, 15 },
    { IDC_STREAM_STATUS, WC_BUTTON, "Status", kButton, 87, 274, 67, 15 },
    { IDC_STREAM_MAX_CONNECTIONS_LABEL, WC_STATIC, "Max Connections", kChild, 180, 277, 67, 9 },
    { IDC_STREAM_MAX_CONNECTIONS, WC_EDIT, "", kEdit | ES_NUMBER, 247, 274, 33, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE11_STREAM_SERVER, "Streaming Server", kPage, 0, 0, 360, 400, kStreamServer },
};

} // namespace

const std::span<const DialogTemplate> kPage11StreamServerTemplates = kTemplates;
