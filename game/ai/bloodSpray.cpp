// The hit spray: a box emitter of short-lived particles under a delete animator.
#include "ai/bloodSpray.h"

#include "shell/Engine.h"

irr::scene::IParticleSystemSceneNode* sprayBlood(const irr::core::vector3df& pos,
                                                 irr::core::vector3df direction)
{
    direction.setLength(0.01f);
    irr::scene::IParticleSystemSceneNode* spray = GSmgr->addParticleSystemSceneNode(
        false, nullptr, -1, pos, irr::core::vector3df(0, 0, 0), irr::core::vector3df(1, 1, 1));
    irr::scene::IParticleEmitter* emitter = spray->createBoxEmitter(
        irr::core::aabbox3df(-1, -1, -1, 1, 1, 1), direction, 30, 60, irr::video::SColor(0, 0, 180, 180),
        irr::video::SColor(0, 0, 0, 255), 300, 400, 45, irr::core::dimension2df(1.5f, 1.5f),
        irr::core::dimension2df(1.5f, 1.5f));
    spray->setEmitter(emitter);
    emitter->drop();
    spray->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    spray->setMaterialType(irr::video::EMT_TRANSPARENT_VERTEX_ALPHA);
    irr::scene::ISceneNodeAnimator* vanish = GSmgr->createDeleteAnimator(1000);
    spray->addAnimator(vanish);
    vanish->drop();
    return spray;
}
