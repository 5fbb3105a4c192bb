// One student's events read as stages: a stage lasts until the next, answers and captures land in the
// stage they happened in, and the latest game says where the student is now.
#include "MissionTimeline.h"

#include <gtest/gtest.h>

using namespace quizd;

namespace {

// age: seconds before the read; the arrival stamp is worked out from it against 10:30:00.
StoredEvent at(int game, long age, const char* kind, long stage, long seconds, long life = 100)
{
    char stamp[32];
    long t = 10 * 3600 + 30 * 60 - age;
    std::snprintf(stamp, sizeof stamp, "2026-01-01T%02ld:%02ld:%02ld.000Z", t / 3600, t / 60 % 60, t % 60);
    return {7, game, {kind, stage, stage == 1 ? "na entrada" : "procurando o pen drive", life, seconds}, stamp, age};
}

AttemptRow answer(const char* when, long question)
{
    return {std::string("2026-01-01T") + when + ".500Z", question, "", "", true};
}

}

TEST(MissionTimeline, GamesStagesDurationsAnswersAndNow)
{
    MissionTimeline t({at(1, 1000, "stage", 1, 0), at(1, 950, "capture", 1, 50), at(1, 900, "stage", 2, 100, 60),
                       at(1, 840, "end", 2, 160, 60), at(2, 600, "stage", 1, 0), at(2, 500, "stage", 2, 100),
                       at(2, 470, "life", 2, 130, 40)});
    t.attach({answer("10:13:30", 1), answer("10:15:10", 2), answer("10:20:30", 3)});
    const std::vector<StageVisit>& v = t.visits();
    ASSERT_EQ(v.size(), 4u);
    struct Expected {
        int game;
        long stage, seconds, captures;
        std::string ending;
        std::size_t answers;
    };
    const Expected expected[] = {{1, 1, 100, 1, "", 1}, {1, 2, 60, 0, "end", 1}, {2, 1, 100, 0, "", 1},
                                 {2, 2, 500, 0, "", 0}};
    for (std::size_t k = 0; k < v.size(); ++k) {
        EXPECT_EQ(v[k].game, expected[k].game) << k;
        EXPECT_EQ(v[k].stage, expected[k].stage) << k;
        EXPECT_EQ(v[k].seconds, expected[k].seconds) << k;
        EXPECT_EQ(v[k].captures, expected[k].captures) << k;
        EXPECT_EQ(v[k].ending, expected[k].ending) << k;
        EXPECT_EQ(v[k].answers.size(), expected[k].answers) << k;
    }
    PlayNow now = t.now();
    EXPECT_EQ(now.title, "procurando o pen drive");
    EXPECT_EQ(now.secondsInStage, 500);
    EXPECT_EQ(now.life, 40);
    EXPECT_EQ(now.captures, 0); // the capture was in the first game
    EXPECT_FALSE(now.talking);
    EXPECT_TRUE(now.stuck);

    MissionTimeline won({at(1, 100, "stage", 1, 0), at(1, 30, "capture", 1, 70), at(1, 20, "victory", 1, 80)});
    now = won.now();
    EXPECT_TRUE(now.finished);
    EXPECT_FALSE(now.stuck);
    EXPECT_TRUE(now.talking);
    EXPECT_EQ(now.captures, 1);
    EXPECT_EQ(now.secondsToFinish, 80);
}
