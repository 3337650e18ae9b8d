// The channel option page: its two lists are made when it starts.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kPageChnl[] = {
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE5_CHNL, "Channel", kPage, 0, 0, 360, 400, kPageChnl },
};

} // namespace

const std::span<const DialogTemplate> kPage5ChnlTemplates = kTemplates;
