// CQualityBoxDlg3: "Quality Box Setting", where the user marks one rectangle
// of a camera's live picture and picks a quality level 1 to 5 for it. It
// runs a Plinto thread of its own and pulls the frames one at a time into
// its embedded preview; the rectangle is kept in the coordinates of the full
// 720 x 486 picture.
#pragma once

#include "controls/PreviewStream.h"
#include "controls/VideoPreviewWnd.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CQualityBoxDlg3 : public CDialog
{
public:
    enum { IDD = IDD_QUALITY_BOX3 };

    explicit CQualityBoxDlg3(CWnd* pParent = nullptr);
    ~CQualityBoxDlg3() override;

    // Set by the creator; the dialog converts with the preview's per-frame
    // flags instead.
    BYTE m_bNtsc = 0;
    BYTE m_bRotate = 0;
    int m_nMode = 0; // 0 Home, 1 Night, 2 Outing
    int m_nChannel = 1; // the low byte is the camera input
    // The quality box in full-picture coordinates (x 0..720, y 0..486).
    RECT m_rcArea {};
    CRect m_rcPreview;
    int m_nQuality = -1; // radio index 0..4: level 1..5
    CVideoPreviewWnd m_wndPreview;

    bool IsStreaming() const { return m_stream.HasThread(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    LRESULT OnStreamFrame(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamError(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnAreaSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void PlaceControls();
    void StartStream();

    CPreviewStream m_stream;
};
