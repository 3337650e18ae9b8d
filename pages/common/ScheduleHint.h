// The hint of a schedule chart: resting the pointer on a bar starts the
// page's timer 60; 700 ms later the hint window shows the bar's text 20
// pixels below the pointer. Moving to another bar updates a showing hint at
// once; leaving the bars hides it.
#pragma once

#include "pages/common/ToolTipDlg.h"

constexpr UINT_PTR HINT_TIMER_ID = 60;
constexpr UINT HINT_DELAY_MS = 700;

class CScheduleHint
{
public:
    ~CScheduleHint() { Destroy(); }

    // The hidden hint window, created with the page.
    void Create(CWnd* pPage);
    void Destroy();
    bool Exists() const { return m_pToolTip != nullptr; }
    void Hide();

    // The pointer moved to `clientPoint` of the page; `text` is the hint of
    // the bar under it, empty when it is on none.
    void OnMouseMove(CPoint clientPoint, const CString& text);
    // The page's timer 60 went off.
    void OnTimer();

    bool IsShowing() const { return m_bShowing; }
    bool IsTimerRunning() const { return m_bTimer; }
    CToolTipDlg* Window() const { return m_pToolTip; }

private:
    void StopTimer();

    CWnd* m_pPage = nullptr;
    CToolTipDlg* m_pToolTip = nullptr;
    bool m_bTimer = false;
    bool m_bShowing = false;
    CPoint m_point;
    CString m_strHint;
};

struct DayChannel;
// The hint of the bar under `point` ("2 Interval, 7h, 10f/s, CIF(360X243),
// Quality: 6"), the rate from the channel's list; empty off the bars.
CString DayChartHint(const DayChannel* channels, int count, CPoint point, const BYTE* b30Frames);
// "2 Interval, 7h, 10f/s, CIF(360X243), Quality: 6".
CString DayBarHint(int row, int hour, const CString& rate, const CString& resolution, int quality);
