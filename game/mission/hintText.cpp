#include "mission/hintText.h"

#include "plan/MissionPlan.h"

const wchar_t* hintText(int state)
{
    const MissionRow* row = missionRow(state);
    return row ? row->hint : nullptr;
}
