// A fixed piece of the level placed from the scenery list: a door, a wall panel, a terminal.
#pragma once

#include <irrlicht.h>
#include <vector>

#include "world/Collidable.h"

class GenericObj : public Collidable {
public:
    // A '*' in `name` asks for a generated mesh ("base*plane" or "base*box") sized by the leading
    // numbers of `parameters`; otherwise the mesh is loaded from `pathmesh`. `pathsound` is not used.
    GenericObj(const irr::core::stringc& name, const irr::core::stringc& pathmesh,
               const irr::core::stringc& texture, const irr::core::stringc& pathsound,
               const irr::core::stringc& parameters, irr::core::vector3df pos, irr::core::vector3df rot,
               irr::core::vector3df sca);
    // Leaves GgenericObj, so that nothing finds a deleted object.
    ~GenericObj() override;

    // Message 8, "use", posts the object's name with code 8 on the blackboard.
    void rcvMessage(int m) override;
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    // A touch by the player posts the object's name with code 9 on the blackboard.
    void collided(Collidable* who) override;
    Touch touchForPlayer() const override { return Touch::stop; }

    // Takes the object out of the level for good: no longer findable, swept, hit or blocking. The
    // level that keeps it frees it when it goes; nothing may be called on it meanwhile.
    void destroy();

private:
    void leaveRegistry();

    irr::scene::IMeshSceneNode* _node = nullptr;
};

// The first scenery object in creation order with exactly that name, or null.
GenericObj* findGenericObj(const char* name);

// The scenery objects alive.
extern std::vector<GenericObj*> GgenericObj;
