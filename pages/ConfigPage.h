// The frame every settings page follows: its own session with the device, the
// page's OK, Cancel and Apply buttons, reading the device on activation,
// asking before unsaved changes are left, and applying only what the page
// holds. A page supplies its reads, its checks and its group writes; the
// ways pages differ come from their entry in the policy table.
#pragma once

#include "link/ConfigSession.h"
#include "link/WindowMessages.h"
#include "pages/ConfigPageHost.h"
#include "pages/PagePolicy.h"
#include "platform/ui/PropertySheet.h"
#include "resources/setup/Resource.h"

#include <type_traits>
#include <vector>

class CConfigPage : public CPropertyPage
{
public:
    CConfigPage(UINT nIDTemplate, SheetSlot slot);
    ~CConfigPage() override;

    SheetSlot Slot() const { return m_slot; }
    const PagePolicy& Policy() const { return PagePolicyFor(m_slot); }

    virtual void SetConfigView(IConfigPageHost* pView);
    // A pointer to a cooperating page or dialog of the same sheet (null when
    // its slot is empty). Pages that keep such links override it.
    virtual void SetSheetLink(SheetLinkRole role, CWnd* pTarget);
    // The schedule and recording pages keep a copy of this block.
    virtual void SetScheduleBlock(const BYTE block[16]);
    // Pages holding a child dialog delete it before the view deletes them.
    virtual void ReleaseChildDialogs();

    // Marks the page changed (or unchanged) and keeps Apply in step.
    void SetPageModified(BOOL bModified = TRUE);
    // Whether the page holds a change, by the page's own rule.
    BOOL HasChange() const;

    BOOL OnButtonApply();
    void OnButtonOK();
    void OnButtonCancel();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

protected:
    // The page's get requests, in its order; each group's success goes to
    // MarkGroupRead. Controls are filled from the records afterwards.
    virtual void ReadSettings() = 0;
    // Records into controls (before UpdateData(FALSE)).
    virtual void ShowSettings() { }
    // Checks the controls after UpdateData(TRUE); shows the message of the
    // first invalid value and gives FALSE.
    virtual BOOL ValidateSettings() { return TRUE; }
    // Sends one group's set request (WriteBlock).
    virtual ConfigResult WriteGroup(int group) = 0;
    // After every due group was written.
    virtual void OnApplied() { }
    // Pages with a hint window close it before OK ends the session.
    virtual void CloseHintWindow() { }
    // Child windows to stop before the session ends (live viewers).
    virtual void BeforeSessionEnd() { }

    // Pages with several separately written groups declare them once.
    void DeclareGroups(int count);
    void MarkGroupRead(int group, BOOL bRead);
    void MarkGroupChanged(int group);
    BOOL IsGroupChanged(int group) const;
    // Pages that write every group they hold on each apply.
    void SetWriteAllGroups(BOOL bWriteAll) { m_bWriteAllGroups = bWriteAll; }
    // The page's one way to its device: a typed block through the page's
    // session. A read sends the block's parameters (none for a plain get)
    // and on success copies the reply's fields into *pFields; a failed read
    // leaves the record as it was. Lists a reply carries live until the
    // page's next request.
    template <class Params, class Fields>
    BOOL ReadBlock(const ConfigBlock<Params, Fields>& block, Fields* pFields,
        const std::type_identity_t<Params>& params = {})
    {
        return m_ConfigSession.Request(block, params, pFields, m_Reply) == CONFIG_DONE;
    }
    // A write tells a refusal (its message already shown) from no answer;
    // a set whose reply carries fields copies them into *pFields.
    template <class Params, class Fields>
    ConfigResult WriteBlock(const ConfigBlock<Params, Fields>& block,
        const std::type_identity_t<Params>& params, std::type_identity_t<Fields>* pFields = nullptr)
    {
        return m_ConfigSession.Request(block, params, pFields, m_Reply);
    }

    LRESULT OnPageCancel(WPARAM wParam, LPARAM lParam);
    LRESULT OnPageModified(WPARAM wParam, LPARAM lParam);

    CConfigSession m_ConfigSession;
    ConfigReply m_Reply {};
    IConfigPageHost* m_pConfigView = nullptr;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    enum ApplyOutcome { APPLY_NOTHING, APPLY_DONE, APPLY_REFUSED, APPLY_INVALID, APPLY_NO_CONNECTION };
    ApplyOutcome RunApply();
    BOOL IsGroupDue(int group) const;
    void EnableApply(BOOL bEnable);
    void EndSession(bool ok);

    SheetSlot m_slot;
    BOOL m_bWriteAllGroups = FALSE;
    std::vector<BOOL> m_groupRead;
    std::vector<BOOL> m_groupChanged;
};
