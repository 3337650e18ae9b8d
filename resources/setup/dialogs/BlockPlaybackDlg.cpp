// The block-playback pane: one choice of days.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kBlockPlayback[] = {
    { IDC_BLOCK_PLAYBACK_LABEL, WC_STATIC, "Block Playback(days)", kChild, 0, 4, 80, 8 },
    { IDC_BLOCK_PLAYBACK, WC_COMBOBOX, "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 89, 3, 95,
        100 },
};

const DialogTemplate kTemplates[] = {
    { IDD_BLOCK_PLAYBACK, "", kPane, 0, 0, 190, 20, kBlockPlayback },
};

} // namespace

const std::span<const DialogTemplate> kBlockPlaybackDlgTemplates = kTemplates;
