#include "mission/scenery.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/LogFile.h"
#include "platform/nativepath.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "world/Collectable.h"
#include "world/Collidable.h"
#include "world/GenericObj.h"
#include "world/LateSky.h"
#include "world/Map.h"
#include "world/Quadro.h"
#include "world/meshCheck.h"
#include "world/sceneryListReader.h"

using irr::core::vector3df;

void loadLevel()
{
    GcurrentMap = new Map();
    GcurrentMap->load3DSMap(Gexepath + "\\Media\\OrvendMap\\");
    if (Gconfig.wireframe)
        GcurrentMap->getNode()->setMaterialFlag(irr::video::EMF_WIREFRAME, true);
    GcurrentMap->loadGraph(Gexepath + "\\Media\\OrvendMap\\");
}

void addSky()
{
    irr::video::ITexture* sky = GDriver->getTexture(mediaFile("\\media\\skydome2.jpg"));
    LateSky* late = new LateSky(GSmgr->addSkyDomeSceneNode(sky, 16, 8, 1.0f, 1.5f, 1000.0f), GSmgr);
    late->setLate(Gconfig.culling);
    // The scene keeps it.
    late->drop();
}

void addPicture()
{
    irr::video::ITexture* picture = GDriver->getTexture(mediaFile("\\media\\quadro.JPG"));
    Quadro* quadro = GcurrentMap->keep(std::make_unique<Quadro>(
        picture, irr::core::dimension2df(440, 100), irr::core::dimension2du(1, 1), irr::core::dimension2df(1, 1)));
    quadro->getNode()->setPosition(vector3df(-860, 105, -1178));
    quadro->getNode()->setRotation(vector3df(90, 0, 180));
    quadro->getNode()->setVisible(true);
}

namespace {

irr::scene::IMeshSceneNode* addTable(irr::scene::IAnimatedMesh* mesh, const vector3df& at)
{
    irr::scene::IMeshSceneNode* node = GSmgr->addOctreeSceneNode(mesh, nullptr, -1, 256);
    node->setPosition(at);
    node->setScale(vector3df(0.5f));
    return node;
}

}  // namespace

void addTablesAndChairs()
{
    irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(mediaFile("\\media\\tablechair.3DS"));
    if (!mesh) {
        GLog.writelf("no tablechair.3DS");
        return;
    }
    addTable(mesh, vector3df(950, 0, 700))->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    for (int j = 0; j <= 2; ++j)
        for (int k = 0; k <= 2; ++k)
            if (j != 0 || k != 0)
                addTable(mesh, vector3df(1000.0f + 150.0f * k, 0, 700.0f + 150.0f * j));
}

namespace {

void report(const std::string& problem)
{
    std::puts(problem.c_str());
    GLog.writelf(problem.c_str());
}

// Each object joins its registries as it is made; the level keeps it.
void create(const scenerylist::Entry& e)
{
    const vector3df pos = e.position(), rot = e.rotation(), sca = e.scale();
    if (e.scenery())
        GcurrentMap->keep(std::make_unique<GenericObj>(e.nameLine.substr(1).c_str(), Gexepath + e.mesh.c_str(),
                                                       e.texture.c_str(), Gexepath + e.sound.c_str(),
                                                       e.properties.c_str(), pos, rot, sca));
    else
        GcurrentMap->keep(std::make_unique<Collectable>(e.nameLine.c_str(), Gexepath + e.mesh.c_str(),
                                                        Gexepath + e.texture.c_str(), Gexepath + e.sound.c_str(),
                                                        e.properties.c_str(), pos, rot, sca));
}

}  // namespace

void load_collectables(const irr::core::stringc& filename)
{
    GLog.writelf("Story::load_collectables");
    std::string problem;
    const std::vector<scenerylist::Entry> entries = scenerylist::read(nativePath(filename.c_str()), &problem);
    if (problem.rfind("cannot open ", 0) == 0)
        fatal("scenery list: " + problem);
    if (!problem.empty())
        report("scenery list: " + problem);
    for (const scenerylist::Entry& e : entries)
        create(e);
}

// The selectors are the level's and the objects' own: the set only refers to them.
void buildBlockingSet()
{
    irr::scene::IMetaTriangleSelector* blocking = GSmgr->createMetaTriangleSelector();
    blocking->addTriangleSelector(GcurrentMap->getSelector());
    for (Collidable* c : Gcolisao) {
        if (c->getNode() == GmainCamera->getNode() || !c->getCollisionCamera())
            continue;
        if (irr::scene::ITriangleSelector* selector = c->getNode()->getTriangleSelector())
            blocking->addTriangleSelector(selector);
    }
    GmainCamera->setColision(blocking);
    GtriangleSelectorsCamera = blocking;
}
