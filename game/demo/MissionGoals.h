// What the automatic player does in each state of the mission: where to go and what to do there, and
// which questions it answers wrong on purpose so that the wrong-answer path is played too.
#pragma once

#include <vector>

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

class MissionGoals {
public:
    static Goal forState(int state);
    // How many answers to give wrong at the question answered in this state before the right one.
    static int wrongAnswers(int state);
};
