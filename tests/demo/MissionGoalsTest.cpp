// The automatic player's plan of the mission: every place it goes to exists in the level's scenery
// list, and it answers wrong on purpose only where a question is answered.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "demo/MissionGoals.h"

namespace {

// The names of the scenery list the build made, without the scenery objects' '*' and shape suffix.
std::set<std::string> sceneryNames()
{
    std::ifstream in(SATLINK_BUILD_DIR "/media/lista.txt");
    std::set<std::string> names;
    std::string line;
    int row = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (row++ % 6 == 0)
            names.insert(line.substr(line[0] == '*', line.find('*', 1) - (line[0] == '*')));
    }
    return names;
}

const int states[] = {1,   2,   3,   4,   10,  11,  20,  21,  22,  30,  31,  40,  41,  42,  43,  50,
                      51,  52,  53,  60,  61,  70,  71,  80,  81,  90,  91,  92,  100, 101, 102, 103,
                      104, 105, 110, 120, 121, 130, 140, 150, 160, 170, 180, 190, 200, 210, 999};

}

TEST(MissionGoalsTest, EveryTargetStandsInTheLevelOrIsMadeByTheMission)
{
    std::set<std::string> names = sceneryNames();
    ASSERT_TRUE(names.count("Computador"));
    names.insert("tool4Antenna");  // left by a monster in state 81
    for (int state : states)
        for (const char* target : MissionGoals::forState(state).targets)
            EXPECT_TRUE(names.count(target)) << target << " in state " << state;
}

TEST(MissionGoalsTest, WhatEachKindOfStateAsks)
{
    const struct {
        int state;
        GoalKind kind;
        std::vector<std::string> targets;
    } cases[] = {
        {1, GoalKind::fight, {}},
        {2, GoalKind::touch, {"Computador"}},
        {30, GoalKind::collect, {"Arma", "Pendrive"}},
        {100, GoalKind::touch, {"Antena"}},
        {110, GoalKind::touch, {"Computador"}},
        {150, GoalKind::touch, {"InterruptorSala"}},
        {4, GoalKind::wait, {}},
        {999, GoalKind::wait, {}},
        {12345, GoalKind::wait, {}},
    };
    for (const auto& c : cases) {
        const Goal goal = MissionGoals::forState(c.state);
        EXPECT_EQ(goal.kind, c.kind) << c.state;
        EXPECT_EQ(std::vector<std::string>(goal.targets.begin(), goal.targets.end()), c.targets) << c.state;
    }
}

TEST(MissionGoalsTest, WrongOnPurposeOnlyWhereAQuestionIsAnswered)
{
    const std::set<int> answering = {4, 21, 51, 53, 71, 105, 140, 190};
    int wrong = 0;
    for (int state : states) {
        if (!answering.count(state)) {
            EXPECT_EQ(MissionGoals::wrongAnswers(state), 0) << state;
        }
        wrong += MissionGoals::wrongAnswers(state);
    }
    EXPECT_EQ(wrong, 7);
    // Once three times, so that the third answer passes whatever it is.
    EXPECT_EQ(MissionGoals::wrongAnswers(71), 3);
}
