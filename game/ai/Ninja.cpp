// The ninja: model, numbers, sword, death.
#include "ai/Ninja.h"

#include "ai/Brain.h"
#include "ai/deathSignal.h"
#include "platform/LogFile.h"
#include "player/LongSword.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "world/meshCheck.h"
#include "world/oneShotSound.h"

namespace {

const irr::f32 NodeScale = 10;
// Where the right hand holds the sword before the body, in the model's own units (feet at the origin,
// facing +Z): the blade's ray then runs at the height of the player's chest, just right of his middle.
const irr::core::vector3df Hand(1.0f, 8.0f, 2.5f);

}  // namespace

Ninja::Ninja(Brain* brain) : NPC(brain)
{
    GLog.writelf("Ninja::Ninja");
    setLife(100);
    setDefence(0.5f);
    if (irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(mediaFile("\\Media\\ninja.b3d")))
        _aninode = GSmgr->addAnimatedMeshSceneNode(mesh, nullptr, -1);
    if (!_aninode)
        fatal(std::string("cannot load the ninja: ") + mediaFile("\\Media\\ninja.b3d").c_str());
    _aninode->setPosition(irr::core::vector3df(0, 0, 0));
    _aninode->setScale(irr::core::vector3df(NodeScale));
    _aninode->setMaterialTexture(0, GDriver->getTexture(mediaFile("\\Media\\nskinbl.jpg")));
    _aninode->setMaterialFlag(irr::video::EMF_LIGHTING, true);
    _aninode->setName(_name.empty() ? "ninja" : _name.c_str());
    turnOnCollision(100, false, _aninode);
    setCorRotation(irr::core::vector3df(0, 180, 0));
    Ninja::configMovement();
    setVisionRange(800);
    holdSword();
    stop();
}

// The sword's ray starts at the hand, so the attack range and the blow are measured from the ninja.
void Ninja::holdSword()
{
    _sword = new LongSword();
    pegarArma(_sword);
    _sword->setDamage(7);
    _sword->setRange(30);
    if (irr::scene::ISceneNode* blade = _sword->getNode()) {
        _sword->attachTo(_aninode);
        blade->setPosition(Hand);
        // The sword keeps its own size inside the scaled body, and so its reach.
        blade->setScale(blade->getScale() / NodeScale);
        // The model carries a blade of its own; a second one would stick out of his side.
        _sword->show(false);
    }
}

Ninja::~Ninja()
{
    GLog.writelf("Ninja::~Ninja");
    removeBody();
    delete _sword;
    _sword = nullptr;
}

void Ninja::configMovement()
{
    setRun({20, 0.5f, 0, 13});
    setParado({20, 0, 206, 250});
    setMorrendo({10, 0, 166, 172});
    setAttack({2, 0, 134, 145});
}

void Ninja::exec()
{
    GLog.writelf("Ninja::exec");
    NPC::exec();
}

void Ninja::attack()
{
    GLog.writelf("Ninja::attack");
    NPC::attack();
    shoot();
}

// The brain asks every frame; the blade lands at most twice a second. The ninja steps out of the ray
// test while he strikes, so the blade never meets his own body.
void Ninja::shoot()
{
    GLog.writelf("Ninja::shoot");
    if (!_strikes.due(GTimer->getTime()))
        return;
    const bool shown = _aninode->isVisible();
    _aninode->setVisible(false);
    _sword->shoot();
    _aninode->setVisible(shown);
}

void Ninja::die()
{
    GLog.writelf("Ninja::die");
    // The fall plays once and he stays down until his death is signalled.
    _aninode->removeAnimators();
    setAnimation(_dying, false);
    playOneShot(Gexepath + "\\media\\Sound\\paper-shredder-2.wav", _aninode->getPosition());
    startDying();
}
