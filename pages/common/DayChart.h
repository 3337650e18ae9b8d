// The day chart of the camera schedule pages: per channel a pair of bars for
// each of its five rows (normal save above, event save below) on a 24-hour
// axis from x 70 to x 431, shaded by frame rate; the relay row, the
// current-time marker and the legend; and the hit test of the hint.
#pragma once

#include "link/ScheduleBlocks.h"
#include "platform/ui/DC.h"

#include <cstdint>

constexpr int DAY_CHART_LEFT = 70;
constexpr int DAY_CHART_RIGHT = 431; // 24:00
constexpr int DAY_CHART_CHANNELS = 4;

// x of a time on the axis: 15 pixels an hour, 2.5 per ten minutes rounded
// down (minutes 55 to 59 give the whole next hour step).
int DayTimeX(uint32_t seconds);
// x of a time counted in whole hours only.
int WholeHourX(uint32_t seconds);

// g(i) = 16 i mod 256: black at the highest rate, light grey at No Save.
COLORREF NormalShade(int rateIndex);
COLORREF EventShade(int rateIndex);

struct DayBar {
    int xStart = DAY_CHART_LEFT;
    int xEnd = DAY_CHART_LEFT;
    int normalRate = 0; // list positions
    int eventRate = 0;
    int normalResolution = 0;
    int eventResolution = 0;
    int normalQuality = 0;
    int eventQuality = 0;
    COLORREF normalColor = 0;
    COLORREF eventColor = 0;
    CRect upper;
    CRect lower;
};

struct DayChannel {
    bool present = false;
    int y = 0; // top of the channel's upper bars
    DayBar bars[SCHEDULE_ROW_COUNT];

    // Upper (y to y + 10) and lower (y + 12 to y + 22) rectangles; empty
    // when the channel is absent.
    void PlaceBars();
};

struct DayRelayRow {
    int xStart[SCHEDULE_ROW_COUNT] = {};
    int xEnd[SCHEDULE_ROW_COUNT] = {};
    bool active[SCHEDULE_ROW_COUNT] = {}; // any trigger word set
};

// Where a chart's parts lie; they differ by page and firmware.
struct DayChartStyle {
    int outlineBottom = 251; // the frame around the chart
    int guideBottom = 250; // hour guides and the time marker end here
    int borderBottom = 251; // the black lines at 0:00 and 24:00
    const DayRelayRow* relay = nullptr; // drawn at y 262 when given
    bool legend = true;
    int legendTop = 265; // the normal-save boxes; the event ones follow
    int legendGap = 55;
};

// A bar's list positions, resolution, quality and shades from its row; the
// event shade is No Save's unless a live trigger starts event saving.
void FillDayBar(DayBar* bar, const tagScheduleEntry& row, bool b30Frames, bool triggerLive);
// x of the current-time marker for a local time in seconds since 1970.
float DayMarkerX(int64_t localTime);

// A line in the pen selected, and a filled box outlined in it.
void ChartLine(CDC* pDC, int x1, int y1, int x2, int y2);
void ChartBox(CDC* pDC, const CRect& rect, COLORREF fill);

void PaintDayChart(CDC* pDC, const DayChartStyle& style, const DayChannel* channels, int count, int markerX);

struct DayHit {
    int channel = -1;
    int row = -1;
    bool upper = true;
};
// Channels in order and rows 0 to 4; a row ending at 24:00 ends its
// channel's scan.
bool HitDayChart(const DayChannel* channels, int count, CPoint point, DayHit* hit);
