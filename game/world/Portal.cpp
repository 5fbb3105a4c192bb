// The portal: seven frames shown 100 ms each in a loop, added to what lies behind them.
#include "world/Portal.h"

#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

static irr::video::ITexture* portalFrame(int k)
{
    const irr::core::stringc file = Gexepath + "\\media\\portal" + irr::core::stringc(k) + ".bmp";
    return GDriver->getTexture(nativePath(file.c_str()).c_str());
}

Portal::Portal(irr::core::vector3df position)
{
    irr::core::array<irr::video::ITexture*> frames;
    for (int k = 1; k <= 7; ++k)
        frames.push_back(portalFrame(k));
    irr::scene::ISceneNodeAnimator* cycle = GSmgr->createTextureAnimator(frames, 100, true);
    const irr::video::SColor white(255, 255, 255, 255);
    _bill =
        GSmgr->addBillboardSceneNode(nullptr, irr::core::dimension2df(200, 200), position, -1, white, white);
    _bill->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    _bill->setMaterialTexture(0, portalFrame(1));
    _bill->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    _bill->addAnimator(cycle);
    cycle->drop();
}
