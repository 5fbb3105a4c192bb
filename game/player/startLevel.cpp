// The station as the player first finds it.
#include "player/startLevel.h"

#include "platform/LogFile.h"
#include "player/Camera.h"
#include "player/NoWeapon.h"
#include "player/Sniper.h"
#include "shell/Config.h"
#include "shell/Global.h"
#include "shell/mediaFile.h"
#include "world/Map.h"
#include "world/meshCheck.h"

namespace {

void loadMap()
{
    GcurrentMap = new Map();
    GcurrentMap->load3DSMap(Gexepath + "\\Media\\OrvendMap\\");
    GcurrentMap->loadGraph(Gexepath + "\\Media\\OrvendMap\\");
    if (Gconfig.wireframe)
        GcurrentMap->getNode()->setMaterialFlag(irr::video::EMF_WIREFRAME, true);
}

void addSky()
{
    irr::video::ITexture* sky = GDriver->getTexture(mediaFile("\\media\\skydome2.jpg"));
    GSmgr->addSkyDomeSceneNode(sky, 16, 8, 1.0f, 1.5f, 1000.0f);
}

void addTablesAndChairs()
{
    irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(mediaFile("\\media\\tablechair.3DS"));
    if (!mesh) {
        GLog.writelf("no tablechair.3DS");
        return;
    }
    irr::scene::IMeshSceneNode* first = GSmgr->addOctreeSceneNode(mesh, nullptr, -1, 256);
    first->setPosition(irr::core::vector3df(950, 0, 700));
    first->setScale(irr::core::vector3df(0.5f));
    first->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    for (int j = 0; j <= 2; ++j)
        for (int k = 0; k <= 2; ++k) {
            if (j == 0 && k == 0)
                continue;
            irr::scene::IMeshSceneNode* node = GSmgr->addOctreeSceneNode(mesh, nullptr, -1, 256);
            node->setPosition(irr::core::vector3df(1000.0f + 150.0f * k, 0, 700.0f + 150.0f * j));
            node->setScale(irr::core::vector3df(0.5f));
        }
}

// What the player cannot walk through: the level and every object that asked to block him.
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

}

void startLevel()
{
    GLog.writelf("startLevel");
    loadMap();
    addSky();
    GmainCamera->getNode()->setPosition(irr::core::vector3df(200, 100, -650));
    addTablesAndChairs();
    buildBlockingSet();
    GDevice->getCursorControl()->setVisible(false);
    GmainCamera->pegarArma(new Sniper());
    GmainCamera->pegarArma(new NoWeapon());
}
