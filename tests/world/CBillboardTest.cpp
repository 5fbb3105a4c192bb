// The answer sign: carried by the camera, hidden by the agenda 750 ms after it was shown.
#include "messaging/Agenda.h"
#include "shell/mediaFile.h"
#include "support/PinnedTimer.h"
#include "world/CBillboard.h"
#include "world/SceneryFixture.h"

namespace {

class CBillboardTest : public SceneryFixture {
protected:
    void SetUp() override
    {
        SceneryFixture::SetUp();
        GTimer = &timer;
        eye = GSmgr->addCameraSceneNode();
        sign = std::make_unique<CBillboard>(Gexepath + "\\media\\badsign.png", "magic.wav",
                                            irr::core::vector2df(5, 5));
    }

    void TearDown() override
    {
        sign.reset();
        SceneryFixture::TearDown();
    }

    void at(irr::u32 now)
    {
        timer.set(now);
        GAgenda.exec();
    }

    PinnedTimer timer{10000};
    irr::scene::ICameraSceneNode* eye = nullptr;
    std::unique_ptr<CBillboard> sign;
};

TEST_F(CBillboardTest, SignHides750MsAfterTheFirstShow)
{
    auto* bill = static_cast<irr::scene::IBillboardSceneNode*>(*eye->getChildren().begin());
    EXPECT_EQ(bill->getSize(), irr::core::dimension2df(3, 3));
    EXPECT_FALSE(sign->isShown());
    sign->show();
    at(10500);
    sign->show();
    at(10749);
    EXPECT_TRUE(sign->isShown());
    at(10750);
    EXPECT_FALSE(sign->isShown());
}

TEST_F(CBillboardTest, AnyMessageHidesTheSign)
{
    for (int m : {0, 8, -1, 54321}) {
        sign->show();
        sign->rcvMessage(m);
        EXPECT_FALSE(sign->isShown()) << m;
    }
}

}
