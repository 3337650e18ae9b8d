#include "platform/ui/WinApp.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceModule.h"

#include <QApplication>

namespace
{
CWinApp* g_app = nullptr;

// CString::LoadString reads the string table of the resource module.
bool LoadResourceText(UINT id, CString& text)
{
    const std::string found = LoadResourceString(id);
    text = found.c_str();
    return !found.empty();
}
} // namespace

CDocTemplate::CDocTemplate(
    UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource)
    , m_pDocClass(pDocClass)
    , m_pFrameClass(pFrameClass)
    , m_pViewClass(pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    delete m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR, BOOL bMakeVisible)
{
    if (m_pOnlyDoc)
        return m_pOnlyDoc;
    auto* doc = dynamic_cast<CDocument*>(m_pDocClass->CreateObject());
    if (!doc)
        return nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (!frame) {
        delete doc;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = doc;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = frame;
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        // A frame that never got a window does not delete itself.
        delete frame;
        delete doc;
        return nullptr;
    }
    if (!doc->OnNewDocument()) {
        frame->DestroyWindow();
        delete doc;
        return nullptr;
    }
    m_pOnlyDoc = doc;
    if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd)
        app->m_pMainWnd = frame;
    frame->InitialUpdateFrame(doc, bMakeVisible);
    return doc;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName ? lpszAppName : "")
    , m_pPreviousApp(g_app)
{
    g_app = this;
    SetStringLoader(&LoadResourceText);
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = m_pPreviousApp;
}

int CWinApp::Run()
{
    return QApplication::exec();
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templates.emplace_back(pTemplate);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (rCmdInfo.m_nShellCommand != CCommandLineInfo::FileNew)
        return TRUE;
    if (m_templates.empty())
        return FALSE;
    return m_templates.front()->OpenDocumentFile(nullptr) != nullptr;
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIcon(AfxGetResourceHandle(), nIDResource);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallWidgetServices();
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    int code = 0;
    if (app->InitInstance())
        code = app->Run();
    const int exitCode = app->ExitInstance();
    return code != 0 ? code : exitCode;
}
