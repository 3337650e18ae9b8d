// The other brand's recording page: the period tabs over the grid of
// rates and qualities (made by the page) and the period's two times. The
// page places the controls at fixed pixels.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogControl kSorvak[] = {
    { IDC_SORVAK_GROUP, WC_BUTTON, "Recording", kChild | BS_GROUPBOX, 9, 3, 343, 165 },
    { IDC_SORVAK_TAB, "SysTabControl32", "", kChild | WS_TABSTOP, 20, 16, 322, 141 },
    { IDC_SORVAK_NORMAL_LABEL, WC_STATIC, "Normal", kChild | SS_CENTER, 49, 38, 94, 9 },
    { IDC_SORVAK_INPUT_LABEL, WC_STATIC, "Input", kChild | SS_CENTER, 143, 38, 94, 9 },
    { IDC_SORVAK_MOTION_LABEL, WC_STATIC, "Motion", kChild | SS_CENTER, 237, 38, 94, 9 },
    { IDC_SORVAK_TIME_LABEL, WC_STATIC, "Recording Time (sec)", kChild, 30, 122, 100, 9 },
    { IDC_SORVAK_TIME, WC_COMBOBOX, "", kList, 133, 120, 67, 123 },
    { IDC_SORVAK_PRE_LABEL, WC_STATIC, "Pre-Event Time (sec)", kChild, 30, 141, 100, 9 },
    { IDC_SORVAK_PRE, WC_COMBOBOX, "", kList, 133, 138, 67, 123 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE8_SCHEDULE_DVR_SORVAK, "Recording", kPage, 0, 0, 360, 400, kSorvak },
};

} // namespace

const std::span<const DialogTemplate> kPage8ScheduleDvrSorvakTemplates = kTemplates;
