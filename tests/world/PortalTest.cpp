// The portal: an additive billboard cycling through its seven frames.
#include <memory>

#include "world/Portal.h"
#include "world/SceneryFixture.h"

using irr::core::vector3df;

namespace {

using PortalTest = SceneryFixture;

TEST_F(PortalTest, SevenFramesInALoopOfHundredMilliseconds)
{
    Portal portal(vector3df(10, 20, 30));
    irr::scene::IBillboardSceneNode* bill = portal.getNode();
    EXPECT_EQ(bill->getParent(), GSmgr->getRootSceneNode());
    EXPECT_EQ(bill->getPosition(), vector3df(10, 20, 30));
    EXPECT_EQ(bill->getSize(), irr::core::dimension2df(200, 200));
    EXPECT_EQ(bill->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_FALSE(bill->getMaterial(0).Lighting);
    ASSERT_EQ(bill->getAnimators().size(), 1u);

    std::vector<irr::video::ITexture*> frames;
    const irr::u32 start = GTimer->getTime();
    for (irr::u32 t = 0; t < 800; t += 100) {
        bill->OnAnimate(start + t + 50);
        frames.push_back(bill->getMaterial(0).getTexture(0));
    }
    for (size_t k = 0; k < 7; ++k) {
        ASSERT_NE(frames[k], nullptr) << k;
        EXPECT_NE(std::string(frames[k]->getName().getPath().c_str()).find("portal" + std::to_string(k + 1)),
                  std::string::npos);
    }
    EXPECT_EQ(frames[7], frames[0]);
}

}
