// The controls of one period of a camera's normal recording, shared by the
// recording pages: recording type (1444) with its speed (1445) and quality
// (1447), the special-time type (1453) and event recording On (1457) / Off
// (1458). Each edit goes straight into the period record.
#pragma once

#include "link/RecordingBlocks.h"
#include "pages/common/RecordingPresets.h"

class CNormalRecordingControls
{
public:
    void Attach(CWnd* pPage);
    // Fills the type, speed and quality lists from the device's options.
    void FillLists(const RecordingOptions& options, BOOL typesFromDevice);

    void ShowPeriod(const NORMAL_PERIOD& period);
    void OnTypeChosen(NORMAL_PERIOD* pPeriod, const RecordingOptions& options);
    void OnSpeedChosen(NORMAL_PERIOD* pPeriod);
    void OnQualityChosen(NORMAL_PERIOD* pPeriod);
    void OnSpecialChosen(NORMAL_PERIOD* pPeriod);
    void OnEventRecording(NORMAL_PERIOD* pPeriod, BOOL bOn);

    CRecordingTypeLink m_Type;

private:
    int Selection(int id) const;

    CWnd* m_pPage = nullptr;
};
