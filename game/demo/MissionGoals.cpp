// The mission, state by state, as the automatic player plays it.
#include "demo/MissionGoals.h"

#include <map>

namespace {

const std::map<int, Goal>& goals()
{
    static const std::map<int, Goal> table = {
        {1, {GoalKind::fight, {}}},
        {2, {GoalKind::touch, {"Computador"}}},
        {10, {GoalKind::fight, {}}},
        {11, {GoalKind::fight, {}}},
        {20, {GoalKind::touch, {"Computador"}}},
        {30, {GoalKind::collect, {"Arma", "Pendrive"}}},
        {31, {GoalKind::fight, {}}},
        {40, {GoalKind::fight, {}}},
        {41, {GoalKind::touch, {"Computador"}}},
        {60, {GoalKind::fight, {}}},
        {61, {GoalKind::fight, {}}},
        {80, {GoalKind::fight, {}}},
        {81, {GoalKind::fight, {}}},
        {92, {GoalKind::collect, {"tool4Antenna"}}},
        {100, {GoalKind::touch, {"Antena"}}},
        {104, {GoalKind::touch, {"Computador"}}},
        {110, {GoalKind::touch, {"Computador"}}},
        {150, {GoalKind::touch, {"InterruptorSala"}}},
        {160, {GoalKind::collect, {"Certificado"}}},
        {180, {GoalKind::touch, {"Computador"}}},
    };
    return table;
}

// Once wrong at a few stages, one that asks again at once and one that wants the computer touched
// again among them; three times wrong before room G opens, where the third answer passes all the same.
const std::map<int, int>& wrongOnPurpose()
{
    static const std::map<int, int> table = {{4, 1}, {21, 1}, {53, 1}, {71, 3}, {140, 1}};
    return table;
}

}

Goal MissionGoals::forState(int state)
{
    auto found = goals().find(state);
    return found == goals().end() ? Goal{} : found->second;
}

int MissionGoals::wrongAnswers(int state)
{
    auto found = wrongOnPurpose().find(state);
    return found == wrongOnPurpose().end() ? 0 : found->second;
}
