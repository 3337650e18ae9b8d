// The notice while a disk is formatted.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

// The notice while a disk is formatted: one centred line, no caption; OK
// and Cancel exist only to end it.
const DialogControl kHddFormat[] = {
    { IDC_HDD_FORMAT_MESSAGE, WC_STATIC, "", kChild | SS_CENTER | SS_CENTERIMAGE, 0, 0, 172, 25 },
    { IDOK, WC_BUTTON, "OK", WS_CHILD, 0, 0, 6, 6 },
    { IDCANCEL, WC_BUTTON, "Cancel", WS_CHILD, 6, 0, 6, 6 },
};

const DialogTemplate kTemplates[] = {
    { IDD_HDD_FORMAT, "", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 172, 25, kHddFormat },
};

} // namespace

const std::span<const DialogTemplate> kHddFormatDlgTemplates = kTemplates;
