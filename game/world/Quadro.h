// A picture on a wall: a textured rectangle that stops rays and is otherwise left alone.
#pragma once

#include <irrlicht.h>

#include "world/Collidable.h"

class Quadro : public Collidable {
public:
    Quadro(irr::video::ITexture* texture, irr::core::dimension2df tileSize, irr::core::dimension2du tileCount,
           irr::core::dimension2df textureRepeat);

    // Shots and touches leave a picture as it is.
    void rcvMessage(int) override {}
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override {}

private:
    irr::scene::IMeshSceneNode* _node = nullptr;
};
