#include "pages/Page11StreamServer.h"

#include "controls/ControlPlacement.h"
#include "dialogs/ContentTables.h"
#include "dialogs/DeviceStatusDlg.h"
#include "pages/ContentName.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <span>
#include <string>
#include <strings.h>
#include <utility>

namespace
{

constexpr int kListId = IDC_CONTENT_LIST;
constexpr int kListX = 30, kListY = 160, kListWidth = 478, kListHeight = 230;
constexpr int kFirstFrameRate = 1, kLastFrameRate = 30, kDefaultFrameRate = 8;
constexpr int kFewestConnections = 1, kMostConnections = 50;
constexpr UINT_PTR kAudioNoticeTimer = 100;
constexpr UINT kAudioNoticeMs = 500;
constexpr uint32_t kNewContentAccess = 3;
constexpr int kAacDefault = 16000, kAmrDefault = 4750;
// The firmware kind whose server has no audio, no access list and no status.
constexpr int kFirstServerKind = 0;
// The kind whose contents keep their own resolutions.
constexpr int kOwnResolutionKind = 2;

constexpr ControlPlace kLayout[] = {
    { IDC_STREAM_VIDEO_GROUP, 15, 15, 510, 55 },
    { IDC_STREAM_FRAME_RATE_LABEL, 30, 38, 100, 15 },
    { IDC_STREAM_FRAME_RATE, 140, 35, 70, 20 },
    { IDC_STREAM_FRAME_RATE_SPIN, 210, 35, 15, 20 },
    { IDC_STREAM_FPS_LABEL, 230, 38, 30, 15 },
    { IDC_STREAM_AUDIO_GROUP, 15, 75, 510, 55 },
    { IDC_STREAM_AAC_LABEL, 30, 98, 100, 15 },
    { IDC_STREAM_AAC_BITRATE, 140, 95, 100, 200 },
    { IDC_STREAM_AAC_BPS, 245, 98, 30, 15 },
    { IDC_STREAM_AMR_LABEL, 280, 98, 70, 15 },
    { IDC_STREAM_AMR_BITRATE, 350, 95, 100, 200 },
    { IDC_STREAM_AMR_BPS, 455, 98, 30, 15 },
    { IDC_STREAM_CONTENT_GROUP, 15, 135, 510, 300 },
    { IDC_CONTENT_ADD, 30, 400, 100, 25 },
    { IDC_CONTENT_DELETE, 140, 400, 100, 25 },
    { IDC_CONTENT_EDIT, 250, 400, 100, 25 },
    { IDC_STREAM_ACCESS_LIST, 15, 445, 100, 25 },
    { IDC_STREAM_STATUS, 130, 445, 100, 25 },
    { IDC_STREAM_MAX_CONNECTIONS_LABEL, 270, 450, 100, 15 },
    { IDC_STREAM_MAX_CONNECTIONS, 370, 445, 50, 25 },
};

template <size_t N> bool SameText(const char (&a)[N], const char (&b)[N])
{
    return std::strncmp(a, b, N) == 0;
}

template <size_t N> bool SameTextNoCase(const char (&a)[N], const char (&b)[N])
{
    return strncasecmp(a, b, N) == 0;
}

template <size_t N> bool IsAudioType(const char (&field)[N], int type)
{
    return strncasecmp(field, kContentAudioTypes[type], N) == 0;
}

// Every field a row shows, compared as the device would store it.
bool SameContent(const tagContentInfo& a, const tagContentInfo& b)
{
    return (a.byFlag & 1) == (b.byFlag & 1) && SameText(a.szUrl, b.szUrl) && SameText(a.szName, b.szName)
        && SameTextNoCase(a.szCodec, b.szCodec) && a.dwValue1 == b.dwValue1 && a.dwValue2 == b.dwValue2
        && SameText(a.szText, b.szText)
        && std::equal(std::begin(a.dwValues), std::end(a.dwValues), b.dwValues);
}

} // namespace

BEGIN_MESSAGE_MAP(CPage11StreamServer, CConfigPage)
ON_BN_CLICKED(IDC_CONTENT_ADD, OnAdd)
ON_BN_CLICKED(IDC_CONTENT_DELETE, OnDelete)
ON_BN_CLICKED(IDC_CONTENT_EDIT, OnButtonEdit)
ON_BN_CLICKED(IDC_STREAM_ACCESS_LIST, OnAccessList)
ON_BN_CLICKED(IDC_STREAM_STATUS, OnStatus)
ON_CBN_SELCHANGE(IDC_STREAM_AAC_BITRATE, OnAacChange)
ON_CBN_SELCHANGE(IDC_STREAM_AMR_BITRATE, OnAmrChange)
ON_EN_CHANGE(IDC_STREAM_FRAME_RATE, OnFrameRateChange)
ON_EN_CHANGE(IDC_STREAM_MAX_CONNECTIONS, OnMaxConnectionsChange)
ON_NOTIFY(UDN_DELTAPOS, IDC_STREAM_FRAME_RATE_SPIN, OnFrameRateSpin)
ON_WM_TIMER()
ON_MESSAGE(WM_PAGE_MODIFIED, OnListModified)
END_MESSAGE_MAP()

CPage11StreamServer::CPage11StreamServer()
    : CConfigPage(IDD_PAGE11_STREAM_SERVER, SLOT_StreamServer)
{
}

CPage11StreamServer::~CPage11StreamServer() = default;

BOOL CPage11StreamServer::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    m_nFirmwareClass = m_pConfigView ? m_pConfigView->FirmwareKind() : 0;
    m_pContentList = std::make_unique<CContentListCtrl>();
    m_pContentList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
        CRect(kListX, kListY, kListX + kListWidth, kListY + kListHeight), this, kListId);
    m_pContentList->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_pContentList->InitColumns();
    m_pContentList->m_nActivation = m_nFirmwareClass;

    SetDlgItemText(IDC_STREAM_FRAME_RATE_LABEL, LoadText(IDS_FRAME_RATE));
    for (int id : { IDC_STREAM_RESOLUTION_LABEL, IDC_STREAM_RESOLUTION })
        if (CWnd* hidden = GetDlgItem(id))
            hidden->ShowWindow(SW_HIDE);
    PlaceControls(this, kLayout);
    for (auto [id, rates] : { std::pair { IDC_STREAM_AAC_BITRATE, std::span<const int>(kAacBitrates) },
             std::pair { IDC_STREAM_AMR_BITRATE, std::span<const int>(kAmrBitrates) } }) {
        if (auto* combo = static_cast<CComboBox*>(GetDlgItem(id))) {
            for (int rate : rates) {
                CString text;
                text.Format("%d", rate);
                combo->AddString(text);
            }
        }
    }
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_STREAM_FRAME_RATE_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_STREAM_FRAME_RATE));
        spin->SetRange32(kFirstFrameRate, kLastFrameRate);
    }
    m_nFrameRate = m_nLastFrameRate = kDefaultFrameRate;
    m_ContentDlg.SetOwnerPage(this);
    UpdateData(FALSE);
    return TRUE;
}

void CPage11StreamServer::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STREAM_FRAME_RATE, m_nFrameRate);
    DDV_MinMaxInt(pDX, m_nFrameRate, kFirstFrameRate, kLastFrameRate);
    DDX_Text(pDX, IDC_STREAM_MAX_CONNECTIONS, m_nMaxConnections);
}

void CPage11StreamServer::ReleaseChildDialogs()
{
    BeforeSessionEnd();
}

void CPage11StreamServer::BeforeSessionEnd()
{
    if (m_nTimer) {
        KillTimer(kAudioNoticeTimer);
        m_nTimer = 0;
    }
    if (m_pContentList && m_pContentList->GetSafeHwnd())
        m_pContentList->DestroyWindow();
    m_pContentList.reset();
}

void CPage11StreamServer::ReadSettings()
{
    m_nFirmwareClass = m_pConfigView ? m_pConfigView->FirmwareKind() : 0;
    m_ContentDlg.m_nMode = m_nFirmwareClass;
    if (m_pContentList)
        m_pContentList->DeleteAll();
    std::memset(m_Access, 0, sizeof m_Access);
    std::memset(m_ContentsRead, 0, sizeof m_ContentsRead);
    m_nContentCount = 0;
    m_bAudioCleared = false;
    m_bContentsRead = false;
    m_bContentsEdited = false;

    auto server = std::make_unique<CFG_STREAM_SERVER>();
    if (ReadBlock(GET_STREAM_SERVER, server.get())) {
        m_bContentsRead = true;
        MarkGroupRead(0, TRUE);
        m_nMaxConnections = m_nLastMaxConnections = int(server->dwMaxConnections);
        m_nContentCount = int(std::min<uint32_t>(server->dwCount, CONTENT_ROOM));
        if (m_nFirmwareClass == kFirstServerKind) {
            // That firmware has no audio: what a content carries is cleared.
            for (int i = 0; i < m_nContentCount; ++i) {
                tagContentInfo& c = server->contents[i];
                if (!IsAudioType(c.szText, CONTENT_AUDIO_NONE)) {
                    std::memset(c.szText, 0, sizeof c.szText);
                    std::strcpy(c.szText, kContentAudioTypes[CONTENT_AUDIO_NONE]);
                    c.dwValues[CONTENT_AUDIO_BITRATE] = 0;
                    m_bAudioCleared = true;
                }
            }
            m_nMaxConnections = kMostConnections;
        }
        int aac = -1, amr = -1;
        for (int i = 0; i < m_nContentCount; ++i) {
            tagContentInfo& c = server->contents[i];
            if (m_pContentList)
                m_pContentList->AddContent(c);
            // The list shows texts in upper case; the copy is what it shows.
            m_ContentsRead[i] = c;
            if (IsAudioType(c.szText, CONTENT_AUDIO_AAC))
                aac = int(c.dwValues[CONTENT_AUDIO_BITRATE]);
            if (IsAudioType(c.szText, CONTENT_AUDIO_AMR))
                amr = int(c.dwValues[CONTENT_AUDIO_BITRATE]);
        }
        m_nFrameRate = m_nContentCount ? int(server->contents[0].dwValue1) : kDefaultFrameRate;
        m_nLastFrameRate = std::clamp(m_nFrameRate, kFirstFrameRate, kLastFrameRate);
        const int aacItem = std::max(FindContentRate(kAacBitrates, aac < 0 ? kAacDefault : aac), 0);
        const int amrItem = std::max(FindContentRate(kAmrBitrates, amr < 0 ? kAmrDefault : amr), 0);
        SendDlgItemMessage(IDC_STREAM_AAC_BITRATE, CB_SETCURSEL, WPARAM(aacItem));
        SendDlgItemMessage(IDC_STREAM_AMR_BITRATE, CB_SETCURSEL, WPARAM(amrItem));
    }

    CFG_CONTENT_ACCESS words {};
    if (ReadBlock(GET_CONTENT_ACCESS, &words)) {
        const int count = int(std::min<uint32_t>(words.dwCount, CONTENT_ACCESS_ENTRIES));
        for (int i = 0; i < count; ++i) {
            std::memcpy(m_Access[i].szName, m_ContentsRead[i].szUrl, sizeof m_Access[i].szName);
            m_Access[i].szName[sizeof m_Access[i].szName - 1] = 0;
            m_Access[i].dwAccess = words.dwAccess[i];
        }
    }
    if (m_bAudioCleared)
        m_nTimer = SetTimer(kAudioNoticeTimer, kAudioNoticeMs);
    EnableServerControls(m_nFirmwareClass != kFirstServerKind);
}

void CPage11StreamServer::EnableServerControls(BOOL bEnable)
{
    for (int id : { IDC_STREAM_AUDIO_GROUP, IDC_STREAM_AAC_LABEL, IDC_STREAM_AAC_BITRATE, IDC_STREAM_AAC_BPS,
             IDC_STREAM_AMR_LABEL, IDC_STREAM_AMR_BITRATE, IDC_STREAM_AMR_BPS, IDC_STREAM_ACCESS_LIST,
             IDC_STREAM_STATUS, IDC_STREAM_MAX_CONNECTIONS_LABEL, IDC_STREAM_MAX_CONNECTIONS })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(bEnable);
}

void CPage11StreamServer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAudioNoticeTimer)
        return;
    KillTimer(kAudioNoticeTimer);
    m_nTimer = 0;
    // The cleared audio is a change to write back.
    SetPageModified();
    AfxMessageBox(IDS_AUDIO_CLEARED);
}

LRESULT CPage11StreamServer::OnListModified(WPARAM, LPARAM)
{
    m_bContentsEdited = true;
    SetPageModified();
    return 0;
}

BOOL CPage11StreamServer::IsContentNameUsed(LPCTSTR lpszName)
{
    return m_pContentList && m_pContentList->IsNameUsed(lpszName);
}

int CPage11StreamServer::PageAudioBitrate(int nAudioType)
{
    const bool aac = nAudioType == CONTENT_AUDIO_AAC;
    const int item
        = int(SendDlgItemMessage(aac ? IDC_STREAM_AAC_BITRATE : IDC_STREAM_AMR_BITRATE, CB_GETCURSEL));
    const std::span<const int> rates
        = aac ? std::span<const int>(kAacBitrates) : std::span<const int>(kAmrBitrates);
    return item >= 0 && item < int(rates.size()) ? rates[size_t(item)] : -1;
}

tagContentAccess* CPage11StreamServer::AccessEntry(const char* name)
{
    for (tagContentAccess& entry : m_Access)
        if (std::strncmp(entry.szName, name, sizeof entry.szName) == 0)
            return &entry;
    return nullptr;
}

void CPage11StreamServer::OnAdd()
{
    if (!m_pContentList)
        return;
    if (m_pContentList->GetItemCount() >= int(CONTENT_ROOM)) {
        AfxMessageBox(IDS_CONTENT_LIMIT);
        return;
    }
    m_ContentDlg.m_Content = {};
    m_ContentDlg.m_bAdd = 1;
    m_ContentDlg.m_bInitialising = 1;
    m_ContentDlg.m_nMode = m_nFirmwareClass;
    if (m_ContentDlg.DoModal() != IDOK)
        return;
    m_Content = m_ContentDlg.m_Content;
    m_Content.dwValue1 = uint32_t(m_nFrameRate);
    if (!m_pContentList->AddContent(m_Content))
        return;
    if (m_nFirmwareClass != kOwnResolutionKind)
        m_pContentList->SetResolutionAll(m_Content.szCodec);
    if (tagContentAccess* free = AccessEntry("")) {
        std::memcpy(free->szName, m_Content.szUrl, sizeof free->szName);
        free->szName[sizeof free->szName - 1] = 0;
        free->dwAccess = kNewContentAccess;
    }
    m_bContentsEdited = true;
    SetPageModified();
}

void CPage11StreamServer::OnDelete()
{
    if (!m_pContentList)
        return;
    const int row = m_pContentList->GetSelectedIndex();
    const CString name = row >= 0 ? m_pContentList->GetItemText(row, 1) : CString();
    if (!m_pContentList->DeleteSelected())
        return;
    if (tagContentAccess* entry = AccessEntry(name))
        *entry = {};
    m_bContentsEdited = true;
    SetPageModified();
}

void CPage11StreamServer::OnButtonEdit()
{
    if (!m_pContentList)
        return;
    const int row = m_pContentList->GetSelectedIndex();
    if (row < 0 || row >= m_pContentList->GetItemCount()) {
        AfxMessageBox(IDS_SELECT_CONTENT);
        return;
    }
    m_ContentDlg.m_Content = RowContent(row);
    char oldName[sizeof m_Content.szUrl];
    std::memcpy(oldName, m_ContentDlg.m_Content.szUrl, sizeof oldName);
    m_ContentDlg.m_bAdd = 0;
    m_ContentDlg.m_bInitialising = 1;
    m_ContentDlg.m_nMode = m_nFirmwareClass;
    if (m_ContentDlg.DoModal() != IDOK) {
        m_pContentList->SelectRow(row);
        return;
    }
    m_Content = m_ContentDlg.m_Content;
    m_pContentList->UpdateContent(m_Content, row);
    if (m_nFirmwareClass != kOwnResolutionKind)
        m_pContentList->SetResolutionAll(m_Content.szCodec);
    m_bContentsEdited = true;
    SetPageModified();
    if (tagContentAccess* entry = AccessEntry(oldName)) {
        std::memcpy(entry->szName, m_Content.szUrl, sizeof entry->szName);
        entry->szName[sizeof entry->szName - 1] = 0;
    }
}

void CPage11StreamServer::OnFrameRateSpin(NMHDR*, LRESULT* pResult)
{
    // The edit's change that follows the step writes the rate into the rows.
    m_bContentsEdited = true;
    SetPageModified();
    *pResult = 0;
}

void CPage11StreamServer::OnFrameRateChange()
{
    if (!m_pContentList)
        return;
    BOOL number = FALSE;
    const int rate = int(GetDlgItemInt(IDC_STREAM_FRAME_RATE, &number, TRUE));
    if (number && rate >= kFirstFrameRate && rate <= kLastFrameRate) {
        m_nLastFrameRate = rate;
        m_pContentList->SetFrameRateAll(rate);
        m_bContentsEdited = true;
        SetPageModified();
        return;
    }
    // Another value gives way to the last one taken.
    m_pContentList->SetFrameRateAll(m_nLastFrameRate);
    if (!m_bReplacing) {
        m_bReplacing = true;
        SetDlgItemInt(IDC_STREAM_FRAME_RATE, UINT(m_nLastFrameRate), TRUE);
        m_bReplacing = false;
    }
}

void CPage11StreamServer::OnAacChange()
{
    const int rate = PageAudioBitrate(CONTENT_AUDIO_AAC);
    if (m_pContentList && rate >= 0)
        m_pContentList->SetAudioBitrateForType(kContentAudioTypes[CONTENT_AUDIO_AAC], rate);
    m_bContentsEdited = true;
    SetPageModified();
}

void CPage11StreamServer::OnAmrChange()
{
    const int rate = PageAudioBitrate(CONTENT_AUDIO_AMR);
    if (m_pContentList && rate >= 0)
        m_pContentList->SetAudioBitrateForType(kContentAudioTypes[CONTENT_AUDIO_AMR], rate);
    m_bContentsEdited = true;
    SetPageModified();
}

void CPage11StreamServer::OnMaxConnectionsChange()
{
    BOOL number = FALSE;
    const int value = int(GetDlgItemInt(IDC_STREAM_MAX_CONNECTIONS, &number, TRUE));
    if (number && value >= kFewestConnections && value <= kMostConnections) {
        SetPageModified();
        return;
    }
    // The value last read or written, even one out of range, is put back once.
    if (!m_bReplacing) {
        m_bReplacing = true;
        SetDlgItemInt(IDC_STREAM_MAX_CONNECTIONS, UINT(m_nLastMaxConnections), TRUE);
        m_bReplacing = false;
    }
}

void CPage11StreamServer::OnAccessList()
{
    CAccessListDlg dlg(this);
    dlg.SetUserListCtrl(m_pContentList.get());
    std::memcpy(dlg.m_Access, m_Access, sizeof m_Access);
    if (dlg.DoModal() == IDCANCEL)
        return;
    if (std::memcmp(dlg.m_Access, m_Access, sizeof m_Access) != 0) {
        std::memcpy(m_Access, dlg.m_Access, sizeof m_Access);
        m_bContentsEdited = true;
        SetPageModified();
    }
}

void CPage11StreamServer::OnStatus()
{
    CDeviceStatusDlg dlg(this);
    dlg.DoModal();
}

tagContentInfo CPage11StreamServer::RowContent(int nRow) const
{
    tagContentInfo content {};
    if (!m_pContentList)
        return content;
    const CString name = m_pContentList->GetItemText(nRow, 1);
    for (int i = 0; i < m_nContentCount; ++i)
        if (std::strncmp(m_ContentsRead[i].szUrl, name, sizeof content.szUrl) == 0) {
            content = m_ContentsRead[i];
            break;
        }
    m_pContentList->GetContent(&content, nRow);
    return content;
}

bool CPage11StreamServer::ContentsChanged() const
{
    const int rows = m_pContentList ? m_pContentList->GetItemCount() : 0;
    if (rows != m_nContentCount)
        return true;
    for (int row = 0; row < rows; ++row) {
        const tagContentInfo content = RowContent(row);
        const tagContentInfo* read = nullptr;
        for (int i = 0; i < m_nContentCount && !read; ++i)
            if (SameText(m_ContentsRead[i].szUrl, content.szUrl))
                read = &m_ContentsRead[i];
        if (!read || !SameContent(*read, content))
            return true;
    }
    return false;
}

BOOL CPage11StreamServer::ValidateSettings()
{
    const int rows = m_pContentList ? m_pContentList->GetItemCount() : 0;
    bool active = false;
    for (int row = 0; row < rows && !active; ++row)
        active = RowContent(row).byFlag & 1;
    if (!active && AfxMessageBox(IDS_NO_ACTIVE_CONTENT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (m_nMaxConnections < kFewestConnections || m_nMaxConnections > kMostConnections) {
        AfxMessageBox(IDS_MAX_CONNECTIONS_INVALID);
        return FALSE;
    }
    // Every row's quantisers before anything is cleared or sent: a refused
    // row keeps the whole change, so the user can mend it and apply again.
    for (int row = 0; row < rows; ++row) {
        const tagContentInfo content = RowContent(row);
        if (content.dwValues[CONTENT_MIN_Q] >= content.dwValues[CONTENT_MAX_Q]) {
            // The name as the device gave it may fill its whole field.
            const std::string name(content.szUrl, strnlen(content.szUrl, sizeof content.szUrl));
            CString text;
            text.Format("The %s ", name.c_str());
            AfxMessageBox(text + LoadText(IDS_ROW_MAX_Q_BELOW_MIN_Q));
            m_pContentList->SelectRow(row);
            return FALSE;
        }
    }
    return TRUE;
}

void CPage11StreamServer::SetContentName()
{
    const int rows = m_pContentList ? m_pContentList->GetItemCount() : 0;
    std::memset(g_szContentName, 0, sizeof g_szContentName);
    if (!rows)
        return;
    int best = -1;
    uint32_t bestRate = 0;
    for (int row = 0; row < rows; ++row) {
        const tagContentInfo content = RowContent(row);
        if ((content.byFlag & 1) && int32_t(content.dwValue2) > 0 && content.dwValue2 > bestRate) {
            best = row;
            bestRate = content.dwValue2;
        }
    }
    const tagContentInfo chosen = RowContent(best < 0 ? 0 : best);
    std::memcpy(g_szContentName, chosen.szUrl, sizeof g_szContentName - 1);
}

ConfigResult CPage11StreamServer::WriteGroup(int)
{
    if (m_nMaxConnections != m_nLastMaxConnections) {
        const ConfigResult result = WriteBlock(SET_MAX_CONNECTIONS, { uint32_t(m_nMaxConnections) });
        if (result == CONFIG_NO_CONNECTION)
            return result;
        m_nLastMaxConnections = m_nMaxConnections;
    }
    const int rows = m_pContentList ? std::min(m_pContentList->GetItemCount(), int(CONTENT_ROOM)) : 0;
    ConfigResult outcome = CONFIG_DONE;
    if (ContentsChanged()) {
        auto contents = std::make_unique<CFG_STREAM_CONTENTS>();
        contents->dwCount = uint32_t(rows);
        for (int row = 0; row < rows; ++row)
            contents->contents[row] = RowContent(row);
        SetContentName();
        const ConfigResult result = WriteBlock(SET_STREAM_SERVER, *contents);
        if (result == CONFIG_NO_CONNECTION)
            return result;
        if (result == CONFIG_DONE) {
            // What the device now holds is the base of the next comparison.
            m_nContentCount = rows;
            for (int row = 0; row < rows; ++row)
                m_ContentsRead[row] = contents->contents[row];
            AfxMessageBox(IDS_STREAMING_RESTARTED);
        }
        outcome = result;
    }
    // The access words are written only over a list that was read or edited,
    // never over a device whose contents could not be read.
    if (!m_bContentsRead && !m_bContentsEdited)
        return outcome;
    CFG_CONTENT_ACCESS words {};
    words.dwCount = uint32_t(rows);
    for (int row = 0; row < rows; ++row) {
        const CString name = m_pContentList->GetItemText(row, 1);
        if (const tagContentAccess* entry = AccessEntry(name))
            words.dwAccess[row] = entry->dwAccess;
    }
    const ConfigResult result = WriteBlock(SET_CONTENT_ACCESS, words);
    return result == CONFIG_DONE ? outcome : result;
}
