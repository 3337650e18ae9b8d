// The About box.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kAbout[] = {
    { IDC_STATIC, WC_STATIC, "#128", WS_CHILD | WS_VISIBLE | SS_ICON, 11, 17, 20, 20 },
    { IDC_STATIC, WC_STATIC, "Pellmoor Tarnwick Version 1.3.6.0", WS_CHILD | WS_VISIBLE, 40, 10, 134, 8 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50,
        14 },
};

const DialogTemplate kTemplates[] = {
    { IDD_ABOUTBOX, "About Pellmoor Tarnwick", kModal, 0, 0, 235, 55, kAbout },
};

} // namespace

const std::span<const DialogTemplate> kAboutDlgTemplates = kTemplates;
