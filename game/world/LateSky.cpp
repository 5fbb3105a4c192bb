// Drawing the sky last.
#include "world/LateSky.h"

#include <GL/gl.h>

namespace {

// The transparent things are drawn farthest first, after the solid ones: standing this far, the sky is
// the first of them, under whatever shows against it.
const irr::core::vector3df Farthest(0, 1e7f, 0);

}  // namespace

LateSky::LateSky(irr::scene::ISceneNode* sky, irr::scene::ISceneManager* smgr)
    : ISceneNode(smgr->getRootSceneNode(), smgr), _sky(sky)
{
    addChild(sky);
    setPosition(Farthest);
    setAutomaticCulling(irr::scene::EAC_OFF);
}

void LateSky::OnRegisterSceneNode()
{
    if (!IsVisible || !_sky->isVisible())
        return;
    const bool late = _late && SceneManager->getVideoDriver()->getDriverType() == irr::video::EDT_OPENGL;
    SceneManager->registerNodeForRendering(late ? this : _sky,
                                           late ? irr::scene::ESNRP_TRANSPARENT : irr::scene::ESNRP_SKY_BOX);
}

// At the depth of the far plane, the sky passes the depth test only where nothing was drawn. The
// engine's sky, drawn first, makes no depth test.
void LateSky::render()
{
    _sky->setMaterialFlag(irr::video::EMF_ZBUFFER, true);
    glDepthRange(1, 1);
    _sky->render();
    glDepthRange(0, 1);
    _sky->setMaterialFlag(irr::video::EMF_ZBUFFER, false);
}
