// Fixture of the monsters' tests: the player's world with the player himself, a pinned clock and a graph.
#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "player/Camera.h"
#include "support/PlayerWorld.h"
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

    // The generated level with its waypoint graph; false when the build has not generated it.
    bool loadGeneratedLevel()
    {
        const std::string dir = std::string(SATLINK_BUILD_DIR) + "/media/OrvendMap/";
        if (!std::ifstream(dir + "wayPoint.wpn"))
            return false;
        level.load3DSMap(dir.c_str());
        level.getNode()->updateAbsolutePosition();
        EXPECT_TRUE(level.loadGraph(dir.c_str()));
        return true;
    }

    PinnedTimer timer{10000};
    Graph graph;
    Map level;
    std::unique_ptr<Camera> player;
};
