// The in-place editors of the tree-grid's cells: an edit for texts and a
// drop-down list for cells with choices. Each reports its result to the
// grid's parent as an end-of-label-edit notification on the grid's behalf
// (no text when cancelled with Escape) and deletes itself when its window
// is destroyed.
#pragma once

#include "explorer/ItemInfo.h"
#include "morrikExport.h"
#include "platform/ui/Controls.h"

namespace morrik
{

class MORRIK_EXPORT CGridCellEdit : public CEdit
{
public:
    // At most this many characters.
    static constexpr int kMaxChars = 24;

    CGridCellEdit(int nItem, int nSubItem, const CString& strInitText);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_nItem;
    int m_nSubItem;
    CString m_strInitText;
    BOOL m_bESC = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnTextChanged();
    void PostNcDestroy() override;

private:
    CString m_strLastText; // the text before the last change
    BOOL m_bEnded = FALSE;
    DECLARE_MESSAGE_MAP()
};

class MORRIK_EXPORT CGridCellCombo : public CComboBox
{
public:
    CGridCellCombo(int nItem, int nSubItem, const CStringList* pChoices);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_nItem;
    int m_nSubItem;
    CStringList m_choices;
    BOOL m_bESC = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnKillFocus(CWnd* pNewWnd);
    void OnCloseUp();
    void PostNcDestroy() override;

private:
    BOOL m_bEnded = FALSE;
    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
