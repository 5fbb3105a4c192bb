// Shared ground of the scenery, collectable and sign tests: the null device with the generated media,
// a log in a temporary folder, and stand-ins for the player and a monster.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/LogFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "world/Collidable.h"

// A body that only stands somewhere and takes part in the sweep; it records nothing.
class Body : public Collidable {
public:
    explicit Body(irr::scene::ISceneNode* node) : _node(node) {}
    void rcvMessage(int) override {}
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override {}

    void setRange(irr::f32 range) { _collisionRange = range; }

private:
    irr::scene::ISceneNode* _node;
};

class SceneryFixture : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Gexepath = SATLINK_BUILD_DIR;
        logPath = makeTempDir() + "/log.txt";
        GLog.setpath(logPath.c_str());
    }

    void TearDown() override
    {
        bodies.clear();
        EngineTest::TearDown();
    }

    // The player as the game registers him: through his camera, with range 75.
    Body* player(irr::core::vector3df at)
    {
        irr::scene::ICameraSceneNode* cam = GSmgr->addCameraSceneNode(nullptr, at);
        bodies.push_back(std::make_unique<Body>(cam));
        bodies.back()->setRange(75);
        bodies.back()->setSelectorFromCamera(cam);
        return bodies.back().get();
    }

    // A monster's body: any other registered object, range 100 as the monsters take.
    Body* monster(irr::core::vector3df at)
    {
        irr::scene::IMeshSceneNode* node = GSmgr->addCubeSceneNode(20, nullptr, -1, at);
        bodies.push_back(std::make_unique<Body>(node));
        bodies.back()->turnOnCollision(100, false, node);
        return bodies.back().get();
    }

    bool registered(Collidable* c) const
    {
        return std::find(Gcolisao.begin(), Gcolisao.end(), c) != Gcolisao.end();
    }

    // Makes new positions count for ray tests, as a drawn frame would.
    void settle() { GSmgr->getRootSceneNode()->OnAnimate(0); }

    std::string log() const { return readFile(logPath); }

    std::string logPath;
    std::vector<std::unique_ptr<Body>> bodies;
};
