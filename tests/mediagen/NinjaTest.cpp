// The ninja model as the engine animates it: the four frame ranges the game plays are four different
// movements, each loop ends where it starts, and the engine poses the body as the generator meant.
#include "generators/ninja.h"
#include "AnimatedModel.h"

using irr::core::vector3df;

namespace {

class NinjaTest : public AnimatedModel {
protected:
    void SetUp() override
    {
        AnimatedModel::SetUp();
        load("ninja.b3d");
    }

    // Mean Z of the vertices near the ground on one side: where that foot is.
    static float footZ(const std::vector<vector3df>& positions, bool left)
    {
        float sum = 0;
        int n = 0;
        for (const vector3df& p : positions)
            if (p.Y < 1.2f && (p.X < 0) == left) {
                sum += p.Z;
                ++n;
            }
        return n ? sum / static_cast<float>(n) : 0.0f;
    }
};

}  // namespace

TEST_F(NinjaTest, StandsAboutEighteenUnitsTallAndKeepsTheWholeStandingLoop)
{
    EXPECT_NEAR(top(frame(206)), 18.0f, 1.0f);
    irr::scene::IAnimatedMeshSceneNode* node = GSmgr->addAnimatedMeshSceneNode(_mesh);
    node->setFrameLoop(206, 250);
    EXPECT_EQ(node->getEndFrame(), 250);
}

TEST_F(NinjaTest, FourRangesGiveFourDifferentPoses)
{
    const std::vector<std::vector<vector3df>> poses = {frame(3), frame(139), frame(172), frame(228)};
    for (std::size_t i = 0; i < poses.size(); ++i)
        for (std::size_t j = i + 1; j < poses.size(); ++j)
            EXPECT_GT(meanDistance(poses[i], poses[j]), 0.5f) << "poses " << i << " and " << j;
}

TEST_F(NinjaTest, EachRangeShowsItsMovement)
{
    EXPECT_GT(footZ(frame(3), true), footZ(frame(3), false) + 2.0f);
    EXPECT_LT(footZ(frame(10), true), footZ(frame(10), false) - 2.0f);
    EXPECT_GT(top(frame(138)), 21.0f);  // the sword raised over the head
    EXPECT_LT(top(frame(172)), 5.0f);   // lying on the ground
}

TEST_F(NinjaTest, LoopsEndWhereTheyStart)
{
    EXPECT_LT(meanDistance(frame(0), frame(13)), 1e-3f);
    EXPECT_LT(meanDistance(frame(134), frame(145)), 1e-3f);
    EXPECT_LT(meanDistance(frame(206), frame(250)), 1e-3f);
}

TEST_F(NinjaTest, EnginePosesTheBodyAsTheGeneratorDoes)
{
    const Humanoid body(true);
    for (float phase : {0.0f, 3.0f / 13.0f, 7.0f / 13.0f}) {
        const std::vector<vector3df> expected = body.posed(walkPose(phase));
        const std::vector<vector3df> loaded = frame(static_cast<int>(std::lround(phase * 13.0f)));
        ASSERT_GT(loaded.size(), 1000u);
        EXPECT_LT(worstMiss(loaded, expected), 1e-3f) << "phase " << phase;
    }
}
