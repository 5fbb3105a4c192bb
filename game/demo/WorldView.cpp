// What the automatic player can see of the level.
#include "demo/WorldView.h"

#include <algorithm>

#include "ai/NPC.h"
#include "shell/Executable.h"
#include "world/Collidable.h"
#include "world/lineOfSight.h"

irr::core::vector3df WorldView::centreOf(irr::scene::ISceneNode* node)
{
    node->updateAbsolutePosition();
    return node->getTransformedBoundingBox().getCenter();
}

namespace {

irr::scene::ISceneNode* nodeNamed(const char* name)
{
    for (Collidable* c : Gcolisao)
        if (c->getName() == name && c->getNode())
            return c->getNode();
    return nullptr;
}

}

bool WorldView::placeOf(const char* name, irr::core::vector3df& place)
{
    irr::scene::ISceneNode* node = nodeNamed(name);
    if (!node)
        return false;
    node->updateAbsolutePosition();
    place = node->getAbsolutePosition();
    return true;
}

bool WorldView::reachPoint(const char* name, const irr::core::vector3df& eye, irr::core::vector3df& point)
{
    irr::scene::ISceneNode* node = nodeNamed(name);
    if (!node)
        return false;
    const irr::core::aabbox3df box = node->getTransformedBoundingBox();
    point = box.getCenter();
    point.Y = irr::core::clamp(eye.Y, box.MinEdge.Y, box.MaxEdge.Y);
    return true;
}

std::vector<NPC*> WorldView::livingMonsters(const irr::core::vector3df& from)
{
    std::vector<NPC*> monsters;
    for (Executable* e : Gexecucao)
        if (NPC* npc = dynamic_cast<NPC*>(e))
            if (npc->getLife() > 0 && npc->getNode())
                monsters.push_back(npc);
    std::sort(monsters.begin(), monsters.end(), [&from](NPC* a, NPC* b) {
        return a->getPosition().getDistanceFromSQ(from) < b->getPosition().getDistanceFromSQ(from);
    });
    return monsters;
}

bool WorldView::clearSight(const irr::core::vector3df& from, const irr::core::vector3df& to)
{
    return !GtriangleSelectorsCamera || lineOfSight(from, to, GtriangleSelectorsCamera);
}
