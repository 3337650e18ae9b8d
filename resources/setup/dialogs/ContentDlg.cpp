// The content editor: a stream content's name, preset, video values and
// audio type. The dialog lays out its simple and advanced views itself.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kNumber = kEdit | ES_NUMBER;

const DialogControl kContent[] = {
    { IDC_STATIC, WC_STATIC, "Name", kChild, 20, 10, 40, 9 },
    { IDC_CONTENT_NAME, WC_EDIT, "", kEdit, 80, 8, 180, 13 },
    { IDC_STATIC, WC_STATIC, "Default Setting", kChild, 20, 25, 60, 9 },
    { IDC_CONTENT_PRESET, WC_COMBOBOX, "", kDropList, 80, 23, 100, 80 },
    { IDC_CONTENT_VIDEO_GROUP, WC_BUTTON, "Video", kGroupBox, 10, 28, 263, 52 },
    { IDC_CONTENT_RESOLUTION_LABEL, WC_STATIC, "Resolution", kChild, 20, 41, 53, 9 },
    { IDC_CONTENT_RESOLUTION, WC_COMBOBOX, "", kDropList, 80, 39, 60, 60 },
    { IDC_CONTENT_BITRATE_LABEL, WC_STATIC, "Bitrate", kChild, 20, 57, 53, 9 },
    { IDC_CONTENT_BITRATE, WC_EDIT, "", kNumber, 80, 55, 47, 13 },
    { IDC_CONTENT_BITRATE_SPIN, UPDOWN_CLASS, "", kUpDown, 127, 55, 10, 13 },
    { IDC_CONTENT_BPS, WC_STATIC, "bps", kChild, 140, 57, 20, 9 },
    { IDC_CONTENT_ADVANCED, WC_BUTTON, "Advanced", kButton, 200, 55, 60, 13 },
    { IDC_CONTENT_PACKET_SIZE_LABEL, WC_STATIC, "Packet Size", kChild, 20, 71, 53, 9 },
    { IDC_CONTENT_PACKET_SIZE, WC_EDIT, "", kNumber, 80, 71, 37, 13 },
    { IDC_CONTENT_PACKET_SIZE_SPIN, UPDOWN_CLASS, "", kUpDown, 117, 71, 10, 13 },
    { IDC_CONTENT_INTRA_PERCENT_LABEL, WC_STATIC, "Intra Percent", kChild, 143, 71, 53, 9 },
    { IDC_CONTENT_INTRA_PERCENT, WC_EDIT, "", kNumber, 207, 71, 37, 13 },
    { IDC_CONTENT_INTRA_PERCENT_SPIN, UPDOWN_CLASS, "", kUpDown, 244, 71, 10, 13 },
    { IDC_CONTENT_MIN_Q_LABEL, WC_STATIC, "Min. Q", kChild, 20, 86, 53, 9 },
    { IDC_CONTENT_MIN_Q, WC_EDIT, "", kNumber, 80, 86, 37, 13 },
    { IDC_CONTENT_MIN_Q_SPIN, UPDOWN_CLASS, "", kUpDown, 117, 86, 10, 13 },
    { IDC_CONTENT_MAX_Q_LABEL, WC_STATIC, "Max. Q", kChild, 143, 86, 53, 9 },
    { IDC_CONTENT_MAX_Q, WC_EDIT, "", kNumber, 207, 86, 37, 13 },
    { IDC_CONTENT_MAX_Q_SPIN, UPDOWN_CLASS, "", kUpDown, 244, 86, 10, 13 },
    { IDC_CONTENT_INTRA_PERIOD_LABEL, WC_STATIC, "Intra Period", kChild, 20, 101, 53, 9 },
    { IDC_CONTENT_INTRA_PERIOD, WC_EDIT, "", kNumber, 80, 101, 37, 13 },
    { IDC_CONTENT_INTRA_PERIOD_SPIN, UPDOWN_CLASS, "", kUpDown, 117, 101, 10, 13 },
    { IDC_CONTENT_SCENE_THRESHOLD_LABEL, WC_STATIC, "Scene Threshold", kChild, 143, 101, 62, 9 },
    { IDC_CONTENT_SCENE_THRESHOLD, WC_EDIT, "", kNumber, 207, 101, 37, 13 },
    { IDC_CONTENT_SCENE_THRESHOLD_SPIN, UPDOWN_CLASS, "", kUpDown, 244, 101, 10, 13 },
    { IDC_CONTENT_AUDIO_GROUP, WC_BUTTON, "Audio", kGroupBox, 10, 98, 263, 34 },
    { IDC_CONTENT_AUDIO_TYPE_LABEL, WC_STATIC, "Media Type", kChild, 20, 112, 53, 9 },
    { IDC_CONTENT_AUDIO_TYPE, WC_COMBOBOX, "", kDropList, 80, 110, 80, 60 },
    { IDC_CONTENT_AMR_BITRATE, WC_COMBOBOX, "", WS_CHILD | WS_TABSTOP | CBS_DROPDOWNLIST, 170, 110, 60, 80 },
    { IDC_CONTENT_MEDIA_TYPE_LABEL, WC_STATIC, "Media Type", WS_CHILD, 20, 125, 53, 9 },
    { IDC_CONTENT_VIDEO_TYPE, WC_EDIT, "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 80, 125, 60, 13 },
    { IDOK, WC_BUTTON, "OK", kOk, 67, 138, 67, 15 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 153, 138, 67, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_CONTENT, "Content", kModal, 0, 0, 287, 175, kContent },
};

} // namespace

const std::span<const DialogTemplate> kContentDlgTemplates = kTemplates;
