#include "pages/common/ScreenAdjustPage.h"

#include "controls/ControlPlacement.h"
#include "link/CameraBlocks.h"
#include "platform/ui/Controls.h"

namespace
{

// The sliders and the byte each one moves.
struct Slider {
    int id;
    int byte;
};
constexpr Slider kSliders[] = {
    { IDC_SCRAD_BRIGHTNESS, SCREEN_BRIGHTNESS },
    { IDC_SCRAD_CONTRAST, SCREEN_CONTRAST },
    { IDC_SCRAD_HUE, SCREEN_HUE },
    { IDC_SCRAD_SATURATION, SCREEN_SATURATION },
    { IDC_SCRAD_OFFSET, SCREEN_OFFSET },
    { IDC_SCRAD_GAIN, SCREEN_GAIN },
    { IDC_SCRAD_AUDIO, SCREEN_AUDIO },
};
constexpr int kPictureSliders = 6; // all but the audio gain

// The source buttons CH1 to CH4 have consecutive ids.
int SourceButton(int slot)
{
    return IDC_SCRAD_CH1 + slot;
}

const Slider* SliderOf(UINT id)
{
    for (const Slider& s : kSliders)
        if (UINT(s.id) == id)
            return &s;
    return nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CScreenAdjustPage, CConfigPage)
ON_BN_CLICKED(IDC_PAGE_CANCEL, OnButtonCancel)
ON_BN_CLICKED(IDC_SCRAD_DEFAULT, OnButtonDefault)
ON_CONTROL_RANGE(BN_CLICKED, IDC_SCRAD_CH1, IDC_SCRAD_CH4, OnButtonSource)
ON_NOTIFY_RANGE(NM_CUSTOMDRAW, IDC_SCRAD_BRIGHTNESS, IDC_SCRAD_AUDIO, OnSliderDraw)
END_MESSAGE_MAP()

CScreenAdjustPage::CScreenAdjustPage(UINT nIDTemplate, SheetSlot slot, const ScreenAdjustPolicy& policy)
    : CConfigPage(nIDTemplate, slot)
    , m_screen(policy)
{
}

CScreenAdjustPage::~CScreenAdjustPage() = default;

BOOL CScreenAdjustPage::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_bRestoring = false;
    m_screen.ForgetPick();
    for (const Slider& s : kSliders) {
        if (auto* slider = static_cast<CSliderCtrl*>(GetDlgItem(s.id))) {
            if (s.byte == SCREEN_GAIN)
                slider->SetRange(0, 255);
            else
                slider->SetRange(-128, 127);
        }
    }
    CString caption;
    caption.LoadString(IDS_SCRAD_DEFAULT);
    SetDlgItemText(IDC_SCRAD_DEFAULT, caption);
    return TRUE;
}

void CScreenAdjustPage::PlaceSliders(bool serverRows)
{
    const int labelRows[] = { serverRows ? 285 : 345, serverRows ? 315 : 375, serverRows ? 345 : 405 };
    const int scaleRow = serverRows ? 265 : 325;
    struct Column {
        int labels[3];
        int sliders[3];
        int labelX, labelWidth, sliderX;
    } columns[] = {
        { { IDC_SCRAD_BRIGHTNESS_LABEL, IDC_SCRAD_CONTRAST_LABEL, IDC_SCRAD_HUE_LABEL },
            { IDC_SCRAD_BRIGHTNESS, IDC_SCRAD_CONTRAST, IDC_SCRAD_HUE }, 55, 80, 140 },
        { { IDC_SCRAD_SATURATION_LABEL, IDC_SCRAD_OFFSET_LABEL, IDC_SCRAD_GAIN_LABEL },
            { IDC_SCRAD_SATURATION, IDC_SCRAD_OFFSET, IDC_SCRAD_GAIN }, 270, 120, 395 },
    };
    for (const Column& c : columns) {
        for (int row = 0; row < 3; ++row) {
            if (CWnd* label = GetDlgItem(c.labels[row]))
                label->MoveWindow(c.labelX, labelRows[row], c.labelWidth, 25);
            if (CWnd* slider = GetDlgItem(c.sliders[row]))
                slider->MoveWindow(c.sliderX, labelRows[row] - 5, 100, 20);
        }
    }
    PlaceControls(this,
        { { IDC_SCRAD_SCALE_LEFT, 140, scaleRow, 110, 15 },
            { IDC_SCRAD_SCALE_RIGHT, 395, scaleRow, 110, 15 } });
}

void CScreenAdjustPage::CheckSourceButton(int slot, BOOL bCheck)
{
    if (slot >= 0 && SourceButton(slot) <= IDC_SCRAD_CH4)
        SendDlgItemMessage(SourceButton(slot), BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED);
}

void CScreenAdjustPage::ReadSettings()
{
    CFG_PORT_PAIR ports;
    if (ReadBlock(GET_SERVER_PORTS, &ports))
        TakePorts(ports);
    // A failed read keeps the sources of the last activation.
    CFG_CHANNEL_CONFIG channels;
    if (ReadBlock(GET_CHANNEL_CONFIG, &channels))
        m_screen.TakeEnabled(channels);
    for (int source = 0; source < m_screen.Policy().sources; ++source) {
        CFG_SCREEN_ADJUST read;
        if (m_screen.IsEnabled(source) && ReadBlock(GET_SCREEN_ADJUST, &read, { uint8_t(source) }))
            m_screen.Load(source, read);
    }
    MarkGroupRead(0, TRUE);
}

void CScreenAdjustPage::ShowSourceButtons()
{
    for (int slot = 0; slot < m_screen.Policy().buttons; ++slot) {
        if (CWnd* button = GetDlgItem(SourceButton(slot)))
            button->EnableWindow(m_screen.SlotSource(slot) != SCREEN_NONE);
        CheckSourceButton(slot, slot == m_screen.Button());
    }
}

void CScreenAdjustPage::ShowSettings()
{
    m_screen.SelectOnActivation();
    ShowSourceButtons();
    m_bVideoStarted = false;
    if (m_screen.Source() == SCREEN_NONE) {
        for (int i = 0; i < kPictureSliders; ++i)
            SendDlgItemMessage(kSliders[i].id, TBM_SETPOS, TRUE, 0);
        m_wndPreview.ClearScreen();
    } else {
        m_bVideoStarted = true;
        if (!m_screen.ValidateSelection()) {
            m_wndPreview.ShowStatus(2);
        } else {
            m_nStreamingSource = m_screen.Source();
            StartSourceVideo(m_screen.Source());
            SetSliders();
        }
    }
    m_screen.ClearAudio();
    AfterActivation();
}

void CScreenAdjustPage::SetSliders()
{
    for (int i = 0; i < kPictureSliders; ++i) {
        const Slider& s = kSliders[i];
        SendDlgItemMessage(
            s.id, TBM_SETPOS, TRUE, CScreenAdjust::SliderPosition(s.byte, m_screen.Value(s.byte)));
    }
}

void CScreenAdjustPage::SaveSliders()
{
    CheckSourceButton(m_screen.Button(), FALSE);
    // With no source selected there is nothing to write to.
    for (const Slider& s : kSliders) {
        if (GetDlgItem(s.id))
            m_screen.Store(
                s.byte, CScreenAdjust::SliderByte(s.byte, int(SendDlgItemMessage(s.id, TBM_GETPOS))));
    }
    UpdateData(TRUE);
}

void CScreenAdjustPage::ShowSource()
{
    SetSliders();
    if (m_bVideoStarted && m_nStreamingSource != m_screen.Source()) {
        StopSourceVideo();
        m_nStreamingSource = m_screen.Source();
        StartSourceVideo(m_screen.Source());
    }
}

void CScreenAdjustPage::OnButtonSource(UINT id)
{
    CWaitCursor wait;
    SaveSliders();
    const int slot = int(id) - IDC_SCRAD_CH1;
    m_screen.Pick(slot);
    CheckSourceButton(slot, TRUE);
    ShowSource();
    UpdateData(FALSE);
}

void CScreenAdjustPage::MarkModified()
{
    SetPageModified(TRUE);
}

void CScreenAdjustPage::SendPictureTrial()
{
    // The device shows the values at once without keeping them; a trial
    // that does not arrive is not worth a message on every move.
    if (m_screen.Button() != SCREEN_NONE && m_screen.Source() != SCREEN_NONE)
        WriteBlock(SET_SCREEN_ADJUST, m_screen.Record(m_screen.Source(), true));
}

void CScreenAdjustPage::OnSliderDraw(UINT id, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    const Slider* slider = SliderOf(id);
    if (!slider)
        return;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (draw->dwDrawStage != CDDS_ITEMPREPAINT || draw->dwItemSpec != TBCD_THUMB)
        return;
    const int position = int(SendDlgItemMessage(int(id), TBM_GETPOS));
    // Every move the user sees is sent, the first after an activation too.
    if (!m_screen.Store(slider->byte, CScreenAdjust::SliderByte(slider->byte, position)))
        return;
    if (slider->byte == SCREEN_AUDIO) {
        if (m_screen.Policy().audio)
            WriteBlock(SET_AUDIO_GAIN, CFG_AUDIO_GAIN { m_screen.Value(SCREEN_AUDIO), { 0, 0, 0 } });
    } else {
        SendPictureTrial();
    }
    MarkModified();
}

void CScreenAdjustPage::OnButtonDefault()
{
    // With no source selected there is nothing to set.
    if (!m_screen.Default())
        return;
    SetSliders();
    // The audio gain reaches its byte through the slider's own handler.
    if (m_screen.Policy().audio)
        SendDlgItemMessage(IDC_SCRAD_AUDIO, TBM_SETPOS, TRUE, 0);
    SendPictureTrial();
    MarkModified();
    UpdateData(FALSE);
}

ConfigResult CScreenAdjustPage::WriteGroup(int)
{
    if (!m_bRestoring)
        SaveSliders();
    CheckSourceButton(m_screen.Button(), TRUE);
    for (const CFG_SCREEN_ADJUST& record : m_screen.ApplyRecords()) {
        // Nothing more is sent to a device that does not answer.
        if (WriteBlock(SET_SCREEN_ADJUST, record) == CONFIG_NO_CONNECTION)
            return CONFIG_NO_CONNECTION;
    }
    if (m_screen.Policy().audio && m_screen.Source() != SCREEN_NONE) {
        const CFG_AUDIO_GAIN gain { m_screen.Value(SCREEN_AUDIO), { 0, 0, 0 } };
        if (WriteBlock(SET_AUDIO_GAIN, gain) == CONFIG_NO_CONNECTION)
            return CONFIG_NO_CONNECTION;
    }
    // What was applied is what a later cancel goes back to.
    m_screen.Keep();
    return CONFIG_DONE;
}

void CScreenAdjustPage::RestoreKept()
{
    if (!m_bModified)
        return;
    m_screen.Restore();
    m_bRestoring = true;
    OnButtonApply();
    m_bRestoring = false;
}

void CScreenAdjustPage::OnButtonCancel()
{
    StopSourceVideo();
    RestoreKept();
    CConfigPage::OnButtonCancel();
}

void CScreenAdjustPage::BeforeSessionEnd()
{
    BeforeLeaving();
    StopSourceVideo();
}

BOOL CScreenAdjustPage::OnKillActive()
{
    BeforeLeaving();
    m_ConfigSession.Close();
    if (m_bModified) {
        if (AfxMessageBox(IDS_CONFIRM_CONFIGURATION, MB_OKCANCEL) == IDOK) {
            if (!OnButtonApply())
                return FALSE;
        } else {
            RestoreKept();
        }
    }
    if (m_screen.Source() != SCREEN_NONE)
        m_bVideoStarted = false;
    StopSourceVideo();
    m_wndPreview.ShowStatus(0);
    SetPageModified(FALSE);
    return CPropertyPage::OnKillActive();
}
