#include "pages/Page17Log.h"

#include "link/ClockBlocks.h"
#include "link/ConfigRecords.h"
#include "link/SystemBlocks.h"
#include "pages/common/TimeZones.h"

#include <cstring>
#include <ctime>

LogEventText g_LogEvents[LOG_EVENT_COUNT] = {
    { 0x300, 5, "" },
    { 0x301, 5, "" },
    { 0x302, 5, "" },
    { 0x310, 5, "" },
    { 0x320, 5, "" },
    { 0x321, 5, "" },
    { 0x330, 5, "" },
    { 0x331, 5, "" },
};

namespace
{

constexpr int kListId = 1803;
constexpr int kTimeColumnWidth = 130;

const char* EventText(uint32_t code)
{
    for (const LogEventText& e : g_LogEvents) {
        if (e.code == code)
            return e.text;
    }
    return nullptr;
}

} // namespace

CPage17Log::CPage17Log()
    : CConfigPage(IDD_PAGE17_LOG, SLOT_Log)
{
}

BOOL CPage17Log::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (CWnd* group = GetDlgItem(IDC_LOG_GROUP))
        group->MoveWindow(14, 11, 515, 475);
    m_LogList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT,
        CRect(26, 31, 26 + 489, 31 + 436), this, kListId);
    m_LogList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CString time, description;
    time.LoadString(IDS_TIME);
    description.LoadString(IDS_DESCRIPTION);
    m_LogList.InsertColumn(0, time, LVCFMT_LEFT, kTimeColumnWidth);
    CRect client;
    m_LogList.GetClientRect(&client);
    m_LogList.InsertColumn(1, description, LVCFMT_LEFT, client.Width() - kTimeColumnWidth);
    for (int i = 0; i < LOG_EVENT_COUNT; ++i) {
        CString text;
        text.LoadString(IDS_LOG_EVENT_FIRST + i);
        std::strncpy(g_LogEvents[i].text, text, sizeof g_LogEvents[i].text - 1);
    }
    return TRUE;
}

BOOL CPage17Log::OnSetActive()
{
    SetCapture();
    const BOOL result = CConfigPage::OnSetActive();
    ReleaseCapture();
    return result;
}

void CPage17Log::ReadSettings()
{
    m_LogList.DeleteAllItems();
    CFG_DEVICE_CLOCK clock;
    // A zone the table does not hold keeps the offset read before.
    if (ReadBlock(GET_DEVICE_CLOCK, &clock) && clock.zoneIndex < uint32_t(TIME_ZONE_COUNT))
        m_nZoneOffset = g_TimeZones[clock.zoneIndex].offset + (clock.daylightSaving ? 3600 : 0);
    CFG_STREAM_LIST log {};
    if (!ReadBlock(GET_SYSTEM_LOG, &log))
        return;
    for (uint32_t i = 0; log.entries && i < log.count; ++i)
        AddRecord(log.entries[i].id, log.entries[i].f);
    FreeConfigReplyLists(&m_Reply);
}

void CPage17Log::AddRecord(uint32_t time, uint32_t eventWord)
{
    const char* text = EventText(eventWord >> 8);
    if (!text)
        return;
    const time_t local = time_t(int64_t(time) + m_nZoneOffset);
    struct tm fields {
    };
    if (!gmtime_r(&local, &fields))
        return;
    char shown[32];
    std::strftime(shown, sizeof shown, "%Y/%m/%d %H:%M:%S", &fields);
    const int row = m_LogList.InsertItem(m_LogList.GetItemCount(), shown);
    m_LogList.SetItemText(row, 1, text);
}
