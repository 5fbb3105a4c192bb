// The automatic player's plan of the mission: every place it goes to exists in the level's scenery
// list, and it answers wrong on purpose only where a question is answered.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "demo/MissionGoals.h"
#include "plan/MissionPlan.h"

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

}

using namespace mission;

TEST(MissionGoalsTest, EveryTargetStandsInTheLevelOrIsMadeByTheMission)
{
    std::set<std::string> names = sceneryNames();
    ASSERT_TRUE(names.count("Computador"));
    names.insert("tool4Antenna");  // left by a monster in state 81
    for (const MissionRow& row : missionPlan())
        for (const char* target : MissionGoals::forState(row.state).targets)
            EXPECT_TRUE(names.count(target)) << target << " in state " << row.state;
}

TEST(MissionGoalsTest, WhatEachKindOfStateAsks)
{
    const struct {
        int state;
        GoalKind kind;
        std::vector<std::string> targets;
    } cases[] = {
        {firstNinja, GoalKind::fight, {}},
        {firstTouch, GoalKind::touch, {"Computador"}},
        {findPendrive, GoalKind::collect, {"Arma", "Pendrive"}},
        {tuneAntenna, GoalKind::touch, {"Antena"}},
        {computerWrong, GoalKind::touch, {"Computador"}},
        {findSwitch, GoalKind::touch, {"InterruptorSala"}},
        {firstAnswer, GoalKind::wait, {}},
        {captured, GoalKind::wait, {}},
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
    int wrong = 0;
    for (const MissionRow& row : missionPlan()) {
        // A state that answers a question has a way back for a wrong answer.
        if (!row.back) {
            EXPECT_EQ(MissionGoals::wrongAnswers(row.state), 0) << row.state;
        }
        wrong += MissionGoals::wrongAnswers(row.state);
    }
    EXPECT_EQ(wrong, 7);
    // Once three times, so that the third answer passes whatever it is.
    EXPECT_EQ(MissionGoals::wrongAnswers(roomGAnswer), 3);
}
