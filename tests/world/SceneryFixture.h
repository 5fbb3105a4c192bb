// Shared ground of the world object tests: the null device with the generated media, a log in a
// temporary folder, and bodies standing in for the player and a monster.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/LogFile.h"
#include "shell/mediaFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "world/Collidable.h"

class Body : public Collidable {
public:
    Body(irr::scene::ISceneNode* node, irr::f32 range) : _node(node) { _collisionRange = range; }
    void rcvMessage(int) override {}
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override {}

private:
    irr::scene::ISceneNode* _node;
};

class SceneryFixture : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Gexepath = SATLINK_BUILD_DIR;
        GLog.setpath((makeTempDir() + "/log.txt").c_str());
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
        bodies.push_back(std::make_unique<Body>(cam, 75));
        bodies.back()->setSelectorFromCamera(cam);
        return bodies.back().get();
    }

    // Any other registered body, with the monsters' range of 100.
    Body* monster(irr::core::vector3df at)
    {
        irr::scene::IMeshSceneNode* node = GSmgr->addCubeSceneNode(20, nullptr, -1, at);
        bodies.push_back(std::make_unique<Body>(node, 100));
        bodies.back()->turnOnCollision(100, false, node);
        return bodies.back().get();
    }

    static bool registered(Collidable* c) { return std::count(Gcolisao.begin(), Gcolisao.end(), c) == 1; }

    // Makes new positions count for ray tests, as a drawn frame would.
    void settle() { GSmgr->getRootSceneNode()->OnAnimate(0); }

    // The first object a ray along Z at `at` meets, as the hand and the weapons ask.
    static Collidable* pointedAt(irr::core::vector3df at)
    {
        irr::core::vector3df hit;
        irr::core::triangle3df triangle;
        const irr::core::line3df ray(at - irr::core::vector3df(0, 0, 500), at + irr::core::vector3df(0, 0, 500));
        return getFirstCollision(ray, &hit, &triangle);
    }

    // Runs `make` in a child process that has no console input; what it printed before it ended.
    std::string consoleOfFatalEnd(const std::function<void()>& make)
    {
        const std::string console = makeTempDir() + "/console.txt";
        EXPECT_EXIT(
            {
                std::freopen("/dev/null", "r", stdin);
                std::freopen(console.c_str(), "w", stdout);
                make();
            },
            ::testing::ExitedWithCode(1), "");
        return readFile(console);
    }

    std::vector<std::unique_ptr<Body>> bodies;
};
