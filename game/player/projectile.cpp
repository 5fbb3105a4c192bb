// The flying picture of a projectile weapon's shot.
#include "player/projectile.h"

#include "shell/Engine.h"

irr::scene::IBillboardSceneNode* launchProjectile(irr::video::ITexture* texture,
                                                  const irr::core::line3df& ray, float speed)
{
    irr::scene::IBillboardSceneNode* bullet = GSmgr->addBillboardSceneNode(
        nullptr, irr::core::dimension2df(25, 25), ray.start, -1, irr::video::SColor(255, 255, 255, 255),
        irr::video::SColor(255, 255, 255, 255));
    bullet->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    bullet->setMaterialTexture(0, texture);
    bullet->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    const irr::u32 flight = static_cast<irr::u32>(ray.getLength() / speed);
    irr::scene::ISceneNodeAnimator* fly =
        GSmgr->createFlyStraightAnimator(ray.start, ray.end, flight, false, false);
    bullet->addAnimator(fly);
    fly->drop();
    irr::scene::ISceneNodeAnimator* end = GSmgr->createDeleteAnimator(flight);
    bullet->addAnimator(end);
    end->drop();
    return bullet;
}
