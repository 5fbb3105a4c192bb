// The angles the automatic player turns by to look from one point at another.
#include <gtest/gtest.h>

#include "demo/Steering.h"

using irr::core::vector3df;

TEST(SteeringTest, TurnsTheShortWayInTheCamerasAngles)
{
    const struct {
        vector3df rotation;
        vector3df target;  // seen from the origin
        float yaw;
        float pitch;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 100}, 0, 0},        // straight ahead
        {{0, 0, 0}, {100, 0, 0}, 90, 0},       // +X is to the right
        {{0, 0, 0}, {-100, 0, 0}, -90, 0},     // -X to the left
        {{0, 350, 0}, {0, 0, 100}, 10, 0},     // across 360: 10 right, not 350 left
        {{0, 10, 0}, {0, 0, -100}, 170, 0},    // behind
        {{0, 0, 0}, {0, -100, 100}, 0, 45},    // below: pitch down is positive
        {{350, 0, 0}, {0, 100, 100}, 0, -35},  // looking 10 up, target 45 up
        {{0, 270, 0}, {-100, 0, 0}, 0, 0},     // already facing it
    };
    for (const auto& c : cases) {
        const ViewTurn turn = Steering::turnToward(c.rotation, vector3df(0, 0, 0), c.target);
        EXPECT_NEAR(turn.yaw, c.yaw, 0.01f) << c.target.X << "," << c.target.Y << "," << c.target.Z;
        EXPECT_NEAR(turn.pitch, c.pitch, 0.01f) << c.target.X << "," << c.target.Y << "," << c.target.Z;
    }
}

TEST(SteeringTest, LevelTurnBringsTheViewBackToTheHorizon)
{
    const ViewTurn turn =
        Steering::turnLevelToward(vector3df(20, 0, 0), vector3df(0, 80, 0), vector3df(0, 0, 100));
    EXPECT_NEAR(turn.yaw, 0, 0.01f);
    EXPECT_NEAR(turn.pitch, -20, 0.01f);
    EXPECT_TRUE((ViewTurn{2, -3}).within(3));
    EXPECT_FALSE((ViewTurn{2, -3.5f}).within(3));
}

TEST(SteeringTest, WrapKeepsAnglesWithinHalfATurn)
{
    const float cases[][2] = {{0, 0},      {180, -180}, {-180, -180}, {190, -170},
                              {-190, 170}, {720, 0},    {-359, 1}};
    for (const auto& c : cases)
        EXPECT_NEAR(Steering::wrap(c[0]), c[1], 0.001f) << c[0];
}
