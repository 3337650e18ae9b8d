// The list of channels a recorded audio or text goes with: "All", then
// "CH1" to "CH<count>". The record keeps the channel index - 1, 0xFF for all.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/Controls.h"
#include "resources/setup/Resource.h"

inline void FillSyncChannelList(CComboBox* pList, int count)
{
    if (!pList)
        return;
    pList->ResetContent();
    CString all;
    all.LoadString(IDS_ALL);
    pList->AddString(all);
    for (int ch = 1; ch <= count; ++ch) {
        CString name;
        name.Format("CH%d", ch);
        pList->AddString(name);
    }
}
