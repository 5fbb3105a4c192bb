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
    if (!IsVisible)
        return;
    if (!_late || SceneManager->getVideoDriver()->getDriverType() != irr::video::EDT_OPENGL) {
        ISceneNode::OnRegisterSceneNode();
        return;
    }
    SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT);
}

// At the depth of the far plane, the sky passes the depth test only where nothing was drawn.
void LateSky::render()
{
    irr::video::SMaterial& material = _sky->getMaterial(0);
    const irr::u8 depthTest = material.ZBuffer;
    material.ZBuffer = irr::video::ECFN_LESSEQUAL;
    glDepthRange(1, 1);
    _sky->render();
    glDepthRange(0, 1);
    material.ZBuffer = depthTest;
}
