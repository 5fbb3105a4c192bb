// The projectile weapons: damage by distance, what stops a shot, and the picture in flight.
#include "player/ArmaComDelay.h"
#include "support/PlayerWorld.h"
#include "player/Sniper.h"
#include "player/Varinha.h"

namespace {

class ArmaComDelayTest : public PlayerWorld {
protected:
    std::vector<irr::scene::ISceneNode*> billboards()
    {
        std::vector<irr::scene::ISceneNode*> found;
        for (irr::scene::ISceneNode* node : GSmgr->getRootSceneNode()->getChildren())
            if (node->getType() == irr::scene::ESNT_BILLBOARD)
                found.push_back(node);
        return found;
    }
};

}

TEST_F(ArmaComDelayTest, DamageFallsWithTheDistanceByStepsOf75)
{
    struct Case {
        float distance;
        int damage;
    };
    // Full up to 150 units (the divisor is at least 1), then halves, thirds...
    const Case cases[] = {{74, 50}, {100, 50}, {149, 50}, {160, 25}, {230, 16}, {480, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.distance);
        targets.clear();
        Sniper sniper;
        sniper.attachTo(holder());
        Target* target = targetAhead(c.distance);
        settle();
        ASSERT_TRUE(sniper.shoot());
        EXPECT_EQ(target->hits, std::vector<int>{c.damage});
    }
}

TEST_F(ArmaComDelayTest, WandReachesFourThousandUnitsWithLittleLeft)
{
    Varinha wand;
    wand.attachTo(holder());
    Target* target = targetAhead(4000, 20);
    Target* beyond = targetAhead(4040, 20);
    settle();
    EXPECT_TRUE(wand.shoot());
    EXPECT_EQ(target->hits, std::vector<int>{120 / 53});
    EXPECT_TRUE(beyond->hits.empty());
    EXPECT_EQ(wand.getMunicao(), 99);
}

TEST_F(ArmaComDelayTest, SniperFires109TimesThenRefuses)
{
    Sniper sniper;
    sniper.attachTo(holder());
    settle();
    for (int left = 108; left >= 0; --left) {
        ASSERT_TRUE(sniper.shoot());
        ASSERT_EQ(sniper.getMunicao(), left);
    }
    const size_t pictures = billboards().size();
    EXPECT_FALSE(sniper.shoot());
    EXPECT_EQ(sniper.getMunicao(), 0);
    EXPECT_EQ(billboards().size(), pictures);
}

TEST_F(ArmaComDelayTest, WallStopsTheShotAndOpenSpaceLetsItThrough)
{
    Sniper sniper;
    sniper.attachTo(holder());
    Target* hidden = targetAhead(200);
    wallAt(120);
    settle();
    sniper.shoot();
    EXPECT_TRUE(hidden->hits.empty());

    Sniper other;
    other.attachTo(holder(irr::core::vector3df(0, 300, 0)));
    Target* inSight = targets.emplace_back(std::make_unique<Target>(irr::core::vector3df(1.5f, 301, 165), 10)).get();
    settle();
    other.shoot();
    EXPECT_EQ(inSight->hits, std::vector<int>{25});
}

TEST_F(ArmaComDelayTest, ShotFollowsTheHoldersView)
{
    irr::scene::ISceneNode* eye = holder();
    eye->setRotation(irr::core::vector3df(0, 90, 0));
    Sniper sniper;
    sniper.attachTo(eye);
    Target* ahead = targetAhead(100);
    Target* right = targets.emplace_back(std::make_unique<Target>(irr::core::vector3df(105, 1, 1.5f), 10)).get();
    settle();
    sniper.shoot();
    EXPECT_TRUE(ahead->hits.empty());
    EXPECT_EQ(right->hits, std::vector<int>{50});
}

TEST_F(ArmaComDelayTest, ProjectileFliesTheWholeRangeThenGoes)
{
    Sniper sniper;
    sniper.attachTo(holder());
    settle();
    const irr::u32 fired = GTimer->getTime();
    sniper.shoot();
    ASSERT_EQ(billboards().size(), 1u);
    irr::scene::ISceneNode* bullet = billboards()[0];
    EXPECT_EQ(bullet->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_FALSE(bullet->getMaterial(0).Lighting);

    // 530 units at 0.8 a millisecond: 662 ms.
    GSmgr->getRootSceneNode()->OnAnimate(fired + 331);
    EXPECT_NEAR(bullet->getPosition().Z, 265, 5);
    GSmgr->getRootSceneNode()->OnAnimate(fired + 640);
    GSmgr->drawAll();
    EXPECT_EQ(billboards().size(), 1u);
    GSmgr->getRootSceneNode()->OnAnimate(fired + 700);
    GSmgr->drawAll();
    EXPECT_TRUE(billboards().empty());
}
