// What the automatic player aims at in a state of the mission.
#pragma once

#include <vector>

// What the automatic player does in a state.
enum class GoalKind {
    wait,     // nothing to do but read, answer and fight what comes
    fight,    // hunt the monsters down
    touch,    // go to a scenery object and use it with the empty hand
    collect,  // walk over the collectables, in order, that are not held yet
};

struct Goal {
    GoalKind kind = GoalKind::wait;
    std::vector<const char*> targets;
};
