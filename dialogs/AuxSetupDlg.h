// The auxiliary outputs of one PTZ camera: sixteen entries, each used or
// not, with a name and a value. The PTZ page copies the camera's 512 bytes
// in, runs the dialog and copies them back after OK.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

#include <cstdint>

struct tagAuxEntry {
    char szName[24]; // at most 23 characters
    uint8_t byUse; // 1 used
    uint8_t byReserved[3]; // not touched
    uint32_t dwValue; // 0..32767
};
static_assert(sizeof(tagAuxEntry) == 32);

class CAuxSetupDlg : public CDialog
{
public:
    static constexpr int kEntries = 16;
    static constexpr uint32_t kMaxValue = 32767;

    explicit CAuxSetupDlg(CWnd* pParent = nullptr);

    // The camera's 512 bytes, in and out.
    void SetAuxBlock(const uint8_t block[512]);
    void GetAuxBlock(uint8_t block[512]) const;

    CString m_strNames[kEntries];
    tagAuxEntry m_Entries[kEntries] {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUseClicked(int entry);
    void OnNameChanged(int entry);
    void OnValueChanged(int entry);

    bool m_bFilling = true; // the dialog fills its edits itself
};
