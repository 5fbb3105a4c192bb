// The game as the mission builds it, in test mode (no quiz server), and its busiest monster stage.
#pragma once

#include "mission/Story.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "world/GenericObj.h"

// The mission started: its first step sends the first ninja after the player at his start.
inline void startMission()
{
    GcheatTests = true;
    GStory = new Story();
    GStory->start();
    GmainCamera->setLife(1e9f);
}

// Room G about to open: the doors opened before it are gone, the player stands in the east hall looking
// at room G's door, and the mission's next step opens it on a spider and a ninja that come for him.
inline void busiestStage()
{
    for (const char* door : {"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB"})
        if (GenericObj* found = findGenericObj(door))
            found->destroy();
    GmainCamera->getNode()->setPosition({600, 80, 150});
    GmainCamera->getNode()->updateAbsolutePosition();
    static_cast<irr::scene::ICameraSceneNode*>(GmainCamera->getNode())->setTarget({800, 80, -300});
    GStory->setState(80);
}
