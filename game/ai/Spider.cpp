// The spider: body, cry, ray strike, death.
#include "ai/Spider.h"

#include "ai/Brain.h"
#include "ai/deathSignal.h"
#include "platform/LogFile.h"
#include "platform/SoundEngine.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "world/meshCheck.h"

namespace {

const irr::f32 StrikeLength = 100;
const int StrikeDamage = 8;
const char* const Model = "\\Media\\freebeast\\spider.b3d";

}  // namespace

Spider::Spider(Brain* brain) : NPC(brain)
{
    GLog.writelf("Spider::Spider");
    setLife(300);
    setDefence(0.5f);
    if (irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(mediaFile(Model)))
        _aninode = GSmgr->addAnimatedMeshSceneNode(mesh, nullptr, -1);
    if (!_aninode)
        fatal(std::string("cannot load the spider: ") + mediaFile(Model).c_str());
    _aninode->setPosition(irr::core::vector3df(0, 0, 0));
    _aninode->setScale(irr::core::vector3df(8));
    _aninode->setMaterialTexture(0, GDriver->getTexture(mediaFile("\\Media\\freebeast\\beast3.jpg")));
    _aninode->setMaterialFlag(irr::video::EMF_LIGHTING, true);
    _aninode->setName(_name.empty() ? "spider" : _name.c_str());
    turnOnCollision(100, false, _aninode);
    // The model faces its +Z; the route's turn points +Z back along the way walked.
    setCorRotation(irr::core::vector3df(0, 180, 0));
    Spider::configMovement();
    setVisionRange(700);
    stop();
}

Spider::~Spider()
{
    GLog.writelf("Spider::~Spider");
    if (_ssnd) {
        _ssnd->stop();
        _ssnd->drop();
    }
    removeBody();
}

void Spider::configMovement()
{
    setRun({20, 1.6f, 1, 25});
    setParado({20, 0, 206, 250});
    setMorrendo({20, 0, 382, 398});
    setAttack({20, 0, 197, 230});
}

void Spider::attack()
{
    GLog.writelf("Spider::attack");
    NPC::attack();
    shoot();
}

// The strike runs along the body's facing, so the body turns to the player before each one.
void Spider::facePlayer()
{
    if (!GmainCamera)
        return;
    irr::scene::ISceneNode* body = getNode();
    const irr::core::vector3df towards = GmainCamera->getNode()->getAbsolutePosition() - body->getAbsolutePosition();
    irr::core::vector3df rotation = body->getRotation();
    rotation.Y = towards.getHorizontalAngle().Y;
    body->setRotation(rotation);
}

// The cry starts on the first run and loops until the spider dies.
void Spider::run()
{
    GLog.writelf("Spider::run");
    if (!_ssnd && GSound) {
        _ssnd = GSound->play3D((Gexepath + "\\media\\Sound\\monster.wav").c_str(), getPosition(), true, true,
                               false);
        if (_ssnd) {
            _ssnd->setMinDistance(500);
            _ssnd->setIsPaused(false);
        }
        GSound->update();
    }
    NPC::run();
}

// The cry comes from where the spider walks.
void Spider::exec()
{
    NPC::exec();
    if (_ssnd)
        _ssnd->setPosition(getPosition());
}

// A ray of 100 units along the spider's facing; the first thing it meets takes the blow, so a wall
// shields the player. It lands at most twice a second.
void Spider::shoot()
{
    GLog.writelf("Spider::shoot");
    irr::scene::ISceneNode* body = getNode();
    body->updateAbsolutePosition();
    facePlayer();
    if (!_strikes.due(GTimer->getTime()))
        return;
    body->updateAbsolutePosition();
    irr::core::vector3df start = body->getAbsolutePosition();
    irr::core::vector3df facing(0, 0, 1);
    body->getAbsoluteTransformation().rotateVect(facing);
    const irr::core::vector3df end = start + facing.setLength(StrikeLength);
    start += (end - start).normalize();
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    const bool shown = body->isVisible();
    body->setVisible(false);
    Collidable* hit = getFirstCollision(irr::core::line3df(start, end), &point, &triangle);
    body->setVisible(shown);
    if (!hit || hit != GmainCamera)
        return;
    GmainCamera->gotShoot(StrikeDamage, point, triangle.getNormal());
}

void Spider::die()
{
    GLog.writelf("Spider::die");
    if (_aninode) {
        _aninode->removeAnimators();
        setAnimation(_dying, false);
    }
    if (_ssnd) {
        _ssnd->stop();
        _ssnd->drop();
        _ssnd = nullptr;
    }
    if (GSound)
        GSound->play3D((Gexepath + "\\media\\Sound\\die1.wav").c_str(), getNode()->getPosition(), false,
                       false, false);
    startDying();
}
