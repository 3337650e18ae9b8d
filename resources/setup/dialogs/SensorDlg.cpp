// The sensor pane of the alarm-source page; its grid is made by the pane.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kSensor[] = {
    { IDC_SENSOR_GROUP, WC_BUTTON, "Sensor", kChild | BS_GROUPBOX, 2, 2, 329, 64 },
    { IDC_SENSOR_GLOBAL_LABEL, WC_STATIC, "Global", kChild, 9, 15, 30, 8 },
    { IDC_SENSOR_GLOBAL, WC_COMBOBOX, "", kList, 42, 13, 50, 50 },
    { IDC_SENSOR_APPLY, WC_BUTTON, "Apply", kButton, 98, 12, 40, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_SENSOR, "", kPane, 0, 0, 333, 68, kSensor },
};

} // namespace

const std::span<const DialogTemplate> kSensorDlgTemplates = kTemplates;
