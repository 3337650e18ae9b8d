#include "pages/Page4User.h"

#include "controls/CheckMarkGrid.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "link/DeviceGates.h"
#include "link/DiskBlocks.h"
#include "link/StreamServerBlocks.h"
#include "pages/common/Accounts.h"
#include "platform/base/Services.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{

// Row 0 is the administrator, rows 1 to 4 the users.
const int kLabel[5]
    = { IDC_USER_LABEL_ADMIN, IDC_USER_LABEL1, IDC_USER_LABEL2, IDC_USER_LABEL3, IDC_USER_LABEL4 };
const int kUse[5] = { IDC_USER_USE_ADMIN, IDC_USER_USE1, IDC_USER_USE2, IDC_USER_USE3, IDC_USER_USE4 };
const int kId[5] = { IDC_USER_ID_ADMIN, IDC_USER_ID1, IDC_USER_ID2, IDC_USER_ID3, IDC_USER_ID4 };
const int kPassword[5] = { IDC_USER_PASSWORD_ADMIN, IDC_USER_PASSWORD1, IDC_USER_PASSWORD2,
    IDC_USER_PASSWORD3, IDC_USER_PASSWORD4 };
const int kRePassword[5] = { IDC_USER_REPASSWORD_ADMIN, IDC_USER_REPASSWORD1, IDC_USER_REPASSWORD2,
    IDC_USER_REPASSWORD3, IDC_USER_REPASSWORD4 };
// The rights of users 1 to 4 (index user - 1).
const int kChannel[4][4] = { { IDC_USER1_CH1, IDC_USER1_CH2, IDC_USER1_CH3, IDC_USER1_CH4 },
    { IDC_USER2_CH1, IDC_USER2_CH2, IDC_USER2_CH3, IDC_USER2_CH4 },
    { IDC_USER3_CH1, IDC_USER3_CH2, IDC_USER3_CH3, IDC_USER3_CH4 },
    { IDC_USER4_CH1, IDC_USER4_CH2, IDC_USER4_CH3, IDC_USER4_CH4 } };
const int kPtz[4] = { IDC_USER1_PTZ, IDC_USER2_PTZ, IDC_USER3_PTZ, IDC_USER4_PTZ };
const int kHdd[4] = { IDC_USER1_HDD, IDC_USER2_HDD, IDC_USER3_HDD, IDC_USER4_HDD };
const int kDio[4] = { IDC_USER1_DIO, IDC_USER2_DIO, IDC_USER3_DIO, IDC_USER4_DIO };
const int kDel[4] = { IDC_USER1_DEL, IDC_USER2_DEL, IDC_USER3_DEL, IDC_USER4_DEL };
const int kChannelNumber[4] = { IDC_USER_CHANNEL_NUMBER1, IDC_USER_CHANNEL_NUMBER2, IDC_USER_CHANNEL_NUMBER3,
    IDC_USER_CHANNEL_NUMBER4 };
// The channel rights bits of the camera list: channel 1 sets both low bits.
const uint8_t kChannelBit[4] = { 0x03, 0x04, 0x08, 0x10 };

const int kRowY[5] = { 62, 85, 108, 131, 154 };
constexpr int kRowHeight = 20;
constexpr int kCaptionHeight = 13;
constexpr int kCheckWidth = 15;
constexpr int kGridX = 25, kGridY = 230;
constexpr int kGridRoom = 490;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

bool ChineseLayout()
{
    char id[8];
    std::snprintf(id, sizeof id, "%04x", unsigned(GetSystemDefaultLangID()));
    return std::strcmp(id, "0804") == 0 || std::strcmp(id, "0404") == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage4User, CConfigPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_USER_USE1, IDC_USER_USE4, OnUseUser)
ON_CONTROL_RANGE(BN_CLICKED, IDC_USER1_CH1, IDC_USER4_PTZ, OnRightClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_USER1_HDD, IDC_USER4_DIO, OnRightClicked)
ON_CONTROL_RANGE(EN_CHANGE, IDC_USER_PASSWORD_ADMIN, IDC_USER_REPASSWORD4, OnRightClicked)
ON_CONTROL_RANGE(EN_CHANGE, IDC_USER_ID1, IDC_USER_ID4, OnRightClicked)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_USER_GRID, OnGridBeginEdit)
END_MESSAGE_MAP()

CPage4User::CPage4User()
    : CConfigPage(IDD_PAGE4_USER, SLOT_User)
{
}

CPage4User::~CPage4User() = default;

CPage4User::Form CPage4User::GetForm() const
{
    switch (g_CurrentDevice.dwFamily) {
    case DEVICE_FAMILY_STREAM_SERVER:
        return FORM_STREAM_SERVER;
    case DEVICE_FAMILY_DVR:
        return FORM_RECORDER;
    default:
        return FORM_CAMERA;
    }
}

void CPage4User::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    for (int row = 0; row < 5; ++row) {
        DDX_Text(pDX, kId[row], m_strUserId[row]);
        DDV_MaxChars(pDX, m_strUserId[row], kAccountTextLimit);
        DDX_Text(pDX, kPassword[row], m_strPassword[row]);
        DDV_MaxChars(pDX, m_strPassword[row], kAccountTextLimit);
        DDX_Text(pDX, kRePassword[row], m_strRePassword[row]);
        DDV_MaxChars(pDX, m_strRePassword[row], kAccountTextLimit);
    }
}

BOOL CPage4User::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(kGridX, kGridY, kGridX + 100, kGridY + 50), this, IDC_USER_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);
    for (int user = 0; user < 4; ++user) {
        GetDlgItem(kHdd[user])->EnableWindow(FALSE);
        GetDlgItem(kDel[user])->EnableWindow(FALSE);
    }
    Layout();
    return TRUE;
}

void CPage4User::Layout()
{
    const Form form = GetForm();
    const bool newest = m_pConfigView && m_pConfigView->FirmwareKind() == 5;
    const bool chinese = ChineseLayout();
    auto place = [this](int id, int x, int y, int width, int height) {
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(x, y, width, height);
    };
    auto show = [this](int id, bool shown) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };

    place(IDC_USER_ACCOUNT_GROUP, 15, 15, 510, 180);
    if (form == FORM_STREAM_SERVER) {
        place(IDC_USER_CAPTION_USE, 100, 40, 50, kCaptionHeight);
        place(IDC_USER_CAPTION_ID, 165, 40, 80, kCaptionHeight);
        place(IDC_USER_CAPTION_PASSWORD, 290, 40, 80, kCaptionHeight);
        place(IDC_USER_CAPTION_REPASSWORD, 370, 40, 100, kCaptionHeight);
    } else {
        place(IDC_USER_CAPTION_USE, 80, 40, 50, kCaptionHeight);
        place(IDC_USER_CAPTION_ID, 133, 40, 80, kCaptionHeight);
        place(IDC_USER_CAPTION_PASSWORD, chinese ? 225 : 205, 40, 80, kCaptionHeight);
        place(IDC_USER_CAPTION_REPASSWORD, chinese ? 278 : 281, 40, 100, kCaptionHeight);
    }
    for (int row = 0; row < 5; ++row) {
        const int y = kRowY[row];
        if (form == FORM_STREAM_SERVER) {
            place(kLabel[row], 50, row == 0 ? 64 : y + 4, 50, kCaptionHeight);
            place(kUse[row], 105, y, 20, kRowHeight);
            place(kId[row], 135, y, 110, kRowHeight);
            place(kPassword[row], 248, y, 110, kRowHeight);
            place(kRePassword[row], 361, y, 110, kRowHeight);
        } else {
            place(kLabel[row], 30, y + 4, 50, kCaptionHeight);
            place(kUse[row], 85, y, 20, kRowHeight);
            place(kId[row], 115, y, 80, kRowHeight);
            place(kPassword[row], 198, y, 80, kRowHeight);
            place(kRePassword[row], 280, y, 80, kRowHeight);
        }
        if (row == 0)
            continue;
        const int user = row - 1;
        for (int c = 0; c < 4; ++c) {
            place(kChannel[user][c], 375 + 15 * c, y, kCheckWidth, kRowHeight);
            show(kChannel[user][c], form == FORM_CAMERA);
        }
        if (form == FORM_RECORDER) {
            place(kPtz[user], 375, y, kCheckWidth, kRowHeight);
            place(kDio[user], 405, y, kCheckWidth, kRowHeight);
            place(kHdd[user], 437, y, kCheckWidth, kRowHeight);
        } else {
            place(kPtz[user], 452, y, kCheckWidth, kRowHeight);
            place(kHdd[user], newest ? 475 : 487, y, kCheckWidth, kRowHeight);
            place(kDel[user], newest ? 497 : 487, y, kCheckWidth, kRowHeight);
        }
        show(kPtz[user], form != FORM_STREAM_SERVER);
        show(kHdd[user], form == FORM_CAMERA || (form == FORM_RECORDER && IsVersionAtLeast(1, 3, 40)));
        show(kDel[user], form == FORM_CAMERA && newest);
        show(kDio[user], form == FORM_RECORDER);
        GetDlgItem(kUse[row])->EnableWindow(
            form != FORM_STREAM_SERVER || !m_pConfigView || m_pConfigView->FirmwareKind() != 0);
    }
    GetDlgItem(kUse[0])->EnableWindow(FALSE);
    GetDlgItem(kId[0])->EnableWindow(FALSE);

    place(IDC_USER_CAPTION_CHANNEL, chinese ? 385 : 380, 35, chinese ? 50 : 60, kCaptionHeight);
    const int numberX[4] = { 378, 394, 410, 425 };
    for (int c = 0; c < 4; ++c) {
        place(kChannelNumber[c], numberX[c], 55, 10, kCaptionHeight);
        show(kChannelNumber[c], form == FORM_CAMERA);
    }
    show(IDC_USER_CAPTION_CHANNEL, form == FORM_CAMERA);
    if (form == FORM_RECORDER) {
        place(IDC_USER_CAPTION_PTZ, 370, 60, 40, kCaptionHeight);
        place(IDC_USER_CAPTION_DIO, 402, 60, 30, kCaptionHeight);
        place(IDC_USER_CAPTION_HDD, 432, 60, 40, kCaptionHeight);
    } else {
        place(IDC_USER_CAPTION_PTZ, 443, 40, 40, kCaptionHeight);
        place(IDC_USER_CAPTION_HDD, newest ? 467 : 478, 40, newest ? 30 : 40, kCaptionHeight);
        place(IDC_USER_CAPTION_DEL, newest ? 493 : 478, 40, newest ? 30 : 40, kCaptionHeight);
    }
    show(IDC_USER_CAPTION_PTZ, form != FORM_STREAM_SERVER);
    show(IDC_USER_CAPTION_HDD, form == FORM_CAMERA || (form == FORM_RECORDER && IsVersionAtLeast(1, 3, 40)));
    show(IDC_USER_CAPTION_DEL, form == FORM_CAMERA && newest);
    show(IDC_USER_CAPTION_DIO, form == FORM_RECORDER);
    place(IDC_USER_CHANNEL_GROUP, 15, 205, 510, 230);
    show(IDC_USER_CHANNEL_GROUP, form == FORM_RECORDER);
    m_Grid.ShowWindow(form == FORM_RECORDER ? SW_SHOW : SW_HIDE);
}

// Reading.

void CPage4User::ReadSettings()
{
    BOOL read = FALSE;
    switch (GetForm()) {
    case FORM_CAMERA:
        ReadCapabilities();
        read = ReadAccounts();
        break;
    case FORM_STREAM_SERVER: {
        m_bCh1None = m_bCh1Internal = m_bCh2On = m_bCh3On = m_bCh4On = FALSE;
        std::memset(m_bPtzModel, 0, sizeof m_bPtzModel);
        m_bPtzAvailable = m_bHddAvailable = FALSE;
        std::memset(m_dwContentUsers, 0, sizeof m_dwContentUsers);
        CFG_CONTENT_ACCESS access;
        m_bContentRead = ReadBlock(GET_CONTENT_ACCESS, &access);
        if (m_bContentRead && access.dwCount > 0) {
            m_nContentCount = int(std::min<uint32_t>(access.dwCount, std::size(m_dwContentUsers)));
            std::copy_n(access.dwAccess, m_nContentCount, m_dwContentUsers);
        }
        read = ReadAccounts();
        break;
    }
    case FORM_RECORDER:
        read = ReadRecorderAccounts();
        break;
    }
    m_bAccountsRead = read;
    MarkGroupRead(0, read);
}

void CPage4User::ReadCapabilities()
{
    CFG_CHANNEL_CONFIG channels;
    if (ReadBlock(GET_CHANNEL_CONFIG, &channels)) {
        auto on = [&](int source) { return (channels.entries[source].byFlags & 0x80) != 0; };
        m_bCh1None = TRUE;
        m_bCh1Internal = FALSE;
        if (on(0)) {
            m_bCh1None = FALSE;
            m_bCh1Internal = TRUE;
        }
        if (on(1))
            m_bCh1None = m_bCh1Internal = FALSE;
        m_bCh2On = on(2);
        m_bCh3On = on(3);
        m_bCh4On = on(4);
        for (int source = 0; source < 5; ++source)
            m_bPtzModel[source] = channels.entries[source].byValue1 != 0;
        // Channels 3 and 4 count only behind an enabled channel 2 (and 3).
        m_bPtzAvailable
            = m_bCh2On && (m_bPtzModel[2] || (m_bCh3On && (m_bPtzModel[3] || (m_bCh4On && m_bPtzModel[4]))));
        if (!m_bPtzAvailable)
            m_bPtzAvailable = !m_bCh1None && m_bPtzModel[m_bCh1Internal ? 0 : 1];
        for (int user = 0; user < 4; ++user)
            GetDlgItem(kPtz[user])->EnableWindow(m_bPtzAvailable);
    }
    CFG_HDD_INFO hdd;
    if (ReadBlock(GET_HDD_INFO, &hdd)) {
        // Body byte 0: disk on; byte 3: 0x80 when no disk is found.
        const uint8_t enabled = uint8_t(hdd.dwStatus >> 24), found = uint8_t(hdd.dwStatus);
        m_bHddAvailable = found != 0x80 && enabled != 0;
    }
}

BOOL CPage4User::ReadAccounts()
{
    CFG_USER_LIST list;
    if (!ReadBlock(GET_USER_LIST, &list))
        return FALSE;
    const std::vector<UserAccount> accounts = DecodeUserList(list);
    CheckDlgButton(kUse[0], BST_CHECKED);
    for (int user = 0; user < 4; ++user) {
        const UserAccount& account = accounts[user + 1];
        ShowUserRights(user, account.rights & 0x80, account.rights & 0x40, account.rights & 0x20);
        CheckDlgButton(kDel[user], (account.extraRights & 0x01) != 0);
        // Either bit of channel 1 shows it granted; a write sets both.
        for (int c = 0; c < 4; ++c)
            CheckDlgButton(kChannel[user][c], (account.rights & kChannelBit[c]) != 0);
    }
    if (GetForm() != FORM_STREAM_SERVER) {
        const BYTE channelOn[4] = { BYTE(!m_bCh1None), m_bCh2On, m_bCh3On, m_bCh4On };
        for (int user = 0; user < 4; ++user)
            for (int c = 0; c < 4; ++c)
                if (!channelOn[c])
                    GetDlgItem(kChannel[user][c])->EnableWindow(FALSE);
    }
    ShowAccountTexts(accounts);
    return TRUE;
}

void CPage4User::BuildGrid()
{
    const int total = m_Cameras.Total();
    m_Grid.SetRowCount(5);
    m_Grid.SetColumnCount(total + 1);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    CString user;
    user.LoadString(IDS_USER_PREFIX);
    for (int r = 1; r < 5; ++r) {
        CString title;
        title.Format("%s%d", static_cast<LPCTSTR>(user), r);
        m_Grid.SetItemText(r, 0, title);
        m_Grid.SetItemFormat(r, 0, kCentred);
    }
    for (int c = 1; c <= total; ++c) {
        CString title;
        title.Format("%d", c);
        m_Grid.SetItemText(0, c, title);
        m_Grid.SetItemFormat(0, c, kCentred);
        for (int r = 1; r < 5; ++r) {
            m_Grid.SetItemText(r, c, "");
            m_Grid.SetItemImage(r, c, CheckMarkFor(false, m_Cameras.on[c - 1] != 0));
        }
    }
    m_Grid.AutoSizeColumn(0);
    const int first = m_Grid.GetColumnWidth(0);
    const int width = total > 15 ? 28 : std::max(1, (kGridRoom - first) / total);
    int columns = first, rows = 0;
    for (int c = 1; c <= total; ++c) {
        m_Grid.SetColumnWidth(c, width);
        columns += width;
    }
    for (int r = 0; r < 5; ++r)
        rows += m_Grid.GetRowHeight(r);
    int gridWidth = columns + 2, gridHeight = rows + 2;
    if (columns > kGridRoom) {
        gridWidth = kGridRoom;
        gridHeight += 16;
    }
    m_Grid.MoveWindow(kGridX, kGridY, gridWidth, gridHeight);
    m_Grid.ResetScrollBars();
    if (CWnd* group = GetDlgItem(IDC_USER_CHANNEL_GROUP))
        group->MoveWindow(15, 205, 510, gridHeight + 45);
}

BOOL CPage4User::ReadRecorderAccounts()
{
    if (!ReadRecorderCameras(m_ConfigSession, m_Reply, &m_Cameras))
        return FALSE;
    if (m_Cameras.Total() > 0)
        BuildGrid();
    CFG_USER_TABLE table;
    if (!ReadBlock(GET_USER_TABLE, &table))
        return FALSE;
    const std::vector<UserAccount> accounts = DecodeUserTable(table);
    CheckDlgButton(kUse[0], BST_CHECKED);
    const int total = m_Cameras.Total();
    for (int user = 0; user < 4; ++user) {
        const UserAccount& account = accounts[user + 1];
        const int row = user + 1;
        ShowUserRights(user, account.rights & 0x8000, account.rights & 0x4000, account.rights & 0x2000);
        CheckDlgButton(kDio[user], (account.rights & 0x1000) != 0);
        for (int k = 0; k < total; ++k) {
            const bool available = m_Grid.GetItemImage(row, k + 1) < CHECK_GREY_CLEAR;
            SetCheckMark(m_Grid, row, k + 1, HasCameraRight(account.cameras, k + 1), available);
        }
    }
    ShowAccountTexts(accounts);
    return TRUE;
}

void CPage4User::ShowUserRights(int user, bool inUse, bool ptz, bool hdd)
{
    const int row = user + 1;
    CheckDlgButton(kUse[row], inUse);
    if (inUse)
        EnableUserRow(row);
    else
        DisableUserRow(row);
    CheckDlgButton(kPtz[user], ptz);
    CheckDlgButton(kHdd[user], hdd);
}

void CPage4User::ShowAccountTexts(const std::vector<UserAccount>& accounts)
{
    for (int row = 0; row < 5; ++row) {
        m_strUserId[row] = accounts[row].id;
        m_strPassword[row] = m_strRePassword[row] = accounts[row].password;
        if (row > 0)
            m_strOldUserId[row - 1] = accounts[row].id;
    }
    UpdateData(FALSE);
}

// Editing.

void CPage4User::OnUseUser(UINT nID)
{
    const int* use = std::find(std::begin(kUse), std::end(kUse), int(nID));
    if (use == std::end(kUse))
        return;
    const int row = int(use - kUse);
    if (IsDlgButtonChecked(nID))
        EnableUserRow(row);
    else
        DisableUserRow(row);
    SetPageModified(TRUE);
}

void CPage4User::OnRightClicked(UINT)
{
    SetPageModified(TRUE);
}

void CPage4User::EnableUserRow(int row)
{
    for (int id : { kId[row], kPassword[row], kRePassword[row] })
        GetDlgItem(id)->EnableWindow(TRUE);
    if (row == 0)
        return;
    if (GetForm() == FORM_RECORDER) {
        EnableGridRow(row - 1, TRUE);
        return;
    }
    const int user = row - 1;
    const BYTE channelOn[4] = { BYTE(!m_bCh1None), m_bCh2On, m_bCh3On, m_bCh4On };
    for (int c = 0; c < 4; ++c)
        GetDlgItem(kChannel[user][c])->EnableWindow(channelOn[c]);
    GetDlgItem(kPtz[user])->EnableWindow(m_bPtzAvailable);
    GetDlgItem(kHdd[user])->EnableWindow(m_bHddAvailable);
    GetDlgItem(kDel[user])->EnableWindow(m_bHddAvailable);
}

void CPage4User::DisableUserRow(int row)
{
    for (int id : { kId[row], kPassword[row], kRePassword[row] })
        GetDlgItem(id)->EnableWindow(FALSE);
    if (row == 0)
        return;
    const int user = row - 1;
    for (int c = 0; c < 4; ++c)
        GetDlgItem(kChannel[user][c])->EnableWindow(FALSE);
    for (int id : { kPtz[user], kHdd[user], kDel[user] })
        GetDlgItem(id)->EnableWindow(FALSE);
    if (GetForm() == FORM_RECORDER)
        EnableGridRow(user, FALSE);
}

void CPage4User::EnableGridRow(int user, BOOL bEnable)
{
    for (int id : { kPtz[user], kDio[user], kHdd[user] })
        GetDlgItem(id)->EnableWindow(bEnable);
    const int row = user + 1;
    if (row >= m_Grid.GetRowCount())
        return;
    for (int c = 1; c < m_Grid.GetColumnCount() && c <= m_Cameras.Total(); ++c)
        SetCheckMarkAvailable(m_Grid, row, c, bEnable && m_Cameras.on[c - 1]);
}

void CPage4User::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    bool changed = false;
    *pResult = AnswerCheckMarkEdit(m_Grid, pNMHDR, &changed);
    if (changed)
        SetPageModified(TRUE);
}

// Applying.

void CPage4User::Refuse(UINT message, int focusId)
{
    AfxMessageBox(message);
    if (CWnd* control = GetDlgItem(focusId))
        GotoDlgCtrl(control);
}

BOOL CPage4User::ValidateSettings()
{
    bool inUse[5] = { true };
    for (int row = 1; row < 5; ++row)
        inUse[row] = IsDlgButtonChecked(kUse[row]) != 0;
    for (int row = 1; row < 5; ++row) {
        if (inUse[row] && m_strUserId[row].IsEmpty()) {
            Refuse(IDS_USER_ID_MISSING + row - 1, kId[row]);
            return FALSE;
        }
    }
    // Pairs (1,2), (1,3), (1,4), (2,3), (2,4), (3,4), numbered on.
    UINT message = IDS_USER_IDS_SAME;
    for (int a = 1; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b, ++message) {
            if (inUse[a] && inUse[b] && m_strUserId[a] == m_strUserId[b]) {
                Refuse(message, kId[b]);
                return FALSE;
            }
        }
    }
    for (int row = 0; row < 5; ++row) {
        if (m_strPassword[row] != m_strRePassword[row]) {
            Refuse(IDS_ADMIN_PASSWORDS_INVALID + row, kRePassword[row]);
            return FALSE;
        }
    }
    return TRUE;
}

void CPage4User::FillAccounts(CFG_USER_ENTRY users[5])
{
    // The administrator's ID is the one every request logs in with.
    users[0] = EncodeAccount(CONFIG_ADMIN_USER, m_strPassword[0]);
    for (int row = 1; row < 5; ++row)
        users[row] = EncodeAccount(m_strUserId[row], m_strPassword[row]);
}

void CPage4User::FollowPasswordChange(ConfigResult result)
{
    if (result == CONFIG_DONE)
        AdoptAdminPassword(m_pConfigView, m_strPassword[0]);
}

ConfigResult CPage4User::WriteAccounts()
{
    CFG_USER_LIST list {};
    list.rights[0] = 0xFF;
    list.extraRights[0] = 0xFF;
    for (int user = 0; user < 4; ++user) {
        uint8_t rights = 0;
        if (IsDlgButtonChecked(kUse[user + 1]))
            rights |= 0x80;
        if (IsDlgButtonChecked(kPtz[user]))
            rights |= 0x40;
        if (IsDlgButtonChecked(kHdd[user]))
            rights |= 0x20;
        for (int c = 0; c < 4; ++c)
            if (IsDlgButtonChecked(kChannel[user][c]))
                rights |= kChannelBit[c];
        list.rights[user + 1] = rights;
        list.extraRights[user + 1] = IsDlgButtonChecked(kDel[user]) ? 0x01 : 0;
    }
    FillAccounts(list.users);
    const bool extra = m_pConfigView && m_pConfigView->FirmwareKind() == 5;
    const ConfigResult result = WriteBlock(extra ? SET_USER_LIST_EXTRA : SET_USER_LIST, list);
    FollowPasswordChange(result);
    return result;
}

ConfigResult CPage4User::WriteContentAccess()
{
    CFG_CONTENT_ACCESS access {};
    access.dwCount = uint32_t(m_nContentCount);
    std::copy(std::begin(m_dwContentUsers), std::end(m_dwContentUsers), access.dwAccess);
    // A user taken out of use or renamed loses every content; granting
    // access is the streaming-server page's work.
    for (int user = 1; user <= 4; ++user) {
        if (IsDlgButtonChecked(kUse[user]) && m_strUserId[user] == m_strOldUserId[user - 1])
            continue;
        for (DWORD& word : access.dwAccess)
            word &= ~(DWORD(1) << (user + 1));
    }
    return WriteBlock(SET_CONTENT_ACCESS, access);
}

ConfigResult CPage4User::WriteRecorderAccounts()
{
    CFG_USER_TABLE table {};
    table.rights[0] = 0xFFFF;
    std::memset(table.channels[0], 0xFF, sizeof table.channels[0]);
    for (int user = 0; user < 4; ++user) {
        const int row = user + 1;
        uint16_t rights = 0;
        if (IsDlgButtonChecked(kUse[row]))
            rights |= 0x8000;
        if (IsDlgButtonChecked(kPtz[user]))
            rights |= 0x4000;
        if (IsDlgButtonChecked(kHdd[user]))
            rights |= 0x2000;
        if (IsDlgButtonChecked(kDio[user]))
            rights |= 0x1000;
        table.rights[row] = rights;
        for (int c = 1; c < m_Grid.GetColumnCount() && row < m_Grid.GetRowCount(); ++c)
            SetCameraRight(table.channels[row], c, IsCheckMarkGranted(m_Grid, row, c));
    }
    FillAccounts(table.users);
    const ConfigResult result = WriteBlock(SET_USER_TABLE, table);
    FollowPasswordChange(result);
    return result;
}

ConfigResult CPage4User::WriteGroup(int)
{
    // Accounts that were not read this time are not written: the controls
    // would hold nothing of the device, and the write deletes what it lacks.
    if (!m_bAccountsRead)
        return CONFIG_DONE;
    switch (GetForm()) {
    case FORM_CAMERA:
        return WriteAccounts();
    case FORM_STREAM_SERVER: {
        const ConfigResult result = WriteAccounts();
        // The access words follow only accounts the device took, and only
        // when they were read.
        if (result != CONFIG_DONE || !m_bContentRead)
            return result;
        return WriteContentAccess();
    }
    case FORM_RECORDER:
        return WriteRecorderAccounts();
    }
    return CONFIG_DONE;
}
