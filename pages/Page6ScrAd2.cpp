#include "pages/Page6ScrAd2.h"

#include "controls/ControlPlacement.h"
#include "controls/PreviewStream.h"
#include "link/WindowMessages.h"

#include <cstring>

namespace
{

// The stream settings of a picture that is only watched while adjusting.
constexpr DWORD kStreamSetting = 0x04000000;

} // namespace

BEGIN_MESSAGE_MAP(CPage6ScrAd2, CScreenAdjustPage)
ON_MESSAGE(WM_STREAM_FRAME, OnStreamFrame)
ON_MESSAGE(WM_STREAM_ERROR, OnStreamError)
ON_MESSAGE(WM_STREAM_ACK, OnStreamAck)
END_MESSAGE_MAP()

CPage6ScrAd2::CPage6ScrAd2()
    : CScreenAdjustPage(IDD_PAGE6_SCRAD2, SLOT_ScrAd2, ScreenPolicyFor(SCREEN_THREE_CHANNEL, 0))
{
}

// The stream's thread ends with it.
CPage6ScrAd2::~CPage6ScrAd2() = default;

BOOL CPage6ScrAd2::OnInitDialog()
{
    CScreenAdjustPage::OnInitDialog();
    LayOut();
    m_wndPreview.CreateEx(
        WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(85, 70, 446, 315), this, 0);
    // A thread that does not come up in time leaves the page without video.
    m_stream.StartThread();
    return TRUE;
}

void CPage6ScrAd2::LayOut()
{
    PlaceControls(this,
        { { IDC_SCRAD_SOURCE_GROUP, 15, 10, 510, 40 }, { IDC_SCRAD_CH1, 130, 20, 70, 25 },
            { IDC_SCRAD_CH2, 240, 20, 70, 25 }, { IDC_SCRAD_CH3, 350, 20, 70, 25 },
            { IDC_SCRAD_PAGE_GROUP, 15, 55, 510, 420 }, { IDC_SCRAD_DEFAULT, 150, 435, 240, 25 } });
    PlaceSliders(false);
}

void CPage6ScrAd2::TakePorts(const CFG_PORT_PAIR& ports)
{
    m_nStreamPort = ports.dwSecond;
}

void CPage6ScrAd2::StartSourceVideo(int source)
{
    if (!m_stream.HasThread())
        return;
    std::memset(m_szAddress, 0, sizeof m_szAddress);
    m_ConfigSession.ResolveDeviceAddress(m_szAddress, TRUE);
    m_stream.Start(m_hWnd, BYTE(source), kStreamSetting, int(m_nStreamPort), m_szAddress);
    UpdateData(FALSE);
}

void CPage6ScrAd2::StopSourceVideo()
{
    m_stream.Stop();
}

LRESULT CPage6ScrAd2::OnStreamFrame(WPARAM wParam, LPARAM lParam)
{
    m_stream.OnFrame(m_wndPreview, wParam, lParam, false);
    return 0;
}

LRESULT CPage6ScrAd2::OnStreamError(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CPage6ScrAd2::OnStreamAck(WPARAM, LPARAM)
{
    return 0;
}
