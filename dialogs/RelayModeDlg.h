// CRelayModeDlg: which events switch each of the four relay outputs, for
// each schedule mode (Home, Night, Outing): one check grid per mode, a
// relay per row. A ticked "Manual" locks the other cells of its row with
// their states. The page copies its relay plan in before the run and out
// after OK; the dialog sends nothing itself.
#pragma once

#include "controls/GridCtrl.h"
#include "dialogs/ModeGrids.h"
#include "link/ScheduleBlocks.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "resources/setup/Resource.h"

class CRelayModeDlg : public CDialog
{
public:
    enum { IDD = IDD_RELAY_MODE };

    explicit CRelayModeDlg(CWnd* pParent = nullptr);

    // bWide: twenty sensor columns, else four.
    void SetRelaySchedule(BYTE bWide, const tagRelayTable* pTable);
    void GetRelaySchedule(tagRelayTable* pTable) const { *pTable = m_RelaySchedule; }

    // The mask of a relay (0 to 3) in a mode: the mode plans keep their
    // 32-bit masks in the period words the day plans pass through.
    static uint32_t& ModeMask(tagRelayTable& table, int mode, int relay)
    {
        return table.period[mode].extra[relay];
    }

    CGridCtrl m_Grid[SCHEDULE_MODE_COUNT];

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    int ColumnCount() const { return m_bWide ? 26 : 10; }
    void CreateGrid(int mode);
    void OnCellClick(CGridCtrl& grid, int row, int col);

    BYTE m_bWide = 1;
    tagRelayTable m_RelaySchedule {};
    CImageList m_Images;
};
