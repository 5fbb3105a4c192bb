// Fixture of the player's tests: the null device with the generated media, a log, and targets to shoot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/EngineTest.h"
#include "world/Collidable.h"

// A registered box that records the hits and the messages it receives.
class Target : public Collidable {
public:
    Target(irr::core::vector3df at, float size);
    ~Target() override { _node->remove(); }
    void rcvMessage(int id) override { messages.push_back(id); }
    void gotShoot(int dmg, irr::core::vector3df, irr::core::vector3df) override { hits.push_back(dmg); }
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override {}

    std::vector<int> hits;
    std::vector<int> messages;

private:
    irr::scene::IMeshSceneNode* _node;
};

class PlayerWorld : public EngineTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A box of `size` whose near face, seen from the origin along +Z, stands `distance` away. It stands a
    // little off the axis: a ray along a face's diagonal may slip between its two triangles.
    Target* targetAhead(float distance, float size = 10);
    // A plain holder at `at`, looking along +Z: the node a player or a monster carries weapons on.
    irr::scene::ISceneNode* holder(irr::core::vector3df at = irr::core::vector3df(0, 0, 0));
    // An unregistered wall across the Z axis at `z`, which stops rays as the level's walls do.
    void wallAt(float z);
    // Makes new positions count for the ray test, as a drawn frame would.
    void settle();
    std::string log();

    std::vector<std::unique_ptr<Target>> targets;
    std::string logPath;
};
