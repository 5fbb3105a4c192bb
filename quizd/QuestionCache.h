// The last question each student was sent, so that asking again costs no database reads. A fetch is
// served from here only while no write of this server was committed since it was read, and for at most
// a moment: the bank may be imported into by another process, which this server cannot see otherwise.
#pragma once
#include "SteadyClock.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace quizd {

class QuestionCache {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds defaultLifetime{1000};
    explicit QuestionCache(std::chrono::milliseconds lifetime = defaultLifetime, SteadyNow now = Clock::now);

    struct Fetch {
        std::string body;
        std::string outcome; // for the log line
    };
    // version: Database::commits() taken before the fetch read anything.
    std::optional<Fetch> lookup(long userId, std::uint64_t version);
    void remember(long userId, std::uint64_t version, Fetch fetch);

private:
    struct Entry {
        std::uint64_t version;
        Clock::time_point expires;
        Fetch fetch;
    };
    std::chrono::milliseconds lifetime_;
    SteadyNow now_;
    std::mutex mutex_;
    std::unordered_map<long, Entry> entries_;
};

}
