#include "controls/FilterEdit.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CFilterEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

bool CFilterEdit::Accepts(int nMode, UINT nChar)
{
    constexpr UINT kBackspace = 0x08;
    if (nMode >= 4)
        return true;
    if (nChar == kBackspace)
        return true;
    const bool digit = nChar >= '0' && nChar <= '9';
    switch (nMode) {
    case 0:
        return digit;
    case 1:
        return nChar >= '1' && nChar <= '4';
    case 2:
        return digit || (nChar >= 'a' && nChar <= 'z') || (nChar >= 'A' && nChar <= 'Z')
            || (nChar != 0 && nChar < 0x80 && std::strchr("-()$#", int(nChar)));
    case 3:
        return nChar >= '1' && nChar <= '9';
    default: // a negative mode lets nothing but backspace through
        return false;
    }
}

void CFilterEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (Accepts(m_nMode, nChar))
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}
