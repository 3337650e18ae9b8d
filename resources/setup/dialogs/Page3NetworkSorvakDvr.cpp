// The connectivity page: its tab control and the panes are made by the page.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kConnectivity[] = {
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE3_CONNECTIVITY, "Connectivity", kPage, 0, 0, 360, 400, kConnectivity },
};

} // namespace

const std::span<const DialogTemplate> kPage3NetworkSorvakDvrTemplates = kTemplates;
