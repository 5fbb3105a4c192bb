// Chasing: when the route is planned again, where a new route starts, and a target out of reach.
#include <stdexcept>

#include "support/EngineTest.h"
#include "support/PinnedTimer.h"
#include "support/WpnBytes.h"
#include "world/FollowAnimator.h"
#include "world/Graph.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

// A body on the ground at monster height, with the speed and turn a monster kind gives it.
class Body : public Walker {
public:
    Body(irr::f32 speed, const vector3df& correction) : _speed(speed), _correction(correction)
    {
        _node = GSmgr->addEmptySceneNode();
        _node->setPosition({0, 3, 0});
    }
    vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    irr::f32 getSpeed() override { return _speed; }
    vector3df getCorRotation() override { return _correction; }

private:
    irr::scene::ISceneNode* _node;
    irr::f32 _speed;
    vector3df _correction;
};

class FollowAnimatorTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        GTimer = &timer;
        GGraph = &graph;
        GcurrentMap = &level;
    }

    PinnedTimer timer{0};
    Graph graph;
    Map level;
};

TEST_F(FollowAnimatorTest, PlansAgainAtMostOncePerDelayAndOnlyPastTenUnits)
{
    const vector3df aim(300, 3, 0);
    const struct {
        vector3df moved;
        bool planned;
    } cases[] = {
        {{10, 0, 0}, false},
        {{6, 0, 8}, false},
        {{11, 0, 0}, true},
        {{0, 11, 0}, true},
    };
    for (const auto& c : cases) {
        Body body(1, {0, 0, 0});
        timer.set(50000);
        FollowAnimator follow(&body, 1000, aim);
        follow.updateFollow(aim);
        timer.set(51999);
        follow.updateFollow(aim + vector3df(500, 0, 0));
        EXPECT_EQ(follow.getLastPos(), aim) << "not due before 2000 ms";
        timer.set(52000);
        follow.updateFollow(aim + c.moved);
        EXPECT_EQ(follow.getLastPos(), c.planned ? aim + c.moved : aim) << c.moved.X << "," << c.moved.Z;
    }
}

TEST_F(FollowAnimatorTest, NewRouteStartsWhereTheBodyStandsAtItsSpeedAndTurn)
{
    Body body(2, {0, 180, 0});
    FollowAnimator follow(&body, 0, {0, 3, 120});
    follow.updateFollow({0, 3, 120});
    // Six points a fifth of the way apart up to 20 short: the first step lands on the second.
    EXPECT_TRUE(body.getPosition().equals({0, 3, 20}, 1e-3f));
    timer.set(500);
    follow.updateFollow({0, 3, 120});
    EXPECT_TRUE(body.getPosition().equals({0, 3, 40}, 1e-3f)) << "two segments a second";

    timer.set(1000);
    follow.updateFollow({220, 3, 60});
    EXPECT_TRUE(body.getPosition().equals({0, 3, 60}, 1e-3f));
    follow.updateFollow({220, 3, 60});
    EXPECT_TRUE(body.getPosition().equals({40, 3, 60}, 1e-3f));
    EXPECT_NEAR(body.getNode()->getRotation().Y, 270 + 180, 1e-3) << "faces back along the step, turned by 180";
}

TEST_F(FollowAnimatorTest, TargetOutOfReachLeavesTheWalkAsItWas)
{
    WpnBytes w;
    w.u32(3).node(1, 1, {0, 3, 10}).edge(2, 100).node(1, 2, {100, 3, 10}).edge(1, 100).node(0, 3, {-100, 3, 10});
    graph.load(w.writeTo(makeTempDir() + "/w.wpn").c_str());
    Body body(1, {0, 0, 0});
    FollowAnimator follow(&body, 0, {100, 3, 0});
    EXPECT_THROW(follow.updateFollow({-100, 3, 0}), std::runtime_error);
    EXPECT_EQ(follow.getLastPos(), vector3df(100, 3, 0));
    timer.set(1000);
    follow.updateFollow({100, 3, 0});
    EXPECT_TRUE(body.getPosition().equals({32, 3, 0}, 1e-3f));
    EXPECT_THROW(FollowAnimator(&body, 0, {-100, 3, 0}), std::runtime_error);
}

}  // namespace
