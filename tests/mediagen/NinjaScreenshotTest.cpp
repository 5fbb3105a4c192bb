// The ninja's four movements drawn side by side with OpenGL (walk, attack, die, stand), saved as a
// picture for people to look at. Needs a display: ninja_screenshot.sh runs it under Xvfb.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <irrlicht.h>

using namespace irr;

namespace {

const int Frames[4] = {3, 138, 172, 206};
const int Width = 1024, Height = 384;

void placeNinjas(scene::ISceneManager* smgr, scene::IAnimatedMesh* mesh)
{
    // The camera looks towards -Z, so +X is on the left of the picture.
    for (int i = 0; i < 4; ++i) {
        scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(mesh);
        node->setPosition(core::vector3df(33.0f - 22.0f * static_cast<float>(i), 0, 0));
        node->setRotation(core::vector3df(0, -30, 0));
        node->setAnimationSpeed(0);
        node->setCurrentFrame(static_cast<f32>(Frames[i]));
    }
    smgr->addCameraSceneNode(nullptr, core::vector3df(0, 14, 34), core::vector3df(0, 8, 0));
    smgr->addLightSceneNode(nullptr, core::vector3df(30, 60, 80), video::SColorf(1, 1, 1), 400);
    smgr->setAmbientLight(video::SColorf(0.35f, 0.35f, 0.4f));
}

// How many pixels of a quarter of the picture differ from the background colour.
int figurePixels(video::IImage* shot, int quarter, video::SColor background)
{
    int count = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = quarter * Width / 4; x < (quarter + 1) * Width / 4; ++x)
            count += shot->getPixel(x, y).color != background.color;
    return count;
}

}  // namespace

TEST(NinjaScreenshot, FourPosesSideBySide)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    IrrlichtDevice* device = createDevice(video::EDT_OPENGL, core::dimension2du(Width, Height));
    ASSERT_NE(device, nullptr);
    video::IVideoDriver* driver = device->getVideoDriver();
    scene::ISceneManager* smgr = device->getSceneManager();
    scene::IAnimatedMesh* mesh = smgr->getMesh(SATLINK_BUILD_DIR "/media/ninja.b3d");
    ASSERT_NE(mesh, nullptr);
    placeNinjas(smgr, mesh);

    const video::SColor background(255, 96, 120, 150);
    // Drawn into a texture and read back from it: reading the window's buffers is unreliable under Xvfb.
    video::ITexture* target = driver->addRenderTargetTexture(core::dimension2du(Width, Height), "shot");
    ASSERT_NE(target, nullptr);
    driver->beginScene(true, true, background);
    driver->setRenderTarget(target, true, true, background);
    smgr->drawAll();
    driver->setRenderTarget(nullptr, false, false);
    driver->endScene();
    video::IImage* shot = driver->createImage(target, core::position2di(0, 0), target->getSize());
    ASSERT_NE(shot, nullptr);
    const std::string folder = SATLINK_BUILD_DIR "/screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(driver->writeImageToFile(shot, (folder + "/ninja_poses.png").c_str()));
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int figure = figurePixels(shot, quarter, background);
        EXPECT_GT(figure, 2000) << "pose " << quarter;
        EXPECT_LT(figure, Width * Height / 8) << "pose " << quarter;
    }
    shot->drop();
    device->drop();
}
