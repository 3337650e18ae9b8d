// CQualityBoxDlg: "Quality Box Setting" of the camera schedules' time
// tables: the user draws one rectangle, the quality box, on the live
// picture of a camera and picks its level 1 to 5 under "Attenuation". The
// schedule dialog sets the box, the level, the time table and the camera
// before each opening and reads box and level back after OK; the box is in
// device coordinates. Each opening runs its own stream thread and ends it
// when the dialog closes.
#pragma once

#include "controls/PreviewStream.h"
#include "controls/VideoPreviewWnd.h"
#include "link/ConfigSession.h"
#include "pages/SheetDialog.h"
#include "resources/setup/Resource.h"

class CQualityBoxDlg : public CSheetDialog
{
public:
    CQualityBoxDlg();
    ~CQualityBoxDlg() override;

    void SetConfigView(IConfigPageHost* pView, const BYTE block[16], const BYTE password[16]) override;
    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;

    int m_nPeriod = 0; // the time table, 0 or 1; shown in the title
    int m_nChannel = 0; // the camera the schedule dialog shows
    RECT m_rcBox {}; // in: the box to show; out after OK: the box drawn
    int m_nQuality = -1; // radio index 0..4: level 1..5
    CWnd* m_pSchedulePage = nullptr;
    CWnd* m_pScheduleDlg = nullptr;
    CVideoPreviewWnd m_wndPreview;

    bool IsStreaming() const { return m_stream.HasThread(); }

protected:
    // The three-channel cameras' dialog: its own template, "4" above "3",
    // and the box is taken on OK only.
    CQualityBoxDlg(UINT nIDTemplate, bool threeChannel);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    LRESULT OnStreamFrame(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamError(WPARAM wParam, LPARAM lParam);
    LRESULT OnStreamAck(WPARAM wParam, LPARAM lParam);
    LRESULT OnAreaSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void TakeBox();

    bool m_bThreeChannel = false;
    // What the opener set, for a cancel after drawing.
    RECT m_rcOpened {};
    int m_nOpenedQuality = -1;
    CPreviewStream m_stream;
    CConfigSession m_ConfigSession;
    char m_szAddress[24] = {};
};
