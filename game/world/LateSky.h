// The sky drawn after the solid things rather than before them, on the pixels they left empty only: the
// engine's sky fills the whole window first, and with the processor drawing, every pixel costs.
// It counts as a sky for whoever asks the scene.
#pragma once

#include <irrlicht.h>

class LateSky : public irr::scene::ISceneNode {
public:
    // Takes the engine's sky node over as its own child.
    LateSky(irr::scene::ISceneNode* sky, irr::scene::ISceneManager* smgr);

    // Off, the engine's sky is drawn as the engine draws it, first.
    void setLate(bool late) { _late = late; }

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3df& getBoundingBox() const override { return _box; }
    irr::scene::ESCENE_NODE_TYPE getType() const override { return irr::scene::ESNT_SKY_DOME; }

private:
    irr::scene::ISceneNode* _sky;
    irr::core::aabbox3df _box;
    bool _late = true;
};
