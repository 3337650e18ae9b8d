#include "pages/Page4UserDvr.h"

#include "controls/CheckMarkGrid.h"
#include "link/DeviceGates.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{

const int kLocalEdits[4]
    = { IDC_UDVR_LOCAL_ADMIN, IDC_UDVR_LOCAL_ADMIN_AGAIN, IDC_UDVR_LOCAL_USER, IDC_UDVR_LOCAL_USER_AGAIN };
// Right columns in order, with their rights bits and headings.
const uint16_t kRightBits[5] = { 0x4000, 0x2000, 0x1000, 0x0800, 0x0400 };
const UINT kRightTitles[5]
    = { IDS_PTZ_COLUMN, IDS_HDD_COLUMN, IDS_DIO_COLUMN, IDS_QREC_COLUMN, IDS_BACKUP_COLUMN };
constexpr uint16_t kNoLocalPassword = 10000;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kSwitchOff = 0, kSwitchOn = 1;

} // namespace

BEGIN_MESSAGE_MAP(CPage4UserDvr, CConfigPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_UDVR_ROW_USE, IDC_UDVR_ROW_USE + kMaxRecorderUsers - 1, OnUseClicked)
ON_CONTROL_RANGE(EN_CHANGE, IDC_UDVR_ROW_ID, IDC_UDVR_ROW_REPASSWORD + kMaxRecorderUsers - 1, OnEdited)
ON_CONTROL_RANGE(EN_CHANGE, IDC_UDVR_LOCAL_ADMIN, IDC_UDVR_LOCAL_USER, OnEdited)
ON_CONTROL_RANGE(EN_CHANGE, IDC_UDVR_LOCAL_ADMIN_AGAIN, IDC_UDVR_LOCAL_USER_AGAIN, OnEdited)
ON_CBN_SELCHANGE(IDC_UDVR_LOCAL_ADMIN_SWITCH, OnLocalSwitchChanged)
ON_CBN_SELCHANGE(IDC_UDVR_LOCAL_USER_SWITCH, OnLocalSwitchChanged)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_USER_GRID, OnGridBeginEdit)
END_MESSAGE_MAP()

CPage4UserDvr::CPage4UserDvr()
    : CConfigPage(IDD_PAGE4_USER_DVR, SLOT_UserDvr)
{
}

CPage4UserDvr::~CPage4UserDvr() = default;

bool CPage4UserDvr::HasLocalUsers() const
{
    return IsVersionAtLeast(2, 9, 1);
}

int CPage4UserDvr::RightColumns() const
{
    return IsFeatureSupported() ? 5 : 3;
}

BOOL CPage4UserDvr::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    auto place = [this](int id, int x, int y, int width, int height) {
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(x, y, width, height);
    };
    place(IDC_UDVR_REMOTE_GROUP, 14, 11, 513, 442);
    place(IDC_UDVR_CAPTION_USE, 84, 31, 33, 13);
    place(IDC_UDVR_CAPTION_ID, 147, 31, 81, 13);
    place(IDC_UDVR_CAPTION_PASSWORD, 249, 31, 81, 13);
    place(IDC_UDVR_CAPTION_REPASSWORD, 324, 31, 104, 13);

    CreateCheckMarkImages(m_ImageList);
    m_Grid.Create(CRect(23, 30, 23 + 486, 30 + 114), this, IDC_USER_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    PrepareCheckMarkGrid(m_Grid, &m_ImageList);

    CFont* font = GetParent() ? GetParent()->GetFont() : GetFont();
    CString admin, user;
    admin.LoadString(IDS_ADMIN_ROW);
    user.LoadString(IDS_USER_PREFIX);
    for (int i = 0; i < kMaxRecorderUsers; ++i) {
        const int y = 47 + 19 * i;
        CString label = admin;
        if (i > 0)
            label.Format("%s%d", static_cast<LPCTSTR>(user), i);
        m_RowLabel[i].Create(
            label, WS_CHILD | WS_VISIBLE, CRect(34, y + 2, 94, y + 20), this, IDC_UDVR_ROW_LABEL + i);
        m_RowUse[i].Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, CRect(93, y, 113, y + 18),
            this, IDC_UDVR_ROW_USE + i);
        m_RowId[i].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
            CRect(115, y, 215, y + 18), this, IDC_UDVR_ROW_ID + i);
        m_RowPassword[i].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD,
            CRect(220, y, 320, y + 18), this, IDC_UDVR_ROW_PASSWORD + i);
        m_RowRePassword[i].Create(
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD,
            CRect(325, y, 425, y + 18), this, IDC_UDVR_ROW_REPASSWORD + i);
        for (CWnd* control : { static_cast<CWnd*>(&m_RowLabel[i]), static_cast<CWnd*>(&m_RowUse[i]),
                 static_cast<CWnd*>(&m_RowId[i]), static_cast<CWnd*>(&m_RowPassword[i]),
                 static_cast<CWnd*>(&m_RowRePassword[i]) }) {
            if (font)
                control->SetFont(font);
        }
        for (CEdit* edit : { &m_RowId[i], &m_RowPassword[i], &m_RowRePassword[i] })
            edit->LimitText(kAccountTextLimit);
    }
    m_RowUse[0].EnableWindow(FALSE);
    m_RowId[0].EnableWindow(FALSE);

    const int localIds[] = { IDC_UDVR_LOCAL_GROUP, IDC_UDVR_LOCAL_ADMIN_LABEL, IDC_UDVR_LOCAL_USER_LABEL,
        IDC_UDVR_LOCAL_ADMIN_SWITCH, IDC_UDVR_LOCAL_USER_SWITCH, IDC_UDVR_LOCAL_PASSWORD_LABEL,
        IDC_UDVR_LOCAL_REENTER_LABEL, IDC_UDVR_LOCAL_ADMIN, IDC_UDVR_LOCAL_ADMIN_AGAIN, IDC_UDVR_LOCAL_USER,
        IDC_UDVR_LOCAL_USER_AGAIN };
    if (HasLocalUsers()) {
        place(IDC_UDVR_REMOTE_GROUP, 14, 11, 513, 390);
        place(IDC_UDVR_LOCAL_GROUP, 14, 404, 513, 85);
        place(IDC_UDVR_LOCAL_ADMIN_LABEL, 32, 439, 99, 13);
        place(IDC_UDVR_LOCAL_USER_LABEL, 32, 463, 96, 13);
        place(IDC_UDVR_LOCAL_ADMIN_SWITCH, 131, 435, 84, 20);
        place(IDC_UDVR_LOCAL_USER_SWITCH, 131, 460, 84, 20);
        place(IDC_UDVR_LOCAL_PASSWORD_LABEL, 228, 416, 84, 13);
        place(IDC_UDVR_LOCAL_ADMIN, 228, 435, 84, 20);
        place(IDC_UDVR_LOCAL_USER, 228, 461, 84, 20);
        place(IDC_UDVR_LOCAL_REENTER_LABEL, 320, 416, 84, 13);
        place(IDC_UDVR_LOCAL_ADMIN_AGAIN, 320, 434, 84, 20);
        place(IDC_UDVR_LOCAL_USER_AGAIN, 320, 461, 84, 20);
    }
    for (int id : localIds) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(HasLocalUsers() ? SW_SHOW : SW_HIDE);
    }
    for (int id : { IDC_UDVR_LOCAL_ADMIN_SWITCH, IDC_UDVR_LOCAL_USER_SWITCH }) {
        auto* list = static_cast<CComboBox*>(GetDlgItem(id));
        CString off, on;
        off.LoadString(IDS_SWITCH_OFF);
        on.LoadString(IDS_SWITCH_ON);
        list->AddString(off);
        list->AddString(on);
        list->SetCurSel(kSwitchOff);
    }
    // Backspace and the digits 1 to 9 only, four at most.
    for (int i = 0; i < 4; ++i) {
        m_LocalEdit[i].SubclassDlgItem(kLocalEdits[i], this);
        m_LocalEdit[i].LimitText(4);
        m_LocalEdit[i].SetFilterMode(3);
    }
    return TRUE;
}

// Reading.

void CPage4UserDvr::ReadSettings()
{
    ReadRecorderCameras(m_ConfigSession, m_Reply, &m_Cameras);
    CFG_RECORDER_USERS users;
    m_bRemoteRead = ReadBlock(GET_RECORDER_USERS, &users);
    if (m_bRemoteRead)
        m_RemoteUsers = DecodeRecorderUsers(users);
    m_bLocalRead = FALSE;
    if (HasLocalUsers()) {
        CFG_LOCAL_USERS local;
        m_bLocalRead = ReadBlock(GET_LOCAL_USERS, &local);
        if (m_bLocalRead)
            m_LocalUsers = local;
    }
    MarkGroupRead(0, m_bRemoteRead);
}

void CPage4UserDvr::BuildGrid()
{
    const int count = int(m_RemoteUsers.size());
    const int total = m_Cameras.Total();
    const int rights = RightColumns();
    m_Grid.SetRowCount(std::max(count, 1));
    m_Grid.SetColumnCount(1 + rights + total);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    CString user;
    user.LoadString(IDS_USER_PREFIX);
    for (int r = 1; r < count; ++r) {
        CString title;
        title.Format("%s%d", static_cast<LPCTSTR>(user), r);
        m_Grid.SetItemText(r, 0, title);
        m_Grid.SetItemFormat(r, 0, kCentred);
        m_Grid.SetRowHeight(r, 20);
    }
    const int width = total < 5 ? 60 : total < 10 ? 37 : 40;
    for (int c = 0; c < rights; ++c) {
        CString title;
        title.LoadString(kRightTitles[c]);
        m_Grid.SetItemText(0, 1 + c, title);
        m_Grid.SetItemFormat(0, 1 + c, kCentred);
        m_Grid.SetColumnWidth(1 + c, c == 4 ? width + 6 : width);
    }
    for (int j = 0; j < total; ++j) {
        CString title;
        title.Format("CH%d", j + 1);
        m_Grid.SetItemText(0, 1 + rights + j, title);
        m_Grid.SetItemFormat(0, 1 + rights + j, kCentred);
        m_Grid.SetColumnWidth(1 + rights + j, width);
    }
    m_Grid.AutoSizeColumn(0);
    const int y = count >= 10 ? 266 : 165;
    const int height = HasLocalUsers() ? 122 : count >= 10 ? 176 : 112;
    m_Grid.MoveWindow(25, y, 486, height);
    m_Grid.ResetScrollBars();
}

void CPage4UserDvr::ShowSettings()
{
    BuildGrid();
    const int count = int(m_RemoteUsers.size());
    const int rights = RightColumns();
    for (int i = 0; i < kMaxRecorderUsers; ++i) {
        if (i >= count) {
            // Rows without an account carry nothing and are not sent.
            m_RowUse[i].SetCheck(BST_UNCHECKED);
            for (CEdit* edit : { &m_RowId[i], &m_RowPassword[i], &m_RowRePassword[i] }) {
                edit->SetWindowText("");
                edit->EnableWindow(FALSE);
            }
            m_RowUse[i].EnableWindow(FALSE);
            continue;
        }
        const UserAccount& account = m_RemoteUsers[i];
        m_RowUse[i].SetCheck((account.rights & 0x8000) ? BST_CHECKED : BST_UNCHECKED);
        m_RowUse[i].EnableWindow(i > 0);
        m_RowId[i].SetWindowText(account.id);
        m_RowPassword[i].SetWindowText(account.password);
        m_RowRePassword[i].SetWindowText(account.password);
        if (i == 0) {
            m_RowPassword[0].EnableWindow(TRUE);
            m_RowRePassword[0].EnableWindow(TRUE);
            continue;
        }
        for (int c = 0; c < rights; ++c)
            m_Grid.SetItemImage(i, 1 + c, (account.rights & kRightBits[c]) ? CHECK_TICKED : CHECK_CLEAR);
        for (int j = 0; j < m_Cameras.Total(); ++j) {
            m_Grid.SetItemImage(i, 1 + rights + j,
                CheckMarkFor(HasCameraRight(account.cameras, j + 1), m_Cameras.on[j] != 0));
        }
        UpdateRow(i);
    }
    ShowLocalUsers();
}

void CPage4UserDvr::ShowLocalUsers()
{
    if (!HasLocalUsers())
        return;
    auto* admin = static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_ADMIN_SWITCH));
    auto* user = static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_USER_SWITCH));
    user->SetCurSel((m_LocalUsers.dwFlags & 0x80000000u) ? kSwitchOn : kSwitchOff);
    admin->SetCurSel((m_LocalUsers.dwFlags & 0x40000000u) ? kSwitchOn : kSwitchOff);
    auto digits = [](uint16_t value) {
        CString text;
        if (value != kNoLocalPassword)
            text.Format("%04d", int(value));
        return text;
    };
    const CString adminText = digits(m_LocalUsers.wAdminPassword);
    const CString userText = digits(m_LocalUsers.wUserPassword);
    SetDlgItemText(IDC_UDVR_LOCAL_ADMIN, adminText);
    SetDlgItemText(IDC_UDVR_LOCAL_ADMIN_AGAIN, adminText);
    SetDlgItemText(IDC_UDVR_LOCAL_USER, userText);
    SetDlgItemText(IDC_UDVR_LOCAL_USER_AGAIN, userText);
}

// Editing.

void CPage4UserDvr::UpdateRow(int row)
{
    const bool inUse = m_RowUse[row].GetCheck() == BST_CHECKED;
    for (CEdit* edit : { &m_RowId[row], &m_RowPassword[row], &m_RowRePassword[row] })
        edit->EnableWindow(inUse);
    if (row == 0 || row >= m_Grid.GetRowCount())
        return;
    const int rights = RightColumns();
    for (int c = 1; c < m_Grid.GetColumnCount(); ++c) {
        const int camera = c - 1 - rights;
        const bool available = inUse && (camera < 0 || (camera < m_Cameras.Total() && m_Cameras.on[camera]));
        SetCheckMarkAvailable(m_Grid, row, c, available);
    }
}

void CPage4UserDvr::OnUseClicked(UINT nID)
{
    const int row = int(nID) - IDC_UDVR_ROW_USE;
    if (row <= 0 || row >= int(m_RemoteUsers.size()))
        return;
    m_RowUse[row].SetCheck(m_RowUse[row].GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    UpdateRow(row);
    SetPageModified(TRUE);
}

void CPage4UserDvr::OnEdited(UINT)
{
    SetPageModified(TRUE);
}

void CPage4UserDvr::OnLocalSwitchChanged()
{
    SetPageModified(TRUE);
    auto* admin = static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_ADMIN_SWITCH));
    if (admin->GetCurSel() == kSwitchOff)
        static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_USER_SWITCH))->SetCurSel(kSwitchOff);
}

void CPage4UserDvr::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    bool changed = false;
    *pResult = AnswerCheckMarkEdit(m_Grid, pNMHDR, &changed);
    if (changed)
        SetPageModified(TRUE);
}

// Applying.

BOOL CPage4UserDvr::Refuse(UINT message, int focusId)
{
    AfxMessageBox(message);
    if (CWnd* control = GetDlgItem(focusId))
        GotoDlgCtrl(control);
    return FALSE;
}

BOOL CPage4UserDvr::ValidateSettings()
{
    const int count = int(m_RemoteUsers.size());
    std::vector<CString> ids(count);
    for (int i = 0; i < count; ++i)
        m_RowId[i].GetWindowText(ids[i]);
    for (int i = 0; i < count; ++i) {
        if (ids[i].IsEmpty())
            return Refuse(IDS_USER_ID_EMPTY, IDC_UDVR_ROW_ID + i);
        for (int j = 0; j < count; ++j) {
            if (j != i && ids[j] == ids[i])
                return Refuse(IDS_USER_ID_DUPLICATED, IDC_UDVR_ROW_ID + i);
        }
        CString password, again;
        m_RowPassword[i].GetWindowText(password);
        m_RowRePassword[i].GetWindowText(again);
        if (password != again)
            return Refuse(i == 0 ? IDS_ADMIN_PASSWORDS_INVALID : IDS_USER_PASSWORDS_INVALID,
                IDC_UDVR_ROW_REPASSWORD + i);
    }
    if (!HasLocalUsers())
        return TRUE;
    auto number = [this](int id, bool* empty) {
        CString text;
        GetDlgItemText(id, text);
        *empty = text.IsEmpty();
        return std::atoi(text);
    };
    bool adminEmpty = false, userEmpty = false, unused = false;
    m_nLocalAdminPassword = number(IDC_UDVR_LOCAL_ADMIN, &adminEmpty);
    m_nLocalAdminRePassword = number(IDC_UDVR_LOCAL_ADMIN_AGAIN, &unused);
    m_nLocalUserPassword = number(IDC_UDVR_LOCAL_USER, &userEmpty);
    m_nLocalUserRePassword = number(IDC_UDVR_LOCAL_USER_AGAIN, &unused);
    if (m_nLocalAdminPassword != m_nLocalAdminRePassword)
        return Refuse(IDS_LOCAL_ADMIN_MISMATCH, IDC_UDVR_LOCAL_ADMIN);
    if (m_nLocalUserPassword != m_nLocalUserRePassword)
        return Refuse(IDS_LOCAL_USER_MISMATCH, IDC_UDVR_LOCAL_USER);
    // A switch that is off with no password entered stands for "none set";
    // a password entered, or a switch that is on, must be 1111 to 9999.
    auto on = [this](int id) { return static_cast<CComboBox*>(GetDlgItem(id))->GetCurSel() == kSwitchOn; };
    const bool adminNone = adminEmpty && !on(IDC_UDVR_LOCAL_ADMIN_SWITCH);
    const bool userNone = userEmpty && !on(IDC_UDVR_LOCAL_USER_SWITCH);
    if (!adminNone && (m_nLocalAdminPassword < 1111 || m_nLocalAdminPassword > 9999))
        return Refuse(IDS_LOCAL_ADMIN_RANGE, IDC_UDVR_LOCAL_ADMIN);
    if (!userNone && (m_nLocalUserPassword < 1111 || m_nLocalUserPassword > 9999))
        return Refuse(IDS_LOCAL_USER_RANGE, IDC_UDVR_LOCAL_USER);
    if (adminNone)
        m_nLocalAdminPassword = kNoLocalPassword;
    if (userNone)
        m_nLocalUserPassword = kNoLocalPassword;
    return TRUE;
}

ConfigResult CPage4UserDvr::WriteRemoteUsers()
{
    const int count = int(m_RemoteUsers.size());
    CFG_RECORDER_USERS users {};
    users.count = uint32_t(count);
    const int rights = RightColumns();
    for (int i = 0; i < count; ++i) {
        CFG_RECORDER_USER& user = users.users[i];
        CString id, password;
        m_RowId[i].GetWindowText(id);
        m_RowPassword[i].GetWindowText(password);
        user.user = EncodeAccount(id, password);
        if (i == 0) {
            user.rights = user.reserved = 0xFFFF;
            std::memset(user.channels, 0xFF, sizeof user.channels);
            continue;
        }
        user.reserved = m_RemoteUsers[i].reserved;
        if (m_RowUse[i].GetCheck() == BST_CHECKED)
            user.rights |= 0x8000;
        if (i >= m_Grid.GetRowCount())
            continue;
        for (int c = 0; c < rights; ++c)
            if (IsCheckMarkGranted(m_Grid, i, 1 + c))
                user.rights |= kRightBits[c];
        for (int j = 0; j < m_Cameras.Total() && 1 + rights + j < m_Grid.GetColumnCount(); ++j)
            SetCameraRight(user.channels, j + 1, IsCheckMarkGranted(m_Grid, i, 1 + rights + j));
    }
    const ConfigResult result = WriteBlock(SET_RECORDER_USERS, users);
    if (result == CONFIG_DONE) {
        CString password;
        m_RowPassword[0].GetWindowText(password);
        AdoptAdminPassword(m_pConfigView, password);
    }
    return result;
}

ConfigResult CPage4UserDvr::WriteLocalUsers()
{
    CFG_LOCAL_USERS local {};
    if (static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_USER_SWITCH))->GetCurSel() == kSwitchOn)
        local.dwFlags |= 0x80000000u;
    if (static_cast<CComboBox*>(GetDlgItem(IDC_UDVR_LOCAL_ADMIN_SWITCH))->GetCurSel() == kSwitchOn)
        local.dwFlags |= 0x40000000u;
    local.wUserPassword = uint16_t(m_nLocalUserPassword);
    local.wAdminPassword = uint16_t(m_nLocalAdminPassword);
    if (std::memcmp(&local, &m_LocalUsers, sizeof local) == 0)
        return CONFIG_DONE;
    const ConfigResult result = WriteBlock(SET_LOCAL_USERS, local);
    // The device keeps the old values until it took the new ones.
    if (result != CONFIG_DONE) {
        m_bLocalWriteFailed = TRUE;
        return result;
    }
    m_LocalUsers = local;
    ShowLocalUsers();
    return result;
}

ConfigResult CPage4UserDvr::WriteGroup(int)
{
    m_bLocalWriteFailed = FALSE;
    // A table that was not read is never written: an empty one would delete
    // every remote account.
    if (m_bRemoteRead && !m_RemoteUsers.empty()) {
        const ConfigResult result = WriteRemoteUsers();
        if (result == CONFIG_NO_CONNECTION)
            return result;
    }
    if (HasLocalUsers() && m_bLocalRead)
        return WriteLocalUsers();
    return CONFIG_DONE;
}

void CPage4UserDvr::OnApplied()
{
    // What the front panel did not take stays to be applied.
    if (m_bLocalWriteFailed)
        SetPageModified(TRUE);
}
