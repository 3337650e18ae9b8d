#include "pages/common/ScheduleHint.h"

#include "dialogs/FrameRates.h"
#include "pages/common/DayChart.h"

void CScheduleHint::Create(CWnd* pPage)
{
    Destroy();
    m_pPage = pPage;
    m_pToolTip = new CToolTipDlg(pPage);
    if (!m_pToolTip->Create(IDD_TOOLTIP, pPage)) {
        delete m_pToolTip;
        m_pToolTip = nullptr;
        return;
    }
    m_pToolTip->ShowWindow(SW_HIDE);
}

void CScheduleHint::Destroy()
{
    StopTimer();
    m_bShowing = false;
    if (!m_pToolTip)
        return;
    if (m_pToolTip->GetSafeHwnd()) {
        m_pToolTip->ShowWindow(SW_HIDE);
        m_pToolTip->DestroyWindow();
    }
    delete m_pToolTip;
    m_pToolTip = nullptr;
}

void CScheduleHint::Hide()
{
    if (m_pToolTip && m_pToolTip->GetSafeHwnd())
        m_pToolTip->ShowWindow(SW_HIDE);
    m_bShowing = false;
}

void CScheduleHint::StopTimer()
{
    if (m_bTimer && m_pPage && m_pPage->GetSafeHwnd())
        m_pPage->KillTimer(HINT_TIMER_ID);
    m_bTimer = false;
}

void CScheduleHint::OnMouseMove(CPoint clientPoint, const CString& text)
{
    if (!m_pToolTip)
        return;
    if (text.IsEmpty()) {
        StopTimer();
        Hide();
        return;
    }
    m_strHint = text;
    m_point = CPoint(clientPoint.x, clientPoint.y + 20);
    m_pPage->ClientToScreen(&m_point);
    if (m_bShowing) {
        m_pToolTip->m_nX = m_point.x;
        m_pToolTip->m_nY = m_point.y;
        m_pToolTip->m_strText = m_strHint;
        m_pToolTip->Invalidate();
        m_pToolTip->UpdateWindow();
        return;
    }
    if (!m_bTimer) {
        m_pPage->SetTimer(HINT_TIMER_ID, HINT_DELAY_MS);
        m_bTimer = true;
    }
}

void CScheduleHint::OnTimer()
{
    StopTimer();
    if (m_bShowing || !m_pToolTip)
        return;
    m_bShowing = true;
    m_pToolTip->m_nX = m_point.x;
    m_pToolTip->m_nY = m_point.y;
    m_pToolTip->m_strText = m_strHint;
    m_pToolTip->MoveWindow(m_point.x, m_point.y, 1, 1, FALSE);
    m_pToolTip->ShowWindow(SW_SHOWNOACTIVATE);
    m_pToolTip->Invalidate();
    m_pToolTip->UpdateWindow();
}

CString DayBarHint(int row, int hour, const CString& rate, const CString& resolution, int quality)
{
    CString interval, quality_text, hint;
    interval.LoadString(IDS_INTERVAL);
    quality_text.LoadString(IDS_QUALITY);
    CString hours;
    hours.LoadString(IDS_RATE_HOURS);
    hint.Format("%d %s, %d%s, %s, %s, %s: %d", row + 1, static_cast<LPCTSTR>(interval), hour,
        static_cast<LPCTSTR>(hours), static_cast<LPCTSTR>(rate), static_cast<LPCTSTR>(resolution),
        static_cast<LPCTSTR>(quality_text), quality);
    return hint;
}

CString DayChartHint(const DayChannel* channels, int count, CPoint point, const BYTE* b30Frames)
{
    DayHit hit;
    if (!HitDayChart(channels, count, point, &hit))
        return CString();
    const DayBar& bar = channels[hit.channel].bars[hit.row];
    const bool b30 = b30Frames[hit.channel] != 0;
    return DayBarHint(hit.row, (point.x - DAY_CHART_LEFT) / 15,
        RateText(RATES_DAY, hit.upper ? bar.normalRate : bar.eventRate, b30),
        ResolutionName(hit.upper ? bar.normalResolution : bar.eventResolution),
        hit.upper ? bar.normalQuality : bar.eventQuality);
}
