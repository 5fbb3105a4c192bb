// The hit spray: a box emitter of short-lived particles under a delete animator.
#include "ai/bloodSpray.h"

#include "shell/Engine.h"

// Opaque drops a few units wide, quick enough to fly clear of the body before they fade: the monsters
// are some hundred units tall, and a drop of alpha 0 or a unit and a half wide is never seen.
irr::scene::IParticleSystemSceneNode* sprayBlood(const irr::core::vector3df& pos,
                                                 irr::core::vector3df direction)
{
    direction.setLength(0.08f);
    irr::scene::IParticleSystemSceneNode* spray = GSmgr->addParticleSystemSceneNode(
        false, nullptr, -1, pos, irr::core::vector3df(0, 0, 0), irr::core::vector3df(1, 1, 1));
    irr::scene::IParticleEmitter* emitter = spray->createBoxEmitter(
        irr::core::aabbox3df(-3, -3, -3, 3, 3, 3), direction, 150, 250, irr::video::SColor(255, 0, 180, 180),
        irr::video::SColor(255, 0, 0, 255), 300, 400, 45, irr::core::dimension2df(5, 5),
        irr::core::dimension2df(9, 9));
    spray->setEmitter(emitter);
    emitter->drop();
    irr::scene::IParticleAffector* fade = spray->createFadeOutParticleAffector(irr::video::SColor(0, 0, 0, 0), 250);
    spray->addAffector(fade);
    fade->drop();
    spray->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    spray->setMaterialType(irr::video::EMT_TRANSPARENT_VERTEX_ALPHA);
    irr::scene::ISceneNodeAnimator* vanish = GSmgr->createDeleteAnimator(1000);
    spray->addAnimator(vanish);
    vanish->drop();
    return spray;
}
