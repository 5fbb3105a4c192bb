#include "mission/hintText.h"

#include "mission/MissionTable.h"

const wchar_t* hintText(int state)
{
    const MissionRow* row = missionRow(state);
    return row ? row->hint : nullptr;
}
