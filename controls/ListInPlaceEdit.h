// CListInPlaceEdit: the single-line edit a report list opens over one cell.
// When it loses the focus it reports the text to the list's parent as
// LVN_ENDLABELEDIT on behalf of the list (no text when cancelled with
// Escape); the list then destroys its window and the edit deletes itself.
// The list creates it visible and gives it the focus.
#pragma once

#include "link/WindowMessages.h"
#include "platform/ui/Controls.h"

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
