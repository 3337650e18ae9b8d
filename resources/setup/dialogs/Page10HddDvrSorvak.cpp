// The disk manager page of a recorder variant.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kDiskManager[] = {
    { IDC_DISK_SETUP_GROUP, WC_BUTTON, "Disk Setup", kGroupBox, 10, 9, 340, 55 },
    { IDC_DISK_RECORDING_MODE_LABEL, WC_STATIC, "Recording Mode", kChild, 25, 25, 100, 9 },
    { IDC_DISK_RECORDING_MODE, WC_COMBOBOX, "", kDropList, 150, 23, 80, 60 },
    { IDC_DISK_FULL_LABEL, WC_STATIC, "Disk full alarm warning", kChild, 25, 43, 100, 9 },
    { IDC_DISK_FULL_WARNING, WC_EDIT, "", kEdit | ES_NUMBER, 150, 41, 40, 13 },
    { IDC_DISK_FULL_SPIN, UPDOWN_CLASS, "", kUpDown, 190, 41, 10, 13 },
    { IDC_BLOCK_PLAYBACK_GROUP, WC_BUTTON, "Block Playback", kGroupBox, 10, 70, 340, 34 },
    { IDC_BLOCK_PLAYBACK_LABEL, WC_STATIC, "Block Playback(days)", kChild, 25, 85, 100, 9 },
    { IDC_BLOCK_PLAYBACK, WC_COMBOBOX, "", kDropList, 150, 83, 80, 120 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE10_HDD_DVR_SORVAK, "Disk manager", kPage, 0, 0, 360, 400, kDiskManager },
};

} // namespace

const std::span<const DialogTemplate> kPage10HddDvrSorvakTemplates = kTemplates;
