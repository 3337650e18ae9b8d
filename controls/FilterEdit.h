// CFilterEdit: an edit that lets only some typed characters through, by
// mode: 0 digits, 1 the digits 1 to 4, 2 digits, letters and "-()$#",
// 3 the digits 1 to 9, 4 and above everything. Backspace always passes.
#pragma once

#include "platform/ui/Controls.h"

class CFilterEdit : public CEdit
{
public:
    void SetFilterMode(int nMode) { m_nMode = nMode; }
    int GetFilterMode() const { return m_nMode; }
    // Whether a typed character gets through in a mode.
    static bool Accepts(int nMode, UINT nChar);

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    int m_nMode = 0;
};
