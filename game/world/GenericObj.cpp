// Scenery objects: loaded or generated meshes, their collision, their signals and their removal.
#include "world/GenericObj.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "messaging/Blackboard.h"
#include "net/tokenize.h"
#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "world/Collidable.h"
#include "world/meshCheck.h"
#include "world/objectProperties.h"

std::vector<GenericObj*> GgenericObj;

namespace {

const bool resetRegistered = registerReset([] { GgenericObj.clear(); });

}

using irr::core::stringc;
using irr::core::vector3df;

namespace {

// What the name grammar makes of a name holding '*': the object's name and the shape asked for.
struct NameParts {
    stringc name;
    std::string shape;
};

NameParts splitName(const stringc& name)
{
    std::vector<std::string> pieces;
    tokenize(name.c_str(), pieces, "*");
    NameParts parts;
    if (!pieces.empty())
        parts.name = pieces[0].c_str();
    if (pieces.size() > 1)
        parts.shape = pieces[1];
    return parts;
}

// The leading numbers of the property string; the ones a shape needs but the string lacks read as 0.
std::vector<irr::f32> shapeNumbers(const stringc& parameters, size_t count)
{
    std::vector<std::string> pieces;
    tokenize(parameters.c_str(), pieces, ",");
    std::vector<irr::f32> numbers(count, 0.0f);
    for (size_t i = 0; i < count && i < pieces.size(); ++i)
        numbers[i] = static_cast<irr::f32>(std::atof(pieces[i].c_str()));
    return numbers;
}

// The engine's plane mesh indexes its vertices with 16 bits, so at most 255 tiles a side; a negative
// or non-numeric count would otherwise wrap into billions of tiles.
irr::u32 tileCount(irr::f32 count)
{
    if (!(count >= 0.0f))
        return 0;
    return count > 255.0f ? 255 : static_cast<irr::u32>(count);
}

irr::scene::IMesh* generatedMesh(const std::string& shape, const stringc& parameters)
{
    const irr::scene::IGeometryCreator* creator = GSmgr->getGeometryCreator();
    if (shape == "plane") {
        const std::vector<irr::f32> n = shapeNumbers(parameters, 6);
        return creator->createPlaneMesh(irr::core::dimension2df(n[0], n[1]),
                                        irr::core::dimension2du(tileCount(n[2]), tileCount(n[3])), nullptr,
                                        irr::core::dimension2df(n[4], n[5]));
    }
    if (shape == "box") {
        const std::vector<irr::f32> n = shapeNumbers(parameters, 3);
        return creator->createCubeMesh(vector3df(n[0], n[1], n[2]));
    }
    return nullptr;
}

irr::scene::IMesh* loadedMesh(const stringc& pathmesh)
{
    irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(nativePath(pathmesh.c_str()).c_str());
    return mesh ? mesh->getMesh(0) : nullptr;
}

void logCreation(const stringc& name, const vector3df& pos)
{
    char numbers[100];
    std::snprintf(numbers, sizeof numbers, " , %0.6f , %0.6f", pos.X, pos.Z);
    GLog.writelf((stringc("GenericObj::new ") + name + numbers).c_str());
}

}

GenericObj::GenericObj(const stringc& name, const stringc& pathmesh, const stringc& texture, const stringc&,
                       const stringc& parameters, vector3df pos, vector3df rot, vector3df sca)
{
    logCreation(name, pos);
    GgenericObj.push_back(this);
    const bool generated = name.findFirst('*') >= 0;
    const NameParts parts = generated ? splitName(name) : NameParts{name, ""};
    irr::scene::IMesh* mesh = generated ? generatedMesh(parts.shape, parameters) : loadedMesh(pathmesh);
    if (!mesh)
        fatal("null mesh in GenericObj", FatalWait::forKey);
    _name = parts.name;
    _node = GSmgr->addMeshSceneNode(mesh, nullptr, -1);
    if (generated)
        mesh->drop();
    if (!_node)
        fatal("null _node in GenericObj", FatalWait::forKey);
    if (parts.shape == "plane")
        _node->getMaterial(0).BackfaceCulling = false;
    _node->setName(_name);
    _node->setPosition(pos);
    _node->setRotation(rot);
    _node->setScale(sca);
    _node->setMaterialFlag(irr::video::EMF_LIGHTING, true);
    if (texture != "-")
        _node->setMaterialTexture(0, GDriver->getTexture(nativePath((Gexepath + texture).c_str()).c_str()));
    applyCollision(*this, parameters.c_str(), _node);
}

GenericObj::~GenericObj()
{
    leaveRegistry();
}

void GenericObj::rcvMessage(int m)
{
    GLog.writelf((stringc("GenericObj::rcvMsg ") + stringc(m)).c_str());
    if (m == 8)
        GBlackboard.singleSignal(this, _name, 8, "");
}

// Only the player's touch counts: the mission reads code 9 as "the player reached this object", and a
// monster passing by, or the level around it, would otherwise answer for him.
void GenericObj::collided(Collidable* who)
{
    GLog.writelf((stringc("GenericObj::collided ") + _name).c_str());
    if (isPlayer(who))
        GBlackboard.singleSignal(this, _name, 9, "");
}

void GenericObj::destroy()
{
    GLog.writelf((stringc("GenericObj::destroy ") + _name).c_str());
    leaveRegistry();
    if (GtriangleSelectorsCamera && _node->getTriangleSelector())
        GtriangleSelectorsCamera->removeTriangleSelector(_node->getTriangleSelector());
    removeCollision(this);
    _node->setPosition(vector3df(-10000, -10000, -10000));
    _node->updateAbsolutePosition();
    _node->setVisible(false);
    _node->remove();
    _node = nullptr;
}

void GenericObj::leaveRegistry()
{
    auto found = std::find(GgenericObj.begin(), GgenericObj.end(), this);
    if (found != GgenericObj.end())
        GgenericObj.erase(found);
}

GenericObj* findGenericObj(const char* name)
{
    GLog.writelf((stringc("GenericObj::find ") + name).c_str());
    auto found = std::find_if(GgenericObj.begin(), GgenericObj.end(),
                              [name](GenericObj* o) { return o->getName() == name; });
    return found == GgenericObj.end() ? nullptr : *found;
}
