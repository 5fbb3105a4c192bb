// The segment test of route planning, cast through the scene's collision manager.
#include "world/lineOfSight.h"

#include "shell/Engine.h"

bool lineOfSight(const irr::core::vector3df& from, const irr::core::vector3df& to,
                 irr::scene::ITriangleSelector* selector)
{
    irr::core::vector3df hit;
    irr::core::triangle3df triangle;
    irr::scene::ISceneNode* node = nullptr;
    return !GSmgr->getSceneCollisionManager()->getCollisionPoint(irr::core::line3df(from, to), selector, hit,
                                                                 triangle, node);
}
