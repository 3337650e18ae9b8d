// The day-plan time rules: a table of end-time edits with the rows they leave,
// for the camera schedule, the three-channel schedule and the relay tables.
#include "dialogs/ScheduleRows.h"
#include "dialogs/FrameRates.h"
#include "resources/setup/Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr uint32_t H(int hours, int minutes = 0)
{
    return uint32_t(hours * 3600 + minutes * 60);
}

const ScheduleRowRules kCamera { ScheduleRowRules::MOVE_UP_TO_EMPTY, IDS_DELETE_SCHEDULE,
    IDS_REPLACE_SCHEDULE, 0, true };
const ScheduleRowRules kThreeChannel { ScheduleRowRules::MOVE_UP_TO_LAST, IDS_DELETE_SCHEDULE2,
    IDS_AMEND_SCHEDULE, IDS_TIME_OUT_OF_RANGE, false };
const ScheduleRowRules kRelay { ScheduleRowRules::MOVE_TIMES_CLIPPED, IDS_DELETE_SCHEDULE,
    IDS_REPLACE_SCHEDULE, 0, true };

struct Plan {
    uint32_t start[SCHEDULE_ROWS];
    uint32_t end[SCHEDULE_ROWS];
};

// Rows 0:00-6:00, 6:00-12:00, 12:00-18:00, 18:00-midnight.
const Plan kQuarters { { 0, H(6), H(12), H(18), 0 }, { H(6), H(12), H(18), 86400, 0 } };
// Five rows: 0-6, 6-12, 12-15, 15-18, 18-midnight.
const Plan kFive { { 0, H(6), H(12), H(15), H(18) }, { H(6), H(12), H(15), H(18), 86400 } };
const Plan kWholeDay { { 0, 0, 0, 0, 0 }, { 86400, 0, 0, 0, 0 } };

struct EditCase {
    const char* name;
    const ScheduleRowRules* rules;
    Plan before;
    int row;
    uint32_t newEnd; // as the picker shows it (0 = 0:00)
    bool answerYes;
    EndChange outcome;
    std::vector<UINT> asked; // questions and messages, in order
    Plan after; // as collected at OK
    int lastInUse;
    std::vector<RowEvent> events;
};

// clang-format off
const EditCase kEdits[] = {
    { "camera: a whole day split at 8:00 opens row 2, which inherits row 1",
        &kCamera, kWholeDay, 0, H(8), true, END_ACCEPTED, {},
        { { 0, H(8), 0, 0, 0 }, { H(8), 86400, 0, 0, 0 } }, 1, { { ROW_ENABLED, 1, 0 } } },
    { "camera: an end moved earlier moves the next start along",
        &kCamera, kQuarters, 1, H(10), true, END_ACCEPTED, {},
        { { 0, H(6), H(10), H(18), 0 }, { H(6), H(10), H(18), 86400, 0 } }, 3, {} },
    { "camera: 0:00 and Yes ends the day there",
        &kCamera, kQuarters, 1, 0, true, END_ACCEPTED, { IDS_DELETE_SCHEDULE },
        { { 0, H(6), 0, 0, 0 }, { H(6), 86400, 0, 0, 0 } }, 1,
        { { ROW_CLEARED, 2 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "camera: 0:00 and No puts the old end back",
        &kCamera, kQuarters, 1, 0, false, END_REFUSED, { IDS_DELETE_SCHEDULE },
        kQuarters, 3, {} },
    { "camera: an end equal to a later end removes the covered rows",
        &kCamera, kQuarters, 0, H(12), true, END_ACCEPTED, { IDS_REPLACE_SCHEDULE },
        { { 0, H(12), H(18), 0, 0 }, { H(12), H(18), 86400, 0, 0 } }, 2,
        { { ROW_MOVED, 1, 2 }, { ROW_MOVED, 2, 3 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "camera: an end inside a later row moves that row up from the new end",
        &kCamera, kQuarters, 0, H(14), true, END_ACCEPTED, { IDS_REPLACE_SCHEDULE },
        { { 0, H(14), H(18), 0, 0 }, { H(14), H(18), 86400, 0, 0 } }, 2,
        { { ROW_MOVED, 1, 2 }, { ROW_MOVED, 2, 3 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "camera: row 2 past rows 3 and 4 makes row 5 the third row",
        &kCamera, kFive, 1, H(19), true, END_ACCEPTED, { IDS_REPLACE_SCHEDULE },
        { { 0, H(6), H(19), 0, 0 }, { H(6), H(19), 86400, 0, 0 } }, 2,
        { { ROW_MOVED, 2, 4 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "camera: No to replacing keeps every row",
        &kCamera, kQuarters, 0, H(14), false, END_REFUSED, { IDS_REPLACE_SCHEDULE },
        kQuarters, 3, {} },
    { "three-channel: an end at or before the row's start is out of range",
        &kThreeChannel, kQuarters, 2, H(11), true, END_REFUSED, { IDS_TIME_OUT_OF_RANGE },
        kQuarters, 3, {} },
    { "three-channel: amending moves every row up to the last in use",
        &kThreeChannel, kFive, 0, H(12), true, END_ACCEPTED, { IDS_AMEND_SCHEDULE },
        { { 0, H(12), H(15), H(18), 0 }, { H(12), H(15), H(18), 86400, 0 } }, 3,
        { { ROW_MOVED, 1, 2 }, { ROW_MOVED, 2, 3 }, { ROW_MOVED, 3, 4 }, { ROW_CLEARED, 4 } } },
    { "relay: an end equal to a later end drops the periods it covers",
        &kRelay, kQuarters, 0, H(12), true, END_ACCEPTED, { IDS_REPLACE_SCHEDULE },
        { { 0, H(12), H(18), 0, 0 }, { H(12), H(18), 86400, 0, 0 } }, 2,
        { { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "relay: an end inside a later period runs the next period to midnight",
        &kRelay, kQuarters, 0, H(14), true, END_ACCEPTED, { IDS_REPLACE_SCHEDULE },
        { { 0, H(14), 0, 0, 0 }, { H(14), 86400, 0, 0, 0 } }, 1,
        { { ROW_CLEARED, 2 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
    { "relay: a period out of use comes back from the new end to midnight",
        &kRelay, { { 0, H(6), 0, 0, 0 }, { H(6), 86400, 0, 0, 0 } }, 1, H(20), true, END_ACCEPTED, {},
        { { 0, H(6), H(20), 0, 0 }, { H(6), H(20), 86400, 0, 0 } }, 2, { { ROW_ENABLED, 2, 1 } } },
    { "relay: 0:00 asks even when no later period is in use",
        &kRelay, kWholeDay, 0, 0, true, END_ACCEPTED, { IDS_DELETE_SCHEDULE },
        kWholeDay, 0, { { ROW_CLEARED, 1 }, { ROW_CLEARED, 2 }, { ROW_CLEARED, 3 }, { ROW_CLEARED, 4 } } },
};
// clang-format on

class EndEdit : public ::testing::TestWithParam<EditCase>
{
};

TEST_P(EndEdit, LeavesTheRows)
{
    const EditCase& c = GetParam();
    CScheduleRows rows;
    rows.Load(c.before.start, c.before.end);
    std::vector<UINT> asked;
    std::vector<RowEvent> events;
    const EndChange outcome = rows.ChangeEnd(
        c.row, c.newEnd, *c.rules,
        [&](UINT id) {
            asked.push_back(id);
            return c.answerYes;
        },
        [&](UINT id) { asked.push_back(id); }, &events);
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(rows.LastInUse(), c.lastInUse);
    EXPECT_EQ(events, c.events);
    Plan after {};
    rows.Collect(after.start, after.end);
    for (int r = 0; r < SCHEDULE_ROWS; ++r) {
        EXPECT_EQ(after.start[r], c.after.start[r]) << "start of row " << r + 1;
        EXPECT_EQ(after.end[r], c.after.end[r]) << "end of row " << r + 1;
    }
}

std::string CaseName(const ::testing::TestParamInfo<EditCase>& info)
{
    std::string name;
    for (const char* p = info.param.name; *p && *p != ':'; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Rows, EndEdit, ::testing::ValuesIn(kEdits), CaseName);

TEST(ScheduleRows, LoadingOpensTheRowAfterEveryEndBeforeMidnight)
{
    CScheduleRows rows;
    rows.Load(kQuarters.start, kQuarters.end);
    EXPECT_TRUE(rows.Enabled(0) && rows.Enabled(1) && rows.Enabled(2) && rows.Enabled(3));
    EXPECT_FALSE(rows.Enabled(4));
    EXPECT_EQ(rows.End(3), 0u) << "86400 reads 0:00";

    rows.Reset();
    EXPECT_TRUE(rows.Enabled(0));
    EXPECT_FALSE(rows.Enabled(1));
    Plan collected {};
    rows.Collect(collected.start, collected.end);
    EXPECT_EQ(collected.end[0], 86400u) << "an empty plan is one row over the whole day";
}

TEST(ScheduleRows, EveryPairOfEndsIsCheckedTheFifthIncluded)
{
    CScheduleRows rows;
    Plan plan = kFive;
    EXPECT_EQ((rows.Load(plan.start, plan.end), rows.FirstMisorderedRow()), -1);
    plan.end[1] = H(5);
    EXPECT_EQ((rows.Load(plan.start, plan.end), rows.FirstMisorderedRow()), 1);
    plan = kFive;
    plan.end[4] = H(17);
    rows.Load(plan.start, plan.end);
    EXPECT_EQ(rows.FirstMisorderedRow(), 4);
    EXPECT_EQ(MisorderedRowMessage(4), UINT(IDS_TIME_TABLE5_INVALID));
    // Checking stops at the first end that reads 0:00.
    EXPECT_EQ((rows.Load(kQuarters.start, kQuarters.end), rows.FirstMisorderedRow()), -1);
}

TEST(FrameRates, CodesAndPositions)
{
    EXPECT_EQ(RateCode(RATES_DAY, 0, true), 0x1E000000u);
    EXPECT_EQ(RateCode(RATES_DAY, 0, false), 0x19000000u);
    EXPECT_EQ(RateCode(RATES_DAY, 4, true), 0x02000000u) << "the day list has no 3 f/s";
    EXPECT_EQ(RateCode(RATES_MODE, 4, true), 0x03000000u);
    EXPECT_EQ(RateCode(RATES_DAY, NoSaveIndex(RATES_DAY), true), 0u);
    EXPECT_EQ(NoSaveIndex(RATES_DAY), 14);
    EXPECT_EQ(NoSaveIndex(RATES_MODE), 15);
    EXPECT_EQ(RateIndex(RATES_DAY, 0x00088888, true), 9);
    EXPECT_EQ(RateIndex(RATES_MODE, 0x00088888, true), 10);
    EXPECT_EQ(RateIndex(RATES_DAY, 0x19000000, true), 0) << "a code in neither place reads as the first";
    EXPECT_EQ(RateIndex(RATES_DAY, 0x12345678, false), 0);
    EXPECT_EQ(RateCode(RATES_DAY, 15, true), 0u);
    EXPECT_EQ(ClampResolution(9), 4);
    EXPECT_EQ(ClampQuality(-1), 0);
    EXPECT_EQ(ClampQuality(200), 9);
}

} // namespace
