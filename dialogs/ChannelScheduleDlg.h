// CChannelScheduleDlg: one camera channel's recording for the three
// schedule modes Home, Night and Outing: normal and event frame rate,
// resolution and quality in one grid, the alarm sources of event recording
// as check marks in another, and per mode a quality box drawn on the live
// picture. The page copies the channel's record in before the run and out
// after OK; the dialog sends nothing itself.
#pragma once

#include "controls/AreaPreviewStatic.h"
#include "controls/GridCtrl.h"
#include "dialogs/ModeGrids.h"
#include "link/ScheduleBlocks.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "resources/setup/Resource.h"

class CChannelScheduleDlg : public CDialog
{
public:
    enum { IDD = IDD_CHANNEL_SCHEDULE };

    explicit CChannelScheduleDlg(CWnd* pParent = nullptr);

    // nChannel 1 to 4; b30Frames: the 30-frame standard; bRotate: the
    // picture is shown turned; bExtended: twenty sensor inputs, else four.
    void SetChannelSchedule(
        int nChannel, BYTE b30Frames, BYTE bRotate, BYTE bExtended, tagChannelSchedule schedule);
    void GetChannelSchedule(tagChannelSchedule* pSchedule) const { *pSchedule = m_Schedule; }

    CGridCtrl m_RecordGrid;
    CGridCtrl m_TriggerGrid;
    CAreaPreviewStatic m_Area[SCHEDULE_MODE_COUNT];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    int CreateRecordGrid();
    int CreateTriggerGrid(int top);
    void FillMode(int mode);
    void ShowBox(int mode);
    void OnQualityBox(int mode);
    void EnableOk();

    int m_nChannel = 1;
    BYTE m_b30Frames = 1;
    BYTE m_bRotate = 0;
    BYTE m_bExtended = 0;
    tagChannelSchedule m_Schedule {};
    CImageList m_Images;
};
