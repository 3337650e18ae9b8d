#include "app/ConfigApp.h"

#include "app/CamSelSettings.h"
#include "app/ConfigDoc.h"
#include "app/ConfigView.h"
#include "app/MainFrame.h"
#include "devtree/TreeFilePaths.h"
#include "devtree/TreeFileUpgrade.h"
#include "pages/common/TimeZones.h"
#include "platform/base/Settings.h"
#include "platform/msg/WinSock.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/LanguagePack.h"
#include "resources/setup/Resource.h"
#include "resources/setup/SetupResources.h"

BEGIN_MESSAGE_MAP(CConfigApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CConfigApp::CConfigApp()
    : CWinApp(MAIN_WINDOW_TITLE)
{
}

BOOL CConfigApp::InitInstance()
{
    // 1. The language pack, when present, becomes the source of resources.
    HINSTANCE own = SetupResourceModule();
    AfxSetInstanceHandle(own);
    AfxSetResourceHandle(own);
    if (HINSTANCE pack = LoadLanguagePack(GetInstallFolder().GetString(), "OstraCFGRes"))
        AfxSetResourceHandle(pack);
    AfxSetAppTitle(MAIN_WINDOW_TITLE);

    // A second copy would write the same settings and tree files: it brings
    // the first to the front instead, before it has written anything.
    if (!ClaimSingleInstance())
        return FALSE;
    EnsureInstallFolder();
    if (IsSettingsFileUnreadable()) {
        CString text;
        AfxFormatString1(text, IDS_SETTINGS_UNREADABLE, GetSettingsFile());
        AfxMessageBox(text, MB_OK | MB_ICONWARNING);
    }

    // 2. Sockets.
    if (!AfxSocketInit()) {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
        return FALSE;
    }

    // 3. The profile settings.
    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);

    // The tree files are brought to the current format before the views
    // exist: the device-selection view loads its trees in its initial
    // update, and a tree read from an old file would be saved back over the
    // upgraded one by the first discovery update.
    ReadCamSelSettings();
    for (int family = 0; family < TREE_FAMILY_COUNT; ++family)
        UpgradeTreeFile(family, g_szInstallDir);

    // 4. and 5. The template and the shell command make the frame and views.
    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RUNTIME_CLASS(CConfigDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CConfigView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // 6. Show and title the main window.
    m_pMainWnd->ShowWindow(SW_SHOW);
    CString title;
    title.Format("%s", MAIN_WINDOW_TITLE);
    m_pMainWnd->SetWindowText(title);
    m_pMainWnd->UpdateWindow();

    // 7. The time-zone tables the settings pages index.
    LoadTimeZoneTables();

    // 9. The "Version" button on the frame.
    AddVersionButton();
    return TRUE;
}

CString SingleInstanceLockFile()
{
    return GetSettingsFile() + ".lock";
}

BOOL CConfigApp::ClaimSingleInstance()
{
    const CString lockFile = SingleInstanceLockFile();
    if (m_SingleInstance.Claim(lockFile)) {
        m_SingleInstance.Listen([this] { BringToFront(); });
        return TRUE;
    }
    if (!CSingleInstance::ActivateRunning(lockFile, SINGLE_INSTANCE_ANSWER_MS))
        AfxMessageBox(IDS_ALREADY_RUNNING, MB_OK | MB_ICONINFORMATION);
    return FALSE;
}

void CConfigApp::BringToFront()
{
    if (!m_pMainWnd)
        return;
    m_pMainWnd->ShowWindow(m_pMainWnd->IsIconic() ? SW_RESTORE : SW_SHOW);
    m_pMainWnd->SetForegroundWindow();
}

void CConfigApp::AddVersionButton()
{
    auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (!frame)
        return;
    frame->AttachCaptionButtons(&m_CaptionButtons);
    m_CaptionButtons.SetReservedSlots(3);
    m_CaptionButtons.SetTransparentColor(RGB(255, 0, 255));
    // The images come from the program's own module, not the language pack.
    HINSTANCE own = AfxGetInstanceHandle();
    m_CaptionButtons.SetPressedBitmap(LoadBitmap(own, IDB_CAPTION_PRESSED));
    HBITMAP normal = LoadBitmap(own, IDB_CAPTION_VERSION);
    HBITMAP over = LoadBitmap(own, IDB_CAPTION_VERSION);
    HBITMAP hot = CombineBitmaps(normal, over, RGB(255, 0, 255));
    DeleteObject(over);
    m_CaptionButtons.AddButton(1, hot, normal, "Version", -1);
}

int CConfigApp::ExitInstance()
{
    if (m_pMainWnd) {
        CWnd* main = m_pMainWnd;
        m_pMainWnd = nullptr;
        main->DestroyWindow();
    }
    // Nothing after this point may run: the views' clean-up ends the process.
    Service<IProcessControl>().Exit(0);
    return 0;
}

void CConfigApp::OnAppAbout()
{
    CDialog about(IDD_ABOUTBOX);
    about.DoModal();
}
