// CNewFolderDlg: one line of text for the tree-grid, a new folder's name or
// a channel's new name. The caller sets the caption (and the text, to
// preset it) before DoModal and reads the text after IDOK.
#pragma once

#include "explorer/MorrikResources.h"
#include "morrikExport.h"

namespace morrik
{

class MORRIK_EXPORT CNewFolderDlg : public CMorrikDialog
{
public:
    explicit CNewFolderDlg(CWnd* pParent = nullptr);

    CString m_strText;
    CString m_strCaption;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnChangeText();

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
