// The spider model as the engine animates it: eight legs on the floor, each range the game plays shows
// its movement and closes its loop, and the engine poses the body as the generator meant.
#include "generators/spider.h"
#include "AnimatedModel.h"

using irr::core::vector3df;

namespace {

class SpiderTest : public AnimatedModel {
protected:
    void SetUp() override
    {
        AnimatedModel::SetUp();
        load("freebeast/spider.b3d");
    }

    // The vertices touching the floor, counted on each side and ahead or behind the body's middle.
    static int feet(const std::vector<vector3df>& positions, bool left, bool front)
    {
        int n = 0;
        for (const vector3df& p : positions)
            n += p.Y < 0.3f && (p.X < 0) == left && (p.Z > 0.5f) == front;
        return n;
    }

    static float meanHeight(const std::vector<vector3df>& positions)
    {
        float sum = 0;
        for (const vector3df& p : positions)
            sum += p.Y;
        return sum / static_cast<float>(positions.size());
    }
};

}  // namespace

TEST_F(SpiderTest, StandsOnEightLegsAboutSixUnitsHighAndKeepsTheWholeStandingLoop)
{
    const std::vector<vector3df> standing = frame(240);
    EXPECT_NEAR(top(standing), 5.6f, 0.5f);
    for (bool left : {true, false})
        for (bool front : {true, false})
            EXPECT_GT(feet(standing, left, front), 0) << (left ? "left " : "right ") << (front ? "front" : "back");
    irr::scene::IAnimatedMeshSceneNode* node = GSmgr->addAnimatedMeshSceneNode(_mesh);
    node->setFrameLoop(206, 250);
    EXPECT_EQ(node->getEndFrame(), 250);
    node->setFrameLoop(382, 398);
    EXPECT_EQ(node->getEndFrame(), 398);
}

TEST_F(SpiderTest, EachRangeShowsItsMovement)
{
    const std::vector<vector3df> rest = frame(240);
    EXPECT_GT(meanDistance(frame(7), frame(19)), 0.1f);          // the two sets of legs take turns
    EXPECT_GT(top(frame(202)), top(rest) + 3.0f);                // rears with the front legs high
    EXPECT_LT(meanHeight(frame(398)), meanHeight(rest) - 0.5f);  // dead, down on the floor
    EXPECT_GT(meanDistance(frame(214), rest), 0.02f);            // pawing the floor while it waits
}

TEST_F(SpiderTest, LoopsEndWhereTheyStart)
{
    EXPECT_LT(meanDistance(frame(1), frame(25)), 1e-3f);
    EXPECT_LT(meanDistance(frame(197), frame(230)), 1e-3f);
    EXPECT_LT(meanDistance(frame(206), frame(250)), 1e-3f);
}

TEST_F(SpiderTest, EnginePosesTheBodyAsTheGeneratorDoes)
{
    const JointedBody body = spiderBody();
    for (int f : {7, 202, 214, 390}) {
        const std::vector<vector3df> loaded = frame(f);
        ASSERT_GT(loaded.size(), 1000u);
        EXPECT_LT(worstMiss(loaded, body.posed(spiderPose(f))), 1e-3f) << "frame " << f;
    }
}
