// The text insertion panes: the recorders' (with its group box) and the
// other brand's system page's. The panes place their controls at fixed
// pixels when they start.
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

#define TEXT_INSERT_CONTROLS                                                                                 \
    { IDC_TEXT_RECORDING, WC_BUTTON, "Recording", kCheck, 2, 1, 100, 12 },                                   \
        { IDC_TEXT_MONITORING, WC_BUTTON, "Monitoring", kCheck, 2, 18, 100, 12 },                            \
        { IDC_TEXT_SYNC_LABEL, WC_STATIC, "Sync Text With", kChild, 2, 36, 60, 10 },                         \
        { IDC_TEXT_SYNC, WC_COMBOBOX, "", kList, 65, 34, 47, 74 },                                           \
        { IDC_TEXT_DEVICE_LABEL, WC_STATIC, "Device", kChild, 2, 55, 60, 10 },                               \
        { IDC_TEXT_DEVICE, WC_COMBOBOX, "", kList, 66, 53, 103, 74 },                                        \
        { IDC_TEXT_SEEK_HEADER, WC_BUTTON, "Seek Header", kCheck, 2, 71, 100, 12 },                          \
        { IDC_TEXT_FIRST_HEADER_LABEL, WC_STATIC, "Header1", kChild, 15, 89, 50, 10 },                       \
        { IDC_TEXT_FIRST_HEADER, WC_EDIT, "", kEdit, 67, 86, 103, 14 },                                      \
        { IDC_TEXT_SECOND_HEADER_LABEL, WC_STATIC, "Header2", kChild, 15, 106, 50, 10 },                     \
        { IDC_TEXT_SECOND_HEADER, WC_EDIT, "", kEdit, 67, 104, 103, 14 },                                    \
        { IDC_TEXT_DELIMITER_LABEL, WC_STATIC, "Delimiter(Hex)", kChild, 2, 130, 63, 10 },                   \
        { IDC_TEXT_DELIMITER, WC_EDIT, "", kEdit, 67, 127, 103, 14 },                                        \
        { IDC_TEXT_TIMEOUT_LABEL, WC_STATIC, "Timeout(ms)", kChild, 2, 147, 63, 10 },                        \
        { IDC_TEXT_TIMEOUT, WC_EDIT, "", kEdit | ES_NUMBER, 67, 145, 61, 14 },                               \
        { IDC_TEXT_TIMEOUT_SPIN, UPDOWN_CLASS, "", kChild, 128, 145, 11, 14 },                               \
        { IDC_TEXT_LINES_LABEL, WC_STATIC, "Lines", kChild, 2, 167, 63, 10 },                                \
        { IDC_TEXT_LINES, WC_EDIT, "", kEdit | ES_NUMBER, 67, 164, 36, 14 },                                 \
        { IDC_TEXT_LINES_SPIN, UPDOWN_CLASS, "", kChild, 103, 164, 11, 14 },

const DialogControl kTextInsert[]
    = { { IDC_TEXT_GROUP, WC_BUTTON, "Text", kChild | BS_GROUPBOX, 0, 0, 322, 98 }, TEXT_INSERT_CONTROLS };

const DialogControl kTextInsert2[] = { TEXT_INSERT_CONTROLS };

const DialogTemplate kTemplates[] = {
    { IDD_TEXT_INSERT, "", kPane, 0, 0, 330, 190, kTextInsert },
    { IDD_TEXT_INSERT2, "", kPane, 0, 0, 325, 246, kTextInsert2 },
};

} // namespace

const std::span<const DialogTemplate> kTextInsertDlgTemplates = kTemplates;
