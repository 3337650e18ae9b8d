// The audio pane of the recorders' device page; the pane places its
// controls at fixed pixels when it starts.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/Controls.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kAudio[] = {
    { IDC_AUDIO_GAIN_GROUP, WC_BUTTON, "Audio", kChild | BS_GROUPBOX, 0, 0, 322, 47 },
    { IDC_AUDIO_20DB, WC_BUTTON, "+ 20dB", kCheck, 8, 12, 67, 12 },
    { IDC_AUDIO_RECORDING, WC_BUTTON, "Recording", kCheck, 8, 28, 67, 12 },
    { IDC_AUDIO_CHANNEL_LABEL, WC_STATIC, "Sync Audio With", kChild, 87, 14, 70, 10 },
    { IDC_AUDIO_CHANNEL, WC_COMBOBOX, "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 160, 11, 53,
        80 },
    { IDC_AUDIO_GAIN_LABEL, WC_STATIC, "Audio Gain", kChild, 87, 31, 70, 10 },
    { IDC_AUDIO_GAIN, TRACKBAR_CLASS, "", kChild | WS_TABSTOP, 160, 30, 127, 12 },
    { IDC_AUDIO_GAIN_VALUE, WC_STATIC, "0", kChild, 292, 31, 20, 10 },
};

const DialogTemplate kTemplates[] = {
    { IDD_AUDIO, "", kPane, 0, 0, 325, 50, kAudio },
};

} // namespace

const std::span<const DialogTemplate> kAudioDlgTemplates = kTemplates;
