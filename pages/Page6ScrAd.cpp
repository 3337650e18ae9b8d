#include "pages/Page6ScrAd.h"

#include "controls/ControlPlacement.h"
#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "pages/ContentName.h"
#include "platform/ui/Controls.h"
#include "viewer/tessaly/KelmothClient.h"

#include <cstring>
#include <initializer_list>

namespace
{

constexpr unsigned short kViewerPort = 8081;

} // namespace

CPage6ScrAd::CPage6ScrAd()
    : CScreenAdjustPage(IDD_PAGE6_SCRAD, SLOT_ScrAd, ScreenPolicyFor(SCREEN_CAMERA, 0))
{
}

CPage6ScrAd::~CPage6ScrAd()
{
    EndViewer();
}

bool CPage6ScrAd::IsStreamServer() const
{
    return g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER;
}

BOOL CPage6ScrAd::OnInitDialog()
{
    CScreenAdjustPage::OnInitDialog();
    if (IsStreamServer())
        m_screen.SetPolicy(
            ScreenPolicyFor(SCREEN_STREAM_SERVER, m_pConfigView ? m_pConfigView->FirmwareKind() : 0));
    m_wndPreview.CreateEx(
        WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(85, 70, 446, 315), this, 0);
    m_wndPreview.EnablePtz(FALSE);
    m_wndViewer.CreateEx(
        WS_EX_CLIENTEDGE, "VIEWER", nullptr, WS_CHILD | WS_VISIBLE, CRect(110, 30, 440, 245), this, 0);
    CString apply;
    apply.LoadString(IDS_SCRAD_APPLY);
    SetDlgItemText(IDC_PAGE_APPLY, apply);
    LayOut();
    return TRUE;
}

void CPage6ScrAd::LayOut()
{
    const std::initializer_list<int> sourceControls
        = { IDC_SCRAD_SOURCE_GROUP, IDC_SCRAD_CH1, IDC_SCRAD_CH2, IDC_SCRAD_CH3, IDC_SCRAD_CH4 };
    const bool server = IsStreamServer();
    PlaceSliders(server);
    m_wndPreview.ShowWindow(server ? SW_HIDE : SW_SHOW);
    m_wndViewer.ShowWindow(server ? SW_SHOW : SW_HIDE);
    ShowControls(this, sourceControls, !server);
    if (!server) {
        PlaceControls(this,
            { { IDC_SCRAD_SOURCE_GROUP, 15, 10, 510, 40 }, { IDC_SCRAD_CH1, 100, 20, 70, 25 },
                { IDC_SCRAD_CH2, 190, 20, 70, 25 }, { IDC_SCRAD_CH3, 280, 20, 70, 25 },
                { IDC_SCRAD_CH4, 370, 20, 70, 25 }, { IDC_SCRAD_PAGE_GROUP, 15, 50, 510, 425 },
                { IDC_SCRAD_DEFAULT, 150, 435, 240, 25 } });
        m_wndPreview.MoveWindow(85, 70, 365, 245);
        ShowControls(this, { IDC_SCRAD_OFFSET_LABEL, IDC_SCRAD_GAIN_LABEL }, true);
        ShowControls(this, { IDC_SCRAD_SEPARATOR, IDC_SCRAD_AUDIO_LABEL, IDC_SCRAD_AUDIO }, false);
        // The video server has no horizontal offset and no video gain.
        if (g_CurrentDevice.dwFamily == 3)
            EnableControls(this,
                { IDC_SCRAD_OFFSET_LABEL, IDC_SCRAD_OFFSET, IDC_SCRAD_GAIN_LABEL, IDC_SCRAD_GAIN }, false);
        return;
    }
    PlaceControls(this,
        { { IDC_SCRAD_PAGE_GROUP, 15, 10, 510, 450 }, { IDC_SCRAD_SEPARATOR, 55, 375, 440, 2 },
            { IDC_SCRAD_AUDIO_LABEL, 55, 395, 120, 25 }, { IDC_SCRAD_AUDIO, 140, 390, 100, 20 },
            { IDC_SCRAD_DEFAULT, 150, 425, 240, 25 } });
    m_wndViewer.MoveWindow(110, 30, 330, 215);
    ShowControls(this, { IDC_SCRAD_GAIN_LABEL, IDC_SCRAD_GAIN }, false);
    ShowControls(this, { IDC_SCRAD_SEPARATOR }, true);
    EnableControls(this, { IDC_SCRAD_OFFSET_LABEL, IDC_SCRAD_OFFSET, IDC_SCRAD_AUDIO_LABEL, IDC_SCRAD_AUDIO },
        m_screen.Policy().audio);
}

void CPage6ScrAd::TakePorts(const CFG_PORT_PAIR& ports)
{
    // The preview streams from the second port.
    g_CurrentDevice.dwStreamPort = ports.dwFirst;
    g_CurrentDevice.dwHttpPort = ports.dwSecond;
}

void CPage6ScrAd::StartSourceVideo(int source)
{
    if (IsStreamServer())
        return;
    m_wndPreview.StartVideo(BYTE(source));
    UpdateData(FALSE);
}

void CPage6ScrAd::StopSourceVideo()
{
    m_wndPreview.StopVideo();
}

void CPage6ScrAd::AfterActivation()
{
    if (!m_screen.Policy().audio)
        return;
    ReadAudioGain();
    PlayViewer();
}

void CPage6ScrAd::ReadAudioGain()
{
    const int source = m_screen.Source();
    CFG_AUDIO_GAIN gain {};
    int position = 0;
    if (source != SCREEN_NONE && ReadBlock(GET_AUDIO_GAIN, &gain, { uint8_t(source), { 0, 0, 0 } })) {
        m_screen.LoadAudio(source, gain.byValue);
        position = CScreenAdjust::SliderPosition(SCREEN_AUDIO, gain.byValue);
    }
    SendDlgItemMessage(IDC_SCRAD_AUDIO, TBM_SETPOS, TRUE, position);
}

void CPage6ScrAd::PlayViewer()
{
    EndViewer();
    m_pViewerClient = new tessaly::CKelmothClient(m_wndViewer.GetSafeHwnd(), nullptr);
    char address[sizeof g_CurrentDevice.szAddress];
    std::memcpy(address, g_CurrentDevice.szAddress, sizeof address);
    address[sizeof address - 1] = '\0';
    char name[sizeof g_szContentName];
    std::memcpy(name, g_szContentName, sizeof name);
    name[sizeof name - 1] = '\0';
    std::string password = g_strDevicePassword;
    // A server that does not play leaves the page without a picture.
    if (m_pViewerClient->Play(address, name, password.data(), kViewerPort) != 0)
        EndViewer();
}

void CPage6ScrAd::EndViewer()
{
    if (!m_pViewerClient)
        return;
    m_pViewerClient->Stop();
    delete m_pViewerClient;
    m_pViewerClient = nullptr;
}

void CPage6ScrAd::BeforeLeaving()
{
    EndViewer();
}
