// Registration of collidable objects, the proximity sweep and the first-hit ray test.
#include "world/Collidable.h"

#include <algorithm>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "shell/Engine.h"
#include "shell/fatal.h"

std::vector<Collidable*> Gcolisao;
irr::scene::IMetaTriangleSelector* GtriangleSelectorsCamera = nullptr;

namespace {

const bool resetRegistered = registerReset([] {
    Gcolisao.clear();
    GtriangleSelectorsCamera = nullptr;
});

}

using irr::scene::ISceneNode;
using irr::scene::ITriangleSelector;

Collidable::~Collidable()
{
    // A deleted object must not stay behind in the registry, where the next sweep would call it.
    removeCollision(this);
    if (_selector)
        _selector->drop();
}

void Collidable::attachSelector(ITriangleSelector* selector, ISceneNode* node)
{
    if (_selector)
        _selector->drop();
    _selector = selector;
    node->setTriangleSelector(selector);
    Gcolisao.push_back(this);
}

void Collidable::turnOnCollision(irr::f32 range, bool camera, irr::scene::IMeshSceneNode* node)
{
    GLog.writelf("Collidable::turnOnCollision");
    if (!node) {
        fatal("null node in Collidable::turnOn");
    }
    _collisionRange = range;
    _collisionCamera = camera;
    ITriangleSelector* selector = GSmgr->createTriangleSelector(node->getMesh(), node);
    if (!selector) {
        fatal("null selector in Collidable::turnOn");
    }
    attachSelector(selector, node);
    GLog.writelf("} //Collidable::turnOnCollision");
}

void Collidable::turnOnCollision(irr::f32 range, bool, irr::scene::IAnimatedMeshSceneNode* node)
{
    // Animated bodies never block the player, so the camera flag is not taken over.
    GLog.writelf("Collidable::turnOnCollision2");
    if (!node) {
        fatal("null node in Collidable::turnOn");
    }
    _collisionRange = range;
    ITriangleSelector* selector = GSmgr->createTriangleSelector(node);
    if (!selector) {
        fatal("null selector in Collidable::turnOn");
    }
    attachSelector(selector, node);
    GLog.writelf("} //Collidable::turnOnCollision2");
}

irr::scene::IMeshSceneNode* Collidable::createSelector(irr::scene::IMesh* mesh)
{
    if (!mesh) {
        GLog.writelf("null mesh in Collidable::createSelector");
        return nullptr;
    }
    irr::scene::IMeshSceneNode* node = GSmgr->addOctreeSceneNode(mesh, nullptr, 1, 256);
    attachSelector(GSmgr->createOctreeTriangleSelector(mesh, node, 128), node);
    return node;
}

// The engine gives a camera the box around its view frustum as its bounding box, so the player's triangles
// are the faces of a box thousands of units across, not of his body: a short ray from a monster beside him
// seldom meets them, and now and then one of his own shots does.
void Collidable::setSelectorFromCamera(irr::scene::ICameraSceneNode* cam)
{
    attachSelector(GSmgr->createTriangleSelectorFromBoundingBox(cam), cam);
}

void Collidable::turnOffCollision()
{
    GLog.writelf("Collidable::turnOffCollision");
    leaveRegistry();
}

void Collidable::leaveRegistry()
{
    removeCollision(this);
}

// The same act under its other name, with its own log line.
void Collidable::drop()
{
    GLog.writelf("Collidable::drop");
    leaveRegistry();
}

void removeCollision(Collidable* who)
{
    auto found = std::find(Gcolisao.begin(), Gcolisao.end(), who);
    if (found != Gcolisao.end())
        Gcolisao.erase(found);
}

bool collidableCompare(Collidable* a, Collidable* b)
{
    return a->getPosition().X < b->getPosition().X;
}

void updateVector()
{
    std::sort(Gcolisao.begin(), Gcolisao.end(), collidableCompare);
}

// The player is told apart by the kind of its node rather than by GmainCamera, so the sweep needs nothing
// of the player's class and gives the same answer before GmainCamera is set. That is sound because a camera
// node can enter the registry only through setSelectorFromCamera, which the player alone calls: the other
// turn-on operations take mesh nodes or make an octree node.
bool isPlayer(Collidable* c)
{
    return c->getNode()->getType() == irr::scene::ESNT_CAMERA;
}

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
