// CPtzSetupButton: the push button that the channel option page's option
// list shows in its PTZ row. Released, it opens the PTZ set-up dialog on the
// page's current channel and, on OK, writes the setting back into the page
// and takes the model's name as its caption.
#pragma once

#include "link/ChannelSettings.h"
#include "platform/ui/Controls.h"

// What the button reads from and writes into its page.
class IPtzSetupSource
{
public:
    virtual ~IPtzSetupSource() = default;
    virtual const PtzModelList& PtzModels() const = 0;
    // The channel the option list shows, 1 to 4.
    virtual int PtzChannel() const = 0;
    virtual tagPtzSetting& PtzSetting() = 0;
    // The set-up ended with OK: the option list takes the new caption.
    virtual void OnPtzSetupDone(const CString& caption) = 0;
};

class CPtzSetupButton : public CButton
{
public:
    void SetSource(IPtzSetupSource* pSource) { m_pSource = pSource; }
    CString m_strCaption;

protected:
    void OnLButtonUp(UINT nFlags, CPoint point);

    IPtzSetupSource* m_pSource = nullptr;

    DECLARE_MESSAGE_MAP()
};
