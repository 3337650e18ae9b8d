// The streaming server's tab: its stream contents (at most ten), the frame
// rate they share, the AAC and AMR audio rates, who may watch each content
// and how many connections it takes.
#pragma once

#include "controls/ContentListCtrl.h"
#include "dialogs/AccessListDlg.h"
#include "dialogs/ContentDlg.h"
#include "link/StreamServerBlocks.h"
#include "pages/ConfigPage.h"

#include <memory>

class CPage11StreamServer : public CConfigPage, public IContentDlgOwner
{
public:
    CPage11StreamServer();
    ~CPage11StreamServer() override;

    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;

    BOOL IsContentNameUsed(LPCTSTR lpszName) override;
    int PageAudioBitrate(int nAudioType) override;
    void SetPageModified() { CConfigPage::SetPageModified(TRUE); }
    void OnButtonEdit();
    void EditContent() { OnButtonEdit(); }

    CContentListCtrl* ContentList() const { return m_pContentList.get(); }
    CContentDlg m_ContentDlg;

    int m_nFrameRate = 8;
    int m_nLastFrameRate = 8;
    int m_nMaxConnections = 0;
    int m_nLastMaxConnections = 0;
    int m_nContentCount = 0; // as read
    tagContentInfo m_ContentsRead[CONTENT_ROOM] {};
    tagContentAccess m_Access[CONTENT_ACCESS_ENTRIES] {};
    tagContentInfo m_Content {};
    int m_nFirmwareClass = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void BeforeSessionEnd() override;

    void OnAdd();
    void OnDelete();
    void OnFrameRateChange();
    void OnFrameRateSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAacChange();
    void OnAmrChange();
    void OnMaxConnectionsChange();
    void OnAccessList();
    void OnStatus();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnListModified(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The record of a list row: the row's fields over the content of that
    // name as read, so that what the list does not show travels unchanged.
    tagContentInfo RowContent(int nRow) const;
    bool ContentsChanged() const;
    tagContentAccess* AccessEntry(const char* name);
    void EnableServerControls(BOOL bEnable);
    void SetContentName();

    std::unique_ptr<CContentListCtrl> m_pContentList;
    UINT_PTR m_nTimer = 0;
    bool m_bAudioCleared = false;
    bool m_bContentsRead = false;
    bool m_bContentsEdited = false;
    bool m_bReplacing = false; // while a change handler puts a value back
};
