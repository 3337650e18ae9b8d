// CContentListCtrl: the streaming-server page's table of stream contents,
// one row per content with a check box that switches it on or off, within
// the page's maximum of active contents.
#pragma once

#include "link/StreamServerBlocks.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

// State images of the rows' check boxes (one-based).
constexpr UINT CONTENT_STATE_INACTIVE = 2;
constexpr UINT CONTENT_STATE_DISABLED = 3; // every row while activation is off
constexpr UINT CONTENT_STATE_ACTIVE = 4;
constexpr int CONTENT_COLUMNS = 14;

class CContentListCtrl : public CListCtrl
{
public:
    void InitColumns();
    // Appends a row, selects it and focuses the list; FALSE when the insert fails.
    BOOL AddContent(tagContentInfo& info);
    BOOL UpdateContent(tagContentInfo& info, int nRow);
    // Reads a row back into the record's fields; the rest of the record stays.
    BOOL GetContent(tagContentInfo* pInfo, int nRow) const;
    // Whether a row other than the selected one has exactly this name.
    BOOL IsNameUsed(LPCTSTR lpszName) const;
    BOOL DeleteSelected();
    void DeleteAll();
    int GetSelectedIndex() const { return m_nSelectedRow; }
    void SelectRow(int nRow);
    void SetResolutionAll(LPCTSTR lpszResolution);
    void SetFrameRateAll(int nFrameRate);
    void SetAudioBitrateForType(LPCTSTR lpszType, int nRate);
    // The state image a row shows (0 when none).
    UINT GetRowState(int nRow) const { return GetItemState(nRow, LVIS_STATEIMAGEMASK) >> 12; }

    // Set by the page after creation.
    int m_nActivation = 0; // non-zero: the user may switch contents on and off
    int m_nMaxActiveContents = 10;
    // Set while the page edits a row that a double-click chose.
    BYTE m_bEditing = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void FillRow(int nRow, tagContentInfo& info);
    int CountActive() const;
    // Tells the page that its contents changed.
    void NotifyModified();

    CImageList m_StateImages;
    int m_nSelectedRow = -1;
};
