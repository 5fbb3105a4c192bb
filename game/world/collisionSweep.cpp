// The sweep over the registry and the ray query: the two places that must tell the level apart from
// what stands in it, kept apart from the registry itself, which the level is built on.
#include <algorithm>

#include "shell/Engine.h"
#include "world/Collidable.h"

using irr::scene::ISceneNode;

static bool isLevel(Collidable* c)
{
    Collidable* level = currentLevel();
    return level && level->getNode() && c->getNode() == level->getNode();
}

// The player always stands inside the level's bounds; that contact is the collision response's business.
static bool isPlayerAndLevel(Collidable* a, Collidable* b)
{
    return (isPlayer(a) && isLevel(b)) || (isLevel(a) && isPlayer(b));
}

void updateCollision()
{
    if (Gcolisao.size() < 2)
        return;
    updateVector();
    // Only X-neighbours are compared: one sort and n - 1 tests instead of every pair. The size is read
    // again each step because a notification may take an object out of the registry (a pick-up).
    for (size_t i = 0; i + 1 < Gcolisao.size(); ++i) {
        Collidable* a = Gcolisao[i];
        Collidable* b = Gcolisao[i + 1];
        if (isPlayerAndLevel(a, b))
            continue;
        const irr::f32 d = a->getPosition().getDistanceFrom(b->getPosition());
        const irr::f32 r = (a->getCollisionRange() + b->getCollisionRange()) * 0.5f;
        if (r > d) {
            a->collided(b);
            b->collided(a);
        }
    }
}

Collidable* getFirstCollision(irr::core::line3df ray, irr::core::vector3df* intersection,
                              irr::core::triangle3df* hitTriangle)
{
    ISceneNode* hit = GSmgr->getSceneCollisionManager()->getSceneNodeAndCollisionPointFromRay(
        ray, *intersection, *hitTriangle, 0, nullptr, false);
    if (!hit)
        return nullptr;
    Collidable* level = currentLevel();
    if (level && hit == level->getNode())
        return level;
    auto owner =
        std::find_if(Gcolisao.begin(), Gcolisao.end(), [hit](Collidable* c) { return c->ownsNode(hit); });
    return owner == Gcolisao.end() ? nullptr : *owner;
}
