// CInPlaceComboEdit: the edit part (id 1001) of an in-place list whose
// combo has one. It takes its keys before any dialog around the grid does:
// the release of Tab, Return and Escape, and the arrow and page keys with
// Ctrl held, go to the list, which ends on them; every other key edits the
// text. Losing the focus to another window ends the list. It lives as a
// member of its list and goes with it.
#pragma once

#include "platform/ui/Controls.h"

class CInPlaceComboEdit : public CEdit
{
public:
    CInPlaceComboEdit() = default;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);

private:
    // Whether a key message is the list's to act on, not the text's.
    BOOL IsListKey(UINT message, UINT nChar) const;
    DECLARE_MESSAGE_MAP()
};
