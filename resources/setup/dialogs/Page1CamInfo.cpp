// The Information page. Every settings page carries its own OK, Cancel and
// Apply; the pages place them at fixed pixels when they start.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kPageInfo[] = {
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE1_CAMINFO, "Information", kPage, 0, 0, 360, 400, kPageInfo },
};

} // namespace

const std::span<const DialogTemplate> kPage1CamInfoTemplates = kTemplates;
