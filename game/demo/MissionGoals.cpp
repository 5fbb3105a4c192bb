// The mission, state by state, as the automatic player plays it: the plan's own column.
#include "demo/MissionGoals.h"

#include "plan/MissionPlan.h"

Goal MissionGoals::forState(int state)
{
    const MissionRow* row = missionRow(state);
    return row ? row->demo : Goal{};
}

int MissionGoals::wrongAnswers(int state)
{
    const MissionRow* row = missionRow(state);
    return row ? row->wrongOnPurpose : 0;
}
