// The text insertion pane of the recorder pages: text from a serial device
// recorded and shown beside the video, the channel it goes with, the
// device, and how a text is found (headers, delimiter, time-out, lines).
// Every edit marks the parent page modified. CTextInsertDlg2 is the other
// brand's system page's variant, which keeps the record it was given and
// tells whether it changed.
#pragma once

#include "dialogs/AudioTextSettings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

class CTextInsertDlg : public CDialog
{
public:
    // kind 0: the device page, 1: the alarm source page.
    CTextInsertDlg(CWnd* pOwner, int nKind);

    // "All", then "CH1" to "CH<count>".
    void FillSyncChannels(int count);
    void FillDevices(int count, const char* const names[]);
    void SetTextSettings(tagTextInsertSetting setting);
    void GetTextSettings(tagTextInsertSetting* pOut);
    // The fields of finding a text only for the first device.
    void UpdateHeaderControls();

protected:
    CTextInsertDlg(UINT nIDTemplate, CWnd* pOwner);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void ShowRecord(const tagTextInsertSetting& setting);
    // False when a number is out of its range (its message shown).
    bool ReadRecord(tagTextInsertSetting* pOut);
    void HeaderRule();
    void OnEdited();
    void OnSeekHeader();
    void OnDeviceChange();
    void OnTimeoutSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLinesSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void Spin(int& value, int delta);

    int m_nKind = 0;
    int m_bRecording = 0;
    int m_bMonitoring = 0;
    int m_bSeekHeader = 0;
    int m_nSyncChannel = 0;
    int m_nDevice = 0;
    CString m_strHeader1;
    CString m_strHeader2;
    CString m_strDelimiter;
    int m_nTimeout = 0;
    int m_nLines = 0;
    bool m_bLoading = true; // the pane fills its controls itself (until it is up)

    DECLARE_MESSAGE_MAP()
};

class CTextInsertDlg2 : public CTextInsertDlg
{
public:
    explicit CTextInsertDlg2(CWnd* pParent = nullptr);

    void SetTextSettings(tagTextInsertSetting setting);
    // TRUE when any of the 148 bytes differs from the record last given or
    // returned, which the new one then becomes.
    BOOL GetTextSettings(tagTextInsertSetting* pOut);

protected:
    BOOL OnInitDialog() override;

    tagTextInsertSetting m_Stored {};
};
