// The channel option page: the channel page in another form, for families 0
// to 3. The channels and external devices stand in a list with check boxes
// on the left; the options of the selected channel in an option list on the
// right, whose PTZ row opens the PTZ set-up. It reads and writes the same
// channel and external-device blocks as the channel page. No family's sheet
// holds it; it is made by its class name.
#pragma once

#include "controls/CheckTreeCtrl.h"
#include "controls/OptionListCtrl.h"
#include "dialogs/PtzSetupButton.h"
#include "link/ChannelSettings.h"
#include "pages/ConfigPage.h"

#include <memory>

class CPage5Chnl : public CConfigPage, public IOptionPageOwner, public IPtzSetupSource
{
public:
    CPage5Chnl();
    ~CPage5Chnl() override;

    void SetConfigView(IConfigPageHost* pView) override;
    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;

    // IOptionPageOwner
    using CConfigPage::SetPageModified;
    void SetPageModified() override;
    BOOL CloseGridEditor() override;
    // IPtzSetupSource
    const PtzModelList& PtzModels() const override { return m_Models; }
    int PtzChannel() const override;
    tagPtzSetting& PtzSetting() override;
    void OnPtzSetupDone(const CString& caption) override;

    enum Group { GROUP_DEVICE, GROUP_CHANNEL, GROUP_COUNT };

    // The number of channel items of the family (device items follow).
    int ChannelItems() const;
    int DeviceItems() const;
    // The entry a channel item stands for.
    int EntryOfItem(int item) const;

    std::unique_ptr<CCheckTreeCtrl> m_pTree;
    std::unique_ptr<COptionListCtrl> m_pOptions;
    CPtzSetupButton m_PtzButton;
    int m_nCurrent = -1;
    PtzModelList m_Models;
    tagPtzSetting m_PtzSettings[kChannelEntries] = {};
    CFG_CHANNEL_ENTRY m_Entries[kChannelEntries] = {};
    BYTE m_bCommitted[kChannelEntries] = {};

protected:
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    void BeforeSessionEnd() override;
    LRESULT OnTreeNotify(WPARAM wParam, LPARAM lParam);

    void FillTree();
    void ShowChannel(int item);
    void StoreCurrent();
    ExtDeviceLayout DeviceLayout() const;

    BOOL m_bChannelRead = FALSE;

    DECLARE_MESSAGE_MAP()
};
