// The ninja and the spider: hits, deaths and their signal, the spider's cry and strike, the blows' rhythm.
#include <algorithm>

#include "ai/Brain1.h"
#include "ai/MonsterWorld.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "messaging/Agenda.h"
#include "messaging/Blackboard.h"
#include "platform/SoundEngine.h"
#include "player/LongSword.h"
#include "shell/Config.h"

using irr::core::vector3df;

namespace {

class MonsterKindsTest : public MonsterWorld {
protected:
    void TearDown() override
    {
        monsters.clear();
        if (GSound)
            GSound->drop();
        GSound = nullptr;
        Gconfig.killall = false;
        MonsterWorld::TearDown();
    }
    template <class Kind>
    Kind* make(const char* name, const vector3df& at = {0, 3, 0})
    {
        auto monster = std::make_unique<Kind>(new Brain1());
        monster->getNode()->setPosition(at);
        Kind* made = monster.get();
        monsters.push_back(std::move(monster));
        made->setName(name);
        settle();
        return made;
    }
    std::vector<std::unique_ptr<NPC>> monsters;
};

TEST_F(MonsterKindsTest, KindsTakeHitsUntilTheirLifeRunsOut)
{
    Spider* spider = make<Spider>("Spider1");
    for (int i = 0; i < 3; ++i)
        spider->gotShoot(50, {0, 3, 0}, {0, 0, 1});
    EXPECT_FLOAT_EQ(spider->getLife(), 150);
    EXPECT_FALSE(spider->isDying());

    Ninja* ninja = make<Ninja>("Ninja0");
    ninja->gotShoot(7, {0, 3, 0}, {0, 0, 1});
    EXPECT_NE(log().find("NPC::shoot Ninja0, life= 100.000000; hit= 7\n"), std::string::npos);
    ninja->gotShoot(93, {0, 3, 0}, {0, 0, 1});
    EXPECT_TRUE(ninja->isDying());
    EXPECT_NE(log().find("NPC::shoot Ninja0, life= 93.000000; hit= 93\nNinja::die\n"), std::string::npos);
    EXPECT_EQ(std::count(Gcolisao.begin(), Gcolisao.end(), ninja), 0) << "a dying ninja cannot be hit";
}

TEST_F(MonsterKindsTest, HitWithoutBloodStillReachesTheBrainAndTheLife)
{
    const struct {
        bool blood;
        std::size_t sprays;
    } cases[] = {{false, 0}, {true, 1}};
    for (const auto& c : cases) {
        Gblood = c.blood;
        Ninja* ninja = make<Ninja>("Ninja0");
        const std::size_t before = GSmgr->getRootSceneNode()->getChildren().size();
        ninja->gotShoot(10, {0, 40, 0}, {0, 0, 5});
        EXPECT_EQ(GSmgr->getRootSceneNode()->getChildren().size() - before, c.sprays) << c.blood;
        EXPECT_FLOAT_EQ(ninja->getLife(), 90) << c.blood;
    }
}

// A spray of see-through drops shows nothing: both kinds spray opaque ones.
TEST_F(MonsterKindsTest, HitsOnEitherKindSprayVisibleDrops)
{
    Gblood = true;
    for (NPC* monster : std::initializer_list<NPC*>{make<Ninja>("Ninja0"), make<Spider>("Spider0")}) {
        monster->gotShoot(10, {0, 40, 0}, {0, 0, 5});
        auto* spray = static_cast<irr::scene::IParticleSystemSceneNode*>(*GSmgr->getRootSceneNode()->getChildren().getLast());
        ASSERT_EQ(spray->getType(), irr::scene::ESNT_PARTICLE_SYSTEM);
        irr::scene::IParticleEmitter* emitter = spray->getEmitter();
        EXPECT_EQ(emitter->getMinStartColor().getAlpha(), 255u);
        EXPECT_EQ(emitter->getMaxStartColor().getAlpha(), 255u);
        EXPECT_GE(emitter->getMinStartSize().Width, 5.0f);
    }
}

// Each kind falls once through its death frames and stays down until its death is signalled.
TEST_F(MonsterKindsTest, DyingPlaysTheDeathOnce)
{
    const struct {
        NPC* monster;
        irr::s32 first, last;
    } cases[] = {{make<Ninja>("Ninja0"), 166, 172}, {make<Spider>("Spider0"), 382, 398}};
    for (const auto& c : cases) {
        c.monster->die();
        auto* body = static_cast<irr::scene::IAnimatedMeshSceneNode*>(c.monster->getNode());
        EXPECT_EQ(body->getStartFrame(), c.first);
        EXPECT_EQ(body->getEndFrame(), c.last);
        EXPECT_GT(body->getAnimationSpeed(), 0.0f);
        EXPECT_FALSE(body->getLoopMode());
    }
}

TEST_F(MonsterKindsTest, KillallKillsEachKindOnItsFirstFrameWithItsDeathSound)
{
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr);
    Gconfig.killall = true;
    Ninja* ninja = make<Ninja>("Ninja0");
    Spider* spider = make<Spider>("Spider0");
    playerAt({0, 80, 5000});
    ninja->exec();
    spider->exec();
    EXPECT_TRUE(ninja->isDying());
    EXPECT_TRUE(spider->isDying());
    EXPECT_EQ(GSound->voiceCount(), 2u) << "paper shredder and die1";
}

TEST_F(MonsterKindsTest, DeathMessageSignalsOnceAndHidesTheBody)
{
    Ninja* ninja = make<Ninja>("Ninja3");
    ninja->die();
    EXPECT_EQ(GAgenda.size(), 1u);
    timer.set(timer.getRealTime() + 1999);
    GAgenda.exec();
    EXPECT_EQ(GBlackboard.size(), 0u) << "not before two seconds";
    timer.set(timer.getRealTime() + 1);
    GAgenda.exec();
    ninja->rcvMessage(54321);
    EXPECT_FALSE(ninja->getNode()->isVisible());
    EXPECT_FALSE(ninja->isAlive());
    EXPECT_EQ(GBlackboard.size(), 1u) << "the second message only logs";
    irr::s32 code = 3;
    EXPECT_EQ(GBlackboard.queryAndDelete("Ninja3", code), ninja);
    const std::string text = log();
    const auto first = text.find("Ninja received 54321");
    EXPECT_NE(text.find("Ninja received 54321", first + 1), std::string::npos);

    // Left in place by the mission, the dead body neither strikes the player at its side nor dies again.
    Gconfig.killall = true;
    playerAt(ninja->getPosition() + irr::core::vector3df(0, 80, 10));
    for (int frame = 0; frame < 50; ++frame) {
        timer.set(timer.getRealTime() + 100);
        ninja->exec();
    }
    EXPECT_FLOAT_EQ(player->getLife(), 100);
    EXPECT_FALSE(ninja->isDying());
}

TEST_F(MonsterKindsTest, SpidersCryStartsOnItsFirstRunAndStopsWhenItDies)
{
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr);
    Spider* spider = make<Spider>("Spider0");
    spider->run();
    spider->run();
    spider->stop();
    spider->run();
    EXPECT_TRUE(spider->isCrying());
    EXPECT_EQ(GSound->voiceCount(), 1u);
    EXPECT_EQ(spider->getCurrentAnimation().start, 1);
    spider->die();
    EXPECT_FALSE(spider->isCrying());
}

TEST_F(MonsterKindsTest, SpiderStrikesThePlayerAheadUnlessAWallStandsBetween)
{
    // Each case in a lane of its own; the wall, across the Z axis, stands in the last one only.
    const struct {
        float lane;
        float player;  // how far ahead the player's body begins
        bool wall;
        float life;
    } cases[] = {{1000, 60, false, 92}, {2000, 130, false, 100}, {0, 60, true, 100}};
    for (const auto& c : cases) {
        player->setLife(100);
        Spider* spider = make<Spider>("Spider0", {c.lane, 40, 0});
        if (c.wall)
            wallAt(30);
        playerAt({c.lane, 80, c.player + 15});
        timer.set(timer.getTime() + 1000);
        spider->shoot();
        EXPECT_FLOAT_EQ(player->getLife(), c.life) << c.lane;
    }
}

// The brain asks for a blow every frame it attacks; two blows a second land at any frame rate.
TEST_F(MonsterKindsTest, BlowsLandTwiceASecondAtAnyFrameRate)
{
    for (int fps : {30, 300}) {
        player->setLife(1000);
        Spider* spider = make<Spider>("Spider0", {0, 40, 0});
        playerAt({0, 80, 75});
        for (int frame = 0; frame < 3 * fps; ++frame) {
            timer.set(timer.getTime() + 1000 / fps);
            spider->shoot();
        }
        EXPECT_NEAR(player->getLife(), 1000 - 6 * 8, 8) << fps << " frames a second";
        monsters.clear();
    }
}

TEST_F(MonsterKindsTest, RangesOfABodyWithoutAWeapon)
{
    Spider* spider = make<Spider>("Spider0", {0, 0, 0});
    const struct {
        float distance;
        bool sight, reach;
    } cases[] = {{349.9f, true, true}, {350, true, false}, {699.9f, true, false}, {700, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(spider->isInVisionRange({0, 0, c.distance}), c.sight) << c.distance;
        EXPECT_EQ(spider->isInAttackRange({c.distance, 0, 0}), c.reach) << c.distance;
    }
}

}  // namespace
