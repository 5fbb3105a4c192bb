// Damage through injure: the death threshold at zero, overkill, repeated deaths, defence ignored.
#include <gtest/gtest.h>

#include "messaging/Character.h"

namespace {

class Fighter : public Character {
public:
    Fighter(float life, float defence)
    {
        setLife(life);
        setDefence(defence);
    }
    void shoot() override {}
    void pegarArma(Arma*) override {}
    void die() override { ++deaths; }

    int deaths = 0;
};

TEST(CharacterTest, ZeroDamageKillsNobodyButRepeatsADeath)
{
    Fighter living(100, 1.0f);
    living.injure(0);
    EXPECT_EQ(living.getLife(), 100);
    EXPECT_EQ(living.deaths, 0);

    Fighter dead(0, 1.0f);
    dead.injure(0);
    EXPECT_EQ(dead.deaths, 1);
}

TEST(CharacterTest, LifeExactlyUsedUpIsDeath)
{
    Fighter f(30, 1.0f);
    f.injure(30);
    EXPECT_EQ(f.getLife(), 0);
    EXPECT_FALSE(f.isAlive());
    EXPECT_EQ(f.deaths, 1);
}

TEST(CharacterTest, OverkillLeavesNegativeLifeAndEveryLaterHitDiesAgain)
{
    Fighter f(30, 1.0f);
    f.injure(50);
    EXPECT_EQ(f.getLife(), -20);
    f.injure(10);
    f.injure(10);
    EXPECT_EQ(f.getLife(), -20);
    EXPECT_EQ(f.deaths, 3);
}

TEST(CharacterTest, DefenceDoesNotReduceDamage)
{
    Fighter weak(100, 0.1f);
    Fighter strong(100, 1.0f);
    weak.injure(37);
    strong.injure(37);
    EXPECT_EQ(weak.getLife(), 63);
    EXPECT_EQ(strong.getLife(), 63);
}

}
