// The network camera pane of the recorder's camera page.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kIpCamera[] = {
    { -1, WC_STATIC, "Type", kChild, 4, 4, 60, 8 },
    { IDC_IPCAM_TYPE, WC_COMBOBOX, "", kList, 68, 2, 110, 60 },
    { -1, WC_STATIC, "IP Address(URL)", kChild, 4, 19, 60, 8 },
    { IDC_IPCAM_SOURCE, WC_EDIT, "", kEdit, 68, 17, 185, 12 },
    { -1, WC_STATIC, "CH", kChild, 4, 34, 60, 8 },
    { IDC_IPCAM_CHANNEL, WC_COMBOBOX, "", kList, 68, 32, 50, 60 },
    { -1, WC_STATIC, "Port", kChild, 130, 34, 30, 8 },
    { IDC_IPCAM_PORT, WC_EDIT, "", kEdit | ES_NUMBER, 165, 32, 50, 12 },
    { -1, WC_STATIC, "User ID", kChild, 4, 49, 60, 8 },
    { IDC_IPCAM_USER_ID, WC_EDIT, "", kEdit, 68, 47, 100, 12 },
    { -1, WC_STATIC, "Password", kChild, 4, 64, 60, 8 },
    { IDC_IPCAM_PASSWORD, WC_EDIT, "", kEdit | ES_PASSWORD, 68, 62, 100, 12 },
    { IDC_IPCAM_BANDWIDTH_LABEL, WC_STATIC, "Max Band Width", kChild, 4, 79, 60, 8 },
    { IDC_IPCAM_BANDWIDTH, WC_COMBOBOX, "", kList, 68, 77, 50, 80 },
    { IDC_IPCAM_ACCESS_TOKEN, WC_EDIT, "", kEdit, 180, 77, 40, 12 },
};

const DialogTemplate kTemplates[] = {
    { IDD_IP_CAMERA, "", kPane, 0, 0, 260, 95, kIpCamera },
};

} // namespace

const std::span<const DialogTemplate> kIpCameraDlgTemplates = kTemplates;
