// The "Channel" tab of the three-channel cameras (family 1): the channel
// page with three rows, three sensors and three relay outputs, in the
// template's own places. "Channel 1" stands beside channel 1's source
// radios: clearing it takes channel 1 off, ticking it brings back the source
// it had.
#pragma once

#include "pages/Page5Channel.h"

class CPage5Channel2 : public CPage5Channel
{
public:
    CPage5Channel2();
    ~CPage5Channel2() override;

protected:
    void ExtDeviceChecks(const int** sensors, const int** relays, int* count) const override;
    void Layout() override { }
    void AfterChannelWrite() override;
    void OnChannel1Clicked(UINT nID);

    // The source channel 1 had before "Channel 1" was cleared.
    int m_nCh1Remembered = SOURCE_NONE;

    DECLARE_MESSAGE_MAP()
};
