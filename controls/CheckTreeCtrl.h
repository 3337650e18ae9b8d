// CCheckTreeCtrl: the channel option page's list of channels and external
// devices, each with a check box. A click on a box toggles it, a click on a
// name selects the item; either is told to the page (WM_CHECK_TREE_NOTIFY)
// once the page has closed the option list's editor.
#pragma once

#include "controls/OptionPageOwner.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

class CCheckTreeCtrl : public CListCtrl
{
public:
    void SetOwner(IOptionPageOwner* pOwner) { m_pOwner = pOwner; }
    // One column, check boxes, no heading.
    void InitColumns();
    int AddItem(LPCTSTR text);
    void CheckItem(int index);
    void UncheckAll();
    BOOL IsItemChecked(int index) const;
    void SelectItemByIndex(int index);

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);

    IOptionPageOwner* m_pOwner = nullptr;
    // The boxes: the check marks of the settings grids.
    CImageList m_StateImages;

    DECLARE_MESSAGE_MAP()
};
