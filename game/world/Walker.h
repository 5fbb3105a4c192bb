// What the follow animator needs of a body it walks along routes; the monsters' bodies provide it.
#pragma once

#include <irrlicht.h>

class Walker {
public:
    virtual ~Walker() = default;

    virtual irr::core::vector3df getPosition() = 0;
    virtual irr::scene::ISceneNode* getNode() = 0;
    // Route segments per second of the body's current animation.
    virtual irr::f32 getSpeed() = 0;
    // Rotation in degrees the body's model needs on top of the direction it walks.
    virtual irr::core::vector3df getCorRotation() = 0;
};
