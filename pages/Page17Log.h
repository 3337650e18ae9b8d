// The recorder's system log: one line per logged event the program knows,
// with the device's local time and the event's name, in the device's order.
// Nothing on it is written back.
#pragma once

#include "pages/ConfigPage.h"
#include "platform/ui/ListCtrl.h"

#include <cstdint>

// One event the log names: its code and the text of its line.
struct LogEventText {
    uint32_t code;
    uint32_t value; // always 5
    char text[264];
};
constexpr int LOG_EVENT_COUNT = 8;
// Program-wide; the texts come from the string table when a log page's
// window is made.
extern LogEventText g_LogEvents[LOG_EVENT_COUNT];

class CPage17Log : public CConfigPage
{
public:
    CPage17Log();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    CListCtrl m_LogList;
    // Seconds the device's local time is ahead of UTC, as last read.
    int32_t m_nZoneOffset = 0;

protected:
    void ReadSettings() override;
    ConfigResult WriteGroup(int) override { return CONFIG_DONE; }
    void AddRecord(uint32_t time, uint32_t eventWord);
};
