// Collectables: placed from the scenery list or by the mission, picked up by touch or by the empty hand.
#include "world/Collectable.h"

#include <algorithm>
#include <cstdio>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "world/Inventory.h"
#include "world/meshCheck.h"
#include "world/objectProperties.h"
#include "world/oneShotSound.h"

std::vector<Collectable*> Gcollectable;

namespace {

const bool resetRegistered = registerReset([] { Gcollectable.clear(); });

}

using irr::core::stringc;
using irr::core::vector3df;

Collectable::Collectable(const stringc& name, const stringc& pathmesh, const stringc&,
                         const stringc& pathsound, const stringc& parameters, vector3df pos, vector3df rot,
                         vector3df sca)
{
    Gcollectable.push_back(this);
    irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(nativePath(pathmesh.c_str()).c_str());
    _name = name;
    _node = GSmgr->addOctreeSceneNode(mesh, nullptr, -1, 256);
    _pathsound = pathsound;
    if (!_node)
        fatal("null _node in collectable", FatalWait::forKey);
    _node->setName(name);
    _node->setPosition(pos);
    _node->setRotation(rot);
    _node->setScale(sca);
    _node->setMaterialFlag(irr::video::EMF_LIGHTING, true);
    applyCollision(*this, parameters.c_str(), _node);
    if (hasKey(parameters.c_str(), "rotate")) {
        irr::scene::ISceneNodeAnimator* spin = GSmgr->createRotationAnimator(vector3df(0, 0.2f, 0.3f));
        _node->addAnimator(spin);
        spin->drop();
    }
}

Collectable::~Collectable()
{
    auto found = std::find(Gcollectable.begin(), Gcollectable.end(), this);
    if (found != Gcollectable.end())
        Gcollectable.erase(found);
    GInventory.removeAll(this);
}

void Collectable::rcvMessage(int m)
{
    GLog.writelf((stringc("Collectable::rcvMsg ") + _name + "," + stringc(m)).c_str());
    if (m != 8) {
        std::puts("algo aconteceu com Collectable");
        return;
    }
    pickUp();
}

// Hidden as well as unregistered: the engine's ray query skips hidden nodes, so the hand and the
// weapons no longer stop at an item that is gone.
void Collectable::pickUp()
{
    playOneShot(_pathsound, _node->getPosition());
    GInventory.insert(this);
    removeCollision(this);
    _node->setVisible(false);
}

// The inventory is the player's: a monster or the level touching the item leaves it lying.
void Collectable::collided(Collidable* who)
{
    GLog.writelf((stringc("Collectable::collided ") + _name).c_str());
    if (isPlayer(who))
        rcvMessage(8);
}

Collectable* findCollectable(const char* name)
{
    GLog.writelf("Collectable::findCollectable");
    auto found = std::find_if(Gcollectable.begin(), Gcollectable.end(),
                              [name](Collectable* c) { return c->getName() == name; });
    return found == Gcollectable.end() ? nullptr : *found;
}
