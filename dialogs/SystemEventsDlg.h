// Which actions (relay outputs 1 to 4, e-mail) a recorder's system events
// (fan failure, video loss, disk failure) trigger: a check grid of actions
// by event. A pane for a DVR settings page; it tells its page of each edit.
#pragma once

#include "controls/GridCtrl.h"
#include "dialogs/PagePane.h"
#include "platform/ui/ImageList.h"

class CSystemEventsDlg : public CPagePane
{
public:
    explicit CSystemEventsDlg(CWnd* pParent = nullptr);

    // Six little-endian 16-bit words as three 32-bit ones; word r (1 to 5)
    // is grid row r, its high byte's bits 7, 6, 5 the three events.
    void SetEvents(DWORD dw0, DWORD dw1, DWORD dw2);
    bool GetEvents(BYTE* pEvents) const;

    BOOL OnInitDialog() override;

    CGridCtrl m_Grid;
    CImageList m_ImageList;

protected:
    void ShowEvents();
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);

    BYTE m_Events[12] {};

    DECLARE_MESSAGE_MAP()
};
