// The weapon's common part: ammunition, firing sound, range and its model.
#include "player/Arma.h"

#include "platform/LogFile.h"
#include "platform/SoundEngine.h"
#include "platform/SoundSource.h"
#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "world/meshCheck.h"

Arma::Arma() : _municao(-1), _fire(nullptr) {}

// A negative count never reaches 0, so a weapon that starts at -1 never runs out.
bool Arma::shoot()
{
    GLog.writelf("Arma::shoot");
    if (_municao == 0)
        return false;
    --_municao;
    playSound();
    return true;
}

void Arma::playSound()
{
    if (!GSound || !_fire)
        return;
    irr::core::vector3df at;
    if (_node) {
        // Heard where the weapon is in the world: the listener walks with the player.
        _node->updateAbsolutePosition();
        at = _node->getAbsolutePosition();
    }
    GSound->play3D(_fire, at, false, false, false);
}

void Arma::setSound(const char* file)
{
    if (!file || !*file || !GSound)
        return;
    SoundSource* source = GSound->addSoundSourceFromFile(file);
    if (!source) {
        GLog.writelf((irr::core::stringc("no sound ") + file).c_str());
        return;
    }
    source->setDefaultMinDistance(100.0f);
    _fire = source;
}

void Arma::addMunicao(int m)
{
    if (m >= 0)
        _municao += m;
}

void Arma::drop(irr::core::vector3df position)
{
    if (_node)
        _node->setPosition(position);
}

void Arma::attachTo(irr::scene::ISceneNode* holder)
{
    _holder = holder;
    if (_node)
        holder->addChild(_node);
}

void Arma::show(bool visible)
{
    if (_node)
        _node->setVisible(visible);
}

void Arma::makeNode(const ArmaModel& model)
{
    const std::string mesh = nativePath((Gexepath + model.mesh).c_str());
    irr::scene::IAnimatedMesh* loaded = loadCheckedMesh(mesh.c_str());
    if (loaded)
        _node = GSmgr->addAnimatedMeshSceneNode(loaded);
    if (!_node) {
        GLog.writelf(("no weapon model " + mesh).c_str());
        return;
    }
    _node->setPosition(model.position);
    _node->setRotation(model.rotation);
    _node->setScale(irr::core::vector3df(model.scale));
    if (model.texture)
        _node->setMaterialTexture(
            0, GDriver->getTexture(nativePath((Gexepath + model.texture).c_str()).c_str()));
    _node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    _node->setName(model.name);
}

irr::scene::ISceneNode* Arma::aimNode() const
{
    if (_node)
        return _node;
    return _holder;
}

irr::scene::ISceneNode* Arma::holderNode() const
{
    if (_holder)
        return _holder;
    return _node ? _node->getParent() : nullptr;
}

irr::core::vector3df Arma::ahead(irr::scene::ISceneNode* node, float length)
{
    irr::core::vector3df v(0, 0, length);
    node->getAbsoluteTransformation().rotateVect(v);
    return v;
}
