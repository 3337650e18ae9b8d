// The time synchronisation pane of the other-brand recorder's system page.
// The server location and the interval are kept, hidden.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kTimeSync[] = {
    { IDC_NTP_ENABLE, WC_BUTTON, "Enable network time server", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 8, 8,
        130, 10 },
    { IDC_STATIC, WC_STATIC, "IP address", kChild, 8, 26, 60, 8 },
    { IDC_NTP_ADDRESS, WC_IPADDRESS, "", kEdit, 110, 24, 90, 13 },
    { IDC_STATIC, WC_STATIC, "Synchronize between DVR's", kChild, 8, 44, 100, 8 },
    { IDC_NTP_MODE, WC_COMBOBOX, "", kList, 110, 42, 70, 60 },
    { IDC_NTP_LOCATION, WC_COMBOBOX, "", WS_CHILD | CBS_DROPDOWNLIST, 210, 42, 70, 60 },
    { IDC_NTP_INTERVAL, WC_EDIT, "", WS_CHILD | WS_BORDER | ES_NUMBER, 210, 24, 50, 13 },
    { IDC_NTP_INTERVAL_SPIN, UPDOWN_CLASS, "", WS_CHILD | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 260, 24, 10,
        13 },
};

const DialogTemplate kTemplates[] = {
    { IDD_TIME_SYNC, "", WS_CHILD, 0, 0, 300, 62, kTimeSync },
};

} // namespace

const std::span<const DialogTemplate> kTimeSyncDlgTemplates = kTemplates;
