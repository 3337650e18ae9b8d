// The NTP pane of a recorder's system page.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kNtp[] = {
    { IDC_NTP_GROUP, WC_BUTTON, "NTP Settings", kChild | BS_GROUPBOX, 0, 0, 341, 70 },
    { IDC_NTP_ENABLE, WC_BUTTON, "Sync with NTP", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 8, 12, 90, 10 },
    { IDC_STATIC, WC_STATIC, "NTP Mode", kChild, 8, 29, 50, 8 },
    { IDC_NTP_MODE, WC_COMBOBOX, "", kList, 62, 27, 70, 60 },
    { IDC_STATIC, WC_STATIC, "NTP Server Loc.", kChild, 150, 29, 60, 8 },
    { IDC_NTP_LOCATION, WC_COMBOBOX, "", kList, 215, 27, 110, 60 },
    { IDC_STATIC, WC_STATIC, "NTP Local Server IP", kChild, 8, 48, 70, 8 },
    { IDC_NTP_ADDRESS, WC_IPADDRESS, "", kEdit, 80, 46, 90, 13 },
    { IDC_STATIC, WC_STATIC, "Interval(min)", kChild, 190, 48, 50, 8 },
    { IDC_NTP_INTERVAL, WC_EDIT, "", kEdit | ES_NUMBER, 245, 46, 50, 13 },
    { IDC_NTP_INTERVAL_SPIN, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
        295, 46, 10, 13 },
};

const DialogTemplate kTemplates[] = {
    { IDD_NTP, "", WS_CHILD, 0, 0, 353, 80, kNtp },
};

} // namespace

const std::span<const DialogTemplate> kNtpDlgTemplates = kTemplates;
