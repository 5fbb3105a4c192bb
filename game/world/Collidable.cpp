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
