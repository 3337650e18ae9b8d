// COptionListCtrl: the options of one channel on the channel option page,
// one row per option with its value: camera type, rotation, black-and-white
// mode, motion threshold and the PTZ camera (by family). A click on a value
// switches it or opens an editor over it; the PTZ row's value holds the
// page's PTZ set-up button.
#pragma once

#include "controls/OptionPageOwner.h"
#include "link/CameraBlocks.h"
#include "platform/ui/ListCtrl.h"

#include <vector>

class CListInPlaceEdit;

class COptionListCtrl : public CListCtrl
{
public:
    enum Option { OPTION_TYPE, OPTION_ROTATION, OPTION_MONOCHROME, OPTION_MOTION, OPTION_PTZ };

    void SetOwner(IOptionPageOwner* pOwner) { m_pOwner = pOwner; }
    // The button the PTZ row's value shows while it is edited.
    void SetPtzButton(CWnd* pButton) { m_pPtzButton = pButton; }
    void InitColumns();
    // The option rows of a channel of the family.
    void SetTitles(uint32_t family);
    // A channel's values; `ptzCaption` is its model's name or "None".
    void SetValues(const CFG_CHANNEL_ENTRY& entry, LPCTSTR ptzCaption);
    void ClearTitles();
    void ClearValues();
    // The values back into the channel's entry (its enabled bit stays).
    void GetValues(CFG_CHANNEL_ENTRY* entry) const;
    // Closes an open editor, taking what it holds; TRUE when one was open.
    BOOL DestroyEditor();
    // The PTZ set-up took a new model: its caption into the PTZ row.
    void UpdatePtzValue(LPCTSTR caption);
    int RowOf(Option option) const;
    CString Value(Option option) const;

    // Set while the list handles a click or an editor's end.
    BYTE m_bBusy = FALSE;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void Modified();

    IOptionPageOwner* m_pOwner = nullptr;
    CWnd* m_pPtzButton = nullptr;
    CListInPlaceEdit* m_pEdit = nullptr;
    std::vector<Option> m_Rows;

    DECLARE_MESSAGE_MAP()
};
