// The picture on the wall: a collidable that stops rays and ignores shots and touches.
#include <memory>

#include "messaging/Blackboard.h"
#include "world/Quadro.h"
#include "world/SceneryFixture.h"

using irr::core::vector3df;

namespace {

class QuadroTest : public SceneryFixture {
protected:
    void SetUp() override
    {
        SceneryFixture::SetUp();
        texture = GDriver->getTexture((Gexepath + "/media/quadro.JPG").c_str());
        picture = std::make_unique<Quadro>(texture, irr::core::dimension2df(440, 100),
                                           irr::core::dimension2du(1, 1), irr::core::dimension2df(1, 1));
        picture->getNode()->setPosition(vector3df(-860, 105, -1178));
        picture->getNode()->setRotation(vector3df(90, 0, 180));
        settle();
    }

    void TearDown() override
    {
        picture.reset();
        SceneryFixture::TearDown();
    }

    irr::video::ITexture* texture = nullptr;
    std::unique_ptr<Quadro> picture;
};

TEST_F(QuadroTest, PictureIsARegisteredTexturedPlane)
{
    ASSERT_NE(texture, nullptr);
    EXPECT_STREQ(picture->getNode()->getName(), "quadro");
    EXPECT_EQ(picture->getNode()->getMaterial(0).getTexture(0), texture);
    EXPECT_FLOAT_EQ(picture->getCollisionRange(), 50);
    EXPECT_EQ(Gcolisao, std::vector<Collidable*>{picture.get()});
    EXPECT_EQ(picture->getPosition(), vector3df(-860, 105, -1178));
}

TEST_F(QuadroTest, ShotsAndTouchesLeaveThePictureAsItIs)
{
    Body* you = player(vector3df(-850, 105, -1178));
    picture->gotShoot(150, vector3df(-860, 105, -1178), vector3df(0, 0, 1));
    picture->rcvMessage(8);
    updateCollision();
    EXPECT_EQ(picture->getPosition(), vector3df(-860, 105, -1178));
    EXPECT_TRUE(picture->getNode()->isVisible());
    EXPECT_TRUE(registered(picture.get()));
    EXPECT_TRUE(registered(you));
    EXPECT_EQ(GBlackboard.size(), 0u);

    // Facing in from the south wall: a ray from inside the lobby stops on it.
    const irr::core::line3df ray(vector3df(-860, 105, -1000), vector3df(-860, 105, -1300));
    vector3df hit;
    irr::core::triangle3df triangle;
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), picture.get());
    EXPECT_NEAR(hit.Z, -1178, 0.01);
}

}
