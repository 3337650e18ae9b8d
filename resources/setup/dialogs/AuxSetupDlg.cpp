// The auxiliary outputs of a PTZ camera: sixteen rows of use, name and
// value. The dialog places its controls at fixed pixels when it starts.
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAuxSetup[] = {
    { IDC_AUX_USE_HEADER, WC_STATIC, "Use", kChild | SS_CENTER, 1, 4, 24, 15 },
    { IDC_AUX_NAME_HEADER, WC_STATIC, "Name", kChild | SS_CENTER, 27, 4, 145, 15 },
    { IDC_AUX_VALUE_HEADER, WC_STATIC, "Value", kChild | SS_CENTER, 172, 4, 40, 15 },
    { IDC_AUX_USE_FIRST + 0, WC_BUTTON, "1", kButton | BS_AUTOCHECKBOX, 0, 20, 24, 15 },
    { IDC_AUX_NAME_FIRST + 0, WC_EDIT, "", kEdit, 29, 20, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 0, WC_EDIT, "", kEdit | ES_NUMBER, 172, 20, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 0, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 20, 7, 15 },
    { IDC_AUX_USE_FIRST + 1, WC_BUTTON, "2", kButton | BS_AUTOCHECKBOX, 0, 36, 24, 15 },
    { IDC_AUX_NAME_FIRST + 1, WC_EDIT, "", kEdit, 29, 36, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 1, WC_EDIT, "", kEdit | ES_NUMBER, 172, 36, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 1, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 36, 7, 15 },
    { IDC_AUX_USE_FIRST + 2, WC_BUTTON, "3", kButton | BS_AUTOCHECKBOX, 0, 52, 24, 15 },
    { IDC_AUX_NAME_FIRST + 2, WC_EDIT, "", kEdit, 29, 52, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 2, WC_EDIT, "", kEdit | ES_NUMBER, 172, 52, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 2, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 52, 7, 15 },
    { IDC_AUX_USE_FIRST + 3, WC_BUTTON, "4", kButton | BS_AUTOCHECKBOX, 0, 68, 24, 15 },
    { IDC_AUX_NAME_FIRST + 3, WC_EDIT, "", kEdit, 29, 68, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 3, WC_EDIT, "", kEdit | ES_NUMBER, 172, 68, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 3, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 68, 7, 15 },
    { IDC_AUX_USE_FIRST + 4, WC_BUTTON, "5", kButton | BS_AUTOCHECKBOX, 0, 84, 24, 15 },
    { IDC_AUX_NAME_FIRST + 4, WC_EDIT, "", kEdit, 29, 84, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 4, WC_EDIT, "", kEdit | ES_NUMBER, 172, 84, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 4, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 84, 7, 15 },
    { IDC_AUX_USE_FIRST + 5, WC_BUTTON, "6", kButton | BS_AUTOCHECKBOX, 0, 100, 24, 15 },
    { IDC_AUX_NAME_FIRST + 5, WC_EDIT, "", kEdit, 29, 100, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 5, WC_EDIT, "", kEdit | ES_NUMBER, 172, 100, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 5, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 100, 7, 15 },
    { IDC_AUX_USE_FIRST + 6, WC_BUTTON, "7", kButton | BS_AUTOCHECKBOX, 0, 116, 24, 15 },
    { IDC_AUX_NAME_FIRST + 6, WC_EDIT, "", kEdit, 29, 116, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 6, WC_EDIT, "", kEdit | ES_NUMBER, 172, 116, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 6, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 116, 7, 15 },
    { IDC_AUX_USE_FIRST + 7, WC_BUTTON, "8", kButton | BS_AUTOCHECKBOX, 0, 132, 24, 15 },
    { IDC_AUX_NAME_FIRST + 7, WC_EDIT, "", kEdit, 29, 132, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 7, WC_EDIT, "", kEdit | ES_NUMBER, 172, 132, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 7, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 132, 7, 15 },
    { IDC_AUX_USE_FIRST + 8, WC_BUTTON, "9", kButton | BS_AUTOCHECKBOX, 0, 148, 24, 15 },
    { IDC_AUX_NAME_FIRST + 8, WC_EDIT, "", kEdit, 29, 148, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 8, WC_EDIT, "", kEdit | ES_NUMBER, 172, 148, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 8, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 148, 7, 15 },
    { IDC_AUX_USE_FIRST + 9, WC_BUTTON, "10", kButton | BS_AUTOCHECKBOX, 0, 164, 24, 15 },
    { IDC_AUX_NAME_FIRST + 9, WC_EDIT, "", kEdit, 29, 164, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 9, WC_EDIT, "", kEdit | ES_NUMBER, 172, 164, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 9, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 164, 7, 15 },
    { IDC_AUX_USE_FIRST + 10, WC_BUTTON, "11", kButton | BS_AUTOCHECKBOX, 0, 180, 24, 15 },
    { IDC_AUX_NAME_FIRST + 10, WC_EDIT, "", kEdit, 29, 180, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 10, WC_EDIT, "", kEdit | ES_NUMBER, 172, 180, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 10, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 180, 7, 15 },
    { IDC_AUX_USE_FIRST + 11, WC_BUTTON, "12", kButton | BS_AUTOCHECKBOX, 0, 196, 24, 15 },
    { IDC_AUX_NAME_FIRST + 11, WC_EDIT, "", kEdit, 29, 196, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 11, WC_EDIT, "", kEdit | ES_NUMBER, 172, 196, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 11, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 196, 7, 15 },
    { IDC_AUX_USE_FIRST + 12, WC_BUTTON, "13", kButton | BS_AUTOCHECKBOX, 0, 212, 24, 15 },
    { IDC_AUX_NAME_FIRST + 12, WC_EDIT, "", kEdit, 29, 212, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 12, WC_EDIT, "", kEdit | ES_NUMBER, 172, 212, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 12, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 212, 7, 15 },
    { IDC_AUX_USE_FIRST + 13, WC_BUTTON, "14", kButton | BS_AUTOCHECKBOX, 0, 228, 24, 15 },
    { IDC_AUX_NAME_FIRST + 13, WC_EDIT, "", kEdit, 29, 228, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 13, WC_EDIT, "", kEdit | ES_NUMBER, 172, 228, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 13, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 228, 7, 15 },
    { IDC_AUX_USE_FIRST + 14, WC_BUTTON, "15", kButton | BS_AUTOCHECKBOX, 0, 244, 24, 15 },
    { IDC_AUX_NAME_FIRST + 14, WC_EDIT, "", kEdit, 29, 244, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 14, WC_EDIT, "", kEdit | ES_NUMBER, 172, 244, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 14, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 244, 7, 15 },
    { IDC_AUX_USE_FIRST + 15, WC_BUTTON, "16", kButton | BS_AUTOCHECKBOX, 0, 260, 24, 15 },
    { IDC_AUX_NAME_FIRST + 15, WC_EDIT, "", kEdit, 29, 260, 140, 15 },
    { IDC_AUX_VALUE_FIRST + 15, WC_EDIT, "", kEdit | ES_NUMBER, 172, 260, 40, 15 },
    { IDC_AUX_SPIN_FIRST + 15, UPDOWN_CLASS, "", kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 212, 260, 7, 15 },
    { IDOK, WC_BUTTON, "OK", kOk, 100, 290, 53, 16 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 157, 290, 53, 16 },
};

const DialogTemplate kTemplates[] = {
    { IDD_AUX_SETUP, "Auxiliary Setup", kModal, 0, 0, 220, 310, kAuxSetup },
};

} // namespace

const std::span<const DialogTemplate> kAuxSetupDlgTemplates = kTemplates;
