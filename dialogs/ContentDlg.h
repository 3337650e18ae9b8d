// CContentDlg: edits one stream content of the streaming server (its name,
// video bit rate and coding values, resolution and audio type) on its own
// copy of the record. The page runs it for Add and Edit and reads the
// record back after OK; it never talks to the device.
#pragma once

#include "link/StreamServerBlocks.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

// What the editor asks of the page that owns it.
class IContentDlgOwner
{
public:
    virtual ~IContentDlgOwner() = default;
    // Whether a row other than the list's selected one has this name.
    virtual BOOL IsContentNameUsed(LPCTSTR lpszName) = 0;
    // The rate the page's bit-rate list of an audio type (AAC or AMR) shows;
    // -1 when it shows none.
    virtual int PageAudioBitrate(int nAudioType) = 0;
};

class CContentDlg : public CDialog
{
public:
    CContentDlg();

    void SetOwnerPage(IContentDlgOwner* pPage) { m_pOwnerPage = pPage; }

    // Preset entries of "Default Setting"; the last stands for no preset.
    enum { PRESET_COUNT = 4, PRESET_NONE = 4 };

    int m_nPreset = 0;
    int m_nMode = 0; // the view's firmware kind
    BYTE m_bAdd = 0;
    BYTE m_bInitialising = 1;
    UINT_PTR m_nTimer = 0;
    int m_bAdvanced = 0;
    tagContentInfo m_Content {};

    int m_nBitrate = 0;
    int m_nIntraPeriod = 0;
    int m_nIntraPercent = 0;
    int m_nMaxQ = 0;
    int m_nMinQ = 0;
    int m_nPacketSize = 0;
    int m_nSceneThreshold = 1;
    CString m_strVideoType;
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnPresetChange();
    void OnResolutionChange();
    void OnAudioTypeChange();
    void OnNameChange();
    void OnNumberChange();
    void OnVideoTypeChange();
    void OnAmrRateChange();
    void OnSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAdvanced();
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void LoadContent();
    // Selects the first preset the controls match, or PRESET_NONE.
    void MatchPreset();
    void ShowView();
    void EnableOk();
    // A range check of OK: out of range shows the message, clamps the value
    // and puts the focus into the edit.
    bool CheckRange(int nID, int& value, int low, int high, UINT nMessage);
    void FocusEdit(int nID);
    int Selection(int nID) const;

    IContentDlgOwner* m_pOwnerPage = nullptr;
};
