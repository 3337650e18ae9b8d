// The document/view classes: run-time classes that the document template
// creates by name, the document, the view and the frame window that holds
// views. Only what a single-document program with a fixed frame needs.
#pragma once

#include "platform/ui/Wnd.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

// A class that a template can create at run time.
struct PLATFORM_UI_API CRuntimeClass {
    const char* m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)();
    CCmdTarget* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

#define DECLARE_DYNCREATE(theClass)                                                                          \
public:                                                                                                      \
    static CRuntimeClass class##theClass;                                                                    \
    static CCmdTarget* CreateObject();

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                                                             \
    CRuntimeClass theClass::class##theClass                                                                  \
    {                                                                                                        \
#theClass, &theClass::CreateObject                                                                   \
    };                                                                                                       \
    CCmdTarget* theClass::CreateObject()                                                                     \
    {                                                                                                        \
        return new theClass;                                                                                 \
    }

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

// Sent to every view when its frame is first shown.
constexpr UINT WM_INITIALUPDATE = 0x0364;

// Standard command ids.
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_PRINT_SETUP = 57606;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_SELECT_ALL = 57642;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
// The first pane of a frame.
constexpr UINT AFX_IDW_PANE_FIRST = 59648;

// What a frame needs to create its views.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

class PLATFORM_UI_API CDocument : public CCmdTarget
{
public:
    virtual BOOL OnNewDocument() { return TRUE; }
    void SetTitle(const CString& title) { m_strTitle = title; }
    const CString& GetTitle() const { return m_strTitle; }

protected:
    CString m_strTitle;
};

// Views and frames are made with new and delete themselves with their window.
class PLATFORM_UI_API CView : public CWnd
{
public:
    CView() { m_bAutoDelete = TRUE; }
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnInitialUpdate();
    // Creates the view as a child with the document of `pContext`.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    virtual void OnDraw(CDC*) { }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CDocument* m_pDocument = nullptr;
};

class PLATFORM_UI_API CFrameWnd : public CWnd
{
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame as a top-level window with the views of the context;
    // icon `nIDResource` of the resource module, when there is one, is its icon.
    virtual BOOL LoadFrame(
        UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext);
    // Creates the client area: by default one view of the context's class.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CView* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Sends WM_INITIALUPDATE to every view and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pView) { m_pViewActive = pView; }
    BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Fits the first pane (the view or the splitter) to the client area.
    virtual void RecalcLayout();

protected:
    // Gives the first pane `area`, or more where the pane refuses to shrink.
    void FitPane(const RECT& area);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Applies WM_GETMINMAXINFO's minimum tracking size to the window.
    void ApplyMinTrackSize();

    CView* m_pViewActive = nullptr;
    CCreateContext* m_pCreateContext = nullptr;
};

// The screen size and its test seam: a test may pretend another screen
// (0 x 0 gives the real one back).
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
PLATFORM_UI_API int GetSystemMetrics(int index);
PLATFORM_UI_API void SetScreenSizeOverride(int cx, int cy);
