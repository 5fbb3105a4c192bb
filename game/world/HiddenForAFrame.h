// Scene nodes left undrawn for the frame being drawn: hidden while the scene registers what it draws,
// shown again in the camera's pass, which is drawn first once every node has registered, so that nothing
// outside the drawing ever finds them hidden.
#pragma once

#include <vector>

#include <irrlicht.h>

class HiddenForAFrame : public irr::scene::ISceneNode {
public:
    HiddenForAFrame(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* smgr);

    // Hides the node until this frame's camera pass.
    void hide(irr::scene::ISceneNode* node);

    void render() override;
    const irr::core::aabbox3df& getBoundingBox() const override { return _box; }

private:
    std::vector<irr::scene::ISceneNode*> _hidden;
    irr::core::aabbox3df _box;
};
