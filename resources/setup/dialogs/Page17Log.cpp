// The System Log page: a group box around the log list, which the page makes
// when it starts.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kLog[] = {
    { IDC_LOG_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 9, 7, 343, 292 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE17_LOG, "System Log", kPage, 0, 0, 360, 400, kLog },
};

} // namespace

const std::span<const DialogTemplate> kPage17LogTemplates = kTemplates;
