// What the engine alone draws of the game's first view: the level scaled as the game scales it, the
// sky dome and the tables and chairs, seen by a first-person camera from the player's start, with no
// game logic at all. The yardstick the game's own figures are compared with.
#pragma once

#include <string>

#include <irrlicht.h>

// The game's window: 800x600, the same creation parameters, no wait for the screen.
inline irr::IrrlichtDevice* openBareWindow()
{
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_OPENGL;
    parameters.WindowSize = irr::core::dimension2du(800, 600);
    parameters.AntiAlias = 8;
    parameters.Vsync = false;
    parameters.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(parameters);
}

inline void buildBareScene(irr::IrrlichtDevice* device, const std::string& media)
{
    irr::scene::ISceneManager* smgr = device->getSceneManager();
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    smgr->setAmbientLight(irr::video::SColorf(1, 1, 1, 1));
    irr::scene::IMeshSceneNode* level =
        smgr->addOctreeSceneNode(smgr->getMesh((media + "/OrvendMap/map.3DS").c_str()), nullptr, -1, 512);
    level->setScale({17, 17, 17});
    level->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    smgr->addSkyDomeSceneNode(driver->getTexture((media + "/skydome2.jpg").c_str()), 16, 8, 1.0f, 1.5f,
                              1000.0f);
    irr::scene::IAnimatedMesh* furniture = smgr->getMesh((media + "/tablechair.3DS").c_str());
    for (int j = 0; j <= 2; ++j)
        for (int k = 0; k <= 2; ++k) {
            irr::scene::IMeshSceneNode* node = smgr->addOctreeSceneNode(furniture, nullptr, -1, 256);
            node->setPosition({j == 0 && k == 0 ? 950.0f : 1000.0f + 150.0f * k, 0, 700.0f + 150.0f * j});
            node->setScale(irr::core::vector3df(0.5f));
            // As the game has it: only the first one ignores the lights.
            node->setMaterialFlag(irr::video::EMF_LIGHTING, j != 0 || k != 0);
        }
    // Where the player's eye comes to rest at his start, looking where he looks.
    irr::scene::ICameraSceneNode* camera = smgr->addCameraSceneNodeFPS(nullptr, 100.0f, 0.5f);
    camera->setPosition({200, 80, -650});
    camera->updateAbsolutePosition();
    camera->setTarget({25, -7.5f, 6.2f});
    device->getGUIEnvironment()->getSkin()->setFont(
        device->getGUIEnvironment()->getFont((media + "/fontcalibri10.png").c_str()));
}

inline void drawBareFrame(irr::IrrlichtDevice* device)
{
    device->getVideoDriver()->beginScene(true, true, irr::video::SColor(0, 80, 80, 80));
    device->getSceneManager()->drawAll();
    device->getGUIEnvironment()->drawAll();
    device->getVideoDriver()->endScene();
}
