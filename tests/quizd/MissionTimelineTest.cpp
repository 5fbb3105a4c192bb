// A student's second game: the first one's stages keep their lengths up to its end, and where the
// student is now (captures included) comes from the latest game alone.
#include "MissionTimeline.h"

#include <gtest/gtest.h>

using namespace quizd;

namespace {

// age: seconds before the read.
StoredEvent at(int game, long age, const char* kind, long stage, long seconds, long life = 100)
{
    return {7, game, {kind, stage, "fase " + std::to_string(stage), life, seconds}, "", age};
}

}

TEST(MissionTimeline, TheLatestGameSaysWhereTheStudentIsNow)
{
    MissionTimeline t({at(1, 1000, "stage", 1, 0), at(1, 950, "capture", 1, 50),
                       at(1, 900, "stage", 2, 100, 60), at(1, 840, "end", 2, 160, 60),
                       at(2, 600, "stage", 1, 0), at(2, 500, "stage", 2, 100),
                       at(2, 470, "life", 2, 130, 40)});
    std::vector<long> lengths;
    for (const StageVisit& v : t.visits())
        lengths.push_back(v.seconds);
    EXPECT_EQ(lengths, std::vector<long>({100, 60, 100, 500}));  // the last one still being played
    PlayNow now = t.now();
    EXPECT_EQ(now.title, "fase 2");
    EXPECT_EQ(now.life, 40);
    EXPECT_EQ(now.captures, 0);
    EXPECT_FALSE(now.talking);
    EXPECT_TRUE(now.stuck);
}
