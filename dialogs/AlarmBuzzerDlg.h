// A pane with the "On Alarm Buzzer " box; no page uses it yet, and the box
// is bound to nothing.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CAlarmBuzzerDlg : public CDialog
{
public:
    explicit CAlarmBuzzerDlg(CWnd* pParent = nullptr)
        : CDialog(IDD_ALARM_BUZZER, pParent)
    {
    }
};
