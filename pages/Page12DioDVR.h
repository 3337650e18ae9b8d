// The "Relay" tab of recorders of model classes 0 to 3: for each of the
// four periods, which motion-detection and sensor sources switch which of
// the four relay outputs, and whether the period's mapping rests in
// special time.
#pragma once

#include "controls/GridCtrl.h"
#include "link/AlarmBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/PeriodTabs.h"
#include "platform/ui/ImageList.h"

// The mask bit a source column of the relay grid stands for: in the first
// block (sensors, and motion below 16 channels) or in the second.
struct RelaySourceBit {
    bool second = false;
    uint16_t bit = 0;
};
RelaySourceBit RelaySourceOf(int modelClass, int column);
// The source columns of the grid for a model class.
int RelaySourceColumns(int modelClass);

class CPage12DioDVR : public CConfigPage
{
public:
    CPage12DioDVR();

    BOOL OnInitDialog() override;

    CFG_RELAY_MAPPING m_Mapping {};
    CGridCtrl m_Grid;
    CImageList m_ImageList;
    CPeriodTabs m_Periods;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;

    void ShowPeriod(int period);
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSpecialTimeClicked();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);

    int m_nModelClass = 0;

    DECLARE_MESSAGE_MAP()
};
