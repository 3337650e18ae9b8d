// CAccessListDlg: for each stream content, whether it is public and which of
// the device's users may watch it. It reads the device's users itself; the
// access block it edits is the streaming-server page's, copied in and out.
#pragma once

#include "controls/DualListManager.h"
#include "link/ConfigSession.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

#include <cstdint>

class CContentListCtrl;

// One content's entry of the access block: its name (empty = a free entry)
// and its access word.
struct tagContentAccess {
    char szName[128];
    uint32_t dwAccess;
};
constexpr int CONTENT_ACCESS_ENTRIES = 10;
// Bits of the access word: public, and users 1 to 4 granted.
constexpr uint32_t ACCESS_PUBLIC = 0x01;
constexpr uint32_t AccessUserBit(int user) // user 1 to 4
{
    return uint32_t(1) << (user + 1);
}

class CAccessListDlg : public CDialog
{
public:
    explicit CAccessListDlg(CWnd* pParent = nullptr);

    // The page's content list; its names (column 1) are the contents offered.
    void SetUserListCtrl(CContentListCtrl* pList) { m_pContentList = pList; }

    tagContentAccess m_Access[CONTENT_ACCESS_ENTRIES] {};
    int m_bPublic = 0;
    CString m_strUsers[5];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnContentChange();
    void OnPublic();
    void OnAllPublic();
    DECLARE_MESSAGE_MAP()

private:
    void ReadUsers();
    // The access entry of a content name (the first of that name), or null.
    tagContentAccess* EntryOf(const CString& name);
    tagContentAccess* SelectedEntry();

    CContentListCtrl* m_pContentList = nullptr;
    CDualListManager m_DualList;
    CConfigSession m_ConfigSession;
    ConfigReply m_Reply {};
};
