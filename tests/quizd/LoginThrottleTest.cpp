// Password guessing slowed down per name and per address, on a clock the test moves by hand.
#include "LoginThrottle.h"

#include "DatabaseThrottleRecords.h"
#include "QuizStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <thread>

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

// Two servers on one PostgreSQL database, each with its own throttle, guessed at together.
TEST(SharedDatabase, TwoServersCountOneGuessersFailuresAsOne)
{
    const char* url = std::getenv("QUIZD_TEST_POSTGRES");
    if (!url) GTEST_SKIP() << "needs a PostgreSQL database (tests/support/with_postgres)";
    quizd::QuizStore(url, true).database().exec("DELETE FROM login_failures");
    LoginThrottle a(kName, kAddress, std::make_unique<quizd::DatabaseThrottleRecords>(url));
    LoginThrottle b(kName, kAddress, std::make_unique<quizd::DatabaseThrottleRecords>(url));
    LoginThrottle::Clock::time_point t = LoginThrottle::Clock::now();
    auto guess = [&](LoginThrottle& throttle, const char* address) {
        for (int k = 0; k < 25; ++k) throttle.failed("aluno:ana", address, t);
    };
    std::thread other([&] { guess(b, "10.0.0.2"); });
    guess(a, "10.0.0.1");
    other.join();
    EXPECT_EQ(a.wait("aluno:ana", "10.0.0.3", t), std::optional<seconds>(seconds(300)));
    EXPECT_EQ(b.wait("aluno:ana", "10.0.0.3", t), std::optional<seconds>(seconds(300)));
    std::vector<LoginThrottle::Lock> locks = b.locks(t);
    ASSERT_EQ(locks.size(), 1u); // each address stayed within its free failures
    EXPECT_EQ(locks[0].key, "aluno:ana");
    EXPECT_EQ(locks[0].failures, 50);
    a.lift(false, "aluno:ana");
    EXPECT_FALSE(b.wait("aluno:ana", "10.0.0.3", t));
}
