// The four alarm periods of a recorder on a page's tab control: "Weekday
// (day)", "Weekday (night)", "Weekend (day)", "Weekend (night)", in this
// order. A period is taken back from the controls only when the user edited
// it, so that looking at another period never rewrites one with what the
// controls could not show.
#pragma once

#include "platform/ui/TabCtrl.h"

#include <cstddef>
#include <functional>

constexpr int kPeriodCount = 4;

class CPeriodTabs
{
public:
    // Puts the period texts on the page's tab control and selects the first.
    void Attach(CWnd* pPage, int nTabId);
    int Current() const { return m_nCurrent; }
    // Shows the first period again, as after activation; nothing is taken.
    void Reset();
    // The user changed a control of the period shown.
    void MarkEdited() { m_bEdited = TRUE; }
    BOOL IsEdited() const { return m_bEdited; }
    // The tab's TCN_SELCHANGE: takes the period left when it was edited,
    // then shows the new one.
    void OnSelChange(const std::function<void(int)>& take, const std::function<void(int)>& show);
    // Before an apply or a copy: takes the period shown when it was edited.
    void TakeEdited(const std::function<void(int)>& take);

private:
    CTabCtrl* Tab() const;

    CWnd* m_pPage = nullptr;
    int m_nTabId = 0;
    int m_nCurrent = 0;
    BOOL m_bEdited = FALSE;
};

// "Globally Apply": period `from` of one entry copied to its other periods.
template <class Period> void CopyPeriodToAll(Period (&periods)[kPeriodCount], int from)
{
    if (from < 0 || from >= kPeriodCount)
        return;
    for (int p = 0; p < kPeriodCount; ++p)
        periods[p] = periods[from];
}
