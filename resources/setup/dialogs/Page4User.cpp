// The user pages: the five-account page of the cameras, the streaming server
// and the older recorders, and the recorder page whose eleven rows are made
// at run time. Both pages place their controls in pixels when they start.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kPassword = kEdit | ES_PASSWORD;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DialogControl kPageUser[] = {
    { IDC_USER_ACCOUNT_GROUP, WC_BUTTON, "User Account", kGroup, 10, 9, 340, 111 },
    { IDC_USER_CAPTION_USE, WC_STATIC, "Use", kChild, 53, 25, 33, 8 },
    { IDC_USER_CAPTION_ID, WC_STATIC, "User ID", kChild, 89, 25, 53, 8 },
    { IDC_USER_CAPTION_PASSWORD, WC_STATIC, "Password", kChild, 137, 25, 53, 8 },
    { IDC_USER_CAPTION_REPASSWORD, WC_STATIC, "Re-Passwd", kChild, 187, 25, 67, 8 },
    { IDC_USER_CAPTION_CHANNEL, WC_STATIC, "Channel", kChild, 253, 22, 40, 8 },
    { IDC_USER_CHANNEL_NUMBER1, WC_STATIC, "1", kChild, 252, 34, 7, 8 },
    { IDC_USER_CHANNEL_NUMBER2, WC_STATIC, "2", kChild, 263, 34, 7, 8 },
    { IDC_USER_CHANNEL_NUMBER3, WC_STATIC, "3", kChild, 273, 34, 7, 8 },
    { IDC_USER_CHANNEL_NUMBER4, WC_STATIC, "4", kChild, 283, 34, 7, 8 },
    { IDC_USER_CAPTION_PTZ, WC_STATIC, "PTZ", kChild, 295, 25, 27, 8 },
    { IDC_USER_CAPTION_HDD, WC_STATIC, "HDD", kChild, 319, 25, 27, 8 },
    { IDC_USER_CAPTION_DEL, WC_STATIC, "DEL", kChild, 319, 25, 27, 8 },
    { IDC_USER_CAPTION_DIO, WC_STATIC, "DIO", kChild, 268, 37, 20, 8 },
    { IDC_USER_LABEL_ADMIN, WC_STATIC, "Admin", kChild, 20, 41, 33, 8 },
    { IDC_USER_USE_ADMIN, WC_BUTTON, "", kCheck, 57, 38, 13, 12 },
    { IDC_USER_ID_ADMIN, WC_EDIT, "", kEdit, 77, 38, 53, 12 },
    { IDC_USER_PASSWORD_ADMIN, WC_EDIT, "", kPassword, 132, 38, 53, 12 },
    { IDC_USER_REPASSWORD_ADMIN, WC_EDIT, "", kPassword, 187, 38, 53, 12 },
    { IDC_USER_LABEL1, WC_STATIC, "User1", kChild, 20, 55, 33, 8 },
    { IDC_USER_USE1, WC_BUTTON, "", kCheck, 57, 52, 13, 12 },
    { IDC_USER_ID1, WC_EDIT, "", kEdit, 77, 52, 53, 12 },
    { IDC_USER_PASSWORD1, WC_EDIT, "", kPassword, 132, 52, 53, 12 },
    { IDC_USER_REPASSWORD1, WC_EDIT, "", kPassword, 187, 52, 53, 12 },
    { IDC_USER1_CH1, WC_BUTTON, "", kCheck, 250, 52, 10, 12 },
    { IDC_USER1_CH2, WC_BUTTON, "", kCheck, 260, 52, 10, 12 },
    { IDC_USER1_CH3, WC_BUTTON, "", kCheck, 270, 52, 10, 12 },
    { IDC_USER1_CH4, WC_BUTTON, "", kCheck, 280, 52, 10, 12 },
    { IDC_USER1_PTZ, WC_BUTTON, "", kCheck, 301, 52, 10, 12 },
    { IDC_USER1_HDD, WC_BUTTON, "", kCheck, 325, 52, 10, 12 },
    { IDC_USER1_DEL, WC_BUTTON, "", kCheck, 325, 52, 10, 12 },
    { IDC_USER1_DIO, WC_BUTTON, "", kCheck, 270, 52, 10, 12 },
    { IDC_USER_LABEL2, WC_STATIC, "User2", kChild, 20, 69, 33, 8 },
    { IDC_USER_USE2, WC_BUTTON, "", kCheck, 57, 66, 13, 12 },
    { IDC_USER_ID2, WC_EDIT, "", kEdit, 77, 66, 53, 12 },
    { IDC_USER_PASSWORD2, WC_EDIT, "", kPassword, 132, 66, 53, 12 },
    { IDC_USER_REPASSWORD2, WC_EDIT, "", kPassword, 187, 66, 53, 12 },
    { IDC_USER2_CH1, WC_BUTTON, "", kCheck, 250, 66, 10, 12 },
    { IDC_USER2_CH2, WC_BUTTON, "", kCheck, 260, 66, 10, 12 },
    { IDC_USER2_CH3, WC_BUTTON, "", kCheck, 270, 66, 10, 12 },
    { IDC_USER2_CH4, WC_BUTTON, "", kCheck, 280, 66, 10, 12 },
    { IDC_USER2_PTZ, WC_BUTTON, "", kCheck, 301, 66, 10, 12 },
    { IDC_USER2_HDD, WC_BUTTON, "", kCheck, 325, 66, 10, 12 },
    { IDC_USER2_DEL, WC_BUTTON, "", kCheck, 325, 66, 10, 12 },
    { IDC_USER2_DIO, WC_BUTTON, "", kCheck, 270, 66, 10, 12 },
    { IDC_USER_LABEL3, WC_STATIC, "User3", kChild, 20, 83, 33, 8 },
    { IDC_USER_USE3, WC_BUTTON, "", kCheck, 57, 81, 13, 12 },
    { IDC_USER_ID3, WC_EDIT, "", kEdit, 77, 81, 53, 12 },
    { IDC_USER_PASSWORD3, WC_EDIT, "", kPassword, 132, 81, 53, 12 },
    { IDC_USER_REPASSWORD3, WC_EDIT, "", kPassword, 187, 81, 53, 12 },
    { IDC_USER3_CH1, WC_BUTTON, "", kCheck, 250, 81, 10, 12 },
    { IDC_USER3_CH2, WC_BUTTON, "", kCheck, 260, 81, 10, 12 },
    { IDC_USER3_CH3, WC_BUTTON, "", kCheck, 270, 81, 10, 12 },
    { IDC_USER3_CH4, WC_BUTTON, "", kCheck, 280, 81, 10, 12 },
    { IDC_USER3_PTZ, WC_BUTTON, "", kCheck, 301, 81, 10, 12 },
    { IDC_USER3_HDD, WC_BUTTON, "", kCheck, 325, 81, 10, 12 },
    { IDC_USER3_DEL, WC_BUTTON, "", kCheck, 325, 81, 10, 12 },
    { IDC_USER3_DIO, WC_BUTTON, "", kCheck, 270, 81, 10, 12 },
    { IDC_USER_LABEL4, WC_STATIC, "User4", kChild, 20, 97, 33, 8 },
    { IDC_USER_USE4, WC_BUTTON, "", kCheck, 57, 95, 13, 12 },
    { IDC_USER_ID4, WC_EDIT, "", kEdit, 77, 95, 53, 12 },
    { IDC_USER_PASSWORD4, WC_EDIT, "", kPassword, 132, 95, 53, 12 },
    { IDC_USER_REPASSWORD4, WC_EDIT, "", kPassword, 187, 95, 53, 12 },
    { IDC_USER4_CH1, WC_BUTTON, "", kCheck, 250, 95, 10, 12 },
    { IDC_USER4_CH2, WC_BUTTON, "", kCheck, 260, 95, 10, 12 },
    { IDC_USER4_CH3, WC_BUTTON, "", kCheck, 270, 95, 10, 12 },
    { IDC_USER4_CH4, WC_BUTTON, "", kCheck, 280, 95, 10, 12 },
    { IDC_USER4_PTZ, WC_BUTTON, "", kCheck, 301, 95, 10, 12 },
    { IDC_USER4_HDD, WC_BUTTON, "", kCheck, 325, 95, 10, 12 },
    { IDC_USER4_DEL, WC_BUTTON, "", kCheck, 325, 95, 10, 12 },
    { IDC_USER4_DIO, WC_BUTTON, "", kCheck, 270, 95, 10, 12 },
    { IDC_USER_CHANNEL_GROUP, WC_BUTTON, "Channel", kGroup, 10, 126, 340, 142 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogControl kPageUserDvr[] = {
    { IDC_UDVR_REMOTE_GROUP, WC_BUTTON, "Remote User", kGroup, 9, 7, 342, 272 },
    { IDC_UDVR_CAPTION_USE, WC_STATIC, "Use", kChild, 56, 19, 22, 8 },
    { IDC_UDVR_CAPTION_ID, WC_STATIC, "User ID", kChild, 98, 19, 54, 8 },
    { IDC_UDVR_CAPTION_PASSWORD, WC_STATIC, "Password", kChild, 166, 19, 54, 8 },
    { IDC_UDVR_CAPTION_REPASSWORD, WC_STATIC, "Re-Passwd", kChild, 216, 19, 69, 8 },
    { IDC_UDVR_LOCAL_GROUP, WC_BUTTON, "Local User", kGroup, 9, 249, 342, 52 },
    { IDC_UDVR_LOCAL_ADMIN_LABEL, WC_STATIC, "Admin Password", kChild, 21, 270, 66, 8 },
    { IDC_UDVR_LOCAL_USER_LABEL, WC_STATIC, "User Password", kChild, 21, 285, 64, 8 },
    { IDC_UDVR_LOCAL_ADMIN_SWITCH, WC_COMBOBOX, "", kList, 87, 268, 56, 12 },
    { IDC_UDVR_LOCAL_USER_SWITCH, WC_COMBOBOX, "", kList, 87, 283, 56, 12 },
    { IDC_UDVR_LOCAL_PASSWORD_LABEL, WC_STATIC, "Password", kChild, 152, 256, 56, 8 },
    { IDC_UDVR_LOCAL_REENTER_LABEL, WC_STATIC, "Re-Enter", kChild, 213, 256, 56, 8 },
    { IDC_UDVR_LOCAL_ADMIN, WC_EDIT, "", kPassword, 152, 268, 56, 12 },
    { IDC_UDVR_LOCAL_ADMIN_AGAIN, WC_EDIT, "", kPassword, 213, 267, 56, 12 },
    { IDC_UDVR_LOCAL_USER, WC_EDIT, "", kPassword, 152, 284, 56, 12 },
    { IDC_UDVR_LOCAL_USER_AGAIN, WC_EDIT, "", kPassword, 213, 284, 56, 12 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
};

const DialogTemplate kTemplates[] = {
    { IDD_PAGE4_USER, "User", kPage, 0, 0, 360, 400, kPageUser },
    { IDD_PAGE4_USER_DVR, "User", kPage, 0, 0, 360, 400, kPageUserDvr },
};

} // namespace

const std::span<const DialogTemplate> kPage4UserTemplates = kTemplates;
