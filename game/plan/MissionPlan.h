// The mission as data: one row per state with where it leads, what it tells the player, what the
// automatic player aims at there and how the teacher's page calls it. The mission plays it and the
// automatic player follows it; what each state does is the mission's own (mission/MissionSteps.h).
#pragma once

#include <vector>

#include "plan/Goal.h"
#include "plan/MissionState.h"

struct MissionRow {
    mission::State state;
    const char* teacherName;  // where the student stands, in Portuguese (UTF-8), for the teacher's page
    mission::State next;               // where the state leads once its step is done
    mission::State back = {};          // where a wrong answer or a question left too long leads
    const wchar_t* message = nullptr;  // what the state tells the player in the message box
    const wchar_t* hint = nullptr;     // what a player who seems stuck is told
    Goal demo = {};                    // what the automatic player aims at
    int wrongOnPurpose = 0;  // answers the automatic player gets wrong here, to play the wrong-answer path
};

// The rows in the order of the story, the victory before the capture.
const std::vector<MissionRow>& missionPlan();
// The row of `state`, or null for a number that is no state: such a state does nothing.
const MissionRow* missionRow(int state);
