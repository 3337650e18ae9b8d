// The information page's list: the device-information list, whose
// description value is edited in place and whose fact rows open the tab
// that edits them on a double-click.
#pragma once

#include "controls/CamInfoListCtrl.h"
#include "link/CameraInfo.h"
#include "link/StreamServerBlocks.h"

class CPage1CamInfo;
class CListInPlaceEdit;

class CPage1InfoList : public CCamInfoListCtrl
{
public:
    // The page told about description edits.
    void SetOwnerPage(CPage1CamInfo* pPage) { m_pPage = pPage; }
    // The device summary in the family's form (recorders with their channel count).
    void ShowInfo(const CAMERA_INFO& info, int channelCount);
    void SetContent(int index, const tagContentInfo& content);

    // Opens the in-place edit over a cell; null when the row cannot be shown.
    CListInPlaceEdit* EditSubLabel(int row, int column);
    // The end of an in-place edit of a value cell; a null text is a cancel.
    void EndLabelEdit(int row, const char* text);

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnEndLabelEditNotify(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    CPage1CamInfo* m_pPage = nullptr;
};
