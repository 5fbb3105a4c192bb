// The portal: an additive billboard cycling through its seven frames.
#include "world/Portal.h"
#include "world/SceneryFixture.h"

namespace {

using PortalTest = SceneryFixture;

TEST_F(PortalTest, SevenFramesInALoopOfHundredMilliseconds)
{
    Portal portal(irr::core::vector3df(10, 20, 30));
    irr::scene::IBillboardSceneNode* bill = portal.getNode();
    EXPECT_EQ(bill->getSize(), irr::core::dimension2df(200, 200));
    EXPECT_EQ(bill->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    const irr::u32 start = GTimer->getTime();
    for (irr::u32 k = 0; k < 8; ++k) {
        bill->OnAnimate(start + 100 * k + 50);
        const irr::video::ITexture* frame = bill->getMaterial(0).getTexture(0);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->getName().getPath().find(("portal" + std::to_string(k % 7 + 1)).c_str()) >= 0) << k;
    }
}

}
