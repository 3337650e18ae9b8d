#include "dialogs/AccessListDlg.h"

#include "controls/ContentListCtrl.h"
#include "link/AccountBlocks.h"
#include "link/DeviceHelpers.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr int kUserSlots = 5;
constexpr int kFirstOffered = 1; // slot 0, the administrator, is never offered
constexpr uint8_t kSlotInUse = 0x80;
constexpr int kNameColumn = 1;

} // namespace

BEGIN_MESSAGE_MAP(CAccessListDlg, CDialog)
ON_CBN_SELCHANGE(IDC_ACCESS_CONTENT, OnContentChange)
ON_BN_CLICKED(IDC_ACCESS_PUBLIC, OnPublic)
ON_BN_CLICKED(IDC_ACCESS_ALL_PUBLIC, OnAllPublic)
END_MESSAGE_MAP()

CAccessListDlg::CAccessListDlg(CWnd* pParent)
    : CDialog(IDD_ACCESS_LIST, pParent)
{
}

void CAccessListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_ACCESS_PUBLIC, m_bPublic);
}

BOOL CAccessListDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The move buttons and the two lists are the manager's first.
    m_DualList.OnCommand(LOWORD(wParam), HIWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
}

void CAccessListDlg::ReadUsers()
{
    CFG_USER_LIST users {};
    if (m_ConfigSession.Request(GET_USER_LIST, {}, &users, m_Reply) != CONFIG_DONE)
        return;
    for (int slot = 0; slot < kUserSlots; ++slot) {
        m_strUsers[slot].Empty();
        if (!(users.rights[slot] & kSlotInUse))
            continue;
        char field[17] = {};
        std::memcpy(field, users.users[slot].id, 16);
        UnscramblePassword(reinterpret_cast<uint8_t*>(field));
        field[16] = 0;
        m_strUsers[slot] = field;
    }
}

tagContentAccess* CAccessListDlg::EntryOf(const CString& name)
{
    for (tagContentAccess& entry : m_Access)
        if (std::strncmp(entry.szName, name, sizeof entry.szName) == 0)
            return &entry;
    return nullptr;
}

tagContentAccess* CAccessListDlg::SelectedEntry()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_ACCESS_CONTENT));
    if (!combo || combo->GetCurSel() < 0)
        return nullptr;
    CString name;
    combo->GetLBText(combo->GetCurSel(), name);
    return EntryOf(name);
}

BOOL CAccessListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ReadUsers();
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_ACCESS_CONTENT));
    if (combo)
        combo->ResetContent();
    const int rows = m_pContentList ? std::min(m_pContentList->GetItemCount(), DUAL_LIST_GROUPS) : 0;
    for (int row = 0; row < rows; ++row) {
        const CString name = m_pContentList->GetItemText(row, kNameColumn);
        if (combo)
            combo->AddString(name);
        m_DualList.SetGroup(row);
        const tagContentAccess* entry = EntryOf(name);
        const uint32_t access = entry ? entry->dwAccess : 0;
        for (int user = kFirstOffered; user < kUserSlots; ++user) {
            if (m_strUsers[user].IsEmpty())
                continue;
            m_DualList.AddSourceItem(m_strUsers[user], UINT(user));
            if (access & AccessUserBit(user))
                m_DualList.AddTargetItem(m_strUsers[user], UINT(user));
        }
    }
    m_DualList.Init(this, IDC_ACCESS_REGISTERED, IDC_ACCESS_GRANTED, IDC_ACCESS_ADD, IDC_ACCESS_ADD_ALL,
        IDC_ACCESS_REMOVE, IDC_ACCESS_REMOVE_ALL, 0, 0);
    if (combo)
        combo->SetCurSel(0);
    const tagContentAccess* first = SelectedEntry();
    m_bPublic = first && (first->dwAccess & ACCESS_PUBLIC) ? 1 : 0;
    m_DualList.SetGroup(0);
    m_DualList.Refresh();
    UpdateData(FALSE);
    return TRUE;
}

void CAccessListDlg::OnContentChange()
{
    const tagContentAccess* entry = SelectedEntry();
    m_bPublic = entry && (entry->dwAccess & ACCESS_PUBLIC) ? 1 : 0;
    m_DualList.SetGroup(int(SendDlgItemMessage(IDC_ACCESS_CONTENT, CB_GETCURSEL)));
    m_DualList.Refresh();
    UpdateData(FALSE);
}

void CAccessListDlg::OnPublic()
{
    UpdateData(TRUE);
    tagContentAccess* entry = SelectedEntry();
    if (!entry)
        return;
    // Clearing the box clears the whole word; OK rebuilds the user bits.
    if (m_bPublic)
        entry->dwAccess |= ACCESS_PUBLIC;
    else
        entry->dwAccess = 0;
}

void CAccessListDlg::OnAllPublic()
{
    for (tagContentAccess& entry : m_Access)
        entry.dwAccess |= ACCESS_PUBLIC;
    m_bPublic = 1;
    UpdateData(FALSE);
}

void CAccessListDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_ACCESS_CONTENT));
    const int count = combo ? std::min(combo->GetCount(), DUAL_LIST_GROUPS) : 0;
    for (int i = 0; i < count; ++i) {
        CString name;
        combo->GetLBText(i, name);
        tagContentAccess* entry = EntryOf(name);
        if (!entry)
            continue;
        for (int user = kFirstOffered; user < kUserSlots; ++user) {
            const bool granted = !m_strUsers[user].IsEmpty() && m_DualList.IsInTarget(i, m_strUsers[user]);
            if (granted)
                entry->dwAccess |= AccessUserBit(user);
            else
                entry->dwAccess &= ~AccessUserBit(user);
        }
    }
    CDialog::OnOK();
}
