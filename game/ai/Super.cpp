// The super soldier's model, numbers and weapon.
#include "ai/Super.h"

#include "ai/Brain.h"
#include "player/Arma.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "world/meshCheck.h"

Super::Super(Brain* brain) : NPC(brain)
{
    setLife(100);
    setDefence(0.1f);
    if (irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(mediaFile("\\Media\\super.md2")))
        _aninode = GSmgr->addAnimatedMeshSceneNode(mesh, nullptr, -1);
    if (_aninode) {
        _aninode->setScale(irr::core::vector3df(2));
        _aninode->setMaterialTexture(0, GDriver->getTexture(mediaFile("\\Media\\super.pcx")));
        _aninode->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    }
    setCorRotation(irr::core::vector3df(0, 90, 0));
    Super::configMovement();
}

Super::~Super()
{
    delete _brain;
    if (_aninode)
        _aninode->remove();
}

void Super::configMovement()
{
    setRun({0, 0.8f, 0, 0});
    setParado({0, 0, 0, 0});
}

void Super::getArma(Arma* a)
{
    arma = a;
    if (_aninode)
        a->attachTo(_aninode);
}

void Super::shoot()
{
    if (arma)
        arma->shoot();
}
