// The day-plan editor both camera schedule dialogs are: five contiguous rows
// of one channel's day, each with its end time, the normal-save and
// event-save recording settings, a quality box and the alarm triggers. It
// edits its page's table and sends nothing itself; the view keeps it for the
// whole session, the page runs it modally. The dialogs differ in their
// trigger columns, titles, time rules and quality-box levels.
#pragma once

#include "controls/AreaPreviewStatic.h"
#include "dialogs/ScheduleRows.h"
#include "link/ScheduleBlocks.h"
#include "pages/SheetDialog.h"
#include "platform/base/Time.h"
#include "platform/ui/DataExchange.h"
#include "resources/setup/Resource.h"

#include <vector>

class CDayPlanDlg : public CSheetDialog
{
public:
    CDayPlanDlg(UINT nIDTemplate, CWnd* pParent);
    ~CDayPlanDlg() override;

    void SetConfigView(IConfigPageHost* pView, const BYTE block[16], const BYTE password[16]) override;

    // Given by the page before each run.
    BYTE m_bNtsc = 1; // 30-frame rate list
    BYTE m_bMirrored = 0;
    BYTE m_bMotionAvailable = 0;
    uint32_t m_nSlot = 0;

    // Per row: the quality box in full-picture coordinates and its level.
    uint32_t m_rcBox[SCHEDULE_ROW_COUNT][4] {};
    uint32_t m_nBoxLevel[SCHEDULE_ROW_COUNT] {};
    BOOL m_bModified = FALSE;

    const CScheduleRows& Rows() const { return m_Rows; }

protected:
    // One trigger check box column: which bit of the row it stands for.
    struct TriggerColumn {
        const int* ids; // rows 1 to 5
        enum Kind { BIT, MOTION_BYTE } kind;
        uint8_t bit;
        int available; // the dialog's availability index; -1: motion detection
        int relay; // relay output 0 to 3 that slots own, -1 for none
    };

    // The columns of the device, shown; the others hidden.
    virtual void ChooseTriggerColumns() = 0;
    virtual bool IsTriggerAvailable(const TriggerColumn& column) const = 0;
    // The five rows of the slot in the page's table; null without a page.
    virtual tagScheduleEntry* SlotRows() = 0;
    virtual void MarkSlotChanged() = 0;
    virtual UINT TitleString() const = 0;
    virtual const ScheduleRowRules& Rules() const = 0;
    // The quality-box level a row keeps, from its normal-save flags, and back.
    virtual uint32_t LevelOfFlags(uint8_t flags) const { return flags & 0x0F; }
    virtual uint8_t FlagsOfLevel(uint32_t level) const { return uint8_t(level & 0x0F); }
    // The level a row's quality box opens with.
    virtual uint32_t OpeningLevel(uint32_t level) const { return level >= 1 && level <= 5 ? level : 3; }
    // A row coming into use may enable a trigger only where the row before it did.
    virtual bool FollowsPreviousEnabling() const { return false; }
    // After the rows went into the page's table.
    virtual void AfterStore(const tagScheduleEntry*) { }

    // Shows the columns in `used`, hides every other of `all`.
    void ShowTriggerColumns(const int* const* all, int count);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    IConfigPageHost* m_pView = nullptr;
    CWnd* m_pQualityBox = nullptr;
    std::vector<TriggerColumn> m_Triggers;

private:
    void FillLists();
    void LoadRow(int row, const tagScheduleEntry& entry);
    void StoreRow(int row, tagScheduleEntry* entry) const;
    void EnableRow(int row, bool enable);
    void EnableTriggers(int row);
    void ClearRow(int row);
    void CopyRow(int from, int to);
    void ShowArea(int row, bool shown);
    void ShowTimes();
    void OnEndChange(int row);
    void OnQualityBox(int row);
    void MarkModified();
    bool IsTriggerCheck(int id) const;

    CTime m_Reference;
    CScheduleRows m_Rows;
    CAreaPreviewStatic m_Area[SCHEDULE_ROW_COUNT];
    bool m_bLoading = false;
};
