// The answer sign: carried by the camera, shown with its sound, hidden by the agenda 750 ms later.
#include <memory>

#include "messaging/Agenda.h"
#include "platform/SoundEngine.h"
#include "support/PinnedTimer.h"
#include "world/CBillboard.h"
#include "world/SceneryFixture.h"

using irr::core::vector3df;

namespace {

class CBillboardTest : public SceneryFixture {
protected:
    void SetUp() override
    {
        SceneryFixture::SetUp();
        GTimer = &timer;
        eye = GSmgr->addCameraSceneNode(nullptr, vector3df(200, 100, -650));
        sign = std::make_unique<CBillboard>(Gexepath + "\\media\\oksign.png", "magic.wav",
                                            irr::core::vector2df(5, 5));
    }

    void TearDown() override
    {
        sign.reset();
        if (GSound)
            GSound->drop();
        SceneryFixture::TearDown();
    }

    void at(irr::u32 now)
    {
        timer.set(now);
        GAgenda.exec();
    }

    irr::scene::IBillboardSceneNode* node() const
    {
        return static_cast<irr::scene::IBillboardSceneNode*>(*eye->getChildren().begin());
    }

    PinnedTimer timer{10000};
    irr::scene::ICameraSceneNode* eye = nullptr;
    std::unique_ptr<CBillboard> sign;
};

TEST_F(CBillboardTest, SignRidesWithTheCameraHiddenAtThreeByThree)
{
    ASSERT_EQ(eye->getChildren().size(), 1u);
    irr::scene::IBillboardSceneNode* bill = node();
    EXPECT_FALSE(sign->isShown());
    EXPECT_EQ(bill->getPosition(), vector3df(-1, -1, 5));
    EXPECT_EQ(bill->getSize(), irr::core::dimension2df(3, 3));
    EXPECT_EQ(bill->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    EXPECT_FALSE(bill->getMaterial(0).Lighting);
    EXPECT_NE(bill->getMaterial(0).getTexture(0), nullptr);
}

TEST_F(CBillboardTest, SignHides750MsAfterTheFirstShowEvenWhenShownAgain)
{
    at(10000);
    sign->show();
    at(10500);
    sign->show();
    EXPECT_EQ(GAgenda.size(), 2u);
    at(10749);
    EXPECT_TRUE(sign->isShown());
    at(10750);
    EXPECT_FALSE(sign->isShown());
    at(11250);
    EXPECT_FALSE(sign->isShown());
    EXPECT_EQ(GAgenda.size(), 0u);
}

TEST_F(CBillboardTest, AnyMessageHidesTheSign)
{
    for (int m : {0, 8, 9, -1, 54321}) {
        sign->show();
        sign->rcvMessage(m);
        EXPECT_FALSE(sign->isShown()) << m;
    }
    sign->show();
    sign->hide();
    EXPECT_FALSE(sign->isShown());
}

TEST_F(CBillboardTest, ShowingPlaysTheSoundOnlyWhenThereIsASoundEngine)
{
    sign->show();
    EXPECT_TRUE(sign->isShown());
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr) << "ALSOFT_DRIVERS=null gives a silent device";
    sign->show();
    EXPECT_EQ(GSound->voiceCount(), 1u);
}

TEST_F(CBillboardTest, DeletedSignGetsNoPendingHiding)
{
    sign->show();
    sign.reset();
    EXPECT_EQ(GAgenda.size(), 0u);
    at(20000);
    EXPECT_FALSE(eye->getChildren().empty());
}

}
