#include "pages/SheetPages.h"

#include "pages/ConfigPage.h"
#include "pages/Page1CamInfo.h"
#include "pages/PagePolicy.h"
#include "pages/PropertyConfig.h"
#include "pages/SheetDialog.h"
#include "pages/SheetFactory.h"

#include <algorithm>
#include <iterator>

CSheetPages::~CSheetPages()
{
    Delete();
}

CConfigPage* CSheetPages::Page(SheetSlot slot) const
{
    return slot >= 0 && slot < SLOT_FIRST_DIALOG ? m_pPages[slot] : nullptr;
}

void CSheetPages::Create(const SheetInputs& inputs, CWnd* pParent, IConfigPageHost* pHost,
    const BYTE password[16], CAMERA_INFO* pCameraInfo)
{
    Delete();
    const SheetAssembly sheet = AssembleSheet(inputs);

    m_pSheet = new CPropertyConfig("Configuration", pParent, 0);
    for (int s = 0; s < SLOT_COUNT; ++s) {
        if (!sheet.created[s])
            continue;
        const SheetSlot slot = static_cast<SheetSlot>(s);
        if (IsDialogSlot(slot))
            m_pDialogs[s - SLOT_FIRST_DIALOG] = CreateSheetDialog(slot);
        else
            m_pPages[s] = CreateSheetPage(slot);
    }
    if (auto* pInfo = static_cast<CPage1CamInfo*>(m_pPages[SLOT_CamInfo]))
        pInfo->SetCameraInfo(pCameraInfo);

    const BYTE scheduleBlock[16] = {};
    for (int s = 0; s < SLOT_FIRST_DIALOG; ++s) {
        if (s == SLOT_Security || !m_pPages[s])
            continue;
        m_pPages[s]->SetConfigView(pHost);
        if (m_pPages[s]->Policy().takesScheduleBlock)
            m_pPages[s]->SetScheduleBlock(scheduleBlock);
    }
    for (CSheetDialog* pDialog : m_pDialogs) {
        if (pDialog)
            pDialog->SetConfigView(pHost, scheduleBlock, password);
    }
    // The security page is given the host last.
    if (m_pPages[SLOT_Security])
        m_pPages[SLOT_Security]->SetConfigView(pHost);

    for (SheetSlot slot : sheet.order) {
        if (m_pPages[slot])
            m_pSheet->AddPage(m_pPages[slot]);
    }
    m_pSheet->Create(pParent, WS_CHILD | WS_DLGFRAME | WS_TABSTOP, 0);

    auto object = [this](SheetSlot slot) -> CWnd* {
        if (IsDialogSlot(slot))
            return m_pDialogs[slot - SLOT_FIRST_DIALOG];
        return m_pPages[slot];
    };
    for (const SheetLink& link : sheet.links) {
        if (IsDialogSlot(link.from)) {
            if (CSheetDialog* pDialog = m_pDialogs[link.from - SLOT_FIRST_DIALOG])
                pDialog->SetSheetLink(link.role, object(link.to));
        } else if (m_pPages[link.from]) {
            m_pPages[link.from]->SetSheetLink(link.role, object(link.to));
        }
    }
}

void CSheetPages::Delete()
{
    for (CConfigPage* pPage : m_pPages) {
        if (pPage)
            pPage->ReleaseChildDialogs();
    }
    // The sheet's window goes first so that no page window outlives its object.
    if (m_pSheet && m_pSheet->GetSafeHwnd())
        m_pSheet->DestroyWindow();
    for (CConfigPage*& pPage : m_pPages) {
        delete pPage;
        pPage = nullptr;
    }
    for (CSheetDialog*& pDialog : m_pDialogs) {
        if (pDialog && pDialog->GetSafeHwnd())
            pDialog->DestroyWindow();
        delete pDialog;
        pDialog = nullptr;
    }
    delete m_pSheet;
    m_pSheet = nullptr;
}

std::unique_ptr<CSheetPages> CSheetPages::Retire()
{
    auto retired = std::make_unique<CSheetPages>();
    std::swap(retired->m_pSheet, m_pSheet);
    std::swap_ranges(std::begin(m_pPages), std::end(m_pPages), std::begin(retired->m_pPages));
    std::swap_ranges(std::begin(m_pDialogs), std::end(m_pDialogs), std::begin(retired->m_pDialogs));
    if (retired->m_pSheet && retired->m_pSheet->GetSafeHwnd())
        retired->m_pSheet->ShowWindow(SW_HIDE);
    return retired;
}
