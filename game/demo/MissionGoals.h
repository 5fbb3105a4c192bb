// What the automatic player does in each state of the mission: where to go and what to do there, and
// which questions it answers wrong on purpose so that the wrong-answer path is played too.
#pragma once

#include "plan/Goal.h"

class MissionGoals {
public:
    static Goal forState(int state);
    // How many answers to give wrong at the question answered in this state before the right one.
    static int wrongAnswers(int state);
};
