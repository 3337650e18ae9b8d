// The recorder's "Alarm Source" page: a frame around the three panes the
// page makes.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kInput[] = {
    { IDC_INPUT_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 7, 3, 347, 282 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE14_DVR_INPUT, "Alarm Source", kPage, 0, 0, 360, 330, kInput },
};

} // namespace

const std::span<const DialogTemplate> kPage14DVRInputTemplates = kTemplates;
