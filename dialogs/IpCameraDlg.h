// The network camera pane of the recorder's camera page: the source's type,
// address or URL, channel, port, user ID, password and maximum bandwidth.
// It edits the page's record of the shown camera in place and tells the
// page of every edit.
#pragma once

#include "dialogs/PagePane.h"
#include "link/CameraBlocks.h"
#include "platform/ui/Controls.h"

class CIpCameraDlg : public CPagePane
{
public:
    static constexpr uint8_t kGroupGeneralOVel = 0xFF;
    static constexpr uint8_t kGroupGeneralSarnok = 0xFE;
    static constexpr int kGeneralChannels = 6;
    // The fields are 32 bytes: 31 characters and a terminator.
    static constexpr int kMaxCredential = 31;
    static constexpr int kMaxSource = 96;
    static constexpr int kMaxAccessToken = 4;

    explicit CIpCameraDlg(CWnd* pPage);

    // Keeps the record (null: none) and shows it.
    void SetCamera(CFG_NET_CAMERA* pCamera);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTypeChange();
    void OnChannelChange();
    void OnBandwidthChange();
    void OnSourceChange();
    void OnPortChange();
    void OnUserIdChange();
    void OnPasswordChange();
    void OnAccessTokenChange();
    void FillChannels(int count, int selection);
    // The edit's text cut to the field, written back into the edit when cut.
    CString LimitedText(int id, int maxChars);

    CFG_NET_CAMERA* m_pCamera = nullptr;
    bool m_bFilling = false;

    DECLARE_MESSAGE_MAP()
};
