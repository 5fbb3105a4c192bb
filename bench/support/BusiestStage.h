// The mission's busiest monster stage: a spider and a ninja in room G, both after the player.
#pragma once

#include <memory>
#include <vector>

#include "ai/Brain1.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"

inline std::vector<std::unique_ptr<NPC>> busiestStage()
{
    std::vector<std::unique_ptr<NPC>> monsters;
    monsters.push_back(std::make_unique<Spider>(new Brain1()));
    monsters.back()->setName("NinjaEestado8a");
    monsters.back()->getNode()->setPosition({711, 3, -245});
    monsters.push_back(std::make_unique<Ninja>(new Brain1()));
    monsters.back()->setName("NinjaEestado8b");
    monsters.back()->getNode()->setPosition({900, 3, -400});
    return monsters;
}
