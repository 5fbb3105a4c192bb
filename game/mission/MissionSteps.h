// What each state of the mission does: the member of Story that waits for the state's event, acts once
// and moves on to the row's next (plan/MissionPlan.h).
#pragma once

#include "plan/MissionPlan.h"

class Story;
// What a state waits for and does, once a frame.
using MissionStep = void (Story::*)(const MissionRow&);

// The step of `state`, or null for a number that is no state: such a state does nothing.
MissionStep missionStep(int state);
