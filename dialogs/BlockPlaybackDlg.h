// A pane with one choice: for how many days playback is blocked. A change
// marks the parent page modified.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

#include <cstdint>

class CBlockPlaybackDlg : public CDialog
{
public:
    explicit CBlockPlaybackDlg(CWnd* pParent = nullptr);

    // The value is the index of its entry ("Disable", "1" ... "31").
    void SetValue(uint8_t value);
    uint8_t GetValue() const { return m_byValue; }
    // Shows the stored value again.
    void Refresh();

    int m_nChoice = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChoiceChange();

    uint8_t m_byValue = 0;

    DECLARE_MESSAGE_MAP()
};
