// The generated models drawn with OpenGL, saved as pictures for people to look at: the ninja's four
// movements side by side (walk, attack, die, stand), and the props and weapons as the game shows them.
// They need a display: screenshots.sh runs them under Xvfb.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include "OpenGLShot.h"

using namespace irr;

namespace {

const std::string Media = std::string(SATLINK_BUILD_DIR) + "/media/";
const video::SColor Background(255, 96, 120, 150);

// How many pixels of a column band of the picture differ from the background.
int figurePixels(video::IImage* shot, int band, int bands)
{
    const core::dimension2du size = shot->getDimension();
    int count = 0;
    for (u32 y = 0; y < size.Height; ++y)
        for (u32 x = band * size.Width / bands; x < (band + 1) * size.Width / bands; ++x)
            count += shot->getPixel(x, y).color != Background.color;
    return count;
}

void expectFigures(video::IImage* shot, int bands)
{
    const core::dimension2du size = shot->getDimension();
    for (int band = 0; band < bands; ++band) {
        const int figure = figurePixels(shot, band, bands);
        EXPECT_GT(figure, 1500) << "figure " << band;
        EXPECT_LT(figure, static_cast<int>(size.Width * size.Height) / bands / 2) << "figure " << band;
    }
}

}  // namespace

TEST(Screenshot, NinjaFourPosesSideBySide)
{
    OpenGLShot shot(1024, 384);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    scene::IAnimatedMesh* mesh = smgr->getMesh((Media + "ninja.b3d").c_str());
    ASSERT_NE(mesh, nullptr);
    const int frames[4] = {3, 138, 172, 206};
    // The camera looks towards -Z, so +X is on the left of the picture.
    for (int i = 0; i < 4; ++i) {
        scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(mesh);
        node->setPosition(core::vector3df(33.0f - 22.0f * static_cast<float>(i), 0, 0));
        node->setRotation(core::vector3df(0, -30, 0));
        node->setAnimationSpeed(0);
        node->setCurrentFrame(static_cast<f32>(frames[i]));
    }
    smgr->addCameraSceneNode(nullptr, core::vector3df(0, 14, 34), core::vector3df(0, 8, 0));
    smgr->addLightSceneNode(nullptr, core::vector3df(30, 60, 80), video::SColorf(1, 1, 1), 400);
    smgr->setAmbientLight(video::SColorf(0.35f, 0.35f, 0.4f));

    video::IImage* picture = shot.capture(Background);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(shot.save(picture, "ninja_poses.png"));
    expectFigures(picture, 4);
    picture->drop();
}

TEST(Screenshot, PropsAndWeaponsUnlit)
{
    OpenGLShot shot(1200, 400);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    struct Model {
        const char* file;
        const char* texture;
        float scale;
        core::vector3df rotation;
        int frame;
    };
    const Model models[6] = {
        {"gun/Pilum.3ds", nullptr, 0.3f, {0, 30, 60}, 0},   {"tablechair.3DS", nullptr, 0.16f, {0, 30, 0}, 0},
        {"shtangentzcirkul.3DS", nullptr, 4, {0, 20, 0}, 0}, {"gun/hand.obj", "hand.jpg", 4, {0, 180, 0}, 0},
        {"sniper.ms3d", "sniper.jpg", 1.6f, {0, 60, 0}, 0},  {"super.md2", "super.pcx", 0.35f, {0, 60, 0}, 12},
    };
    for (int i = 0; i < 6; ++i) {
        scene::IAnimatedMesh* mesh = smgr->getMesh((Media + models[i].file).c_str());
        ASSERT_NE(mesh, nullptr) << models[i].file;
        scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(mesh);
        node->setPosition(core::vector3df(80.0f - 32.0f * static_cast<float>(i), 0, 0));
        node->setRotation(models[i].rotation);
        node->setScale(core::vector3df(models[i].scale));
        node->setMaterialFlag(video::EMF_LIGHTING, false);
        node->setAnimationSpeed(0);
        node->setCurrentFrame(static_cast<f32>(models[i].frame));
        if (models[i].texture)
            node->setMaterialTexture(0, smgr->getVideoDriver()->getTexture((Media + models[i].texture).c_str()));
    }
    smgr->addCameraSceneNode(nullptr, core::vector3df(0, 16, 52), core::vector3df(0, 10, 0));

    video::IImage* picture = shot.capture(Background);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(shot.save(picture, "props_and_weapons.png"));
    expectFigures(picture, 6);
    picture->drop();
}
