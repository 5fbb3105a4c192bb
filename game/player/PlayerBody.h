// The player's body for rays and the collision sweep: a person-sized box that follows the camera and is
// never drawn.
#pragma once

#include <irrlicht.h>

// A camera's own bounding box spans its whole view, far too big to stand for a person; this one is about
// a person's width and height, from the eye down to the feet.
class PlayerBody : public irr::scene::ISceneNode {
public:
    PlayerBody(irr::scene::ISceneNode* eye, irr::scene::ISceneManager* smgr);

    void OnAnimate(irr::u32 timeMs) override;
    void render() override {}
    const irr::core::aabbox3df& getBoundingBox() const override { return _box; }

    // Moves the body to where the eye is now.
    void follow();

private:
    irr::scene::ISceneNode* _eye;
    irr::core::aabbox3df _box;
};
