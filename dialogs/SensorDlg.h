// The sensor pane of the recorder's alarm-source page: the contact type of
// each alarm input ("Off", "NO", "NC") in a one-row grid, and a "Global"
// choice that Apply puts into every input.
#pragma once

#include "controls/GridCtrl.h"
#include "dialogs/PagePane.h"

#include <cstdint>

class CSensorDlg : public CPagePane
{
public:
    static constexpr int kMaxInputs = 16;

    explicit CSensorDlg(CWnd* pPage);

    // Four inputs below recorder model class 2, sixteen from it on.
    static int InputCount();

    // Keeps a copy of the 16 type bytes and shows them.
    void SetSensorTypes(const uint8_t* pTypes);
    // The grid's types into the 16 bytes (a cell that names no type leaves
    // its byte); 1 when any differs from what SetSensorTypes gave.
    uint8_t GetSensorTypes(uint8_t* pTypes) const;

    CGridCtrl& Grid() { return m_Grid; }

protected:
    BOOL OnInitDialog() override;
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnApply();

    CGridCtrl m_Grid;
    uint8_t m_byTypes[kMaxInputs] = {};

    DECLARE_MESSAGE_MAP()
};
