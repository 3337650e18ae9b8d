// The relay time table of family 0's one relay output.
#include "platform/ui/DateTimeCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kPicker = kChild | WS_TABSTOP | WS_BORDER | DTS_TIMEFORMAT;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kRelayTable[] = {
    { IDC_STATIC, WC_STATIC, "Time Table", kChild, 5, 8, 60, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 106, 8, 10, 10 },
    { IDC_SCHEDULE_START1, DATETIMEPICK_CLASS, "", kPicker | WS_DISABLED, 82, 19, 56, 13 },
    { IDC_SCHEDULE_END1, DATETIMEPICK_CLASS, "", kPicker, 82, 34, 56, 13 },
    { IDC_STATIC, WC_STATIC, "2", kChild, 166, 8, 10, 10 },
    { IDC_SCHEDULE_START2, DATETIMEPICK_CLASS, "", kPicker | WS_DISABLED, 142, 19, 56, 13 },
    { IDC_SCHEDULE_END2, DATETIMEPICK_CLASS, "", kPicker, 142, 34, 56, 13 },
    { IDC_STATIC, WC_STATIC, "3", kChild, 226, 8, 10, 10 },
    { IDC_SCHEDULE_START3, DATETIMEPICK_CLASS, "", kPicker | WS_DISABLED, 202, 19, 56, 13 },
    { IDC_SCHEDULE_END3, DATETIMEPICK_CLASS, "", kPicker, 202, 34, 56, 13 },
    { IDC_STATIC, WC_STATIC, "4", kChild, 286, 8, 10, 10 },
    { IDC_SCHEDULE_START4, DATETIMEPICK_CLASS, "", kPicker | WS_DISABLED, 262, 19, 56, 13 },
    { IDC_SCHEDULE_END4, DATETIMEPICK_CLASS, "", kPicker, 262, 34, 56, 13 },
    { IDC_STATIC, WC_STATIC, "5", kChild, 346, 8, 10, 10 },
    { IDC_SCHEDULE_START5, DATETIMEPICK_CLASS, "", kPicker | WS_DISABLED, 322, 19, 56, 13 },
    { IDC_SCHEDULE_END5, DATETIMEPICK_CLASS, "", kPicker, 322, 34, 56, 13 },
    { IDC_STATIC, WC_BUTTON, "Relay Output Trigger", kChild | BS_GROUPBOX, 3, 52, 386, 114 },
    { IDC_STATIC, WC_STATIC, "Relay Output", kChild, 8, 64, 70, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 84, 64, 8, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 144, 64, 8, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 204, 64, 8, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 264, 64, 8, 10 },
    { IDC_STATIC, WC_STATIC, "1", kChild, 324, 64, 8, 10 },
    { IDC_STATIC, WC_STATIC, "Motion Detect CH1", kChild, 8, 76, 74, 10 },
    { IDC_RELAY_MD1_P1_R1, WC_BUTTON, "", kCheck, 82, 76, 10, 10 },
    { IDC_RELAY_MD1_P2_R1, WC_BUTTON, "", kCheck, 142, 76, 10, 10 },
    { IDC_RELAY_MD1_P3_R1, WC_BUTTON, "", kCheck, 202, 76, 10, 10 },
    { IDC_RELAY_MD1_P4_R1, WC_BUTTON, "", kCheck, 262, 76, 10, 10 },
    { IDC_RELAY_MD1_P5_R1, WC_BUTTON, "", kCheck, 322, 76, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Motion Detect CH2", kChild, 8, 88, 74, 10 },
    { IDC_RELAY_MD2_P1_R1, WC_BUTTON, "", kCheck, 82, 88, 10, 10 },
    { IDC_RELAY_MD2_P2_R1, WC_BUTTON, "", kCheck, 142, 88, 10, 10 },
    { IDC_RELAY_MD2_P3_R1, WC_BUTTON, "", kCheck, 202, 88, 10, 10 },
    { IDC_RELAY_MD2_P4_R1, WC_BUTTON, "", kCheck, 262, 88, 10, 10 },
    { IDC_RELAY_MD2_P5_R1, WC_BUTTON, "", kCheck, 322, 88, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Motion Detect CH3", kChild, 8, 100, 74, 10 },
    { IDC_RELAY_MD3_P1_R1, WC_BUTTON, "", kCheck, 82, 100, 10, 10 },
    { IDC_RELAY_MD3_P2_R1, WC_BUTTON, "", kCheck, 142, 100, 10, 10 },
    { IDC_RELAY_MD3_P3_R1, WC_BUTTON, "", kCheck, 202, 100, 10, 10 },
    { IDC_RELAY_MD3_P4_R1, WC_BUTTON, "", kCheck, 262, 100, 10, 10 },
    { IDC_RELAY_MD3_P5_R1, WC_BUTTON, "", kCheck, 322, 100, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Motion Detect CH4", kChild, 8, 112, 74, 10 },
    { IDC_RELAY_MD4_P1_R1, WC_BUTTON, "", kCheck, 82, 112, 10, 10 },
    { IDC_RELAY_MD4_P2_R1, WC_BUTTON, "", kCheck, 142, 112, 10, 10 },
    { IDC_RELAY_MD4_P3_R1, WC_BUTTON, "", kCheck, 202, 112, 10, 10 },
    { IDC_RELAY_MD4_P4_R1, WC_BUTTON, "", kCheck, 262, 112, 10, 10 },
    { IDC_RELAY_MD4_P5_R1, WC_BUTTON, "", kCheck, 322, 112, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Sensor Input1", kChild, 8, 124, 74, 10 },
    { IDC_RELAY_S1_P1_R1, WC_BUTTON, "", kCheck, 82, 124, 10, 10 },
    { IDC_RELAY_S1_P2_R1, WC_BUTTON, "", kCheck, 142, 124, 10, 10 },
    { IDC_RELAY_S1_P3_R1, WC_BUTTON, "", kCheck, 202, 124, 10, 10 },
    { IDC_RELAY_S1_P4_R1, WC_BUTTON, "", kCheck, 262, 124, 10, 10 },
    { IDC_RELAY_S1_P5_R1, WC_BUTTON, "", kCheck, 322, 124, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Sensor Input2", kChild, 8, 136, 74, 10 },
    { IDC_RELAY_S2_P1_R1, WC_BUTTON, "", kCheck, 82, 136, 10, 10 },
    { IDC_RELAY_S2_P2_R1, WC_BUTTON, "", kCheck, 142, 136, 10, 10 },
    { IDC_RELAY_S2_P3_R1, WC_BUTTON, "", kCheck, 202, 136, 10, 10 },
    { IDC_RELAY_S2_P4_R1, WC_BUTTON, "", kCheck, 262, 136, 10, 10 },
    { IDC_RELAY_S2_P5_R1, WC_BUTTON, "", kCheck, 322, 136, 10, 10 },
    { IDC_STATIC, WC_STATIC, "Manual", kChild, 8, 148, 74, 10 },
    { IDC_RELAY_MANUAL_P1_R1, WC_BUTTON, "", kCheck, 82, 148, 10, 10 },
    { IDC_RELAY_MANUAL_P2_R1, WC_BUTTON, "", kCheck, 142, 148, 10, 10 },
    { IDC_RELAY_MANUAL_P3_R1, WC_BUTTON, "", kCheck, 202, 148, 10, 10 },
    { IDC_RELAY_MANUAL_P4_R1, WC_BUTTON, "", kCheck, 262, 148, 10, 10 },
    { IDC_RELAY_MANUAL_P5_R1, WC_BUTTON, "", kCheck, 322, 148, 10, 10 },
    { IDOK, WC_BUTTON, "OK", kOk | WS_DISABLED, 280, 174, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 336, 174, 50, 14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_RELAY_TABLE2, "Relay", kModal, 0, 0, 392, 196, kRelayTable },
};

} // namespace

const std::span<const DialogTemplate> kRelayTableDlg2Templates = kTemplates;
