// Items lying in the level that the player picks up: the mission's weapon, pen drive, tool, certificate.
#pragma once

#include <irrlicht.h>
#include <vector>

#include "world/Collidable.h"

class Collectable : public Collidable {
public:
    // `texture` is not used: the mesh brings its own. `pathsound` is played on each pick-up.
    Collectable(const irr::core::stringc& name, const irr::core::stringc& pathmesh,
                const irr::core::stringc& texture, const irr::core::stringc& pathsound,
                const irr::core::stringc& parameters, irr::core::vector3df pos, irr::core::vector3df rot,
                irr::core::vector3df sca);
    // Leaves Gcollectable and the inventory, so that nothing reaches a deleted item.
    ~Collectable() override;

    // Message 8, "use", picks the item up; any other only says so on the console.
    void rcvMessage(int m) override;
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    // The player walking into the item picks it up.
    void collided(Collidable* who) override;
    Touch touchForPlayer() const override { return Touch::passThrough; }

private:
    void pickUp();

    irr::scene::IMeshSceneNode* _node = nullptr;
    irr::core::stringc _pathsound;
};

// The first collectable in creation order with exactly that name, picked up or not, or null.
Collectable* findCollectable(const char* name);

// The items lying in the level.
extern std::vector<Collectable*> Gcollectable;
