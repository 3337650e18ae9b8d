// The recorder's HDD page: its partitions, the backup reminder and how full
// its disk is. The page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kHddDvr[] = {
    { IDC_DVR_PARTITION_GROUP, WC_BUTTON, "Auto Deletion", kGroupBox, 9, 9, 345, 34 },
    { IDC_DVR_NORMAL_PARTITION, WC_BUTTON, "Normal Partition", kCheckBox, 23, 23, 87, 10 },
    { IDC_DVR_ALARM_PARTITION, WC_BUTTON, "Alarm Partition", kCheckBox, 132, 23, 87, 10 },
    { IDC_DVR_REMINDER_GROUP, WC_BUTTON, "Backup Reminder", kGroupBox, 9, 47, 345, 41 },
    { IDC_DVR_REMINDER_MODE, WC_COMBOBOX, "", kDropList, 24, 61, 81, 80 },
    { IDC_DVR_REMINDER_TIME, DATETIMEPICK_CLASS, "", kTimePicker, 119, 61, 47, 14 },
    { IDC_DVR_REMINDER_WEEKDAY, WC_COMBOBOX, "", kDropList, 119, 61, 81, 100 },
    { IDC_DVR_REMINDER_DAY, WC_EDIT, "1", kEdit | ES_NUMBER, 119, 61, 40, 14 },
    { IDC_DVR_REMINDER_DAY_SPIN, UPDOWN_CLASS, "", kUpDown, 159, 61, 11, 14 },
    { IDC_DVR_STATUS_GROUP, WC_BUTTON, "HDD Status", kGroupBox, 9, 93, 345, 155 },
    { IDC_HDD_USED_CAPTION, WC_STATIC, "Used size :", kChild, 39, 117, 87, 8 },
    { IDC_HDD_USED_MB, WC_STATIC, "0", kChild | SS_RIGHT, 91, 119, 47, 8 },
    { IDC_HDD_USED_UNIT, WC_STATIC, "Mbyte,", kChild, 149, 117, 24, 8 },
    { IDC_HDD_USED_PERCENT, WC_STATIC, "0", kChild | SS_RIGHT, 175, 117, 13, 8 },
    { IDC_HDD_USED_PERCENT_SIGN, WC_STATIC, "%", kChild, 191, 117, 8, 8 },
    { IDC_HDD_FREE_CAPTION, WC_STATIC, "Free size :", kChild, 39, 132, 87, 8 },
    { IDC_HDD_FREE_MB, WC_STATIC, "0", kChild | SS_RIGHT, 91, 133, 47, 8 },
    { IDC_HDD_FREE_UNIT, WC_STATIC, "Mbyte,", kChild, 149, 132, 24, 8 },
    { IDC_HDD_FREE_PERCENT, WC_STATIC, "0", kChild | SS_RIGHT, 175, 132, 13, 8 },
    { IDC_HDD_FREE_PERCENT_SIGN, WC_STATIC, "%", kChild, 191, 132, 8, 8 },
    { IDC_HDD_TOTAL_CAPTION, WC_STATIC, "Total size :", kChild, 39, 162, 87, 8 },
    { IDC_HDD_TOTAL_MB, WC_STATIC, "0", kChild | SS_RIGHT, 91, 162, 47, 8 },
    { IDC_HDD_TOTAL_UNIT, WC_STATIC, "Mbyte", kChild, 149, 162, 24, 8 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE10_HDD_DVR, "HDD", kPage, 0, 0, 360, 400, kHddDvr },
};

} // namespace

const std::span<const DialogTemplate> kPage10HddDVRTemplates = kTemplates;
