// Tests of the collision sweep's rhythm: not on frames 1 to 3, then on every third frame.
#include <gtest/gtest.h>
#include <vector>

#include "app/CollisionCadence.h"

TEST(CollisionCadenceTest, SweepsOnTheFourthFrameAndEveryThirdAfter)
{
    CollisionCadence cadence;
    std::vector<int> sweeps;
    for (int frame = 1; frame <= 13; ++frame)
        if (cadence.due())
            sweeps.push_back(frame);
    EXPECT_EQ(sweeps, (std::vector<int>{4, 7, 10, 13}));
}
