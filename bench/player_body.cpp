// How often rays meet the player from the start position: monster strikes at his body and his own shots,
// with his person-sized body box and with a selector on the camera's own box. Prints the counts.
#include <cmath>
#include <cstdio>

#include "mission/Story.h"
#include "player/Camera.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/NullDevice.h"
#include "world/Collidable.h"
#include "world/Graph.h"

namespace {

void startEngine()
{
    openNullDevice();
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
}

void settle()
{
    for (int frame = 0; frame < 60; ++frame)
        GSmgr->getRootSceneNode()->OnAnimate(GTimer->getTime() + 20 * frame);
}

// 16 directions around him, 12 heights from his knees to his eye: a sword's 110 units aimed at his axis.
int strikesOnPlayer()
{
    const irr::core::vector3df eye = GmainCamera->getNode()->getAbsolutePosition();
    int hits = 0;
    for (int d = 0; d < 16; ++d)
        for (int h = 0; h < 12; ++h) {
            const float angle = d * 2 * 3.14159265f / 16;
            const irr::core::vector3df dir(std::sin(angle), 0, std::cos(angle));
            const irr::core::vector3df start = eye + dir * 60 + irr::core::vector3df(0, -70.0f + 6 * h, 0);
            irr::core::vector3df point;
            irr::core::triangle3df triangle;
            if (getFirstCollision(irr::core::line3df(start, start - dir * 110), &point, &triangle) ==
                GmainCamera)
                ++hits;
        }
    return hits;
}

// 24 directions, level and 20 degrees down: the sniper's ray from his eye.
int ownShotsOnPlayer(irr::scene::ISceneNode* hide)
{
    const irr::core::vector3df eye = GmainCamera->getNode()->getAbsolutePosition();
    int stopped = 0;
    for (int d = 0; d < 24; ++d) {
        irr::core::vector3df dir(0, 0, 530);
        dir.rotateXZBy(d * 15.0);
        if (d % 2)
            dir.Y = -190;
        irr::core::vector3df point;
        irr::core::triangle3df triangle;
        if (hide)
            hide->setVisible(false);
        if (getFirstCollision(irr::core::line3df(eye, eye + dir), &point, &triangle) == GmainCamera)
            ++stopped;
        if (hide)
            hide->setVisible(true);
    }
    return stopped;
}

}

int main()
{
    startEngine();
    GmainCamera = new Camera();
    GGraph = new Graph();
    GSmgr->getActiveCamera()->setInputReceiverEnabled(false);
    (new Story())->start();
    settle();
    std::printf("body box:   %d of 192 strikes reach the player, %d of 24 own shots stop on him\n",
                strikesOnPlayer(), ownShotsOnPlayer(GmainCamera->getBody()));

    GmainCamera->getBody()->setVisible(false);
    irr::scene::ICameraSceneNode* camera = GSmgr->getActiveCamera();
    irr::scene::ITriangleSelector* box = GSmgr->createTriangleSelectorFromBoundingBox(camera);
    camera->setTriangleSelector(box);
    box->drop();
    std::printf("camera box: %d of 192 strikes reach the player, %d of 24 own shots stop on him\n",
                strikesOnPlayer(), ownShotsOnPlayer(nullptr));
    closeNullDevice();
    return 0;
}
