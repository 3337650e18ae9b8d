// The connectivity page's alarm notification pane.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/SpinButtonCtrl.h"

namespace
{

constexpr uint32_t kCheck = kButton | BS_AUTOCHECKBOX;

const DialogControl kEmail[] = {
    { IDC_EMAIL_STATUS, WC_BUTTON, "Status On", kCheck, 2, 0, 80, 10 },
    { IDC_STATIC, WC_STATIC, "Recipient Address", kChild, 2, 17, 70, 8 },
    { IDC_EMAIL_RECIPIENT, WC_EDIT, "", kEdit, 74, 15, 200, 12 },
    { IDC_STATIC, WC_STATIC, "SMTP Address", kChild, 2, 34, 70, 8 },
    { IDC_EMAIL_SMTP, WC_EDIT, "", kEdit, 74, 32, 200, 12 },
    { IDC_STATIC, WC_STATIC, "Image Attatchment", kChild, 2, 52, 72, 8 },
    { IDC_EMAIL_IMAGES, WC_EDIT, "", kEdit | ES_NUMBER, 74, 50, 25, 12 },
    { IDC_NET_REG_SPIN, UPDOWN_CLASS, "", kChild, 99, 50, 10, 12 },
    { IDC_EMAIL_PSTN, WC_BUTTON, "PSTN Dial Out", kCheck, 2, 73, 80, 10 },
};

const DialogTemplate kTemplates[] = {
    { IDD_EMAIL_ALARM, "", WS_CHILD, 0, 0, 325, 246, kEmail },
};

} // namespace

const std::span<const DialogTemplate> kEmailAlarmDlgTemplates = kTemplates;
