// The life of one settings sheet: its window, the pages and the modeless
// dialogs of its slots. Every step walks the slots and skips the empty ones.
#pragma once

#include "link/CameraInfo.h"
#include "pages/ConfigPageHost.h"
#include "pages/SheetAssembly.h"

#include <memory>

class CConfigPage;
class CPropertyConfig;
class CSheetDialog;
class CWnd;

class CSheetPages
{
public:
    CSheetPages() = default;
    ~CSheetPages();
    CSheetPages(const CSheetPages&) = delete;
    CSheetPages& operator=(const CSheetPages&) = delete;

    // Builds the sheet that the assembly gives for `inputs` as a child of
    // `pParent`: creates the slots' objects, hands them the host and their
    // blocks, adds the pages (the first one reads the device) and links the
    // cooperating objects. A sheet held before is deleted first.
    void Create(const SheetInputs& inputs, CWnd* pParent, IConfigPageHost* pHost, const BYTE password[16],
        CAMERA_INFO* pCameraInfo);
    // Deletes the sheet and its objects; the set is empty afterwards.
    void Delete();
    // Hides the sheet and hands over the whole set, to be deleted once the
    // message that ended the session has returned: the page whose button
    // ended it is still running then. This set is empty afterwards.
    std::unique_ptr<CSheetPages> Retire();

    CPropertyConfig* Sheet() const { return m_pSheet; }
    CConfigPage* Page(SheetSlot slot) const;

private:
    CPropertyConfig* m_pSheet = nullptr;
    CConfigPage* m_pPages[SLOT_FIRST_DIALOG] = {};
    CSheetDialog* m_pDialogs[SLOT_COUNT - SLOT_FIRST_DIALOG] = {};
};
