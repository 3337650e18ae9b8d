#include "platform/ui/FileDialog.h"

#include "platform/base/Services.h"
#include "platform/ui/Wnd.h"

#include <string>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
    LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_strFilter(lpszFilter ? lpszFilter : "")
    , m_strPath(lpszFileName ? lpszFileName : "")
    , m_pParentWnd(pParentWnd)
{
    // Every caller opens a file; the flags only shape the window.
    (void)bOpenFileDialog;
    (void)lpszDefExt;
    (void)dwFlags;
}

INT_PTR CFileDialog::DoModal()
{
    CString path;
    if (!Service<IFileChooser>().ChooseOpen(
            m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr, m_strFilter, path))
        return IDCANCEL;
    m_strPath = path;
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    const std::string path = m_strPath.GetString();
    const size_t slash = path.find_last_of('/');
    return CString(slash == std::string::npos ? path.c_str() : path.c_str() + slash + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const std::string name = GetFileName().GetString();
    const size_t dot = name.find_last_of('.');
    return CString(name.substr(0, dot).c_str());
}

CString CFileDialog::GetFileExt() const
{
    const std::string name = GetFileName().GetString();
    const size_t dot = name.find_last_of('.');
    return CString(dot == std::string::npos ? "" : name.c_str() + dot + 1);
}
