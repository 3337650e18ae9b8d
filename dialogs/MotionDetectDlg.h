// "Motion Detect Setting": the live picture of one recorder camera with its
// motion area laid over it as a grid of cells, which the user switches on
// and off with the mouse, all set or all cleared, and the motion threshold.
// OK gives the area back as a bit mask, 8 x 8 (a byte a row) or 16 x 16 (a
// word a row), most significant bit leftmost. The picture, the grid and the
// mouse editing are the viewer's; the dialog makes a viewer for each run.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

#include <cstdint>
#include <memory>

namespace quenby
{
class CBriselViewer;
}

class CMotionDetectDlg : public CDialog
{
public:
    static constexpr int kCells = 256;

    explicit CMotionDetectDlg(CWnd* pParent = nullptr);
    ~CMotionDetectDlg() override;

    void SetMdArea(int nChannel, int nThreshold, const uint8_t mask[8]);
    void SetMdArea16(int nChannel, int nThreshold, const uint16_t mask[16]);
    void SetHideThreshold(int bHide) { m_bHideThreshold = bHide; }
    // The viewer's grid; without a call it is 8 x 8 cells.
    void SetMdBlockSize(bool bFixed, int nColumns, int nRows, int nCellWidth, int nCellHeight);

    quenby::CBriselViewer* Viewer() const { return m_pViewer.get(); }

    int m_nChannel = 1;
    int m_nThreshold = 0; // 0 "Low", 1 "Standard", 2 "High"
    uint8_t m_abMask8[8] = {};
    uint16_t m_awMask16[16] = {};
    uint8_t m_abCells[kCells] = {};
    int m_bHideThreshold = 0;
    uint8_t m_b16x16 = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    void OnThresholdChange();
    void OnClearAll();
    void OnSetAll();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnClose();
    void SetAllCells(bool bOn);
    void StopViewer();

    std::unique_ptr<quenby::CBriselViewer> m_pViewer;
    struct BlockSize {
        bool set = false;
        bool fixed = false;
        int columns = 8, rows = 8, width = 0, height = 0;
    } m_blockSize;

    DECLARE_MESSAGE_MAP()
};
