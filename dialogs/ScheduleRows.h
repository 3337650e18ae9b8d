// The time rules of a day plan of five contiguous rows (schedule dialogs and
// relay time tables): a row starts where the row before it ends, the first
// row whose end reads 0:00 runs to midnight, and moving an end time deletes,
// extends, replaces or amends the rows after it. Times are the seconds the
// pickers show (0 to 86399; an end of 0 reads 0:00 and means midnight). The
// engine keeps times and row states only; it reports what happened to each
// row so that its dialog moves, clears or fills the row's other controls.
#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <functional>
#include <vector>

constexpr int SCHEDULE_ROWS = 5;
constexpr uint32_t SECONDS_PER_DAY = 86400;

// How the dialogs differ in the same rules.
struct ScheduleRowRules {
    enum MoveRule {
        // Camera schedule: the covered rows go, the later ones move up with
        // their settings; a move stops at the first row that starts at 0:00.
        MOVE_UP_TO_EMPTY,
        // Three-channel schedule: as above, but every row up to the last one
        // in use moves.
        MOVE_UP_TO_LAST,
        // Relay tables: only times move; a moved period that would start
        // before its predecessor ends runs from there to midnight.
        MOVE_TIMES_CLIPPED,
    };
    MoveRule move = MOVE_UP_TO_EMPTY;
    UINT deleteQuestion = 0; // an end moved to 0:00
    UINT replaceQuestion = 0; // an end reaching the next row's end
    // The out-of-range message for a row (2 to 4) whose new end is not after
    // its start; 0 = no such check.
    UINT outOfRangeMessage = 0;
    // A refused change still marks the dialog modified.
    bool modifiedOnRefusal = true;
};

enum RowEventKind {
    ROW_CLEARED, // its controls go back to 0:00 / No Save and are disabled
    ROW_ENABLED, // it came into use and takes over the settings of the row before it
    ROW_MOVED, // the settings of row `from` moved to it
};
struct RowEvent {
    RowEventKind kind;
    int row;
    int from = -1;
    bool operator==(const RowEvent&) const = default;
};

enum EndChange {
    END_ACCEPTED, // the rows changed; the dialog is modified
    END_REFUSED, // the old end is back; nothing else changed
};

class CScheduleRows
{
public:
    // Starts and ends as a table stores them (86400 = midnight).
    void Load(const uint32_t start[SCHEDULE_ROWS], const uint32_t end[SCHEDULE_ROWS]);
    // Row 0 only, 0:00 to 0:00, rows 1 to 4 cleared.
    void Reset();

    uint32_t Start(int row) const { return m_start[row]; }
    uint32_t End(int row) const { return m_end[row]; }
    bool Enabled(int row) const { return m_enabled[row]; }
    // Index of the last row in use (0 to 4).
    int LastInUse() const { return m_last; }
    // The dialog's own edit of the last row's end (no rule applies).
    void SetLastEnd(uint32_t shown) { m_end[SCHEDULE_ROWS - 1] = shown % SECONDS_PER_DAY; }

    // The user moved the end of row 0 to 3 to `shown`. `ask` puts a Yes/No
    // question and gives true for Yes; `tell` shows a message.
    EndChange ChangeEnd(int row, uint32_t shown, const ScheduleRowRules& rules,
        const std::function<bool(UINT)>& ask, const std::function<void(UINT)>& tell,
        std::vector<RowEvent>* events);

    // The first row (1 to 4) whose end does not come after the end of the row
    // before it, checked pairwise until an end reads 0:00; -1 when in order.
    int FirstMisorderedRow() const;

    // The times as a table stores them: row 0 starts at 0; an end of 0:00
    // becomes 86400 and every later row is 0 to 0.
    void Collect(uint32_t start[SCHEDULE_ROWS], uint32_t end[SCHEDULE_ROWS]) const;

private:
    void Clear(int row, std::vector<RowEvent>* events);
    void ClearAfter(int row, std::vector<RowEvent>* events);
    void Enable(int row, std::vector<RowEvent>* events);
    void Replace(int row, uint32_t shown, const ScheduleRowRules& rules, std::vector<RowEvent>* events);
    void ReplaceTimes(int row, uint32_t shown, std::vector<RowEvent>* events);
    int LowestEndAtMidnight() const;

    uint32_t m_start[SCHEDULE_ROWS] = {};
    uint32_t m_end[SCHEDULE_ROWS] = {};
    bool m_enabled[SCHEDULE_ROWS] = { true };
    int m_last = 0;
};

// The message of a misordered row (1 to 4): "Time table2 ..." to "Time table5 ...".
UINT MisorderedRowMessage(int row);
