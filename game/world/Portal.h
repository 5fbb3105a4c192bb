// A glowing, animated billboard cycling through the seven portal pictures.
#pragma once

#include <irrlicht.h>

class Portal {
public:
    explicit Portal(irr::core::vector3df position);

    irr::scene::IBillboardSceneNode* getNode() const { return _bill; }

private:
    irr::scene::IBillboardSceneNode* _bill;  // owned by the scene graph
};
