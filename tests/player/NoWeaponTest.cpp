// The empty hand: message 8 to what it reaches, nothing for the level, the player or what is out of reach.
#include "player/NoWeapon.h"
#include "support/PlayerWorld.h"
#include "support/Tiny3DS.h"
#include "world/Map.h"

namespace {

class NoWeaponTest : public PlayerWorld {
protected:
    void TearDown() override
    {
        delete GcurrentMap;
        PlayerWorld::TearDown();
    }
};

}

TEST_F(NoWeaponTest, ReachesAboutOneHundredAndFortyUnits)
{
    struct Case {
        float distance;
        bool used;
    };
    // The ray starts 5 ahead of the eye and is 130 x 1.1 long, the model's scale.
    const Case cases[] = {{20, true}, {100, true}, {145, true}, {152, false}, {300, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.distance);
        targets.clear();
        NoWeapon hand;
        hand.attachTo(holder(irr::core::vector3df(0, 0, 0)));
        Target* target = targetAhead(c.distance, 4);
        settle();
        EXPECT_TRUE(hand.shoot());
        EXPECT_EQ(target->messages, c.used ? std::vector<int>{8} : std::vector<int>{});
        EXPECT_TRUE(target->hits.empty());
    }
}

TEST_F(NoWeaponTest, LevelWallKeepsTheHandFromWhatStandsBehind)
{
    const std::string folder = makeTempDir() + "/";
    writeTiny3DS(folder + "map.3DS");
    GcurrentMap = new Map();
    GcurrentMap->load3DSMap(folder.c_str());
    // The level's wall stands at z = 85, floor at y = 0.
    NoWeapon hand;
    hand.attachTo(holder(irr::core::vector3df(0, 38, 0)));
    Target* behind = targets.emplace_back(std::make_unique<Target>(irr::core::vector3df(1.5f, 39, 100), 10)).get();
    settle();
    EXPECT_TRUE(hand.shoot());
    EXPECT_TRUE(behind->messages.empty());
}
