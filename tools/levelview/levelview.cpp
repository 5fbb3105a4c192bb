// levelview: builds the generated level as the game shows it (map x17, sky, scenery list, tables,
// picture) in an OpenGL window and saves one picture per camera given on the command line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <irrlicht.h>

#include "level/LevelPlan.h"
#include "shell/Engine.h"
#include "world/Map.h"
#include "world/sceneryListReader.h"

using namespace irr;

namespace {

struct Shot {
    core::vector3df eye, target;
    std::string file;
};

bool exists(const std::string& path) { return std::filesystem::exists(path); }

// The game's own loader builds the level, so what is seen here is what the game shows.
void addMap(Map& map, scene::ISceneManager* smgr, const std::string& media)
{
    GSmgr = smgr;
    map.load3DSMap((media + "/OrvendMap/").c_str());
}

void addSky(scene::ISceneManager* smgr, video::IVideoDriver* driver, const std::string& media)
{
    if (exists(media + "/skydome2.jpg"))
        smgr->addSkyDomeSceneNode(driver->getTexture((media + "/skydome2.jpg").c_str()), 16, 8, 1.0f, 1.5f, 1000.0f);
}

void addListed(scene::ISceneManager* smgr, video::IVideoDriver* driver, const std::string& media)
{
    std::string problem;
    const std::vector<scenerylist::Entry> entries = scenerylist::read(media + "/lista.txt", &problem);
    if (!problem.empty())
        std::fprintf(stderr, "levelview: lista.txt: %s\n", problem.c_str());
    for (const scenerylist::Entry& e : entries) {
        scene::ISceneNode* node = nullptr;
        if (e.shape() == "box") {
            scene::IMesh* box = smgr->getGeometryCreator()->createCubeMesh(e.boxSize());
            node = smgr->addMeshSceneNode(box);
            box->drop();
        } else if (scene::IAnimatedMesh* mesh = smgr->getMesh(scenerylist::mediaFile(media, e.mesh).c_str())) {
            node = smgr->addMeshSceneNode(mesh->getMesh(0));
        }
        if (!node)
            continue;
        node->setPosition(e.position());
        node->setRotation(e.rotation());
        node->setScale(e.scale());
        node->setMaterialFlag(video::EMF_LIGHTING, true);
        if (e.texture != "-")
            node->setMaterialTexture(0, driver->getTexture(scenerylist::mediaFile(media, e.texture).c_str()));
    }
}

void addTablesAndPicture(scene::ISceneManager* smgr, video::IVideoDriver* driver, const std::string& media)
{
    const std::string tableFile = media + "/tablechair.3DS";
    if (scene::IAnimatedMesh* tables = exists(tableFile) ? smgr->getMesh(tableFile.c_str()) : nullptr) {
        // The game draws the first group unlit and the other eight lit.
        const std::vector<PlanPoint> groups = orvendPlan().tableGroups;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            scene::ISceneNode* t = smgr->addOctreeSceneNode(tables->getMesh(0), nullptr, -1, 256);
            t->setPosition({groups[i].x, groups[i].y, groups[i].z});
            t->setScale({0.5f, 0.5f, 0.5f});
            t->setMaterialFlag(video::EMF_LIGHTING, i > 0);
        }
    }
    if (exists(media + "/quadro.JPG")) {
        scene::IMesh* plane = smgr->getGeometryCreator()->createPlaneMesh({440, 100}, {1, 1}, nullptr, {1, 1});
        scene::ISceneNode* picture = smgr->addMeshSceneNode(plane);
        plane->drop();
        picture->setMaterialTexture(0, driver->getTexture((media + "/quadro.JPG").c_str()));
        picture->setMaterialFlag(video::EMF_BACK_FACE_CULLING, false);
        picture->setPosition({-860, 105, -1178});
        picture->setRotation({90, 0, 180});
    }
}

// Draws into a texture and reads that back: the window's own buffers read back black under Xvfb.
void saveShot(IrrlichtDevice* device, scene::ICameraSceneNode* camera, video::ITexture* target, const Shot& shot)
{
    video::IVideoDriver* driver = device->getVideoDriver();
    camera->setPosition(shot.eye);
    camera->setTarget(shot.target);
    device->run();
    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    driver->setRenderTarget(target, true, true, video::SColor(255, 0, 0, 0));
    device->getSceneManager()->drawAll();
    driver->setRenderTarget(nullptr);
    driver->endScene();
    void* pixels = target->lock(video::ETLM_READ_ONLY);
    video::IImage* image =
        driver->createImageFromData(target->getColorFormat(), target->getSize(), pixels, false, false);
    if (!driver->writeImageToFile(image, shot.file.c_str()))
        std::fprintf(stderr, "levelview: cannot save %s\n", shot.file.c_str());
    image->drop();
    target->unlock();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 9 || (argc - 2) % 7 != 0) {
        std::fprintf(stderr, "usage: levelview MEDIA_FOLDER (OUT.png EYE_X EYE_Y EYE_Z AT_X AT_Y AT_Z)...\n");
        return 2;
    }
    const std::string media = argv[1];
    IrrlichtDevice* device = createDevice(video::EDT_OPENGL, core::dimension2du(1024, 768), 32);
    if (!device)
        return 1;
    scene::ISceneManager* smgr = device->getSceneManager();
    video::IVideoDriver* driver = device->getVideoDriver();
    smgr->setAmbientLight(video::SColorf(1, 1, 1, 1));
    auto map = std::make_unique<Map>();
    addMap(*map, smgr, media);
    addSky(smgr, driver, media);
    addListed(smgr, driver, media);
    addTablesAndPicture(smgr, driver, media);
    scene::ICameraSceneNode* camera = smgr->addCameraSceneNode();
    camera->setFarValue(5000);
    camera->setNearValue(2);
    video::ITexture* target =
        driver->addRenderTargetTexture(core::dimension2du(1024, 768), "shot", video::ECF_A8R8G8B8);
    for (int i = 2; i < argc; i += 7) {
        auto f = [&](int k) { return static_cast<float>(std::atof(argv[i + k])); };
        saveShot(device, camera, target, {{f(1), f(2), f(3)}, {f(4), f(5), f(6)}, argv[i]});
    }
    map.reset();
    device->drop();
    return 0;
}
