// CInPlaceEdit: the edit a grid opens over one cell. Tab, Return and Escape
// end it (Escape puts the first text back); the arrow and page keys end it
// too when it was opened by typing, or with Ctrl held. When it loses the
// focus it reports the text and the key that ended it to the grid as
// GVN_ENDLABELEDIT, then closes and deletes itself. A password edit shows
// and reports asterisks only.
#pragma once

#include "controls/GridCell.h"
#include "platform/ui/Controls.h"

class CInPlaceEdit : public CEdit
{
public:
    CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
        CString sInitText, UINT nFirstChar, BOOL bPassword = FALSE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Ends the edit as the key says; FALSE when the key does not end it.
    BOOL EndKey(UINT nChar);

    BYTE m_bPassword;
    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    CRect m_Rect;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnKillFocus(CWnd* pNewWnd);
    void OnTextChanged();
    void PostNcDestroy() override;

private:
    BOOL m_bEnded = FALSE;
    BOOL m_bTyping = FALSE; // texts the edit sets itself are not masked
    DECLARE_MESSAGE_MAP()
};

// Ends an in-place editor once: its text and the key that ended it go to
// its grid as GVN_ENDLABELEDIT, and it closes itself.
void EndInPlaceEditor(CWnd* editor, BOOL& bEnded, int nRow, int nColumn, UINT nLastChar);
// Whether a key is one of the six that move between cells.
bool IsCellNavigationKey(UINT nChar);
