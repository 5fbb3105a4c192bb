// The player's test world: generated media, a log of its own, targets and walls on the null device.
#include "support/PlayerWorld.h"

#include "platform/LogFile.h"
#include "shell/mediaFile.h"
#include "support/ReadFile.h"

Target::Target(irr::core::vector3df at, float size)
{
    _node = GSmgr->addCubeSceneNode(size, nullptr, -1, at);
    turnOnCollision(size, false, _node);
}

void PlayerWorld::SetUp()
{
    EngineTest::SetUp();
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
    logPath = makeTempDir() + "/log.txt";
    GLog.setpath(logPath.c_str());
}

void PlayerWorld::TearDown()
{
    targets.clear();
    EngineTest::TearDown();
}

Target* PlayerWorld::targetAhead(float distance, float size)
{
    targets.push_back(std::make_unique<Target>(irr::core::vector3df(1.5f, 1, distance + size / 2), size));
    return targets.back().get();
}

irr::scene::ISceneNode* PlayerWorld::holder(irr::core::vector3df at)
{
    irr::scene::ISceneNode* node = GSmgr->addEmptySceneNode(nullptr, -1);
    node->setPosition(at);
    return node;
}

void PlayerWorld::wallAt(float z)
{
    irr::scene::IMeshSceneNode* wall = GSmgr->addCubeSceneNode(1, nullptr, -1, irr::core::vector3df(0, 0, z));
    wall->setScale(irr::core::vector3df(400, 400, 1));
    irr::scene::ITriangleSelector* selector = GSmgr->createTriangleSelectorFromBoundingBox(wall);
    wall->setTriangleSelector(selector);
    selector->drop();
}

void PlayerWorld::settle()
{
    GSmgr->getRootSceneNode()->OnAnimate(GTimer->getTime());
}

std::string PlayerWorld::log()
{
    return readFile(logPath);
}
