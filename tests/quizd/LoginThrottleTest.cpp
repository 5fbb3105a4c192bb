// Password guessing slowed down per name and per address, on a clock the test moves by hand.
#include "LoginThrottle.h"

#include <gtest/gtest.h>

using quizd::LoginThrottle;
using std::chrono::seconds;

namespace {

const LoginThrottle::Limits kName{5, 10, seconds(300), seconds(900)};
const LoginThrottle::Limits kAddress{30, 60, seconds(300), seconds(900)};

}

TEST(LoginThrottle, WaitsGrowAfterTheFreeFailuresThenLock)
{
    struct Step {
        int failures;            // failures of one name so far
        long long expectedWait;  // seconds before its next try is checked (0: at once)
    };
    const Step steps[] = {{1, 0}, {5, 0}, {6, 1}, {7, 2}, {8, 4}, {9, 8}, {10, 300}, {11, 300}};
    for (const Step& step : steps) {
        LoginThrottle throttle(kName, kAddress);
        LoginThrottle::Clock::time_point t{};
        for (int k = 0; k < step.failures; ++k) throttle.failed("aluno:ana", "10.0.0.1", t);
        std::optional<seconds> wait = throttle.wait("aluno:ana", "10.0.0.1", t);
        EXPECT_EQ(wait.value_or(seconds(0)).count(), step.expectedWait) << step.failures << " failures";
        if (wait) {
            EXPECT_TRUE(throttle.wait("aluno:ana", "10.0.0.1", t + *wait - std::chrono::milliseconds(1)));
            EXPECT_FALSE(throttle.wait("aluno:ana", "10.0.0.1", t + *wait));
        }
    }
}

TEST(LoginThrottle, OneGuessedNameDoesNotHoldUpTheClassBehindTheSameAddress)
{
    LoginThrottle throttle(kName, kAddress);
    LoginThrottle::Clock::time_point t{};
    for (int k = 0; k < 10; ++k) throttle.failed("aluno:ana", "10.0.0.1", t);
    EXPECT_TRUE(throttle.wait("aluno:ana", "10.0.0.1", t));
    EXPECT_TRUE(throttle.wait("aluno:ana", "10.0.0.2", t)); // the name is locked from everywhere
    EXPECT_FALSE(throttle.wait("aluno:bia", "10.0.0.1", t));
}

TEST(LoginThrottle, SprayingOneAddressOverManyNamesLocksTheAddress)
{
    LoginThrottle throttle(kName, kAddress);
    LoginThrottle::Clock::time_point t{};
    for (int k = 0; k < 60; ++k) throttle.failed("aluno:n" + std::to_string(k), "10.0.0.9", t);
    EXPECT_EQ(throttle.wait("aluno:novo", "10.0.0.9", t), std::optional<seconds>(seconds(300)));
    EXPECT_FALSE(throttle.wait("aluno:novo", "10.0.0.1", t));
}

TEST(LoginThrottle, SuccessAndQuietTimeWipeANamesCount)
{
    LoginThrottle throttle(kName, kAddress);
    LoginThrottle::Clock::time_point t{};
    for (int k = 0; k < 5; ++k) throttle.failed("aluno:ana", "a", t);
    throttle.succeeded("aluno:ana");
    throttle.failed("aluno:ana", "a", t);
    EXPECT_FALSE(throttle.wait("aluno:ana", "a", t));

    for (int k = 0; k < 5; ++k) throttle.failed("aluno:bia", "b", t);
    throttle.failed("aluno:bia", "b", t + seconds(901));
    EXPECT_FALSE(throttle.wait("aluno:bia", "b", t + seconds(901)));
}
