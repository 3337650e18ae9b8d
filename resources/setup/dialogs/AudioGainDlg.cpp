// The audio pane of the other brand's recorder system page; the pane places
// its controls at fixed pixels when it starts.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/Controls.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kAudioGain[] = {
    { IDC_AUDIO_GAIN_GROUP, WC_BUTTON, "Audio", kChild | BS_GROUPBOX, 0, 0, 55, 246 },
    { IDC_AUDIO_INPUTS, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 5, 11, 43,
        227 },
    { IDC_AUDIO_MONITORING, WC_BUTTON, "Monitoring", kCheck, 71, 8, 70, 10 },
    { IDC_AUDIO_RECORDING, WC_BUTTON, "Recording", kCheck, 71, 25, 70, 10 },
    { IDC_AUDIO_GAIN_LABEL, WC_STATIC, "Audio Gain", kChild, 73, 44, 57, 8 },
    { IDC_AUDIO_GAIN, TRACKBAR_CLASS, "", kChild | WS_TABSTOP, 135, 44, 72, 10 },
    { IDC_AUDIO_GAIN_VALUE, WC_STATIC, "0", kChild, 211, 44, 13, 8 },
    { IDC_AUDIO_CHANNEL_LABEL, WC_STATIC, "Video Channel", kChild, 73, 64, 57, 8 },
    { IDC_AUDIO_CHANNEL, WC_COMBOBOX, "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 135, 62, 55,
        80 },
};

const DialogTemplate kTemplates[] = {
    { IDD_AUDIO_GAIN, "", kPane, 0, 0, 325, 246, kAudioGain },
};

} // namespace

const std::span<const DialogTemplate> kAudioGainDlgTemplates = kTemplates;
