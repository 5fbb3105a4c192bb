// Remembered log-ons: per pair, expiring, refusals kept only briefly.
#include "CredentialCache.h"

#include <gtest/gtest.h>

#include "SetClock.h"

using quizd::CredentialCache;

TEST(CredentialCache, RemembersEachPairSeparately)
{
    CredentialCache cache;
    cache.remember("ana", "certa", 7);
    cache.remember("ana", "errada", -1);
    EXPECT_EQ(cache.lookup("ana", "certa"), std::optional<long>(7));
    EXPECT_EQ(cache.lookup("ana", "errada"), std::optional<long>(-1));
    EXPECT_FALSE(cache.lookup("ana", "outra"));
    // The separator keeps "a" + "bc" apart from "ab" + "c".
    cache.remember("a", "bc", 1);
    EXPECT_FALSE(cache.lookup("ab", "c"));
}

TEST(CredentialCache, EntriesLiveTheirLifetimeRefusalsFiveSecondsAtMost)
{
    SetClock clock;
    CredentialCache cache(std::chrono::seconds(60), clock.now());
    cache.remember("ana", "certa", 7);
    cache.remember("ana", "errada", -1);
    clock.advance(std::chrono::seconds(5));
    EXPECT_EQ(cache.lookup("ana", "certa"), std::optional<long>(7));
    EXPECT_EQ(cache.lookup("ana", "errada"), std::optional<long>(-1));
    clock.advance(std::chrono::milliseconds(1));
    EXPECT_FALSE(cache.lookup("ana", "errada"));
    clock.advance(std::chrono::seconds(55) - std::chrono::milliseconds(1));
    EXPECT_EQ(cache.lookup("ana", "certa"), std::optional<long>(7));
    clock.advance(std::chrono::milliseconds(1));
    EXPECT_FALSE(cache.lookup("ana", "certa"));
}
