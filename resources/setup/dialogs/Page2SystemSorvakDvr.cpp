// The other brand's system page: the tab control and its panes are made by
// the page when it starts.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kSystemSorvak[] = {
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE2_SYSTEM_SORVAK, "System Settings", kPage, 0, 0, 360, 400, kSystemSorvak },
};

} // namespace

const std::span<const DialogTemplate> kPage2SystemSorvakDvrTemplates = kTemplates;
