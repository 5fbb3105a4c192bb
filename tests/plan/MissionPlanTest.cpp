// The mission plan holds together: every way out of a state leads to a state of the plan, and the
// teacher's page tells each state by a name of its own.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "plan/MissionPlan.h"

TEST(MissionPlan, EveryWayLeadsToARowAndEachRowHasItsOwnNameForTheTeacher)
{
    std::set<int> states;
    std::set<std::string> names;
    for (const MissionRow& row : missionPlan()) {
        EXPECT_TRUE(states.insert(row.state).second) << row.state;
        EXPECT_TRUE(names.insert(row.teacherName).second) << row.teacherName;
    }
    for (const MissionRow& row : missionPlan()) {
        EXPECT_TRUE(states.count(row.next)) << row.state;
        EXPECT_TRUE(row.back == 0 || states.count(row.back)) << row.state;
    }
    EXPECT_FALSE(names.count(""));
    EXPECT_EQ(missionRow(5), nullptr);
}
