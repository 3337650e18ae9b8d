// The four-camera recorder's "Event" page; the page places its controls.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kEvent[] = {
    { IDC_EVENT_CAMERA_GROUP, WC_BUTTON, "Camera", kGroup, 9, 9, 50, 199 },
    { IDC_EVENT_CAMERAS, WC_LISTBOX, "", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 15, 20,
        38, 182 },
    { IDC_EVENT_GROUP, WC_BUTTON, "", kGroup, 66, 9, 287, 199 },
    { IDC_EVENT_ALARM_LABEL, WC_STATIC, "Alarm input", kChild, 77, 23, 65, 8 },
    { IDC_EVENT_ALARM_INPUT, WC_BUTTON, "On", kCheck, 150, 23, 40, 10 },
    { IDC_EVENT_MD_LABEL, WC_STATIC, "MD", kChild, 77, 45, 65, 8 },
    { IDC_EVENT_MD, WC_COMBOBOX, "", kList, 150, 42, 73, 60 },
    { IDC_EVENT_AREA_LABEL, WC_STATIC, "MD Area", kChild, 77, 67, 65, 8 },
    { IDC_EVENT_CUSTOM_AREA, WC_BUTTON, "Custom Area", kButton, 150, 64, 73, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE16_EVENT, "Event", kPage, 0, 0, 360, 330, kEvent },
};

} // namespace

const std::span<const DialogTemplate> kPage16EventTemplates = kTemplates;
