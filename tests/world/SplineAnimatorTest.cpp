// The spline step: where the node is set at each segment, how far a late call goes, and its facing.
#include "support/EngineTest.h"
#include "world/SplineAnimator.h"

using irr::core::vector2df;
using irr::core::vector3df;

namespace {

class SplineAnimatorTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        node = GSmgr->addEmptySceneNode();
        node->setPosition({-1, 42, -1});
        node->setRotation({5, 0, 7});
    }

    void expectAt(const vector2df& ground, const char* when)
    {
        EXPECT_NEAR(node->getPosition().X, ground.X, 1e-3) << when;
        EXPECT_NEAR(node->getPosition().Y, 42, 1e-6) << when;
        EXPECT_NEAR(node->getPosition().Z, ground.Y, 1e-3) << when;
    }

    const std::vector<vector2df> square{{0, 0}, {60, 0}, {60, 60}, {0, 60}};
    irr::scene::ISceneNode* node = nullptr;
};

TEST_F(SplineAnimatorTest, FourPointsAtOneSegmentASecond)
{
    const vector2df& p0 = square[0], &p1 = square[1], &p2 = square[2], &p3 = square[3];
    SplineAnimator spline(0, square, 1);
    const struct {
        irr::u32 t;
        vector2df at;
    } steps[] = {
        {0, (p0 + p1 * 4 + p2) / 6},
        {500, (p0 * 0.125f + p1 * 2.875f + p2 * 2.875f + p3 * 0.125f) / 6},
        {1000, (p1 + p2 * 4 + p3) / 6},
        {2000, (p2 + p3 * 5) / 6},
        {3000, (p2 + p3 * 5) / 6},
        {90000, (p2 + p3 * 5) / 6},
    };
    for (const auto& s : steps) {
        spline.animateNode(node, s.t);
        expectAt(s.at, std::to_string(s.t).c_str());
    }
}

TEST_F(SplineAnimatorTest, LateCallMovesOneSegmentOnly)
{
    SplineAnimator spline(0, square, 1);
    spline.animateNode(node, 0);
    spline.animateNode(node, 100000);
    expectAt((square[1] + square[2] * 4 + square[3]) / 6, "after a long pause");
    spline.animateNode(node, 100250);
    expectAt((square[1] * 0.421875f + square[2] * 3.671875f + square[3] * 1.90625f) / 6, "a quarter on");
}

TEST_F(SplineAnimatorTest, ShortRoutes)
{
    SplineAnimator none(0, {}, 1);
    none.animateNode(node, 0);
    expectAt({-1, -1}, "no point");
    SplineAnimator one(0, {{9, 9}}, 1);
    one.animateNode(node, 5000);
    expectAt({-1, -1}, "one point");
    SplineAnimator two(0, {{0, 0}, {60, 6}}, 1);
    two.animateNode(node, 0);
    expectAt({50, 5}, "two points");
    two.animateNode(node, 1000);
    expectAt({50, 5}, "two points, later");
}

TEST_F(SplineAnimatorTest, FacesBackAlongItsStepPlusTheCorrection)
{
    const struct {
        vector3df correction;
        vector3df rotation;
    } cases[] = {
        {{0, 0, 0}, {5, 270, 7}},
        {{0, 180, 0}, {5, 450, 7}},
        {{1, 0, 2}, {6, 270, 9}},
    };
    for (const auto& c : cases) {
        node->setPosition({0, 42, 0});
        node->setRotation({5, 0, 7});
        SplineAnimator spline(0, {{30, 0}, {30, 0}, {30, 0}}, 1);
        spline.correctRotation(c.correction);
        spline.animateNode(node, 0);
        EXPECT_TRUE(node->getRotation().equals(c.rotation, 1e-3f)) << c.rotation.Y;
        spline.animateNode(node, 1000);
        const vector3df standing(5 + 2 * c.correction.X, c.correction.Y, 7 + 2 * c.correction.Z);
        EXPECT_TRUE(node->getRotation().equals(standing, 1e-3f)) << "a step of nothing faces angle 0";
    }
}

}  // namespace
