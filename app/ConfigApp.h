// CConfigApp: the application object of Setup. It picks the source of
// resources, registers the document template that makes the main frame with
// its two views, titles the main window, loads the time-zone tables,
// upgrades the tree files and puts the "Version" button on the frame.
#pragma once

#include "controls/CaptionButtonManager.h"
#include "platform/ui/WinApp.h"

class CConfigApp : public CWinApp
{
public:
    CConfigApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    CCaptionButtonManager m_CaptionButtons;

protected:
    void OnAppAbout();
    void AddVersionButton();

    DECLARE_MESSAGE_MAP()
};

// The title of the main window while no device is logged in.
constexpr const char* MAIN_WINDOW_TITLE = "Pellmoor Tarnwick";
