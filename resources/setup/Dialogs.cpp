// The program's dialog templates (rectangles in dialog units).
#include "resources/setup/SetupResources.h"

#include "platform/base/Services.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

namespace
{

constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

const DialogControl kAbout[] = {
    { IDC_STATIC, WC_STATIC, "#128", WS_CHILD | WS_VISIBLE | SS_ICON, 11, 17, 20, 20 },
    { IDC_STATIC, WC_STATIC, "Pellmoor Tarnwick Version 1.3.6.0", WS_CHILD | WS_VISIBLE, 40, 10, 119, 8 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50,
        14 },
};

constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr uint32_t kPortEdit = kEdit | ES_RIGHT;
constexpr uint32_t kOk = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kButton = kChild | WS_TABSTOP;

// The device tree's dialogs.
const DialogControl kNewFolder[] = {
    { IDC_STATIC, WC_STATIC, "Folder Name", kChild, 7, 9, 50, 8 },
    { 1001, WC_EDIT, "", kEdit, 60, 7, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 72, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 127, 28, 50, 14 },
};

const DialogControl kAddRegServer[] = {
    { IDC_STATIC, WC_STATIC, "Registration Server", kChild, 7, 9, 70, 8 },
    { 1167, WC_EDIT, "", kEdit, 80, 7, 117, 14 },
    { IDC_STATIC, WC_STATIC, "ID", WS_CHILD | WS_DISABLED, 7, 27, 70, 8 },
    { 1168, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL, 80, 25, 117, 14 },
    { IDC_STATIC, WC_STATIC, "Password", WS_CHILD | WS_DISABLED, 7, 45, 70, 8 },
    { 1169, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD, 80, 43, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 92, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 147, 28, 50, 14 },
};

const DialogControl kAddGroupId[] = {
    { IDC_STATIC, WC_STATIC, "Group ID", kChild, 7, 9, 40, 8 },
    { 1199, WC_EDIT, "", kEdit, 50, 7, 117, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 62, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 117, 28, 50, 14 },
};

const DialogControl kFirewallPort[] = {
    { IDC_STATIC, WC_STATIC, "Port Number", kChild, 7, 9, 50, 8 },
    { 1171, WC_EDIT, "", kPortEdit, 60, 7, 60, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 15, 28, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 70, 28, 50, 14 },
};

const DialogControl kNormalPortAssign[] = {
    { IDC_STATIC, WC_STATIC, "Monitor Port", kChild, 7, 9, 50, 8 },
    { 1805, WC_EDIT, "", kPortEdit, 60, 7, 60, 14 },
    { IDC_STATIC, WC_STATIC, "Playback Port", kChild, 7, 27, 50, 8 },
    { 1806, WC_EDIT, "", kPortEdit, 60, 25, 60, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 15, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 70, 46, 50, 14 },
};

const DialogControl kPortAssign[] = {
    { IDC_STATIC, WC_BUTTON, "Port Assignment", kChild | BS_GROUPBOX, 7, 4, 150, 30 },
    { 1804, WC_BUTTON, "Normal", kButton | WS_GROUP | BS_AUTORADIOBUTTON, 14, 16, 40, 10 },
    { 1805, WC_BUTTON, "Firewall", kChild | BS_AUTORADIOBUTTON, 58, 16, 40, 10 },
    { 1352, WC_BUTTON, "Advanced", kButton | WS_GROUP, 102, 14, 50, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 52, 40, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 107, 40, 50, 14 },
};

const DialogControl kAddDvr[] = {
    { IDC_STATIC, WC_STATIC, "DVR Address", kChild, 7, 9, 45, 8 },
    { 1565, WC_EDIT, "", kEdit, 55, 7, 120, 14 },
    { 1001, WC_BUTTON, "Start Probe", kButton, 180, 7, 55, 14 },
    { 1072, WC_EDIT, "", kChild | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 7, 26, 228, 60 },
    { IDC_STATIC, WC_BUTTON, "Port Assignment", kChild | BS_GROUPBOX, 7, 90, 228, 28 },
    { 1804, WC_BUTTON, "Normal", kButton | WS_GROUP | BS_AUTORADIOBUTTON, 14, 102, 50, 10 },
    { 1805, WC_BUTTON, "Firewall", kChild | BS_AUTORADIOBUTTON, 70, 102, 50, 10 },
    { 1352, WC_BUTTON, "Advanced", kButton | WS_GROUP, 180, 100, 50, 14 },
    { IDOK, WC_BUTTON, "Add", kOk, 130, 124, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 185, 124, 50, 14 },
};

const DialogControl kIpAddress[] = {
    { IDC_STATIC, WC_STATIC, "IP Address", kChild, 7, 9, 45, 8 },
    { 1373, WC_EDIT, "", kEdit, 55, 7, 100, 14 },
    { IDC_STATIC, WC_STATIC, "Password", kChild, 7, 27, 45, 8 },
    { 1374, WC_EDIT, "", kEdit | ES_PASSWORD, 55, 25, 100, 14 },
    { IDOK, WC_BUTTON, "OK", kOk, 50, 46, 50, 14 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 105, 46, 50, 14 },
};

const DialogControl kIpChangeWait[] = {
    { 1156, WC_STATIC, "IP Address is being changed.", kChild | SS_CENTER, 0, 4, 240, 8 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_DISABLED, 0, 0, 6, 6 },
    { IDCANCEL, WC_BUTTON, "Cancel", WS_CHILD | WS_DISABLED, 6, 0, 6, 6 },
};

// Every settings page carries its own OK (1273), Cancel (1272) and Apply
// (1271); the pages place them at fixed pixels when they start.
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION;
const DialogControl kPageInfo[] = {
    { 1273, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { 1272, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { 1271, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

// The dial-up progress; OK exists only for the dialog's own ending.
const DialogControl kDialUpProgress[] = {
    { 1074, WC_STATIC, "All devices in the device chain have successfully connected.", kChild, 12, 12, 206, 18 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 90, 38, 50, 14 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_DISABLED | BS_DEFPUSHBUTTON, 160, 38, 50, 14 },
};

const DialogTemplate kDialogs[] = {
    { 130, "Information", kPage, 0, 0, 360, 400, kPageInfo },
    { 146, "Connecting Dial-up Connection...", kModal, 0, 0, 230, 60, kDialUpProgress },
    { IDD_ABOUTBOX, "About Pellmoor Tarnwick", kModal, 0, 0, 235, 55, kAbout },
    { 162, "", WS_POPUP | WS_BORDER, 0, 0, 240, 16, kIpChangeWait },
    { 164, "Add ZPT", kModal, 0, 0, 204, 48, kAddRegServer },
    { 169, "Add Group ID", kModal, 0, 0, 174, 48, kAddGroupId },
    { 183, "New Folder", kModal, 0, 0, 184, 48, kNewFolder },
    { 215, "IP Address", kModal, 0, 0, 162, 66, kIpAddress },
    { 312, "Add New DVR", kModal, 0, 0, 242, 145, kAddDvr },
    { 373, "Firewall Port Assignment", kModal, 0, 0, 127, 48, kFirewallPort },
    { 374, "Normal Port Assignment", kModal, 0, 0, 127, 66, kNormalPortAssign },
    { 375, "Port Assignment", kModal, 0, 0, 164, 60, kPortAssign },
};

} // namespace

std::span<const DialogTemplate> SetupDialogs()
{
    return kDialogs;
}
