// The "Channel" tab of the cameras, the streaming server and the video
// servers: where channel 1 takes its picture from (built-in camera or
// external input), which of channels 2 to 4 are on, and per channel the
// camera type, rotation, black-and-white mode, motion threshold and PTZ
// camera (edited in the PTZ set-up dialog), with the sensors and relay
// outputs. The three-channel page of family 1 is the same page with three
// rows and its own control ids.
#pragma once

#include "link/ChannelSettings.h"
#include "pages/ConfigPage.h"
#include "platform/ui/GdiObject.h"

class CPage5Channel : public CConfigPage
{
public:
    CPage5Channel();
    ~CPage5Channel() override;

    void SetConfigView(IConfigPageHost* pView) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    // The settings groups the page writes separately.
    enum Group { GROUP_EXT_DEVICE, GROUP_CHANNEL, GROUP_COUNT };
    // Channel 1's source, as the radios 1097, 1100, 1101 give it.
    enum Source { SOURCE_NONE, SOURCE_INTERNAL, SOURCE_EXTERNAL };

    int m_nCh1Source = SOURCE_NONE;
    BYTE m_bCh1Internal = FALSE;
    BYTE m_bCommitted[kChannelEntries] = {};
    BYTE m_bEdited[kChannelEntries] = {};
    CFG_CHANNEL_ENTRY m_Entries[kChannelEntries] = {};
    tagPtzSetting m_PtzSettings[kChannelEntries] = {};
    PtzModelList m_Models;
    int m_nThreshold[4] = {};

    // The controls of one channel row.
    struct RowIds {
        int enable, type, rotation, monochrome, threshold, model, setup;
    };

    // The rows of channels 1 to 4; the three-channel page uses the first three.
    static const RowIds kRowIds[4];

protected:
    CPage5Channel(UINT nIDTemplate, SheetSlot slot, int rows, const RowIds* ids, ExtDeviceLayout layout);

    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    // The sensor and relay checks of the family, in device order.
    virtual void ExtDeviceChecks(const int** sensors, const int** relays, int* count) const;
    virtual void Layout();
    // After the controls were stored back (the three-channel page shows
    // them again).
    virtual void AfterChannelWrite() { }

    void OnRowEdited(UINT nID);
    void OnSourceClicked(UINT nID);
    void OnChannelClicked(UINT nID);
    void OnSetupClicked(UINT nID);
    void OnExtDeviceClicked(UINT nID);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    int RowOf(UINT nID) const;
    bool IsFamily(uint32_t family) const;
    // The entry channel 1's row shows: the internal camera or the input.
    int Ch1Entry() const;
    void ShowEntry(int row, const CFG_CHANNEL_ENTRY& entry, const tagPtzSetting& ptz);
    void StoreRow1(int entry, bool enabled);
    uint8_t RowFlags(int row);
    void EnableRow(int row, BOOL bEnable);
    // Marks a settings group changed; nothing while the page fills itself.
    void Changed(int group);
    void ReadChannelBlock();

    const int m_nRows;
    const RowIds* m_pRowIds;
    const ExtDeviceLayout m_ExtLayout;
    BOOL m_bChannelRead = FALSE;
    BOOL m_bFilling = FALSE;
    CBrush m_WhiteBrush;
    CBrush m_FaceBrush;

    DECLARE_MESSAGE_MAP()
};
