#include "dialogs/ScheduleRows.h"

#include "resources/setup/Resource.h"

namespace
{

uint32_t Shown(uint32_t seconds)
{
    // Midnight at the end of the day reads 0:00; a value past the day has
    // no meaning on a picker and reads 0:00 too.
    return seconds >= SECONDS_PER_DAY ? 0 : seconds;
}

} // namespace

void CScheduleRows::Load(const uint32_t start[SCHEDULE_ROWS], const uint32_t end[SCHEDULE_ROWS])
{
    for (int r = 0; r < SCHEDULE_ROWS; ++r) {
        m_start[r] = Shown(start[r]);
        m_end[r] = Shown(end[r]);
        m_enabled[r] = r == 0;
    }
    // A row is open for editing when the row before it ends before midnight.
    for (int r = 0; r + 1 < SCHEDULE_ROWS; ++r) {
        if (m_end[r] != 0)
            m_enabled[r + 1] = true;
    }
    m_last = LowestEndAtMidnight();
}

void CScheduleRows::Reset()
{
    const uint32_t zero[SCHEDULE_ROWS] = {};
    Load(zero, zero);
}

int CScheduleRows::LowestEndAtMidnight() const
{
    for (int r = 0; r + 1 < SCHEDULE_ROWS; ++r) {
        if (m_end[r] == 0)
            return r;
    }
    return SCHEDULE_ROWS - 1;
}

void CScheduleRows::Clear(int row, std::vector<RowEvent>* events)
{
    m_start[row] = m_end[row] = 0;
    m_enabled[row] = false;
    events->push_back({ ROW_CLEARED, row });
}

void CScheduleRows::ClearAfter(int row, std::vector<RowEvent>* events)
{
    for (int r = row + 1; r < SCHEDULE_ROWS; ++r)
        Clear(r, events);
}

void CScheduleRows::Enable(int row, std::vector<RowEvent>* events)
{
    m_enabled[row] = true;
    events->push_back({ ROW_ENABLED, row, row - 1 });
}

EndChange CScheduleRows::ChangeEnd(int row, uint32_t shown, const ScheduleRowRules& rules,
    const std::function<bool(UINT)>& ask, const std::function<void(UINT)>& tell,
    std::vector<RowEvent>* events)
{
    if (row < 0 || row + 1 >= SCHEDULE_ROWS)
        return END_REFUSED;
    shown = Shown(shown);
    const int next = row + 1;
    // A refused change puts back the end the next row starts at.
    auto refuse = [&] {
        m_end[row] = m_start[next];
        return END_REFUSED;
    };

    if (shown == 0) {
        if (!ask(rules.deleteQuestion))
            return refuse();
        m_end[row] = 0;
        m_last = row;
        ClearAfter(row, events);
        return END_ACCEPTED;
    }
    if (rules.outOfRangeMessage && row >= 1 && m_start[row] >= shown) {
        tell(rules.outOfRangeMessage);
        return refuse();
    }
    const uint32_t nextEnd = m_end[next];
    if (shown < nextEnd || nextEnd == 0) {
        m_end[row] = shown;
        if (m_last == row)
            m_last = next;
        m_start[next] = shown;
        if (!m_enabled[next])
            Enable(next, events);
        return END_ACCEPTED;
    }
    if (!ask(rules.replaceQuestion))
        return refuse();
    m_end[row] = shown;
    if (rules.move == ScheduleRowRules::MOVE_TIMES_CLIPPED)
        ReplaceTimes(row, shown, events);
    else
        Replace(row, shown, rules, events);
    return END_ACCEPTED;
}

void CScheduleRows::Replace(
    int row, uint32_t shown, const ScheduleRowRules& rules, std::vector<RowEvent>* events)
{
    // The first later row that the new end does not cover whole.
    int found = SCHEDULE_ROWS - 1;
    for (int r = row + 1; r < SCHEDULE_ROWS; ++r) {
        if (m_end[r] == 0 || m_end[r] >= shown) {
            found = r;
            break;
        }
    }
    const bool exact = m_end[found] == shown;
    int from = exact ? found + 1 : found;
    int to = row + 1;
    int lastWritten = row;
    const int lastSource = rules.move == ScheduleRowRules::MOVE_UP_TO_LAST ? m_last : SCHEDULE_ROWS - 1;
    for (; from <= lastSource && from < SCHEDULE_ROWS; ++from, ++to) {
        if (rules.move == ScheduleRowRules::MOVE_UP_TO_EMPTY && m_start[from] == 0)
            break;
        m_start[to] = m_start[from];
        m_end[to] = m_end[from];
        m_enabled[to] = true;
        events->push_back({ ROW_MOVED, to, from });
        lastWritten = to;
    }
    if (!exact && lastWritten > row)
        m_start[row + 1] = shown;
    m_last = lastWritten;
    ClearAfter(lastWritten, events);
}

void CScheduleRows::ReplaceTimes(int row, uint32_t shown, std::vector<RowEvent>* events)
{
    int found = SCHEDULE_ROWS - 1;
    bool exact = false;
    for (int r = row + 1; r < SCHEDULE_ROWS; ++r) {
        found = r;
        if (m_end[r] == 0)
            break;
        if (shown == m_end[r]) {
            exact = true;
            break;
        }
        if (shown < m_end[r])
            break;
    }
    int to = row + 1;
    for (int from = exact ? found + 1 : found; from <= m_last; ++from, ++to) {
        if (m_start[from] == 0)
            break;
        uint32_t start = m_start[from];
        uint32_t end = m_end[from];
        // A period may not start before its predecessor ends: it then runs
        // from there to midnight.
        const uint32_t previousEnd = m_end[to - 1];
        if (previousEnd == 0 || previousEnd > start) {
            start = previousEnd;
            end = 0;
        }
        m_start[to] = start;
        m_end[to] = end;
    }
    if (!exact)
        m_start[row + 1] = shown;
    m_last = LowestEndAtMidnight();
    ClearAfter(m_last, events);
}

int CScheduleRows::FirstMisorderedRow() const
{
    for (int r = 0; r + 1 < SCHEDULE_ROWS; ++r) {
        if (m_end[r] == 0 || m_end[r + 1] == 0)
            return -1;
        if (m_end[r] >= m_end[r + 1])
            return r + 1;
    }
    return -1;
}

void CScheduleRows::Collect(uint32_t start[SCHEDULE_ROWS], uint32_t end[SCHEDULE_ROWS]) const
{
    bool dayComplete = false;
    for (int r = 0; r < SCHEDULE_ROWS; ++r) {
        if (dayComplete) {
            start[r] = end[r] = 0;
            continue;
        }
        start[r] = r == 0 ? 0 : m_start[r];
        end[r] = m_end[r];
        if (end[r] == 0) {
            end[r] = SECONDS_PER_DAY;
            dayComplete = true;
        }
    }
}

UINT MisorderedRowMessage(int row)
{
    switch (row) {
    case 1:
        return IDS_TIME_TABLE2_INVALID;
    case 2:
        return IDS_TIME_TABLE3_INVALID;
    case 3:
        return IDS_TIME_TABLE4_INVALID;
    default:
        return IDS_TIME_TABLE5_INVALID;
    }
}
