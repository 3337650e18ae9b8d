// CFileDialog: the open-file dialog, through the file chooser seam
// (IFileChooser), so that a test answers it.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/UiExport.h"

class CWnd;

constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;

class PLATFORM_UI_API CFileDialog
{
public:
    // Only the open form is known; the filter reads "Name (*.a;*.b)|*.a;*.b||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
        DWORD dwFlags = 0, LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    // IDOK with a file chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    CString GetPathName() const { return m_strPath; }
    // The name with its extension, the name without it, the extension.
    CString GetFileName() const;
    CString GetFileTitle() const;
    CString GetFileExt() const;

private:
    CString m_strFilter;
    CString m_strPath;
    CWnd* m_pParentWnd;
};
