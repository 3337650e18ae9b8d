// CListInPlaceEdit: the single-line edit a report list opens over one cell.
// When it loses the focus it reports the text to the list's parent as
// LVN_ENDLABELEDIT on behalf of the list (no text when cancelled with
// Escape); the list then destroys its window and the edit deletes itself.
// The list creates it visible and gives it the focus.
#pragma once

#include "platform/ui/Controls.h"

// To the list that owns the edit: Return, Delete or Escape reached the
// edit; the tree-in-list control then forgets its delayed-edit flag.
constexpr UINT WM_INPLACE_EDIT_KEY = WM_APP + 0x150;

class CListInPlaceEdit : public CEdit
{
public:
    CListInPlaceEdit(int iItem, int iSubItem, CString sInitText);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_iItem;
    int m_iSubItem;
    CString m_sInitText;
    BOOL m_bESC = FALSE;
    BOOL m_bEnded = FALSE; // the result has been reported

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnTextChanged();
    void PostNcDestroy() override;

private:
    CString m_sLastText; // the text before the last change
    DECLARE_MESSAGE_MAP()
};
