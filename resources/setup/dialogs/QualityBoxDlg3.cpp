// The quality box of a schedule mode; the dialog places its controls itself
// in pixels and puts the live preview at the left.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;

const DialogControl kQualityBox3[] = {
    { IDC_QUALITY_GROUP, WC_BUTTON, "Attenuation", kChild | BS_GROUPBOX, 257, 9, 63, 150 },
    { IDC_QUALITY_LEVEL1, WC_BUTTON, "1", kRadio | WS_GROUP, 280, 34, 27, 15 },
    { IDC_QUALITY_LEVEL2, WC_BUTTON, "2", kRadio, 280, 55, 27, 15 },
    { IDC_QUALITY_LEVEL3, WC_BUTTON, "3", kRadio, 280, 77, 27, 15 },
    { IDC_QUALITY_LEVEL4, WC_BUTTON, "4", kRadio, 280, 98, 27, 15 },
    { IDC_QUALITY_LEVEL5, WC_BUTTON, "5", kRadio, 280, 120, 27, 15 },
    { IDOK, WC_BUTTON, "OK", kOk | WS_GROUP, 47, 163, 67, 18 },
    { IDCANCEL, WC_BUTTON, "Cancel", kButton, 127, 163, 67, 18 },
};

const DialogTemplate kTemplates[] = {
    { IDD_QUALITY_BOX3, "Quality Box Setting", kModal, 0, 0, 333, 190, kQualityBox3 },
};

} // namespace

const std::span<const DialogTemplate> kQualityBoxDlg3Templates = kTemplates;
