// What every monster's body does the same way: animations, ranges, hits and bumps.
#include "ai/NPC.h"

#include <cstdio>
#include <string>

#include "ai/Brain.h"
#include "ai/bloodSpray.h"
#include "ai/deathSignal.h"
#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "player/Arma.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"

bool Gblood = false;

namespace {

const bool resetRegistered = registerReset([] { Gblood = false; });

}

NPC::NPC(Brain* brain) : _correctRotation(0, 0, 0), _brain(brain)
{
    _brain->setChar(this);
    NPC::configMovement();
}

void NPC::configMovement()
{
    _running = AnimationInfo{};
    _standing = AnimationInfo{};
}

irr::core::vector3df NPC::getPosition()
{
    return getNode()->getPosition();
}

void NPC::setAnimation(const AnimationInfo& m, bool loop)
{
    if (!_aninode)
        return;
    _aninode->setAnimationSpeed(m.animSpeed);
    _aninode->setFrameLoop(m.start, m.end);
    _aninode->setLoopMode(loop);
    _currentSpeed = m.speed;
    _currentAnimation = m;
}

void NPC::run()
{
    setAnimation(_running, true);
}

void NPC::stop()
{
    setAnimation(_standing, true);
}

void NPC::attack()
{
    if (vision())
        setAnimation(_attacking, true);
}

bool NPC::endAnimation()
{
    return _aninode->getFrameNr() >= _currentAnimation.end;
}

bool NPC::isInVisionRange(const irr::core::vector3df& v)
{
    return getNode()->getPosition().getDistanceFrom(v) < _visionRange;
}

bool NPC::isInAttackRange(const irr::core::vector3df& v)
{
    if (_arma && _arma->getNode()) {
        getNode()->updateAbsolutePosition();
        _arma->getNode()->updateAbsolutePosition();
        return _arma->getNode()->getAbsolutePosition().getDistanceFrom(v) < _arma->getRange();
    }
    return getPosition().getDistanceFrom(v) < _visionRange / 2;
}

Collidable* NPC::vision()
{
    if (!GmainCamera || !isInVisionRange(GmainCamera->getPosition()))
        return nullptr;
    return GmainCamera;
}

bool NPC::canSeeU()
{
    irr::scene::ICameraSceneNode* camera = GSmgr->getActiveCamera();
    irr::scene::ISceneNode* body = getNode();
    if (!camera || !body)
        return false;
    irr::core::aabbox3df box = body->getBoundingBox();
    body->getAbsoluteTransformation().transformBoxEx(box);
    const irr::scene::SViewFrustum* frustum = camera->getViewFrustum();
    switch (body->getAutomaticCulling()) {
    case irr::scene::EAC_BOX:
        return !box.intersectsWithBox(frustum->getBoundingBox());
    case irr::scene::EAC_FRUSTUM_BOX: {
        irr::core::vector3df corners[8];
        box.getEdges(corners);
        for (const irr::core::plane3df& plane : frustum->planes) {
            bool allOutside = true;
            for (const irr::core::vector3df& corner : corners)
                if (plane.classifyPointRelation(corner) != irr::core::ISREL3D_FRONT)
                    allOutside = false;
            if (allOutside)
                return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void NPC::gotShoot(int dmg, irr::core::vector3df pos, irr::core::vector3df angulo)
{
    char line[160];
    std::snprintf(line, sizeof line, "NPC::shoot %s, life= %0.6f; hit= %d", _name.c_str(),
                  static_cast<double>(getLife()), dmg);
    GLog.writelf(line);
    if (Gblood)
        sprayBlood(pos, angulo);
    _brain->rcvMessage(2);
    injure(static_cast<irr::u32>(dmg));
}

void NPC::collided(Collidable*)
{
    if (getLife() > 0)
        _brain->rcvMessage(9);
}

void NPC::rotate180()
{
    irr::core::vector3df r = getNode()->getRotation();
    r.Y += 180;
    getNode()->setRotation(r);
}

void NPC::rcvMessage(int mensagem)
{
    GLog.writelf((std::string(kind()) + " received " + std::to_string(mensagem)).c_str());
    if (mensagem != DeathMessage) {
        _brain->rcvMessage(mensagem);
        return;
    }
    if (!_flagDying)
        return;
    _flagDying = false;
    _dead = true;
    announceDeath(this);
}

void NPC::exec()
{
    if (!_brain)
        fatal("I need a brain");
    if (_flagDying || _dead)
        return;
    _brain->exec();
    if (Gconfig.killall)
        die();
}

void NPC::removeBody()
{
    delete _brain;
    _brain = nullptr;
    Executable::drop();
    turnOffCollision();
    if (_aninode) {
        _aninode->setVisible(false);
        _aninode->remove();
        _aninode = nullptr;
    }
}

void NPC::startDying()
{
    turnOffCollision();
    _flagDying = true;
    scheduleDeath(this);
}
