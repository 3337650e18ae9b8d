#include "pages/Page2SystemSorvakDvr.h"

#include "dialogs/RelayDwellDlg.h"
#include "dialogs/TextInsertDlg.h"
#include "dialogs/TimeSyncDlg.h"
#include "link/CameraBlocks.h"
#include "pages/DateTimeDlg.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/PaneTabs.h"
#include "pages/common/ParameterRequest.h"
#include "pages/common/RebootFlow.h"
#include "platform/base/Services.h"

#include <cctype>

namespace
{

constexpr int kTabId = 1699;
constexpr UINT kTabTitles[] = { IDS_TIME, IDS_AUDIO, IDS_TAB_IN_OUTPUTS, IDS_TAB_TEXT, IDS_TAB_TIME_SYNC };

// The worse of two write results: no answer above a refusal above done.
void KeepWorse(ConfigResult* pResult, ConfigResult r)
{
    if (r == CONFIG_NO_CONNECTION || (r == CONFIG_REFUSED && *pResult == CONFIG_DONE))
        *pResult = r;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage2SystemSorvakDvr, CConfigPage)
ON_NOTIFY(TCN_SELCHANGE, kTabId, OnTabChange)
END_MESSAGE_MAP()

CPage2SystemSorvakDvr::CPage2SystemSorvakDvr()
    : CConfigPage(IDD_PAGE2_SYSTEM_SORVAK, SLOT_SystemSorvakDvr)
{
}

CPage2SystemSorvakDvr::~CPage2SystemSorvakDvr()
{
    CPage2SystemSorvakDvr::ReleaseChildDialogs();
}

void CPage2SystemSorvakDvr::ReleaseChildDialogs()
{
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        CWnd* pane = Pane(tab);
        if (pane && pane->GetSafeHwnd())
            pane->DestroyWindow();
    }
    delete m_pDateTime;
    delete m_pAudioGain;
    delete m_pRelayDwell;
    delete m_pTextInsert;
    delete m_pTimeSync;
    m_pDateTime = nullptr;
    m_pAudioGain = nullptr;
    m_pRelayDwell = nullptr;
    m_pTextInsert = nullptr;
    m_pTimeSync = nullptr;
}

BOOL CPage2SystemSorvakDvr::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_Tab.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(14, 14, 14 + 510, 14 + 460), this, kTabId);
    for (int t = 0; t < TAB_COUNT; ++t) {
        CString title;
        title.LoadString(kTabTitles[t]);
        m_Tab.InsertItem(t, title);
    }
    m_pDateTime = new CDateTimeDlg(this);
    m_pDateTime->Create(IDD_DATE_TIME, this);
    m_pAudioGain = new CAudioGainDlg(this);
    m_pAudioGain->CreatePane(this);
    m_pRelayDwell = new CRelayDwellDlg(this);
    m_pRelayDwell->Create(IDD_RELAY_DWELL, this);
    m_pTextInsert = new CTextInsertDlg2(this);
    m_pTextInsert->Create(IDD_TEXT_INSERT2, this);
    m_pTimeSync = new CTimeSyncDlg(this);
    m_pTimeSync->Create(IDD_TIME_SYNC, this);
    for (int t = 0; t < TAB_COUNT; ++t) {
        if (CWnd* pane = Pane(t))
            pane->MoveWindow(28, 46, 488, 400);
    }
    ShowTab(TAB_TIME);
    return TRUE;
}

CWnd* CPage2SystemSorvakDvr::Pane(int tab) const
{
    switch (tab) {
    case TAB_TIME:
        return m_pDateTime;
    case TAB_AUDIO:
        return m_pAudioGain;
    case TAB_RELAYS:
        return m_pRelayDwell;
    case TAB_TEXT:
        return m_pTextInsert;
    case TAB_TIME_SYNC:
        return m_pTimeSync;
    default:
        return nullptr;
    }
}

void CPage2SystemSorvakDvr::ShowTab(int tab)
{
    CWnd* panes[TAB_COUNT];
    for (int t = 0; t < TAB_COUNT; ++t)
        panes[t] = Pane(t);
    ShowTabPane(m_Tab, panes, tab);
}

void CPage2SystemSorvakDvr::OnTabChange(NMHDR*, LRESULT* pResult)
{
    ShowTab(m_Tab.GetCurSel());
    *pResult = 0;
}

BOOL CPage2SystemSorvakDvr::RebootNoConfirm()
{
    return RebootDevice(m_ConfigSession, m_pConfigView, this, SystemRebootTexts(FALSE));
}

void CPage2SystemSorvakDvr::ReadDateTime()
{
    CFG_ZONE_RULES zones {};
    if (ReadBlock(GET_ZONE_RULES, &zones))
        StoreZoneRules(zones);
    CFG_DST_RULES rules {};
    if (ReadBlock(GET_DST_RULES, &rules)) {
        // The pane keeps its own copies; the reply's tables go now.
        m_pDateTime->SetZoneList(rules.count, rules.names, rules.rules);
        FreeConfigReplyLists(&m_Reply);
    }
    CFG_DEVICE_CLOCK clock {};
    if (!ReadBlock(GET_DEVICE_CLOCK, &clock))
        return;
    const int32_t words[5] = { clock.deviceTime, int32_t(clock.zoneIndex), int32_t(clock.reserved[0]),
        int32_t(clock.reserved[1]), int32_t(clock.daylightSaving) };
    m_pDateTime->SetDateTime(words);
}

void CPage2SystemSorvakDvr::ReadSettings()
{
    CWaitCursor wait;
    SetCapture();
    CFG_CAMERA_COUNTS counts {};
    if (ReadBlock(GET_CAMERA_COUNTS, &counts))
        m_pTextInsert->FillSyncChannels(int(counts.analogue + counts.network));

    SerialDeviceNames names;
    if (ReadSerialDeviceNames(m_ConfigSession, m_Reply, &names) == SERIAL_NAMES_READ) {
        const auto devices = names.Table(SERIAL_KIND_TEXT);
        m_pTextInsert->FillDevices(int(devices.size()), devices.data());
    }
    ReadDateTime();

    int inputs = 0;
    uint8_t records[MAX_AUDIO_INPUTS * AUDIO_INPUT_SIZE] = {};
    m_bAudioRead = ReadAudioInputs(m_ConfigSession, m_Reply, &inputs, records);
    if (m_bAudioRead)
        m_pAudioGain->SetAudioInputs(inputs, records);

    tagTextInsertSetting text {};
    m_bTextRead = ReadTextSettings(m_ConfigSession, m_Reply, &text);
    if (m_bTextRead)
        m_pTextInsert->SetTextSettings(text);

    tagTimeSyncSetting sync {};
    m_bTimeSyncRead = ReadBlock(GET_NTP, &sync);
    if (m_bTimeSyncRead)
        m_pTimeSync->SetTimeSync(sync);

    m_bRelayRead = ReadBlock(GET_RELAY_DWELL, &m_Relay);
    if (m_bRelayRead)
        m_pRelayDwell->SetRelaySettings(m_Relay.byInputModes, m_Relay.byDwell);
    MarkGroupRead(0, m_bAudioRead || m_bTextRead || m_bTimeSyncRead || m_bRelayRead);
    ReleaseCapture();
}

BOOL CPage2SystemSorvakDvr::ValidateSettings()
{
    CString delimiter;
    m_pTextInsert->GetDlgItemText(IDC_TEXT_DELIMITER, delimiter);
    if (!IsHexDelimiter(delimiter)) {
        AfxMessageBox(IDS_HEX_VALUE);
        ShowTab(TAB_TEXT);
        m_pTextInsert->GetDlgItem(IDC_TEXT_DELIMITER)->SetFocus();
        return FALSE;
    }
    return TRUE;
}

// Each pane's group is written when it was read or edited; a group that
// fails does not keep the others from being sent.
ConfigResult CPage2SystemSorvakDvr::WriteGroup(int)
{
    CWaitCursor wait;
    ConfigResult result = CONFIG_DONE;
    int inputs = 0;
    uint8_t records[MAX_AUDIO_INPUTS * AUDIO_INPUT_SIZE] = {};
    const BOOL audioChanged = m_pAudioGain->GetAudioInputs(&inputs, records);
    if (inputs > 0 && (m_bAudioRead || audioChanged))
        KeepWorse(&result, WriteAudioInputs(m_ConfigSession, m_Reply, inputs, records));

    tagTextInsertSetting text {};
    const BOOL textChanged = m_pTextInsert->GetTextSettings(&text);
    if (m_bTextRead || textChanged)
        KeepWorse(&result, WriteTextSettings(m_ConfigSession, m_Reply, text));

    tagTimeSyncSetting sync {};
    if (m_pTimeSync->GetTimeSync(&sync))
        KeepWorse(&result, WriteBlock(SET_NTP, sync));

    tagRelaySetting relay = m_Relay;
    if (m_pRelayDwell->GetRelaySettings(&relay)) {
        const ConfigResult r = WriteBlock(SET_RELAY_DWELL, relay);
        if (r == CONFIG_DONE) {
            // The pane measures its next change from what the device took.
            m_Relay = relay;
            m_pRelayDwell->SetRelaySettings(m_Relay.byInputModes, m_Relay.byDwell);
        }
        KeepWorse(&result, r);
    }
    return result;
}

void CPage2SystemSorvakDvr::OnApplied()
{
    ReadDateTime();
    SetPageModified(FALSE);
}
