// The generated media drawn with OpenGL, saved as pictures for people to look at: the ninja's and the
// spider's four movements side by side (walk, attack, die, stand), the props and weapons as the game shows them, and
// the fonts as the dialogs and the status line draw them.
// They need a display: screenshots.sh runs them under Xvfb.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include "OpenGLShot.h"
#include "ai/bloodSpray.h"
#include "shell/Engine.h"

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

// Draws the scene, keeps the picture under the given name, and expects one figure per band.
void expectFiguresShot(OpenGLShot& shot, const char* name, int bands)
{
    video::IImage* picture = shot.capture(Background);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(shot.save(picture, name));
    expectFigures(picture, bands);
    picture->drop();
}

}  // namespace

// Four frames of an animated model side by side under one light, as seen from the camera.
void fourPoses(const char* file, const int (&frames)[4], float spacing, const core::vector3df& eye,
               const core::vector3df& target, const char* picture)
{
    OpenGLShot shot(1024, 384);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    scene::IAnimatedMesh* mesh = smgr->getMesh((Media + file).c_str());
    ASSERT_NE(mesh, nullptr);
    // The camera looks towards -Z, so +X is on the left of the picture.
    for (int i = 0; i < 4; ++i) {
        scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(mesh);
        node->setPosition(core::vector3df(spacing * (1.5f - static_cast<float>(i)), 0, 0));
        node->setRotation(core::vector3df(0, -30, 0));
        node->setAnimationSpeed(0);
        node->setCurrentFrame(static_cast<f32>(frames[i]));
    }
    smgr->addCameraSceneNode(nullptr, eye, target);
    smgr->addLightSceneNode(nullptr, core::vector3df(30, 60, 80), video::SColorf(1, 1, 1), 400);
    smgr->setAmbientLight(video::SColorf(0.35f, 0.35f, 0.4f));

    expectFiguresShot(shot, picture, 4);
}

TEST(Screenshot, NinjaFourPosesSideBySide)
{
    fourPoses("ninja.b3d", {3, 138, 172, 206}, 22, {0, 14, 34}, {0, 8, 0}, "ninja_poses.png");
}

// Walking, rearing to strike, dead, standing.
TEST(Screenshot, SpiderFourPosesSideBySide)
{
    fourPoses("freebeast/spider.b3d", {7, 203, 398, 240}, 14, {0, 11, 21}, {0, 2, 0}, "spider_poses.png");
}

// Close up, as the player sees the fight: the spider rearing to strike, and a ninja hit by a shot.
TEST(Screenshot, SpiderStrikingCloseUp)
{
    OpenGLShot shot(800, 600);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    scene::IAnimatedMesh* mesh = smgr->getMesh((Media + "freebeast/spider.b3d").c_str());
    ASSERT_NE(mesh, nullptr);
    scene::IAnimatedMeshSceneNode* spider = smgr->addAnimatedMeshSceneNode(mesh);
    spider->setScale(core::vector3df(8));
    spider->setRotation(core::vector3df(0, 20, 0));
    spider->setAnimationSpeed(0);
    spider->setCurrentFrame(203);
    spider->setMaterialTexture(0, smgr->getVideoDriver()->getTexture((Media + "freebeast/beast3.jpg").c_str()));
    smgr->addCameraSceneNode(nullptr, core::vector3df(-20, 55, 95), core::vector3df(0, 35, 0));
    smgr->addLightSceneNode(nullptr, core::vector3df(60, 200, 200), video::SColorf(1, 1, 1), 600);
    smgr->setAmbientLight(video::SColorf(0.35f, 0.35f, 0.4f));

    expectFiguresShot(shot, "spider_strike.png", 1);
}

TEST(Screenshot, HitSprayOnANinja)
{
    OpenGLShot shot(800, 600);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    scene::IAnimatedMesh* mesh = smgr->getMesh((Media + "ninja.b3d").c_str());
    ASSERT_NE(mesh, nullptr);
    scene::IAnimatedMeshSceneNode* ninja = smgr->addAnimatedMeshSceneNode(mesh);
    ninja->setScale(core::vector3df(10));
    ninja->setAnimationSpeed(0);
    ninja->setCurrentFrame(206);
    smgr->addCameraSceneNode(nullptr, core::vector3df(0, 130, 190), core::vector3df(0, 110, 0));
    smgr->addLightSceneNode(nullptr, core::vector3df(60, 250, 250), video::SColorf(1, 1, 1), 800);
    smgr->setAmbientLight(video::SColorf(0.35f, 0.35f, 0.4f));
    GSmgr = smgr;
    sprayBlood(core::vector3df(0, 125, 12), core::vector3df(0.3f, 0.2f, 1));
    GSmgr = nullptr;
    // The drops come out with the clock: draw until they show.
    int drops = 0;
    video::IImage* picture = nullptr;
    for (int frame = 0; frame < 200 && drops < 400; ++frame) {
        if (picture)
            picture->drop();
        picture = shot.capture(Background);
        ASSERT_NE(picture, nullptr);
        drops = 0;
        for (u32 y = 0; y < 600; ++y)
            for (u32 x = 0; x < 800; ++x) {
                const video::SColor c = picture->getPixel(x, y);
                drops += c.getBlue() > 150 && c.getRed() < 60;
            }
    }
    EXPECT_TRUE(shot.save(picture, "hit_spray.png"));
    EXPECT_GE(drops, 400);
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

    expectFiguresShot(shot, "props_and_weapons.png", 6);
}

TEST(Screenshot, FontsAsTheGameDrawsThem)
{
    OpenGLShot shot(800, 300);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    gui::IGUIEnvironment* gui = shot.gui();
    gui::IGUIFont* text = gui->getFont((Media + "fontcalibri10.png").c_str());
    gui::IGUIFont* message = gui->getFont((Media + "fontcalibri12.png").c_str());
    gui::IGUIFont* status = gui->getFont((Media + "battlefield.bmp").c_str());
    ASSERT_TRUE(text && message && status);
    gui->getSkin()->setFont(text);
    gui::IGUIWindow* dialog = gui->addWindow(core::recti(20, 20, 420, 150), false, L"Identifica\u00e7\u00e3o");
    gui->addStaticText(L"Digite usu\u00e1rio e senha!", core::recti(20, 40, 380, 60), false, true, dialog);
    gui->addStaticText(L"\u00c1gua, ma\u00e7\u00e3, p\u00e3o, voc\u00ea, \u00f3culos, \u00faltimo, \u00c9poca",
                       core::recti(20, 70, 380, 90), false, true, dialog);
    gui->addButton(core::recti(150, 95, 250, 120), dialog, -1, L"Entrar");

    video::IImage* picture = shot.capture(video::SColor(255, 60, 110, 170), [&] {
        message->draw(L"Sinal recuperado. Computador online.\nIniciando download... \u00e7\u00e3\u00e9",
                      core::recti(440, 40, 790, 120), video::SColor(255, 250, 250, 0));
        status->draw(L"100", core::recti(30, 240, 200, 290), video::SColor(255, 128, 255, 0));
        status->draw(L"-", core::recti(700, 240, 790, 290), video::SColor(255, 128, 255, 0));
    });
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(shot.save(picture, "fonts.png"));
    int yellow = 0, green = 0;
    for (u32 y = 0; y < 300; ++y)
        for (u32 x = 0; x < 800; ++x) {
            const video::SColor c = picture->getPixel(x, y);
            yellow += c.getRed() > 200 && c.getGreen() > 200 && c.getBlue() < 80;
            green += c.getGreen() > 200 && c.getRed() > 100 && c.getRed() < 160 && c.getBlue() < 60;
        }
    EXPECT_GT(yellow, 300);
    EXPECT_GT(green, 300);
    picture->drop();
}

TEST(Screenshot, SkyDomeAsTheLevelShowsIt)
{
    OpenGLShot shot(800, 400);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    scene::ISceneManager* smgr = shot.scene();
    smgr->addSkyDomeSceneNode(smgr->getVideoDriver()->getTexture((Media + "skydome2.jpg").c_str()), 16, 8, 1.0f, 1.5f, 1000.0f);
    smgr->addCameraSceneNode(nullptr, core::vector3df(0, 0, 0), core::vector3df(0, 200, 1000));
    video::IImage* picture = shot.capture(Background);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(shot.save(picture, "skydome.png"));
    // Sky above: bluer at the top of the picture than at its bottom, near the horizon.
    EXPECT_GT(picture->getPixel(400, 5).getBlue(), picture->getPixel(400, 5).getRed());
    EXPECT_NE(picture->getPixel(400, 5).color, Background.color);
    picture->drop();
}
