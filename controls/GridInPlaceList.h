// CInPlaceList: the drop-down list of a column's options that a grid opens
// over one cell. Tab, Escape (which puts the first text back) and Return
// end it on their key release, except the first release of Return after it
// opened; the arrow and page keys end it only with Ctrl held. When it loses
// the focus it reports the chosen text to the grid as GVN_ENDLABELEDIT,
// then closes and deletes itself. A combo with an edit part (any style but
// CBS_DROPDOWNLIST) hands that part to a CInPlaceComboEdit, which takes the
// keys and whose loss of the focus ends the list.
#pragma once

#include "controls/GridCell.h"
#include "controls/GridInPlaceComboEdit.h"
#include "platform/ui/Controls.h"

#include <vector>

class CInPlaceList : public CComboBox
{
public:
    CInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
        const std::vector<CString>& items, CString sInitText, UINT nFirstChar);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Ends the edit once: the text goes to the grid, the list closes.
    void EndEdit();

    CInPlaceComboEdit m_edit;
    int m_nNumLines = 4;
    CString m_sInitText;
    int m_nRow;
    int m_nCol;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows = FALSE;
    BOOL m_bSwallowReturn = TRUE;
    CWnd* m_pOwner;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnKillFocus(CWnd* pNewWnd);
    void PostNcDestroy() override;

private:
    // Handles a key of the list; TRUE when the key was taken.
    BOOL Key(UINT message, UINT nChar);
    void End(UINT nChar);
    void RestoreInitialText();
    // Puts the caret as the key that opened the list asks (edit part only).
    void PlaceCaret(UINT nFirstChar);
    BOOL m_bEnded = FALSE;
    DECLARE_MESSAGE_MAP()
};
