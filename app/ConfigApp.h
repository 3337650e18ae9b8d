// CConfigApp: the application object of Setup. It picks the source of
// resources, registers the document template that makes the main frame with
// its two views, titles the main window, loads the time-zone tables,
// upgrades the tree files and puts the "Version" button on the frame.
#pragma once

#include "controls/CaptionButtonManager.h"
#include "platform/msg/SingleInstance.h"
#include "platform/ui/WinApp.h"

class CConfigApp : public CWinApp
{
public:
    CConfigApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    CCaptionButtonManager m_CaptionButtons;
    // Held while this copy runs; a later copy asks it to come to the front.
    CSingleInstance m_SingleInstance;

protected:
    void OnAppAbout();
    void AddVersionButton();
    // FALSE when another copy runs for this user and settings file: it was
    // asked to come to the front, or, when it did not answer, the user is
    // told that it runs.
    BOOL ClaimSingleInstance();
    void BringToFront();

    DECLARE_MESSAGE_MAP()
};

// The title of the main window while no device is logged in.
constexpr const char* MAIN_WINDOW_TITLE = "Pellmoor Tarnwick";
// How long a second copy waits for the first to answer.
constexpr DWORD SINGLE_INSTANCE_ANSWER_MS = 3000;

// The lock file that one running copy holds: beside the settings file,
// which names the user's files.
CString SingleInstanceLockFile();
