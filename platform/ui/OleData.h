// Plain-text data exchange between windows and with other programs: the
// clipboard and drag and drop, in the one format the system's windows
// exchange (CF_TEXT).
#pragma once

#include "platform/ui/Wnd.h"

#include <string>

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;

constexpr UINT CF_TEXT = 1;

// Data offered by a window: to the clipboard or to a drag.
class PLATFORM_UI_API COleDataSource
{
public:
    COleDataSource() = default;
    virtual ~COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers a text block as CF_TEXT (up to its first NUL).
    void CacheText(const std::string& text);
    BOOL HasText() const { return m_bHasText; }
    const std::string& GetText() const { return m_text; }

    // Puts the data on the clipboard. The clipboard takes the object over:
    // it is deleted here.
    void SetClipboard();
    // Lets the user drag the data with the left button held until it is
    // released over a registered drop target (or Escape cancels). Gives
    // the effect the target performed, DROPEFFECT_NONE when none.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE);

private:
    std::string m_text;
    BOOL m_bHasText = FALSE;
};

// Data a window receives: from the clipboard or from a drag.
class PLATFORM_UI_API COleDataObject
{
public:
    // Reads from the clipboard from now on.
    BOOL AttachClipboard();
    // Reads the data of a drag in progress.
    void Attach(const COleDataSource* source)
    {
        m_pSource = source;
        m_bClipboard = FALSE;
    }
    BOOL IsDataAvailable(UINT cfFormat) const;
    // The CF_TEXT data, cut after `maxBytes` bytes; FALSE when there is none.
    BOOL GetText(std::string& text, size_t maxBytes) const;

private:
    const COleDataSource* m_pSource = nullptr;
    BOOL m_bClipboard = FALSE;
};

// A window that accepts drops. Registered windows are told of a drag that
// moves over them; a target serves one window.
class PLATFORM_UI_API COleDropTarget
{
public:
    COleDropTarget() = default;
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    BOOL Register(CWnd* pWnd);
    void Revoke();
    CWnd* GetWindow() const { return m_pWnd; }

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

private:
    CWnd* m_pWnd = nullptr;
};
