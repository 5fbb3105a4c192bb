// Fixture of the monsters' tests: the player's world with the player himself, a pinned clock and a graph.
#pragma once

#include <memory>

#include "player/Camera.h"
#include "player/PlayerWorld.h"
#include "support/PinnedTimer.h"
#include "world/Graph.h"
#include "world/Map.h"

class MonsterWorld : public PlayerWorld {
protected:
    void SetUp() override
    {
        PlayerWorld::SetUp();
        GTimer = &timer;
        GGraph = &graph;
        GcurrentMap = &level;
        player = std::make_unique<Camera>();
        GmainCamera = player.get();
    }
    void TearDown() override
    {
        player.reset();
        PlayerWorld::TearDown();
    }

    // Puts the player's eye at `eye` and lets the scene catch up.
    void playerAt(const irr::core::vector3df& eye)
    {
        player->getNode()->setPosition(eye);
        settle();
    }

    PinnedTimer timer{10000};
    Graph graph;
    Map level;
    std::unique_ptr<Camera> player;
};
