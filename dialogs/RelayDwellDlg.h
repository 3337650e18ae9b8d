// The in- and outputs pane of the other brand's system page: whether each
// alarm input and relay output is normally open or normally closed, in two
// one-row grids, and how long a relay stays closed. Every edit marks the
// parent page modified.
#pragma once

#include "controls/GridCtrl.h"
#include "link/SystemBlocks.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CRelayDwellDlg : public CDialog
{
public:
    explicit CRelayDwellDlg(CWnd* pParent = nullptr);

    // The first 64 bytes of the record and its dwell index; a mode of 0
    // counts as normally open.
    void SetRelaySettings(const uint8_t modes[64], uint8_t dwell);
    // Writes the shown modes and dwell index into *pOut (the carried bytes
    // stay as they are there); 1 when they differ from what was set.
    BYTE GetRelaySettings(tagRelaySetting* pOut);

    // Inputs and outputs the recorder has: 4 below model class 2, else 16.
    static int ContactCount();

    CGridCtrl m_OutputGrid;
    CGridCtrl m_InputGrid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void SetUpGrid(CGridCtrl& grid, int x, int y);
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDwellChange();

    int m_nDwell = -1;
    uint8_t m_byModes[64] = {};
    uint8_t m_byDwell = 0;

    DECLARE_MESSAGE_MAP()
};
