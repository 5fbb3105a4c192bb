// The picture on the wall: a collidable that stops rays and ignores shots and touches.
#include "messaging/Blackboard.h"
#include "shell/mediaFile.h"
#include "world/Quadro.h"
#include "world/SceneryFixture.h"

using irr::core::vector3df;

namespace {

using QuadroTest = SceneryFixture;

TEST_F(QuadroTest, PictureStopsRaysAndIgnoresShotsAndTouches)
{
    irr::video::ITexture* texture = GDriver->getTexture((Gexepath + "/media/quadro.JPG").c_str());
    Quadro picture(texture, irr::core::dimension2df(440, 100), irr::core::dimension2du(1, 1),
                   irr::core::dimension2df(1, 1));
    picture.getNode()->setPosition(vector3df(-860, 105, -1178));
    picture.getNode()->setRotation(vector3df(90, 0, 180));
    settle();
    EXPECT_STREQ(picture.getNode()->getName(), "quadro");
    EXPECT_EQ(picture.getNode()->getMaterial(0).getTexture(0), texture);
    EXPECT_FLOAT_EQ(picture.getCollisionRange(), 50);

    player(vector3df(-850, 105, -1178));
    picture.gotShoot(150, vector3df(-860, 105, -1178), vector3df(0, 0, 1));
    picture.rcvMessage(8);
    updateCollision();
    EXPECT_EQ(picture.getPosition(), vector3df(-860, 105, -1178));
    EXPECT_TRUE(registered(&picture));
    EXPECT_EQ(GBlackboard.size(), 0u);
    EXPECT_EQ(pointedAt(vector3df(-860, 105, -1178)), &picture);
}

}
