// The system page of the other brand's recorder: a tab control whose panes
// show the date and time, the audio inputs, the in- and outputs, the text
// insertion and the time synchronisation, read through the recorder's own
// commands and the generic parameter request. The panes report their edits
// to the page.
#pragma once

#include "dialogs/AudioGainDlg.h"
#include "dialogs/AudioTextSettings.h"
#include "link/ClockBlocks.h"
#include "link/SystemBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/TabCtrl.h"

class CDateTimeDlg;
class CRelayDwellDlg;
class CTextInsertDlg2;
class CTimeSyncDlg;

class CPage2SystemSorvakDvr : public CConfigPage
{
public:
    enum Tab { TAB_TIME, TAB_AUDIO, TAB_RELAYS, TAB_TEXT, TAB_TIME_SYNC, TAB_COUNT };

    CPage2SystemSorvakDvr();
    ~CPage2SystemSorvakDvr() override;

    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;
    // Shows the pane of a tab and hides the others.
    void ShowTab(int tab);
    CWnd* Pane(int tab) const;
    // The system page's reboot without its question; nothing on this page
    // starts it.
    BOOL RebootNoConfirm();

    CTabCtrl m_Tab;
    CDateTimeDlg* m_pDateTime = nullptr;
    CAudioGainDlg* m_pAudioGain = nullptr;
    CRelayDwellDlg* m_pRelayDwell = nullptr;
    CTextInsertDlg2* m_pTextInsert = nullptr;
    CTimeSyncDlg* m_pTimeSync = nullptr;

protected:
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;
    void ReadDateTime();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);

    BOOL m_bAudioRead = FALSE;
    BOOL m_bTextRead = FALSE;
    BOOL m_bTimeSyncRead = FALSE;
    BOOL m_bRelayRead = FALSE;
    tagRelaySetting m_Relay {};

    DECLARE_MESSAGE_MAP()
};
