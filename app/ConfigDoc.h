// The document of the single-document template: it holds no data, nothing is
// ever saved or loaded through it.
#pragma once

#include "platform/ui/DocView.h"

class CConfigDoc : public CDocument
{
    DECLARE_DYNCREATE(CConfigDoc)
public:
    BOOL OnNewDocument() override { return CDocument::OnNewDocument(); }
};
