// The language pane: the list of the program's languages.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogControl kLanguage[] = {
    { IDC_STATIC, WC_STATIC, "Language", kChild, 0, 4, 40, 8 },
    { IDC_LANGUAGE, WC_COMBOBOX, "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 45, 2, 90, 80 },
};

const DialogTemplate kTemplates[] = {
    { IDD_LANGUAGE, "", kPane, 0, 0, 140, 18, kLanguage },
};

} // namespace

const std::span<const DialogTemplate> kLanguageDlgTemplates = kTemplates;
