// The Security page: the address filter's switch, its policy and ten
// address ranges. The page places its controls at fixed pixels when it
// starts.
#include "platform/ui/IpAddressCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kRadio = kButton | BS_AUTORADIOBUTTON;
constexpr uint32_t kAddress = kChild | WS_TABSTOP | WS_BORDER;

const DialogControl kSecurity[] = {
    { IDC_SECURITY_FILTER_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 10, 9, 340, 215 },
    { IDC_SECURITY_FILTER, WC_BUTTON, "IP Filtering", kCheck, 20, 18, 67, 12 },
    { IDC_SECURITY_POLICY_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 20, 34, 319, 25 },
    { IDC_SECURITY_ALLOW, WC_BUTTON, "Allow", kRadio | WS_GROUP, 113, 43, 47, 12 },
    { IDC_SECURITY_DENY, WC_BUTTON, "Deny", kRadio, 213, 43, 47, 12 },
    { IDC_SECURITY_ROW_FIRST + 0, WC_STATIC, "1", kChild, 27, 73, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 0, WC_BUTTON, "", kCheck, 43, 71, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 1, WC_IPADDRESS, "", kAddress, 63, 71, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 0, WC_STATIC, "-", kChild, 193, 74, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 2, WC_IPADDRESS, "", kAddress, 207, 71, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 1, WC_STATIC, "2", kChild, 27, 87, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 3, WC_BUTTON, "", kCheck, 43, 85, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 4, WC_IPADDRESS, "", kAddress, 63, 85, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 1, WC_STATIC, "-", kChild, 193, 88, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 5, WC_IPADDRESS, "", kAddress, 207, 85, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 2, WC_STATIC, "3", kChild, 27, 102, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 6, WC_BUTTON, "", kCheck, 43, 99, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 7, WC_IPADDRESS, "", kAddress, 63, 99, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 2, WC_STATIC, "-", kChild, 193, 102, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 8, WC_IPADDRESS, "", kAddress, 207, 99, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 3, WC_STATIC, "4", kChild, 27, 116, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 9, WC_BUTTON, "", kCheck, 43, 114, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 10, WC_IPADDRESS, "", kAddress, 63, 114, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 3, WC_STATIC, "-", kChild, 193, 117, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 11, WC_IPADDRESS, "", kAddress, 207, 114, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 4, WC_STATIC, "5", kChild, 27, 130, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 12, WC_BUTTON, "", kCheck, 43, 128, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 13, WC_IPADDRESS, "", kAddress, 63, 128, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 4, WC_STATIC, "-", kChild, 193, 131, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 14, WC_IPADDRESS, "", kAddress, 207, 128, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 5, WC_STATIC, "6", kChild, 27, 145, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 15, WC_BUTTON, "", kCheck, 43, 142, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 16, WC_IPADDRESS, "", kAddress, 63, 142, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 5, WC_STATIC, "-", kChild, 193, 145, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 17, WC_IPADDRESS, "", kAddress, 207, 142, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 6, WC_STATIC, "7", kChild, 27, 159, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 18, WC_BUTTON, "", kCheck, 43, 156, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 19, WC_IPADDRESS, "", kAddress, 63, 156, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 6, WC_STATIC, "-", kChild, 193, 159, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 20, WC_IPADDRESS, "", kAddress, 207, 156, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 7, WC_STATIC, "8", kChild, 27, 173, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 21, WC_BUTTON, "", kCheck, 43, 170, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 22, WC_IPADDRESS, "", kAddress, 63, 170, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 7, WC_STATIC, "-", kChild, 193, 174, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 23, WC_IPADDRESS, "", kAddress, 207, 170, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 8, WC_STATIC, "9", kChild, 27, 187, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 24, WC_BUTTON, "", kCheck, 43, 185, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 25, WC_IPADDRESS, "", kAddress, 63, 185, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 8, WC_STATIC, "-", kChild, 193, 188, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 26, WC_IPADDRESS, "", kAddress, 207, 185, 123, 12 },
    { IDC_SECURITY_ROW_FIRST + 9, WC_STATIC, "10", kChild, 23, 201, 13, 9 },
    { IDC_SECURITY_RANGE_FIRST + 27, WC_BUTTON, "", kCheck, 43, 199, 13, 12 },
    { IDC_SECURITY_RANGE_FIRST + 28, WC_IPADDRESS, "", kAddress, 63, 199, 123, 12 },
    { IDC_SECURITY_DASH_FIRST + 9, WC_STATIC, "-", kChild, 193, 202, 7, 9 },
    { IDC_SECURITY_RANGE_FIRST + 29, WC_IPADDRESS, "", kAddress, 207, 199, 123, 12 },
    // Frame encryption: never shown, never sent.
    { IDC_STATIC, WC_BUTTON, "Frame Encryption", WS_CHILD | WS_DISABLED | BS_GROUPBOX, 10, 235, 340, 40 },
    { IDC_SECURITY_KEY_ENABLE, WC_BUTTON, "Enable", WS_CHILD | WS_DISABLED | WS_TABSTOP | BS_AUTOCHECKBOX, 20,
        250, 50, 10 },
    { IDC_STATIC, WC_STATIC, "Key", WS_CHILD | WS_DISABLED, 80, 251, 20, 8 },
    { IDC_SECURITY_KEY, WC_EDIT, "", WS_CHILD | WS_DISABLED | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 105,
        249, 150, 12 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE9_SECURITY, "Security", kPage, 0, 0, 360, 400, kSecurity },
};

} // namespace

const std::span<const DialogTemplate> kPage9SecurityTemplates = kTemplates;
