// The relay page of recorders below model class 4: the period tabs, the
// check grid of sources per relay (made by the page) and the special-time
// switch. The page places the controls by the size of its grid.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kRelay[] = {
    { IDC_RELAY_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 9, 7, 343, 150 },
    { IDC_PERIOD_TAB, "SysTabControl32", "", kChild | WS_TABSTOP, 22, 22, 320, 120 },
    { IDC_SPECIAL_TIME_OFF, WC_BUTTON, "Disable in Special Time ", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 37,
        120, 133, 13 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE12_DIO_DVR, "Relay", kPage, 0, 0, 360, 400, kRelay },
};

} // namespace

const std::span<const DialogTemplate> kPage12DioDVRTemplates = kTemplates;
