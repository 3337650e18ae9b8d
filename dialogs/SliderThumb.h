// A trackbar tells its owner of each new picture of itself through custom-
// draw notices; the owner asks for the item stages and reads the position
// when the thumb is drawn. That is how a pane learns of every move.
#pragma once

#include "platform/ui/Controls.h"

// The slider's position when this notice draws its thumb, else -1 (the
// notice is answered as the owner needs it either way).
inline int ThumbDrawnAt(CWnd* pOwner, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return -1;
    }
    *pResult = CDRF_DODEFAULT;
    if (draw->dwDrawStage != CDDS_ITEMPREPAINT || draw->dwItemSpec != TBCD_THUMB)
        return -1;
    return int(pOwner->SendDlgItemMessage(int(pNMHDR->idFrom), TBM_GETPOS));
}
