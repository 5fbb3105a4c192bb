// The chase: when the brain sees the player, whether it strikes or walks, and a target out of reach.
#include <stdexcept>

#include "ai/Brain1.h"
#include "ai/MonsterWorld.h"
#include "ai/Ninja.h"
#include "support/WpnBytes.h"

using irr::core::vector3df;

namespace {

class Brain1Test : public MonsterWorld {
protected:
    void TearDown() override
    {
        ninja.reset();
        MonsterWorld::TearDown();
    }
    Ninja* ninjaAt(const vector3df& at)
    {
        brain = new Brain1();
        ninja = std::make_unique<Ninja>(brain);
        ninja->getNode()->setPosition(at);
        settle();
        return ninja.get();
    }
    std::vector<int> states(int frames)
    {
        std::vector<int> seen;
        for (int i = 0; i < frames; ++i) {
            brain->exec();
            seen.push_back(brain->getState());
        }
        return seen;
    }

    Brain1* brain = nullptr;
    std::unique_ptr<Ninja> ninja;
};

TEST_F(Brain1Test, SeesThePlayerOnlyCloserThanItsVisionRange)
{
    const struct {
        float distance;
        int state;
    } cases[] = {{800.5f, EstandExec}, {800, EstandExec}, {799.5f, EfollowEnemy}};
    for (const auto& c : cases) {
        ninjaAt({0, 0, 0});
        playerAt({0, 0, c.distance});
        EXPECT_EQ(states(2), (std::vector<int>{EstandExec, c.state})) << c.distance;
    }
}

TEST_F(Brain1Test, PlayerWithinTheSwordsReachIsStruckWithoutWalking)
{
    ninjaAt({0, 0, 0});
    // The hand holds the sword at about (10, 80, 25); its reach is 30.
    playerAt({10, 80, 50});
    EXPECT_EQ(states(5), (std::vector<int>{EstandExec, EattackEnemy, EattackEnemyExec, EattackEnemyExec,
                                           EattackEnemyExec}));
    EXPECT_EQ(brain->getFollow(), nullptr);
    EXPECT_EQ(ninja->getCurrentAnimation().start, 134) << "the attacking frames";
}

TEST_F(Brain1Test, PlayerInSightButOutOfReachIsFollowedThenStruckWhenClose)
{
    ninjaAt({0, 3, 0});
    playerAt({0, 80, 400});
    EXPECT_EQ(states(4), (std::vector<int>{EstandExec, EfollowEnemy, EfollowEnemyExec, EfollowEnemyExec}));
    ASSERT_NE(brain->getFollow(), nullptr);
    EXPECT_EQ(ninja->getCurrentAnimation().start, 0) << "the walking frames";
    EXPECT_GT(ninja->getPosition().Z, 0) << "walked toward the player";

    // Closer than 110 but out of the sword's reach: attack, stop and strike, walk again, close in.
    playerAt(ninja->getPosition() + vector3df(0, 0, 100));
    EXPECT_EQ(states(5), (std::vector<int>{EattackEnemy, EattackEnemyExec, EfollowEnemy, EfollowEnemyExec,
                                           EattackEnemy}));
}

TEST_F(Brain1Test, MessagesChangeNothing)
{
    ninjaAt({0, 0, 0});
    playerAt({0, 0, 2000});
    states(1);
    for (int message : {2, 9, 54321})
        brain->rcvMessage(message);
    EXPECT_EQ(states(1), std::vector<int>{EstandExec});
}

TEST_F(Brain1Test, UnreachablePlayerLeavesNoFollowerAndIsPlannedForAgainOnTheNextFrame)
{
    WpnBytes w;
    w.u32(3).node(1, 1, {0, 3, 10}).edge(2, 100).node(1, 2, {100, 3, 10}).edge(1, 100).node(0, 3, {-100, 3, 10});
    graph.load(w.writeTo(makeTempDir() + "/w.wpn").c_str());
    ninjaAt({0, 3, 0});
    playerAt({-100, 3, 0});
    states(2);
    ASSERT_EQ(brain->getState(), EfollowEnemy);
    EXPECT_THROW(brain->exec(), std::runtime_error);
    EXPECT_EQ(brain->getFollow(), nullptr);
    EXPECT_EQ(brain->getState(), EfollowEnemy);

    playerAt({100, 3, 0});
    brain->exec();
    EXPECT_NE(brain->getFollow(), nullptr);
    EXPECT_EQ(brain->getState(), EfollowEnemyExec);
}

}  // namespace
