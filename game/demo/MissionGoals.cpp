// The mission, state by state, as the automatic player plays it: the mission table's own column.
#include "demo/MissionGoals.h"

#include "mission/MissionTable.h"

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
