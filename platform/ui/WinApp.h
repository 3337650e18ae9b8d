// The application object, the single-document template and the program's
// entry: AfxWinMain makes the Qt application, runs InitInstance, the message
// loop and ExitInstance.
#pragma once

#include "platform/ui/DocView.h"

#include <memory>
#include <vector>

class PLATFORM_UI_API CDocTemplate : public CCmdTarget
{
public:
    CDocTemplate(
        UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
    // Creates the document, its frame with its views, and shows the frame.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;

protected:
    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
};

class PLATFORM_UI_API CSingleDocTemplate : public CDocTemplate
{
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

private:
    CDocument* m_pOnlyDoc = nullptr;
};

// The standard command line: no options of the framework's own.
class PLATFORM_UI_API CCommandLineInfo
{
public:
    enum { FileNew, FileOpen, FileNothing } m_nShellCommand = FileNew;
    CString m_strFileName;
};

class PLATFORM_UI_API CWinApp : public CCmdTarget
{
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    // Runs the message loop until the quit message; gives its code.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo)
    {
        rCmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    }
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void OnFileNew();
    // The profile lives in the settings store; these only record the names.
    void SetRegistryKey(LPCTSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey; }
    void LoadStdProfileSettings(UINT nMaxMRU = 4) { m_nMaxMRU = nMaxMRU; }
    BOOL Enable3dControls() { return TRUE; }
    // Icon `nIDResource` of the resource module.
    HICON LoadIcon(UINT nIDResource) const;
    void AfxEnableControlContainer() { }

    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;
    CString m_strRegistryKey;
    UINT m_nMaxMRU = 0;

protected:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    // A program has one application object; a test may make another for a
    // while, and the first serves again when it goes.
    CWinApp* m_pPreviousApp;
};

PLATFORM_UI_API CWinApp* AfxGetApp();
PLATFORM_UI_API CWnd* AfxGetMainWnd();
// The program's entry: needs the one application object to exist.
PLATFORM_UI_API int AfxWinMain(int argc, char** argv);
