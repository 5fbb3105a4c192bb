// Beams: where a beam stands and how it points, which one a deletion takes, and the 3.14 angle factor.
#include "support/EngineTest.h"
#include "world/LaserBeam.h"

using irr::core::vector3df;

namespace {

class LaserBeamTest : public EngineTest {
protected:
    irr::scene::ISceneNode* lastChild() { return *GSmgr->getRootSceneNode()->getChildren().getLast(); }
};

TEST_F(LaserBeamTest, TargetAngleUsesTheDegreeFactorOf3_14)
{
    const struct {
        vector3df to;
        vector3df angle;
    } cases[] = {
        {{0, 0, 10}, {0.0456f, 0, 0}},
        {{10, 0, 0}, {0.0456f, 90.0456f, 0}},
        {{0, 0, -10}, {0.0456f, 180.0913f, 0}},
        {{-10, 0, 0}, {0.0456f, 269.9544f, 0}},
        {{0, 10, 0}, {270.0f, 0, 0}},
        {{0, -10, 0}, {90.0913f, 0, 0}},
        {{0, 0, 0}, {270.0f, 0, 0}},
    };
    for (const auto& c : cases) {
        const vector3df got = LaserBeam::getTargetAngle({0, 0, 0}, c.to);
        EXPECT_TRUE(got.equals(c.angle, 1e-3f)) << c.to.X << "," << c.to.Y << "," << c.to.Z << " gave " << got.X << ","
                                                << got.Y << "," << got.Z;
        EXPECT_TRUE(LaserBeam::getTargetAngle({5, 5, 5}, c.to + vector3df(5, 5, 5)).equals(got, 1e-3f));
    }
}

TEST_F(LaserBeamTest, BeamJoinsItsPointsAndDeletionTakesTheFirstOnTheMidpointInEitherOrder)
{
    LaserBeam beam(GSmgr, "no-such-texture.bmp");
    beam.newLine({0, 0, 0}, {10, 0, 0}, 10);
    irr::scene::ISceneNode* first = lastChild();
    EXPECT_EQ(first->getPosition(), vector3df(5, 0, 0));
    EXPECT_EQ(first->getScale(), vector3df(0.2f, 0.2f, 1));
    EXPECT_TRUE(first->getRotation().equals({0.0456f, 90.0456f, 0}, 1e-3f));
    EXPECT_EQ(first->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    beam.newLine({5, 5, 0}, {5, -5, 0}, 10);
    irr::scene::ISceneNode* second = lastChild();
    beam.newLine({0, 0, 0}, {0, 0, 30}, 30);
    irr::scene::ISceneNode* other = lastChild();

    EXPECT_TRUE(beam.deleteLine({10, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(beam.deleteLine({10, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(beam.deleteLine({10, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(beam.deleteLine({0, 0, 0}, {0, 0, 31}));
    EXPECT_TRUE(other->isVisible());
}

}  // namespace
