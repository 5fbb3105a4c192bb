// The weapons' table: kinds, damage, ranges, ammunition, models; the ray weapon; a weapon without a model.
#include <functional>
#include <memory>

#include "player/LongSword.h"
#include "player/NoWeapon.h"
#include "player/Sniper.h"
#include "player/Varinha.h"
#include "shell/mediaFile.h"
#include "support/PlayerWorld.h"

namespace {

class ArmaTest : public PlayerWorld {};

}

TEST_F(ArmaTest, EachWeaponStartsWithItsValues)
{
    struct Case {
        const char* name;
        std::function<Arma*()> make;
        char tipo;
        unsigned damage;
        float range;
        int municao;
        bool visible;
        irr::core::vector3df position;
        float scale;
    };
    const Case cases[] = {
        {"sword", [] { return new LongSword(); }, 'B', 50, 70, -1, true, {0, 0, 0}, 1.1f},
        {"hand", [] { return new NoWeapon(); }, 'I', 0, 100, -1, false, {7, -8.5f, 13}, 1.1f},
        {"sniper", [] { return new Sniper(); }, 'H', 50, 500, 109, true, {5, -6.5f, 9}, 0.8f},
        {"wand", [] { return new Varinha(); }, 'M', 120, 4000, 100, true, {15, -30, 45}, 0.15f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Arma> arma(c.make());
        EXPECT_EQ(arma->tipo, c.tipo);
        EXPECT_EQ(arma->getDamage(), c.damage);
        EXPECT_FLOAT_EQ(arma->getRange(), c.range);
        EXPECT_EQ(arma->getMunicao(), c.municao);
        irr::scene::IAnimatedMeshSceneNode* node = arma->getNode();
        ASSERT_NE(node, nullptr);
        EXPECT_STREQ(node->getName(), c.name);
        EXPECT_EQ(node->isVisible(), c.visible);
        EXPECT_EQ(node->getPosition(), c.position);
        EXPECT_EQ(node->getScale(), irr::core::vector3df(c.scale));
        EXPECT_FALSE(node->getMaterial(0).Lighting);
    }
}

TEST_F(ArmaTest, AmmunitionOnlyGrowsAndUnlimitedNeverRunsOut)
{
    LongSword sword;
    sword.attachTo(holder());
    settle();
    EXPECT_TRUE(sword.shoot());
    EXPECT_TRUE(sword.shoot());
    EXPECT_EQ(sword.getMunicao(), -3);
    sword.addMunicao(-10);
    EXPECT_EQ(sword.getMunicao(), -3);
    sword.addMunicao(0);
    EXPECT_EQ(sword.getMunicao(), -3);

    NoWeapon hand;
    hand.attachTo(holder());
    settle();
    EXPECT_TRUE(hand.shoot());
    EXPECT_EQ(hand.getMunicao(), -1);
}

TEST_F(ArmaTest, SwordHurtsWhatItMeetsFirstWithFullDamage)
{
    LongSword sword;
    sword.attachTo(holder());
    Target* near = targetAhead(60);
    Target* behind = targetAhead(80);
    Target* far = targets.emplace_back(std::make_unique<Target>(irr::core::vector3df(100, 0, 110), 10)).get();
    settle();
    sword.shoot();
    EXPECT_EQ(near->hits, std::vector<int>{50});
    EXPECT_TRUE(behind->hits.empty());
    EXPECT_TRUE(far->hits.empty());
}

TEST_F(ArmaTest, SwordOutOfReachHitsNothing)
{
    LongSword sword;
    sword.attachTo(holder());
    // The ray is 100 units, 1.1 times as long through the model's scale: 110.
    Target* out = targetAhead(115);
    settle();
    EXPECT_TRUE(sword.shoot());
    EXPECT_TRUE(out->hits.empty());
}

TEST_F(ArmaTest, WeaponWithoutModelStillFiresFromItsHolder)
{
    Gexepath = makeTempDir().c_str();
    Sniper sniper;
    EXPECT_EQ(sniper.getNode(), nullptr);
    EXPECT_NE(log().find("no weapon model "), std::string::npos);
    EXPECT_NE(log().find("sniper.ms3d"), std::string::npos);
    sniper.show(true);
    sniper.attachTo(holder());
    Target* target = targetAhead(100);
    settle();
    EXPECT_TRUE(sniper.shoot());
    EXPECT_EQ(sniper.getMunicao(), 108);
    EXPECT_EQ(target->hits, std::vector<int>{50});

    NoWeapon hand;
    EXPECT_EQ(hand.getNode(), nullptr);
    hand.attachTo(holder());
    EXPECT_TRUE(hand.shoot());
    EXPECT_EQ(target->messages, std::vector<int>{8});
}
