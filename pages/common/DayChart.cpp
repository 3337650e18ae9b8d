#include "pages/common/DayChart.h"

#include "dialogs/FrameRates.h"
#include "platform/ui/GdiObject.h"

namespace
{

constexpr int kHourWidth = 15;
constexpr int kGuides[] = { 161, 251, 341 };
constexpr int kChartTop = 69;
constexpr int kRelayTop = 262;
constexpr int kLegendLeft = 175;
constexpr int kLegendBox = 17;
constexpr int kLegendBoxHeight = 15;
constexpr int kLegendBoxes = 15;

int MinuteStep(int minutes)
{
    if (minutes < 5)
        return 0;
    if (minutes < 15)
        return 2;
    if (minutes < 25)
        return 5;
    if (minutes < 35)
        return 7;
    if (minutes < 45)
        return 10;
    if (minutes < 55)
        return 12;
    return 15;
}

int Shade(int rateIndex)
{
    return (16 * rateIndex) % 256;
}

} // namespace

void ChartLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void ChartBox(CDC* pDC, const CRect& rect, COLORREF fill)
{
    CBrush brush(fill);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(&rect);
    pDC->SelectObject(oldBrush);
}

int DayTimeX(uint32_t seconds)
{
    return DAY_CHART_LEFT + kHourWidth * int(seconds / 3600) + MinuteStep(int(seconds % 3600 / 60));
}

int WholeHourX(uint32_t seconds)
{
    return DAY_CHART_LEFT + kHourWidth * int(seconds / 3600);
}

COLORREF NormalShade(int rateIndex)
{
    const int g = Shade(rateIndex);
    return RGB(g, g, g);
}

COLORREF EventShade(int rateIndex)
{
    const int g = Shade(rateIndex);
    return RGB(255, g, g);
}

void FillDayBar(DayBar* bar, const tagScheduleEntry& row, bool b30Frames, bool triggerLive)
{
    bar->normalRate = RateIndex(RATES_DAY, row.normalRate, b30Frames);
    bar->eventRate = RateIndex(RATES_DAY, row.alarmRate, b30Frames);
    bar->normalResolution = ClampResolution(row.normalResolution);
    bar->eventResolution = ClampResolution(row.alarmResolution);
    bar->normalQuality = ClampQuality(row.normalQuality);
    bar->eventQuality = ClampQuality(row.alarmQuality);
    bar->normalColor = NormalShade(bar->normalRate);
    bar->eventColor = EventShade(triggerLive ? bar->eventRate : NoSaveIndex(RATES_DAY));
}

float DayMarkerX(int64_t localTime)
{
    const int secondsOfDay = int(((localTime % 86400) + 86400) % 86400);
    return float(DAY_CHART_LEFT) + float(kHourWidth * (secondsOfDay / 3600))
        + 0.25f * float(secondsOfDay % 3600 / 60);
}

void DayChannel::PlaceBars()
{
    for (DayBar& bar : bars) {
        if (!present) {
            bar.upper.SetRectEmpty();
            bar.lower.SetRectEmpty();
            continue;
        }
        bar.upper.SetRect(bar.xStart, y, bar.xEnd, y + 10);
        bar.lower.SetRect(bar.xStart, y + 12, bar.xEnd, y + 22);
    }
}

void PaintDayChart(CDC* pDC, const DayChartStyle& style, const DayChannel* channels, int count, int markerX)
{
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen frame(PS_SOLID, 2, RGB(0, 0, 0));
    CPen guide(PS_DOT, 1, RGB(216, 176, 103));
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen startLine(PS_SOLID, 1, RGB(0, 0, 50));
    CPen marker(PS_DASH, 2, RGB(0, 50, 100));
    CPen* oldPen = pDC->SelectObject(&frame);
    CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);

    pDC->Rectangle(DAY_CHART_LEFT, kChartTop, DAY_CHART_RIGHT + 1, style.outlineBottom);
    pDC->SelectObject(&guide);
    for (int x : kGuides)
        ChartLine(pDC, x, 60, x, style.guideBottom);

    pDC->SelectObject(&black);
    for (int c = 0; c < count; ++c) {
        const DayChannel& channel = channels[c];
        if (!channel.present) {
            pDC->SelectStockObject(NULL_BRUSH);
            pDC->Rectangle(DAY_CHART_LEFT, channel.y, DAY_CHART_RIGHT, channel.y + 10);
            pDC->Rectangle(DAY_CHART_LEFT, channel.y + 12, DAY_CHART_RIGHT, channel.y + 22);
            continue;
        }
        for (const DayBar& bar : channel.bars) {
            ChartBox(pDC, bar.upper, bar.normalColor);
            ChartBox(pDC, bar.lower, bar.eventColor);
            // The start of each row stands out.
            pDC->SelectObject(&white);
            ChartLine(pDC, bar.xStart, channel.y, bar.xStart, channel.y + 10);
            pDC->SelectObject(&startLine);
            ChartLine(pDC, bar.xStart, channel.y + 12, bar.xStart, channel.y + 22);
            pDC->SelectObject(&black);
        }
    }
    if (style.relay) {
        for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
            const CRect rect(style.relay->xStart[p], kRelayTop, style.relay->xEnd[p], kRelayTop + 10);
            ChartBox(pDC, rect, style.relay->active[p] ? RGB(255, 150, 150) : RGB(255, 255, 255));
            pDC->SelectObject(&startLine);
            ChartLine(pDC, style.relay->xStart[p], kRelayTop, style.relay->xStart[p], kRelayTop + 10);
            pDC->SelectObject(&black);
        }
    }
    ChartLine(pDC, DAY_CHART_LEFT, kChartTop, DAY_CHART_LEFT, style.borderBottom);
    ChartLine(pDC, DAY_CHART_RIGHT, kChartTop, DAY_CHART_RIGHT, style.borderBottom);

    pDC->SelectObject(&marker);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(markerX, 54, markerX + 1, style.guideBottom);

    if (style.legend) {
        for (int i = 0; i < kLegendBoxes; ++i) {
            const int x = kLegendLeft + kLegendBox * i;
            pDC->FillSolidRect(x, style.legendTop, kLegendBox, kLegendBoxHeight, NormalShade(i));
            pDC->FillSolidRect(
                x, style.legendTop + style.legendGap, kLegendBox, kLegendBoxHeight, EventShade(i));
        }
        CPen tick(PS_SOLID, 1, RGB(128, 128, 128));
        pDC->SelectObject(&tick);
        for (int x : { 183, 421 }) {
            for (int top : { style.legendTop + 5, style.legendTop + 5 + style.legendGap })
                ChartLine(pDC, x, top, x, top + 15);
        }
    }
    pDC->SelectObject(oldPen);
    pDC->SelectObject(static_cast<CBrush*>(oldBrush));
}

bool HitDayChart(const DayChannel* channels, int count, CPoint point, DayHit* hit)
{
    auto inside = [&point](const CRect& r) {
        return r.left <= point.x && point.x < r.right && r.top <= point.y && point.y <= r.bottom;
    };
    for (int c = 0; c < count; ++c) {
        for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
            const DayBar& bar = channels[c].bars[r];
            if (inside(bar.upper) || inside(bar.lower)) {
                *hit = { c, r, inside(bar.upper) };
                return true;
            }
            if (bar.upper.right >= DAY_CHART_RIGHT)
                break;
        }
    }
    return false;
}
